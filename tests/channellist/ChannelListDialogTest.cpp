// The Channel List dialog driven through its widgets: groups and tabs, sorting, drag and drop,
// favorites, renaming, search, help, and what OK and Cancel leave in the database.
#include "tests/channellist/ChannelListTestSupport.h"

#include "channellist/FavoriteNamesDialog.h"
#include "ui/MessageBox.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolTip>

using namespace cltest;
using guitest::Find;
using Names = std::vector<std::string>;

namespace {

TEST_F(ChannelListTest, OpeningListsGroupsWithMembersAndTheTvChannelsInTableOrder) {
    ChannelListDialog& d = Open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List"));
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", "", "Music"}));
    auto* groups = Find<QComboBox>(&d, "groupList");
    std::vector<int> tags;
    for (int i = 0; i < groups->count(); ++i)
        tags.push_back(groups->itemData(i).toInt());
    EXPECT_EQ(tags, (std::vector<int>{0, 1, 257, 769, 2, 514, 770}));
    EXPECT_EQ(groups->currentIndex(), 0);
    EXPECT_EQ(Find<QTabBar>(&d, "tabBar")->tabText(0).remove(u'&'), QStringLiteral("TV"));
    EXPECT_EQ(Find<QTabBar>(&d, "tabBar")->tabText(1).remove(u'&'), QStringLiteral("Radio"));
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "BBC", "zdf", "Cnn"}));
    EXPECT_EQ(CountText(), QStringLiteral("5 channels"));
    EXPECT_EQ(d.session().FavoriteMask(3), 0x05);

    const QAbstractItemModel* model = View(d)->model();
    const char* headings[] = {"No.", "Name", "CA", "Network", "Favorite"};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), QString::fromLatin1(headings[column]));
    EXPECT_EQ(model->index(3, 0).data().toString(), QStringLiteral("4"));
    // Das Erste, arte, BBC: names, CA names, network with frequency and polarity, favorite names.
    EXPECT_EQ(d.CellText(1, 1), QStringLiteral("VICS/SECA/UNKNOWN"));
    EXPECT_EQ(d.CellText(0, 1), QString());
    EXPECT_EQ(d.CellText(0, 2), QStringLiteral("Astra 11778H"));
    EXPECT_EQ(d.CellText(1, 2), QStringLiteral("Astra 12000V"));
    EXPECT_EQ(d.CellText(2, 2), QStringLiteral("Hotbird 10992L"));
    EXPECT_EQ(d.CellText(2, 3), QStringLiteral("News/Fav3"));
    EXPECT_EQ(d.CellText(0, 3), QStringLiteral("Fav3"));
    EXPECT_EQ(d.CellText(3, 3), QString());
}

TEST_F(ChannelListTest, ACellTooNarrowForItsTextShowsItAsATooltip) {
    const uint8_t network = data.AddNetwork("Eutelsat Hot Bird 13B, 13C and 13E at 13.0 East");
    data.AddProgram("Long", data.AddTransponder(network, 12111, 0));
    ChannelListDialog& d = Open();
    ChannelListView* view = View(d);
    const auto cell = [view](int row, int column) {
        return view->visualRect(view->model()->index(row, ViewColumn(column))).center();
    };
    const QString whole = QStringLiteral("Eutelsat Hot Bird 13B, 13C and 13E at 13.0 East 12111V");
    EXPECT_EQ(d.CellText(5, COLUMN_NETWORK), whole);
    EXPECT_EQ(view->ToolTipAt(cell(5, COLUMN_NETWORK)), whole);
    EXPECT_EQ(view->ToolTipAt(cell(0, COLUMN_NETWORK)), QString()); // "Astra 11778H" fits
    EXPECT_EQ(view->ToolTipAt(view->visualRect(view->model()->index(5, VIEW_NUMBER_COLUMN)).center()), QString());
    view->header()->resizeSection(ViewColumn(COLUMN_NETWORK), 30);
    EXPECT_EQ(view->ToolTipAt(cell(0, COLUMN_NETWORK)), QStringLiteral("Astra 11778H"));

    QHelpEvent help(QEvent::ToolTip, cell(5, COLUMN_NETWORK), view->viewport()->mapToGlobal(cell(5, COLUMN_NETWORK)));
    QApplication::sendEvent(view->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), whole);
    QToolTip::hideText();
}

