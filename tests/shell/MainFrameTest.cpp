// The main window: menus, tool bar, status bar, the edit bar's place and check marks, the About
// dialog, and the commands that run the Channel List, the SATCODX import and the stamp dialog.
#include "EditorTestSupport.h"

#include "channellist/ChannelListDialog.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <fstream>

using namespace editortest;

namespace {

// The texts of a menu's entries, "-" for a separator.
QStringList MenuEntries(QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

} // namespace

TEST_F(EditorTest, MenuBarHoldsEveryCommandWithItsSeparators) {
    QStringList titles;
    QList<QMenu*> menus;
    for (QAction* action : frame->menuBar()->actions()) {
        titles << action->text();
        menus << action->menu();
    }
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Edit", "&View", "&Satellite", "&Transponder", "&Program", "T&ools", "&Help"}));
    EXPECT_EQ(MenuEntries(menus[0]), (QStringList{"&New...\tCtrl+N", "&Open...\tCtrl+O", "&Close", "-", "&Save\tCtrl+S",
                                                  "Save &As...", "-", "&Print...\tCtrl+P", "&Export Channel List...",
                                                  "-", "Modification &Date...", "-", "E&xit\tAlt+F4"}));
    EXPECT_EQ(MenuEntries(menus[1]),
              (QStringList{"&Undo", "&Redo", "-", "Restore &Discarded Channel List Changes", "&Find...	Ctrl+F"}));
    EXPECT_EQ(MenuEntries(menus[2]), (QStringList{"&Editbar", "&Channel List	F7", "-", "&Toolbar", "&Status Bar"}));
    EXPECT_EQ(MenuEntries(menus[3]), (QStringList{"Import &SATCODX", "-", "Sort by &Degree"}));
    EXPECT_EQ(MenuEntries(menus[4]), (QStringList{"&Add New", "-", "&Delete Selected", "Delete All in &Net"}));
    EXPECT_EQ(MenuEntries(menus[5]), (QStringList{"&Add New", "-", "&Delete Selected", "Delete All in &Transponder",
                                                  "Delete All in &Net", "-", "&Lock\tCtrl+L", "S&kip\tCtrl+K"}));
    EXPECT_EQ(MenuEntries(menus[6]),
              (QStringList{"Apply &Order from File...\tCtrl+Shift+O", "&Clean Up...\tCtrl+Shift+L", "-",
                           "Co&mpare with File...\tCtrl+Shift+M"}));
    EXPECT_EQ(MenuEntries(menus[7]), (QStringList{"&User Guide\tF1", "-", "&About Dishline..."}));

    EXPECT_EQ(frame->Action(ID_FILE_NEW)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame->Action(ID_FILE_SAVE)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(frame->Action(ID_FILE_PRINT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(
        frame->Action(ID_EDIT_REDO)->shortcuts(),
        (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->statusTip(), QStringLiteral("Undo the last change"));
    EXPECT_EQ(frame->Action(ID_EDIT_REDO)->statusTip(), QStringLiteral("Redo the change that was undone"));
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->statusTip(), QStringLiteral("Creates a new NDF file"));
    EXPECT_EQ(frame->Action(ID_FILE_EXPORT_CHANNEL_LIST)->statusTip(),
              QStringLiteral("Save the channel list as a CSV, HTML or PDF file"));
    EXPECT_EQ(frame->Action(ID_PROGRAM_DELETE_ALL_IN_NET)->statusTip(),
              QStringLiteral("Delete all programs in the selected network"));
    EXPECT_EQ(
        frame->Action(ID_TOOLS_APPLY_ORDER)->statusTip(),
        QStringLiteral("Take the channel order, favorite groups, locks, skips and kept names from another NDF file"));
    EXPECT_EQ(frame->Action(ID_TOOLS_CLEAN_UP)->statusTip(),
              QStringLiteral("Find duplicate and broken records and remove them"));
}

TEST_F(EditorTest, ToolBarHasItsButtonsInOrderWithTheirTips) {
    QStringList entries;
    for (QAction* action : frame->ToolBar()->actions())
        entries << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    EXPECT_EQ(entries,
              (QStringList{"New", "Open", "Save", "|", "Undo", "Redo", "|", "Print", "|", "Add Tp", "Delete Tp", "|",
                           "Add Prog", "Delete Prog", "|", "Toggle EditBar", "Ch List", "|", "About"}));
    // Each button shows a picture: an icon whose image cannot be read (an SVG where Qt has no SVG
    // support) is not null, only blank.
    const auto painted = [](const QIcon& icon, QSize size) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
        return false;
    };
    for (QAction* action : frame->ToolBar()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_TRUE(painted(action->icon(), frame->ToolBar()->iconSize())) << action->toolTip().toStdString();
        }
    }
    EXPECT_TRUE(painted(frame->windowIcon(), QSize(32, 32)));
}

TEST_F(EditorTest, StatusBarShowsReadyAndTheThreeLockIndicators) {
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    EXPECT_EQ(guitest::Find<QLabel>(frame.get(), "capIndicator")->text(), QStringLiteral("CAP"));
    EXPECT_EQ(guitest::Find<QLabel>(frame.get(), "numIndicator")->text(), QStringLiteral("NUM"));
    EXPECT_EQ(guitest::Find<QLabel>(frame.get(), "scrlIndicator")->text(), QStringLiteral("SCRL"));
    frame->statusBar()->showMessage(QStringLiteral("Opens an existing NDF file"));
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST_F(EditorTest, EditBarStartsEmptyDockedRightAndTogglesWithItsCheckMark) {
    EXPECT_EQ(frame->dockWidgetArea(bar), Qt::RightDockWidgetArea);
    EXPECT_EQ(bar->paneKind(), PANE_EMPTY);
    QAction* toggle = frame->Action(ID_VIEW_EDITBAR);
    EXPECT_TRUE(toggle->isChecked());

    // Through the tool-bar button, as a user clicks it.
    QWidget* button = frame->ToolBar()->widgetForAction(toggle);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(toggle->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(toggle->isChecked());

    // Closing the dock by its own button clears the check mark too.
    bar->close();
    EXPECT_FALSE(toggle->isChecked());
    Trigger(ID_VIEW_EDITBAR);
    EXPECT_TRUE(toggle->isChecked());
}

TEST_F(EditorTest, ToolBarAndStatusBarHideAndShowWithTheirCheckMarks) {
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(frame->ToolBar()->isHidden());
    EXPECT_FALSE(frame->Action(ID_VIEW_TOOLBAR)->isChecked());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(frame->ToolBar()->isHidden());
    EXPECT_TRUE(frame->Action(ID_VIEW_TOOLBAR)->isChecked());

    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(frame->Action(ID_VIEW_STATUS_BAR)->isChecked());
    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame->Action(ID_VIEW_STATUS_BAR)->isChecked());
}

TEST_F(EditorTest, FunctionKeySixDoesNothing) {
    OpenSample();
    Select(ProgramItem(0));
    frame->activateWindow();
    QTest::keyClick(frame.get(), Qt::Key_F6);
    QTest::keyClick(frame.get(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(tree->SelectedItem(), ProgramItem(0));
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, AboutDialogShowsTheVersion) {
    bool sawText = false;
    const bool ran = guitest::RunModal([&] { Trigger(ID_APP_ABOUT); },
                                       [&](QWidget* modal) {
                                           EXPECT_EQ(modal->windowTitle(), QStringLiteral("About Dishline"));
                                           auto* text = guitest::Find<QLabel>(modal, "aboutText");
                                           sawText = text && text->text() == QStringLiteral("Dishline Version 1.3");
                                           guitest::Find<QPushButton>(modal, "okButton")->click();
                                       });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(sawText);
}

// ---- Channel List ----

TEST_F(EditorTest, ChannelListIsCheckedWhileOpenAndCancelChangesNothing) {
    OpenSample();
    bool checkedWhileOpen = false;
    const bool ran = guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                       [&](QWidget* modal) {
                                           checkedWhileOpen = frame->Action(ID_VIEW_CHANNEL_LIST)->isChecked();
                                           EXPECT_TRUE(view->IsChannelListOpen());
                                           static_cast<QDialog*>(modal)->reject();
                                       });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(checkedWhileOpen);
    EXPECT_FALSE(frame->Action(ID_VIEW_CHANNEL_LIST)->isChecked());
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, ChannelListReorderMarksModifiedAndReordersTheTree) {
    OpenSample();
    Select(ProgramItem(1));
    Program* shown = db().programs()[1].get();
    const bool ran = guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                       [&](QWidget* modal) {
                                           auto* dialog = qobject_cast<ChannelListDialog*>(modal);
                                           ASSERT_NE(dialog, nullptr);
                                           dialog->MoveRow(1, 0); // Channel 2 before Channel 1
                                           dialog->accept();
                                       });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(db().programs()[0].get(), shown);
    EXPECT_EQ(tree->ChildAt(TransponderItem(0), 0), shown->treeItem);
    EXPECT_EQ(tree->SelectedItem(), shown->treeItem);
    EXPECT_EQ(view->CurrentItem(), shown->treeItem);
    EXPECT_EQ(view->Pane(), PANE_PROGRAM);
    // The favorite entries followed their programs.
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{1, 3}));
}

TEST_F(EditorTest, ChannelListDeletingTheShownProgramShowsItsTransponder) {
    OpenSample();
    Select(ProgramItem(1));
    const Program* shown = db().programs()[1].get();
    const Transponder* transponder = db().transponders()[shown->transponderIndex].get();
    const size_t count = db().programs().size();
    const bool ran = guitest::RunModal(
        [&] { Trigger(ID_VIEW_CHANNEL_LIST); },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<ChannelListDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            int row = 0;
            while (row < dialog->RowCount() && &dialog->RowProgram(row) != shown)
                ++row;
            ASSERT_LT(row, dialog->RowCount());
            MessageBox::SetNextAnswer(MessageBox::Yes); // "Delete 1 channel?"
            dialog->BuildContextMenu(row)->findChild<QAction*>(QStringLiteral("deleteAction"))->trigger();
            dialog->accept();
        });
    EXPECT_TRUE(ran);
    EXPECT_EQ(db().programs().size(), count - 1);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(tree->SelectedItem(), transponder->treeItem);
    EXPECT_TRUE(view->IsModified());
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(db().programs().size(), count);
    EXPECT_FALSE(view->IsModified());
}

