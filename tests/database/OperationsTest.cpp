// Inserting, deleting, moving and sorting records, with every index reference they must keep.
#include "TestDatabases.h"

#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace testdb;

std::vector<uint16_t> TransponderIndices(const NetworkDatabase& db) {
    std::vector<uint16_t> indices;
    for (const auto& program : db.programs())
        indices.push_back(program->transponderIndex);
    return indices;
}

std::vector<uint8_t> NetworkIndices(const NetworkDatabase& db) {
    std::vector<uint8_t> indices;
    for (const auto& transponder : db.transponders())
        indices.push_back(transponder->networkIndex);
    return indices;
}

std::vector<uint16_t> Positions(const NetworkDatabase& db) {
    std::vector<uint16_t> positions;
    for (const auto& network : db.networks())
        positions.push_back(network->position);
    return positions;
}

// ---- insertions ----

TEST(AddTransponder, InsertsAfterTheRunOfItsNetworkAndRenumbersPrograms) {
    NetworkDatabase db;
    for (uint8_t net : {0, 0, 3, 1})
        AddTransponder(db, net);
    for (uint16_t tp : {0, 1, 2, 3, 3})
        AddProgram(db, tp);

    Transponder* added = db.AddTransponder(0, NO_INDEX);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(db.transponders()[2].get(), added);
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{0, 0, 0, 3, 1}));
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{0, 1, 3, 4, 4}));
    EXPECT_EQ(added->frequency, 0);
    EXPECT_EQ(added->symbolRate, 0);
    EXPECT_EQ(added->gmtError, GMT_UNSET);
    EXPECT_EQ(added->name, "");

    // A network without transponders gets its first one at the end.
    added = db.AddTransponder(2, NO_INDEX);
    EXPECT_EQ(db.transponders().back().get(), added);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{0, 1, 3, 4, 4}));

    // A position is taken as given, even inside another network's run.
    added = db.AddTransponder(1, 1);
    EXPECT_EQ(db.transponders()[1].get(), added);
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{0, 1, 0, 0, 3, 1, 2}));
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{0, 2, 4, 5, 5}));

    // A position past the end falls back to the network's run.
    added = db.AddTransponder(3, 500);
    EXPECT_EQ(db.transponders()[5].get(), added);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{0, 2, 4, 6, 6}));
}

TEST(AddTransponder, ProgramWithoutTransponderStaysWithout) {
    NetworkDatabase db;
    AddTransponder(db, 0);
    AddProgram(db, NO_INDEX);
    AddProgram(db, 0xFFFE); // damaged, but must not wrap either
    db.AddTransponder(0, 0);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{NO_INDEX, NO_INDEX}));
}

TEST(InsertTransponder, PlacesWithoutTouchingPrograms) {
    NetworkDatabase db;
    for (uint8_t net : {1, 1, 2})
        AddTransponder(db, net);
    AddProgram(db, 2);
    auto transponder = std::make_unique<Transponder>();
    transponder->networkIndex = 1;
    EXPECT_EQ(db.InsertTransponder(std::move(transponder), NO_INDEX), 2u);
    EXPECT_EQ(db.InsertTransponder(std::make_unique<Transponder>(), 0), 0u);
    EXPECT_EQ(db.InsertTransponder(nullptr, 0), NO_INDEX);
    EXPECT_EQ(db.transponders().size(), 5u);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{2}));
}

TEST(AddTransponder, FullCollectionRefusesAndChangesNothing) {
    struct Counter : ChangeListener {
        int edits = 0;
        void OnChanged(const DatabaseEdit&, ChangeDirection) override { ++edits; }
    } counter;
    NetworkDatabase db;
    testdb::Raw<Transponder>(db).resize(0xFFFF);
    for (auto& transponder : testdb::Raw<Transponder>(db))
        transponder = std::make_unique<Transponder>();
    AddProgram(db, 3);
    const std::vector<Transponder*> ends = {db.transponders().front().get(), db.transponders().back().get()};
    db.AddChangeListener(&counter);
    // The record made for the insertion is freed when it is refused: null, never a pointer to it.
    for (uint16_t position : {uint16_t{0}, NO_INDEX})
        EXPECT_EQ(db.AddTransponder(0, position), nullptr);
    EXPECT_EQ(db.InsertTransponder(std::make_unique<Transponder>(), 0), NO_INDEX);
    EXPECT_EQ(db.transponders().size(), 0xFFFFu);
    EXPECT_EQ(ends, (std::vector<Transponder*>{db.transponders().front().get(), db.transponders().back().get()}));
    EXPECT_EQ(db.programs()[0]->transponderIndex, 3);
    EXPECT_EQ(counter.edits, 0);
}

