// Every operation that changes a database announces one edit, and the edit takes the change back
// exactly and makes it again: checked on random databases with damaged references.
#include "TestDatabases.h"

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace testdb;

namespace {

class Recorder : public ChangeListener {
public:
    std::unique_ptr<DatabaseEdit> Keep(std::unique_ptr<DatabaseEdit> edit) override {
        edits.push_back(std::move(edit));
        return nullptr;
    }
    std::vector<std::unique_ptr<DatabaseEdit>> edits;
};

// The records by address too: undo and redo put the same records back.
std::vector<const void*> Addresses(const NetworkDatabase& db) {
    std::vector<const void*> all;
    for (const auto& r : db.antennaConfigs())
        all.push_back(r.get());
    for (const auto& r : db.networks())
        all.push_back(r.get());
    for (const auto& r : db.transponders())
        all.push_back(r.get());
    for (const auto& r : db.programs())
        all.push_back(r.get());
    for (const auto& r : db.favoriteGroups())
        all.push_back(r.get());
    return all;
}

struct Operation {
    const char* name;
    std::function<void(NetworkDatabase&)> run;
};

size_t Half(size_t n) {
    return n / 2;
}

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"AddTransponder at a place",
         [](NetworkDatabase& db) { db.AddTransponder(0, static_cast<uint16_t>(Half(db.transponders().size()))); }},
        {"AddTransponder after its run", [](NetworkDatabase& db) { db.AddTransponder(1, NO_INDEX); }},
        {"InsertTransponders",
         [](NetworkDatabase& db) {
             db.InsertTransponders(Half(db.transponders().size()), std::vector<Transponder>(3));
         }},
        {"AddProgram at a place",
         [](NetworkDatabase& db) { db.AddProgram(0, static_cast<uint16_t>(Half(db.programs().size()))); }},
        {"AddProgram at the end", [](NetworkDatabase& db) { db.AddProgram(1, NO_INDEX); }},
        {"DeleteProgram", [](NetworkDatabase& db) { db.DeleteProgram(Half(db.programs().size())); }},
        {"DeletePrograms",
         [](NetworkDatabase& db) {
             db.DeletePrograms({7, 0, 3, 3, 99, 12});
         }},
        {"DeleteTransponder", [](NetworkDatabase& db) { db.DeleteTransponder(Half(db.transponders().size())); }},
        {"DeleteTransponders",
         [](NetworkDatabase& db) {
             db.DeleteTransponders({5, 1, 2, 40});
         }},
        {"DeleteProgramsInTransponder", [](NetworkDatabase& db) { db.DeleteProgramsInTransponder(1); }},
        {"DeleteProgramsInNetwork", [](NetworkDatabase& db) { db.DeleteProgramsInNetwork(0); }},
        {"DeleteTranspondersInNetwork", [](NetworkDatabase& db) { db.DeleteTranspondersInNetwork(1); }},
        {"ReorderPrograms",
         [](NetworkDatabase& db) {
             // Reversed, with the first program kept in front.
             std::vector<uint32_t> order(db.programs().size());
             for (size_t j = 0; j < order.size(); ++j)
                 order[j] = static_cast<uint32_t>(j == 0 ? 0 : order.size() - j);
             db.ReorderPrograms(order);
         }},
        {"SetProgramRadio", [](NetworkDatabase& db) { db.SetProgramRadio(false, 1); }},
        {"MoveNetwork",
         [](NetworkDatabase& db) {
             if (db.networks().size() > 2)
                 db.MoveNetwork(db.networks().back().get(), db.networks()[1].get());
         }},
        {"SortByDegree", [](NetworkDatabase& db) { db.SortByDegree(1800); }},
        {"SetProgram",
         [](NetworkDatabase& db) {
             if (!db.programs().empty()) {
                 Program value = *db.programs()[0];
                 value.name = "changed";
                 value.audioPids.Append(0x123, 2);
                 db.SetProgram(0, value);
             }
         }},
        {"SetProgramAttributes set and clear",
         [](NetworkDatabase& db) {
             db.SetProgramAttributes({3, 0, 3, 9, 70000}, PA_LOCK | PA_SKIP, true);
             db.SetProgramAttributes({0, 1, 2}, PA_SKIP, false);
         }},
        {"SetTransponder",
         [](NetworkDatabase& db) {
             if (!db.transponders().empty()) {
                 Transponder value = *db.transponders()[0];
                 value.frequency = 12345;
                 db.SetTransponder(0, value);
             }
         }},
        {"SetNetwork and SetAntennaConfig",
         [](NetworkDatabase& db) {
             Network network = *db.networks()[0];
             network.position = 1234;
             db.SetNetwork(0, network);
             AntennaConfig config = *db.antennaConfigs()[0];
             config.lnbFreq = 9999;
             db.SetAntennaConfig(0, config);
         }},
        {"SetFavoriteGroup",
         [](NetworkDatabase& db) {
             if (!db.favoriteGroups().empty())
                 db.SetFavoriteGroup(0, FavoriteGroup{"renamed", {1, 2}, {}});
         }},
        {"SetFavoriteGroups",
         [](NetworkDatabase& db) {
             db.SetFavoriteGroups({FavoriteGroup{"only", {0}, {1}}});
         }},
        {"ApplyOrder from another database",
         [](NetworkDatabase& db) {
             NetworkDatabase reference;
             FillRandom(reference, static_cast<uint32_t>(db.programs().size()));
             ApplyOrder(db, PlanApplyOrder(reference, db), ApplyOrderOptions{true, true, true, true});
         }},
        {"ApplyCleanUp with every rule",
         [](NetworkDatabase& db) {
             CleanUpOptions all;
             all.on[CLEAN_EMPTY_TRANSPONDERS] = true;
             ApplyCleanUp(db, FindCleanUp(db, all));
         }},
        {"EnsureAntennaConfig", [](NetworkDatabase& db) { db.EnsureAntennaConfig(9); }},
        {"stamp and keepStamp",
         [](NetworkDatabase& db) {
             db.SetStampVersion("C017");
             db.SetStampDate(CalendarDate{2011, 3, 4});
             db.SetKeepStamp(!db.keepStamp);
         }},
        {"appends",
         [](NetworkDatabase& db) {
             db.AppendAntennaConfig();
             db.AppendNetwork();
             db.AppendTransponder();
             db.AppendProgram();
             db.AppendFavoriteGroup();
         }},
    };
    return operations;
}

