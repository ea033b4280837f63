// The network tree: labels, building from a database (also a damaged one), following the
// database's insertions, changes and deletions with the selection in every place, and the
// selection notification.
#include "shell/NetworkTree.h"

#include "database/NetworkDatabase.h"
#include "tests/database/TestDatabases.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class NetworkTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&tree, &NetworkTree::selectionChanged, &tree,
                         [this](TreeItemHandle item) { notified.push_back(item); });
    }

    Network& AddNetwork(const std::string& name) {
        db.AppendNetwork();
        db.networks().back()->name = name;
        return *db.networks().back();
    }
    Transponder& AddTransponder(uint8_t network, uint16_t frequency, uint8_t polFec = 0, const std::string& name = {}) {
        db.AppendTransponder();
        Transponder& t = *db.transponders().back();
        t.networkIndex = network;
        t.frequency = frequency;
        t.polFec = polFec;
        t.name = name;
        return t;
    }
    Program& AddProgram(uint16_t transponder, const std::string& name) {
        testdb::Raw<Program>(db).push_back(std::make_unique<Program>(transponder));
        db.programs().back()->name = name;
        return *db.programs().back();
    }

    // A: T1 (P1, P2), T2 (P3), T3 () / B: T4 (P4) / C: no transponders.
    void BuildSample() {
        a = &AddNetwork("A");
        b = &AddNetwork("B");
        c = &AddNetwork("C");
        t1 = &AddTransponder(0, 11001);
        t2 = &AddTransponder(0, 11002);
        t3 = &AddTransponder(0, 11003);
        t4 = &AddTransponder(1, 11004);
        p1 = &AddProgram(0, "P1");
        p2 = &AddProgram(0, "P2");
        p3 = &AddProgram(1, "P3");
        p4 = &AddProgram(3, "P4");
    }

    // The sample again, in a detached tree.
    void RebuildSample() {
        tree.ClearTree();
        db.Clear();
        BuildSample();
    }

    // Fills the tree, selects the item of the record whose link is given, and forgets the
    // notifications so far.
    void FillAndSelect(const TreeItemHandle& item) {
        tree.FillTree(db);
        tree.SelectItem(item);
        notified.clear();
    }

    std::vector<TreeItemHandle> Children(TreeItemHandle parent) const {
        std::vector<TreeItemHandle> result;
        for (int row = 0; row < tree.ChildCount(parent); ++row)
            result.push_back(tree.ChildAt(parent, row));
        return result;
    }

    // The selection went to `expected` with exactly one notification, and the view shows it.
    void ExpectMovedTo(TreeItemHandle expected) {
        EXPECT_EQ(notified, std::vector<TreeItemHandle>{expected});
        ExpectShown(expected);
        notified.clear();
    }
    void ExpectShown(TreeItemHandle expected) {
        EXPECT_EQ(tree.SelectedItem(), expected);
        EXPECT_EQ(tree.currentIndex(), tree.IndexOf(expected));
        const QModelIndexList selected = tree.selectionModel()->selectedIndexes();
        if (expected) {
            ASSERT_EQ(selected.size(), 1);
            EXPECT_EQ(selected.front(), tree.IndexOf(expected));
        } else {
            EXPECT_TRUE(selected.isEmpty());
        }
    }

    NetworkDatabase db;
    NetworkTree tree;
    QAbstractItemModelTester modelCheck{tree.TreeModel(), QAbstractItemModelTester::FailureReportingMode::Fatal};
    std::vector<TreeItemHandle> notified;
    Network *a = nullptr, *b = nullptr, *c = nullptr;
    Transponder *t1 = nullptr, *t2 = nullptr, *t3 = nullptr, *t4 = nullptr;
    Program *p1 = nullptr, *p2 = nullptr, *p3 = nullptr, *p4 = nullptr;
};

QString Shown(const NetworkTree& tree, TreeItemHandle item) {
    return tree.TreeModel()->data(tree.IndexOf(item), Qt::DisplayRole).toString();
}