TEST_F(ChannelListTest, GroupsAndTabsChooseTheRows) {
    ChannelListDialog& d = Open();
    SelectGroup(d, "Hotbird");
    EXPECT_EQ(RowNames(d), (Names{"BBC", "Cnn"}));
    EXPECT_EQ(d.groupKind(), GROUP_NETWORK);
    EXPECT_EQ(d.groupIndex(), 1);
    SelectGroup(d, "RadioSat");
    EXPECT_TRUE(RowNames(d).empty());
    EXPECT_EQ(CountText(), QStringLiteral("0 channels"));
    SetTab(1);
    EXPECT_EQ(RowNames(d), (Names{"Klassik"}));
    EXPECT_EQ(CountText(), QStringLiteral("1 channels"));
    SelectGroup(d, "All Satellites");
    EXPECT_EQ(RowNames(d), (Names{"Radio Eins", "Klassik"}));
    SetTab(0);
    SelectGroup(d, "News");
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "BBC"})); // list order, not table order
    EXPECT_EQ(d.RowValue(0), 6u);
    EXPECT_EQ(d.changeFlags(), 0u);
}

TEST_F(ChannelListTest, HeaderClicksSortAscendingThenDescendingAndStartOverAfterASwitch) {
    ChannelListDialog& d = Open();
    ClickHeader(0);
    EXPECT_EQ(RowNames(d), (Names{"arte", "BBC", "Cnn", "Das Erste", "zdf"}));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List (Modified)"));
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER);
    ClickHeader(0);
    EXPECT_EQ(RowNames(d), (Names{"zdf", "Das Erste", "Cnn", "BBC", "arte"}));
    // Network: by transponder position; rows of one transponder keep their order (stable sort).
    ClickHeader(2);
    EXPECT_EQ(RowNames(d), (Names{"zdf", "Das Erste", "arte", "Cnn", "BBC"}));
    ClickHeader(3); // favoriteMask 0, 1, 4, 5
    EXPECT_EQ(RowNames(d), (Names{"zdf", "arte", "Cnn", "Das Erste", "BBC"}));

    SetTab(1);
    SetTab(0);
    EXPECT_EQ(RowNames(d), (Names{"zdf", "arte", "Cnn", "Das Erste", "BBC"})); // stored, then shown again
    EXPECT_EQ(d.session().sortState(), -1);
    ClickHeader(3);
    EXPECT_EQ(d.session().sortState(), 3); // ascending again
}

TEST_F(ChannelListTest, SortWithFewerThanTwoRowsDoesNothingButAnUnchangedSortStillCounts) {
    ChannelListDialog& d = Open();
    SetTab(1);
    SelectGroup(d, "RadioSat");
    ClickHeader(0);
    EXPECT_EQ(d.changeFlags(), 0u);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List"));

    SelectGroup(d, "All Satellites");
    SetTab(0);
    SelectGroup(d, "News");
    ClickHeader(1); // no CA bits anywhere: nothing moves
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "BBC"}));
    EXPECT_EQ(d.changeFlags(), CHANGED_FAVORITES);
    EXPECT_TRUE(d.session().orderDirty());
}

TEST_F(ChannelListTest, CaSortIsATotalOrderEvenWithTheHighBits) {
    // Masks 0, bit 30 and bit 31: their 32-bit differences wrap around.
    TestDatabase small;
    const uint16_t t = small.AddTransponder(small.AddNetwork("Sat"), 11000, 0);
    small.AddProgram("bit31", t, false, 0x80000000u);
    small.AddProgram("none", t, false, 0);
    small.AddProgram("bit30", t, false, 0x40000000u);
    small.AddProgram("bit0", t, false, 0x00010001u); // bit 16 is not a sort key
    ChannelListDialog d(small.db);
    d.SortByColumn(1);
    EXPECT_EQ(RowNames(d), (Names{"none", "bit0", "bit30", "bit31"}));
    d.SortByColumn(1);
    EXPECT_EQ(RowNames(d), (Names{"bit31", "bit30", "bit0", "none"}));
}

