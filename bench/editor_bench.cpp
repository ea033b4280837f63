// Timings of the editor's commands on the largest database a receiver file can hold (255
// satellites, 65,535 transponders, 65,535 programs, 8 favorite groups of 5,000 entries), driven
// through the real main window offscreen, the way the menu commands run.
//
// How to run it (it is built with the project when DISHLINE_BENCH is on, and ctest does not run it):
//
//     build/bench/editor_bench                 full and half size, 5 rounds each
//     build/bench/editor_bench --rounds 9      more rounds (each figure is the median of the rounds)
//     build/bench/editor_bench --size half     one size only (full, half, or both)
//     build/bench/editor_bench --heavy         the first satellite carries a third of the transponders
//
// The program writes the databases into a temporary folder (in a child process, so that the
// generator's memory does not count), then runs each size in a child process of its own: a fresh
// heap and a peak memory (ru_maxrss) that belongs to that size alone. Every step is timed by the
// wall clock and by the main thread's processor time (the better figure on a busy machine). The
// table gives each step's median, its ratio to the yardstick (the core reading, checking and
// parsing the same file, processor time against processor time) and, with both sizes, the ratio
// of full size to half size, which stays near 2 for a step whose cost grows linearly with the
// database (and near 1 for one that does not grow with it), and the step's limit: at most 0.1 s for
// undo, redo, Find next, the find bar's filter on and off and Lock on 5,000 selected programs,
// 0.5 s for Open, Sort by Degree, opening the Channel List and its OK (which writes back block
// moves, a drag of 5,000 rows and the deletion of 5,000 channels, and rebuilds the tree), 1 s for the
// CSV and web page exports, 60 s for the PDF export (which shows its progress), 0.3 s for every
// other step, Open at most 10 yardsticks, and at most 250 MiB resident with the Channel List shown. "OVER" marks a
// figure beyond its limit.
#include "bench/BigDatabase.h"
#include "channellist/ChannelListDialog.h"
#include "database/NetworkDatabase.h"
#include "forms/EditBar.h"
#include "shell/Commands.h"
#include "shell/EditorView.h"
#include "shell/FindBar.h"
#include "shell/MainFrame.h"
#include "shell/NetworkTree.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// ---- clocks ----

struct Sample {
    double wall = 0;
    double cpu = 0;
};

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class Stopwatch {
public:
    Stopwatch() : wall_(WallSeconds()), cpu_(CpuSeconds()) {}
    Sample Elapsed() const { return {WallSeconds() - wall_, CpuSeconds() - cpu_}; }

private:
    double wall_;
    double cpu_;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "editor_bench: %s\n", what.c_str());
    std::fflush(stderr);
    _exit(2);
}

void Expect(bool condition, const char* what) {
    if (!condition)
        Fail(std::string("unexpected state: ") + what);
}

// The memory the process holds right now (VmRSS), in KiB.
long ResidentKib() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// ---- one size, in a child process ----

// Lets the widgets lay out and paint what the last command changed.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

class Round {
public:
    Round(const std::string& original, const std::string& working, std::map<std::string, std::vector<Sample>>& samples)
        : original_(original), working_(working), samples_(samples) {}

    void Run();

private:
    template <typename F> void Time(const std::string& step, F&& body) {
        const Stopwatch watch;
        body();
        samples_[step].push_back(watch.Elapsed());
    }
    void Trigger(int id) {
        QAction* action = frame_->Action(id);
        Expect(action && action->isEnabled(), "the command is enabled");
        action->trigger();
    }
    void Open() {
        FileDialog::SetNextPath(QString::fromStdString(working_));
        Trigger(ID_FILE_OPEN);
        Settle();
    }
    void RunChannelList();
    void RunFind();
    void Export(const std::string& step, const std::string& fileName) {
        const std::string path = working_ + "." + fileName;
        FileDialog::SetNextPath(QString::fromStdString(path));
        bool accepted = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != QStringLiteral("exportDialog"))
                Fail("the Export Channel List dialog is not shown");
            dialog->accept();
            accepted = true;
        });
        Time(step, [&] {
            Trigger(ID_FILE_EXPORT_CHANNEL_LIST);
            Settle();
        });
        Expect(accepted && fs::exists(path) && fs::file_size(path) > 0, "the list is exported");
        fs::remove(path);
    }

    std::string original_;
    std::string working_;
    std::map<std::string, std::vector<Sample>>& samples_;
    CMainFrame* frame_ = nullptr;
};

// The network with the most transponders (the first of them on a tie).
Network* BusiestNetwork(NetworkDatabase& db) {
    std::vector<size_t> counts(db.networks().size(), 0);
    for (const auto& transponder : db.transponders())
        if (transponder->networkIndex < counts.size())
            ++counts[transponder->networkIndex];
    const auto most = std::max_element(counts.begin(), counts.end());
    return db.networks()[static_cast<size_t>(most - counts.begin())].get();
}