TEST_F(NetworkTreeTest, LabelsOfTheThreeLevels) {
    AddNetwork("");
    AddNetwork("Caf\xE9 \x80\xFF");
    AddTransponder(1, 950, 1);
    AddTransponder(1, 0, 0, "Named");
    AddTransponder(1, 12188, 0x33); // FEC bits above the polarity do not count
    AddProgram(0, "");
    AddProgram(0, "\xC4rger");
    tree.FillTree(db);

    EXPECT_EQ(Shown(tree, db.networks()[0]->treeItem), "(No name)");
    EXPECT_EQ(Shown(tree, db.networks()[1]->treeItem), QString::fromUtf8("Caf\u00E9 \u0080\u00FF"));
    EXPECT_EQ(Shown(tree, db.transponders()[0]->treeItem), "0.950 (H)");
    // Without the names flag a transponder's name is not shown.
    EXPECT_EQ(Shown(tree, db.transponders()[1]->treeItem), "0.000 (V)");
    EXPECT_EQ(Shown(tree, db.transponders()[2]->treeItem), "12.188 (L)");
    EXPECT_EQ(Shown(tree, db.programs()[0]->treeItem), "(No name)");
    EXPECT_EQ(Shown(tree, db.programs()[1]->treeItem), QString::fromUtf8("\u00C4rger"));

    db.formatFlags = NDF_FLAG_TP_NAMES;
    db.transponders()[2]->name = "\xB0Hot";
    tree.FillTree(db);
    EXPECT_EQ(Shown(tree, db.transponders()[0]->treeItem), "0.950 (H)"); // empty name: the frequency
    EXPECT_EQ(Shown(tree, db.transponders()[1]->treeItem), "Named");
    EXPECT_EQ(Shown(tree, db.transponders()[2]->treeItem), QString::fromUtf8("\u00B0Hot"));
}

TEST_F(NetworkTreeTest, RelabellingFollowsTheStoredRecord) {
    BuildSample();
    tree.FillTree(db);
    std::vector<QModelIndex> changed;
    QObject::connect(tree.TreeModel(), &QAbstractItemModel::dataChanged, &tree,
                     [&changed](const QModelIndex& topLeft, const QModelIndex&) { changed.push_back(topLeft); });

    Network renamedNetwork = *a;
    renamedNetwork.name = "";
    db.SetNetwork(0, renamedNetwork);
    EXPECT_EQ(tree.LabelOf(a->treeItem), "(No name)");
    Program renamedProgram = *p2;
    renamedProgram.name = "\xE6\xF8\xE5";
    db.SetProgram(db.IndexOfProgram(p2), renamedProgram);
    EXPECT_EQ(Shown(tree, p2->treeItem), QString::fromUtf8("\u00E6\u00F8\u00E5"));
    EXPECT_EQ(changed, (std::vector<QModelIndex>{tree.IndexOf(a->treeItem), tree.IndexOf(p2->treeItem)}));

    // A new name shows nothing without the names flag, a new polarity does.
    Transponder edited = *t1;
    edited.name = "New";
    db.SetTransponder(0, edited);
    EXPECT_EQ(tree.LabelOf(t1->treeItem), "11.001 (V)");
    edited.frequency = 9750;
    edited.polFec = 2;
    db.SetTransponder(0, edited);
    EXPECT_EQ(Shown(tree, t1->treeItem), "9.750 (R)");
    db.formatFlags |= NDF_FLAG_TP_NAMES;
    edited.name = "Newer";
    db.SetTransponder(0, edited);
    EXPECT_EQ(tree.LabelOf(t1->treeItem), "Newer");
    edited.name.clear();
    db.SetTransponder(0, edited);
    EXPECT_EQ(tree.LabelOf(t1->treeItem), "9.750 (R)");
}