TEST_F(ChannelListTest, ReorderingTvChannelsLeavesRadioChannelsInPlace) {
    TestDatabase small;
    const uint16_t t = small.AddTransponder(small.AddNetwork("Sat"), 11000, 0);
    small.AddProgram("T1", t);
    small.AddProgram("R1", t, true);
    small.AddProgram("T2", t);
    small.AddProgram("T3", t);
    small.AddGroup("News", {3, 0}, {1});
    ChannelListDialog d(small.db);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    Drag(d, 2, 0); // upwards: T3 lands before T1
    EXPECT_EQ(RowNames(d), (Names{"T3", "T1", "T2"}));
    Find<QPushButton>(&d, "okButton")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(small.ProgramNames(), (Names{"T3", "R1", "T1", "T2"}));
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER);
    // The favorite entries follow their programs to the new positions.
    EXPECT_EQ(small.ListNames(small.db.favoriteGroups()[0]->tvList), (Names{"T3", "T1"}));
    EXPECT_EQ(small.ListNames(small.db.favoriteGroups()[0]->radioList), (Names{"R1"}));
}

TEST_F(ChannelListTest, ReorderingOneNetworkKeepsEveryOtherProgramAtItsPosition) {
    ChannelListDialog& d = Open();
    SelectGroup(d, "Astra");
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "zdf"}));
    Drag(d, 0, 2); // downwards: lands after zdf
    EXPECT_EQ(RowNames(d), (Names{"arte", "zdf", "Das Erste"}));
    SelectGroup(d, "Hotbird");
    Drag(d, 1, 0);
    ClickOk();
    EXPECT_EQ(data.ProgramNames(), (Names{"arte", "Radio Eins", "zdf", "Cnn", "Das Erste", "Klassik", "BBC"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"Cnn", "BBC"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[2]->tvList), (Names{"Das Erste", "BBC"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[3]->radioList), (Names{"Klassik"}));
}

TEST_F(ChannelListTest, DragWithTheMouseShowsImageAndDropLineAndMovesTheRow) {
    ChannelListDialog& d = Open();
    QWidget* viewport = View(d)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(d, 0));
    QTest::mouseMove(viewport, RowCenter(d, 0) + QPoint(0, 2)); // not yet a drag
    EXPECT_FALSE(View(d)->IsDragging());
    QTest::mouseMove(viewport, RowCenter(d, 1));
    ASSERT_TRUE(View(d)->IsDragging());
    EXPECT_TRUE(View(d)->dragImage()->isVisible());
    QTest::mouseMove(viewport, RowCenter(d, 3));
    EXPECT_EQ(View(d)->dropIndicatorRow(), 3);
    EXPECT_TRUE(View(d)->dropIndicatorAfter());
    QTest::mouseMove(viewport, RowCenter(d, 0));
    EXPECT_EQ(View(d)->dropIndicatorRow(), -1); // over its own row: no move to show
    QTest::mouseMove(viewport, RowCenter(d, 3));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(d, 3));
    EXPECT_FALSE(View(d)->IsDragging());
    EXPECT_EQ(View(d)->dropIndicatorRow(), -1);
    EXPECT_EQ(RowNames(d), (Names{"arte", "BBC", "zdf", "Das Erste", "Cnn"}));
    const QModelIndexList selected = View(d)->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1); // the dropped row is selected
    EXPECT_EQ(selected[0].row(), 3);
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER);
}

