// The editor on damaged files. Each file of the corpus loads although it holds references that name
// no record (or layouts the operations do not expect). Every path a user can take through it must
// neither crash nor read outside a collection, the tree must show every record it can place, and
// the records it cannot place must come back from a save unchanged.
#include "tests/shell/EditorTestSupport.h"

#include "channellist/ChannelListDialog.h"
#include "channellist/ChannelListModel.h"
#include "channellist/ChannelListView.h"
#include "database/Integrity.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace editortest;
using guitest::Find;
using Lines = std::vector<std::string>;

namespace {

std::string CorpusPath(const std::string& name) {
    const char* source = std::getenv("DISHLINE_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/damaged/corpus/" + name;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Every damaged reference as "collection index field value", the form of the corpus's .damage files.
Lines Damage(const NetworkDatabase& db) {
    Lines lines;
    for (const DamagedReference& d : FindDamagedReferences(db))
        lines.push_back(d.kind + " " + std::to_string(d.index) + " " + d.field + " " + std::to_string(d.value));
    return lines;
}

// What the generator planted in a corpus file, from the .damage file beside it.
Lines PlantedDamage(const std::string& ndfName) {
    std::ifstream in(CorpusPath(ndfName.substr(0, ndfName.rfind('.')) + ".damage"));
    Lines lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Index of the first record for which same() holds; the collection's size when none does.
template <typename Record, typename Pred>
size_t FindRecord(const std::vector<std::unique_ptr<Record>>& records, Pred same) {
    for (size_t i = 0; i < records.size(); ++i)
        if (same(*records[i]))
            return i;
    return records.size();
}

// A reference past its collection stays past it as records come and go, by the same distance, so
// that it never comes to name a record (where the collection keeps its size, it keeps its value);
// only the no-index value cannot rise with an insertion.
void ExpectStillPast(long long before, size_t countBefore, long long now, size_t countNow, long long none,
                     const std::string& what) {
    EXPECT_GE(now, static_cast<long long>(countNow)) << what;
    if (before != none) {
        EXPECT_EQ(now - static_cast<long long>(countNow), before - static_cast<long long>(countBefore)) << what;
    }
}

// The entries of a favorite list that name no program, in list order.
std::vector<uint16_t> DamagedEntries(const std::vector<uint16_t>& list, size_t programCount) {
    std::vector<uint16_t> entries;
    for (const uint16_t e : list)
        if (e >= programCount)
            entries.push_back(e);
    return entries;
}

QAction* MenuAction(QMenu& menu, int command) {
    for (QAction* action : menu.actions())
        if (action->data().toInt() == command)
            return action;
    return nullptr;
}

class DamagedFileBase : public EditorTest {
protected:
    // Copies the corpus file to the temporary folder and opens the copy through File Open.
    void Load(const std::string& name) {
        original = ReadBytes(CorpusPath(name));
        ASSERT_FALSE(original.empty()) << CorpusPath(name);
        ASSERT_EQ(CheckImage(original.data(), original.size()), NDF_OK);
        ASSERT_EQ(before.Parse(original), NDF_OK);
        path = dir.StdPath(name);
        WriteBytes(path, original);
        OpenThroughMenu(QString::fromStdString(path));
        FileDialog::TakeShown();
        ASSERT_TRUE(Boxes().empty());
        ASSERT_EQ(db().programs().size(), before.programs().size());
        for (size_t t = 0; t < db().transponders().size(); ++t)
            if (!db().transponders()[t]->treeItem)
                unplacedTransponders.push_back(t);
        for (size_t p = 0; p < db().programs().size(); ++p)
            if (!db().programs()[p]->treeItem)
                unplacedPrograms.push_back(p);
    }

    // The saved file, read back.
    NetworkDatabase Reread() {
        NetworkDatabase reread;
        EXPECT_EQ(reread.Parse(ReadBytes(path)), NDF_OK);
        return reread;
    }

    // ---- records by their place in the tree ----

    Network* NetworkAt(size_t slot) { return slot < db().networks().size() ? db().networks()[slot].get() : nullptr; }
    std::vector<Transponder*> PlacedTranspondersOf(size_t slot) {
        std::vector<Transponder*> found;
        for (const auto& t : db().transponders())
            if (t->networkIndex == slot && t->treeItem)
                found.push_back(t.get());
        return found;
    }
    Transponder* FirstPlacedTransponderOf(size_t slot) {
        const auto placed = PlacedTranspondersOf(slot);
        return placed.empty() ? nullptr : placed.front();
    }
    std::vector<Program*> PlacedProgramsOf(size_t slot) {
        std::vector<Program*> found;
        for (const auto& p : db().programs()) {
            const uint16_t t = p->transponderIndex;
            if (p->treeItem && t < db().transponders().size() && db().transponders()[t]->networkIndex == slot)
                found.push_back(p.get());
        }
        return found;
    }
    Program* FirstPlacedProgramOf(size_t slot) {
        const auto placed = PlacedProgramsOf(slot);
        return placed.empty() ? nullptr : placed.front();
    }
    Program* LastPlacedProgramOf(size_t slot) {
        const auto placed = PlacedProgramsOf(slot);
        return placed.empty() ? nullptr : placed.back();
    }

    // Selects the record's item; false when the record is missing or has no item.
    template <typename Record> bool SelectRecord(Record* record) {
        if (!record || !record->treeItem)
            return false;
        Select(record->treeItem);
        return tree->SelectedItem() == record->treeItem;
    }

    void PressOk() {
        const char* page = view->Pane() == PANE_NETWORK       ? "networkPane"
                           : view->Pane() == PANE_TRANSPONDER ? "transponderPane"
                                                              : "programPane";
        auto* pane = Find<QWidget>(bar, page);
        ASSERT_NE(pane, nullptr);
        Find<QPushButton>(pane, "ok")->click();
    }

    // A new transponder cannot be left before it has a frequency and a symbol rate.
    void FillNewTransponder(const char* frequency) {
        ASSERT_EQ(view->Pane(), PANE_TRANSPONDER);
        Type("frequency", QString::fromLatin1(frequency));
        Type("symbolRate", QStringLiteral("27500"));
        PressOk();
    }

    // Every item of the tree, each network followed by its transponders and their programs.
    std::vector<TreeItemHandle> AllItems() const {
        std::vector<TreeItemHandle> items;
        for (int n = 0; n < tree->ChildCount(nullptr); ++n) {
            TreeItemHandle network = tree->ChildAt(nullptr, n);
            items.push_back(network);
            for (int t = 0; t < tree->ChildCount(network); ++t) {
                TreeItemHandle transponder = tree->ChildAt(network, t);
                items.push_back(transponder);
                for (int p = 0; p < tree->ChildCount(transponder); ++p)
                    items.push_back(tree->ChildAt(transponder, p));
            }
        }
        return items;
    }

    // The tree shows every record whose references name records that are shown, in collection
    // order, and nothing else; the records' treeItem links agree.
    void ExpectTreeMatchesDatabase(const char* when) {
        SCOPED_TRACE(when);
        NetworkDatabase& d = db();
        ASSERT_EQ(tree->ChildCount(nullptr), static_cast<int>(d.networks().size()));
        for (size_t n = 0; n < d.networks().size(); ++n) {
            TreeItemHandle item = tree->ChildAt(nullptr, static_cast<int>(n));
            EXPECT_EQ(tree->NetworkOf(item), d.networks()[n].get());
            EXPECT_EQ(d.networks()[n]->treeItem, item);
            std::vector<Transponder*> children;
            for (const auto& t : d.transponders())
                if (t->networkIndex == n)
                    children.push_back(t.get());
            ASSERT_EQ(tree->ChildCount(item), static_cast<int>(children.size())) << "network " << n;
            for (size_t c = 0; c < children.size(); ++c)
                EXPECT_EQ(tree->TransponderOf(tree->ChildAt(item, static_cast<int>(c))), children[c])
                    << "network " << n << " child " << c;
        }
        for (size_t t = 0; t < d.transponders().size(); ++t) {
            Transponder& transponder = *d.transponders()[t];
            const bool placed = transponder.networkIndex < d.networks().size();
            EXPECT_EQ(transponder.treeItem != nullptr, placed) << "transponder " << t;
            if (!transponder.treeItem)
                continue;
            EXPECT_EQ(tree->TransponderOf(transponder.treeItem), &transponder);
            std::vector<Program*> children;
            for (const auto& p : d.programs())
                if (p->transponderIndex == t)
                    children.push_back(p.get());
            ASSERT_EQ(tree->ChildCount(transponder.treeItem), static_cast<int>(children.size())) << "transponder " << t;
            for (size_t c = 0; c < children.size(); ++c)
                EXPECT_EQ(tree->ProgramOf(tree->ChildAt(transponder.treeItem, static_cast<int>(c))), children[c])
                    << "transponder " << t << " child " << c;
        }
        for (size_t p = 0; p < d.programs().size(); ++p) {
            const uint16_t t = d.programs()[p]->transponderIndex;
            const bool placed = t < d.transponders().size() && d.transponders()[t]->treeItem;
            EXPECT_EQ(d.programs()[p]->treeItem != nullptr, placed) << "program " << p;
        }
    }

    // The damage found at loading, and the records the tree could not place, are still in `after`:
    // the same records, referring to what they referred to. A walk that changed no collection
    // leaves every damaged reference at its value.
    void ExpectDamageKept(const NetworkDatabase& after, const char* walk, bool antennaIndicesMayBeMended = false) {
        SCOPED_TRACE(walk);
        const std::vector<DamagedReference> found = FindDamagedReferences(after);
        auto reported = [&](const std::string& kind, size_t index, const std::string& field) {
            return std::any_of(found.begin(), found.end(), [&](const DamagedReference& d) {
                return d.kind == kind && d.index == index && d.field == field;
            });
        };
        for (const DamagedReference& d : FindDamagedReferences(before)) {
            const std::string line = FormatDamagedReference(d);
            if (d.field == "count") {
                EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const DamagedReference& f) {
                    return f.kind == d.kind && f.field == "count";
                })) << line;
            } else if (d.kind == "networks") {
                if (antennaIndicesMayBeMended)
                    continue;
                const Network& old = *before.networks()[d.index];
                const size_t now =
                    FindRecord(after.networks(), [&](const Network& n) { return !n.Differs(old, true, true); });
                ASSERT_LT(now, after.networks().size()) << "lost: " << line;
                EXPECT_TRUE(reported(d.kind, now, d.field)) << line;
                ExpectStillPast(d.value, before.antennaConfigs().size(), after.networks()[now]->antennaIndex,
                                after.antennaConfigs().size(), -1, line);
            } else if (d.kind == "transponders") {
                const Transponder& old = *before.transponders()[d.index];
                const size_t now =
                    FindRecord(after.transponders(), [&](const Transponder& t) { return !t.Differs(old); });
                ASSERT_LT(now, after.transponders().size()) << "lost: " << line;
                EXPECT_TRUE(reported(d.kind, now, d.field)) << line;
                if (d.value >= static_cast<long long>(before.networks().size()))
                    ExpectStillPast(d.value, before.networks().size(), after.transponders()[now]->networkIndex,
                                    after.networks().size(), NO_NETWORK, line);
            } else if (d.kind == "programs") {
                const Program& old = *before.programs()[d.index];
                const size_t now = FindRecord(after.programs(), [&](const Program& p) { return !p.Differs(old); });
                ASSERT_LT(now, after.programs().size()) << "lost: " << line;
                EXPECT_TRUE(reported(d.kind, now, d.field)) << line;
                ExpectStillPast(d.value, before.transponders().size(), after.programs()[now]->transponderIndex,
                                after.transponders().size(), NO_INDEX, line);
            }
        }
        // Programs on a transponder that has no item still sit on that same transponder.
        for (const size_t p : unplacedPrograms) {
            const Program& old = *before.programs()[p];
            const size_t now = FindRecord(after.programs(), [&](const Program& q) { return !q.Differs(old); });
            ASSERT_LT(now, after.programs().size()) << "lost program " << old.name;
            if (old.transponderIndex >= before.transponders().size())
                continue;
            const uint16_t t = after.programs()[now]->transponderIndex;
            ASSERT_LT(t, after.transponders().size()) << old.name;
            EXPECT_FALSE(after.transponders()[t]->Differs(*before.transponders()[old.transponderIndex])) << old.name;
        }
        for (const size_t t : unplacedTransponders) {
            const Transponder& old = *before.transponders()[t];
            EXPECT_LT(FindRecord(after.transponders(), [&](const Transponder& u) { return !u.Differs(old); }),
                      after.transponders().size())
                << "lost transponder " << old.name;
        }
        // Favorite entries that name no program stay in their lists; the groups past the eighth keep
        // their names, and their other entries still name the same programs.
        ASSERT_EQ(after.favoriteGroups().size(), before.favoriteGroups().size());
        for (size_t g = 0; g < before.favoriteGroups().size(); ++g) {
            const FavoriteGroup& old = *before.favoriteGroups()[g];
            const FavoriteGroup& now = *after.favoriteGroups()[g];
            for (auto lists : {std::pair{&old.tvList, &now.tvList}, std::pair{&old.radioList, &now.radioList}}) {
                const std::vector<uint16_t> was = DamagedEntries(*lists.first, before.programs().size());
                const std::vector<uint16_t> is = DamagedEntries(*lists.second, after.programs().size());
                ASSERT_EQ(is.size(), was.size()) << "group " << g;
                for (size_t i = 0; i < was.size(); ++i)
                    ExpectStillPast(was[i], before.programs().size(), is[i], after.programs().size(), NO_INDEX,
                                    "group " + std::to_string(g) + " entry " + std::to_string(was[i]));
            }
            if (g < static_cast<size_t>(MAX_FAVORITE_GROUPS))
                continue;
            EXPECT_EQ(now.name, old.name);
            for (auto lists : {std::pair{&old.tvList, &now.tvList}, std::pair{&old.radioList, &now.radioList}}) {
                Lines wanted, got;
                for (const uint16_t e : *lists.first)
                    if (e < before.programs().size() && FindRecord(after.programs(), [&](const Program& p) {
                                                            return !p.Differs(*before.programs()[e]);
                                                        }) < after.programs().size())
                        wanted.push_back(before.programs()[e]->name);
                for (const uint16_t e : *lists.second)
                    if (e < after.programs().size())
                        got.push_back(after.programs()[e]->name);
                EXPECT_EQ(got, wanted) << "group " << g;
            }
        }
    }

    // ---- the channel list ----

    // What the rows of the shown group and tab must be, from the database and the working groups.
    void ExpectRowsShowWhatTheyCan(const ChannelListDialog& d) {
        const NetworkDatabase& data = db();
        auto networkOf = [&](const Program& p) -> int {
            if (p.transponderIndex >= data.transponders().size())
                return -1;
            const uint8_t n = data.transponders()[p.transponderIndex]->networkIndex;
            return n < data.networks().size() ? n : -1;
        };
        int wanted = 0;
        if (d.groupKind() == GROUP_FAVORITE) {
            const FavoriteGroup& group = d.session().workingGroups()[d.groupIndex()];
            for (const uint16_t e : d.currentTab() == 0 ? group.tvList : group.radioList)
                wanted += e < data.programs().size() ? 1 : 0;
        } else {
            for (const auto& p : data.programs())
                if (p->IsRadio() == (d.currentTab() == 1) &&
                    (d.groupKind() == GROUP_ALL || networkOf(*p) == d.groupIndex()))
                    ++wanted;
        }
        ASSERT_EQ(d.RowCount(), wanted) << "group kind " << int(d.groupKind()) << " index " << int(d.groupIndex());
        for (int row = 0; row < d.RowCount(); ++row) {
            const Program& program = d.RowProgram(row);
            EXPECT_EQ(d.CellText(row, 0).toLatin1().toStdString(), program.name);
            EXPECT_EQ(d.CellText(row, 2).isEmpty(), networkOf(program) < 0) << program.name;
        }
    }

    // Sorts by each column, drags a row, and adds the first row to and removes it from every group.
    void EditRows(ChannelListDialog& d) {
        QHeaderView* header = Find<QTreeView>(&d, "channelView")->header();
        for (int column = 0; column < 4; ++column)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(ViewColumn(column)) + 4, header->height() / 2));
        auto* list = Find<QTreeView>(&d, "channelView");
        const int rows = d.RowCount();
        if (rows >= 2) {
            EXPECT_EQ(d.session().sortState(), 3) << "the header clicks did not sort";
            const int target = std::min(rows - 1, 3);
            auto center = [&](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
            auto* view = Find<ChannelListView>(&d, "channelView");
            view->BeginDrag(0, center(0));
            view->DragMoveTo(center(target));
            view->DropAt(center(target));
            EXPECT_EQ(view->dropRow(), target);
        }
        if (rows == 0)
            return;
        for (int g = 0; g < d.session().FavoriteGroupCount(); ++g) {
            const bool shownGroup = d.groupKind() == GROUP_FAVORITE && d.groupIndex() == g;
            std::unique_ptr<QMenu> menu = d.BuildContextMenu(0);
            ASSERT_NE(menu, nullptr);
            QAction* add = MenuAction(*menu, ID_ADD_TO_FAVORITE + g);
            QAction* remove = MenuAction(*menu, ID_REMOVE_FROM_FAVORITE + g);
            ASSERT_TRUE(add && remove);
            ASSERT_NE(add->isEnabled(), remove->isEnabled());
            if (shownGroup)
                continue; // removing would take the row away
            const int first = add->isEnabled() ? ID_ADD_TO_FAVORITE : ID_REMOVE_FROM_FAVORITE;
            const int second = add->isEnabled() ? ID_REMOVE_FROM_FAVORITE : ID_ADD_TO_FAVORITE;
            MenuAction(*menu, first + g)->trigger();
            menu = d.BuildContextMenu(0);
            QAction* back = MenuAction(*menu, second + g);
            ASSERT_TRUE(back && back->isEnabled());
            back->trigger();
        }
    }