// ---- SATCODX import ----

TEST_F(EditorTest, ImportSatcodxFillsTheSatelliteAndShowsTheNewTransponders) {
    OpenSample();
    Select(NetworkItem(1));
    const std::string listing = dir.StdPath("astra.sdx");
    {
        std::ofstream out(listing, std::ios::binary);
        auto line = [](const char* name, const char* freq, char pol, const char* pos, const char* sr) {
            std::string text(128, ' ');
            text.replace(0, 10, "SATCODX103");
            std::string padded = name;
            padded.resize(18, ' ');
            text.replace(10, 18, padded);
            text.replace(33, 6, freq);
            text[42] = pol;
            text.replace(51, 4, pos);
            text.replace(69, 5, sr);
            text.resize(100);
            return text + "\r\n";
        };
        out << line("Astra 1KR", "11700", '1', "0192", "27500");
        out << line("Astra 1KR", "11700", '1', "0192", "27500"); // duplicate
        out << line("Astra 1L", "12100", '0', "0192", "22000");
        out << "SATCODX104 something else\r\n";
    }
    FileDialog::SetNextPath(QString::fromStdString(listing));
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_SATELLITE_IMPORT_SATCODX);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("2 transponders added to Astra 1L; 1 already present, 1 lines skipped."));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconInformation);
    EXPECT_EQ(boxes[0].buttons, MessageBox::ButtonsOk);
    const auto dialogs = FileDialog::TakeShown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].filter, QStringLiteral("SATCODX File (*.SDX);;All file (*.*)"));
    EXPECT_EQ(dialogs[1].defaultSuffix, QStringLiteral("SDX"));

    EXPECT_EQ(db().networks()[1]->name, "Astra 1L");
    EXPECT_EQ(tree->LabelOf(NetworkItem(1)), QStringLiteral("Astra 1L"));
    EXPECT_EQ(Field("networkName")->text(), QStringLiteral("Astra 1L"));
    ASSERT_EQ(db().transponders().size(), 6u);
    ASSERT_EQ(tree->ChildCount(NetworkItem(1)), 3);
    EXPECT_EQ(tree->ChildAt(NetworkItem(1), 1), db().transponders()[3]->treeItem);
    EXPECT_EQ(tree->ChildAt(NetworkItem(1), 2), db().transponders()[4]->treeItem);
    EXPECT_EQ(db().transponders()[3]->frequency, 11700);
    // The programs of the satellite behind it still sit on their own transponder.
    EXPECT_EQ(db().programs()[6]->transponderIndex, 5);
    EXPECT_TRUE(view->IsModified());
}