TEST_F(ChannelListTest, DropsThatMoveNothing) {
    ChannelListDialog& d = Open();
    ChannelListView* view = View(d);
    QSignalSpy dropped(view, &ChannelListView::rowDropped);
    QSignalSpy cancelled(view, &ChannelListView::dragCancelled);
    Drag(d, 1, 1);
    view->BeginDrag(1, RowCenter(d, 1));
    view->DropAt(QPoint(5, view->viewport()->height() - 2)); // below the last row
    EXPECT_EQ(view->dropRow(), -1);
    view->BeginDrag(1, RowCenter(d, 1));
    view->CancelDrag();
    view->BeginDrag(1, RowCenter(d, 1));
    QEvent deactivate(QEvent::WindowDeactivate); // the release will go to another window
    QApplication::sendEvent(&d, &deactivate);
    EXPECT_FALSE(view->IsDragging());
    EXPECT_EQ(dropped.size(), 1);
    EXPECT_EQ(cancelled.size(), 3);
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "BBC", "zdf", "Cnn"}));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List"));
    EXPECT_EQ(d.changeFlags(), 0u);
}

TEST_F(ChannelListTest, DraggingBeyondAnEdgeScrollsOneRowPerMove) {
    for (int i = 0; i < 60; ++i)
        data.AddProgram("Extra " + std::to_string(i), 0);
    ChannelListDialog& d = Open();
    ChannelListView* view = View(d);
    const int perPage = view->RowsPerPage();
    ASSERT_LT(perPage, d.RowCount());
    view->BeginDrag(0, RowCenter(d, 0));
    const QPoint below(20, view->viewport()->height() + 10);
    view->DragMoveTo(below);
    EXPECT_EQ(view->TopRow(), 1);
    view->DragMoveTo(below);
    view->DragMoveTo(below);
    EXPECT_EQ(view->TopRow(), 3);
    for (int i = 0; i < 2 * d.RowCount(); ++i)
        view->DragMoveTo(below);
    EXPECT_EQ(view->TopRow(), d.RowCount() - perPage); // stops at the last row
    view->DragMoveTo(QPoint(20, -10));
    EXPECT_EQ(view->TopRow(), d.RowCount() - perPage - 1);
    view->DragMoveTo(below);
    view->DragMoveTo(RowCenter(d, d.RowCount() - 1));
    EXPECT_EQ(view->dropIndicatorRow(), d.RowCount() - 1);
    view->DropAt(RowCenter(d, d.RowCount() - 1));
    EXPECT_EQ(RowNames(d).back(), "Das Erste");
}

TEST_F(ChannelListTest, TheModelKeepsItsContractThroughFillSortMoveAndRemove) {
    ChannelListDialog& d = Open();
    QAbstractItemModelTester check(View(d)->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QItemSelectionModel* selection = View(d)->selectionModel();
    selection->setCurrentIndex(View(d)->model()->index(3, 0),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows); // zdf
    ClickHeader(0);
    EXPECT_EQ(selection->currentIndex().row(), 4); // the selection follows its row
    Drag(d, 0, 3);
    Drag(d, 3, 1);
    SelectGroup(d, "News");
    ClickHeader(0);
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE + 0);
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE + 0);
    EXPECT_EQ(d.RowCount(), 0);
    SetTab(1);
    SelectGroup(d, "All Satellites");
    d.ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
    EXPECT_EQ(d.CellText(1, 3), QStringLiteral("D")); // Klassik in the fourth group
}