// The transponder of the network with the most programs.
Transponder* BusiestTransponder(NetworkDatabase& db, const Network* network) {
    const uint8_t slot = db.IndexOfNetwork(network);
    std::vector<size_t> counts(db.transponders().size(), 0);
    for (const auto& program : db.programs())
        if (program->transponderIndex < counts.size())
            ++counts[program->transponderIndex];
    size_t best = db.transponders().size();
    for (size_t i = 0; i < db.transponders().size(); ++i)
        if (db.transponders()[i]->networkIndex == slot &&
            (best == db.transponders().size() || counts[i] > counts[best]))
            best = i;
    Expect(best < db.transponders().size(), "the network has transponders");
    return db.transponders()[best].get();
}

// A SATCODX listing of count different transponders of one satellite at 19.2E.
void WriteListing(const std::string& path, size_t count) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        Fail("cannot write " + path);
    for (size_t i = 0; i < count; ++i) {
        const unsigned frequency = 10700 + static_cast<unsigned>(i / 4) % 2000;
        const unsigned polarity = static_cast<unsigned>(i % 2);
        const unsigned symbolRate = 22000 + static_cast<unsigned>(i / 8000 * 100 + i / 2 % 2 * 5500);
        // Columns: tag 0-6, kind 8-9, name 10-27, frequency 33-38, polarity 42, position 51-54,
        // symbol rate 69-73.
        std::fprintf(file, "SATCODX 03%-18s%5s%6u%3s%1u%8s%4u%14s%5u\n", "Bench Sat 19.2E", "", frequency, "", polarity,
                     "", 192u, "", symbolRate);
    }
    std::fclose(file);
}

