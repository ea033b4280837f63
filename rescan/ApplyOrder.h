// Taking the arrangement of a reference file: after a rescan the receiver's file is in scan order
// without the owner's locks, skips and names, and the owner's old file knows them all. The plan
// says which channels paired, which of the reference were not found and which here have no
// partner, as data for the editor and ndftool to word.
#pragma once

#include "rescan/ProgramMatching.h"

#include <string>
#include <vector>

// The reference file gives at most this many groups, as many as the editor offers.
constexpr size_t kAppliedFavoriteGroups = 8;

// The marks a program takes from its partner in the reference: "Lock", "Skip" and the three
// "Don't update" marks.
constexpr uint8_t kAppliedMarks = PA_LOCK | PA_SKIP | PA_NO_PID_UPDATE | PA_NO_NAME_UPDATE | PA_NO_SID_UPDATE;

struct ApplyOrderOptions {
    bool order = true;  // the channel order
    bool groups = true; // the favorite groups
    bool marks = true;  // locks, skips and "Don't update" marks, and the name under "Don't update name"
    bool names = false; // every name
};

// A channel named in the plan, as it stands in its own file.
struct PlannedChannel {
    uint32_t program = 0;
    uint32_t number = 0; // 1-based, in the TV or radio list
    bool radio = false;
    std::string name;                // bytes as stored
    uint32_t satellite = NO_PARTNER; // network slot; NO_PARTNER when the transponder or network is missing
    bool hasTransponder = false;
    uint16_t frequency = 0;
    uint8_t polarity = 0;
    uint16_t serviceId = 0;
    std::vector<uint8_t> groups; // the favorite groups (0-based, of the first eight) that list it
};

// One satellite of the reference and its partner here, or one here without a partner.
struct PlannedSatellite {
    uint32_t referenceSlot = NO_PARTNER;
    uint32_t targetSlot = NO_PARTNER;
    size_t referenceChannels = 0;
    size_t targetChannels = 0;
    size_t paired = 0;
};

struct ApplyOrderPlan {
    ProgramMatching matching;
    // The channel order the reference gives: the paired programs in the order of their partners,
    // then the others in their current order (old index of each new position).
    std::vector<uint32_t> newOrder;
    // The reference's first groups with every entry mapped to its partner here, numbered by the
    // current order (groupsInCurrentOrder) and by newOrder (groupsInNewOrder).
    std::vector<FavoriteGroup> groupsInCurrentOrder;
    std::vector<FavoriteGroup> groupsInNewOrder;
    // The reference's satellites in slot order with their partners, then those here without one.
    std::vector<PlannedSatellite> satellites;
    // The reference's channels without a partner here, in the reference's channel order, with the
    // groups they were in; and the channels here without a partner, in this file's order.
    std::vector<PlannedChannel> notFoundHere;
    std::vector<PlannedChannel> withoutPartner;
    // Entries of the reference's groups whose channel was not found here.
    size_t favoritesNotPlaced = 0;
    // Paired programs whose marks, whose name under "Don't update name", and whose name at all
    // differ from the reference's.
    size_t marksToTake = 0;
    size_t keptNamesToTake = 0;
    size_t namesToTake = 0;
    // Those programs with their partner's marks and name.
    struct Taken {
        uint32_t target = 0;
        uint8_t marks = 0;
        std::string name;
    };
    std::vector<Taken> taken;

    // Satellites of the reference that have channels and no partner here.
    size_t UnpairedReferenceSatellites() const;
};

ApplyOrderPlan PlanApplyOrder(const NetworkDatabase& reference, const NetworkDatabase& target);

// Applies the plan made for target with the chosen parts; true when anything changed. Without the
// groups the favorite lists are only renumbered.
bool ApplyOrder(NetworkDatabase& target, const ApplyOrderPlan& plan, const ApplyOrderOptions& options);

// The name of a favorite group as the editor shows it: "Fav3" for an empty third name.
std::string GroupName(const NetworkDatabase& db, size_t group);