    // Every group entry with both tabs, then the search, the help and the names dialog.
    void WalkChannelList(ChannelListDialog& d, bool edit) {
        EXPECT_EQ(d.session().FavoriteGroupCount(),
                  static_cast<int>(std::min<size_t>(MAX_FAVORITE_GROUPS, db().favoriteGroups().size())));
        auto* groups = Find<QComboBox>(&d, "groupList");
        auto* tabs = Find<QTabBar>(&d, "tabBar");
        std::vector<int> tags;
        for (int i = 0; i < groups->count(); ++i)
            tags.push_back(groups->itemData(i).toInt());
        for (const int tag : tags) {
            const int entry = groups->findData(tag);
            if (entry < 0)
                continue;
            groups->setCurrentIndex(entry);
            for (const int tab : {0, 1}) {
                tabs->setCurrentIndex(tab);
                ExpectRowsShowWhatTheyCan(d);
                if (edit)
                    EditRows(d);
            }
        }
        auto* search = Find<QLineEdit>(&d, "searchEdit");
        auto* searchButton = Find<QPushButton>(&d, "searchButton");
        if (d.RowCount() > 0) {
            search->setText(QString::fromLatin1(d.RowProgram(d.RowCount() - 1).name.substr(0, 3).c_str()));
            searchButton->click();
            EXPECT_TRUE(Boxes().empty());
        }
        search->setText(QStringLiteral("no such channel"));
        MessageBox::SetNextAnswer(MessageBox::Ok);
        searchButton->click();
        const auto boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("No match was found..."));
        if (!edit)
            return;
        MessageBox::SetNextAnswer(MessageBox::Ok);
        Find<QPushButton>(&d, "helpButton")->click();
        EXPECT_EQ(Boxes().size(), 1u);
        EXPECT_TRUE(guitest::RunModal([&] { Find<QPushButton>(&d, "renameButton")->click(); },
                                      [](QWidget* names) { Find<QPushButton>(names, "okButton")->click(); }));
    }

    // Runs the Channel List command; walk gets the dialog and closes it.
    void RunChannelList(const std::function<void(ChannelListDialog&)>& walk) {
        const bool ran = guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                           [&](QWidget* modal) {
                                               auto* dialog = qobject_cast<ChannelListDialog*>(modal);
                                               ASSERT_NE(dialog, nullptr);
                                               walk(*dialog);
                                           });
        EXPECT_TRUE(ran);
    }

    NetworkDatabase before; // the file as loaded, never touched
    std::vector<uint8_t> original;
    std::string path;
    std::vector<size_t> unplacedTransponders; // indices in `before` of the records without an item
    std::vector<size_t> unplacedPrograms;
};