TEST(AddProgram, PositionedInsertRenumbersFavoritesAppendDoesNot) {
    NetworkDatabase db;
    for (int i = 0; i < 5; ++i)
        AddProgram(db, 0);
    AddGroup(db, {1, 2, 4}, {0, 3});
    AddGroup(db, {}, {4, NO_INDEX});

    Program* added = db.AddProgram(7, 2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(db.programs()[2].get(), added);
    EXPECT_EQ(added->transponderIndex, 7);
    EXPECT_EQ(added->pmtPid, PID_NONE);
    EXPECT_EQ(added->pcrPid, PID_NONE);
    EXPECT_EQ(added->serviceId, 0);
    EXPECT_EQ(added->name, "");
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 3, 5}));
    EXPECT_EQ(db.favoriteGroups()[0]->radioList, (std::vector<uint16_t>{0, 4}));
    EXPECT_EQ(db.favoriteGroups()[1]->radioList, (std::vector<uint16_t>{5, NO_INDEX}));

    added = db.AddProgram(1, NO_INDEX);
    EXPECT_EQ(db.programs().back().get(), added);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 3, 5}));

    // A position past the end appends, and entries past the programs still follow their index.
    db.favoriteGroups()[1]->tvList = {6, 7, 9};
    db.AddProgram(1, 300);
    EXPECT_EQ(db.programs().size(), 8u);
    EXPECT_EQ(db.favoriteGroups()[1]->tvList, (std::vector<uint16_t>{6, 8, 10}));
}

TEST(AddProgram, FullCollectionRefuses) {
    NetworkDatabase db;
    testdb::Raw<Program>(db).resize(0xFFFF);
    for (auto& program : testdb::Raw<Program>(db))
        program = std::make_unique<Program>();
    AddGroup(db, {0});
    EXPECT_EQ(db.AddProgram(0, 0), nullptr);
    EXPECT_EQ(db.programs().size(), 0xFFFFu);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0}));
}

// ---- deletions ----

TEST(DeleteProgram, DropsItsFavoriteEntriesAndRenumbersTheRest) {
    NetworkDatabase db;
    for (int i = 0; i < 5; ++i)
        AddProgram(db, 0);
    AddGroup(db, {1, 2, 4}, {2, 2, 3});
    const TreeItemHandle third = db.programs()[3]->treeItem;
    db.DeleteProgram(2);
    EXPECT_EQ(db.programs().size(), 4u);
    EXPECT_EQ(db.programs()[2]->treeItem, third);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 3}));
    EXPECT_EQ(db.favoriteGroups()[0]->radioList, (std::vector<uint16_t>{2}));
    db.DeleteProgram(4); // no such program
    EXPECT_EQ(db.programs().size(), 4u);
}

TEST(DeleteTransponder, TakesItsProgramsAlong) {
    NetworkDatabase db;
    for (uint8_t net : {0, 0, 1})
        AddTransponder(db, net);
    for (uint16_t tp : {0, 1, 1, 2})
        AddProgram(db, tp);
    AddGroup(db, {3, 0}, {1, 2});
    db.DeleteTransponder(1);
    EXPECT_EQ(db.transponders().size(), 2u);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{0, 1}));
    EXPECT_EQ(db.programs()[1]->name, "P3");
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 0}));
    EXPECT_TRUE(db.favoriteGroups()[0]->radioList.empty());
}

// The deletions as one deletion after another, on plain copies of the records.
struct Literal {
    std::vector<Transponder> transponders;
    std::vector<Program> programs;
    std::vector<FavoriteGroup> groups;

