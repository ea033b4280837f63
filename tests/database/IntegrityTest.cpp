#include "database/Integrity.h"
#include "tests/database/TestDatabases.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A sound database: networks 0..2 with their antenna configurations, transponders on networks
// [0, 0, 2], programs on transponders [0, 1, 2, 2], one favorite group listing programs 0 and 3.
class IntegrityTest : public ::testing::Test {
protected:
    NetworkDatabase db;

    void SetUp() override {
        for (uint8_t slot = 0; slot < 3; ++slot) {
            db.AppendAntennaConfig();
            auto network = std::make_unique<Network>();
            network->antennaIndex = slot;
            db.AppendNetwork(*network);
        }
        for (const uint8_t network : {0, 0, 2}) {
            AddTransponder(network);
        }
        for (const uint16_t transponder : {0, 1, 2, 2}) {
            testdb::Raw<Program>(db).push_back(std::make_unique<Program>(transponder));
        }
        auto group = std::make_unique<FavoriteGroup>();
        group->tvList = {0, 3};
        db.AppendFavoriteGroup(*group);
    }

    void AddTransponder(uint8_t network) {
        auto transponder = std::make_unique<Transponder>();
        transponder->networkIndex = network;
        db.AppendTransponder(*transponder);
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const DamagedReference& damage : FindDamagedReferences(db)) {
            lines.push_back(FormatDamagedReference(damage));
        }
        return lines;
    }
};

TEST_F(IntegrityTest, SoundDatabasesHaveNoFindings) {
    EXPECT_TRUE(FindDamagedReferences(db).empty());
    EXPECT_TRUE(FindDamagedReferences(NetworkDatabase()).empty());

    NetworkDatabase fresh;
    ASSERT_EQ(fresh.NewDefault(), NDF_OK);
    EXPECT_TRUE(FindDamagedReferences(fresh).empty());
}

TEST_F(IntegrityTest, IndicesAtTheEndOfTheirCollectionAreDamaged) {
    db.networks()[1]->antennaIndex = 3;      // one past the last antenna configuration
    db.transponders()[2]->networkIndex = 3;  // one past the last network
    db.programs()[0]->transponderIndex = 3;  // one past the last transponder
    db.favoriteGroups()[0]->radioList = {4}; // one past the last program

    const std::vector<DamagedReference> found = FindDamagedReferences(db);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0],
              (DamagedReference{"networks", 1, "antennaIndex", 3, "there are only 3 antenna configurations"}));
    EXPECT_EQ(found[1], (DamagedReference{"transponders", 2, "networkIndex", 3, "there are only 3 networks"}));
    EXPECT_EQ(found[2], (DamagedReference{"programs", 0, "transponderIndex", 3, "there are only 3 transponders"}));
    EXPECT_EQ(found[3], (DamagedReference{"favoriteGroups", 0, "radioList[0]", 4, "there are only 4 programs"}));
}

TEST_F(IntegrityTest, EveryDamagedFavoriteEntryIsReportedWithItsPosition) {
    db.AppendFavoriteGroup();
    db.favoriteGroups()[1]->tvList = {1, 0xFFFF, 2, 4};
    db.favoriteGroups()[1]->radioList = {3, 9};

    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "favoriteGroups[1].tvList[1] = 65535: there are only 4 programs",
                           "favoriteGroups[1].tvList[3] = 4: there are only 4 programs",
                           "favoriteGroups[1].radioList[1] = 9: there are only 4 programs",
                       }));
}

TEST_F(IntegrityTest, ReferencesIntoEmptyCollections) {
    testdb::Raw<Program>(db).clear();
    testdb::Raw<Transponder>(db).clear();
    testdb::Raw<Program>(db).push_back(std::make_unique<Program>(0));
    db.favoriteGroups()[0]->tvList = {0};
    testdb::Raw<AntennaConfig>(db).erase(testdb::Raw<AntennaConfig>(db).begin() + 1,
                                         testdb::Raw<AntennaConfig>(db).end());
    testdb::Raw<Network>(db).erase(testdb::Raw<Network>(db).begin() + 1, testdb::Raw<Network>(db).end());
    db.networks()[0]->antennaIndex = 1;

    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "networks[0].antennaIndex = 1: there is only 1 antenna configuration",
                           "programs[0].transponderIndex = 0: there are no transponders",
                       }));
}

TEST_F(IntegrityTest, FewerAntennaConfigurationsThanNetworks) {
    testdb::Raw<AntennaConfig>(db).pop_back();
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "networks[2].antennaIndex = 2: there are only 2 antenna configurations",
                           "antennaConfigs.count = 2: fewer than the 3 networks, which take one antenna "
                           "configuration per slot",
                       }));

    // A network may share another slot's configuration; the missing slot is still reported.
    db.networks()[2]->antennaIndex = 0;
    const std::vector<DamagedReference> found = FindDamagedReferences(db);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, "antennaConfigs");
    EXPECT_EQ(found[0].field, "count");
    EXPECT_EQ(found[0].value, 2);

    // More configurations than networks is fine.
    db.AppendAntennaConfig();
    db.AppendAntennaConfig();
    EXPECT_TRUE(FindDamagedReferences(db).empty());
}

TEST_F(IntegrityTest, SplitRunsOfTransponders) {
    // Runs out of network order are sound: [2, 0, 0].
    testdb::Raw<Transponder>(db).clear();
    for (const uint8_t network : {2, 0, 0}) {
        AddTransponder(network);
    }
    EXPECT_TRUE(FindDamagedReferences(db).empty());

    // [2, 0, 0, 2, 1, 0, 0, 2]: network 2 comes back twice, network 0 once; each new run is one finding.
    for (const uint8_t network : {2, 1, 0, 0, 2}) {
        AddTransponder(network);
    }
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "transponders[3].networkIndex = 2: splits the transponders of network 2 in two: its "
                           "first run starts at transponder 0",
                           "transponders[5].networkIndex = 0: splits the transponders of network 0 in two: its "
                           "first run starts at transponder 1",
                           "transponders[7].networkIndex = 2: splits the transponders of network 2 in two: its "
                           "first run starts at transponder 0",
                       }));
}

TEST_F(IntegrityTest, TranspondersOfMissingNetworksAreNotAlsoReportedAsSplit) {
    testdb::Raw<Transponder>(db).clear();
    for (const uint8_t network : {7, 0, 7}) {
        AddTransponder(network);
    }
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "transponders[0].networkIndex = 7: there are only 3 networks",
                           "transponders[2].networkIndex = 7: there are only 3 networks",
                       }));
}

TEST_F(IntegrityTest, MoreThanEightFavoriteGroups) {
    while (db.favoriteGroups().size() < 8) {
        db.AppendFavoriteGroup();
    }
    EXPECT_TRUE(FindDamagedReferences(db).empty());

    db.AppendFavoriteGroup();
    db.favoriteGroups()[8]->tvList = {5};
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "favoriteGroups[8].tvList[0] = 5: there are only 4 programs",
                           "favoriteGroups.count = 9: more than the 8 groups the editor offers",
                       }));
}

} // namespace
