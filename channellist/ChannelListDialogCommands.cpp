// The Channel List dialog's commands: sorting, drag and drop, block moves, the context menu with
// favorites and deletion, and the dialog's own Undo and Redo.
#include "channellist/ChannelListDialog.h"

#include "channellist/ChannelListModel.h"
#include "channellist/ChannelListView.h"
#include "channellist/MoveToPositionDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>

#include <algorithm>

namespace {

using BlockMove = ChannelListSession::BlockMove;

// A menu text shows '&' only when it is doubled.
QString MenuText(const QString& format, const std::string& name) {
    QString text = QString::fromLatin1(name);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return format.arg(text);
}

struct Command {
    const char* name;
    const char* text;
    QKeySequence keys;
    QKeySequence otherKeys = QKeySequence();
};

// The block commands, in menu order; "Delete" follows them after a separator.
const Command kMoveCommands[] = {
    {"moveUpAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Move Up"), QKeySequence(Qt::CTRL | Qt::Key_Up)},
    {"moveDownAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Move Down"), QKeySequence(Qt::CTRL | Qt::Key_Down)},
    {"moveToTopAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Move to Top"), QKeySequence(Qt::CTRL | Qt::Key_Home)},
    {"moveToBottomAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Move to Bottom"),
     QKeySequence(Qt::CTRL | Qt::Key_End)},
    {"moveToPositionAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Move to Position..."),
     QKeySequence(Qt::CTRL | Qt::Key_G)},
};
// The marks and the name, after the moves. Ctrl+Space leaves Space to picking rows.
const Command kLockCommand = {"lockAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Lock"),
                              QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::Key_Space)};
const Command kSkipCommand = {"skipAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Skip"),
                              QKeySequence(Qt::CTRL | Qt::Key_K)};
const Command kRenameCommand = {"renameAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Rename Channel"),
                                QKeySequence(Qt::Key_F2)};
const Command kDeleteCommand = {"deleteAction", QT_TRANSLATE_NOOP("ChannelListDialog", "Delete"),
                                QKeySequence(Qt::Key_Delete)};

// Whether moving `rows` (sorted) that way would change the order.
bool WouldMove(const std::vector<int>& rows, int rowCount, size_t command) {
    if (rows.empty())
        return false;
    const bool run = rows.back() - rows.front() + 1 == static_cast<int>(rows.size());
    switch (command) {
    case 0: // up
    case 2: // to the top
        return !run || rows.front() > 0;
    case 1: // down
    case 3: // to the bottom
        return !run || rows.back() < rowCount - 1;
    default: // to a position
        return static_cast<int>(rows.size()) < rowCount || !run;
    }
}

} // namespace