    explicit Literal(const NetworkDatabase& db) {
        for (const auto& t : db.transponders())
            transponders.push_back(*t);
        for (const auto& p : db.programs())
            programs.push_back(*p);
        for (const auto& g : db.favoriteGroups())
            groups.push_back(*g);
    }

    void DeleteProgram(size_t k) {
        programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(k));
        for (auto& group : groups) {
            for (auto* list : {&group.tvList, &group.radioList}) {
                std::vector<uint16_t> kept;
                for (uint16_t entry : *list) {
                    if (entry != k)
                        kept.push_back(entry > k ? static_cast<uint16_t>(entry - 1) : entry);
                }
                *list = kept;
            }
        }
    }
    void DeleteTransponder(size_t k) {
        transponders.erase(transponders.begin() + static_cast<std::ptrdiff_t>(k));
        for (size_t i = 0; i < programs.size();) {
            if (programs[i].transponderIndex > k) {
                --programs[i].transponderIndex;
                ++i;
            } else if (programs[i].transponderIndex == k) {
                DeleteProgram(i);
            } else {
                ++i;
            }
        }
    }
    void DeleteProgramsInTransponder(uint16_t t) {
        for (size_t i = 0; i < programs.size();) {
            if (programs[i].transponderIndex == t)
                DeleteProgram(i);
            else
                ++i;
        }
    }
    void DeleteProgramsInNetwork(uint8_t n) {
        for (size_t i = 0; i < programs.size();) {
            const size_t t = programs[i].transponderIndex;
            if (t < transponders.size() && transponders[t].networkIndex == n)
                DeleteProgram(i);
            else
                ++i;
        }
    }
    void DeleteTranspondersInNetwork(uint8_t n) {
        for (size_t i = 0; i < transponders.size();) {
            if (transponders[i].networkIndex == n)
                DeleteTransponder(i);
            else
                ++i;
        }
    }

    void ExpectSameAs(const NetworkDatabase& db, const std::string& what) const {
        EXPECT_EQ(ShowAll(db.transponders()), ShowAll(transponders)) << what;
        EXPECT_EQ(ShowAll(db.programs()), ShowAll(programs)) << what;
        EXPECT_EQ(ShowAll(db.favoriteGroups()), ShowAll(groups)) << what;
    }
};

TEST(BatchDeletes, GiveTheResultsOfDeletingOneByOne) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        NetworkDatabase original;
        FillRandom(original, seed);
        const size_t networks = original.networks().size();
        const size_t transponders = original.transponders().size();
        for (size_t n = 0; n < networks + 2; ++n) {
            const std::string what = "seed " + std::to_string(seed) + " network " + std::to_string(n);
            NetworkDatabase db;
            FillRandom(db, seed);
            Literal expected(db);
            db.DeleteTranspondersInNetwork(static_cast<uint8_t>(n));
            expected.DeleteTranspondersInNetwork(static_cast<uint8_t>(n));
            expected.ExpectSameAs(db, "transponders in " + what);

            FillRandom(db, seed);
            expected = Literal(db);
            db.DeleteProgramsInNetwork(static_cast<uint8_t>(n));
            expected.DeleteProgramsInNetwork(static_cast<uint8_t>(n));
            expected.ExpectSameAs(db, "programs in " + what);
        }
        for (size_t t = 0; t < transponders + 2; ++t) {
            const std::string what = "seed " + std::to_string(seed) + " transponder " + std::to_string(t);
            NetworkDatabase db;
            FillRandom(db, seed);
            Literal expected(db);
            db.DeleteProgramsInTransponder(static_cast<uint16_t>(t));
            expected.DeleteProgramsInTransponder(static_cast<uint16_t>(t));
            expected.ExpectSameAs(db, "programs in " + what);

            if (t < transponders) {
                FillRandom(db, seed);
                expected = Literal(db);
                db.DeleteTransponder(t);
                expected.DeleteTransponder(t);
                expected.ExpectSameAs(db, "delete " + what);
            }
        }
        NetworkDatabase db;
        FillRandom(db, seed);
        Literal expected(db);
        db.DeleteProgramsInTransponder(NO_INDEX);
        expected.DeleteProgramsInTransponder(NO_INDEX);
        expected.ExpectSameAs(db, "programs without transponder, seed " + std::to_string(seed));
        if (HasFailure())
            return;
    }
}