TEST_F(NetworkTreeTest, FillTreeBuildsTheLevelsInCollectionOrderWithOneReset) {
    BuildSample();
    int resets = 0, inserts = 0;
    QObject::connect(tree.TreeModel(), &QAbstractItemModel::modelReset, &tree, [&resets] { ++resets; });
    QObject::connect(tree.TreeModel(), &QAbstractItemModel::rowsInserted, &tree, [&inserts] { ++inserts; });
    tree.FillTree(db);

    EXPECT_EQ(resets, 1);
    EXPECT_EQ(inserts, 0);
    EXPECT_EQ(tree.Database(), &db);
    EXPECT_EQ(Children(nullptr), (std::vector<TreeItemHandle>{a->treeItem, b->treeItem, c->treeItem}));
    EXPECT_EQ(Children(a->treeItem), (std::vector<TreeItemHandle>{t1->treeItem, t2->treeItem, t3->treeItem}));
    EXPECT_EQ(Children(b->treeItem), std::vector<TreeItemHandle>{t4->treeItem});
    EXPECT_EQ(Children(t1->treeItem), (std::vector<TreeItemHandle>{p1->treeItem, p2->treeItem}));
    EXPECT_EQ(Children(t4->treeItem), std::vector<TreeItemHandle>{p4->treeItem});
    EXPECT_EQ(tree.ChildCount(c->treeItem), 0);

    EXPECT_EQ(tree.LevelOf(b->treeItem), LEVEL_NETWORK);
    EXPECT_EQ(tree.LevelOf(t2->treeItem), LEVEL_TRANSPONDER);
    EXPECT_EQ(tree.LevelOf(p3->treeItem), LEVEL_PROGRAM);
    EXPECT_EQ(tree.NetworkOf(b->treeItem), b);
    EXPECT_EQ(tree.TransponderOf(t2->treeItem), t2);
    EXPECT_EQ(tree.ProgramOf(p3->treeItem), p3);
    EXPECT_EQ(tree.ProgramOf(t2->treeItem), nullptr);
    EXPECT_EQ(tree.ParentOf(p3->treeItem), t2->treeItem);
    EXPECT_EQ(tree.ParentOf(a->treeItem), nullptr);

    // The first satellite is selected, and that is the one notification.
    EXPECT_EQ(notified, std::vector<TreeItemHandle>{a->treeItem});
    ExpectShown(a->treeItem);
}

TEST_F(NetworkTreeTest, FillTreeWithoutNetworksSelectsNothing) {
    AddTransponder(0, 11000);
    AddProgram(0, "Lost");
    tree.FillTree(db);
    EXPECT_EQ(tree.ChildCount(nullptr), 0);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(db.transponders()[0]->treeItem, nullptr);
    EXPECT_EQ(db.programs()[0]->treeItem, nullptr);
}

TEST_F(NetworkTreeTest, DamagedReferencesGetNoItem) {
    BuildSample();
    Transponder& orphan = AddTransponder(3, 12000);   // network index past the networks (index 4)
    Program& underOrphan = AddProgram(4, "Orphan's"); // its transponder has no item
    Program& pastEnd = AddProgram(5, "Nowhere");      // transponder index past the transponders
    Program& farPastEnd = AddProgram(0xFFFF, "None");
    orphan.treeItem = &orphan; // stale handles must not survive a fill
    pastEnd.treeItem = &pastEnd;
    tree.FillTree(db);

    EXPECT_EQ(orphan.treeItem, nullptr);
    EXPECT_EQ(underOrphan.treeItem, nullptr);
    EXPECT_EQ(pastEnd.treeItem, nullptr);
    EXPECT_EQ(farPastEnd.treeItem, nullptr);
    EXPECT_EQ(Children(a->treeItem), (std::vector<TreeItemHandle>{t1->treeItem, t2->treeItem, t3->treeItem}));
    EXPECT_EQ(Children(t4->treeItem), std::vector<TreeItemHandle>{p4->treeItem});

    // A program added under such a transponder later gets no item either.
    const Program* later = db.AddProgram(db.IndexOfTransponder(&orphan), NO_INDEX);
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->treeItem, nullptr);
    EXPECT_EQ(tree.ChildCount(t1->treeItem), 2);
}

TEST_F(NetworkTreeTest, ADetachedTreeFollowsNothing) {
    BuildSample();
    const Transponder* added = db.AddTransponder(0, NO_INDEX);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->treeItem, nullptr);
    EXPECT_EQ(a->treeItem, nullptr);
    tree.ClearTree();
    tree.ClearTree();
    EXPECT_TRUE(notified.empty());
}

TEST_F(NetworkTreeTest, NullIsNoItem) {
    BuildSample();
    tree.FillTree(db);
    notified.clear();
    EXPECT_EQ(tree.LevelOf(nullptr), LEVEL_NONE);
    EXPECT_EQ(tree.RecordOf(nullptr), nullptr);
    EXPECT_EQ(tree.NetworkOf(nullptr), nullptr);
    EXPECT_TRUE(tree.LabelOf(nullptr).isEmpty());
    EXPECT_EQ(tree.ParentOf(nullptr), nullptr);
    EXPECT_EQ(tree.NextSiblingOf(nullptr), nullptr);
    EXPECT_EQ(tree.ChildCount(nullptr), 3);
    EXPECT_TRUE(notified.empty());
    ExpectShown(a->treeItem);
}

