#include "shell/NetworkTreeModel.h"

#include "database/DisplayTables.h"
#include "database/NetworkDatabase.h"

#include <QPainter>
#include <QPixmap>
#include <QStringList>

#include <iterator>

namespace {

// Clears the record's link when it still points at the node: a record copied from another one may
// carry a foreign handle, which is not ours to clear.
void UnlinkRecord(const TreeNode* node) {
    auto unlink = [node](TreeItemHandle& link) {
        if (link == node)
            link = nullptr;
    };
    switch (node->level) {
    case LEVEL_NETWORK:
        unlink(static_cast<Network*>(node->record)->treeItem);
        break;
    case LEVEL_TRANSPONDER:
        unlink(static_cast<Transponder*>(node->record)->treeItem);
        break;
    case LEVEL_PROGRAM:
        unlink(static_cast<Program*>(node->record)->treeItem);
        break;
    case LEVEL_NONE:
        break;
    }
}

template <typename Record> void ClearLinks(const std::vector<std::unique_ptr<Record>>& records) {
    for (const auto& record : records)
        if (record)
            record->treeItem = nullptr;
}

uint8_t MarksOf(const TreeNode& node) {
    return node.level == LEVEL_PROGRAM ? static_cast<const Program*>(node.record)->attributes & PROGRAM_MARKS : 0;
}

TreeNode* AppendChild(TreeNode* parent, TreeLevel level, void* record, QString label) {
    auto node = std::make_unique<TreeNode>();
    node->level = level;
    node->record = record;
    node->label = std::move(label);
    node->marks = MarksOf(*node);
    node->parent = parent;
    node->row = static_cast<int>(parent->children.size());
    parent->children.push_back(std::move(node));
    return parent->children.back().get();
}

} // namespace

NetworkTreeModel::NetworkTreeModel(QObject* parent) : QAbstractItemModel(parent), root_(std::make_unique<TreeNode>()) {}

NetworkTreeModel::~NetworkTreeModel() = default;

QModelIndex NetworkTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const TreeNode* parentNode = parent.isValid() ? NodeOf(parent) : root_.get();
    if (!parentNode || column != 0 || row < 0 || row >= static_cast<int>(parentNode->children.size()))
        return QModelIndex();
    return createIndex(row, 0, parentNode->children[static_cast<size_t>(row)].get());
}

QModelIndex NetworkTreeModel::parent(const QModelIndex& child) const {
    const TreeNode* node = NodeOf(child);
    if (!node || !node->parent || node->parent == root_.get())
        return QModelIndex();
    return createIndex(node->parent->row, 0, node->parent);
}

int NetworkTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    const TreeNode* node = parent.isValid() ? NodeOf(parent) : root_.get();
    return node ? static_cast<int>(node->children.size()) : 0;
}

int NetworkTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool NetworkTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant NetworkTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = NodeOf(index);
    if (!node)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return node->label;
    case Qt::DecorationRole:
        return node->level == LEVEL_PROGRAM && node->marks ? QVariant(MarksIcon(node->marks)) : QVariant();
    case Qt::ToolTipRole:
        return node->level == LEVEL_PROGRAM && node->marks ? QVariant(MarksText(node->marks)) : QVariant();
    default:
        return QVariant();
    }
}

QIcon NetworkTreeModel::MarksIcon(uint8_t marks) const {
    static const struct {
        uint8_t mark;
        const char* icon;
    } kIcons[] = {{PA_LOCK, ":/icons/mark_lock.png"},
                  {PA_SKIP, ":/icons/mark_skip.png"},
                  {PA_SCRAMBLED, ":/icons/mark_scrambled.png"},
                  {PA_RADIO, ":/icons/mark_radio.png"}};
    if (marksIcons_.empty())
        marksIcons_.resize(PROGRAM_MARKS + 1);
    QIcon& icon = marksIcons_[marks & PROGRAM_MARKS];
    if (icon.isNull()) {
        // Drawn at the normal and the double size, so that high-density screens get sharp marks.
        for (int scale : {1, 2}) {
            const int side = MARK_SIZE * scale;
            const int gap = MARK_GAP * scale;
            QPixmap strip(MARK_COUNT * (side + gap) - gap, side);
            strip.fill(Qt::transparent);
            QPainter painter(&strip);
            int x = 0;
            for (const auto& entry : kIcons) {
                if (marks & entry.mark)
                    painter.drawPixmap(x, 0, QIcon(QString::fromLatin1(entry.icon)).pixmap(side, side));
                x += side + gap;
            }
            painter.end();
            // The same on a selected row: the marks keep their colors on the highlight.
            icon.addPixmap(strip, QIcon::Normal);
            icon.addPixmap(strip, QIcon::Selected);
        }
    }
    return icon;
}