// The import's boxes: what the listing would do is shown before anything changes.
class ImportTest : public EditorTest {
protected:
    // A listing of SATCODX lines "name|frequency|polarity|position|symbol rate", or other text as is.
    QString Listing(const std::vector<std::string>& lines, const char* fileName = "listing.sdx") {
        const std::string path = dir.StdPath(fileName);
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines) {
            if (line.find('|') == std::string::npos) {
                out << line << "\n";
                continue;
            }
            std::string text(80, ' ');
            text.replace(0, 10, "SATCODX103");
            std::vector<std::string> field;
            std::string rest = line;
            for (size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
                field.push_back(rest.substr(0, bar));
            field.push_back(rest);
            text.replace(10, field[0].size(), field[0]);
            text.replace(39 - field[1].size(), field[1].size(), field[1]);
            text[42] = field[2][0];
            text.replace(55 - field[3].size(), field[3].size(), field[3]);
            text.replace(74 - field[4].size(), field[4].size(), field[4]);
            out << text << "\n";
        }
        return QString::fromStdString(path);
    }

    // Runs the command on the listing with the given answers; returns the boxes shown.
    std::vector<MessageBox::Shown> Import(const QString& listing, std::initializer_list<MessageBox::Button> answers) {
        for (MessageBox::Button answer : answers)
            MessageBox::SetNextAnswer(answer);
        FileDialog::SetNextPath(listing);
        Trigger(ID_SATELLITE_IMPORT_SATCODX);
        return Boxes();
    }
};