void Round::Run() {
    fs::copy_file(original_, working_, fs::copy_options::overwrite_existing);
    CMainFrame frame;
    frame_ = &frame;
    frame.show();
    Settle();
    EditorView* view = frame.View();
    NetworkTree* tree = view->Tree();
    NetworkDatabase& db = view->Database();

    // 1. Open: from the chosen path to the tree shown with the first satellite selected.
    Time("Open", [&] { Open(); });
    Expect(tree->SelectedItem() && tree->SelectedItem() == tree->FirstRootItem(), "the first satellite is selected");
    Expect(view->Pane() == PANE_NETWORK, "the network pane is shown");

    // 2. Selecting a satellite far from the first one, one of its transponders and one of the
    // transponder's programs, each showing its pane.
    Network* busiest = BusiestNetwork(db);
    Transponder* crowded = BusiestTransponder(db, busiest);
    Expect(tree->ChildCount(crowded->treeItem) > 0, "the transponder has programs");
    const TreeItemHandle lastProgram = tree->ChildAt(crowded->treeItem, tree->ChildCount(crowded->treeItem) - 1);
    Network* far = db.networks()[db.networks().size() / 2].get();
    Time("Select satellite", [&] {
        tree->SelectItem(far->treeItem);
        Settle();
    });
    Expect(view->Pane() == PANE_NETWORK, "the network pane is shown");
    Time("Select transponder", [&] {
        tree->SelectItem(crowded->treeItem);
        Settle();
    });
    Expect(view->Pane() == PANE_TRANSPONDER, "the transponder pane is shown");
    Time("Select program", [&] {
        tree->SelectItem(lastProgram);
        Settle();
    });
    Expect(view->Pane() == PANE_PROGRAM, "the program pane is shown");

    // Find: the next program of a common name from the selected one, the filter that shows only
    // the matching programs (opening their transponders) and the whole tree again.
    RunFind();
    tree->SelectItem(lastProgram);
    Settle();

    // File Export Channel List of every channel, in each format: from the command to the file
    // written (the PDF with its progress dialog, shown after half a second).
    Export("Export CSV", "list.csv");
    Export("Export web page", "list.html");
    Export("Export PDF", "list.pdf");

    // 3. The delete-all commands on the satellite with the most transponders.
    const size_t programsBefore = db.programs().size();
    Time("Program Delete All in Transponder", [&] {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER);
        Settle();
    });
    Expect(db.programs().size() < programsBefore, "programs were deleted");
    Expect(tree->SelectedItem() == crowded->treeItem, "the transponder is selected");
    Time("Program Delete All in Net", [&] {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        Settle();
    });
    for (int row = 0; row < tree->ChildCount(busiest->treeItem); ++row)
        Expect(tree->ChildCount(tree->ChildAt(busiest->treeItem, row)) == 0, "the network's programs are gone");

    // The transponders go from the file as it was, with their programs: open it again over the
    // changed one, which is freed on the way.
    fs::copy_file(original_, working_, fs::copy_options::overwrite_existing);
    Time("Open replacing an open file", [&] {
        MessageBox::SetNextAnswer(MessageBox::No); // "Save changes to ...?"
        Open();
    });
    Expect(!view->IsModified() && tree->SelectedItem() == tree->FirstRootItem(), "the file is open again");
    busiest = BusiestNetwork(db);
    tree->SelectItem(busiest->treeItem);
    Settle();
    // The largest deletion of programs, which the undo and redo below take back and make again.
    Time("Program Delete All in Net, to undo", [&] {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        Settle();
    });
    Expect(view->History().UndoName() == "Delete All Programs in Net", "the programs' deletion is a step");
    const size_t transpondersBefore = db.transponders().size();
    Time("Transponder Delete All in Net", [&] {
        Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
        Settle();
    });
    Expect(db.transponders().size() < transpondersBefore && tree->ChildCount(busiest->treeItem) == 0,
           "the network's transponders are gone");
    Expect(view->Pane() == PANE_NETWORK, "the network pane is shown");

    // The satellite filled again from a SATCODX listing with as many transponders as it lost but
    // one, which the next commands add.
    const size_t imported = transpondersBefore - db.transponders().size() - 1;
    const std::string listing = working_ + ".sdx";
    WriteListing(listing, imported);
    Time("Import SATCODX", [&] {
        MessageBox::SetNextAnswer(MessageBox::Yes); // the listing is for another position
        MessageBox::SetNextAnswer(MessageBox::Ok);  // what the import did
        FileDialog::SetNextPath(QString::fromStdString(listing));
        Trigger(ID_SATELLITE_IMPORT_SATCODX);
        Settle();
    });
    Expect(db.transponders().size() == transpondersBefore - 1 &&
               tree->ChildCount(busiest->treeItem) == static_cast<int>(imported),
           "the listing's transponders are imported");
    fs::remove(listing);

    // 4. Sort by Degree: the generator leaves the satellites in no order of position.
    Time("Sort by Degree", [&] {
        Trigger(ID_SATELLITE_SORT_BY_DEGREE);
        Settle();
    });
    for (size_t i = 1; i < db.networks().size(); ++i)
        Expect(db.networks()[i]->IsEmptySlot() || db.networks()[i - 1]->IsEmptySlot() ||
                   (db.networks()[i - 1]->position + 1800) % 3600 <= (db.networks()[i]->position + 1800) % 3600,
               "the satellites are sorted");
    Expect(tree->SelectedItem() == tree->FirstRootItem(), "the first satellite is selected after the rebuild");

    // Adding and deleting single records at the front, where every reference behind them moves.
    Network* second = BusiestNetwork(db);
    Expect(tree->ChildCount(second->treeItem) > 0, "a satellite with transponders remains");
    tree->SelectItem(tree->ChildAt(second->treeItem, 0));
    Settle();
    const size_t transponderCount = db.transponders().size();
    Time("Transponder Add New", [&] {
        Trigger(ID_TRANSPONDER_ADD);
        Settle();
    });
    Expect(db.transponders().size() == transponderCount + 1 && view->Pane() == PANE_TRANSPONDER, "a transponder added");
    Time("Transponder Delete Selected", [&] {
        Trigger(ID_TRANSPONDER_DELETE);
        Settle();
    });
    Expect(db.transponders().size() == transponderCount, "the added transponder is deleted");
    Program* front = db.programs().front().get();
    Expect(front->treeItem != nullptr, "the first program has an item");
    tree->SelectItem(front->treeItem);
    Settle();
    const size_t programCount = db.programs().size();
    Time("Program Add New (before the first)", [&] {
        Trigger(ID_PROGRAM_ADD);
        Settle();
    });
    Expect(db.programs().size() == programCount + 1 && db.programs()[1].get() == front, "a program added first");
    Time("Program Delete Selected", [&] {
        Trigger(ID_PROGRAM_DELETE);
        Settle();
    });
    Expect(db.programs().size() == programCount && db.programs()[0].get() == front, "the added program is deleted");

    // 5. The channel list.
    RunChannelList();

    // 5b. Every step since the file was opened again, undone and then redone, one at a time.
    std::vector<std::string> undone;
    while (frame_->Action(ID_EDIT_UNDO)->isEnabled()) {
        const std::string name = view->History().UndoName();
        Time("Undo " + name, [&] {
            Trigger(ID_EDIT_UNDO);
            Settle();
        });
        undone.push_back(name);
    }
    Expect(!view->IsModified() && undone.size() >= 8, "every step is undone, back to the file as opened");
    for (auto name = undone.rbegin(); name != undone.rend(); ++name) {
        Time("Redo " + *name, [&] {
            Trigger(ID_EDIT_REDO);
            Settle();
        });
    }
    Expect(view->IsModified() && !frame_->Action(ID_EDIT_REDO)->isEnabled(), "every step is redone");

    // A hundred applied edits of one program: what they add to the history and to the process.
    tree->SelectItem(db.programs()[db.programs().size() / 2]->treeItem);
    Settle();
    auto* nameField = frame_->Bar()->findChild<QLineEdit*>(QStringLiteral("programName"));
    auto* okButton = frame_->Bar()
                         ->findChild<QWidget*>(QStringLiteral("programPane"))
                         ->findChild<QPushButton*>(QStringLiteral("ok"));
    Expect(nameField && okButton, "the program pane is shown");
    const size_t historyBefore = view->History().Bytes();
    const long residentBefore = ResidentKib();
    for (int i = 0; i < 100; ++i) {
        nameField->setText(QStringLiteral("Edited %1").arg(i));
        okButton->click();
    }
    Settle();
    std::printf("edits_kib\t%zu\t%ld\n", (view->History().Bytes() - historyBefore) / 1024,
                ResidentKib() - residentBefore);

    // 6. Save and Close.
    Time("Save", [&] {
        Trigger(ID_FILE_SAVE);
        Settle();
    });
    Expect(!view->IsModified(), "the file is saved");
    Time("Close", [&] {
        Trigger(ID_FILE_CLOSE);
        Settle();
    });
    Expect(view->Pane() == PANE_EMPTY && tree->ChildCount(nullptr) == 0, "the file is closed");

    // The delete-all commands once more, with every item of the satellite expanded (the '*' key).
    auto expandBusiest = [&](const char* step) {
        Network* network = BusiestNetwork(db);
        tree->SelectItem(network->treeItem);
        tree->setFocus();
        Settle();
        Time(step, [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Asterisk, Qt::NoModifier, QStringLiteral("*"));
            QCoreApplication::sendEvent(tree, &press);
            Settle();
        });
        const TreeItemHandle transponder = tree->ChildAt(network->treeItem, tree->ChildCount(network->treeItem) - 1);
        Expect(tree->isExpanded(tree->IndexOf(transponder)), "the satellite is expanded");
    };
    fs::copy_file(original_, working_, fs::copy_options::overwrite_existing);
    Open();
    expandBusiest("Expand a satellite fully");
    Time("Program Delete All in Net, expanded", [&] {
        Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
        Settle();
    });
    fs::copy_file(original_, working_, fs::copy_options::overwrite_existing);
    MessageBox::SetNextAnswer(MessageBox::No);
    Open();
    expandBusiest("Expand a satellite fully");
    Time("Transponder Delete All in Net, expanded", [&] {
        Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
        Settle();
    });
    MessageBox::SetNextAnswer(MessageBox::No);
    Trigger(ID_FILE_CLOSE);
    Settle();
    Expect(MessageBox::PendingAnswers() == 0, "every scripted answer was used");
    frame_ = nullptr;
}