TEST_F(ChannelListTest, ContextMenuOffersAddForNonMembersAndRemoveForMembers) {
    ChannelListDialog& d = Open();
    EXPECT_EQ(d.BuildContextMenu(-1), nullptr);
    EXPECT_EQ(d.contextRow(), -1);
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(2); // BBC: News and the third group
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(d.contextRow(), 2);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 29); // the moves, the marks, renaming and "Delete" follow the favorites
    EXPECT_TRUE(actions[8]->isSeparator());
    EXPECT_TRUE(actions[17]->isSeparator());
    const char* commands[] = {"Move Up", "Move Down", "Move to Top", "Move to Bottom", "Move to Position..."};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(actions[18 + k]->text(), QString::fromLatin1(commands[k]));
    EXPECT_TRUE(actions[23]->isSeparator());
    EXPECT_EQ(actions[24]->text(), QStringLiteral("Lock"));
    EXPECT_EQ(actions[25]->text(), QStringLiteral("Skip"));
    EXPECT_EQ(actions[26]->text(), QStringLiteral("Rename Channel"));
    EXPECT_TRUE(actions[27]->isSeparator());
    EXPECT_EQ(actions[28]->text(), QStringLiteral("Delete"));
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Add to News"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Add to "));
    EXPECT_EQ(actions[9]->text(), QStringLiteral("Remove from News"));
    EXPECT_EQ(actions[16]->text(), QStringLiteral("Remove from Sport"));
    for (int g = 0; g < 8; ++g) {
        const bool member = g == 0 || g == 2;
        EXPECT_EQ(actions[g]->data().toInt(), ID_ADD_TO_FAVORITE + g);
        EXPECT_EQ(actions[9 + g]->data().toInt(), ID_REMOVE_FROM_FAVORITE + g);
        EXPECT_EQ(actions[g]->isEnabled(), !member) << g;
        EXPECT_EQ(actions[9 + g]->isEnabled(), member) << g;
    }
}

TEST_F(ChannelListTest, AddingToAnEmptyGroupListsItInGroupOrder) {
    ChannelListDialog& d = Open();
    ChooseFromMenu(d, 3, ID_ADD_TO_FAVORITE + 1); // zdf to "Movies"
    EXPECT_EQ(GroupEntries(d),
              (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", "Movies", "", "Music"}));
    EXPECT_EQ(d.CellText(3, 3), QStringLiteral("Movies"));
    ChooseFromMenu(d, 3, ID_ADD_TO_FAVORITE + 7); // and to "Sport", the last one
    EXPECT_EQ(GroupEntries(d).back(), "Sport");
    EXPECT_EQ(d.CellText(3, 3), QStringLiteral("Movies/Sport"));
    EXPECT_EQ(Find<QComboBox>(&d, "groupList")->currentIndex(), 0);
    SetTab(1);
    ChooseFromMenu(d, 0, ID_ADD_TO_FAVORITE + 1); // Radio Eins goes to the radio list
    EXPECT_EQ(d.changeFlags(), CHANGED_FAVORITES);
    ClickOk();
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[1]->tvList), (Names{"zdf"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[1]->radioList), (Names{"Radio Eins"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[7]->tvList), (Names{"zdf"}));
}

TEST_F(ChannelListTest, RemovingTheLastMemberWhileAllSatellitesIsShown) {
    ChannelListDialog& d = Open();
    SetTab(1);
    ChooseFromMenu(d, 1, ID_REMOVE_FROM_FAVORITE + 3); // Klassik, the only "Music" member
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", ""}));
    EXPECT_EQ(Find<QComboBox>(&d, "groupList")->currentIndex(), 0);
    EXPECT_EQ(RowNames(d), (Names{"Radio Eins", "Klassik"}));
    EXPECT_EQ(d.CellText(1, 3), QString());
    ClickOk();
    EXPECT_TRUE(data.db.favoriteGroups()[3]->radioList.empty());
}

TEST_F(ChannelListTest, RemovingFromTheShownGroupDropsTheRow) {
    ChannelListDialog& d = Open();
    SelectGroup(d, "News");
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE + 0);
    EXPECT_EQ(RowNames(d), (Names{"BBC"}));
    EXPECT_EQ(CountText(), QStringLiteral("1 channels"));
    // From another group: the row stays.
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE + 2);
    EXPECT_EQ(RowNames(d), (Names{"BBC"}));
    EXPECT_EQ(d.CellText(0, 3), QStringLiteral("News"));
    // The last member of the shown group: its row and its entry go, and nothing is selected.
    ChooseFromMenu(d, 0, ID_REMOVE_FROM_FAVORITE + 0);
    EXPECT_TRUE(RowNames(d).empty());
    EXPECT_EQ(Find<QComboBox>(&d, "groupList")->currentIndex(), -1);
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "", "Music"}));
    SelectGroup(d, "Astra");
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "zdf"}));
}