TEST(BatchDeletes, KeepNetworksAndTranspondersThatAreNotNamed) {
    NetworkDatabase db;
    for (int i = 0; i < 3; ++i)
        AddNetwork(db, "N", 0);
    for (uint8_t net : {0, 1, 0, 2})
        AddTransponder(db, net);
    for (uint16_t tp : {0, 1, 2, 3, 2})
        AddProgram(db, tp);
    AddGroup(db, {4, 1, 0});

    db.DeleteProgramsInNetwork(0);
    EXPECT_EQ(db.networks().size(), 3u);
    EXPECT_EQ(db.transponders().size(), 4u);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{1, 3}));
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0}));

    db.DeleteTranspondersInNetwork(1);
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{0, 0, 2}));
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{2}));
    EXPECT_TRUE(db.favoriteGroups()[0]->tvList.empty());

    db.DeleteProgramsInTransponder(2);
    EXPECT_TRUE(db.programs().empty());
    EXPECT_EQ(db.transponders().size(), 3u);
}

// ---- radio flag ----

TEST(SetProgramRadio, MovesTheFirstOccurrenceToTheOtherList) {
    NetworkDatabase db;
    AddGroup(db, {3, 5, 3}, {1});
    AddGroup(db, {}, {5});
    db.SetProgramRadio(false, 3);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{5, 3}));
    EXPECT_EQ(db.favoriteGroups()[0]->radioList, (std::vector<uint16_t>{1, 3}));
    db.SetProgramRadio(true, 5);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{5, 3}));
    EXPECT_EQ(db.favoriteGroups()[1]->tvList, (std::vector<uint16_t>{5}));
    EXPECT_TRUE(db.favoriteGroups()[1]->radioList.empty());
}

// ---- moving and sorting networks ----

NetworkDatabase SlotsDatabase(size_t slots) {
    NetworkDatabase db;
    for (size_t i = 0; i < slots; ++i) {
        AddAntenna(db).lnbFreq = static_cast<uint16_t>(i);
        AddNetwork(db, "S" + std::to_string(i), static_cast<uint16_t>(10 * i + 1));
    }
    return db;
}

std::vector<uint16_t> AntennaTags(const NetworkDatabase& db) {
    std::vector<uint16_t> tags;
    for (const auto& antenna : db.antennaConfigs())
        tags.push_back(antenna->lnbFreq);
    return tags;
}

TEST(MoveNetwork, CarriesItsAntennaAndRenumbersTransponders) {
    NetworkDatabase db = SlotsDatabase(8);
    for (uint8_t net = 0; net < 8; ++net)
        AddTransponder(db, net);
    AddTransponder(db, 200); // no such network: left alone
    db.MoveNetwork(db.networks()[5].get(), db.networks()[2].get());
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{0, 1, 3, 4, 5, 2, 6, 7, 200}));
    EXPECT_EQ(AntennaTags(db), (std::vector<uint16_t>{0, 1, 5, 2, 3, 4, 6, 7}));
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{1, 11, 51, 21, 31, 41, 61, 71}));
    for (size_t s = 0; s < 8; ++s)
        EXPECT_EQ(db.networks()[s]->antennaIndex, s);

    db.MoveNetwork(db.networks()[2].get(), db.networks()[5].get()); // and back
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 200}));
    EXPECT_EQ(AntennaTags(db), (std::vector<uint16_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(MoveNetwork, OnlyTheMovedSlotsTakeTheirSlotAsAntennaIndex) {
    NetworkDatabase db = SlotsDatabase(5);
    for (auto& network : db.networks())
        network->antennaIndex = 99;
    db.MoveNetwork(db.networks()[1].get(), db.networks()[3].get());
    std::vector<int> indices;
    for (const auto& network : db.networks())
        indices.push_back(network->antennaIndex);
    EXPECT_EQ(indices, (std::vector<int>{99, 1, 2, 3, 99}));
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{1, 21, 31, 11, 41}));
}