class DamagedFile : public DamagedFileBase, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        DamagedFileBase::SetUp();
        ASSERT_NO_FATAL_FAILURE(Load(GetParam()));
    }
};

// ---- every file, every walk ----

TEST_P(DamagedFile, LoadsWithItsDamageAndShowsEveryRecordItCanPlace) {
    const Lines planted = PlantedDamage(GetParam());
    ASSERT_FALSE(planted.empty());
    EXPECT_EQ(Damage(before), planted);
    EXPECT_EQ(Damage(db()), planted);
    ExpectTreeMatchesDatabase("after opening");
    EXPECT_EQ(view->Pane(), db().networks().empty() ? PANE_EMPTY : PANE_NETWORK);
    EXPECT_FALSE(view->IsModified());
}

TEST_P(DamagedFile, LookingEverywhereChangesNoByte) {
    for (TreeItemHandle item : AllItems()) {
        Select(item);
        ASSERT_EQ(tree->SelectedItem(), item);
        PressOk();
        if (view->Pane() == PANE_PROGRAM) {
            EXPECT_TRUE(guitest::RunModal([&] { Find<QPushButton>(bar, "moreAudio")->click(); },
                                          [](QWidget* audio) { Find<QPushButton>(audio, "ok")->click(); }));
            PressOk();
        }
        ASSERT_FALSE(view->IsModified()) << tree->LabelOf(item).toStdString() << " was marked modified";
    }
    ASSERT_TRUE(Boxes().empty());

    if (!db().networks().empty()) {
        Select(tree->FirstRootItem());
        RunChannelList([&](ChannelListDialog& d) {
            WalkChannelList(d, true);
            const bool changed = d.HoldsChanges();
            if (changed)
                MessageBox::SetNextAnswer(MessageBox::Yes); // discard them
            Find<QPushButton>(&d, "cancelButton")->click();
            EXPECT_EQ(Boxes().size(), changed ? 1u : 0u);
        });
        RunChannelList([&](ChannelListDialog& d) {
            WalkChannelList(d, false);
            Find<QPushButton>(&d, "okButton")->click();
            EXPECT_EQ(d.changeFlags(), 0u);
        });
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_FILE_MODIFICATION_DATE); },
                                      [](QWidget* stamp) { Find<QPushButton>(stamp, "okButton")->click(); }));
        FileDialog::SetNextCancel();
        Trigger(ID_SATELLITE_IMPORT_SATCODX);
    } else {
        for (int id : {ID_VIEW_CHANNEL_LIST, ID_FILE_MODIFICATION_DATE, ID_SATELLITE_IMPORT_SATCODX,
                       ID_SATELLITE_SORT_BY_DEGREE, ID_TRANSPONDER_ADD, ID_PROGRAM_ADD})
            EXPECT_FALSE(Enabled(id)) << id;
        db().keepStamp = true; // with nothing shown no command can pin the stamp; a date stamp would move
    }
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_PRINT);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(Damage(db()), Damage(before));

    Trigger(ID_FILE_SAVE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ReadBytes(path), original);
}

