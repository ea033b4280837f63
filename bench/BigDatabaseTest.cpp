#include "bench/BigDatabase.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every reference points at an existing record, each satellite's transponders form one run, and
// the favorite lists hold distinct programs of the right kind.
void ExpectConsistent(const NetworkDatabase& db) {
    ASSERT_EQ(db.antennaConfigs().size(), db.networks().size());
    std::set<uint16_t> positions;
    for (size_t i = 0; i < db.networks().size(); ++i) {
        const Network& network = *db.networks()[i];
        EXPECT_EQ(network.antennaIndex, i);
        EXPECT_LT(network.position, 3600);
        EXPECT_FALSE(network.IsEmptySlot()) << i;
        EXPECT_TRUE(positions.insert(network.position).second) << "two satellites at " << network.position;
    }
    std::vector<bool> runClosed(db.networks().size(), false);
    for (size_t i = 0; i < db.transponders().size(); ++i) {
        const Transponder& transponder = *db.transponders()[i];
        ASSERT_LT(transponder.networkIndex, db.networks().size());
        ASSERT_FALSE(runClosed[transponder.networkIndex]) << "split run at " << i;
        if (i + 1 == db.transponders().size() || db.transponders()[i + 1]->networkIndex != transponder.networkIndex)
            runClosed[transponder.networkIndex] = true;
        EXPECT_NE(transponder.frequency, 0);
        EXPECT_NE(transponder.symbolRate, 0);
    }
    for (const auto& program : db.programs()) {
        ASSERT_LT(program->transponderIndex, db.transponders().size());
        EXPECT_FALSE(program->name.empty());
        EXPECT_GE(program->audioPids.Count(), 1u);
        EXPECT_LE(program->audioPids.Count(), 3u);
        EXPECT_EQ(program->videoPids.Empty(), program->IsRadio());
    }
    for (const auto& group : db.favoriteGroups()) {
        std::set<uint16_t> seen;
        for (uint16_t entry : group->tvList) {
            ASSERT_LT(entry, db.programs().size());
            EXPECT_FALSE(db.programs()[entry]->IsRadio());
            EXPECT_TRUE(seen.insert(entry).second);
        }
        for (uint16_t entry : group->radioList) {
            ASSERT_LT(entry, db.programs().size());
            EXPECT_TRUE(db.programs()[entry]->IsRadio());
            EXPECT_TRUE(seen.insert(entry).second);
        }
    }
}

TEST(BigDatabaseTest, LargestDatabaseFillsTheFileAndSurvivesARoundTrip) {
    NetworkDatabase db;
    BuildBigDatabase(db);
    EXPECT_EQ(db.networks().size(), 255u);
    EXPECT_EQ(db.transponders().size(), 65535u);
    EXPECT_EQ(db.programs().size(), 65535u);
    ASSERT_EQ(db.favoriteGroups().size(), 8u);
    for (const auto& group : db.favoriteGroups())
        EXPECT_EQ(group->tvList.size() + group->radioList.size(), 5000u);
    ExpectConsistent(db);
    EXPECT_EQ(db.LimitProblem(), "");

    std::vector<uint8_t> image;
    ASSERT_GT(db.Serialize(image), 0u);
    NetworkDatabase reread;
    ASSERT_EQ(reread.Parse(image), NDF_OK);
    EXPECT_TRUE(reread.keepStamp); // the generated stamp is kept by a save
    std::vector<uint8_t> again;
    reread.Serialize(again);
    EXPECT_EQ(again, image);
}

TEST(BigDatabaseTest, SameSeedSameBytesOtherSeedOtherBytes) {
    const BigDatabaseShape shape = BigDatabaseShape::Largest().Scaled(0.1);
    const std::vector<uint8_t> first = BigDatabaseImage(shape);
    EXPECT_EQ(BigDatabaseImage(shape), first);
    EXPECT_NE(BigDatabaseImage(shape, kBigDatabaseSeed + 1), first);
}

TEST(BigDatabaseTest, ScaledShapesKeepTheirProportions) {
    const BigDatabaseShape half = BigDatabaseShape::Largest().Scaled(0.5);
    EXPECT_EQ(half.networks, 128u);
    EXPECT_EQ(half.transponders, 32768u);
    EXPECT_EQ(half.programs, 32768u);
    EXPECT_EQ(half.favoriteGroups, 8u);
    EXPECT_EQ(half.favoriteEntries, 2500u);

    // The tiniest scale still gives one record of each kind, and a consistent database.
    const BigDatabaseShape tiny = BigDatabaseShape::Largest().Scaled(1e-9);
    EXPECT_EQ(tiny.networks, 1u);
    EXPECT_EQ(tiny.transponders, 1u);
    EXPECT_EQ(tiny.programs, 1u);
    NetworkDatabase db;
    BuildBigDatabase(db, tiny);
    ExpectConsistent(db);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList.size() + db.favoriteGroups()[0]->radioList.size(), 1u);
}

TEST(BigDatabaseTest, HeavySatelliteCarriesItsShare) {
    BigDatabaseShape shape = BigDatabaseShape::Largest().Scaled(0.5);
    shape.heavyNetworkShare = 1.0 / 3.0;
    NetworkDatabase db;
    BuildBigDatabase(db, shape);
    ExpectConsistent(db);
    EXPECT_EQ(db.FirstTransponderOf(0), 0u);
    EXPECT_EQ(db.EndTransponderOf(0), 10923u); // a third of 32768, rounded
    // The rest are spread evenly: runs differ by at most one.
    size_t shortest = SIZE_MAX;
    size_t longest = 0;
    for (uint8_t slot = 1; slot < db.networks().size(); ++slot) {
        const size_t run = db.EndTransponderOf(slot) - db.FirstTransponderOf(slot);
        shortest = std::min(shortest, run);
        longest = std::max(longest, run);
    }
    EXPECT_LE(longest - shortest, 1u);
    // The satellite's programs follow its transponders: about a third of them.
    size_t onHeavy = 0;
    for (const auto& program : db.programs())
        onHeavy += db.transponders()[program->transponderIndex]->networkIndex == 0 ? 1 : 0;
    EXPECT_NEAR(static_cast<double>(onHeavy) / static_cast<double>(db.programs().size()), 1.0 / 3.0, 0.01);
}

} // namespace
