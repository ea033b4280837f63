// Everything the Channel List dialog edits, as one copyable value: a copy is a complete snapshot,
// which the dialog's own undo history keeps.
#pragma once

#include "database/Records.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Bits of changeFlags.
constexpr uint32_t CHANGED_ORDER = 1;
constexpr uint32_t CHANGED_FAVORITES = 2;
constexpr uint32_t CHANGED_NAMES = 4;
// Lock or Skip marks, or channel names, changed.
constexpr uint32_t CHANGED_PROGRAMS = 8;

// Kinds of the "Channel Group" entries; an entry's tag is groupIndex * 256 + groupKind.
constexpr uint8_t GROUP_ALL = 0;
constexpr uint8_t GROUP_NETWORK = 1;
constexpr uint8_t GROUP_FAVORITE = 2;

struct ChannelListState {
    // Positions in the programs table as it was at opening; the table does not change before OK.
    // Deleted programs leave it.
    std::vector<uint32_t> workingOrder;
    // The programs deleted so far, in the order they were deleted; OK deletes them from the database.
    std::vector<uint32_t> deleted;
    // Working copies of the offered favorite groups (at most MAX_FAVORITE_GROUPS).
    std::vector<FavoriteGroup> workingGroups;
    // Per program at opening: bit i set when the program stands in a list of working group i.
    std::vector<uint8_t> favoriteMasks;
    // Per program at opening: its PA_LOCK and PA_SKIP bits as the list shows them.
    std::vector<uint8_t> marks;
    // The new names, by the program's position at opening; a program without one keeps its name.
    std::map<uint32_t, std::string> names;
    uint8_t currentTab = 0;
    uint8_t groupKind = GROUP_ALL;
    uint8_t groupIndex = 0;
    // The row values of the list shown: a program's position in the programs table as it was at
    // opening (for a favorite group, the list entry itself).
    std::vector<uint32_t> rows;
    bool orderDirty = false;
    uint32_t changeFlags = 0;
    int32_t sortState = -1; // the column last sorted by, bit 31 set when descending; -1 for none
    // The rows still stand in the order of that sort, so the header shows it.
    bool sortShown = false;
};