TEST(MoveNetwork, RefusesWhatItCannotMoveSafely) {
    NetworkDatabase db = SlotsDatabase(6);
    testdb::Raw<AntennaConfig>(db).resize(3);
    AddTransponder(db, 4);
    const Picture before = Take(db);
    db.MoveNetwork(db.networks()[4].get(), db.networks()[1].get()); // slot 4 has no antenna configuration
    Network stranger;
    db.MoveNetwork(&stranger, db.networks()[0].get());
    db.MoveNetwork(db.networks()[0].get(), nullptr);
    EXPECT_EQ(Take(db), before);
    db.MoveNetwork(db.networks()[2].get(), db.networks()[0].get()); // within the configurations: fine
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{21, 1, 11, 31, 41, 51}));
    EXPECT_EQ(AntennaTags(db), (std::vector<uint16_t>{2, 0, 1}));
}

NetworkDatabase PositionsDatabase(const std::vector<std::pair<uint16_t, std::string>>& networks) {
    NetworkDatabase db;
    for (const auto& [position, name] : networks) {
        AddAntenna(db).lnbFreq = position;
        AddNetwork(db, name, position);
    }
    return db;
}

TEST(SortByDegree, OrdersFromTheWestAndLeavesEmptySlotsBehind) {
    NetworkDatabase db = PositionsDatabase({{192, "A"}, {130, "B"}, {3408, "C"}, {0, ""}, {282, "D"}});
    for (uint8_t net = 0; net < 5; ++net)
        AddTransponder(db, net, static_cast<uint16_t>(11000 + net));
    EXPECT_TRUE(db.SortByDegree(1800));
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{3408, 130, 192, 0, 282}));
    EXPECT_EQ(AntennaTags(db), (std::vector<uint16_t>{3408, 130, 192, 0, 282}));
    for (size_t s = 0; s < 5; ++s)
        EXPECT_EQ(db.networks()[s]->antennaIndex, s) << s;
    // Each transponder still names its own network.
    for (const auto& transponder : db.transponders())
        EXPECT_EQ(db.networks()[transponder->networkIndex]->treeItem, Tag(1000 + transponder->frequency - 11000));
    EXPECT_FALSE(db.SortByDegree(1800));
}

TEST(SortByDegree, KeysRotateByTheOffsetAndTheSortIsStable) {
    NetworkDatabase db = PositionsDatabase(
        {{0, "Named"}, {3000, "W1"}, {0, "-spare"}, {100, "E1"}, {3000, "W2"}, {0, " blank"}, {1800, "X"}});
    EXPECT_TRUE(db.SortByDegree(1800));
    std::vector<std::string> names;
    for (const auto& network : db.networks())
        names.push_back(network->name);
    // Keys: Named 1800, W1 1200, E1 1900, W2 1200, X 0. The two empty slots are never chosen;
    // each moves up one slot whenever a network from behind it is placed in front of it.
    EXPECT_EQ(names, (std::vector<std::string>{"X", "W1", "W2", "Named", "-spare", "E1", " blank"}));

    db = PositionsDatabase({{3599, "A"}, {1, "B"}});
    EXPECT_FALSE(db.SortByDegree(1)); // 3599 + 1 wraps to key 0
    EXPECT_TRUE(db.SortByDegree(0));
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{1, 3599}));
}

TEST(SortByDegree, NetworksItDoesNotMoveKeepTheirAntennaIndex) {
    NetworkDatabase db = PositionsDatabase({{100, "A"}, {300, "B"}, {200, "C"}, {0, ""}, {400, "D"}});
    for (auto& network : db.networks())
        network->antennaIndex = 99;
    EXPECT_TRUE(db.SortByDegree(0)); // only C and B trade places
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{100, 200, 300, 0, 400}));
    std::vector<int> indices;
    for (const auto& network : db.networks())
        indices.push_back(network->antennaIndex);
    EXPECT_EQ(indices, (std::vector<int>{99, 1, 2, 99, 99}));
}