TEST_F(ChannelListTest, ASortedFavoriteGroupKeepsItsOrderThroughASwitchAndOk) {
    data.db.favoriteGroups()[0]->tvList = {6, 4, 3, 0, 2};
    ChannelListDialog& d = Open();
    SelectGroup(d, "News");
    ClickHeader(0);
    EXPECT_EQ(RowNames(d), (Names{"arte", "BBC", "Cnn", "Das Erste", "zdf"}));
    SelectGroup(d, "Astra");
    Drag(d, 2, 0);
    SelectGroup(d, "News");
    EXPECT_EQ(RowNames(d), (Names{"arte", "BBC", "Cnn", "Das Erste", "zdf"}));
    ClickOk();
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES);
    EXPECT_EQ(data.ProgramNames(), (Names{"zdf", "Radio Eins", "Das Erste", "BBC", "arte", "Klassik", "Cnn"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"arte", "BBC", "Cnn", "Das Erste", "zdf"}));
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[2]->tvList), (Names{"Das Erste", "BBC"}));
}

TEST_F(ChannelListTest, RenameUpdatesGroupListColumnAndMenu) {
    ChannelListDialog& d = Open();
    SelectGroup(d, "News");
    const bool ran = guitest::RunModal([&] { Find<QPushButton>(&d, "renameButton")->click(); },
                                       [](QWidget* modal) {
                                           EXPECT_EQ(modal->windowTitle(), QStringLiteral("Favorite Group Name"));
                                           EXPECT_EQ(Find<QLineEdit>(modal, "name1")->text(), QStringLiteral("News"));
                                           EXPECT_EQ(Find<QLineEdit>(modal, "name3")->text(), QString());
                                           EXPECT_EQ(Find<QLineEdit>(modal, "name8")->text(), QStringLiteral("Sport"));
                                           Find<QLineEdit>(modal, "name1")->setText(QStringLiteral("NEWS"));
                                           Find<QLineEdit>(modal, "name3")->setText(QStringLiteral("Kids"));
                                           Find<QLineEdit>(modal, "name4")->clear();
                                           Find<QPushButton>(modal, "okButton")->click();
                                       });
    ASSERT_TRUE(ran);
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "NEWS", "Kids", ""}));
    EXPECT_EQ(Find<QComboBox>(&d, "groupList")->currentText(), QStringLiteral("NEWS")); // still shown
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "BBC"}));
    EXPECT_EQ(d.CellText(1, 3), QStringLiteral("NEWS/Kids"));
    EXPECT_EQ(d.changeFlags(), CHANGED_NAMES);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List (Modified)"));
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(0);
    EXPECT_EQ(MenuAction(*menu, ID_ADD_TO_FAVORITE + 3)->text(), QStringLiteral("Add to "));
    EXPECT_EQ(MenuAction(*menu, ID_REMOVE_FROM_FAVORITE + 2)->text(), QStringLiteral("Remove from Kids"));
    SetTab(1);
    SelectGroup(d, "All Satellites");
    EXPECT_EQ(d.CellText(1, 3), QStringLiteral("Fav4")); // Klassik in the cleared fourth group

    ClickOk();
    EXPECT_EQ(data.db.favoriteGroups()[0]->name, "NEWS");
    EXPECT_EQ(data.db.favoriteGroups()[2]->name, "Kids");
    EXPECT_EQ(data.db.favoriteGroups()[3]->name, "");
    EXPECT_EQ(data.db.favoriteGroups()[1]->name, "Movies");
}

TEST_F(ChannelListTest, RenameWithoutEditsOrCancelledChangesNothing) {
    ChannelListDialog& d = Open();
    ASSERT_TRUE(guitest::RunModal([&] { d.RenameGroups(); },
                                  [](QWidget* modal) { Find<QPushButton>(modal, "okButton")->click(); }));
    ASSERT_TRUE(guitest::RunModal([&] { d.RenameGroups(); },
                                  [](QWidget* modal) {
                                      Find<QLineEdit>(modal, "name1")->setText(QStringLiteral("Other"));
                                      Find<QPushButton>(modal, "cancelButton")->click();
                                  }));
    EXPECT_EQ(d.changeFlags(), 0u);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List"));
    EXPECT_EQ(GroupEntries(d)[4], "News");
}