void Round::RunFind() {
    EditorView* view = frame_->View();
    NetworkTree* tree = view->Tree();
    NetworkDatabase& db = view->Database();
    const Program& sample = *db.programs()[db.programs().size() * 3 / 4];
    Trigger(ID_EDIT_FIND);
    auto* text = view->Finder()->findChild<QLineEdit*>(QStringLiteral("findText"));
    auto* next = view->Finder()->findChild<QToolButton*>(QStringLiteral("findNext"));
    auto* filter = view->Finder()->findChild<QToolButton*>(QStringLiteral("findFilter"));
    Expect(text && next && filter, "the find bar is shown");
    text->setText(QString::fromLatin1(sample.name.data(), static_cast<qsizetype>(sample.name.size())));
    Settle();
    const TreeItemHandle before = tree->SelectedItem();
    Time("Find next", [&] {
        next->click();
        Settle();
    });
    Expect(tree->SelectedItem() != before && tree->Matches(tree->SelectedItem(), FindQuery::From(text->text())),
           "the next match is selected");
    Time("Filter on", [&] {
        filter->click();
        Settle();
    });
    Expect(tree->IsFiltered() && tree->IsShown(tree->SelectedItem()), "the filter shows the match");
    Time("Filter off", [&] {
        filter->click();
        Settle();
    });
    Expect(!tree->IsFiltered(), "the filter is off");

    // Program Lock on 5,000 programs picked across the tree, one by one as Ctrl+click picks them.
    tree->SelectItem(db.programs()[1]->treeItem);
    Settle();
    QItemSelection picked;
    size_t count = 0;
    for (size_t i = 1; i < db.programs().size() && count < 5000; i += 3) {
        if (!db.programs()[i]->treeItem)
            continue;
        const QModelIndex index = tree->IndexOf(db.programs()[i]->treeItem);
        picked.select(index, index);
        ++count;
    }
    tree->selectionModel()->select(picked, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Settle();
    Expect(tree->SelectionCount() == 5000, "5,000 programs are selected");
    Time("Lock 5,000 selected programs", [&] {
        Trigger(ID_PROGRAM_LOCK);
        Settle();
    });
    Expect((db.programs()[1]->attributes & PA_LOCK) && (db.programs()[4]->attributes & PA_LOCK) &&
               frame_->Action(ID_PROGRAM_LOCK)->isChecked(),
           "the programs are locked");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(text, &escape);
    Expect(view->Finder()->isHidden(), "the find bar is closed");
}

void Round::RunChannelList() {
    EditorView* view = frame_->View();
    NetworkDatabase& db = view->Database();
    bool ran = false;
    Stopwatch opening;
    Stopwatch accepting;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ChannelListDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            Fail("the Channel List dialog is not shown");
        Settle();
        samples_["Channel List: open"].push_back(opening.Elapsed());
        ran = true;

        auto* groups = dialog->findChild<QComboBox*>(QStringLiteral("groupList"));
        auto* searchEdit = dialog->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        auto* list = dialog->findChild<QTreeView*>(QStringLiteral("channelView"));
        Expect(groups && searchEdit && list, "the dialog's controls exist");

        // The network entry with the most rows.
        std::vector<size_t> programsOf(db.networks().size(), 0);
        for (const auto& program : db.programs()) {
            if (program->transponderIndex < db.transponders().size()) {
                const uint8_t slot = db.transponders()[program->transponderIndex]->networkIndex;
                if (slot < programsOf.size())
                    ++programsOf[slot];
            }
        }
        int bestEntry = -1;
        size_t bestCount = 0;
        for (int entry = 1; entry < groups->count(); ++entry) {
            const int tag = groups->itemData(entry).toInt();
            const size_t slot = static_cast<size_t>(tag / 256);
            if (tag % 256 == GROUP_NETWORK && slot < programsOf.size() && programsOf[slot] > bestCount) {
                bestCount = programsOf[slot];
                bestEntry = entry;
            }
        }
        Expect(bestEntry > 0, "a network entry exists");
        Time("Channel List: switch to a network", [&] {
            groups->setCurrentIndex(bestEntry);
            Settle();
        });
        Expect(dialog->groupKind() == GROUP_NETWORK, "a network is shown");
        Time("Channel List: back to all", [&] {
            groups->setCurrentIndex(0);
            Settle();
        });
        Expect(dialog->groupKind() == GROUP_ALL && dialog->RowCount() > 1000, "all satellites are shown");

        static const char* const kSortSteps[] = {"Channel List: sort Name", "Channel List: sort CA",
                                                 "Channel List: sort Network", "Channel List: sort Favorite"};
        for (int column = 0; column < 4; ++column) {
            Time(kSortSteps[column], [&] {
                dialog->SortByColumn(column);
                Settle();
            });
        }

        // A drag from the first row to the last, scrolled there as the pointer would scroll it.
        const int last = dialog->RowCount() - 1;
        const uint32_t dragged = dialog->RowValue(0);
        Time("Channel List: drag first to last", [&] {
            list->scrollToTop();
            Settle();
            dialog->BeginDrag(0);
            list->scrollToBottom();
            Settle();
            const QPoint target = list->visualRect(list->model()->index(last, 0)).center();
            dialog->DragMoveTo(target);
            dialog->DropAt(target);
            Settle();
        });
        Expect(dialog->RowValue(last) == dragged, "the first row went last");

        // Back to the top and a search for a name near the end.
        list->scrollToTop();
        Settle();
        const std::string& name = dialog->RowProgram(last - 1).name;
        searchEdit->setText(QString::fromLatin1(name));
        MessageBox::TakeShown();
        Time("Channel List: search", [&] {
            dialog->Search();
            Settle();
        });
        Expect(MessageBox::TakeShown().empty(), "the search found its name");

        // A favorite change, so that OK writes both the order and the groups.
        int row = 0;
        while (row < dialog->RowCount() && (dialog->session().FavoriteMask(dialog->RowValue(row)) & 1))
            ++row;
        Expect(row < dialog->RowCount() && dialog->BuildContextMenu(row) != nullptr, "a row outside group 1");
        Time("Channel List: add to a favorite", [&] {
            dialog->AddToFavorite(0);
            Settle();
        });
        Expect((dialog->changeFlags() & (CHANGED_ORDER | CHANGED_FAVORITES)) == (CHANGED_ORDER | CHANGED_FAVORITES),
               "order and favorites changed");

        // Many rows at once: a selection of all rows, blocks of 5,000 rows dragged and deleted.
        QItemSelectionModel* selection = list->selectionModel();
        const auto selectRows = [&](int first, int last) {
            selection->select(QItemSelection(list->model()->index(first, 0), list->model()->index(last, 0)),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        };
        Time("Channel List: select all and move to top", [&] {
            list->selectAll();
            dialog->MoveSelection(ChannelListSession::BlockMove::Top);
            Settle();
        });
        const uint32_t second = dialog->RowValue(1);
        Time("Channel List: all but the first to top", [&] {
            selectRows(1, dialog->RowCount() - 1);
            dialog->MoveSelection(ChannelListSession::BlockMove::Top);
            Settle();
        });
        Expect(dialog->RowValue(0) == second, "the block went to the top");

        constexpr int kBlock = 5000;
        const int blockStart = dialog->RowCount() / 2;
        const uint32_t blockFirst = dialog->RowValue(blockStart);
        selectRows(blockStart, blockStart + kBlock - 1);
        list->scrollTo(list->model()->index(blockStart, 0));
        Settle();
        Time("Channel List: drag 5,000 selected rows", [&] {
            dialog->BeginDrag(blockStart);
            list->scrollToBottom();
            Settle();
            const QPoint target = list->visualRect(list->model()->index(dialog->RowCount() - 1, 0)).center();
            dialog->DragMoveTo(target);
            dialog->DropAt(target);
            Settle();
        });
        Expect(dialog->RowValue(dialog->RowCount() - kBlock) == blockFirst, "the block went last");

        selectRows(blockStart, blockStart + kBlock - 1);
        Settle();
        Time("Channel List: lock 5,000 selected rows", [&] {
            dialog->ToggleMark(PA_LOCK);
            Settle();
        });
        Expect(dialog->session().Marks(dialog->RowValue(blockStart + kBlock - 1)) & PA_LOCK, "the block is locked");

        const int rowsBefore = dialog->RowCount();
        selectRows(blockStart, blockStart + kBlock - 1);
        list->scrollTo(list->model()->index(blockStart, 0));
        Settle();
        Time("Channel List: delete 5,000 channels", [&] {
            MessageBox::SetNextAnswer(MessageBox::Yes); // "Delete 5000 channels?"
            dialog->DeleteSelection();
            Settle();
        });
        Expect(dialog->RowCount() == rowsBefore - kBlock, "the channels are deleted");

        // The memory in use with the largest database open and the dialog shown.
        std::printf("shown_kib\t%ld\t0\n", ResidentKib());
        accepting = Stopwatch();
        dialog->accept();
    });
    opening = Stopwatch();
    QAction* action = frame_->Action(ID_VIEW_CHANNEL_LIST);
    Expect(action && action->isEnabled(), "Channel List is enabled");
    action->trigger();
    Settle();
    samples_["Channel List: OK and tree rebuild"].push_back(accepting.Elapsed());
    Expect(ran, "the dialog ran");
    Expect(view->IsModified() && view->Tree()->SelectedItem() != nullptr, "the tree is rebuilt with a selection");
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// The steps in the order of the table.
const std::vector<std::string>& StepNames() {
    static const std::vector<std::string> names = {
        "Open",
        "Select satellite",
        "Select transponder",
        "Select program",
        "Find next",
        "Filter on",
        "Filter off",
        "Lock 5,000 selected programs",
        "Export CSV",
        "Export web page",
        "Export PDF",
        "Program Delete All in Transponder",
        "Program Delete All in Net",
        "Transponder Delete All in Net",
        "Import SATCODX",
        "Sort by Degree",
        "Channel List: open",
        "Channel List: switch to a network",
        "Channel List: back to all",
        "Channel List: sort Name",
        "Channel List: sort CA",
        "Channel List: sort Network",
        "Channel List: sort Favorite",
        "Channel List: drag first to last",
        "Channel List: search",
        "Channel List: add to a favorite",
        "Channel List: select all and move to top",
        "Channel List: all but the first to top",
        "Channel List: drag 5,000 selected rows",
        "Channel List: lock 5,000 selected rows",
        "Channel List: delete 5,000 channels",
        "Channel List: OK and tree rebuild",
        "Save",
        "Close",
        // Further commands.
        "Open replacing an open file",
        "Transponder Add New",
        "Transponder Delete Selected",
        "Program Add New (before the first)",
        "Program Delete Selected",
        "Expand a satellite fully",
        "Program Delete All in Net, expanded",
        "Transponder Delete All in Net, expanded",
        "Program Delete All in Net, to undo",
        // Undo and redo of each step since the file was opened again.
        "Undo Channel List",
        "Undo Delete Program",
        "Undo Add Program",
        "Undo Delete Transponder",
        "Undo Add Transponder",
        "Undo Sort by Degree",
        "Undo Import SATCODX",
        "Undo Delete All Transponders in Net",
        "Undo Delete All Programs in Net",
        "Redo Delete All Programs in Net",
        "Redo Delete All Transponders in Net",
        "Redo Import SATCODX",
        "Redo Sort by Degree",
        "Redo Add Transponder",
        "Redo Delete Transponder",
        "Redo Add Program",
        "Redo Delete Program",
        "Redo Channel List",
    };
    return names;
}

// What a step may take at full size on a two-core machine, by the wall clock.
double LimitSeconds(const std::string& step) {
    if (step.rfind("Undo ", 0) == 0 || step.rfind("Redo ", 0) == 0 || step == "Find next" || step == "Filter on" ||
        step == "Filter off" || step == "Lock 5,000 selected programs")
        return 0.1;
    // The PDF lays out and draws some 1,600 pages: it shows its progress, with Cancel.
    if (step == "Export PDF")
        return 60.0;
    if (step == "Export CSV" || step == "Export web page")
        return 1.0;
    if (step == "Open" || step == "Open replacing an open file" || step == "Sort by Degree" ||
        step == "Channel List: open" || step == "Channel List: OK and tree rebuild")
        return 0.5;
    return 0.3;
}
constexpr double kOpenYardsticks = 10; // Open costs at most this many yardsticks
constexpr double kMemoryLimitMiB = 250;

// Runs the rounds on one file and prints one line per figure for the parent:
// "step<TAB>wall<TAB>cpu", then "yardstick", "peak_kib" and "rounds" lines.
int RunChild(int argc, char** argv, const std::string& file, int rounds) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MessageBox::EnableTestMode([](const QString& text) { Fail("unexpected message box: " + text.toStdString()); });
    FileDialog::EnableTestMode([] { Fail("unexpected file dialog"); });

    // The yardstick: what the core alone needs to read, check and parse the file.
    std::vector<Sample> yardstick;
    for (int i = 0; i < std::max(rounds, 5); ++i) {
        NetworkDatabase db;
        std::vector<uint8_t> image;
        const Stopwatch watch;
        if (db.Open(file, image) != NDF_OK || db.Parse(image) != NDF_OK)
            Fail("cannot load " + file);
        yardstick.push_back(watch.Elapsed());
    }

    const std::string working = file + ".work.ndf";
    std::map<std::string, std::vector<Sample>> samples;
    for (int i = 0; i < rounds; ++i) {
        Round round(file, working, samples);
        round.Run();
    }
    fs::remove(working);

    auto print = [](const std::string& name, const std::vector<Sample>& values) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (const Sample& s : values) {
            wall.push_back(s.wall);
            cpu.push_back(s.cpu);
        }
        std::printf("%s\t%.6f\t%.6f\n", name.c_str(), Median(wall), Median(cpu));
    };
    print("yardstick", yardstick);
    for (const std::string& name : StepNames())
        print(name, samples[name]);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kib\t%ld\t0\n", usage.ru_maxrss);
    std::fflush(stdout);
    return 0;
}