void ChannelListDialog::BuildCommands() {
    // The list's keys work while it has the focus; the menu shows them beside its entries.
    const auto listCommand = [this](const Command& command, auto slot) {
        auto* action = new QAction(tr(command.text), view_);
        action->setObjectName(QString::fromLatin1(command.name));
        if (command.otherKeys.isEmpty())
            action->setShortcut(command.keys);
        else
            action->setShortcuts({command.keys, command.otherKeys});
        action->setShortcutContext(Qt::WidgetShortcut);
        view_->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    listCommand(kMoveCommands[0], [this] { MoveSelection(BlockMove::Up); });
    listCommand(kMoveCommands[1], [this] { MoveSelection(BlockMove::Down); });
    listCommand(kMoveCommands[2], [this] { MoveSelection(BlockMove::Top); });
    listCommand(kMoveCommands[3], [this] { MoveSelection(BlockMove::Bottom); });
    listCommand(kMoveCommands[4], [this] { MoveSelectionToPosition(); });
    listCommand(kLockCommand, [this] { ToggleMark(PA_LOCK); });
    listCommand(kSkipCommand, [this] { ToggleMark(PA_SKIP); });
    listCommand(kRenameCommand, [this] { RenameCurrent(); });
    listCommand(kDeleteCommand, [this] { DeleteSelection(); });

    // OK stays an ordinary button: Ctrl+Return accepts from anywhere in the dialog.
    auto* acceptAction = new QAction(tr("OK"), this);
    acceptAction->setObjectName(QStringLiteral("acceptAction"));
    acceptAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addAction(acceptAction);
    connect(acceptAction, &QAction::triggered, this, &ChannelListDialog::accept);
}

void ChannelListDialog::ShowCommand() {
    SyncFavoriteEntries();
    SelectRows(session_.editedRows());
    ShowEdits();
}

// ---- ordering ----

void ChannelListDialog::SortByColumn(int column) {
    view_->CancelDrag();
    session_.SortByColumn(column);
    // Also without a sort: the header's click moved its indicator.
    ShowEdits();
}

void ChannelListDialog::MoveRow(int source, int target) {
    view_->selectionModel()->clearSelection();
    if (session_.MoveRow(source, target))
        ShowCommand();
}

void ChannelListDialog::OnRowDropped(int source, int target) {
    const std::vector<int> rows = view_->draggedRows();
    // Cleared first, so that the selection model need not follow every selected row.
    if (rows.size() > 1)
        view_->selectionModel()->clearSelection();
    if (session_.DropRows(rows, source, target))
        ShowCommand();
    else
        SelectRows(rows);
}

void ChannelListDialog::BeginDrag(int row) {
    view_->BeginDrag(row);
}

void ChannelListDialog::DragMoveTo(const QPoint& viewportPos) {
    view_->DragMoveTo(viewportPos);
}

void ChannelListDialog::DropAt(const QPoint& viewportPos) {
    view_->DropAt(viewportPos);
}

void ChannelListDialog::MoveSelection(BlockMove move) {
    MoveRows(view_->ActedRows(), move);
}

void ChannelListDialog::MoveSelectionToPosition() {
    MoveRowsToPosition(view_->ActedRows());
}

void ChannelListDialog::MoveRows(const std::vector<int>& rows, BlockMove move) {
    view_->CancelDrag();
    view_->selectionModel()->clearSelection();
    if (session_.MoveRows(rows, move))
        ShowCommand();
    else
        SelectRows(rows);
}

void ChannelListDialog::MoveRowsToPosition(const std::vector<int>& rows) {
    view_->CancelDrag();
    if (rows.empty())
        return;
    MoveToPositionDialog ask(RowCount(), rows.front() + 1, this);
    if (ask.exec() != QDialog::Accepted)
        return;
    view_->selectionModel()->clearSelection();
    if (session_.MoveRowsTo(rows, ask.Number() - 1))
        ShowCommand();
    else
        SelectRows(rows);
}

// ---- the context menu ----

void ChannelListDialog::OnContextMenuRequested(int row, const QPoint& globalPos) {
    std::unique_ptr<QMenu> menu = BuildContextMenu(row);
    if (menu)
        menu->exec(globalPos);
}

std::unique_ptr<QMenu> ChannelListDialog::BuildContextMenu(int row) {
    contextRow_ = (row >= 0 && row < RowCount()) ? row : -1;
    menuRows_.clear();
    if (contextRow_ < 0)
        return nullptr;
    const std::vector<int> selected = view_->ActedRows();
    const bool inSelection = std::binary_search(selected.begin(), selected.end(), contextRow_) &&
                             view_->selectionModel()->isRowSelected(contextRow_, QModelIndex());
    menuRows_ = inSelection ? selected : std::vector<int>{contextRow_};
    const std::vector<int> rows = menuRows_;

    // An entry is enabled when it would change at least one of the rows.
    uint8_t anyIn = 0;
    uint8_t anyOut = 0;
    for (const int r : rows) {
        const uint8_t mask = session_.FavoriteMask(RowValue(r));
        anyIn |= mask;
        anyOut |= static_cast<uint8_t>(~mask);
    }
    const int groupCount = session_.FavoriteGroupCount();
    const std::vector<FavoriteGroup>& groups = session_.workingGroups();
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("favoriteMenu"));
    for (int i = 0; i < groupCount; ++i) {
        QAction* add = menu->addAction(MenuText(tr("Add to %1"), groups[static_cast<size_t>(i)].name));
        add->setData(ID_ADD_TO_FAVORITE + i);
        add->setEnabled((anyOut & (1u << i)) != 0);
        connect(add, &QAction::triggered, this, [this, i] { AddToFavorite(i); });
    }
    menu->addSeparator();
    for (int i = 0; i < groupCount; ++i) {
        QAction* remove = menu->addAction(MenuText(tr("Remove from %1"), groups[static_cast<size_t>(i)].name));
        remove->setData(ID_REMOVE_FROM_FAVORITE + i);
        remove->setEnabled((anyIn & (1u << i)) != 0);
        connect(remove, &QAction::triggered, this, [this, i] { RemoveFromFavorite(i); });
    }

    menu->addSeparator();
    const auto entry = [this, &menu](const Command& command, bool enabled, auto slot) {
        QAction* action = menu->addAction(tr(command.text));
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.keys);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const BlockMove moves[] = {BlockMove::Up, BlockMove::Down, BlockMove::Top, BlockMove::Bottom};
    for (size_t k = 0; k < std::size(moves); ++k) {
        entry(kMoveCommands[k], WouldMove(rows, RowCount(), k),
              [this, rows, move = moves[k]] { MoveRows(rows, move); });
    }
    entry(kMoveCommands[4], WouldMove(rows, RowCount(), 4), [this, rows] { MoveRowsToPosition(rows); });
    menu->addSeparator();
    for (const auto& [command, mark] : {std::pair{&kLockCommand, PA_LOCK}, std::pair{&kSkipCommand, PA_SKIP}}) {
        QAction* action = entry(*command, true, [this, rows, mark = mark] { ToggleMarkOfRows(rows, mark); });
        action->setCheckable(true);
        action->setChecked(session_.AllRowsMarked(rows, mark));
    }
    const int renamed = contextRow_;
    entry(kRenameCommand, true, [this, renamed] {
        view_->selectionModel()->setCurrentIndex(model_->index(renamed, 0), QItemSelectionModel::NoUpdate);
        RenameCurrent();
    });
    menu->addSeparator();
    entry(kDeleteCommand, true, [this, rows] { DeleteRows(rows); });
    return menu;
}

