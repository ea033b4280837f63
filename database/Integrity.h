// Damaged references of a loaded database: indices that point past their collection, and the
// layouts that the operations rely on but loading does not check. Loading accepts all of them; the
// editor and ndftool use this to warn before something works on wrong records.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstddef>
#include <string>
#include <vector>

struct DamagedReference {
    std::string kind;    // the collection of the damaged record: "networks", "transponders", ...
    size_t index = 0;    // the record's index in it; the collection's size for a "count" finding
    std::string field;   // "antennaIndex", "tvList[3]", "count", ...
    long long value = 0; // the value found in the field
    std::string problem; // why the value is damaged, e.g. "past the 64 antenna configurations"

    bool operator==(const DamagedReference&) const = default;
};

// Every damaged reference, in collection order (networks, antenna configurations, transponders,
// programs, favorite groups):
// - a network's antennaIndex at or past the number of antenna configurations;
// - fewer antenna configurations than networks (moving networks takes one per slot);
// - a transponder's networkIndex at or past the number of networks;
// - a transponder that starts a second run of its network's transponders (a network's transponders
//   are expected to be contiguous);
// - a program's transponderIndex at or past the number of transponders;
// - a favorite list entry at or past the number of programs;
// - more favorite groups than the user interface offers (8).
std::vector<DamagedReference> FindDamagedReferences(const NetworkDatabase& database);

// One line for a finding: "networks[3].antennaIndex = 70: past the 64 antenna configurations", or
// "favoriteGroups.count = 9: more than 8 favorite groups" for a collection-wide finding.
std::string FormatDamagedReference(const DamagedReference& damage);
