// The session's commands on a block of rows without widgets: moves, drops, favorites for several
// rows, deletion and its write-back, and the search for a name that holds the text.
#include "channellist/ChannelListSession.h"
#include "tests/channellist/ChannelListTestDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace cltest;
using Names = std::vector<std::string>;
using Lists = std::vector<uint16_t>;
using Rows = std::vector<int>;
using BlockMove = ChannelListSession::BlockMove;

namespace {

Names RowNames(const ChannelListSession& session) {
    Names names;
    for (int row = 0; row < session.RowCount(); ++row)
        names.push_back(session.RowProgram(row).name);
    return names;
}

struct EditLog : ChangeListener {
    void OnChanged(const DatabaseEdit& edit, ChangeDirection) override { kinds.push_back(edit.Kind()); }
    std::vector<uint32_t> kinds;
};

class BlockTest : public ::testing::Test {
protected:
    // All Satellites, TV: Das Erste, arte, BBC, zdf, Cnn.
    void SetUp() override { FillSample(data); }
    TestDatabase data;
};

// 'U', 'D', 'T', 'B': a block move; 'P': to position a; 'R': dropped, dragged from row a onto row b.
bool RunMove(ChannelListSession& s, const Rows& rows, char how, int a, int b) {
    switch (how) {
    case 'U':
        return s.MoveRows(rows, BlockMove::Up);
    case 'D':
        return s.MoveRows(rows, BlockMove::Down);
    case 'T':
        return s.MoveRows(rows, BlockMove::Top);
    case 'B':
        return s.MoveRows(rows, BlockMove::Bottom);
    case 'P':
        return s.MoveRowsTo(rows, a);
    default:
        return s.DropRows(rows, a, b);
    }
}

TEST_F(BlockTest, MovesGatherTheBlockInItsOrder) {
    const struct {
        Rows rows;
        char how;
        int a, b;
        Names names;
        Rows after; // empty: nothing moved
    } cases[] = {
        {{2, 3}, 'U', 0, 0, {"Das Erste", "BBC", "zdf", "arte", "Cnn"}, {1, 2}},
        {{2, 3}, 'D', 0, 0, {"Das Erste", "arte", "Cnn", "BBC", "zdf"}, {3, 4}},
        {{1, 3}, 'U', 0, 0, {"arte", "zdf", "Das Erste", "BBC", "Cnn"}, {0, 1}},
        {{1, 3}, 'D', 0, 0, {"Das Erste", "BBC", "Cnn", "arte", "zdf"}, {3, 4}},
        {{3, 1, 3, 9, -1}, 'T', 0, 0, {"arte", "zdf", "Das Erste", "BBC", "Cnn"}, {0, 1}},
        {{0}, 'B', 0, 0, {"arte", "BBC", "zdf", "Cnn", "Das Erste"}, {4}},
        {{4}, 'P', -5, 0, {"Cnn", "Das Erste", "arte", "BBC", "zdf"}, {0}},
        {{0, 1}, 'P', 9, 0, {"BBC", "zdf", "Cnn", "Das Erste", "arte"}, {3, 4}},
        {{0, 1}, 'U', 0, 0, {}, {}},
        {{3, 4}, 'B', 0, 0, {}, {}},
        {{0, 1, 2, 3, 4}, 'P', 2, 0, {}, {}},
        {{}, 'T', 0, 0, {}, {}},
        // Drops: below the source the block follows the target, above it precedes it.
        {{1, 3}, 'R', 1, 4, {"Das Erste", "BBC", "Cnn", "arte", "zdf"}, {3, 4}},
        {{3, 4}, 'R', 4, 0, {"zdf", "Cnn", "Das Erste", "arte", "BBC"}, {0, 1}},
        {{1, 3}, 'R', 3, 2, {"Das Erste", "arte", "zdf", "BBC", "Cnn"}, {1, 2}},
        {{1, 3}, 'R', 1, 3, {}, {}},
    };
    const Names unchanged = {"Das Erste", "arte", "BBC", "zdf", "Cnn"};
    for (const auto& c : cases) {
        ChannelListSession session(data.db);
        const std::string what = ::testing::PrintToString(c.rows) + " " + c.how;
        EXPECT_EQ(RunMove(session, c.rows, c.how, c.a, c.b), !c.after.empty()) << what;
        EXPECT_EQ(RowNames(session), c.after.empty() ? unchanged : c.names) << what;
        if (c.after.empty())
            continue;
        EXPECT_EQ(session.editedRows(), c.after) << what;
        EXPECT_EQ(session.changeFlags(), CHANGED_ORDER) << what;
        EXPECT_FALSE(session.sortShown()) << what;
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(RowNames(session), unchanged) << what;
    }
}

TEST_F(BlockTest, FavoritesForSeveralRowsChangeOnlyTheRowsThatDiffer) {
    ChannelListSession session(data.db);
    // Das Erste is in the third group, BBC in "News" and the third.
    EXPECT_FALSE(session.AddRowsToFavorite(0, {2, 4}));
    EXPECT_FALSE(session.RemoveRowsFromFavorite(1, {0, 1, 2}));
    ASSERT_TRUE(session.AddRowsToFavorite(0, {2, 1, 0}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{6, 3, 0, 2}));
    EXPECT_EQ(session.editedRows(), (Rows{0, 1, 2}));
    ASSERT_TRUE(session.RemoveRowsFromFavorite(2, {0, 1, 2}));
    EXPECT_TRUE(session.workingGroups()[2].tvList.empty());
    EXPECT_FALSE(session.HasEntries(2));
    EXPECT_EQ(session.FavoriteText(0), "News");

    session.SelectGroup(GROUP_FAVORITE, 0); // Cnn, BBC, Das Erste, arte
    ASSERT_TRUE(session.RemoveRowsFromFavorite(0, {0, 2}));
    EXPECT_EQ(RowNames(session), (Names{"BBC", "arte"}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{3, 2}));
    EXPECT_EQ(session.editedRows(), (Rows{0}));
    EXPECT_EQ(session.FavoriteMask(6), 0);
    EXPECT_EQ(session.history().UndoCount(), 3u);
}

TEST_F(BlockTest, DeletingInAGroupLeavesTheGroupOnly) {
    data.db.favoriteGroups()[0]->tvList = {6, 3, 0, 4};
    ChannelListSession session(data.db);
    session.SelectGroup(GROUP_FAVORITE, 0); // Cnn, BBC, Das Erste, zdf
    session.SortByColumn(COLUMN_NAME);      // BBC, Cnn, Das Erste, zdf: the stored order counts
    ASSERT_TRUE(session.DeleteRows({1, 3}));
    EXPECT_EQ(RowNames(session), (Names{"BBC", "Das Erste"}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{3, 0}));
    EXPECT_EQ(session.changeFlags(), CHANGED_FAVORITES);
    EXPECT_TRUE(session.state().deleted.empty());
    session.WriteBack();
    EXPECT_EQ(data.ProgramNames().size(), 7u);
    EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, (Lists{3, 0}));
}

