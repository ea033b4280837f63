// Taking the channel order and the favorite groups of a reference file: after a rescan the
// receiver's file is in scan order, and the owner's old file knows how it was arranged.
#pragma once

#include "rescan/ProgramMatching.h"

#include <string>
#include <vector>

// The reference file gives at most this many groups, as many as the editor offers.
constexpr size_t kAppliedFavoriteGroups = 8;

struct ApplyOrderPlan {
    ProgramMatching matching;
    // The channel order the reference gives: the matched programs in the order of their partners,
    // then the unmatched ones in their current order (old index of each new position).
    std::vector<uint32_t> newOrder;
    // The reference's first groups with every entry mapped to its partner here, numbered by the
    // current order (groupsInCurrentOrder) and by newOrder (groupsInNewOrder).
    std::vector<FavoriteGroup> groupsInCurrentOrder;
    std::vector<FavoriteGroup> groupsInNewOrder;
    // The names of the programs here without a partner, in channel order.
    std::vector<std::string> namesWithoutPartner;
};

ApplyOrderPlan PlanApplyOrder(const NetworkDatabase& reference, const NetworkDatabase& target);

// Applies the plan made for target: its order, its groups, or both; true when anything changed.
// Without the groups the favorite lists are only renumbered.
bool ApplyOrder(NetworkDatabase& target, const ApplyOrderPlan& plan, bool order, bool groups);

// "N matched by key, M by name, K without partner, J missing from " followed by fileName.
std::string ApplyOrderSummary(const ApplyOrderPlan& plan, const std::string& fileName);
