#include "shell/NetworkTree.h"

#include "database/NetworkDatabase.h"
#include "ui/LeftToRightItemDelegate.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QStyleOptionViewItem>

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

TreeNode* SiblingAt(const TreeNode* node, int offset) {
    if (!node || !node->parent)
        return nullptr;
    const auto& siblings = node->parent->children;
    const int row = node->row + offset;
    if (row < 0 || row >= static_cast<int>(siblings.size()))
        return nullptr;
    return siblings[static_cast<size_t>(row)].get();
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
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(false);
    // A program's marks stand in a column of their own at the right edge.
    setIconSize(QSize(MARK_COUNT * (MARK_SIZE + MARK_GAP) - MARK_GAP, MARK_SIZE));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &NetworkTree::UpdateSelectionCount);

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
    selectedValid_ = false;
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
    selectedValid_ = false;
    {
        QuietScope quiet(quiet_);
        selected_ = nullptr;
        model_->Build(database);
        SyncView();
    }
    database.AddChangeListener(this);
    expansionSaved_ = false;
    if (TreeItemHandle first = FirstRootItem())
        SelectItem(first);
    if (IsFiltered())
        ApplyFilter();
}

void NetworkTree::OnChanged(const DatabaseEdit& edit, ChangeDirection) {
    selectedValid_ = false;
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
        // The items selected with the selected one stay selected while it stays.
        if (moved || currentIndex() != model_->IndexOf(selected_))
            SyncView();
    }
    UpdateSelectionCount();
    if (!moved)
        return;
    if (standIn)
        SelectItem(standIn);
    else
        emit selectionChanged(nullptr);
}

void NetworkTree::SelectItem(TreeItemHandle item) {
    TreeNode* node = Node(item);
    if (node == model_->Root())
        node = nullptr;
    const bool changed = node != selected_;
    if (notifying_)
        selectionPutBack_ = true;
    selected_ = node;
    if (node) {
        Reveal(node);
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
    // One item is always the selected one: no selecting by dragging.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (event && event->type() == QEvent::MouseMove)
        return QItemSelectionModel::NoUpdate;
    return QTreeView::selectionCommand(index, event);
}

void NetworkTree::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    // A mouse press or a move of the keyboard makes the item current first; when a receiver of that
    // notification put the selection back, the selection is the item put back and nothing more.
    if (command == QItemSelectionModel::NoUpdate || selectionPutBack_)
        return;
    QTreeView::setSelection(rect, command);
    NormalizeSelection();
}

void NetworkTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (quiet_)
        return;
    TreeNode* node = model_->NodeOf(current);
    if (node != selected_) {
        selected_ = node;
        selectionPutBack_ = false;
        ++notifying_;
        emit selectionChanged(node);
        --notifying_;
    }
    // Qt makes an item current without selecting it on a mouse press or when the focus arrives. With
    // Shift the run that follows holds it; selecting it now would keep the run from shrinking.
    if (!selectionPutBack_ && !extending_)
        NormalizeSelection();
}

