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

PlannedChannel Planned(const NetworkDatabase& db, uint32_t index, uint32_t number) {
    const Program& program = *db.programs()[index];
    PlannedChannel channel;
    channel.program = index;
    channel.number = number;
    channel.radio = program.IsRadio();
    channel.name = program.name;
    channel.serviceId = program.serviceId;
    channel.satellite = SatelliteOf(db, program);
    if (program.transponderIndex < db.transponders().size()) {
        const Transponder& transponder = *db.transponders()[program.transponderIndex];
        channel.hasTransponder = true;
        channel.frequency = transponder.frequency;
        channel.polarity = transponder.polarity();
    }
    return channel;
}

} // namespace

size_t ApplyOrderPlan::UnpairedReferenceSatellites() const {
    return static_cast<size_t>(std::count_if(satellites.begin(), satellites.end(), [](const PlannedSatellite& s) {
        return s.referenceSlot != NO_PARTNER && s.targetSlot == NO_PARTNER && s.referenceChannels > 0;
    }));
}

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
        if (m.partnerOfTarget[t] == NO_PARTNER)
            plan.newOrder.push_back(static_cast<uint32_t>(t));
    }
    std::vector<uint32_t> identity(count);
    std::vector<uint32_t> newIndex(count);
    for (size_t j = 0; j < count; ++j) {
        identity[j] = static_cast<uint32_t>(j);
        newIndex[plan.newOrder[j]] = static_cast<uint32_t>(j);
    }
    plan.groupsInCurrentOrder = MapGroups(reference, target, m, identity);
    plan.groupsInNewOrder = MapGroups(reference, target, m, newIndex);

    // The groups that list each reference program, and the entries that find no partner.
    std::vector<std::vector<uint8_t>> groupsOf(reference.programs().size());
    const size_t groupCount = std::min(reference.favoriteGroups().size(), kAppliedFavoriteGroups);
    for (size_t g = 0; g < groupCount; ++g) {
        const FavoriteGroup& group = *reference.favoriteGroups()[g];
        for (const auto* entries : {&group.tvList, &group.radioList}) {
            for (const uint16_t entry : *entries) {
                if (entry >= groupsOf.size())
                    continue;
                std::vector<uint8_t>& groups = groupsOf[entry];
                if (groups.empty() || groups.back() != g)
                    groups.push_back(static_cast<uint8_t>(g));
                if (m.partnerOfReference[entry] == NO_PARTNER)
                    ++plan.favoritesNotPlaced;
            }
        }
    }

    const std::vector<uint32_t> referenceNumbers = ChannelNumbers(reference);
    for (uint32_t r = 0; r < reference.programs().size(); ++r) {
        const uint32_t t = m.partnerOfReference[r];
        if (t == NO_PARTNER) {
            plan.notFoundHere.push_back(Planned(reference, r, referenceNumbers[r]));
            plan.notFoundHere.back().groups = std::move(groupsOf[r]);
            continue;
        }
        const Program& from = *reference.programs()[r];
        const Program& here = *target.programs()[t];
        const uint8_t marks = from.attributes & kAppliedMarks;
        const bool marksDiffer = (here.attributes & kAppliedMarks) != marks;
        const bool nameDiffers = here.name != from.name;
        if (!marksDiffer && !nameDiffers)
            continue;
        plan.marksToTake += marksDiffer;
        plan.namesToTake += nameDiffers;
        plan.keptNamesToTake += nameDiffers && (from.attributes & PA_NO_NAME_UPDATE);
        plan.taken.push_back(ApplyOrderPlan::Taken{t, marks, from.name});
    }
    const std::vector<uint32_t> targetNumbers = ChannelNumbers(target);
    for (uint32_t t = 0; t < count; ++t) {
        if (m.partnerOfTarget[t] == NO_PARTNER)
            plan.withoutPartner.push_back(Planned(target, t, targetNumbers[t]));
    }

    // Per satellite pair: the channels on each side and those paired.
    std::vector<size_t> referenceChannels(reference.networks().size()), pairedChannels(reference.networks().size());
    std::vector<size_t> targetChannels(target.networks().size());
    for (uint32_t r = 0; r < reference.programs().size(); ++r) {
        const uint32_t slot = SatelliteOf(reference, *reference.programs()[r]);
        if (slot == NO_PARTNER)
            continue;
        ++referenceChannels[slot];
        pairedChannels[slot] += m.partnerOfReference[r] != NO_PARTNER;
    }
    for (uint32_t t = 0; t < count; ++t) {
        const uint32_t slot = SatelliteOf(target, *target.programs()[t]);
        if (slot != NO_PARTNER)
            ++targetChannels[slot];
    }
    const SatellitePairing& pairing = m.satellites;
    for (uint32_t r = 0; r < reference.networks().size(); ++r) {
        if (!pairing.referenceTakesPart[r])
            continue;
        PlannedSatellite satellite;
        satellite.referenceSlot = r;
        satellite.targetSlot = pairing.partnerOfReference[r];
        satellite.referenceChannels = referenceChannels[r];
        satellite.paired = pairedChannels[r];
        if (satellite.targetSlot != NO_PARTNER)
            satellite.targetChannels = targetChannels[satellite.targetSlot];
        plan.satellites.push_back(satellite);
    }
    for (uint32_t t = 0; t < target.networks().size(); ++t) {
        if (pairing.targetTakesPart[t] && pairing.partnerOfTarget[t] == NO_PARTNER) {
            PlannedSatellite satellite;
            satellite.targetSlot = t;
            satellite.targetChannels = targetChannels[t];
            plan.satellites.push_back(satellite);
        }
    }
    return plan;
}

bool ApplyOrder(NetworkDatabase& target, const ApplyOrderPlan& plan, const ApplyOrderOptions& options) {
    bool changed = false;
    // Marks and names first, while the plan's indices still hold.
    if (options.marks || options.names) {
        for (const ApplyOrderPlan::Taken& taken : plan.taken) {
            if (taken.target >= target.programs().size())
                continue;
            Program value = *target.programs()[taken.target];
            if (options.marks)
                value.attributes = static_cast<uint8_t>((value.attributes & ~kAppliedMarks) | taken.marks);
            if (options.names || (options.marks && (taken.marks & PA_NO_NAME_UPDATE)))
                value.name = taken.name;
            if (value.Differs(*target.programs()[taken.target])) {
                target.SetProgram(taken.target, value);
                changed = true;
            }
        }
    }
    bool reordered = false;
    if (options.order && plan.newOrder.size() == target.programs().size()) {
        bool identity = true;
        for (size_t j = 0; j < plan.newOrder.size() && identity; ++j)
            identity = plan.newOrder[j] == j;
        if (!identity)
            reordered = target.ReorderPrograms(plan.newOrder);
    }
    changed = changed || reordered;
    if (options.groups) {
        const std::vector<FavoriteGroup>& mapped = reordered ? plan.groupsInNewOrder : plan.groupsInCurrentOrder;
        if (!SameGroups(target.favoriteGroups(), mapped)) {
            target.SetFavoriteGroups(mapped);
            changed = true;
        }
    }
    return changed;
}

std::string GroupName(const NetworkDatabase& db, size_t group) {
    if (group < db.favoriteGroups().size() && !db.favoriteGroups()[group]->name.empty())
        return db.favoriteGroups()[group]->name;
    return "Fav" + std::to_string(group + 1);
}