QString NetworkTreeModel::MarksText(uint8_t marks) {
    QStringList names;
    if (marks & PA_LOCK)
        names << tr("Locked");
    if (marks & PA_SKIP)
        names << tr("Skipped");
    if (marks & PA_SCRAMBLED)
        names << tr("Scrambled");
    if (marks & PA_RADIO)
        names << tr("Radio");
    return names.join(QStringLiteral(", "));
}

void NetworkTreeModel::RefreshMarks() {
    // One notification per run of changed siblings: a view answers a range by repainting, a single
    // item by looking up its place.
    for (const auto& network : root_->children) {
        for (const auto& transponder : network->children) {
            int first = -1;
            auto flush = [&](int end) {
                if (first >= 0)
                    emit dataChanged(IndexOf(transponder->children[static_cast<size_t>(first)].get()),
                                     IndexOf(transponder->children[static_cast<size_t>(end - 1)].get()),
                                     {Qt::DecorationRole, Qt::ToolTipRole});
                first = -1;
            };
            for (const auto& program : transponder->children) {
                const uint8_t marks = MarksOf(*program);
                if (marks != program->marks) {
                    program->marks = marks;
                    if (first < 0)
                        first = program->row;
                } else {
                    flush(program->row);
                }
            }
            flush(static_cast<int>(transponder->children.size()));
        }
    }
}

Qt::ItemFlags NetworkTreeModel::flags(const QModelIndex& index) const {
    const TreeNode* node = NodeOf(index);
    if (!node)
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (node->level == LEVEL_PROGRAM)
        result |= Qt::ItemNeverHasChildren;
    return result;
}

TreeNode* NetworkTreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<TreeNode*>(index.internalPointer());
}

QModelIndex NetworkTreeModel::IndexOf(const TreeNode* node) const {
    if (!node || node == root_.get())
        return QModelIndex();
    return createIndex(node->row, 0, const_cast<TreeNode*>(node));
}

void NetworkTreeModel::Build(NetworkDatabase& database) {
    Clear();
    ClearLinks(database.networks());
    ClearLinks(database.transponders());
    ClearLinks(database.programs());

    const uint32_t formatFlags = database.formatFlags;
    auto root = std::make_unique<TreeNode>();
    // Transponders and programs refer to their parent by index; these map an index to its node.
    std::vector<TreeNode*> networkNodes(database.networks().size(), nullptr);
    std::vector<TreeNode*> transponderNodes(database.transponders().size(), nullptr);

    for (size_t i = 0; i < database.networks().size(); ++i) {
        Network* network = database.networks()[i].get();
        if (!network)
            continue;
        networkNodes[i] = AppendChild(root.get(), LEVEL_NETWORK, network, NameLabel(network->name));
        network->treeItem = networkNodes[i];
    }
    for (size_t i = 0; i < database.transponders().size(); ++i) {
        Transponder* transponder = database.transponders()[i].get();
        if (!transponder || transponder->networkIndex >= networkNodes.size())
            continue;
        TreeNode* parent = networkNodes[transponder->networkIndex];
        if (!parent)
            continue;
        transponderNodes[i] =
            AppendChild(parent, LEVEL_TRANSPONDER, transponder, TransponderLabel(*transponder, formatFlags));
        transponder->treeItem = transponderNodes[i];
    }
    for (const auto& entry : database.programs()) {
        Program* program = entry.get();
        if (!program || program->transponderIndex >= transponderNodes.size())
            continue;
        TreeNode* parent = transponderNodes[program->transponderIndex];
        if (!parent)
            continue;
        program->treeItem = AppendChild(parent, LEVEL_PROGRAM, program, NameLabel(program->name));
    }

    beginResetModel();
    root_ = std::move(root);
    database_ = &database;
    endResetModel();
}

void NetworkTreeModel::Clear() {
    if (!database_ && root_->children.empty())
        return;
    if (database_) {
        ClearLinks(database_->networks());
        ClearLinks(database_->transponders());
        ClearLinks(database_->programs());
    }
    // The old nodes are freed after the reset, when no view refers to them any more.
    auto old = std::make_unique<TreeNode>();
    beginResetModel();
    root_.swap(old);
    database_ = nullptr;
    endResetModel();
}

void NetworkTreeModel::SetLabel(TreeNode* node, const QString& label) {
    if (!node || node == root_.get() || node->label == label)
        return;
    node->label = label;
    const QModelIndex index = IndexOf(node);
    emit dataChanged(index, index, {Qt::DisplayRole});
}

TreeNode* NetworkTreeModel::Follow(const DatabaseEdit& edit, TreeNode* watched) {
    if (!database_)
        return watched;
    const uint32_t kind = edit.Kind();
    if (!(kind & CHANGE_RECORDS)) {
        // The header and the favorite groups show in no item.
        if (!(kind & CHANGE_VALUES))
            return watched;
        const RecordRef changed = edit.ChangedRecord(*database_);
        if (changed.type == RecordType::NONE) {
            // The values of many records at once: only the programs' marks show such changes.
            RefreshMarks();
            return watched;
        }
        if (Relabel(changed))
            return watched;
    }
    return Rearrange(watched);
}