void NetworkTree::NormalizeSelection() {
    QItemSelectionModel* selection = selectionModel();
    if (!selection)
        return;
    if (!selected_) {
        if (selection->hasSelection())
            selection->clearSelection();
        return;
    }
    QItemSelection drop;
    for (const TreeNode* node : SelectedNodes()) {
        if (node != selected_ && (node->level != selected_->level || selected_->level == LEVEL_NETWORK)) {
            const QModelIndex index = model_->IndexOf(node);
            drop.select(index, index);
        }
    }
    if (!drop.isEmpty())
        selection->select(drop, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    const QModelIndex current = model_->IndexOf(selected_);
    if (!selection->isSelected(current))
        selection->select(current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

const std::vector<TreeNode*>& NetworkTree::SelectedNodes() const {
    // From the selection's ranges, since QItemSelectionModel::selectedRows() takes time that grows
    // with the rows times the ranges.
    if (selectedValid_)
        return selectedNodes_;
    std::vector<TreeNode*>& nodes = selectedNodes_;
    nodes.clear();
    selectedValid_ = true;
    const QItemSelectionModel* selection = selectionModel();
    if (!selection || !selection->hasSelection())
        return nodes;
    std::unordered_set<const TreeNode*> seen;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (!range.isValid())
            continue;
        const TreeNode* parent = range.parent().isValid() ? model_->NodeOf(range.parent()) : model_->Root();
        if (!parent)
            continue;
        const int rows = static_cast<int>(parent->children.size());
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < rows; ++row) {
            TreeNode* node = parent->children[static_cast<size_t>(row)].get();
            if (seen.insert(node).second)
                nodes.push_back(node);
        }
    }
    return nodes;
}

void NetworkTree::UpdateSelectionCount() {
    selectedValid_ = false;
    const int count = static_cast<int>(SelectedNodes().size());
    if (count == selectionCount_)
        return;
    selectionCount_ = count;
    emit selectionCountChanged(count);
}

std::vector<TreeItemHandle> NetworkTree::SelectedItems() const {
    std::vector<TreeItemHandle> items;
    if (!selected_)
        return items;
    items.push_back(selected_);
    for (TreeNode* node : SelectedNodes()) {
        if (node != selected_ && node->level == selected_->level)
            items.push_back(node);
    }
    return items;
}

void NetworkTree::selectAll() {
    if (!selected_ || selected_->level == LEVEL_NETWORK || !selected_->parent)
        return;
    const TreeNode* parent = selected_->parent;
    const QModelIndex parentIndex = model_->IndexOf(parent);
    const auto& siblings = parent->children;
    QItemSelection all;
    int first = -1;
    auto close = [&](int end) {
        if (first >= 0)
            all.select(model_->IndexOf(siblings[static_cast<size_t>(first)].get()),
                       model_->IndexOf(siblings[static_cast<size_t>(end - 1)].get()));
        first = -1;
    };
    for (int row = 0; row < static_cast<int>(siblings.size()); ++row) {
        if (isRowHidden(row, parentIndex))
            close(row);
        else if (first < 0)
            first = row;
    }
    close(static_cast<int>(siblings.size()));
    selectionModel()->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    NormalizeSelection();
}

void NetworkTree::mousePressEvent(QMouseEvent* event) {
    selectionPutBack_ = false;
    // Ctrl+click takes an item other than the selected one out of the selection; the selected item
    // itself always stays in it, since the form shows it.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier && index.isValid() &&
        model_->NodeOf(index) != selected_ && selectionModel()->isSelected(index)) {
        selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        event->accept();
        return;
    }
    extending_ = (event->modifiers() & Qt::ShiftModifier) != 0;
    QTreeView::mousePressEvent(event);
    extending_ = false;
}

void NetworkTree::keyPressEvent(QKeyEvent* event) {
    selectionPutBack_ = false;
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit deleteRequested();
        return;
    }
    extending_ = (event->modifiers() & Qt::ShiftModifier) != 0;
    QTreeView::keyPressEvent(event);
    extending_ = false;
    // A move that changed no selection (Shift at the last item) leaves the selected item selected.
    NormalizeSelection();
}

void NetworkTree::initViewItemOption(QStyleOptionViewItem* option) const {
    QTreeView::initViewItemOption(option);
    option->decorationPosition = QStyleOptionViewItem::Right;
}

// ---- find and filter ----

FindQuery FindQuery::From(const QString& text) {
    FindQuery query;
    query.text = text.trimmed();
    bool whole = false;
    const ulong number = query.text.toULong(&whole);
    if (whole && number <= 0xFFFFFFFFul)
        query.number = static_cast<long>(number);
    static const QRegularExpression gigahertz(QStringLiteral("^(\\d{1,2})[.,](\\d{1,3})$"));
    const QRegularExpressionMatch match = gigahertz.match(query.text);
    if (match.hasMatch()) {
        QString fraction = match.captured(2);
        fraction = fraction.leftJustified(3, QLatin1Char('0'));
        query.frequency = match.captured(1).toLong() * 1000 + fraction.toLong();
    }
    return query;
}

bool NetworkTree::Matches(TreeItemHandle item, const FindQuery& query) const {
    const TreeNode* node = Node(item);
    if (!node || query.Empty())
        return false;
    // Names are Latin-1 bytes: looked through where they are, without a copy.
    auto nameHas = [&query](const std::string& name) {
        return !name.empty() && QLatin1String(name.data(), static_cast<qsizetype>(name.size()))
                                    .contains(query.text, Qt::CaseInsensitive);
    };
    switch (node->level) {
    case LEVEL_NETWORK:
        return nameHas(static_cast<const Network*>(node->record)->name);
    case LEVEL_TRANSPONDER: {
        const auto* transponder = static_cast<const Transponder*>(node->record);
        const bool named = Database() && (Database()->formatFlags & NDF_FLAG_TP_NAMES);
        return (named && nameHas(transponder->name)) || transponder->frequency == query.number ||
               transponder->frequency == query.frequency;
    }
    case LEVEL_PROGRAM: {
        const auto* program = static_cast<const Program*>(node->record);
        return nameHas(program->name) || program->serviceId == query.number;
    }
    default:
        return false;
    }
}

