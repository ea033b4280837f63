// Databases built in memory and small helpers for driving the Channel List dialog.
#pragma once

#include "channellist/ChannelListDialog.h"
#include "channellist/ChannelListView.h"
#include "database/NetworkDatabase.h"
#include "tests/support/GuiTest.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace cltest {

struct TestDatabase {
    NetworkDatabase db;

    uint8_t AddNetwork(const std::string& name) {
        auto network = std::make_unique<Network>();
        network->name = name;
        db.AppendNetwork(*network);
        return static_cast<uint8_t>(db.networks().size() - 1);
    }
    uint16_t AddTransponder(uint8_t network, uint16_t frequency, uint8_t polarity) {
        auto transponder = std::make_unique<Transponder>();
        transponder->InitTransponder(network, frequency, polarity);
        db.AppendTransponder(*transponder);
        return static_cast<uint16_t>(db.transponders().size() - 1);
    }
    uint16_t AddProgram(const std::string& name, uint16_t transponder, bool radio = false, uint32_t caMask = 0) {
        auto program = std::make_unique<Program>(transponder);
        program->name = name;
        program->caMask = caMask;
        program->attributes = radio ? PA_RADIO : 0;
        db.AppendProgram(*program);
        return static_cast<uint16_t>(db.programs().size() - 1);
    }
    void AddGroup(const std::string& name, std::vector<uint16_t> tv = {}, std::vector<uint16_t> radio = {}) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = name;
        group->tvList = std::move(tv);
        group->radioList = std::move(radio);
        db.AppendFavoriteGroup(*group);
    }
    std::vector<std::string> ProgramNames() const {
        std::vector<std::string> names;
        for (const auto& program : db.programs())
            names.push_back(program->name);
        return names;
    }
    // The names of the programs a favorite list designates.
    std::vector<std::string> ListNames(const std::vector<uint16_t>& list) const {
        std::vector<std::string> names;
        for (const uint16_t entry : list)
            names.push_back(entry < db.programs().size() ? db.programs()[entry]->name : "?");
        return names;
    }
};

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
    dialog.BeginDrag(from, RowCenter(dialog, from));
    dialog.DragMoveTo(RowCenter(dialog, to));
    dialog.DropAt(RowCenter(dialog, to));
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

} // namespace cltest