TreeNode* NetworkTreeModel::ParentNodeOf(const Transponder& transponder) const {
    const auto& networks = database_->networks();
    if (transponder.networkIndex >= networks.size() || !networks[transponder.networkIndex])
        return nullptr;
    return static_cast<TreeNode*>(networks[transponder.networkIndex]->treeItem);
}

TreeNode* NetworkTreeModel::ParentNodeOf(const Program& program) const {
    const auto& transponders = database_->transponders();
    if (program.transponderIndex >= transponders.size() || !transponders[program.transponderIndex])
        return nullptr;
    return static_cast<TreeNode*>(transponders[program.transponderIndex]->treeItem);
}

bool NetworkTreeModel::Relabel(const RecordRef& changed) {
    // A record in the database carries its own node or none: every change so far was followed.
    switch (changed.type) {
    case RecordType::NETWORK: {
        const auto* network = static_cast<const Network*>(changed.record);
        if (!network->treeItem)
            return false;
        SetLabel(static_cast<TreeNode*>(network->treeItem), NameLabel(network->name));
        return true;
    }
    case RecordType::TRANSPONDER: {
        const auto* transponder = static_cast<const Transponder*>(changed.record);
        auto* node = static_cast<TreeNode*>(transponder->treeItem);
        if (ParentNodeOf(*transponder) != (node ? node->parent : nullptr))
            return false;
        if (node)
            SetLabel(node, TransponderLabel(*transponder));
        return true;
    }
    case RecordType::PROGRAM: {
        const auto* program = static_cast<const Program*>(changed.record);
        auto* node = static_cast<TreeNode*>(program->treeItem);
        if (ParentNodeOf(*program) != (node ? node->parent : nullptr))
            return false;
        if (node) {
            SetLabel(node, NameLabel(program->name));
            if (node->marks != MarksOf(*node)) {
                node->marks = MarksOf(*node);
                const QModelIndex index = IndexOf(node);
                emit dataChanged(index, index, {Qt::DecorationRole, Qt::ToolTipRole});
            }
        }
        return true;
    }
    default:
        return true; // antenna configurations and favorite groups have no items
    }
}