TEST(FavoriteNamesDialog, FieldsHoldLatin1NamesOfAtMost255Bytes) {
    FavoriteNamesDialog dialog;
    dialog.SetName(0, "Caf\xE9");
    auto* field = Find<QLineEdit>(&dialog, "name1");
    EXPECT_EQ(field->text(), QString::fromUtf8("Café"));
    EXPECT_EQ(field->maxLength(), 255);
    QString text = QString::fromUtf8("Ça €");
    int pos = 0;
    EXPECT_EQ(field->validator()->validate(text, pos), QValidator::Invalid);
    text = QString::fromUtf8("Ça ÿ");
    EXPECT_EQ(field->validator()->validate(text, pos), QValidator::Acceptable);
    field->setText(QString(300, QLatin1Char('x')));
    Find<QLineEdit>(&dialog, "name8")->setText(QString::fromUtf8("Été"));
    dialog.accept();
    EXPECT_EQ(dialog.Name(0), std::string(255, 'x'));
    EXPECT_EQ(dialog.Name(7), "\xC9t\xE9");
}

TEST(ChannelListFewGroups, ExtraNameFieldsOpenEmptyAndAreDiscarded) {
    TestDatabase small;
    const uint16_t t = small.AddTransponder(small.AddNetwork("Sat"), 11000, 0);
    small.AddProgram("One", t);
    small.AddGroup("First", {0});
    small.AddGroup("Second");
    ChannelListDialog d(small.db);
    ASSERT_TRUE(guitest::RunModal([&] { d.RenameGroups(); },
                                  [](QWidget* modal) {
                                      EXPECT_EQ(Find<QLineEdit>(modal, "name3")->text(), QString());
                                      Find<QLineEdit>(modal, "name3")->setText(QStringLiteral("Ignored"));
                                      Find<QLineEdit>(modal, "name2")->setText(QStringLiteral("second"));
                                      Find<QPushButton>(modal, "okButton")->click();
                                  }));
    EXPECT_EQ(d.BuildContextMenu(0)->actions().size(), 17); // two groups: 2 + separator + 2, then 12 more
    d.accept();
    ASSERT_EQ(small.db.favoriteGroups().size(), 2u);
    EXPECT_EQ(small.db.favoriteGroups()[1]->name, "second");
}

TEST_F(ChannelListTest, SearchFindsPrefixesCaseBlindAndWraps) {
    data.AddProgram("\xC9t\xE9 TV", 0); // "Été TV"
    ChannelListDialog& d = Open();
    auto* edit = Find<QLineEdit>(&d, "searchEdit");
    const auto selectedRow = [&] {
        const QModelIndexList rows = View(d)->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    };
    // An empty text matches the first row after the selection, here the top.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(selectedRow(), 0);
    edit->setText(QStringLiteral("ZD"));
    QTest::keyClick(edit, Qt::Key_Return); // Enter presses the default "Search" button
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("ZD"));
    edit->setText(QStringLiteral("a"));
    Find<QPushButton>(&d, "searchButton")->click();
    EXPECT_EQ(selectedRow(), 1); // wrapped past the end to "arte"
    Find<QPushButton>(&d, "searchButton")->click();
    EXPECT_EQ(selectedRow(), 1); // the only match, found again at its own row
    edit->setText(QString::fromUtf8("éT"));
    Find<QPushButton>(&d, "searchButton")->click();
    EXPECT_EQ(selectedRow(), 5);

    MessageBox::TakeShown();
    for (const char* text :
         {"Radio", "xyz", "\xE2\x82\xAC"}) { // radio rows are not shown; no match; a non-Latin-1 sign
        edit->setText(QString::fromUtf8(text));
        MessageBox::SetNextAnswer(MessageBox::Ok);
        Find<QPushButton>(&d, "searchButton")->click();
        const std::vector<MessageBox::Shown> shown = MessageBox::TakeShown();
        ASSERT_EQ(shown.size(), 1u) << text;
        EXPECT_EQ(shown[0].text, QStringLiteral("No match was found..."));
        EXPECT_EQ(shown[0].icon, MessageBox::IconExclamation);
        EXPECT_EQ(selectedRow(), 5);
    }
    EXPECT_EQ(d.changeFlags(), 0u);
}