TEST(BlockDamage, DeletingOneOfTwoEntriesOfAProgramKeepsItInTheGroup) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    data.AddProgram("B", t);
    data.AddProgram("A", t);
    data.AddGroup("News", {9, 0, 0xFFFF, 1, 0}); // rows B A B
    ChannelListSession session(data.db);
    session.SelectGroup(GROUP_FAVORITE, 0);
    ASSERT_TRUE(session.DeleteRows({2}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{9, 0, 0xFFFF, 1}));
    EXPECT_EQ(session.FavoriteMask(0), 1);
    ASSERT_TRUE(session.DeleteRows({0}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{9, 0xFFFF, 1}));
    EXPECT_EQ(session.FavoriteMask(0), 0);
    EXPECT_EQ(session.FavoriteMask(1), 1);
}

TEST_F(BlockTest, DeletedChannelsLeaveTheDatabaseAtOkWithEveryReferenceRight) {
    // A ninth group, not offered, names a deleted program and a kept one.
    data.AddGroup("Ninth", {3, 4});
    EditLog log;
    data.db.AddChangeListener(&log);
    ChannelListSession session(data.db);
    session.MoveRow(4, 0);                   // Cnn first: Cnn, Das Erste, arte, BBC, zdf
    ASSERT_TRUE(session.DeleteRows({3, 1})); // BBC and Das Erste
    EXPECT_EQ(RowNames(session), (Names{"Cnn", "arte", "zdf"}));
    EXPECT_EQ(session.editedRows(), (Rows{1}));
    EXPECT_EQ(session.state().deleted, (std::vector<uint32_t>{0, 3}));
    EXPECT_EQ(session.workingGroups()[0].tvList, (Lists{6}));
    EXPECT_TRUE(session.workingGroups()[2].tvList.empty());
    EXPECT_EQ(session.FavoriteMask(3), 0);
    EXPECT_EQ(session.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES);
    EXPECT_FALSE(session.HasEntries(2));
    session.SelectTab(1); // the radio rows stay
    EXPECT_EQ(RowNames(session), (Names{"Radio Eins", "Klassik"}));

    log.kinds.clear();
    session.WriteBack();
    // Cnn took the first TV place; the radio programs kept theirs.
    EXPECT_EQ(data.ProgramNames(), (Names{"Cnn", "Radio Eins", "arte", "Klassik", "zdf"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"Cnn"}));
    EXPECT_TRUE(data.db.favoriteGroups()[2]->tvList.empty());
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[3]->radioList), (Names{"Klassik"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[8]->tvList), (Names{"zdf"}));
    std::vector<uint16_t> transponders;
    for (const auto& program : data.db.programs())
        transponders.push_back(program->transponderIndex);
    EXPECT_EQ(transponders, (Lists{2, 0, 1, 3, 0}));
    // Two groups, the new order, then the deletion.
    EXPECT_EQ(log.kinds.size(), 4u);
}

