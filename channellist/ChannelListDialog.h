// The modal "Channel List" dialog: shows the channel order one service type and one group at a
// time, reorders it by sorting, drag and drop and block moves, edits favorite membership and the
// favorite group names, and deletes channels. The edits go to a ChannelListSession, one undo step
// each; OK writes them back to the database, Cancel drops them.
#pragma once

#include "channellist/ChannelListSession.h"
#include "database/NetworkDatabase.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class ChannelListModel;
class ChannelListView;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabBar;

// Command ids of the context menu items, kept as the actions' data.
constexpr int ID_ADD_TO_FAVORITE = 32791;      // + group index
constexpr int ID_REMOVE_FROM_FAVORITE = 32799; // + group index

class ChannelListDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChannelListDialog(NetworkDatabase& database, QWidget* parent = nullptr);
    ~ChannelListDialog() override;

    const ChannelListSession& session() const { return session_; }
    uint32_t changeFlags() const { return session_.changeFlags(); }
    // OK would write something: the edits differ from the database.
    bool HoldsChanges() { return session_.NetChanges() != 0; }
    // The user closed the dialog and discarded its changes; SessionState() then holds them.
    bool Discarded() const { return discarded_; }
    const ChannelListState& SessionState() const { return session_.state(); }
    // Opens on a session that SessionState() gave out when it was discarded, the database unchanged
    // since: its order, groups and changes come back, with no undo history.
    void RestoreSession(ChannelListState state);
    uint8_t currentTab() const { return session_.currentTab(); }
    uint8_t groupKind() const { return session_.groupKind(); }
    uint8_t groupIndex() const { return session_.groupIndex(); }
    int contextRow() const { return contextRow_; }

    int RowCount() const { return session_.RowCount(); }
    // A row's value: its program's position in the programs table as it was at opening (for a
    // favorite group, the list entry itself).
    uint32_t RowValue(int row) const { return session_.RowValue(row); }
    const Program& RowProgram(int row) const { return session_.RowProgram(row); }
    QString CellText(int row, int column) const;
    static QString HelpText();
    // The paragraph that "How to use..." shows after HelpText: where the rest is described.
    static QString GuidePointer();

    // ---- ordering ----
    // A click on the header of a session column.
    void SortByColumn(int column);
    // Moves row source to the index of row target (as it was before the move), selected there.
    void MoveRow(int source, int target);
    // The selected rows (the current row when none is selected) as a block: Ctrl+Up, Ctrl+Down,
    // Ctrl+Home, Ctrl+End and the menu; then selected, the first scrolled into view.
    void MoveSelection(ChannelListSession::BlockMove move);
    // Ctrl+G, "Move to Position...": asks for the number the block's first row is to get.
    void MoveSelectionToPosition();
    // A drag of the list, for scripted runs; the list runs it from the mouse. Positions are in
    // the list's viewport.
    void BeginDrag(int row);
    void DragMoveTo(const QPoint& viewportPos);
    void DropAt(const QPoint& viewportPos);

    // ---- favorites and deletion ----
    // Sets contextRow and builds the right-click menu for the rows it acts on: the selection when
    // the row is selected, else the row alone. Null when there is no such row. The right-click
    // handler shows the returned menu.
    std::unique_ptr<QMenu> BuildContextMenu(int row);
    // The menu's commands, for the rows the last menu was built for.
    void AddToFavorite(int group);
    void RemoveFromFavorite(int group);
    // The Delete key and the menu's "Delete": the selected rows leave the favorite group shown,
    // or, asked first, their programs are deleted.
    void DeleteSelection();

    // ---- marks and channel names ----
    // Ctrl+L (or Ctrl+Space), Ctrl+K and the menu: sets PA_LOCK or PA_SKIP on the selected rows
    // (the current row when none is selected), or clears it when every one of them has it.
    void ToggleMark(uint8_t mark);
    // F2 and the menu: the current row's name is typed in place; Enter keeps it, Escape drops it.
    void RenameCurrent();

    // ---- names ----
    // The "Rename" button: runs the names dialog and applies its strings after OK.
    void RenameGroups();
    // Takes new names for the offered groups (extra strings are ignored) and updates every place
    // that shows them.
    void ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names);

    // ---- the dialog's own history ----
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), and the two buttons beside the tabs.
    void Undo();
    void Redo();

    // ---- search, help ----
    void Search();
    void ShowHelp();

public slots:
    // OK: writes the edits back, then closes.
    void accept() override;
    // Cancel, Escape and the close box: asks before changes are thrown away.
    void reject() override;

private:
    void BuildWidgets();
    void BuildGroupList();
    void OnGroupChanged(int entry);
    void OnTabChanged(int tab);
    void BuildCommands();
    void OnContextMenuRequested(int row, const QPoint& globalPos);
    void OnRowDropped(int source, int target);
    // A click on the "Lock" or "Skip" box of a row: acts on the selection when the row is in it,
    // else on the row alone.
    void OnMarkClicked(int row, uint8_t mark);
    void OnNameEdited(int row, const QString& name);
    void ToggleMarkOfRows(const std::vector<int>& rows, uint8_t mark);
    // The rows of the last command are selected; the title, count and history follow.
    void ShowCommand();
    // Deletes `rows` after asking where programs would go.
    void DeleteRows(const std::vector<int>& rows);
    void MoveRows(const std::vector<int>& rows, ChannelListSession::BlockMove move);
    void MoveRowsToPosition(const std::vector<int>& rows);
    // Shows the session's change flags in the title, its row count in the count label, its sort in
    // the header, and what can be undone.
    void ShowEdits();
    // "%1 channels", or "%1 of %2 selected" while more than one row is selected.
    void UpdateCountLabel();
    // After an undo or redo: the controls show the restored group and tab, and `rows` are selected.
    void ShowRestored(const std::vector<int>& rows);
    // Selects the rows, makes the first of them current and scrolls it into view.
    void SelectRows(const std::vector<int>& rows);
    // The favorite entries of the group list show the working names.
    void RefreshGroupNames();
    // Lists exactly the favorite groups that have entries, in group order after the networks.
    void SyncFavoriteEntries();

    ChannelListSession session_;
    int contextRow_ = -1;
    std::vector<int> menuRows_; // what the last context menu acts on
    bool updatingControls_ = false;
    bool discarded_ = false;

    ChannelListModel* model_ = nullptr;
    ChannelListView* view_ = nullptr;
    QComboBox* groupList_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};
