// The Channel List dialog on damaged databases (indices that designate no record, more than eight
// favorite groups) and on the largest database a file can hold.
#include "tests/channellist/ChannelListTestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

using namespace cltest;
using guitest::Find;
using Names = std::vector<std::string>;

namespace {

TEST(ChannelListDamage, FavoriteEntriesThatDesignateNoProgramAreSkippedAndKept) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    data.AddProgram("B", t); // 0
    data.AddProgram("A", t); // 1
    data.AddProgram("C", t); // 2
    data.AddGroup("News", {9, 0, 0xFFFF, 1, 3});
    data.AddGroup("Broken", {}, {7}); // only a bad entry: listed, but shows no rows
    ChannelListDialog d(data.db);
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Sat", "News", "Broken"}));
    EXPECT_EQ(d.session().FavoriteMask(0), 0x01);
    EXPECT_EQ(d.session().FavoriteMask(2), 0x00);
    SelectGroup(d, "Broken");
    EXPECT_EQ(d.RowCount(), 0);
    SelectGroup(d, "News");
    EXPECT_EQ(RowNames(d), (Names{"B", "A"}));
    d.SortByColumn(0);
    EXPECT_EQ(RowNames(d), (Names{"A", "B"}));
    SelectGroup(d, "All Satellites");
    d.MoveRow(2, 0); // C A B: A moves from 1 to 2, B from 0 to 1
    d.accept();
    EXPECT_EQ(data.ProgramNames(), (Names{"C", "B", "A"}));
    // The sorted valid entries took the valid places, were renumbered, and the others stayed put.
    EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{9, 2, 0xFFFF, 1, 3}));
    EXPECT_EQ(data.db.favoriteGroups()[1]->radioList, (std::vector<uint16_t>{7}));
}

TEST(ChannelListDamage, RemovingTheLastValidMemberKeepsTheBadEntries) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    data.AddProgram("A", t);
    data.AddGroup("News", {0, 40});
    ChannelListDialog d(data.db);
    SelectGroup(d, "News");
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE);
    EXPECT_EQ(d.RowCount(), 0);
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Sat", "News"}));
    d.accept();
    EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, (std::vector<uint16_t>{40}));
}

TEST(ChannelListDamage, MissingTransponderOrNetworkGivesAnEmptyNetworkCell) {
    TestDatabase data;
    const uint8_t sat = data.AddNetwork("Sat");
    const uint16_t good = data.AddTransponder(sat, 11000, 1);
    const uint16_t orphan = data.AddTransponder(200, 12000, 0); // network 200 does not exist
    data.AddProgram("no transponder", 999);
    data.AddProgram("no network", orphan);
    data.AddProgram("fine", good);
    data.AddProgram("radio without transponder", 0xFFFF, true);
    data.AddGroup("News", {1, 0}, {3});
    ChannelListDialog d(data.db);
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Sat", "News"}));
    EXPECT_EQ(RowNames(d), (Names{"no transponder", "no network", "fine"}));
    EXPECT_EQ(d.CellText(0, 2), QString());
    EXPECT_EQ(d.CellText(1, 2), QString());
    EXPECT_EQ(d.CellText(2, 2), QStringLiteral("Sat 11000H"));
    EXPECT_EQ(d.CellText(0, 3), QStringLiteral("News"));
    SelectGroup(d, "Sat");
    EXPECT_EQ(RowNames(d), (Names{"fine"}));
    SelectGroup(d, "All Satellites");
    d.SortByColumn(2); // by transponder position: 999 goes last
    EXPECT_EQ(RowNames(d), (Names{"fine", "no network", "no transponder"}));
    d.accept();
    EXPECT_EQ(data.ProgramNames(), (Names{"fine", "no network", "no transponder", "radio without transponder"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"no network", "no transponder"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->radioList), (Names{"radio without transponder"}));
}

TEST(ChannelListDamage, OnlyTheFirstEightGroupsAreOfferedAndTheRestFollowTheirPrograms) {
    TestDatabase data;
    const uint16_t t = data.AddTransponder(data.AddNetwork("Sat"), 11000, 0);
    for (const char* name : {"P0", "P1", "P2", "P3"})
        data.AddProgram(name, t);
    for (int g = 0; g < 8; ++g)
        data.AddGroup("G" + std::to_string(g + 1), {static_cast<uint16_t>(g % 4)});
    data.AddGroup("Ninth", {3, 1});
    data.AddGroup("Tenth", {2, 77});
    ChannelListDialog d(data.db);
    EXPECT_EQ(d.session().FavoriteGroupCount(), 8);
    const Names entries = GroupEntries(d);
    EXPECT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries.back(), "G8");
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(0);
    EXPECT_EQ(menu->actions().size(), 29);

    ASSERT_TRUE(guitest::RunModal([&] { d.RenameGroups(); },
                                  [](QWidget* modal) {
                                      EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("name9")), nullptr);
                                      Find<QLineEdit>(modal, "name8")->setText(QStringLiteral("Eighth"));
                                      Find<QPushButton>(modal, "okButton")->click();
                                  }));
    ChooseFromMenu(d, 1, ID_ADD_TO_FAVORITE);
    d.MoveRow(3, 0); // P3 P0 P1 P2
    d.accept();
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES | CHANGED_NAMES);
    ASSERT_EQ(data.db.favoriteGroups().size(), 10u);
    EXPECT_EQ(data.db.favoriteGroups()[7]->name, "Eighth");
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"P0", "P1"}));
    EXPECT_EQ(data.db.favoriteGroups()[8]->name, "Ninth");
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[8]->tvList), (Names{"P3", "P1"}));
    EXPECT_EQ(data.db.favoriteGroups()[9]->tvList, (std::vector<uint16_t>{3, 77}));
}

