// Which satellite, transponder and program of one database is which of another. After a rescan
// the same service stands at another index, often on a satellite written 0.2° apart, on a
// transponder written a few MHz apart, under another name or service ID. Apply order, compare and
// the clean-up all pair records here, by the same rules.
#pragma once

#include "database/DisplayTables.h"
#include "database/NetworkDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t NO_PARTNER = UINT32_MAX;

// ---- tolerances ----
// The dialogs and ndftool's help name them as "satellites within 0.5°" and "frequencies within
// 5 MHz"; MatchingToleranceWords() gives those words.

// Satellites whose positions differ by at most this many tenths of a degree are the same one when
// no satellite stands at the exact position: lists disagree on 19.0/19.2E, 0.8/1.0W, 4.8/5.0E.
constexpr uint16_t kPositionTolerance = 5;
// A retuned transponder keeps its services: frequencies this many MHz apart are the same
// transponder (receivers and listings also disagree on a transponder's frequency by a few MHz).
constexpr uint16_t kFrequencyTolerance = 5;
// Two transponders of one satellite this close (with the same polarity and symbol rate) are one
// transponder stored twice, as a rescan leaves them.
constexpr uint16_t kDuplicateTransponderTolerance = 2;

// "satellites within 0.5°, frequencies within 5 MHz" in the numbers above (UTF-8).
std::string MatchingToleranceWords();

// ---- satellites ----

// Satellites pair one to one: equal positions first, then the nearest positions within
// kPositionTolerance (ties: the same name without regard to case, then slot order). Empty slots
// without transponders take part in nothing.
struct SatellitePairing {
    std::vector<uint32_t> partnerOfReference; // per reference network slot: its partner's slot, or NO_PARTNER
    std::vector<uint32_t> partnerOfTarget;    // per target network slot
    // Whether a slot is a satellite at all (not an empty slot without transponders).
    std::vector<bool> referenceTakesPart;
    std::vector<bool> targetTakesPart;
};

SatellitePairing PairSatellites(const NetworkDatabase& reference, const NetworkDatabase& target);

// The distance of two positions in tenths of a degree, across 0° as well (0.2W to 0.2E is 4).
uint16_t PositionDistance(uint16_t a, uint16_t b);

// ---- transponders ----

// Transponders pair within paired satellites, by polarity and a frequency within
// kFrequencyTolerance, one to one: the nearest frequency first, then the same symbol rate, then
// the order of the files.
struct TransponderPairing {
    std::vector<uint32_t> partnerOfReference;
    std::vector<uint32_t> partnerOfTarget;
};

TransponderPairing PairTransponders(const NetworkDatabase& reference, const NetworkDatabase& target,
                                    const SatellitePairing& satellites);

// ---- programs ----

// How a program found its partner: by satellite, polarity, service ID and frequency (MATCH_KEY);
// by a service ID found once on the satellite in both files (MATCH_SERVICE_ID); by name (MATCH_NAME).
enum MatchKind : uint8_t { MATCH_NONE, MATCH_KEY, MATCH_NAME, MATCH_SERVICE_ID };

struct ProgramMatching {
    SatellitePairing satellites;
    std::vector<uint32_t> partnerOfReference; // per reference program: its partner in the target, or NO_PARTNER
    std::vector<uint32_t> partnerOfTarget;    // per target program: its partner in the reference, or NO_PARTNER
    std::vector<MatchKind> kindOfTarget;      // how each target program found its partner
    size_t byKey = 0;
    size_t byServiceId = 0;
    size_t byName = 0;

    size_t Matched() const { return byKey + byServiceId + byName; }
    size_t TargetWithoutPartner() const { return partnerOfTarget.size() - Matched(); }
    size_t MissingFromTarget() const { return partnerOfReference.size() - Matched(); }
};

// Pairs the programs of paired satellites (programs without a satellite pair among themselves),
// TV with TV and radio with radio, each at most once, in passes:
//  1. polarity, service ID and a frequency within kFrequencyTolerance;
//  2. the service ID alone, where it occurs once among the satellite's programs of that kind in
//     both files;
//  3. the name, without regard to case, surrounding spaces and a trailing " HD", " SD" or " UHD".
// A service ID of 0 identifies nothing: such a program pairs only in the third pass, and only with
// a program of the same video, audio and PCR PIDs. Where several candidates compete, the closest
// name wins, then the same PIDs (video, then audio, then PCR), then the nearest frequency, then
// channel order.
ProgramMatching MatchPrograms(const NetworkDatabase& reference, const NetworkDatabase& target);

// The name as the third pass compares it: Latin-1 letters in lower case, no surrounding spaces,
// no trailing " HD", " SD" or " UHD".
std::string MatchingName(const std::string& name);

// ---- other helpers ----

// The network slot of a program's satellite, or NO_PARTNER when its transponder or network is missing.
uint32_t SatelliteOf(const NetworkDatabase& db, const Program& program);

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

// Pairing by a key with a tolerance: the items with the same group whose values differ by at most
// tolerance match. Each item of a, in order, takes the earliest unmatched item of b that matches
// it; items without a valid key take none. Fills both partner lists (NO_PARTNER: none).
struct TolerantKey {
    bool valid = false;
    uint64_t group = 0; // at most 48 bits
    uint16_t value = 0;
};
void MatchTolerant(const std::vector<TolerantKey>& a, const std::vector<TolerantKey>& b,
                   std::vector<uint32_t>& partnerOfA, std::vector<uint32_t>& partnerOfB,
                   int tolerance = kFrequencyTolerance);

// The 1-based channel number of every program within its TV or radio list.
std::vector<uint32_t> ChannelNumbers(const NetworkDatabase& db);

// Short texts for reports: "\"ZDF\"" with the name quoted as stored, a transponder as
// "\"Astra 1\" 11953 H", a position as "19.2E" or "0.8W".
std::string Quoted(const std::string& name);
// The pattern with %1, %2, ... replaced by the values, each once: findings in English or translated.
std::string FillPlaceholders(std::string pattern, const std::vector<std::string>& values);
std::string DescribeTransponder(const NetworkDatabase& db, size_t index);
// "\"ZDF\" on \"Astra 1\" 11953 H, SID 28006".
std::string DescribeProgram(const NetworkDatabase& db, size_t index);
