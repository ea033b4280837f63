#include "rescan/ApplyOrder.h"

#include <algorithm>

namespace {

bool SameGroups(const RecordList<FavoriteGroup>& current, const std::vector<FavoriteGroup>& groups) {
    if (current.size() != groups.size())
        return false;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (current[g]->name != groups[g].name || current[g]->tvList != groups[g].tvList ||
            current[g]->radioList != groups[g].radioList)
            return false;
    }
    return true;
}

// The reference's groups with each entry replaced by its partner here, renumbered by newIndex;
// entries without a partner go, and so do repeats within a list (the first stays). Each entry goes
// to the list of its partner's own kind.
std::vector<FavoriteGroup> MapGroups(const NetworkDatabase& reference, const NetworkDatabase& target,
                                     const ProgramMatching& matching, const std::vector<uint32_t>& newIndex) {
    std::vector<FavoriteGroup> groups;
    const size_t count = std::min(reference.favoriteGroups().size(), kAppliedFavoriteGroups);
    // seen[t] holds the number of the last list that took t, so that no list needs clearing.
    std::vector<uint32_t> seen(target.programs().size(), 0);
    uint32_t list = 0;
    for (size_t g = 0; g < count; ++g) {
        const FavoriteGroup& from = *reference.favoriteGroups()[g];
        FavoriteGroup mapped;
        mapped.name = from.name;
        const uint32_t tvMark = ++list;
        const uint32_t radioMark = ++list;
        for (const auto* entries : {&from.tvList, &from.radioList}) {
            for (const uint16_t entry : *entries) {
                if (entry >= matching.partnerOfReference.size())
                    continue;
                const uint32_t partner = matching.partnerOfReference[entry];
                if (partner == NO_PARTNER)
                    continue;
                const bool radio = target.programs()[partner]->IsRadio();
                const uint32_t mark = radio ? radioMark : tvMark;
                if (seen[partner] == mark)
                    continue;
                seen[partner] = mark;
                (radio ? mapped.radioList : mapped.tvList).push_back(static_cast<uint16_t>(newIndex[partner]));
            }
        }
        groups.push_back(std::move(mapped));
    }
    return groups;
}

} // namespace

ApplyOrderPlan PlanApplyOrder(const NetworkDatabase& reference, const NetworkDatabase& target) {
    ApplyOrderPlan plan;
    plan.matching = MatchPrograms(reference, target);
    const ProgramMatching& m = plan.matching;
    const size_t count = target.programs().size();
    plan.newOrder.reserve(count);
    for (const uint32_t partner : m.partnerOfReference) {
        if (partner != NO_PARTNER)
            plan.newOrder.push_back(partner);
    }
    for (size_t t = 0; t < count; ++t) {
        if (m.partnerOfTarget[t] == NO_PARTNER) {
            plan.newOrder.push_back(static_cast<uint32_t>(t));
            plan.namesWithoutPartner.push_back(target.programs()[t]->name);
        }
    }
    std::vector<uint32_t> identity(count);
    std::vector<uint32_t> newIndex(count);
    for (size_t j = 0; j < count; ++j) {
        identity[j] = static_cast<uint32_t>(j);
        newIndex[plan.newOrder[j]] = static_cast<uint32_t>(j);
    }
    plan.groupsInCurrentOrder = MapGroups(reference, target, m, identity);
    plan.groupsInNewOrder = MapGroups(reference, target, m, newIndex);
    return plan;
}

bool ApplyOrder(NetworkDatabase& target, const ApplyOrderPlan& plan, bool order, bool groups) {
    bool changed = false;
    if (order && plan.newOrder.size() == target.programs().size()) {
        bool identity = true;
        for (size_t j = 0; j < plan.newOrder.size() && identity; ++j)
            identity = plan.newOrder[j] == j;
        if (!identity)
            changed = target.ReorderPrograms(plan.newOrder);
    }
    if (groups) {
        const std::vector<FavoriteGroup>& mapped = changed ? plan.groupsInNewOrder : plan.groupsInCurrentOrder;
        if (!SameGroups(target.favoriteGroups(), mapped)) {
            target.SetFavoriteGroups(mapped);
            changed = true;
        }
    }
    return changed;
}

std::string ApplyOrderSummary(const ApplyOrderPlan& plan, const std::string& fileName) {
    const ProgramMatching& m = plan.matching;
    return std::to_string(m.byKey) + " matched by key, " + std::to_string(m.byName) + " by name, " +
           std::to_string(m.TargetWithoutPartner()) + " without partner, " + std::to_string(m.MissingFromTarget()) +
           " missing from " + fileName;
}