TEST_P(DamagedFile, RecordCommandsKeepTheUnplacedRecords) {
    auto step = [&](const char* what) { ExpectTreeMatchesDatabase(what); };
    // The first network: additions from every pane, and deletions that leave it some transponders.
    if (SelectRecord(NetworkAt(0))) {
        Trigger(ID_TRANSPONDER_ADD);
        FillNewTransponder("12345");
        step("transponder added to a network");
        Trigger(ID_PROGRAM_ADD);
        ASSERT_EQ(view->Pane(), PANE_PROGRAM);
        Type("programName", QStringLiteral("Added"));
        PressOk();
        step("program added to a transponder");
    }
    if (SelectRecord(FirstPlacedProgramOf(0))) {
        Trigger(ID_PROGRAM_ADD);
        step("program added before a program");
        Trigger(ID_PROGRAM_DELETE);
        step("program deleted");
    }
    if (SelectRecord(FirstPlacedTransponderOf(0))) {
        Trigger(ID_TRANSPONDER_ADD);
        FillNewTransponder("12346");
        step("transponder added before a transponder");
        Trigger(ID_TRANSPONDER_DELETE);
        step("transponder deleted");
    }
    if (SelectRecord(FirstPlacedProgramOf(0))) {
        Trigger(ID_TRANSPONDER_ADD);
        FillNewTransponder("12347");
        step("transponder added before a program's transponder");
    }
    if (SelectRecord(FirstPlacedProgramOf(0))) {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER);
        step("programs deleted in a program's transponder");
    }
    if (Program* program = FirstPlacedProgramOf(0);
        program && SelectRecord(db().transponders()[program->transponderIndex].get())) {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER);
        step("programs deleted in a transponder");
    }
    // The other networks: every deletion from every pane where it exists.
    if (SelectRecord(LastPlacedProgramOf(2))) {
        Trigger(ID_TRANSPONDER_DELETE);
        step("a program's transponder deleted");
    }
    if (SelectRecord(FirstPlacedTransponderOf(2))) {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        step("programs deleted in a transponder's network");
    }
    if (SelectRecord(NetworkAt(2))) {
        Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
        step("transponders deleted in a network");
    }
    if (SelectRecord(FirstPlacedProgramOf(4))) {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        step("programs deleted in a program's network");
    }
    if (SelectRecord(FirstPlacedProgramOf(1))) {
        Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
        step("transponders deleted in a program's network");
    }
    if (SelectRecord(NetworkAt(3))) {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        step("programs deleted in a network");
    }
    if (SelectRecord(FirstPlacedTransponderOf(3))) {
        Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
        step("transponders deleted in a transponder's network");
    }
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(view->IsModified(), !db().networks().empty());

    Trigger(ID_FILE_SAVE);
    ExpectDamageKept(Reread(), "record commands");
    OpenThroughMenu(QString::fromStdString(path));
    ExpectTreeMatchesDatabase("reopened");
}