// ---- the parent: databases, children, the table ----

struct SizeResult {
    std::map<std::string, Sample> steps;
    Sample yardstick;
    long peakKib = 0;          // ru_maxrss over the whole run
    long shownKib = 0;         // resident with the Channel List shown, the largest of the rounds
    long editsHistoryKib = 0;  // what a hundred program edits add to the history
    long editsResidentKib = 0; // and to the resident memory
    size_t fileBytes = 0;
};

void WriteDatabase(const std::string& path, const BigDatabaseShape& shape) {
    const pid_t child = fork();
    if (child < 0)
        Fail("fork failed");
    if (child == 0) {
        NetworkDatabase db;
        BuildBigDatabase(db, shape);
        _exit(db.Save(path) == NDF_OK ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fs::remove_all(fs::path(path).parent_path());
        Fail("cannot write " + path);
    }
}

SizeResult RunSize(const std::string& self, const std::string& path, int rounds) {
    const std::string command = "'" + self + "' --child '" + path + "' --rounds " + std::to_string(rounds);
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        Fail("cannot start " + command);
    SizeResult result;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        char* tab = std::strchr(line, '\t');
        if (!tab)
            continue;
        *tab = '\0';
        double wall = 0;
        double cpu = 0;
        if (std::sscanf(tab + 1, "%lf\t%lf", &wall, &cpu) != 2)
            continue;
        const std::string name = line;
        if (name == "yardstick")
            result.yardstick = {wall, cpu};
        else if (name == "peak_kib")
            result.peakKib = static_cast<long>(wall);
        else if (name == "shown_kib")
            result.shownKib = std::max(result.shownKib, static_cast<long>(wall));
        else if (name == "edits_kib") {
            result.editsHistoryKib = std::max(result.editsHistoryKib, static_cast<long>(wall));
            result.editsResidentKib = std::max(result.editsResidentKib, static_cast<long>(cpu));
        } else
            result.steps[name] = {wall, cpu};
    }
    if (pclose(pipe) != 0) {
        fs::remove_all(fs::path(path).parent_path());
        Fail("the run on " + path + " failed");
    }
    result.fileBytes = static_cast<size_t>(fs::file_size(path));
    return result;
}