TEST_F(ImportTest, ListingForAnotherPositionAsksAndNoChangesNothing) {
    OpenSample();
    Select(NetworkItem(0)); // Astra 2 at 28.2
    const QString listing = Listing({"Astra 1KR|11700|1|192|27500"});
    const auto boxes = Import(listing, {MessageBox::No});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("The listing is for 19.2, but the selected satellite is Astra 2 at 28.2. "
                                            "Import it anyway?"));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconQuestion);
    EXPECT_EQ(boxes[0].buttons, MessageBox::ButtonsYesNo);
    EXPECT_EQ(db().networks()[0]->name, "Astra 2");
    EXPECT_EQ(db().transponders().size(), 4u);
    EXPECT_FALSE(view->IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));

    const auto yes = Import(listing, {MessageBox::Yes, MessageBox::Ok});
    ASSERT_EQ(yes.size(), 2u);
    EXPECT_EQ(yes[1].text, QStringLiteral("1 transponders added to Astra 1KR; 0 already present, 0 lines skipped."));
    EXPECT_EQ(db().networks()[0]->position, 192);
    EXPECT_EQ(tree->ChildCount(NetworkItem(0)), 3);
    EXPECT_TRUE(view->IsModified());

    // The whole import is one step.
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(db().networks()[0]->name, "Astra 2");
    EXPECT_EQ(db().networks()[0]->position, 282);
    EXPECT_EQ(db().transponders().size(), 4u);
    EXPECT_FALSE(view->IsModified());
}

TEST_F(ImportTest, EmptySatelliteOrTheSamePositionIsImportedWithoutAsking) {
    Trigger(ID_FILE_NEW); // 64 empty satellites at 0.0
    const auto intoEmpty = Import(Listing({"Astra 1KR|11700|1|192|27500"}), {MessageBox::Ok});
    ASSERT_EQ(intoEmpty.size(), 1u);
    EXPECT_EQ(intoEmpty[0].text,
              QStringLiteral("1 transponders added to Astra 1KR; 0 already present, 0 lines skipped."));

    // An unnamed satellite with transponders is no empty one.
    MessageBox::SetNextAnswer(MessageBox::No); // do not save the new database
    OpenSample();
    Boxes();
    Select(NetworkItem(2));
    const auto named = Import(Listing({"|10700|0|130|22000"}), {MessageBox::Ok});
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0].text, QStringLiteral("1 transponders added to (No name); 0 already present, 0 lines skipped."));
    const auto unnamed = Import(Listing({"Hotbird|10700|0|192|22000"}), {MessageBox::No});
    ASSERT_EQ(unnamed.size(), 1u);
    EXPECT_EQ(unnamed[0].text, QStringLiteral("The listing is for 19.2, but the selected satellite is (No name) at "
                                              "13.0. Import it anyway?"));
}