FindPosition NetworkTree::Locate(const FindQuery& query) const {
    FindPosition at;
    if (query.Empty())
        return at;
    TreeNode* first = nullptr;
    TreeNode* last = nullptr;
    bool passed = false; // the selected item is behind
    auto visit = [&](TreeNode* node) {
        const bool found = Matches(node, query);
        if (node == selected_) {
            passed = true;
            if (found)
                at.position = at.count + 1;
        } else if (found) {
            if (!passed)
                at.previous = node;
            else if (!at.next)
                at.next = node;
        }
        if (found) {
            ++at.count;
            if (!first)
                first = node;
            last = node;
        }
    };
    for (const auto& network : model_->Root()->children) {
        visit(network.get());
        for (const auto& transponder : network->children) {
            visit(transponder.get());
            for (const auto& program : transponder->children)
                visit(program.get());
        }
    }
    if (!at.next)
        at.next = first;
    if (!at.previous)
        at.previous = last;
    return at;
}

void NetworkTree::SetFilter(const FindQuery& query) {
    if (query.Empty() && filter_.Empty())
        return;
    filter_ = query;
    ApplyFilter();
}

void NetworkTree::ApplyFilter() {
    const bool on = !filter_.Empty();
    TreeNode* root = model_->Root();
    // Bottom-up: an item shows when it matches, lies below a match or leads to one; the selected item
    // counts as a match, so that it stays in view.
    auto decide = [&](auto& self, TreeNode* node, bool belowMatch) -> bool {
        const bool match = !on || node == selected_ || Matches(node, filter_);
        node->leadsToMatch = false;
        for (const auto& child : node->children)
            node->leadsToMatch |= self(self, child.get(), belowMatch || match);
        node->shown = !on || belowMatch || match || node->leadsToMatch;
        return match || node->leadsToMatch;
    };
    for (const auto& network : root->children)
        decide(decide, network.get(), false);

    if (on && !expansionSaved_) {
        expansionBeforeFilter_ = ExpandedRecords();
        expansionSaved_ = true;
    }
    // Top-down: only the highest item of a hidden subtree is hidden; the items below it are not, so
    // that nothing stays hidden when the filter goes.
    std::vector<TreeNode*> toExpand;
    auto hide = [&](auto& self, TreeNode* node, bool parentShown) -> void {
        const QModelIndex parentIndex = model_->IndexOf(node->parent);
        const bool hidden = parentShown && !node->shown;
        if (isRowHidden(node->row, parentIndex) != hidden)
            setRowHidden(node->row, parentIndex, hidden);
        if (on && node->shown && node->leadsToMatch && node->level != LEVEL_PROGRAM)
            toExpand.push_back(node);
        for (const auto& child : node->children)
            self(self, child.get(), node->shown && parentShown);
    };
    for (const auto& network : root->children)
        hide(hide, network.get(), true);

    if (on) {
        for (TreeNode* node : toExpand)
            expand(model_->IndexOf(node));
    } else if (expansionSaved_) {
        collapseAll();
        ExpandRecords(expansionBeforeFilter_);
        expansionBeforeFilter_.clear();
        expansionSaved_ = false;
        if (selected_) {
            for (TreeNode* ancestor = selected_->parent; ancestor && ancestor != root; ancestor = ancestor->parent)
                expand(model_->IndexOf(ancestor));
        }
    }
    // Items the filter hid must not stay selected: the selection is the selected item alone.
    if (selectionCount_ > 1)
        SyncView();
    executeDelayedItemsLayout();
    if (selected_)
        scrollTo(model_->IndexOf(selected_));
}

void NetworkTree::Reveal(const TreeNode* node) {
    if (!IsFiltered())
        return;
    for (const TreeNode* n = node; n && n != model_->Root(); n = n->parent) {
        const QModelIndex parentIndex = model_->IndexOf(n->parent);
        if (isRowHidden(n->row, parentIndex))
            setRowHidden(n->row, parentIndex, false);
    }
}

bool NetworkTree::IsShown(TreeItemHandle item) const {
    for (const TreeNode* n = Node(item); n && n != model_->Root(); n = n->parent) {
        if (isRowHidden(n->row, model_->IndexOf(n->parent)))
            return false;
    }
    return Node(item) != nullptr;
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
