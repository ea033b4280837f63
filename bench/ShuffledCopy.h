// The largest database against a shuffled copy of itself, as after a rescan: the same services in
// another channel order.
#pragma once

#include "bench/BigDatabase.h"

#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

// The programs of db in a fixed random order; the favorite lists follow.
inline void ShufflePrograms(NetworkDatabase& db, uint64_t seed = kBigDatabaseSeed) {
    std::vector<uint32_t> order(db.programs().size());
    std::iota(order.begin(), order.end(), 0u);
    std::mt19937_64 random(seed);
    std::shuffle(order.begin(), order.end(), random);
    db.ReorderPrograms(order);
}
