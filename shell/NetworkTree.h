// The tree that shows a NetworkDatabase as satellites, their transponders and the transponders'
// programs, and reports every change of the selected item. The tree owns no records: each item
// points at its record and the record's treeItem points at the item. While it shows a database it
// listens to the database's changes and follows each one, made, undone or redone: items come,
// go, move and take new labels, the expanded items stay expanded, and when the selected item goes
// the selection moves (with one notification) to the next sibling of the highest item above it
// that went, else to that item's parent, else to its previous sibling.
#pragma once

#include "database/DatabaseEdit.h"
#include "database/Records.h"
#include "shell/NetworkTreeModel.h"

#include <QString>
#include <QTreeView>

#include <vector>

class NetworkDatabase;
class QMouseEvent;

// What Find looks for: the text anywhere in a name, without regard to case; a whole number also
// finds the programs with that service ID and the transponders on that frequency in MHz, and a
// frequency written in GHz ("11.836") the transponders on it.
struct FindQuery {
    QString text;
    long number = -1;    // service ID or frequency in MHz; -1 for none
    long frequency = -1; // MHz, from a text in GHz; -1 for none
    static FindQuery From(const QString& text);
    bool Empty() const { return text.isEmpty(); }
};

// Where the selected item stands among the items a query finds, in the order the tree shows them.
struct FindPosition {
    int count = 0;                     // the items found
    int position = 0;                  // 1-based place of the selected item among them; 0 when it is none of them
    TreeItemHandle next = nullptr;     // the first found after the selected item, else the first of all
    TreeItemHandle previous = nullptr; // the last found before it, else the last of all
};

class NetworkTree : public QTreeView, public ChangeListener {
    Q_OBJECT

public:
    explicit NetworkTree(QWidget* parent = nullptr);
    ~NetworkTree() override;

    // Detaches and empties the tree and clears the records' treeItem; nothing when already detached.
    // Call it while the records of the database shown still exist, before they change, and before
    // the tree goes when the database outlives it.
    void ClearTree();
    // Shows the database, follows its changes from now on, and selects the first satellite (which
    // notifies).
    void FillTree(NetworkDatabase& database);

    void OnChanged(const DatabaseEdit& edit, ChangeDirection direction) override;

    // Selects the item (expanding its parents and scrolling it into view), or clears the selection
    // for null. Notifies when the selected item changes.
    void SelectItem(TreeItemHandle item);
    TreeItemHandle SelectedItem() const { return selected_; }

    // The networks and transponders whose items are expanded, and expanding the items of such
    // records again after the tree was filled anew.
    std::vector<const void*> ExpandedRecords() const;
    void ExpandRecords(const std::vector<const void*>& records);

    // The database shown, null while detached.
    NetworkDatabase* Database() const { return model_->Database(); }

    // Navigation. A null item in ChildCount and ChildAt stands for the top level.
    TreeItemHandle FirstRootItem() const;
    TreeItemHandle ParentOf(TreeItemHandle item) const;
    int ChildCount(TreeItemHandle item) const;
    TreeItemHandle ChildAt(TreeItemHandle item, int row) const;
    TreeItemHandle NextSiblingOf(TreeItemHandle item) const;
    TreeItemHandle PreviousSiblingOf(TreeItemHandle item) const;

    // What an item shows. LEVEL_NONE, null and an empty text for a null item.
    TreeLevel LevelOf(TreeItemHandle item) const;
    void* RecordOf(TreeItemHandle item) const;
    Network* NetworkOf(TreeItemHandle item) const;         // null unless a network item
    Transponder* TransponderOf(TreeItemHandle item) const; // null unless a transponder item
    Program* ProgramOf(TreeItemHandle item) const;         // null unless a program item
    QString LabelOf(TreeItemHandle item) const;

    QModelIndex IndexOf(TreeItemHandle item) const;
    NetworkTreeModel* TreeModel() const { return model_; }

    // ---- several items at once ----

    // The selected item and the items selected with it (Ctrl or Shift with a click or the arrow
    // keys, Ctrl+A for its siblings), which are always of its level; a satellite is selected alone.
    std::vector<TreeItemHandle> SelectedItems() const;
    int SelectionCount() const { return selectionCount_; }

    // ---- find and filter ----

    bool Matches(TreeItemHandle item, const FindQuery& query) const;
    FindPosition Locate(const FindQuery& query) const;
    // Shows only the items that match, the items above them and the items below them, and opens
    // the satellites and transponders that lead to them; an empty query shows every item again,
    // opened as before. The selected item always stays in view. New items show until the next call.
    void SetFilter(const FindQuery& query);
    bool IsFiltered() const { return !filter_.Empty(); }
    // The item and every item above it are shown (not hidden by the filter).
    bool IsShown(TreeItemHandle item) const;

signals:
    // The selected item changed; null when no item remains selected.
    void selectionChanged(TreeItemHandle newItem);
    // The number of selected items changed.
    void selectionCountChanged(int count);
    // The Delete key was pressed on the tree.
    void deleteRequested();

public slots:
    // Ctrl+A: the siblings of the selected program or transponder that are shown.
    void selectAll() override;

protected:
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The node of a handle; null for null.
    static TreeNode* Node(TreeItemHandle item) { return static_cast<TreeNode*>(item); }
    // Puts Qt's current index and selection on the selected item without notifying.
    void SyncView();
    // Keeps the selection to the selected item's level, with the selected item in it.
    void NormalizeSelection();
    // The nodes of the selected rows, each once; kept until the selection or the tree changes.
    const std::vector<TreeNode*>& SelectedNodes() const;
    void UpdateSelectionCount();
    void ApplyFilter();
    // Shows the item and the items above it, should the filter hide them.
    void Reveal(const TreeNode* node);

    NetworkTreeModel* model_;
    TreeNode* selected_ = nullptr;
    int quiet_ = 0; // while non-zero, Qt's own current-index changes are not reported
    int notifying_ = 0;
    bool selectionPutBack_ = false; // a receiver of the last notification selected the item before again
    bool extending_ = false;        // a Shift+click or Shift+move is under way
    int selectionCount_ = 0;
    mutable std::vector<TreeNode*> selectedNodes_;
    mutable bool selectedValid_ = false;
    FindQuery filter_;
    bool expansionSaved_ = false;
    std::vector<const void*> expansionBeforeFilter_;
};