TEST_P(DamagedFile, SortByDegreeMovesTheConfigurationsAlongOrRefuses) {
    if (db().networks().empty()) {
        EXPECT_FALSE(Enabled(ID_SATELLITE_SORT_BY_DEGREE));
        return;
    }
    // The configuration each network uses, where its antennaIndex names one.
    auto configOf = [](const NetworkDatabase& d, const Network& n) -> const AntennaConfig* {
        return n.antennaIndex < d.antennaConfigs().size() ? d.antennaConfigs()[n.antennaIndex].get() : nullptr;
    };
    const bool refused = before.antennaConfigs().size() < before.networks().size();
    if (refused)
        MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_SATELLITE_SORT_BY_DEGREE);
    if (refused) {
        const auto boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Sort by Degree needs one antenna configuration for each satellite."));
        EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    }
    ExpectTreeMatchesDatabase("after the sort");
    EXPECT_EQ(view->IsModified(), !refused);
    for (size_t n = 0; n < db().networks().size(); ++n) {
        const Network& now = *db().networks()[n];
        const size_t was = FindRecord(before.networks(), [&](const Network& o) { return !o.Differs(now, true, true); });
        ASSERT_LT(was, before.networks().size());
        if (refused) {
            EXPECT_EQ(was, n);
            continue;
        }
        if (n > 0) {
            EXPECT_LE((db().networks()[n - 1]->position + 1800) % 3600, (now.position + 1800) % 3600);
        }
        const AntennaConfig* old = configOf(before, *before.networks()[was]);
        if (!old) {
            // A moved network takes the configuration of its new slot.
            EXPECT_TRUE(now.antennaIndex == n || now.antennaIndex == before.networks()[was]->antennaIndex) << now.name;
            continue;
        }
        const AntennaConfig* config = configOf(db(), now);
        ASSERT_NE(config, nullptr) << now.name;
        EXPECT_EQ(std::memcmp(config, old, sizeof(AntennaConfig)), 0) << now.name;
    }
    Trigger(ID_FILE_SAVE);
    ExpectDamageKept(Reread(), "sort by degree", true);
}