TEST_F(ChannelListTest, HelpShowsTheThirteenLineMessage) {
    ChannelListDialog& d = Open();
    MessageBox::TakeShown();
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Find<QPushButton>(&d, "helpButton")->click();
    const std::vector<MessageBox::Shown> shown = MessageBox::TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, MessageBox::IconNone);
    // The thirteen lines, each ended by a line feed, then a paragraph that points to the user guide.
    ASSERT_TRUE(shown[0].text.startsWith(ChannelListDialog::HelpText()));
    EXPECT_EQ(shown[0].text.mid(ChannelListDialog::HelpText().size()),
              QLatin1Char('\n') + ChannelListDialog::GuidePointer() + QLatin1Char('\n'));
    const QStringList lines = ChannelListDialog::HelpText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], QString());
    EXPECT_EQ(lines[1], QStringLiteral("To sort the channel list"));
    EXPECT_EQ(lines[3], QStringLiteral("\t- Click the left mouse button on a column header of the list."));
    EXPECT_EQ(lines[5], QStringLiteral("To move a channel item"));
    EXPECT_EQ(lines[7], QStringLiteral("\t- Drag and drop a channel item."));
    EXPECT_EQ(lines[9], QStringLiteral("To add a channel item to a favorite group"));
    EXPECT_EQ(lines[10], QStringLiteral("To remove a channel item from a favorite group"));
    EXPECT_EQ(lines[12], QStringLiteral("\t- Click the right mouse button on the name of a channel item"));
    EXPECT_EQ(lines[13], QString());
    for (int empty : {2, 4, 6, 8, 11})
        EXPECT_EQ(lines[empty], QString());
}

TEST_F(ChannelListTest, ModalOkWithoutEditsReportsNothingAndCancelWritesNothing) {
    {
        ChannelListDialog d(data.db);
        int result = -1;
        ASSERT_TRUE(guitest::RunModal([&] { result = d.exec(); },
                                      [](QWidget* modal) {
                                          EXPECT_EQ(Find<QPushButton>(modal, "searchButton")->isDefault(), true);
                                          EXPECT_EQ(Find<QPushButton>(modal, "okButton")->isDefault(), false);
                                          Find<QPushButton>(modal, "okButton")->click();
                                      }));
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(d.changeFlags(), 0u);
    }
    const Names before = data.ProgramNames();
    const std::vector<uint16_t> newsBefore = data.db.favoriteGroups()[0]->tvList;
    ChannelListDialog d(data.db);
    int result = -1;
    ASSERT_TRUE(guitest::RunModal([&] { result = d.exec(); },
                                  [&](QWidget* modal) {
                                      auto* dialog = static_cast<ChannelListDialog*>(modal);
                                      dialog->SortByColumn(0);
                                      ChooseFromMenu(*dialog, 0, ID_ADD_TO_FAVORITE + 1);
                                      dialog->ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
                                      MessageBox::SetNextAnswer(MessageBox::Yes); // discard the changes
                                      QTest::keyClick(View(*dialog), Qt::Key_Escape);
                                      EXPECT_FALSE(dialog->isVisible());
                                  }));
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES | CHANGED_NAMES);
    EXPECT_EQ(data.ProgramNames(), before);
    EXPECT_EQ(data.db.favoriteGroups()[0]->tvList, newsBefore);
    EXPECT_TRUE(data.db.favoriteGroups()[1]->tvList.empty());
    EXPECT_EQ(data.db.favoriteGroups()[0]->name, "News");
}

} // namespace
