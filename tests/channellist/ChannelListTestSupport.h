// Databases built in memory and small helpers for driving the Channel List dialog.
#pragma once

#include "channellist/ChannelListDialog.h"
#include "channellist/ChannelListModel.h"
#include "channellist/ChannelListView.h"
#include "tests/channellist/ChannelListTestDatabase.h"
#include "tests/support/GuiTest.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace cltest {

inline std::vector<std::string> RowNames(const ChannelListDialog& dialog) {
    std::vector<std::string> names;
    for (int row = 0; row < dialog.RowCount(); ++row)
        names.push_back(dialog.CellText(row, 0).toStdString());
    return names;
}

inline std::vector<std::string> GroupEntries(const ChannelListDialog& dialog) {
    auto* groups = dialog.findChild<QComboBox*>(QStringLiteral("groupList"));
    std::vector<std::string> entries;
    for (int i = 0; i < groups->count(); ++i)
        entries.push_back(groups->itemText(i).toStdString());
    return entries;
}

inline void SelectGroup(ChannelListDialog& dialog, const char* text) {
    auto* groups = dialog.findChild<QComboBox*>(QStringLiteral("groupList"));
    const int entry = groups->findText(QString::fromLatin1(text), Qt::MatchExactly);
    ASSERT_GE(entry, 0) << "no group entry " << text;
    groups->setCurrentIndex(entry);
}

inline ChannelListView* View(const ChannelListDialog& dialog) {
    return dialog.findChild<ChannelListView*>(QStringLiteral("channelView"));
}

inline QPoint RowCenter(const ChannelListDialog& dialog, int row) {
    ChannelListView* view = View(dialog);
    return view->visualRect(view->model()->index(row, 0)).center();
}

// The drag as the list's mouse handling runs it, from the middle of one row to another.
inline void Drag(ChannelListDialog& dialog, int from, int to) {
    ChannelListView* view = View(dialog);
    view->BeginDrag(from, RowCenter(dialog, from));
    view->DragMoveTo(RowCenter(dialog, to));
    view->DropAt(RowCenter(dialog, to));
}

inline QAction* MenuAction(QMenu& menu, int command) {
    for (QAction* action : menu.actions()) {
        if (action->data().toInt() == command)
            return action;
    }
    return nullptr;
}

// Right click on row, then the menu item with the given command.
inline void ChooseFromMenu(ChannelListDialog& dialog, int row, int command) {
    std::unique_ptr<QMenu> menu = dialog.BuildContextMenu(row);
    ASSERT_NE(menu, nullptr);
    QAction* action = MenuAction(*menu, command);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
    action->trigger();
}

// The dialog on the sample database, shown and active.
class ChannelListTest : public ::testing::Test {
public:
    void SetUp() override { FillSample(data); }

    ChannelListDialog& Open() { return Open(data.db); }
    ChannelListDialog& Open(NetworkDatabase& db) {
        dialog = std::make_unique<ChannelListDialog>(db);
        dialog->show();
        dialog->activateWindow(); // for the shortcuts
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    QString CountText() const { return guitest::Find<QLabel>(dialog.get(), "countLabel")->text(); }
    // A click on the header of a session column.
    void ClickHeader(int column) {
        QHeaderView* header = View(*dialog)->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(ViewColumn(column)) + 10, header->height() / 2));
    }
    void ClickOk() { guitest::Find<QPushButton>(dialog.get(), "okButton")->click(); }
    void SetTab(int tab) { guitest::Find<QTabBar>(dialog.get(), "tabBar")->setCurrentIndex(tab); }

    TestDatabase data;
    std::unique_ptr<ChannelListDialog> dialog;
};

} // namespace cltest