TEST_P(DamagedFile, ChannelListEditsKeepTheUnplacedRecords) {
    if (db().networks().empty()) {
        EXPECT_FALSE(Enabled(ID_VIEW_CHANNEL_LIST));
        return;
    }
    RunChannelList([&](ChannelListDialog& d) {
        WalkChannelList(d, true);
        Find<QPushButton>(&d, "okButton")->click();
        EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES);
    });
    EXPECT_TRUE(view->IsModified());
    ExpectTreeMatchesDatabase("after the channel list");
    // The dialog reorders the programs; it neither adds nor drops one.
    ASSERT_EQ(db().programs().size(), before.programs().size());
    for (const auto& p : before.programs())
        EXPECT_LT(FindRecord(db().programs(), [&](const Program& q) { return !q.Differs(*p); }),
                  db().programs().size());

    Trigger(ID_FILE_SAVE);
    ExpectDamageKept(Reread(), "channel list");
}

TEST_P(DamagedFile, ImportAndStampKeepTheUnplacedRecords) {
    if (db().networks().empty()) {
        EXPECT_FALSE(Enabled(ID_SATELLITE_IMPORT_SATCODX));
        return;
    }
    const std::string listing = dir.StdPath("listing.sdx");
    {
        std::ofstream out(listing, std::ios::binary);
        out << SatcodxLine("Astra 19.2E", "11494", '1', "0192", "22000"); // already there
        out << SatcodxLine("Astra 19.2E", "12603", '1', "0192", "22000");
        out << SatcodxLine("Astra 19.2E", "10714", '0', "0192", "22000");
    }
    Select(tree->FirstRootItem());
    const size_t transponders = db().transponders().size();
    const Network& first = *db().networks()[0];
    if (first.position != 192 && (!first.name.empty() || db().FirstTransponderOf(0) < transponders))
        MessageBox::SetNextAnswer(MessageBox::Yes); // import it anyway
    MessageBox::SetNextAnswer(MessageBox::Ok);      // the summary
    FileDialog::SetNextPath(QString::fromStdString(listing));
    Trigger(ID_SATELLITE_IMPORT_SATCODX);
    const auto boxes = Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text,
              QStringLiteral("2 transponders added to Astra 19.2E; 1 already present, 0 lines skipped."));
    EXPECT_EQ(db().transponders().size(), transponders + 2);
    EXPECT_EQ(db().networks()[0]->name, "Astra 19.2E");
    ExpectTreeMatchesDatabase("after the import");

    EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_FILE_MODIFICATION_DATE); },
                                  [](QWidget* stamp) {
                                      Find<QRadioButton>(stamp, "versionRadio")->click();
                                      Find<QLineEdit>(stamp, "versionEdit")->setText(QStringLiteral("C017"));
                                      Find<QPushButton>(stamp, "okButton")->click();
                                  }));
    EXPECT_TRUE(view->IsModified());
    EXPECT_TRUE(Boxes().empty());
    Trigger(ID_FILE_SAVE);
    const NetworkDatabase reread = Reread();
    std::string version;
    EXPECT_TRUE(reread.GetStampVersion(version));
    EXPECT_EQ(version, "C017");
    ExpectDamageKept(reread, "import and stamp");
}