// The full-size table shows the limits, which hold for the largest database, and the growth
// from half size when that ran too.
void PrintTable(const char* title, const SizeResult& main, bool full, const SizeResult* half) {
    const double shownMiB = static_cast<double>(main.shownKib) / 1024.0;
    std::printf("\n%s: file %.1f MiB, yardstick (read + CheckImage + Parse) %.1f ms wall, %.1f ms cpu\n", title,
                static_cast<double>(main.fileBytes) / (1024.0 * 1024.0), main.yardstick.wall * 1e3,
                main.yardstick.cpu * 1e3);
    std::printf("memory: %.1f MiB resident with the Channel List shown%s, peak of the run (ru_maxrss) %.1f MiB\n",
                shownMiB, full && shownMiB > kMemoryLimitMiB ? " (OVER)" : "",
                static_cast<double>(main.peakKib) / 1024.0);
    std::printf("memory: a hundred program edits add %ld KiB to the undo history, %ld KiB resident%s\n",
                main.editsHistoryKib, main.editsResidentKib,
                full && main.editsResidentKib > 50 * 1024 ? " (OVER)" : "");
    std::printf("%-42s %9s %9s %8s", "step", "wall ms", "cpu ms", "x yard");
    if (half)
        std::printf(" %9s %9s", "full/half", "(cpu)");
    if (full)
        std::printf(" %8s", "limit ms");
    std::printf("\n");
    for (const std::string& name : StepNames()) {
        const auto found = main.steps.find(name);
        if (found == main.steps.end())
            continue;
        const Sample& s = found->second;
        const double yardsticks = main.yardstick.cpu > 0 ? s.cpu / main.yardstick.cpu : 0.0;
        std::printf("%-42s %9.1f %9.1f %8.2f", name.c_str(), s.wall * 1e3, s.cpu * 1e3, yardsticks);
        if (half) {
            const auto other = half->steps.find(name);
            if (other != half->steps.end() && other->second.wall > 0 && other->second.cpu > 0)
                std::printf(" %9.2f %9.2f", s.wall / other->second.wall, s.cpu / other->second.cpu);
            else
                std::printf(" %9s %9s", "", "");
        }
        if (full) {
            const bool over = s.wall > LimitSeconds(name) || (name == "Open" && yardsticks > kOpenYardsticks);
            std::printf(" %8.0f%s", LimitSeconds(name) * 1e3, over ? " OVER" : "");
        }
        std::printf("\n");
    }
}

