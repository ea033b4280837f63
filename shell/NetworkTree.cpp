#include "shell/NetworkTree.h"

#include "database/NetworkDatabase.h"
#include "ui/LeftToRightItemDelegate.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>
#include <unordered_set>

namespace {

constexpr QItemSelectionModel::SelectionFlags kSelectRow =
    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;

class QuietScope {
public:
    explicit QuietScope(int& counter) : counter_(counter) { ++counter_; }
    ~QuietScope() { --counter_; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& counter_;
};

// Levels from ancestor down to node: 0 for the node itself, -1 when node is not below ancestor.
int DepthBelow(const TreeNode* node, const TreeNode* ancestor) {
    int depth = 0;
    for (const TreeNode* n = node; n; n = n->parent, ++depth)
        if (n == ancestor)
            return depth;
    return -1;
}

TreeNode* SiblingAt(const TreeNode* node, int offset) {
    if (!node || !node->parent)
        return nullptr;
    const auto& siblings = node->parent->children;
    const int row = node->row + offset;
    if (row < 0 || row >= static_cast<int>(siblings.size()))
        return nullptr;
    return siblings[static_cast<size_t>(row)].get();
}

// Row for a new child of parent. A hint that is a child of parent is honoured; any other hint but
// LAST_ITEM (null, say, when the record before which the caller inserted has no item) is replaced
// by the row before the next record of the collection that has an item under the same parent.
template <typename Record>
int InsertionRow(const TreeNode* parent, TreeItemHandle hint, const std::vector<std::unique_ptr<Record>>& records,
                 const Record& record) {
    const int last = static_cast<int>(parent->children.size());
    if (hint == LAST_ITEM)
        return last;
    // The hint is compared, never dereferenced: a stale handle must not be read. From the back, so
    // that a run of insertions before the same sibling looks only at the items behind it.
    if (hint) {
        for (auto child = parent->children.rbegin(); child != parent->children.rend(); ++child)
            if (child->get() == hint)
                return (*child)->row;
    }
    auto it = std::find_if(records.begin(), records.end(), [&record](const auto& r) { return r.get() == &record; });
    if (it == records.end())
        return last;
    for (++it; it != records.end(); ++it) {
        if (!*it || !(*it)->treeItem)
            continue;
        const auto* node = static_cast<const TreeNode*>((*it)->treeItem);
        if (node->parent == parent)
            return node->row;
    }
    return last;
}

} // namespace

NetworkTree::NetworkTree(QWidget* parent) : QTreeView(parent), model_(new NetworkTreeModel(this)) {
    setObjectName(QStringLiteral("networkTree"));
    setModel(model_);
    setItemDelegate(new LeftToRightItemDelegate(this));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setUniformRowHeights(true);
    setAnimated(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(false);

    // The selected record is what the form beside the tree shows, so its item stays marked while the
    // focus is in the form.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight, colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
}

// The records may be gone already (the database can be destroyed before the tree), so the nodes
// are freed without touching them.
NetworkTree::~NetworkTree() = default;

void NetworkTree::ClearTree() {
    if (!model_->Database())
        return;
    model_->Database()->RemoveChangeListener(this);
    const bool hadSelection = selected_ != nullptr;
    {
        QuietScope quiet(quiet_);
        selected_ = nullptr;
        model_->Clear();
        SyncView();
    }
    if (hadSelection)
        emit selectionChanged(nullptr);
}

void NetworkTree::FillTree(NetworkDatabase& database) {
    ClearTree();
    {
        QuietScope quiet(quiet_);
        selected_ = nullptr;
        model_->Build(database);
        SyncView();
    }
    database.AddChangeListener(this);
    if (TreeItemHandle first = FirstRootItem())
        SelectItem(first);
}

void NetworkTree::OnChanged(const DatabaseEdit& edit, ChangeDirection) {
    TreeNode* standIn;
    bool moved;
    {
        QuietScope quiet(quiet_);
        standIn = model_->Follow(edit, selected_);
        moved = standIn != selected_;
        if (moved)
            selected_ = nullptr;
        if (model_->HasRemoved()) {
            // Lays the view out again now, so that it holds no index of the removed nodes when they go.
            executeDelayedItemsLayout();
            model_->FreeRemoved();
        }
        SyncView();
    }
    if (!moved)
        return;
    if (standIn)
        SelectItem(standIn);
    else
        emit selectionChanged(nullptr);
}

TreeItemHandle NetworkTree::InsertNetworkItem(Network& network) {
    if (!model_->Database())
        return nullptr;
    TreeNode* node;
    {
        QuietScope quiet(quiet_);
        node = model_->InsertNode(model_->Root(), static_cast<int>(model_->Root()->children.size()), LEVEL_NETWORK,
                                  &network, NetworkTreeModel::NameLabel(network.name));
    }
    network.treeItem = node;
    return node;
}

TreeItemHandle NetworkTree::InsertTransponderItem(Transponder& transponder, TreeItemHandle hint) {
    NetworkDatabase* database = model_->Database();
    if (!database || transponder.networkIndex >= database->networks().size())
        return nullptr;
    const Network* network = database->networks()[transponder.networkIndex].get();
    if (!network || !network->treeItem)
        return nullptr;
    TreeNode* parent = Node(network->treeItem);
    TreeNode* node;
    {
        QuietScope quiet(quiet_);
        node = model_->InsertNode(parent, InsertionRow(parent, hint, database->transponders(), transponder),
                                  LEVEL_TRANSPONDER, &transponder, model_->TransponderLabel(transponder));
    }
    transponder.treeItem = node;
    return node;
}

TreeItemHandle NetworkTree::InsertProgramItem(Program& program, TreeItemHandle hint) {
    NetworkDatabase* database = model_->Database();
    if (!database || program.transponderIndex >= database->transponders().size())
        return nullptr;
    const Transponder* transponder = database->transponders()[program.transponderIndex].get();
    if (!transponder || !transponder->treeItem)
        return nullptr;
    TreeNode* parent = Node(transponder->treeItem);
    TreeNode* node;
    {
        QuietScope quiet(quiet_);
        node = model_->InsertNode(parent, InsertionRow(parent, hint, database->programs(), program), LEVEL_PROGRAM,
                                  &program, NetworkTreeModel::NameLabel(program.name));
    }
    program.treeItem = node;
    return node;
}

void NetworkTree::SetNameLabel(TreeItemHandle item, const Network& network) {
    model_->SetLabel(Node(item), NetworkTreeModel::NameLabel(network.name));
}

void NetworkTree::SetNameLabel(TreeItemHandle item, const Program& program) {
    model_->SetLabel(Node(item), NetworkTreeModel::NameLabel(program.name));
}

void NetworkTree::SetTransponderLabel(TreeItemHandle item, const Transponder& transponder) {
    model_->SetLabel(Node(item), model_->TransponderLabel(transponder));
}

void NetworkTree::DeleteItem(TreeItemHandle item) {
    TreeNode* node = Node(item);
    if (!node || !node->parent)
        return;
    TreeNode* parent = node->parent;
    // Where a tree that deletes the items one by one leaves the selection.
    TreeNode* target = SiblingAt(node, 1);
    if (!target)
        target = parent != model_->Root() ? parent : SiblingAt(node, -1);
    MoveSelectionOff(node, 0, target);
    {
        QuietScope quiet(quiet_);
        model_->RemoveChildren(parent, node->row, 1);
    }
    SyncView();
}

void NetworkTree::DeleteChildren(TreeItemHandle item) {
    TreeNode* node = Node(item);
    if (!node || node->children.empty())
        return;
    MoveSelectionOff(node, 1, node);
    {
        QuietScope quiet(quiet_);
        model_->RemoveChildren(node, 0, static_cast<int>(node->children.size()));
    }
    SyncView();
}

void NetworkTree::DeleteGrandchildren(TreeItemHandle item) {
    TreeNode* node = Node(item);
    if (!node)
        return;
    if (DepthBelow(selected_, node) >= 2) {
        TreeNode* child = selected_;
        while (child->parent != node)
            child = child->parent;
        MoveSelectionOff(node, 2, child);
    }
    {
        QuietScope quiet(quiet_);
        const auto removed = model_->RemoveGrandchildren(node);
        // Lays the view out again now, so that it holds no index of the removed nodes when they go.
        if (!removed.empty())
            executeDelayedItemsLayout();
    }
    SyncView();
}

void NetworkTree::MoveSelectionOff(const TreeNode* scope, int minDepth, TreeNode* target) {
    if (DepthBelow(selected_, scope) < minDepth)
        return;
    SelectItem(target);
    if (DepthBelow(selected_, scope) >= minDepth) {
        // A receiver of the notification selected an item about to go; the selection cannot stay there.
        QuietScope quiet(quiet_);
        selected_ = target;
        SyncView();
    }
}

void NetworkTree::SelectItem(TreeItemHandle item) {
    TreeNode* node = Node(item);
    if (node == model_->Root())
        node = nullptr;
    const bool changed = node != selected_;
    selected_ = node;
    if (node) {
        for (TreeNode* ancestor = node->parent; ancestor && ancestor != model_->Root(); ancestor = ancestor->parent)
            expand(model_->IndexOf(ancestor));
    }
    SyncView();
    if (node)
        scrollTo(model_->IndexOf(node));
    if (changed)
        emit selectionChanged(node);
}

void NetworkTree::SyncView() {
    QItemSelectionModel* selection = selectionModel();
    if (!selection)
        return;
    QuietScope quiet(quiet_);
    const QModelIndex index = model_->IndexOf(selected_);
    if (!index.isValid()) {
        selection->clearSelection();
        selection->clearCurrentIndex();
        return;
    }
    selection->setCurrentIndex(index, kSelectRow);
}

TreeItemHandle NetworkTree::FirstRootItem() const {
    return ChildAt(nullptr, 0);
}

TreeItemHandle NetworkTree::ParentOf(TreeItemHandle item) const {
    const TreeNode* node = Node(item);
    if (!node || node->parent == model_->Root())
        return nullptr;
    return node->parent;
}

int NetworkTree::ChildCount(TreeItemHandle item) const {
    const TreeNode* node = item ? Node(item) : model_->Root();
    return node ? static_cast<int>(node->children.size()) : 0;
}

TreeItemHandle NetworkTree::ChildAt(TreeItemHandle item, int row) const {
    const TreeNode* node = item ? Node(item) : model_->Root();
    if (!node || row < 0 || row >= static_cast<int>(node->children.size()))
        return nullptr;
    return node->children[static_cast<size_t>(row)].get();
}

TreeItemHandle NetworkTree::NextSiblingOf(TreeItemHandle item) const {
    return SiblingAt(Node(item), 1);
}

TreeItemHandle NetworkTree::PreviousSiblingOf(TreeItemHandle item) const {
    return SiblingAt(Node(item), -1);
}

TreeLevel NetworkTree::LevelOf(TreeItemHandle item) const {
    const TreeNode* node = Node(item);
    return node ? node->level : LEVEL_NONE;
}

void* NetworkTree::RecordOf(TreeItemHandle item) const {
    const TreeNode* node = Node(item);
    return node ? node->record : nullptr;
}

Network* NetworkTree::NetworkOf(TreeItemHandle item) const {
    return LevelOf(item) == LEVEL_NETWORK ? static_cast<Network*>(RecordOf(item)) : nullptr;
}

Transponder* NetworkTree::TransponderOf(TreeItemHandle item) const {
    return LevelOf(item) == LEVEL_TRANSPONDER ? static_cast<Transponder*>(RecordOf(item)) : nullptr;
}

Program* NetworkTree::ProgramOf(TreeItemHandle item) const {
    return LevelOf(item) == LEVEL_PROGRAM ? static_cast<Program*>(RecordOf(item)) : nullptr;
}

QString NetworkTree::LabelOf(TreeItemHandle item) const {
    const TreeNode* node = Node(item);
    return node ? node->label : QString();
}

QModelIndex NetworkTree::IndexOf(TreeItemHandle item) const {
    return model_->IndexOf(Node(item));
}

QItemSelectionModel::SelectionFlags NetworkTree::selectionCommand(const QModelIndex& index, const QEvent* event) const {
    // One item is always the selected one: no deselecting with Ctrl, no selecting by dragging.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (event && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove))
        return QItemSelectionModel::NoUpdate;
    return kSelectRow;
}

void NetworkTree::setSelection(const QRect&, QItemSelectionModel::SelectionFlags command) {
    // A mouse press makes the clicked item current first; a receiver of that notification may have
    // put the selection back, so the selection follows the current item, not the click position.
    if (command == QItemSelectionModel::NoUpdate)
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid())
        selectionModel()->select(current, kSelectRow);
}

void NetworkTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (quiet_)
        return;
    TreeNode* node = model_->NodeOf(current);
    if (node && !selectionModel()->isSelected(current)) {
        // Qt makes an item current without selecting it on a mouse press or when the focus arrives.
        QuietScope quiet(quiet_);
        selectionModel()->select(current, kSelectRow);
    }
    if (node == selected_)
        return;
    selected_ = node;
    emit selectionChanged(node);
}