TreeNode* NetworkTreeModel::Rearrange(TreeNode* watched) {
    NetworkDatabase& database = *database_;
    // Every record of the database forgets its node and every node claims its record back: a
    // record that came in as a copy of another forgets the copied handle, and a record that went
    // (the edit holds it) points at its node until the node goes.
    ClearLinks(database.networks());
    ClearLinks(database.transponders());
    ClearLinks(database.programs());
    std::vector<TreeNode*> nodes;
    for (const auto& network : root_->children) {
        nodes.push_back(network.get());
        for (const auto& transponder : network->children) {
            nodes.push_back(transponder.get());
            for (const auto& program : transponder->children)
                nodes.push_back(program.get());
        }
    }
    for (TreeNode* node : nodes) {
        node->stays = false;
        switch (node->level) {
        case LEVEL_NETWORK:
            static_cast<Network*>(node->record)->treeItem = node;
            break;
        case LEVEL_TRANSPONDER:
            static_cast<Transponder*>(node->record)->treeItem = node;
            break;
        case LEVEL_PROGRAM:
            static_cast<Program*>(node->record)->treeItem = node;
            break;
        case LEVEL_NONE:
            break;
        }
    }

    // The children every node should have, in database order, as Build lays them out: the nodes of
    // records that have one stay, the others get new ones.
    std::vector<std::unique_ptr<TreeNode>> created;
    auto nodeFor = [&created](TreeItemHandle& link, TreeLevel level, void* record, auto label) {
        auto* node = static_cast<TreeNode*>(link);
        if (!node) {
            created.push_back(std::make_unique<TreeNode>());
            node = created.back().get();
            node->level = level;
            node->record = record;
            node->label = label();
            node->marks = MarksOf(*node);
            link = node;
        }
        node->stays = true;
        node->wanted.clear();
        return node;
    };
    const uint32_t formatFlags = database.formatFlags;
    root_->wanted.clear();
    std::vector<TreeNode*> networkNodes(database.networks().size(), nullptr);
    std::vector<TreeNode*> transponderNodes(database.transponders().size(), nullptr);
    for (size_t i = 0; i < database.networks().size(); ++i) {
        Network* network = database.networks()[i].get();
        if (!network)
            continue;
        networkNodes[i] =
            nodeFor(network->treeItem, LEVEL_NETWORK, network, [network] { return NameLabel(network->name); });
        root_->wanted.push_back(networkNodes[i]);
    }
    for (size_t i = 0; i < database.transponders().size(); ++i) {
        Transponder* transponder = database.transponders()[i].get();
        TreeNode* parent = transponder && transponder->networkIndex < networkNodes.size()
                               ? networkNodes[transponder->networkIndex]
                               : nullptr;
        if (!parent)
            continue;
        transponderNodes[i] =
            nodeFor(transponder->treeItem, LEVEL_TRANSPONDER, transponder,
                    [transponder, formatFlags] { return TransponderLabel(*transponder, formatFlags); });
        parent->wanted.push_back(transponderNodes[i]);
    }
    for (const auto& entry : database.programs()) {
        Program* program = entry.get();
        TreeNode* parent = program && program->transponderIndex < transponderNodes.size()
                               ? transponderNodes[program->transponderIndex]
                               : nullptr;
        if (!parent)
            continue;
        parent->wanted.push_back(
            nodeFor(program->treeItem, LEVEL_PROGRAM, program, [program] { return NameLabel(program->name); }));
    }

    // The parents whose children change, and the nodes that go.
    auto differs = [](const TreeNode* node) {
        if (node->wanted.size() != node->children.size())
            return true;
        for (size_t i = 0; i < node->wanted.size(); ++i)
            if (node->wanted[i] != node->children[i].get())
                return true;
        return false;
    };
    std::vector<TreeNode*> changedParents;
    std::vector<TreeNode*> going;
    if (differs(root_.get()))
        changedParents.push_back(root_.get());
    for (TreeNode* node : nodes) {
        if (!node->stays)
            going.push_back(node);
        else if (node->level != LEVEL_PROGRAM && differs(node))
            changedParents.push_back(node);
    }
    for (const auto& node : created) {
        if (!node->wanted.empty())
            changedParents.push_back(node.get());
    }
    if (changedParents.empty() && going.empty() && created.empty())
        return watched;

    // Where the watched node's stand-in is, found in the tree as it was.
    TreeNode* standIn = watched;
    if (watched && !watched->stays) {
        TreeNode* top = watched;
        while (top->parent && top->parent != root_.get() && !top->parent->stays)
            top = top->parent;
        const auto& siblings = top->parent->children;
        standIn = nullptr;
        for (size_t i = static_cast<size_t>(top->row) + 1; i < siblings.size() && !standIn; ++i)
            if (siblings[i]->stays)
                standIn = siblings[i].get();
        if (!standIn && top->parent != root_.get())
            standIn = top->parent;
        for (size_t i = static_cast<size_t>(top->row); i-- > 0 && !standIn;)
            if (siblings[i]->stays)
                standIn = siblings[i].get();
    }

    emit layoutAboutToBeChanged();
    const QModelIndexList from = persistentIndexList();
    std::vector<TreeNode*> fromNodes;
    fromNodes.reserve(static_cast<size_t>(from.size()));
    for (const QModelIndex& index : from)
        fromNodes.push_back(NodeOf(index));

    // Ownership moves as plain pointers: the children of every changed parent and of every node
    // that goes are released, then each changed parent owns its wanted children.
    for (TreeNode* node : changedParents)
        for (auto& child : node->children)
            (void)child.release();
    for (TreeNode* node : going)
        for (auto& child : node->children)
            (void)child.release();
    for (auto& node : created)
        (void)node.release();
    for (TreeNode* node : changedParents) {
        node->children.clear();
        node->children.reserve(node->wanted.size());
        for (size_t i = 0; i < node->wanted.size(); ++i) {
            TreeNode* child = node->wanted[i];
            node->children.emplace_back(child);
            child->parent = node;
            child->row = static_cast<int>(i);
        }
    }
    for (TreeNode* node : going) {
        node->children.clear();
        UnlinkRecord(node);
        node->parent = nullptr;
        removed_.emplace_back(node);
    }

    QModelIndexList to;
    to.reserve(from.size());
    for (TreeNode* node : fromNodes)
        to.append(node && node->stays ? createIndex(node->row, 0, node) : QModelIndex());
    changePersistentIndexList(from, to);
    emit layoutChanged();
    return standIn;
}

QString NetworkTreeModel::NameLabel(const std::string& name) {
    if (name.empty())
        return tr("(No name)");
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString NetworkTreeModel::TransponderLabel(const Transponder& transponder) const {
    return TransponderLabel(transponder, database_ ? database_->formatFlags : 0);
}

QString NetworkTreeModel::TransponderLabel(const Transponder& transponder, uint32_t formatFlags) {
    if ((formatFlags & NDF_FLAG_TP_NAMES) && !transponder.name.empty())
        return QString::fromLatin1(transponder.name.data(), static_cast<qsizetype>(transponder.name.size()));
    const std::string text = FormatTransponderLabel(transponder);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
