// Item model behind the network tree: nodes for networks (root items), their transponders and the
// transponders' programs. Each node points at its record and the record's treeItem points back at the
// node, so nothing is ever looked up by index. Rows are cached in the nodes to keep parent() O(1).
#pragma once

#include "database/DatabaseEdit.h"
#include "database/Records.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class NetworkDatabase;

// Level of a tree item; the numbering matches the form pane that shows the record.
enum TreeLevel : int {
    LEVEL_NONE = 0,
    LEVEL_NETWORK = 1,
    LEVEL_TRANSPONDER = 2,
    LEVEL_PROGRAM = 3,
};

struct TreeNode {
    TreeLevel level = LEVEL_NONE; // LEVEL_NONE only for the invisible root above the networks
    void* record = nullptr;       // Network, Transponder or Program, by level
    QString label;
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children;
    int row = 0;       // position among the parent's children
    uint8_t marks = 0; // a program's marks (PROGRAM_MARKS of its attributes) as the tree last showed them
    // Scratch of NetworkTreeModel::Follow: whether the node stays, and its children to be.
    bool stays = false;
    std::vector<TreeNode*> wanted;
    // Scratch of NetworkTree's filter: the item is shown, and it is shown for a match below it.
    bool shown = true;
    bool leadsToMatch = false;
};

// The attributes a program item shows as small icons beside its name, in this order.
inline constexpr uint8_t PROGRAM_MARKS = PA_LOCK | PA_SKIP | PA_SCRAMBLED | PA_RADIO;
// One mark's icon, square, and the space between two marks, in pixels.
inline constexpr int MARK_SIZE = 16;
inline constexpr int MARK_GAP = 2;
inline constexpr int MARK_COUNT = 4;

class NetworkTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit NetworkTreeModel(QObject* parent = nullptr);
    ~NetworkTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The invisible node whose children are the network items.
    TreeNode* Root() const { return root_.get(); }
    TreeNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TreeNode* node) const;

    // The database shown, null while detached.
    NetworkDatabase* Database() const { return database_; }

    // Builds every node off-model and attaches them with one reset. Every record's treeItem is set to
    // its node, or null when the record gets none (its reference names no network or transponder, or
    // its transponder got no node).
    void Build(NetworkDatabase& database);
    // Removes every node with one reset and detaches. The treeItem of each record of the database
    // shown is cleared; the nodes themselves never touch their records here, so this is safe even
    // when the records were already replaced.
    void Clear();

    void SetLabel(TreeNode* node, const QString& label);

    // Brings the nodes in line with the database after the change the edit describes: a value edit
    // relabels its record's node; any other change of the networks, transponders or programs
    // inserts, removes and moves nodes, as one layout change that keeps every persistent index
    // (expansion, the current item) on its record. Returns the node that stands in for `watched`
    // when its node went: the next sibling of the highest node above it that went, else that
    // node's parent, else its previous sibling, else null; `watched` itself while it stays.
    // Removed nodes are kept until FreeRemoved, since a view may still hold plain indexes of them
    // until it has laid the model out again.
    TreeNode* Follow(const DatabaseEdit& edit, TreeNode* watched);
    bool HasRemoved() const { return !removed_.empty(); }
    void FreeRemoved() { removed_.clear(); }

    // The marks of every program item compared with its record, and the items whose marks changed
    // shown anew; for a change of many programs' attributes at once.
    void RefreshMarks();
    // The icons of a program's marks side by side, each in its own place, and their names.
    QIcon MarksIcon(uint8_t marks) const;
    static QString MarksText(uint8_t marks);

    static QString NameLabel(const std::string& name);
    // The label of a transponder under the format flags of the database shown.
    QString TransponderLabel(const Transponder& transponder) const;
    static QString TransponderLabel(const Transponder& transponder, uint32_t formatFlags);

private:
    // Relabels the node of a changed record; false when the record's place in the tree changed.
    bool Relabel(const RecordRef& changed);
    TreeNode* Rearrange(TreeNode* watched);
    TreeNode* ParentNodeOf(const Transponder& transponder) const;
    TreeNode* ParentNodeOf(const Program& program) const;

    mutable std::vector<QIcon> marksIcons_; // by marks, made when first shown
    std::unique_ptr<TreeNode> root_;
    std::vector<std::unique_ptr<TreeNode>> removed_;
    NetworkDatabase* database_ = nullptr;
};