// The largest database: 65,535 programs, eight favorite groups of 5,000 entries. Every step must
// stay about linear; the times are printed, not judged.
TEST(ChannelListScale, LargestDatabaseKeepsEveryFavoriteOnItsProgram) {
    TestDatabase data;
    for (int n = 0; n < 200; ++n) {
        const uint8_t network = data.AddNetwork("Satellite " + std::to_string(n));
        for (int k = 0; k < 4; ++k)
            data.AddTransponder(network, static_cast<uint16_t>(10700 + 100 * k), static_cast<uint8_t>(k));
    }
    constexpr int kPrograms = 65535;
    for (int k = 0; k < kPrograms; ++k) {
        const int key = static_cast<int>((static_cast<long long>(k) * 7919) % kPrograms);
        data.AddProgram("Channel " + std::to_string(key), static_cast<uint16_t>(k % 800), k % 5 == 4,
                        static_cast<uint32_t>(k % 2048));
    }
    for (int g = 0; g < 8; ++g) {
        std::vector<uint16_t> tv;
        std::vector<uint16_t> radio;
        for (int i = 0; i < 5000; ++i) {
            const auto index = static_cast<uint16_t>((i * 13 + g * 101) % kPrograms);
            (data.db.programs()[index]->IsRadio() ? radio : tv).push_back(index);
        }
        data.AddGroup("Group " + std::to_string(g + 1), tv, radio);
    }
    std::vector<std::vector<const Program*>> members;
    for (const auto& group : data.db.favoriteGroups()) {
        members.emplace_back();
        for (const uint16_t e : group->tvList)
            members.back().push_back(data.db.programs()[e].get());
    }

    QElapsedTimer timer;
    const auto lap = [&timer](const char* step) {
        std::printf("  %-28s %6lld ms\n", step, static_cast<long long>(timer.restart()));
    };
    timer.start();
    ChannelListDialog d(data.db);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    lap("open");
    EXPECT_EQ(d.RowCount(), kPrograms - kPrograms / 5);
    SelectGroup(d, "Group 3");
    lap("switch to a favorite group");
    d.SortByColumn(0);
    lap("sort a favorite group");
    SelectGroup(d, "All Satellites");
    lap("switch to all satellites");
    d.SortByColumn(0);
    d.SortByColumn(0);
    lap("sort twice by name");
    d.SortByColumn(1);
    lap("sort by CA");
    const std::string first = RowNames(d).front();
    d.MoveRow(0, d.RowCount() - 1);
    lap("move first row to last");
    EXPECT_EQ(RowNames(d).back(), first);
    auto* edit = Find<QLineEdit>(&d, "searchEdit");
    edit->setText(QString::fromStdString(first));
    Find<QPushButton>(&d, "searchButton")->click();
    lap("search");
    EXPECT_EQ(View(d)->selectionModel()->selectedRows().value(0).row(), d.RowCount() - 1);
    Find<QPushButton>(&d, "okButton")->click();
    lap("OK");

    for (size_t g = 0; g < members.size(); ++g) {
        const std::vector<uint16_t>& list = data.db.favoriteGroups()[g]->tvList;
        ASSERT_EQ(list.size(), members[g].size());
        std::vector<const Program*> now;
        for (const uint16_t e : list)
            now.push_back(data.db.programs()[e].get());
        if (g == 2) { // sorted by name
            std::sort(now.begin(), now.end());
            std::sort(members[g].begin(), members[g].end());
        }
        EXPECT_EQ(now, members[g]) << "group " << g;
    }
}

} // namespace