int Usage() {
    std::fprintf(stderr, "usage: editor_bench [--rounds N] [--size full|half|both] [--heavy]\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    std::string size = "both";
    std::string childFile;
    bool heavy = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--size" && i + 1 < argc)
            size = argv[++i];
        else if (arg == "--child" && i + 1 < argc)
            childFile = argv[++i];
        else if (arg == "--heavy")
            heavy = true;
        else
            return Usage();
    }
    if (!childFile.empty())
        return RunChild(argc, argv, childFile, rounds);
    if (size != "full" && size != "half" && size != "both")
        return Usage();

    const fs::path folder = fs::temp_directory_path() / ("editor_bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    // The children's recovery files stay in the run's folder.
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    BigDatabaseShape full = BigDatabaseShape::Largest();
    if (heavy)
        full.heavyNetworkShare = 1.0 / 3.0;
    const BigDatabaseShape halfShape = full.Scaled(0.5);

    std::printf("Editor commands on the largest database%s, median of %d rounds\n",
                heavy ? " (a third of the transponders on one satellite)" : "", rounds);
    std::map<std::string, SizeResult> results;
    for (const char* which : {"full", "half"}) {
        if (size != "both" && size != which)
            continue;
        const std::string path = (folder / (std::string(which) + ".ndf")).string();
        WriteDatabase(path, std::string(which) == "full" ? full : halfShape);
        results[which] = RunSize(self, path, rounds);
    }
    fs::remove_all(folder);

    if (results.count("full"))
        PrintTable("Full size", results["full"], true, results.count("half") ? &results["half"] : nullptr);
    if (results.count("half"))
        PrintTable("Half size", results["half"], false, nullptr);
    return 0;
}
