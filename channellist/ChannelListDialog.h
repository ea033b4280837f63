// The modal "Channel List" dialog: shows the channel order one service type and one group at a
// time, reorders it by sorting and drag and drop, edits favorite membership and the favorite group
// names. All edits go to working copies; OK writes them back to the database, Cancel drops them.
#pragma once

#include "database/NetworkDatabase.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ChannelListModel;
class ChannelListView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;

// Bits of changeFlags().
constexpr uint32_t CHANGED_ORDER = 1;
constexpr uint32_t CHANGED_FAVORITES = 2;
constexpr uint32_t CHANGED_NAMES = 4;

// Kinds of the "Channel Group" entries; an entry's tag is groupIndex * 256 + groupKind.
constexpr uint8_t GROUP_ALL = 0;
constexpr uint8_t GROUP_NETWORK = 1;
constexpr uint8_t GROUP_FAVORITE = 2;


// Command ids of the context menu items, kept as the actions' data.
constexpr int ID_ADD_TO_FAVORITE = 32791;      // + group index
constexpr int ID_REMOVE_FROM_FAVORITE = 32799; // + group index

class ChannelListDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChannelListDialog(NetworkDatabase& database, QWidget* parent = nullptr);
    ~ChannelListDialog() override;

    uint32_t changeFlags() const { return changeFlags_; }

    // ---- state, for the view and for tests ----
    uint8_t currentTab() const { return currentTab_; }
    uint8_t groupKind() const { return groupKind_; }
    uint8_t groupIndex() const { return groupIndex_; }
    int32_t sortState() const { return sortState_; }
    bool orderDirty() const { return orderDirty_; }
    int contextRow() const { return contextRow_; }
    int dragSource() const { return dragSource_; }
    int dropRow() const { return dropRow_; }
    // The working channel order: positions in the programs table as it was at opening.
    const std::vector<uint32_t>& workingOrder() const { return workingOrder_; }
    // Working copies of the offered favorite groups (at most eight).
    const std::vector<FavoriteGroup>& workingGroups() const { return workingGroups_; }
    int FavoriteGroupCount() const { return static_cast<int>(workingGroups_.size()); }

    int RowCount() const;
    // A row's value: its program's position in the programs table as it was at opening (for a
    // favorite group, the list entry itself).
    uint32_t RowValue(int row) const;
    const Program& RowProgram(int row) const;
    QString CellText(int row, int column) const;
    // The favorite group names of the program's favoriteMask bits, "/" between them.
    QString FavoriteText(const Program& program) const;
    static QString HelpText();

    // ---- list ----
    void FillList();
    void StoreRowOrder();
    void UpdateCountLabel();
    void MarkChanged(uint32_t flags);

    // ---- ordering ----
    // A click on a column header.
    void SortByColumn(int column);
    // Negative when the row value a goes before b under the current sortState.
    int CompareRows(uint32_t a, uint32_t b) const;
    // Moves row source to the index of row target (as it was before the move).
    void MoveRow(int source, int target);

    // The drag, as the list's mouse handling runs it. Positions are in the list's viewport.
    void BeginDrag(int row, const QPoint& pressPos = QPoint(-1, -1));
    void DragMoveTo(const QPoint& viewportPos);
    void DropAt(const QPoint& viewportPos);
    // Ends a drag without moving anything (Escape, lost mouse capture).
    void CancelDrag();
    bool IsDragging() const { return dragImage_ != nullptr; }
    const QLabel* dragImage() const { return dragImage_; }

    // ---- favorites ----
    // Sets contextRow and builds the right-click menu for it; null when there is no such row or no
    // group to offer. The right-click handler shows the returned menu.
    std::unique_ptr<QMenu> BuildContextMenu(int row);
    void AddToFavorite(int group);
    void RemoveFromFavorite(int group);

    // ---- names ----
    // The "Rename" button: runs the names dialog and applies its strings after OK.
    void RenameGroups();
    // Takes new names for the offered groups (extra strings are ignored) and updates every place
    // that shows them.
    void ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names);

    // ---- search, help ----
    void Search();
    void ShowHelp();

public slots:
    // OK: writes the edits back, then closes.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildWidgets();
    int ColumnWidth(int column) const;
    void BuildGroupList();
    void OnGroupChanged(int entry);
    void OnTabChanged(int tab);
    void OnContextMenuRequested(const QPoint& viewportPos);
    void WriteBack();
    // Whether the program passes the row filter of the shown tab and group (not for favorite groups).
    bool IsShown(uint32_t programIndex) const;
    std::vector<uint16_t>& TabList(FavoriteGroup& group);
    int GroupEntryOf(int group) const;
    void InsertGroupEntry(int group);
    void RemoveGroupEntry(int group);
    uint32_t ReorderFlag() const;

    NetworkDatabase& database_;
    std::vector<uint32_t> workingOrder_;
    std::vector<FavoriteGroup> workingGroups_;
    std::vector<int> programNetwork_; // network index per program, -1 for none
    uint8_t currentTab_ = 0;
    uint8_t groupKind_ = GROUP_ALL;
    uint8_t groupIndex_ = 0;
    bool orderDirty_ = false;
    uint32_t changeFlags_ = 0;
    int32_t sortState_ = -1;
    QLabel* dragImage_ = nullptr;
    QPoint dragHotSpot_;
    int dragSource_ = -1;
    int dropRow_ = -1;
    int contextRow_ = -1;
    bool updatingControls_ = false;

    ChannelListModel* model_ = nullptr;
    ChannelListView* view_ = nullptr;
    QComboBox* groupList_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QLabel* countLabel_ = nullptr;
};
