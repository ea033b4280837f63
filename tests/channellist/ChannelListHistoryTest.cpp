// The Channel List's own history without widgets: every edit is one step that Undo takes back
// exactly and Redo does again, the budget drops the oldest steps, and OK after undoing writes nothing.
#include "channellist/ChannelListSession.h"
#include "tests/channellist/ChannelListTestDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace cltest;

namespace {

struct EditLog : ChangeListener {
    void OnChanged(const DatabaseEdit&, ChangeDirection) override { ++count; }
    int count = 0;
};

class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override { FillSample(data); }
    TestDatabase data;
};

struct EditCase {
    const char* what;
    std::function<void(ChannelListSession&)> prepare; // not a step
    std::function<bool(ChannelListSession&)> edit;
    std::vector<int> rowsBefore, rowsAfter;
};

const std::vector<EditCase>& EditCases() {
    static const std::vector<EditCase> cases = {
        {"sort", [](ChannelListSession&) {}, [](ChannelListSession& s) { return s.SortByColumn(COLUMN_NAME); }, {}, {}},
        {"move", [](ChannelListSession&) {}, [](ChannelListSession& s) { return s.MoveRow(0, 3); }, {0}, {3}},
        {"add to a favorite",
         [](ChannelListSession&) {},
         [](ChannelListSession& s) { return s.AddToFavorite(1, 2); },
         {2},
         {2}},
        {"remove from the shown group",
         [](ChannelListSession& s) { s.SelectGroup(GROUP_FAVORITE, 0); },
         [](ChannelListSession& s) { return s.RemoveFromFavorite(0, 1); },
         {1},
         {0}},
        {"rename",
         [](ChannelListSession&) {},
         [](ChannelListSession& s) {
             return s.ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
         },
         {},
         {}},
        {"lock",
         [](ChannelListSession&) {},
         [](ChannelListSession& s) {
             return s.ToggleRowsMark({3, 1}, PA_LOCK);
         },
         {1, 3},
         {1, 3}},
        {"rename a channel",
         [](ChannelListSession&) {},
         [](ChannelListSession& s) { return s.RenameRow(2, "BBC One"); },
         {2},
         {2}},
    };
    return cases;
}

TEST_F(HistoryTest, EachEditIsOneStepThatUndoTakesBackAndRedoDoesAgain) {
    for (const EditCase& c : EditCases()) {
        ChannelListSession session(data.db);
        c.prepare(session);
        EXPECT_FALSE(session.CanUndo()) << c.what;
        const auto before = Fields(session.state());
        ASSERT_TRUE(c.edit(session)) << c.what;
        const auto after = Fields(session.state());
        EXPECT_TRUE(session.CanUndo()) << c.what;
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(Fields(session.state()), before) << c.what;
        EXPECT_EQ(session.editedRows(), c.rowsBefore) << c.what;
        EXPECT_FALSE(session.Undo()) << c.what;
        ASSERT_TRUE(session.Redo());
        EXPECT_EQ(Fields(session.state()), after) << c.what;
        EXPECT_EQ(session.editedRows(), c.rowsAfter) << c.what;
        EXPECT_FALSE(session.Redo()) << c.what;
        EXPECT_EQ(session.history().UndoCount(), 1u) << c.what;
    }
}

TEST_F(HistoryTest, AnEditThatChangesNothingIsNoStepAndANewEditForgetsTheRedo) {
    ChannelListSession session(data.db);
    EXPECT_FALSE(session.MoveRow(1, 1));
    EXPECT_FALSE(session.AddToFavorite(0, 2)); // BBC is in "News"
    EXPECT_FALSE(session.ApplyGroupNames({"News", "Movies", "", "Music", "Cartoons", "Education", "Info", "Sport"}));
    EXPECT_FALSE(session.CanUndo());
    session.MoveRow(0, 1);
    session.MoveRow(0, 2);
    session.Undo();
    EXPECT_TRUE(session.CanRedo());
    session.SortByColumn(COLUMN_CA);
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.history().UndoCount(), 2u);
}

TEST_F(HistoryTest, RedoShowsTheGroupTheStepWasDoneIn) {
    ChannelListSession session(data.db);
    session.SelectGroup(GROUP_NETWORK, 0); // Das Erste, arte, zdf
    session.SortByColumn(COLUMN_NAME);     // arte, Das Erste, zdf
    session.SelectTab(1);
    session.SelectGroup(GROUP_FAVORITE, 3);
    session.Undo();
    EXPECT_EQ(session.groupKind(), GROUP_NETWORK);
    EXPECT_EQ(session.currentTab(), 0);
    session.SelectGroup(GROUP_ALL, 0);
    session.Redo();
    EXPECT_EQ(session.groupKind(), GROUP_NETWORK);
    EXPECT_EQ(session.groupIndex(), 0);
    EXPECT_EQ(session.rows(), (std::vector<uint32_t>{2, 0, 4}));
    EXPECT_EQ(session.sortState(), COLUMN_NAME);
    EXPECT_TRUE(session.sortShown());
}

TEST_F(HistoryTest, TheBudgetDropsTheOldestStepsAndKeepsTheNewest) {
    ChannelListHistory history(3000);
    ChannelListState state;
    state.workingOrder.assign(200, 0); // 800 bytes and the step's own size
    for (int i = 0; i < 10; ++i)
        history.Record({state, {}, {}, {}});
    EXPECT_LE(history.Bytes(), 3000u);
    EXPECT_GE(history.UndoCount(), 2u);
    EXPECT_LT(history.UndoCount(), 10u);
    ChannelListHistory tiny(10);
    tiny.Record({state, {}, {}, {}});
    tiny.Record({state, {}, {}, {}});
    EXPECT_EQ(tiny.UndoCount(), 1u);
    ChannelListState current;
    tiny.Undo(current);
    EXPECT_EQ(current.workingOrder.size(), 200u);
    EXPECT_TRUE(tiny.CanRedo());
    EXPECT_FALSE(tiny.CanUndo());
}

TEST_F(HistoryTest, OkAfterEverythingWasUndoneWritesNothing) {
    EditLog log;
    data.db.AddChangeListener(&log);
    ChannelListSession session(data.db);
    for (const EditCase& c : EditCases())
        c.edit(session);
    EXPECT_NE(session.NetChanges(), 0u);
    while (session.Undo()) {
    }
    session.MoveRow(0, 2);
    session.MoveRow(2, 0); // back where it was: still a change of the flags, but none of the data
    EXPECT_EQ(session.changeFlags(), CHANGED_ORDER);
    EXPECT_EQ(session.NetChanges(), 0u);
    session.WriteBack();
    EXPECT_EQ(session.changeFlags(), 0u);
    EXPECT_EQ(log.count, 0);
}

} // namespace
