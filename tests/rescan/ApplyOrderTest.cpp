// Taking the order, favorites, marks and names of a user's list into a rescan of it.
#include "tests/support/RealisticLists.h"

#include "rescan/ApplyOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Scenario {
    const char* name;
    ApplyOrderOptions options;
    realistic::RescanChanges changes;
};

class ApplyOrderOnRescan : public ::testing::Test {
protected:
    void SetUp() override { realistic::BuildChannelList(list, 4); }

    NetworkDatabase list;
};

TEST_F(ApplyOrderOnRescan, EachOptionTakesItsPartAndNothingElse) {
    realistic::RescanChanges dropped;
    dropped.dropSatellite = true;
    const Scenario scenarios[] = {
        {"the defaults", ApplyOrderOptions(), {}},
        {"order only", ApplyOrderOptions{true, false, false, false}, {}},
        {"groups only", ApplyOrderOptions{false, true, false, false}, {}},
        {"marks only", ApplyOrderOptions{false, false, true, false}, {}},
        {"every name and no marks", ApplyOrderOptions{true, true, false, true}, {}},
        {"everything, a satellite not scanned", ApplyOrderOptions{true, true, true, true}, dropped},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        NetworkDatabase here;
        const realistic::Rescan truth = realistic::MakeRescan(list, here, s.changes);
        std::vector<Program> scanned; // as the rescan wrote them
        for (const auto& program : here.programs())
            scanned.push_back(*program);
        const ApplyOrderPlan plan = PlanApplyOrder(list, here);
        EXPECT_EQ(plan.UnpairedReferenceSatellites(), s.changes.dropSatellite ? 1u : 0u);
        EXPECT_EQ(plan.notFoundHere.size() + plan.matching.Matched(), list.programs().size());
        EXPECT_EQ(plan.withoutPartner.size(), truth.added);
        ASSERT_TRUE(ApplyOrder(here, plan, s.options));

        // Where each channel of the list went.
        std::vector<uint32_t> newIndex(scanned.size());
        for (uint32_t j = 0; j < scanned.size(); ++j)
            newIndex[s.options.order ? plan.newOrder[j] : j] = j;
        uint32_t previous = 0;
        bool first = true;
        size_t favoritesExpected = 0;
        for (size_t p = 0; p < list.programs().size(); ++p) {
            const uint32_t partner = truth.partnerOfList[p];
            if (partner == realistic::kNone)
                continue;
            const Program& from = *list.programs()[p];
            const Program& now = *here.programs()[newIndex[partner]];
            SCOPED_TRACE("channel " + std::to_string(p) + " \"" + from.name + "\"");
            if (s.options.order) {
                EXPECT_TRUE(first || newIndex[partner] > previous);
                previous = newIndex[partner];
                first = false;
            }
            EXPECT_EQ(now.attributes & kAppliedMarks,
                      (s.options.marks ? from.attributes : scanned[partner].attributes) & kAppliedMarks);
            const bool takesName = s.options.names || (s.options.marks && (from.attributes & PA_NO_NAME_UPDATE));
            EXPECT_EQ(now.name, takesName ? from.name : scanned[partner].name);
            EXPECT_EQ(now.serviceId, scanned[partner].serviceId);
            for (const auto& group : list.favoriteGroups())
                favoritesExpected += std::count(group->tvList.begin(), group->tvList.end(), p) +
                                     std::count(group->radioList.begin(), group->radioList.end(), p);
        }
        size_t favorites = 0;
        for (const auto& group : here.favoriteGroups())
            favorites += group->tvList.size() + group->radioList.size();
        if (s.options.groups) {
            EXPECT_EQ(favorites, favoritesExpected);
            size_t all = 0;
            for (const auto& group : list.favoriteGroups())
                all += group->tvList.size() + group->radioList.size();
            EXPECT_EQ(plan.favoritesNotPlaced, all - favoritesExpected);
            // The first group's first channel is the partner of the list's first that has one.
            for (const uint16_t entry : list.favoriteGroups()[0]->tvList) {
                if (truth.partnerOfList[entry] != realistic::kNone) {
                    EXPECT_EQ(here.favoriteGroups()[0]->tvList[0], newIndex[truth.partnerOfList[entry]]);
                    break;
                }
            }
        } else {
            EXPECT_EQ(favorites, 0u);
        }
        // Applied once more, nothing changes.
        EXPECT_FALSE(ApplyOrder(here, PlanApplyOrder(list, here), s.options));
    }
}

TEST_F(ApplyOrderOnRescan, ChannelsNotFoundCarryTheirGroupsAndSatellitesTheirCounts) {
    realistic::RescanChanges dropped;
    dropped.dropSatellite = true;
    NetworkDatabase here;
    const realistic::Rescan truth = realistic::MakeRescan(list, here, dropped);
    const ApplyOrderPlan plan = PlanApplyOrder(list, here);
    size_t gone = 0;
    for (size_t p = 0; p < list.programs().size(); ++p)
        gone += truth.partnerOfList[p] == realistic::kNone;
    ASSERT_EQ(plan.notFoundHere.size(), gone);
    for (const PlannedChannel& channel : plan.notFoundHere) {
        EXPECT_EQ(truth.partnerOfList[channel.program], realistic::kNone);
        EXPECT_EQ(channel.name, list.programs()[channel.program]->name);
        for (const uint8_t g : channel.groups) {
            const FavoriteGroup& group = *list.favoriteGroups()[g];
            const auto& entries = channel.radio ? group.radioList : group.tvList;
            EXPECT_NE(std::find(entries.begin(), entries.end(), channel.program), entries.end());
        }
    }
    size_t paired = 0, dropsFound = 0;
    for (const PlannedSatellite& satellite : plan.satellites) {
        ASSERT_NE(satellite.referenceSlot, NO_PARTNER);
        paired += satellite.paired;
        if (satellite.targetSlot == NO_PARTNER) {
            ++dropsFound;
            EXPECT_EQ(satellite.paired, 0u);
            EXPECT_GT(satellite.referenceChannels, 0u);
        } else {
            EXPECT_EQ(here.networks()[satellite.targetSlot]->name, list.networks()[satellite.referenceSlot]->name);
        }
    }
    EXPECT_EQ(dropsFound, 1u);
    EXPECT_EQ(paired, plan.matching.Matched());
}

} // namespace