class EditTest : public ::testing::TestWithParam<size_t> {};

// A listener besides the keeper: what it heard, and the database as each announcement found it.
class Follower : public ChangeListener {
public:
    explicit Follower(const NetworkDatabase& db) : db_(db) {}
    void OnChanged(const DatabaseEdit& edit, ChangeDirection direction) override {
        heard.emplace_back(&edit, direction);
        last = Take(db_);
    }
    std::vector<std::pair<const DatabaseEdit*, ChangeDirection>> heard;
    Picture last;

private:
    const NetworkDatabase& db_;
};

TEST_P(EditTest, UndoRestoresTheDatabaseAndRedoMakesTheChangeAgain) {
    const Operation& operation = Operations()[GetParam()];
    for (uint32_t seed = 0; seed < 60; ++seed) {
        SCOPED_TRACE(std::string(operation.name) + ", seed " + std::to_string(seed));
        NetworkDatabase db;
        FillRandom(db, seed);
        Recorder recorder;
        Follower follower(db);
        db.AddChangeListener(&recorder);
        db.AddChangeListener(&follower);
        const Picture before = Take(db);
        const std::vector<const void*> addressesBefore = Addresses(db);
        operation.run(db);
        const Picture after = Take(db);
        const std::vector<const void*> addressesAfter = Addresses(db);
        if (!(before == after)) {
            ASSERT_FALSE(recorder.edits.empty()) << "a change was not announced";
        }
        // Every listener hears every kept edit, in order, once the database is in its new state.
        std::vector<std::pair<const DatabaseEdit*, ChangeDirection>> made;
        for (const auto& edit : recorder.edits)
            made.emplace_back(edit.get(), ChangeDirection::MADE);
        ASSERT_EQ(follower.heard, made);
        if (!made.empty()) {
            EXPECT_EQ(follower.last, after);
        }

        for (int round = 0; round < 2; ++round) {
            follower.heard.clear();
            for (auto edit = recorder.edits.rbegin(); edit != recorder.edits.rend(); ++edit)
                db.UndoEdit(**edit);
            ASSERT_EQ(Take(db), before);
            ASSERT_EQ(Addresses(db), addressesBefore);
            ASSERT_EQ(follower.heard.size(), recorder.edits.size());
            if (!made.empty()) {
                EXPECT_EQ(follower.heard.front(), std::make_pair(made.back().first, ChangeDirection::UNDONE));
                EXPECT_EQ(follower.last, before);
            }
            for (auto& edit : recorder.edits)
                db.RedoEdit(*edit);
            ASSERT_EQ(Take(db), after);
            ASSERT_EQ(Addresses(db), addressesAfter);
            if (!made.empty()) {
                EXPECT_EQ(follower.heard.back(), std::make_pair(made.back().first, ChangeDirection::REDONE));
                EXPECT_EQ(follower.last, after);
            }
        }
        for (const auto& edit : recorder.edits)
            EXPECT_GT(edit->Bytes(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, EditTest, ::testing::Range<size_t>(0, Operations().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = Operations()[info.param].name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

TEST(EditTest, DamagedReferencesNearNoIndexComeBackExactly) {
    NetworkDatabase db;
    AddAntenna(db);
    AddNetwork(db, "N", 192);
    AddTransponder(db, 0);
    AddTransponder(db, 0);
    AddProgram(db, 0xFFFE);
    AddProgram(db, 0xFFFD);
    AddProgram(db, NO_INDEX);
    AddProgram(db, 1);
    AddGroup(db, {0xFFFE, 0xFFFD, NO_INDEX, 3}, {});
    Recorder recorder;
    db.AddChangeListener(&recorder);
    const Picture before = Take(db);
    db.InsertTransponders(1, std::vector<Transponder>(2)); // 0xFFFD and 0xFFFE both clamp at 0xFFFF
    db.AddProgram(0, 0);                                   // 0xFFFE moves onto NO_INDEX
    EXPECT_EQ(db.programs()[1]->transponderIndex, NO_INDEX);
    EXPECT_EQ(db.programs()[2]->transponderIndex, NO_INDEX);
    for (auto edit = recorder.edits.rbegin(); edit != recorder.edits.rend(); ++edit)
        (*edit)->Undo(db);
    EXPECT_EQ(Take(db), before);
}

TEST(EditTest, NothingIsRecordedWithoutAChangeOrWithoutAListener) {
    NetworkDatabase db;
    FillRandom(db, 7);
    Recorder recorder;
    db.AddChangeListener(&recorder);
    db.DeletePrograms({});
    db.DeleteProgramsInNetwork(200);
    db.SetKeepStamp(db.keepStamp);
    EXPECT_FALSE(db.ReorderPrograms({0})); // no permutation of the programs
    db.SetProgramAttributes({0, 1}, PA_LOCK, false);
    db.SetProgramAttributes({0, 1}, PA_LOCK, true);
    recorder.edits.clear();
    EXPECT_FALSE(db.SetProgramAttributes({1, 0, 1, 70000}, PA_LOCK, true)); // every one has it already
    EXPECT_TRUE(recorder.edits.empty());
    EXPECT_TRUE(recorder.edits.empty());

    // Saving stamps today's date, which is no change of the user's.
    db.keepStamp = false;
    std::vector<uint8_t> image;
    db.Serialize(image);
    EXPECT_TRUE(recorder.edits.empty());

    // A database moved into another keeps neither's listener mix-up: the target keeps its own.
    NetworkDatabase other;
    other = std::move(db);
    other.AddProgram(0, NO_INDEX);
    EXPECT_TRUE(recorder.edits.empty());
}

} // namespace