TEST(SortByDegree, RefusesWithoutAnAntennaConfigurationPerSlot) {
    NetworkDatabase db = PositionsDatabase({{300, "A"}, {200, "B"}, {100, "C"}});
    testdb::Raw<AntennaConfig>(db).pop_back();
    AddTransponder(db, 2);
    const Picture before = Take(db);
    EXPECT_FALSE(db.SortByDegree(0));
    EXPECT_EQ(Take(db), before);

    NetworkDatabase big = SlotsDatabase(256);
    std::reverse(testdb::Raw<Network>(big).begin(), testdb::Raw<Network>(big).end());
    const Picture bigBefore = Take(big);
    EXPECT_FALSE(big.SortByDegree(0));
    EXPECT_EQ(Take(big), bigBefore);
}

TEST(SortByDegree, ToleratesDamagedReferences) {
    NetworkDatabase db = PositionsDatabase({{300, "A"}, {200, "B"}, {100, "C"}});
    db.AppendAntennaConfig(); // more configurations than networks
    db.networks()[0]->antennaIndex = 250;
    AddTransponder(db, 7);
    AddTransponder(db, 0);
    EXPECT_TRUE(db.SortByDegree(0));
    EXPECT_EQ(Positions(db), (std::vector<uint16_t>{100, 200, 300}));
    EXPECT_EQ(NetworkIndices(db), (std::vector<uint8_t>{7, 2}));
    EXPECT_EQ(db.networks()[2]->antennaIndex, 2);
    EXPECT_EQ(db.antennaConfigs().size(), 4u);
}

// ---- damaged databases ----

TEST(DamagedDatabase, EveryOperationStaysInsideItsCollections) {
    for (uint32_t seed = 500; seed < 560; ++seed) {
        NetworkDatabase db;
        FillRandom(db, seed);
        testdb::Raw<AntennaConfig>(db).resize(testdb::Raw<AntennaConfig>(db).size() / 2);
        for (auto& network : db.networks())
            network->antennaIndex = static_cast<uint8_t>(network->antennaIndex * 40);

        EXPECT_LE(db.EndTransponderOf(9), db.transponders().size());
        db.AddTransponder(static_cast<uint8_t>(seed % 9), static_cast<uint16_t>(seed % 5));
        db.AddProgram(0xFFF0, static_cast<uint16_t>(seed % 7));
        db.SetProgramRadio(seed % 2 == 0, static_cast<uint16_t>(seed % 40));
        db.SortByDegree(1800);
        if (db.networks().size() > 1)
            db.MoveNetwork(db.networks().back().get(), db.networks().front().get());
        db.DeleteProgramsInNetwork(static_cast<uint8_t>(seed % 8));
        db.DeleteProgramsInTransponder(static_cast<uint16_t>(seed % 15));
        db.DeleteTranspondersInNetwork(static_cast<uint8_t>(seed % 7));
        db.DeleteTransponder(seed % 4);
        db.DeleteProgram(seed % 6);

        // The damaged references travel through the file as they are. (A file without favorite
        // groups loads with the default ones, so there is at least one here.)
        if (db.favoriteGroups().empty())
            AddGroup(db, {});
        std::vector<uint8_t> image;
        db.keepStamp = true;
        ASSERT_GT(db.Serialize(image), 0u) << "seed " << seed;
        NetworkDatabase back;
        ASSERT_EQ(back.Parse(image), NDF_OK);
        back.keepStamp = true;
        std::vector<uint8_t> again;
        back.Serialize(again);
        EXPECT_EQ(again, image) << "seed " << seed;
    }
}

TEST(DamagedDatabase, ReferencesPastTheirCollectionFollowTheShifts) {
    NetworkDatabase db;
    AddTransponder(db, 0);
    AddTransponder(db, 0);
    AddProgram(db, 0);
    AddProgram(db, 40); // no such transponder
    AddGroup(db, {0, 1, 30}, {NO_INDEX});
    for (int i = 0; i < 11; ++i)
        AddGroup(db, {30});

    db.DeleteTransponder(0);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{39}));
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0, 29}));
    EXPECT_EQ(db.favoriteGroups()[0]->radioList, (std::vector<uint16_t>{NO_INDEX - 1}));
    EXPECT_EQ(db.favoriteGroups()[11]->tvList, (std::vector<uint16_t>{29}));

    db.AddTransponder(0, 0);
    EXPECT_EQ(TransponderIndices(db), (std::vector<uint16_t>{40}));
    db.AddProgram(0, 0);
    EXPECT_EQ(db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 30}));
    EXPECT_EQ(db.favoriteGroups()[0]->radioList, (std::vector<uint16_t>{NO_INDEX}));
}

