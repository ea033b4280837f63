// Which program of one database is which program of another: after a rescan the same service
// stands at another index, often on a transponder written a few MHz apart, sometimes under a new
// service ID. Programs are paired by their key first and by name for the rest, each at most once.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t NO_PARTNER = UINT32_MAX;
// Receivers write a retuned transponder a little apart: frequencies this close are the same.
constexpr int kFrequencyTolerance = 2;

// The network position, transponder polarity and frequency, and service ID of a program. A
// program whose transponder or network is missing has no key and counts as position 0.
struct ProgramKey {
    bool valid = false;
    uint16_t position = 0;
    uint8_t polarity = 0;
    uint16_t frequency = 0;
    uint16_t serviceId = 0;
};

ProgramKey KeyOf(const NetworkDatabase& db, const Program& program);
// The position of a transponder's network; 0 when the network is missing.
uint16_t PositionOf(const NetworkDatabase& db, const Transponder& transponder);

enum MatchKind : uint8_t { MATCH_NONE, MATCH_KEY, MATCH_NAME };

struct ProgramMatching {
    std::vector<uint32_t> partnerOfReference; // per reference program: its partner in the target, or NO_PARTNER
    std::vector<uint32_t> partnerOfTarget;    // per target program: its partner in the reference, or NO_PARTNER
    std::vector<MatchKind> kindOfTarget;      // how each target program found its partner
    size_t byKey = 0;
    size_t byName = 0;

    size_t Matched() const { return byKey + byName; }
    size_t TargetWithoutPartner() const { return partnerOfTarget.size() - Matched(); }
    size_t MissingFromTarget() const { return partnerOfReference.size() - Matched(); }
};

// Walks the reference in channel order and gives each program the first unmatched target program
// (in channel order) that matches it by key; then the same by name and position for the programs
// left over. Linear in the programs of both, apart from hashing.
ProgramMatching MatchPrograms(const NetworkDatabase& reference, const NetworkDatabase& target);

// Pairing by a key with a tolerance: the items with the same group whose values differ by at most
// kFrequencyTolerance match. Each item of a, in order, takes the earliest unmatched item of b that
// matches it; items without a valid key take none. Fills both partner lists (NO_PARTNER: none).
struct TolerantKey {
    bool valid = false;
    uint64_t group = 0; // at most 48 bits
    uint16_t value = 0;
};
void MatchTolerant(const std::vector<TolerantKey>& a, const std::vector<TolerantKey>& b,
                   std::vector<uint32_t>& partnerOfA, std::vector<uint32_t>& partnerOfB);

// The 1-based channel number of every program within its TV or radio list.
std::vector<uint32_t> ChannelNumbers(const NetworkDatabase& db);

// Short texts for reports: "\"ZDF\"" with the name quoted as stored, a transponder as
// "\"Astra 1\" 11953 H", a position as "19.2E" or "0.8W".
std::string Quoted(const std::string& name);
std::string DescribeTransponder(const NetworkDatabase& db, size_t index);
// "\"ZDF\" on \"Astra 1\" 11953 H, SID 28006".
std::string DescribeProgram(const NetworkDatabase& db, size_t index);
std::string DescribePosition(uint16_t position);
