// The channel list's rules without widgets: rows per group and tab, sorting, moving, favorites,
// search, the copyable state, what the rows' listener hears, and the write-back.
#include "channellist/ChannelListSession.h"
#include "tests/channellist/ChannelListTestDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace cltest;
using Names = std::vector<std::string>;
using Lists = std::vector<uint16_t>;

namespace {

Names RowNames(const ChannelListSession& session) {
    Names names;
    for (int row = 0; row < session.RowCount(); ++row)
        names.push_back(session.RowProgram(row).name);
    return names;
}

// The kinds of the edits the database hands on, in order.
struct EditLog : ChangeListener {
    void OnChanged(const DatabaseEdit& edit, ChangeDirection) override { kinds.push_back(edit.Kind()); }
    std::vector<uint32_t> kinds;
};

// What the rows' listener hears, as short words.
struct RowLog : ChannelListSession::Listener {
    void RowsAboutToBeReplaced() override { events.push_back("replace"); }
    void RowsReplaced() override { events.push_back("replaced"); }
    void RowsAboutToBeReordered() override { events.push_back("sort"); }
    void RowsReordered(const std::vector<int>& newRowOf) override {
        std::string text = "sorted";
        for (const int row : newRowOf)
            text += " " + std::to_string(row);
        events.push_back(text);
    }
    void FavoriteTextsChanged() override { events.push_back("favorites"); }
    Names events;
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override { FillSample(data); }
    TestDatabase data;
};

TEST_F(SessionTest, OpensOnAllSatellitesWithTheGroupsThatHaveMembers) {
    ChannelListSession session(data.db);
    EXPECT_EQ(session.GroupEntries(), (std::vector<ChannelGroupEntry>{{"All Satellites", 0},
                                                                      {"Astra", 1},
                                                                      {"Hotbird", 257},
                                                                      {"RadioSat", 769},
                                                                      {"News", 2},
                                                                      {"", 514},
                                                                      {"Music", 770}}));
    EXPECT_EQ(RowNames(session), (Names{"Das Erste", "arte", "BBC", "zdf", "Cnn"}));
    EXPECT_EQ(session.workingOrder(), (std::vector<uint32_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(session.state().favoriteMasks, (std::vector<uint8_t>{0x04, 0, 0, 0x05, 0, 0x08, 0x01}));
    EXPECT_EQ(session.FavoriteText(3), "News/Fav3");
    EXPECT_EQ(session.FavoriteText(4), "");
    EXPECT_EQ(session.CellText(1, COLUMN_CA), "VICS/SECA/UNKNOWN");
    EXPECT_EQ(session.CellText(1, COLUMN_NETWORK), "Astra 12000V");
    EXPECT_EQ(session.CellText(2, COLUMN_FAVORITE), "News/Fav3");
    EXPECT_EQ(data.db.programs()[3]->favoriteMask, 0); // the records' scratch field is not used
}

TEST_F(SessionTest, EachGroupAndTabShowsItsRows) {
    const struct {
        uint8_t kind, index, tab;
        Names rows;
    } cases[] = {
        {GROUP_ALL, 0, 1, {"Radio Eins", "Klassik"}},
        {GROUP_NETWORK, 0, 0, {"Das Erste", "arte", "zdf"}},
        {GROUP_NETWORK, 1, 0, {"BBC", "Cnn"}},
        {GROUP_NETWORK, 3, 0, {}},
        {GROUP_NETWORK, 3, 1, {"Klassik"}},
        {GROUP_FAVORITE, 0, 0, {"Cnn", "BBC"}}, // list order, not table order
        {GROUP_FAVORITE, 3, 1, {"Klassik"}},
        {GROUP_FAVORITE, 1, 0, {}},
    };
    for (const auto& c : cases) {
        ChannelListSession session(data.db);
        session.SelectTab(c.tab);
        session.SelectGroup(c.kind, c.index);
        EXPECT_EQ(RowNames(session), c.rows) << int(c.kind) << " " << int(c.index) << " " << int(c.tab);
    }
}

TEST_F(SessionTest, SortsStablyByEachColumnAscendingThenDescending) {
    // Rows: Das Erste, arte, BBC, zdf, Cnn; only arte has CA bits, transponders 0 1 2 0 2, masks 4 0 5 0 1.
    const struct {
        int column;
        Names ascending, descending;
    } cases[] = {
        {COLUMN_NAME, {"arte", "BBC", "Cnn", "Das Erste", "zdf"}, {"zdf", "Das Erste", "Cnn", "BBC", "arte"}},
        {COLUMN_CA, {"Das Erste", "BBC", "zdf", "Cnn", "arte"}, {"arte", "Das Erste", "BBC", "zdf", "Cnn"}},
        {COLUMN_NETWORK, {"Das Erste", "zdf", "arte", "BBC", "Cnn"}, {"BBC", "Cnn", "arte", "Das Erste", "zdf"}},
        {COLUMN_FAVORITE, {"arte", "zdf", "Cnn", "Das Erste", "BBC"}, {"BBC", "Das Erste", "Cnn", "arte", "zdf"}},
    };
    for (const auto& c : cases) {
        ChannelListSession session(data.db);
        ASSERT_TRUE(session.SortByColumn(c.column));
        EXPECT_EQ(RowNames(session), c.ascending) << c.column;
        EXPECT_EQ(session.sortState(), c.column);
        // Descending sorts the rows as they are now: equal keys keep that order.
        session.FillList();
        session.SortByColumn(c.column);
        session.SortByColumn(c.column);
        EXPECT_EQ(RowNames(session), c.descending) << c.column;
        EXPECT_EQ(session.sortState(), c.column | INT32_MIN);
        EXPECT_EQ(session.changeFlags(), CHANGED_ORDER);
    }
    ChannelListSession session(data.db);
    session.SelectGroup(GROUP_NETWORK, 3);
    EXPECT_FALSE(session.SortByColumn(COLUMN_NAME)); // no rows
    EXPECT_EQ(session.changeFlags(), 0u);
}

TEST(SessionOrder, ReorderedTvChannelsKeepTheRadioPositionsAndFavoritesFollow) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    for (const char* name : {"T1", "R1", "T2", "T3"})
        data.AddProgram(name, t, name[0] == 'R');
    data.AddGroup("News", {3, 0}, {1});
    data.AddGroup("Sport");
    ChannelListSession session(data.db);
    ASSERT_TRUE(session.MoveRow(2, 0));       // T3 T1 T2
    ASSERT_TRUE(session.AddToFavorite(1, 2)); // T2, numbered by the old order
    EXPECT_EQ(session.workingGroups()[1].tvList, (Lists{2}));
    session.SelectTab(1);
    EXPECT_EQ(session.workingOrder(), (std::vector<uint32_t>{3, 1, 0, 2}));
    session.WriteBack();
    EXPECT_EQ(data.ProgramNames(), (Names{"T3", "R1", "T1", "T2"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"T3", "T1"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->radioList), (Names{"R1"}));
    EXPECT_EQ(data.db.favoriteGroups()[1]->tvList, (Lists{3}));
}

TEST(SessionOrder, ReorderedRadioChannelsRenumberTheRadioLists) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    for (const char* name : {"T1", "R1", "T2", "R2", "R3"})
        data.AddProgram(name, t, name[0] == 'R');
    data.AddGroup("Music", {2}, {4, 1});
    ChannelListSession session(data.db);
    session.SelectTab(1);
    ASSERT_TRUE(session.MoveRow(2, 0)); // R3 R1 R2
    session.WriteBack();
    EXPECT_EQ(data.ProgramNames(), (Names{"T1", "R3", "T2", "R1", "R2"}));
    EXPECT_EQ(data.db.favoriteGroups()[0]->radioList, (Lists{1, 3}));
    EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, (Lists{2}));
}

TEST(SessionWriteBack, GoesThroughTheOperationsAndKeepsEntriesThatNameNoProgram) {
    const struct {
        const char* what;
        std::function<void(ChannelListSession&)> edit;
        std::vector<uint32_t> edits;
        Lists list;
    } cases[] = {
        {"nothing", [](ChannelListSession&) {}, {}, {9, 0, 0xFFFF, 1}},
        {"a sorted favorite list and a new order",
         [](ChannelListSession& s) {
             s.SelectGroup(GROUP_FAVORITE, 0); // rows B A
             s.SortByColumn(COLUMN_NAME);
             s.SelectGroup(GROUP_ALL, 0);
             s.MoveRow(2, 0); // C B A
         },
         {CHANGE_FAVORITES, CHANGE_RECORDS | CHANGE_FAVORITES},
         {9, 2, 0xFFFF, 1}},
        {"a name",
         [](ChannelListSession& s) { s.ApplyGroupNames({"Renamed"}); },
         {CHANGE_FAVORITES},
         {9, 0, 0xFFFF, 1}},
    };
    for (const auto& c : cases) {
        TestDatabase data;
        const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
        for (const char* name : {"B", "A", "C"})
            data.AddProgram(name, t);
        data.AddGroup("News", {9, 0, 0xFFFF, 1});
        EditLog log;
        data.db.AddChangeListener(&log);
        ChannelListSession session(data.db);
        c.edit(session);
        EXPECT_TRUE(log.kinds.empty()) << c.what << ": nothing is written before WriteBack";
        session.WriteBack();
        EXPECT_EQ(log.kinds, c.edits) << c.what;
        EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, c.list) << c.what;
    }
}