// ---- the rules for damaged data, one file each ----

class DamagedRecord : public DamagedFileBase {};

TEST_F(DamagedRecord, NetworkWithoutItsConfigurationShowsTheDefaultAndApplyingCreatesIt) {
    ASSERT_NO_FATAL_FAILURE(Load("antenna-index-past-configs.NDF"));
    Network* network = NetworkAt(1);
    ASSERT_NE(network, nullptr);
    const size_t slot = network->antennaIndex;
    ASSERT_EQ(slot, db().antennaConfigs().size()) << "the file's second network names the slot just past the end";
    ASSERT_TRUE(SelectRecord(network));
    EXPECT_FALSE(bar->workingAntennaConfig().Differs(AntennaConfig()));
    auto* power = Find<QComboBox>(bar, "powerMode");
    EXPECT_EQ(power->currentText(), QStringLiteral("ON (Auto)"));
    PressOk();
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(db().antennaConfigs().size(), slot);

    power->setCurrentIndex(1); // "13V"
    PressOk();
    EXPECT_TRUE(view->IsModified());
    ASSERT_EQ(db().antennaConfigs().size(), slot + 1);
    EXPECT_EQ(db().antennaConfigs()[slot]->powerMode(), 1);
    for (size_t i = 0; i < slot; ++i)
        EXPECT_EQ(std::memcmp(db().antennaConfigs()[i].get(), before.antennaConfigs()[i].get(), sizeof(AntennaConfig)),
                  0);
    Select(tree->FirstRootItem());
    ASSERT_TRUE(SelectRecord(network));
    EXPECT_EQ(power->currentText(), QStringLiteral("13V"));

    Trigger(ID_FILE_SAVE);
    const NetworkDatabase reread = Reread();
    ASSERT_EQ(reread.antennaConfigs().size(), slot + 1);
    // Only the other networks' damage is left.
    const Lines damage = Damage(before);
    EXPECT_EQ(Damage(reread), Lines(damage.begin() + 1, damage.end()));
}