TEST_F(BlockTest, DeletingThenUndoingWritesNothing) {
    EditLog log;
    data.db.AddChangeListener(&log);
    ChannelListSession session(data.db);
    ASSERT_TRUE(session.DeleteRows({0, 1, 2, 3, 4}));
    EXPECT_EQ(session.RowCount(), 0);
    EXPECT_TRUE(session.editedRows().empty());
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.editedRows(), (Rows{0, 1, 2, 3, 4}));
    EXPECT_EQ(session.NetChanges(), 0u);
    session.WriteBack();
    EXPECT_TRUE(log.kinds.empty());
}

TEST_F(BlockTest, SearchFallsBackToANameThatHoldsTheText) {
    ChannelListSession session(data.db); // Das Erste, arte, BBC, zdf, Cnn
    const struct {
        const char* text;
        int start, prefixRow, containsRow;
    } cases[] = {
        {"erst", 0, -1, 0}, {"RT", 0, -1, 1}, {"b", 3, 2, 2}, {"a", 0, 1, 0}, {"df", 4, -1, 3}, {"xyz", 0, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(session.FindRow(c.text, c.start), c.prefixRow) << c.text;
        EXPECT_EQ(session.FindRowContaining(c.text, c.start), c.containsRow) << c.text;
    }
}

} // namespace

namespace {

// After a deletion the cursor stays at the place of the first deleted row, or on the new last row
// when the deleted rows were the last ones; Undo selects the deleted rows again.
TEST_F(BlockTest, DeletionLeavesTheCursorOnARowThatExists) {
    const struct {
        Rows deleted;
        Rows after;
    } cases[] = {
        {{4}, {3}}, {{3, 4}, {2}}, {{1}, {1}}, {{0}, {0}}, {{0, 4}, {0}},
    };
    for (const auto& c : cases) {
        ChannelListSession session(data.db);
        ASSERT_TRUE(session.DeleteRows(c.deleted));
        EXPECT_EQ(session.editedRows(), c.after) << c.deleted.front();
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(session.editedRows(), c.deleted);
    }
}

} // namespace