void ChannelListDialog::AddToFavorite(int group) {
    if (session_.AddRowsToFavorite(group, menuRows_))
        ShowCommand();
}

void ChannelListDialog::RemoveFromFavorite(int group) {
    const int rowsBefore = RowCount();
    if (!session_.RemoveRowsFromFavorite(group, menuRows_))
        return;
    if (RowCount() != rowsBefore) {
        contextRow_ = -1; // its row left the group shown
        menuRows_.clear();
    }
    ShowCommand();
}

// ---- marks and channel names ----

void ChannelListDialog::ToggleMark(uint8_t mark) {
    ToggleMarkOfRows(view_->ActedRows(), mark);
}

void ChannelListDialog::ToggleMarkOfRows(const std::vector<int>& rows, uint8_t mark) {
    view_->CancelDrag();
    if (session_.ToggleRowsMark(rows, mark))
        ShowCommand();
}

void ChannelListDialog::OnMarkClicked(int row, uint8_t mark) {
    const bool inSelection = view_->selectionModel()->isRowSelected(row, QModelIndex());
    ToggleMarkOfRows(inSelection ? view_->ActedRows() : std::vector<int>{row}, mark);
}

void ChannelListDialog::RenameCurrent() {
    view_->CancelDrag();
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex name = model_->index(current.row(), ViewColumn(COLUMN_NAME));
    view_->scrollTo(name);
    view_->edit(name);
}

void ChannelListDialog::OnNameEdited(int row, const QString& name) {
    // The name box refuses what a name cannot hold; this is only the last guard.
    if (name.size() > static_cast<qsizetype>(MAX_NAME_BYTES) ||
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return;
    const QByteArray bytes = name.toLatin1();
    if (session_.RenameRow(row, std::string(bytes.constData(), static_cast<size_t>(bytes.size()))))
        ShowCommand();
}

// ---- deletion ----

void ChannelListDialog::DeleteSelection() {
    DeleteRows(view_->ActedRows());
}

void ChannelListDialog::DeleteRows(const std::vector<int>& rows) {
    view_->CancelDrag();
    if (rows.empty())
        return;
    // Leaving a favorite group is undone at once; programs go from the database at OK.
    if (session_.groupKind() != GROUP_FAVORITE) {
        const QString question =
            rows.size() == 1 ? tr("Delete 1 channel?") : tr("Delete %1 channels?").arg(rows.size());
        if (MessageBox::YesNoQuestion(this, question) != MessageBox::Yes)
            return;
    }
    view_->selectionModel()->clearSelection();
    menuRows_.clear();
    contextRow_ = -1;
    if (session_.DeleteRows(rows))
        ShowCommand();
}

// ---- the dialog's own history ----

void ChannelListDialog::Undo() {
    view_->CancelDrag();
    if (session_.Undo())
        ShowRestored(session_.editedRows());
}

void ChannelListDialog::Redo() {
    view_->CancelDrag();
    if (session_.Redo())
        ShowRestored(session_.editedRows());
}