void NetworkTree::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        event->accept();
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

std::vector<const void*> NetworkTree::ExpandedRecords() const {
    std::vector<const void*> records;
    const int networks = ChildCount(nullptr);
    for (int n = 0; n < networks; ++n) {
        TreeItemHandle network = ChildAt(nullptr, n);
        if (!isExpanded(IndexOf(network)))
            continue;
        records.push_back(RecordOf(network));
        const int transponders = ChildCount(network);
        for (int t = 0; t < transponders; ++t) {
            TreeItemHandle transponder = ChildAt(network, t);
            if (isExpanded(IndexOf(transponder)))
                records.push_back(RecordOf(transponder));
        }
    }
    return records;
}

void NetworkTree::ExpandRecords(const std::vector<const void*>& records) {
    // Records are found by address: networks and transponders carry their items.
    NetworkDatabase* database = Database();
    if (!database || records.empty())
        return;
    std::unordered_set<const void*> wanted(records.begin(), records.end());
    for (const auto& network : database->networks()) {
        if (network->treeItem && wanted.count(network.get()))
            expand(IndexOf(network->treeItem));
    }
    for (const auto& transponder : database->transponders()) {
        if (transponder->treeItem && wanted.count(transponder.get()))
            expand(IndexOf(transponder->treeItem));
    }
}