TEST_F(ImportTest, ListingWithoutUsableLinesSaysSoAndChangesNothing) {
    OpenSample();
    Select(NetworkItem(1));
    const auto boxes = Import(Listing({"header", "SATCODX104 other kind"}, "junk.sdx"), {MessageBox::Ok});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("No satellite lines were found in junk.sdx."));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconInformation);
    EXPECT_FALSE(view->IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - ") + AppTitle());
}

TEST_F(ImportTest, ListingTheSatelliteHoldsAlreadyChangesNothingAndSaysSo) {
    OpenSample();
    Select(NetworkItem(1)); // Astra 1 at 19.2 with 10800 V 27500
    const auto boxes = Import(Listing({"Astra 1|10800|0|192|27500", "", "note"}), {MessageBox::Ok});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("0 transponders added to Astra 1; 1 already present, 1 lines skipped."));
    EXPECT_FALSE(view->IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(ImportTest, FileThatCannotBeReadGivesNoFileFound) {
    OpenSample();
    QDir().mkdir(dir.Path(QStringLiteral("folder.sdx")));
    for (const QString& path : {dir.Path(QStringLiteral("missing.sdx")), dir.Path(QStringLiteral("folder.sdx"))}) {
        const auto boxes = Import(path, {MessageBox::Ok});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("No file found"));
        EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    }
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, CancelledImportChangesNothing) {
    OpenSample();
    FileDialog::TakeShown();
    FileDialog::SetNextCancel();
    Trigger(ID_SATELLITE_IMPORT_SATCODX);
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(db().transponders().size(), 4u);
}

// ---- Modification date ----

TEST_F(EditorTest, ModificationDateVersionStampMarksModifiedAndIsKeptOnSave) {
    OpenSample();
    const bool ran = guitest::RunModal([&] { Trigger(ID_FILE_MODIFICATION_DATE); },
                                       [&](QWidget* modal) {
                                           guitest::Find<QRadioButton>(modal, "versionRadio")->click();
                                           guitest::Find<QLineEdit>(modal, "versionEdit")->setText("C017");
                                           guitest::Find<QPushButton>(modal, "okButton")->click();
                                       });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(db().stampYear, 0);
    EXPECT_TRUE(db().keepStamp);
    Trigger(ID_FILE_SAVE);
    const std::vector<uint8_t> bytes = ReadBytes(samplePath);
    NetworkDatabase reread;
    ASSERT_EQ(reread.Parse(bytes), NDF_OK);
    std::string version;
    EXPECT_TRUE(reread.GetStampVersion(version));
    EXPECT_EQ(version, "C017");
}

TEST_F(EditorTest, ModificationDateOkWithoutChangeKeepsTheFileClean) {
    OpenSample();
    const bool ran = guitest::RunModal([&] { Trigger(ID_FILE_MODIFICATION_DATE); },
                                       [&](QWidget* modal) {
                                           EXPECT_TRUE(guitest::Find<QRadioButton>(modal, "dateRadio")->isChecked());
                                           guitest::Find<QPushButton>(modal, "okButton")->click();
                                       });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(view->IsModified());
    EXPECT_TRUE(db().keepStamp);
}

// ---- files from outside: a drop on the window ----

TEST_F(EditorTest, DroppingAnNdfFileOpensItAfterAskingToSave) {
    OpenSample();
    Select(ProgramItem(0));
    Type("programName", QStringLiteral("Unsaved"));
    const std::string other = dir.StdPath("other.ndf");
    WriteSample(other);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    MessageBox::SetNextAnswer(MessageBox::Yes); // apply the pending edit
    MessageBox::SetNextAnswer(MessageBox::No);  // do not save it
    QApplication::sendEvent(frame.get(), &drop);
    QTest::qWait(20);
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("other.ndf - ") + AppTitle());
    EXPECT_EQ(db().programs()[0]->name, "Channel 1");

    // Anything but a single NDF file is refused at the door.
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(dir.Path(QStringLiteral("notes.txt")))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}