// ---- new and cleared databases ----

TEST(NewDefault, SixtyFourSlotsAndFormatFlagsFour) {
    NetworkDatabase db;
    AddTransponder(db, 0);
    AddGroup(db, {});
    db.pathName = "old.ndf";
    db.keepStamp = true;
    db.version = 1;
    db.stampYear = 0x84;
    EXPECT_EQ(db.NewDefault(), NDF_OK);
    ASSERT_EQ(db.networks().size(), 64u);
    ASSERT_EQ(db.antennaConfigs().size(), 64u);
    EXPECT_TRUE(db.transponders().empty());
    EXPECT_TRUE(db.favoriteGroups().empty());
    EXPECT_EQ(db.formatFlags, NDF_FLAG_PROG_CA);
    EXPECT_FALSE(db.keepStamp);
    EXPECT_EQ(db.pathName, "");
    EXPECT_EQ(db.stampYear, 0x84);
    for (size_t s = 0; s < 64; ++s) {
        EXPECT_EQ(db.networks()[s]->antennaIndex, s);
        EXPECT_EQ(Show(*db.networks()[s]), Show(Network{"", 0, 0, static_cast<uint8_t>(s), 106, 33, nullptr}));
        EXPECT_EQ(Show(*db.antennaConfigs()[s]), "0 3 0 65 0 0");
    }
    std::vector<uint8_t> image;
    ASSERT_GT(db.Serialize(image), 0u);
    NetworkDatabase back;
    ASSERT_EQ(back.Parse(image), NDF_OK);
    EXPECT_EQ(back.networks().size(), 64u);
    EXPECT_EQ(back.antennaConfigs().size(), 64u);
    ASSERT_EQ(back.favoriteGroups().size(), 8u);
    EXPECT_EQ(back.favoriteGroups().front()->name, "News");
    EXPECT_EQ(back.favoriteGroups().back()->name, "Info");
}

TEST(Lookups, IndicesAndRunsOfTransponders) {
    NetworkDatabase db = SlotsDatabase(3);
    for (uint8_t net : {2, 2, 0, 2})
        AddTransponder(db, net);
    AddProgram(db, 0);
    EXPECT_EQ(db.IndexOfNetwork(db.networks()[2].get()), 2);
    EXPECT_EQ(db.IndexOfNetwork(nullptr), NO_NETWORK);
    EXPECT_EQ(db.IndexOfTransponder(db.transponders()[3].get()), 3);
    EXPECT_EQ(db.IndexOfTransponder(nullptr), NO_INDEX);
    EXPECT_EQ(db.IndexOfProgram(db.programs()[0].get()), 0);
    Program stranger;
    EXPECT_EQ(db.IndexOfProgram(&stranger), NO_INDEX);
    EXPECT_EQ(db.FirstTransponderOf(2), 0u);
    EXPECT_EQ(db.EndTransponderOf(2), 2u); // the first run only
    EXPECT_EQ(db.FirstTransponderOf(0), 2u);
    EXPECT_EQ(db.EndTransponderOf(0), 3u);
    EXPECT_EQ(db.FirstTransponderOf(1), 4u);
    EXPECT_EQ(db.EndTransponderOf(1), 4u);

    db.stampYear = 0x84;
    db.formatFlags = 7;
    db.pathName = "a.ndf";
    db.loadedPathName = "a.ndf";
    db.keepStamp = true;
    db.Clear();
    EXPECT_TRUE(db.networks().empty() && db.antennaConfigs().empty() && db.transponders().empty() &&
                db.programs().empty());
    EXPECT_EQ(db.pathName, "");
    EXPECT_FALSE(db.keepStamp);
    EXPECT_EQ(db.stampYear, 0x84);
    EXPECT_EQ(db.formatFlags, 7u);
    EXPECT_EQ(db.loadedPathName, "a.ndf");
}

} // namespace