TEST_F(DamagedRecord, NetworkNamingASlotTheFileCannotHoldGetsANewConfiguration) {
    ASSERT_NO_FATAL_FAILURE(Load("antenna-index-past-configs.NDF"));
    Network* network = NetworkAt(3);
    ASSERT_NE(network, nullptr);
    ASSERT_EQ(network->antennaIndex, 255) << "the file's fourth network names slot 255";
    const size_t configs = db().antennaConfigs().size();
    ASSERT_TRUE(SelectRecord(network));
    Find<QComboBox>(bar, "powerMode")->setCurrentIndex(1); // "13V"
    PressOk();
    EXPECT_TRUE(view->IsModified());
    ASSERT_EQ(db().antennaConfigs().size(), configs + 1);
    EXPECT_EQ(network->antennaIndex, configs);
    EXPECT_EQ(db().antennaConfigs().back()->powerMode(), 1);

    // A later edit of the network itself keeps it on its new configuration.
    Type("networkName", QStringLiteral("Renamed"));
    PressOk();
    EXPECT_EQ(network->name, "Renamed");
    EXPECT_EQ(network->antennaIndex, configs);

    Trigger(ID_FILE_SAVE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(view->IsModified());
    const NetworkDatabase reread = Reread();
    ASSERT_EQ(reread.antennaConfigs().size(), configs + 1);
    EXPECT_EQ(reread.networks()[3]->antennaIndex, configs);
    EXPECT_EQ(reread.antennaConfigs()[configs]->powerMode(), 1);
}

const char* const kCorpus[] = {
    "antenna-index-past-configs.NDF",
    "fewer-configs-than-networks.NDF",
    "transponder-network-past.NDF",
    "program-transponder-past.NDF",
    "favorite-entries-past-programs.NDF",
    "more-than-eight-groups.NDF",
    "split-transponder-run.NDF",
    "no-networks.NDF",
    "all-damage.NDF",
};

INSTANTIATE_TEST_SUITE_P(Corpus, DamagedFile, ::testing::ValuesIn(kCorpus),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* c = info.param; *c && *c != '.'; ++c)
                                 if (*c != '-')
                                     name += *c;
                             return name;
                         });

TEST(DamagedCorpus, EveryFileIsWalked) {
    Lines listed(std::begin(kCorpus), std::end(kCorpus)), present;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusPath("")))
        if (entry.path().extension() == ".NDF")
            present.push_back(entry.path().filename().string());
    std::sort(listed.begin(), listed.end());
    std::sort(present.begin(), present.end());
    EXPECT_EQ(present, listed);
}

} // namespace
