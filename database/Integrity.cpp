#include "database/Integrity.h"

#include <array>
#include <cstdint>

namespace {

// "there are only 64 antenna configurations", "there is only 1 network", "there are no programs".
std::string OnlyThisMany(size_t count, const char* singular, const char* plural) {
    if (count == 0) {
        return std::string("there are no ") + plural;
    }
    if (count == 1) {
        return std::string("there is only 1 ") + singular;
    }
    return "there are only " + std::to_string(count) + " " + plural;
}

void CheckList(std::vector<DamagedReference>& found, size_t groupIndex, const char* listName,
               const std::vector<uint16_t>& list, size_t programCount) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] >= programCount) {
            found.push_back({"favoriteGroups", groupIndex, std::string(listName) + "[" + std::to_string(i) + "]",
                             list[i], OnlyThisMany(programCount, "program", "programs")});
        }
    }
}

} // namespace

std::vector<DamagedReference> FindDamagedReferences(const NetworkDatabase& db) {
    std::vector<DamagedReference> found;

    const size_t antennaCount = db.antennaConfigs().size();
    for (size_t i = 0; i < db.networks().size(); ++i) {
        const uint8_t antennaIndex = db.networks()[i]->antennaIndex;
        if (antennaIndex >= antennaCount) {
            found.push_back({"networks", i, "antennaIndex", antennaIndex,
                             OnlyThisMany(antennaCount, "antenna configuration", "antenna configurations")});
        }
    }
    if (antennaCount < db.networks().size()) {
        found.push_back({"antennaConfigs", antennaCount, "count", static_cast<long long>(antennaCount),
                         "fewer than the " + std::to_string(db.networks().size()) +
                             " networks, which take one antenna configuration per slot"});
    }

    const size_t networkCount = db.networks().size();
    // Where the first run of each network slot starts; a later run of the same slot is a split.
    constexpr size_t kNoRun = SIZE_MAX;
    std::array<size_t, 256> firstRun;
    firstRun.fill(kNoRun);
    for (size_t i = 0; i < db.transponders().size(); ++i) {
        const uint8_t networkIndex = db.transponders()[i]->networkIndex;
        if (networkIndex >= networkCount) {
            found.push_back(
                {"transponders", i, "networkIndex", networkIndex, OnlyThisMany(networkCount, "network", "networks")});
            continue;
        }
        const bool continuesRun = i > 0 && db.transponders()[i - 1]->networkIndex == networkIndex;
        if (continuesRun) {
            continue;
        }
        if (firstRun[networkIndex] == kNoRun) {
            firstRun[networkIndex] = i;
        } else {
            found.push_back({"transponders", i, "networkIndex", networkIndex,
                             "splits the transponders of network " + std::to_string(networkIndex) +
                                 " in two: its first run starts at transponder " +
                                 std::to_string(firstRun[networkIndex])});
        }
    }

    const size_t transponderCount = db.transponders().size();
    for (size_t i = 0; i < db.programs().size(); ++i) {
        const uint16_t transponderIndex = db.programs()[i]->transponderIndex;
        if (transponderIndex >= transponderCount) {
            found.push_back({"programs", i, "transponderIndex", transponderIndex,
                             OnlyThisMany(transponderCount, "transponder", "transponders")});
        }
    }

    const size_t programCount = db.programs().size();
    for (size_t i = 0; i < db.favoriteGroups().size(); ++i) {
        CheckList(found, i, "tvList", db.favoriteGroups()[i]->tvList, programCount);
        CheckList(found, i, "radioList", db.favoriteGroups()[i]->radioList, programCount);
    }
    if (db.favoriteGroups().size() > static_cast<size_t>(MAX_FAVORITE_GROUPS)) {
        found.push_back({"favoriteGroups", db.favoriteGroups().size(), "count",
                         static_cast<long long>(db.favoriteGroups().size()),
                         "more than the " + std::to_string(MAX_FAVORITE_GROUPS) + " groups the editor offers"});
    }
    return found;
}

std::string FormatDamagedReference(const DamagedReference& damage) {
    std::string text = damage.kind;
    if (damage.field != "count") {
        text += "[" + std::to_string(damage.index) + "]";
    }
    text += "." + damage.field + " = " + std::to_string(damage.value);
    if (!damage.problem.empty()) {
        text += ": " + damage.problem;
    }
    return text;
}
