// A generator of the largest database a receiver file can realistically hold: 255 satellites at
// real-looking orbital positions, 65,535 transponders, 65,535 programs with realistic names and one
// to three audio tracks, and 8 favorite groups of 5,000 entries. Deterministic: the same shape and
// seed give the same database, byte for byte, on every machine.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct BigDatabaseShape {
    size_t networks = 255;
    size_t transponders = 65535;
    size_t programs = 65535;
    size_t favoriteGroups = 8;
    size_t favoriteEntries = 5000; // per group, TV and radio together
    // Share of the transponders (and so of the programs) that the first satellite carries; the
    // rest are spread evenly. 0 spreads all of them evenly.
    double heavyNetworkShare = 0.0;

    static BigDatabaseShape Largest() { return BigDatabaseShape{}; }
    // Every count but the favorite group count times scale (0 < scale <= 1), each at least 1.
    BigDatabaseShape Scaled(double scale) const;
};

constexpr uint64_t kBigDatabaseSeed = 0x4469736865ull;

// Replaces the contents of db by a generated database of the given shape. The satellites stand in
// slots in no particular order of position (as a user's file does before sorting); each one's
// transponders form one run, in slot order; programs mostly follow their transponders, with a
// share of them moved forward as users do with the channels they watch most. The stamp is a
// version, so the database is saved as generated.
void BuildBigDatabase(NetworkDatabase& db, const BigDatabaseShape& shape = BigDatabaseShape::Largest(),
                      uint64_t seed = kBigDatabaseSeed);

// The image of BuildBigDatabase(shape, seed), as Save would write it.
std::vector<uint8_t> BigDatabaseImage(const BigDatabaseShape& shape = BigDatabaseShape::Largest(),
                                      uint64_t seed = kBigDatabaseSeed);