TEST_F(SessionTest, FavoritesChangeListsAndMasksTogether) {
    ChannelListSession session(data.db);
    EXPECT_FALSE(session.AddToFavorite(0, 2)); // BBC is in "News" already
    ASSERT_TRUE(session.AddToFavorite(1, 3));  // zdf to "Movies"
    EXPECT_TRUE(session.HasEntries(1));
    EXPECT_EQ(session.FavoriteText(4), "Movies");
    EXPECT_EQ(session.workingGroups()[1].tvList, (Lists{4}));

    session.SelectGroup(GROUP_FAVORITE, 0);
    ASSERT_TRUE(session.RemoveFromFavorite(0, 0)); // Cnn leaves the shown group: its row goes
    EXPECT_EQ(RowNames(session), (Names{"BBC"}));
    ASSERT_TRUE(session.RemoveFromFavorite(2, 0)); // BBC leaves another group: the row stays
    EXPECT_EQ(RowNames(session), (Names{"BBC"}));
    EXPECT_EQ(session.FavoriteText(3), "News");
    EXPECT_FALSE(session.RemoveFromFavorite(2, 0));
    ASSERT_TRUE(session.RemoveFromFavorite(0, 0));
    EXPECT_FALSE(session.HasEntries(0));
    EXPECT_EQ(session.changeFlags(), CHANGED_FAVORITES);

    EXPECT_FALSE(session.ApplyGroupNames({"News", "Movies", "", "Music", "Cartoons", "Education", "Info", "Sport"}));
    EXPECT_TRUE(session.ApplyGroupNames({"NEWS", "Movies", "Kids", "Music", "Cartoons", "Education", "Info", "Sport"}));
    EXPECT_EQ(session.FavoriteText(0), "Kids");
    EXPECT_EQ(session.changeFlags(), CHANGED_FAVORITES | CHANGED_NAMES);
}