TEST_F(NetworkTreeTest, InsertionsGoWhereTheDatabasePutsThem) {
    BuildSample();
    tree.FillTree(db);

    // Before the first transponder of a network, as Add transponder does with a transponder selected.
    Transponder* first = db.AddTransponder(0, db.IndexOfTransponder(t1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->treeItem, nullptr);
    // In the middle, and as the last child.
    Transponder* middle = db.AddTransponder(0, db.IndexOfTransponder(t3));
    Transponder* last = db.AddTransponder(0, NO_INDEX);
    EXPECT_EQ(Children(a->treeItem), (std::vector<TreeItemHandle>{first->treeItem, t1->treeItem, t2->treeItem,
                                                                  middle->treeItem, t3->treeItem, last->treeItem}));
    EXPECT_EQ(tree.LabelOf(first->treeItem), "0.000 (V)");
    EXPECT_EQ(tree.TransponderOf(middle->treeItem), middle);

    // Programs: before the first, before the current one, at the end.
    Program* beforeFirst = db.AddProgram(db.IndexOfTransponder(t1), db.IndexOfProgram(p1));
    Program* beforeP2 = db.AddProgram(db.IndexOfTransponder(t1), db.IndexOfProgram(p2));
    Program* appended = db.AddProgram(db.IndexOfTransponder(t1), NO_INDEX);
    EXPECT_EQ(Children(t1->treeItem),
              (std::vector<TreeItemHandle>{beforeFirst->treeItem, p1->treeItem, beforeP2->treeItem, p2->treeItem,
                                           appended->treeItem}));
    EXPECT_EQ(tree.LabelOf(appended->treeItem), "(No name)");

    Network& added = db.AppendNetwork(Network());
    EXPECT_EQ(tree.ChildAt(nullptr, 3), added.treeItem);
    EXPECT_EQ(tree.LabelOf(added.treeItem), "(No name)");

    // Inserting never moves the selection.
    EXPECT_EQ(notified, std::vector<TreeItemHandle>{a->treeItem});
}

TEST_F(NetworkTreeTest, AnInsertedRecordWithACopiedHandleGetsAnItemOfItsOwn) {
    BuildSample();
    tree.FillTree(db);
    // A copy of t2 carries t2's handle; inserted before t3, it gets its own item there.
    std::vector<Transponder> run{*t2};
    ASSERT_TRUE(db.InsertTransponders(db.IndexOfTransponder(t3), run));
    Transponder* copy = db.transponders()[2].get();
    EXPECT_NE(copy->treeItem, t2->treeItem);
    EXPECT_EQ(Children(a->treeItem),
              (std::vector<TreeItemHandle>{t1->treeItem, t2->treeItem, copy->treeItem, t3->treeItem}));
    EXPECT_EQ(tree.TransponderOf(t2->treeItem), t2);
    EXPECT_EQ(Children(t2->treeItem), std::vector<TreeItemHandle>{p3->treeItem});
}

// Deleted records hand the selection on once: to the next sibling that stays, else the parent.
TEST_F(NetworkTreeTest, DeletingRecordsMovesTheSelectionOnce) {
    BuildSample();

    // A program with a next sibling: the next sibling.
    FillAndSelect(p1->treeItem);
    db.DeleteProgram(db.IndexOfProgram(p1));
    ExpectMovedTo(p2->treeItem);

    // The only child: its parent.
    db.DeleteProgram(db.IndexOfProgram(p2));
    ExpectMovedTo(t1->treeItem);
    EXPECT_EQ(tree.ChildCount(t1->treeItem), 0);

    // A program below the deleted transponder: the transponder's next sibling.
    tree.SelectItem(p3->treeItem);
    notified.clear();
    db.DeleteTransponder(db.IndexOfTransponder(t2));
    ExpectMovedTo(t3->treeItem);

    // The last child: its parent rather than the previous sibling.
    db.DeleteTransponder(db.IndexOfTransponder(t3));
    ExpectMovedTo(a->treeItem);
    EXPECT_EQ(Children(a->treeItem), std::vector<TreeItemHandle>{t1->treeItem});

    // Selection elsewhere: nothing is reported and it stays.
    db.DeleteTransponder(db.IndexOfTransponder(t1));
    EXPECT_TRUE(notified.empty());
    ExpectShown(a->treeItem);
    EXPECT_EQ(tree.ChildCount(a->treeItem), 0);
}

TEST_F(NetworkTreeTest, DeletingASatellitesTranspondersKeepsItsItem) {
    BuildSample();

    // A program below them selected: the satellite itself.
    FillAndSelect(p2->treeItem);
    db.DeleteTranspondersInNetwork(0);
    ExpectMovedTo(a->treeItem);
    EXPECT_EQ(tree.ChildCount(a->treeItem), 0);
    EXPECT_EQ(Children(t4->treeItem), std::vector<TreeItemHandle>{p4->treeItem});

    // The transponder whose programs go selected: nothing to report.
    tree.SelectItem(t4->treeItem);
    notified.clear();
    db.DeleteProgramsInTransponder(db.IndexOfTransponder(t4));
    EXPECT_TRUE(notified.empty());
    ExpectShown(t4->treeItem);

    // A transponder selected, and a selection outside.
    RebuildSample();
    FillAndSelect(t2->treeItem);
    db.DeleteTranspondersInNetwork(0);
    ExpectMovedTo(a->treeItem);
    tree.SelectItem(p4->treeItem);
    notified.clear();
    db.DeleteTranspondersInNetwork(2);
    EXPECT_TRUE(notified.empty());
    ExpectShown(p4->treeItem);
}

TEST_F(NetworkTreeTest, DeletingASatellitesProgramsKeepsItsTransponders) {
    BuildSample();

    // A program selected: the transponder it was under.
    FillAndSelect(p3->treeItem);
    tree.expandAll();
    const QPersistentModelIndex goneP1 = tree.IndexOf(p1->treeItem), goneP3 = tree.IndexOf(p3->treeItem);
    const QPersistentModelIndex keptT3 = tree.IndexOf(t3->treeItem), keptP4 = tree.IndexOf(p4->treeItem);
    db.DeleteProgramsInNetwork(0);
    ExpectMovedTo(t2->treeItem);
    EXPECT_EQ(Children(a->treeItem), (std::vector<TreeItemHandle>{t1->treeItem, t2->treeItem, t3->treeItem}));
    for (const Transponder* t : {t1, t2, t3})
        EXPECT_EQ(tree.ChildCount(t->treeItem), 0);
    EXPECT_EQ(Children(t4->treeItem), std::vector<TreeItemHandle>{p4->treeItem});
    // Indexes that views keep follow the change; the expanded items stay expanded.
    EXPECT_FALSE(goneP1.isValid());
    EXPECT_FALSE(goneP3.isValid());
    EXPECT_EQ(keptT3, tree.IndexOf(t3->treeItem));
    EXPECT_EQ(keptP4, tree.IndexOf(p4->treeItem));
    EXPECT_TRUE(tree.isExpanded(tree.IndexOf(a->treeItem)));
    EXPECT_TRUE(tree.isExpanded(tree.IndexOf(t4->treeItem)));
    EXPECT_EQ(tree.indexAt(tree.visualRect(keptP4).center()), QModelIndex(keptP4));

    // Only one transponder with programs.
    tree.SelectItem(p4->treeItem);
    notified.clear();
    db.DeleteProgramsInNetwork(1);
    ExpectMovedTo(t4->treeItem);
    EXPECT_FALSE(keptP4.isValid());

    // The satellite or one of its transponders selected: nothing to report.
    RebuildSample();
    FillAndSelect(a->treeItem);
    db.DeleteProgramsInNetwork(0);
    EXPECT_TRUE(notified.empty());
    ExpectShown(a->treeItem);
    RebuildSample();
    FillAndSelect(t1->treeItem);
    db.DeleteProgramsInNetwork(0);
    EXPECT_TRUE(notified.empty());
    ExpectShown(t1->treeItem);
    EXPECT_EQ(tree.ChildCount(t1->treeItem), 0);
    db.DeleteProgramsInNetwork(0);
    db.DeleteProgramsInNetwork(2);
    EXPECT_TRUE(notified.empty());
}

TEST_F(NetworkTreeTest, RowsStayConsistentAfterRemovingFromTheMiddle) {
    Network& n = AddNetwork("Many");
    for (int i = 0; i < 40; ++i)
        AddTransponder(0, static_cast<uint16_t>(10000 + i));
    for (int i = 0; i < 40; ++i)
        AddProgram(static_cast<uint16_t>(i % 4), "P" + std::to_string(i));
    tree.FillTree(db);

    db.DeleteTransponder(5);
    db.DeleteProgram(10);
    db.DeleteProgramsInNetwork(0);
    db.DeleteTransponder(0);
    ASSERT_EQ(tree.ChildCount(n.treeItem), 38);
    for (int row = 0; row < 38; ++row) {
        TreeItemHandle item = tree.ChildAt(n.treeItem, row);
        EXPECT_EQ(tree.IndexOf(item).row(), row);
        EXPECT_EQ(tree.PreviousSiblingOf(item), row > 0 ? tree.ChildAt(n.treeItem, row - 1) : nullptr);
    }
    // The records of the remaining items still point at them.
    EXPECT_EQ(tree.TransponderOf(db.transponders()[37]->treeItem), db.transponders()[37].get());
    EXPECT_EQ(tree.ChildAt(n.treeItem, 37), db.transponders()[37]->treeItem);
}

TEST_F(NetworkTreeTest, ClearTreeDetachesAndFillTreeRebuilds) {
    BuildSample();
    FillAndSelect(p3->treeItem);
    tree.ClearTree();
    EXPECT_EQ(notified, std::vector<TreeItemHandle>{nullptr});
    ExpectShown(nullptr);
    EXPECT_EQ(tree.Database(), nullptr);
    EXPECT_EQ(tree.ChildCount(nullptr), 0);
    for (const Network* n : {a, b, c})
        EXPECT_EQ(n->treeItem, nullptr);
    for (const Transponder* t : {t1, t2, t3, t4})
        EXPECT_EQ(t->treeItem, nullptr);
    for (const Program* p : {p1, p2, p3, p4})
        EXPECT_EQ(p->treeItem, nullptr);
    notified.clear();
    tree.ClearTree();
    EXPECT_TRUE(notified.empty());

    // The database changes while detached, as an open or a sort does, then is shown again.
    std::swap(testdb::Raw<Network>(db)[0], testdb::Raw<Network>(db)[1]);
    t4->networkIndex = 0;
    for (const auto& t : {t1, t2, t3})
        t->networkIndex = 1;
    tree.FillTree(db);
    EXPECT_EQ(Children(nullptr), (std::vector<TreeItemHandle>{b->treeItem, a->treeItem, c->treeItem}));
    EXPECT_EQ(Children(b->treeItem), std::vector<TreeItemHandle>{t4->treeItem});
    EXPECT_EQ(Children(t2->treeItem), std::vector<TreeItemHandle>{p3->treeItem});
    ExpectMovedTo(b->treeItem);

    // Emptied database: an empty tree.
    tree.ClearTree();
    db.Clear();
    notified.clear();
    tree.FillTree(db);
    EXPECT_EQ(tree.ChildCount(nullptr), 0);
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(tree.Database(), &db);
}

TEST_F(NetworkTreeTest, UserSelectionNotifiesAndCanBeRefused) {
    BuildSample();
    tree.resize(300, 400);
    tree.show();
    FillAndSelect(a->treeItem);
    tree.expandAll();

    QTest::keyClick(&tree, Qt::Key_Down);
    ExpectMovedTo(t1->treeItem);

    const QRect rect = tree.visualRect(tree.IndexOf(p3->treeItem));
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    ExpectMovedTo(p3->treeItem);

    // The receiver refuses every change: the selection comes back to p3, in the view too.
    bool refuse = true;
    QObject::connect(&tree, &NetworkTree::selectionChanged, &tree, [&](TreeItemHandle item) {
        if (refuse && item != p3->treeItem)
            tree.SelectItem(p3->treeItem);
    });
    QTest::keyClick(&tree, Qt::Key_Up);
    EXPECT_EQ(notified, (std::vector<TreeItemHandle>{t2->treeItem, p3->treeItem}));
    ExpectShown(p3->treeItem);
    notified.clear();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(tree.IndexOf(b->treeItem)).center());
    EXPECT_EQ(notified, (std::vector<TreeItemHandle>{b->treeItem, p3->treeItem}));
    ExpectShown(p3->treeItem);
    notified.clear();

    // Clicking the empty area below the items keeps the selection.
    refuse = false;
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(10, tree.viewport()->height() - 2));
    EXPECT_TRUE(notified.empty());
    ExpectShown(p3->treeItem);
}

} // namespace