TEST_F(SessionTest, SearchFindsTheNextRowWhoseNameBeginsWithTheText) {
    data.AddProgram("\xC9t\xE9 TV", 0);
    ChannelListSession session(data.db); // Das Erste, arte, BBC, zdf, Cnn, Été TV
    const struct {
        const char* prefix;
        int start, row;
    } cases[] = {
        {"", 0, 0},  {"ZD", 0, 3},    {"a", 2, 1},      {"a", 1, 1},
        {"c", 6, 4}, {"\xE9T", 0, 5}, {"Radio", 0, -1}, {"Das Erste!", 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(session.FindRow(c.prefix, c.start), c.row) << c.prefix << " from " << c.start;
}

TEST_F(SessionTest, ARestoredStateUndoesEveryEdit) {
    ChannelListSession session(data.db);
    const ChannelListState before = session.state();
    session.MoveRow(0, 4);
    session.AddToFavorite(1, 0);
    session.ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
    session.SelectGroup(GROUP_FAVORITE, 0);
    session.SortByColumn(COLUMN_NAME);
    RowLog log;
    session.SetListener(&log);
    session.Restore(before);
    EXPECT_EQ(log.events, (Names{"replace", "replaced"}));
    const ChannelListState& now = session.state();
    EXPECT_EQ(now.rows, before.rows);
    EXPECT_EQ(now.workingOrder, before.workingOrder);
    EXPECT_EQ(now.favoriteMasks, before.favoriteMasks);
    EXPECT_EQ(now.groupKind, GROUP_ALL);
    EXPECT_EQ(now.sortState, -1);
    EXPECT_EQ(now.changeFlags, 0u);
    EXPECT_FALSE(now.orderDirty);
    for (size_t i = 0; i < now.workingGroups.size(); ++i) {
        EXPECT_EQ(now.workingGroups[i].name, before.workingGroups[i].name);
        EXPECT_EQ(now.workingGroups[i].tvList, before.workingGroups[i].tvList);
    }
}

TEST_F(SessionTest, TheListenerHearsEveryChangeOfTheRows) {
    const struct {
        const char* what;
        std::function<void(ChannelListSession&)> edit;
        Names events;
    } cases[] = {
        {"sort", [](ChannelListSession& s) { s.SortByColumn(COLUMN_NAME); }, {"sort", "sorted 3 0 1 4 2"}},
        {"move", [](ChannelListSession& s) { s.MoveRow(0, 3); }, {"sort", "sorted 3 0 1 2 4"}},
        {"move onto itself", [](ChannelListSession& s) { s.MoveRow(1, 1); }, {}},
        {"tab", [](ChannelListSession& s) { s.SelectTab(1); }, {"replace", "replaced"}},
        {"add", [](ChannelListSession& s) { s.AddToFavorite(1, 0); }, {"favorites"}},
        {"remove from the shown group",
         [](ChannelListSession& s) {
             s.SelectGroup(GROUP_FAVORITE, 0);
             s.RemoveFromFavorite(0, 1);
         },
         {"replace", "replaced", "replace", "replaced", "favorites"}},
        {"same names",
         [](ChannelListSession& s) {
             s.ApplyGroupNames({"News", "Movies", "", "Music", "Cartoons", "Education", "Info", "Sport"});
         },
         {}},
    };
    for (const auto& c : cases) {
        ChannelListSession session(data.db);
        RowLog log;
        session.SetListener(&log);
        c.edit(session);
        EXPECT_EQ(log.events, c.events) << c.what;
    }
}

// Lock, Skip and names: only what differs at the end reaches the records, every other attribute bit
// is kept, and a name longer than a name can be is refused.
TEST_F(SessionTest, MarksAndNamesWriteBackOnlyTheirDifferences) {
    data.db.programs()[2]->attributes |= PA_SCRAMBLED | PA_NO_NAME_UPDATE; // arte
    EditLog log;
    data.db.AddChangeListener(&log);
    ChannelListSession session(data.db); // Das Erste, arte, BBC, zdf, Cnn
    EXPECT_FALSE(session.RenameRow(1, std::string(MAX_NAME_BYTES + 1, 'x')));
    EXPECT_TRUE(session.RenameRow(1, std::string(MAX_NAME_BYTES, '\xE9')));
    EXPECT_FALSE(session.RenameRow(1, std::string(MAX_NAME_BYTES, '\xE9')));
    EXPECT_TRUE(session.ToggleRowsMark({1, 4}, PA_LOCK));
    EXPECT_TRUE(session.RenameRow(0, "ARD"));
    EXPECT_TRUE(session.RenameRow(0, "Das Erste")); // back to its name
    EXPECT_TRUE(session.ToggleRowsMark({4}, PA_LOCK));
    EXPECT_EQ(session.FindRow("\xE9\xE9", 0), 1);
    EXPECT_EQ(session.NetChanges(), CHANGED_PROGRAMS);
    session.WriteBack();
    EXPECT_EQ(log.kinds.size(), 1u); // arte alone
    EXPECT_EQ(data.db.programs()[2]->attributes, PA_SCRAMBLED | PA_NO_NAME_UPDATE | PA_LOCK);
    EXPECT_EQ(data.db.programs()[2]->name, std::string(MAX_NAME_BYTES, '\xE9'));
    EXPECT_EQ(data.db.programs()[0]->name, "Das Erste");
    EXPECT_EQ(data.db.programs()[6]->attributes, 0);
    data.db.RemoveChangeListener(&log);
}

} // namespace
