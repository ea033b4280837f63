// The editor view driven through the main window's actions: document commands, the apply prompts,
// the title, and the record commands with the tree and the pane kept in step.
#include "EditorTestSupport.h"
#include "tests/support/SystemTexts.h"

#include "channellist/ChannelListDialog.h"
#include "database/NdfStatus.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace editortest;

namespace {

const QString kNdfQtFilter = QStringLiteral("Network Dababase File (*.NDF);;All file (*.*)");

} // namespace

// ---- document commands and the title ----

TEST_F(EditorTest, StartsEmptyWithOnlyTheAlwaysEnabledCommands) {
    EXPECT_EQ(frame->windowTitle(), AppTitle());
    EXPECT_EQ(view->Pane(), PANE_EMPTY);
    for (int id :
         {ID_FILE_MODIFICATION_DATE, ID_VIEW_CHANNEL_LIST, ID_SATELLITE_IMPORT_SATCODX, ID_SATELLITE_SORT_BY_DEGREE,
          ID_TRANSPONDER_ADD, ID_TRANSPONDER_DELETE, ID_TRANSPONDER_DELETE_ALL_IN_NET, ID_PROGRAM_ADD,
          ID_PROGRAM_DELETE, ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER, ID_PROGRAM_DELETE_ALL_IN_NET, ID_TOOLS_APPLY_ORDER,
          ID_TOOLS_CLEAN_UP, ID_TOOLS_COMPARE})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_APP_EXIT,
                   ID_VIEW_EDITBAR, ID_APP_ABOUT})
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(EditorTest, NewAfterStartUpShowsSixtyFourEmptySatellites) {
    Trigger(ID_FILE_NEW);
    EXPECT_TRUE(Boxes().empty());
    ASSERT_EQ(tree->ChildCount(nullptr), 64);
    EXPECT_EQ(tree->LabelOf(tree->ChildAt(nullptr, 0)), QStringLiteral("(No name)"));
    EXPECT_EQ(tree->SelectedItem(), tree->ChildAt(nullptr, 0));
    EXPECT_EQ(view->Pane(), PANE_NETWORK);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("No Name - ") + AppTitle());
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, OpenUsesTheNdfFilterAndShowsTheFileName) {
    OpenSample();
    const auto dialogs = FileDialog::TakeShown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].mode, FileDialog::OpenExisting);
    EXPECT_EQ(dialogs[0].filter, kNdfQtFilter);
    EXPECT_EQ(dialogs[0].defaultSuffix, QStringLiteral("NDF"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - ") + AppTitle());
    EXPECT_EQ(tree->ChildCount(nullptr), 3);
    EXPECT_EQ(tree->LabelOf(NetworkItem(0)), QStringLiteral("Astra 2"));
    EXPECT_EQ(tree->ChildCount(NetworkItem(0)), 2);
    EXPECT_EQ(tree->ChildCount(TransponderItem(0)), 2);
    EXPECT_EQ(tree->SelectedItem(), NetworkItem(0));
    for (int id : {ID_FILE_MODIFICATION_DATE, ID_VIEW_CHANNEL_LIST, ID_SATELLITE_IMPORT_SATCODX,
                   ID_SATELLITE_SORT_BY_DEGREE, ID_TRANSPONDER_ADD, ID_TRANSPONDER_DELETE_ALL_IN_NET,
                   ID_PROGRAM_DELETE_ALL_IN_NET, ID_TOOLS_APPLY_ORDER, ID_TOOLS_CLEAN_UP, ID_TOOLS_COMPARE})
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {ID_TRANSPONDER_DELETE, ID_PROGRAM_ADD, ID_PROGRAM_DELETE, ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(EditorTest, CancelledOpenChangesNothingAndSaysNothing) {
    OpenSample();
    FileDialog::TakeShown();
    FileDialog::SetNextCancel();
    Trigger(ID_FILE_OPEN);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(db().networks().size(), 3u);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - ") + AppTitle());
}

TEST_F(EditorTest, FailedOpenShowsTheStatusAndKeepsTheDatabaseOnScreen) {
    OpenSample();
    // A damaged copy: one byte changed, so the checksum no longer matches.
    std::vector<uint8_t> bytes = ReadBytes(samplePath);
    bytes[20] ^= 0x5A;
    const std::string damaged = dir.StdPath("damaged.NDF");
    FILE* file = std::fopen(damaged.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    MessageBox::SetNextAnswer(MessageBox::Ok);
    OpenThroughMenu(QString::fromStdString(damaged));
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Bad checksum"));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    EXPECT_EQ(db().networks().size(), 3u);
    EXPECT_EQ(db().pathName, samplePath);
    EXPECT_EQ(tree->ChildCount(nullptr), 3);

    MessageBox::SetNextAnswer(MessageBox::Ok);
    OpenThroughMenu(dir.Path(QStringLiteral("missing.NDF")));
    boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("No file found"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - ") + AppTitle());
}

TEST_F(EditorTest, OpenOfAFileWithoutNetworksBehavesLikeStartUp) {
    NetworkDatabase empty;
    empty.version = 1;
    const std::string path = dir.StdPath("empty.NDF");
    ASSERT_EQ(empty.Save(path), NDF_OK);
    OpenThroughMenu(QString::fromStdString(path));
    EXPECT_EQ(view->Pane(), PANE_EMPTY);
    EXPECT_EQ(tree->ChildCount(nullptr), 0);
    EXPECT_EQ(frame->windowTitle(), AppTitle());
    EXPECT_FALSE(Enabled(ID_TRANSPONDER_ADD));
}

TEST_F(EditorTest, TitleFollowsModificationSaveAndCloseButNotTheSelection) {
    OpenSample();
    const QString clean = QStringLiteral("list.NDF - ") + AppTitle();
    Select(ProgramItem(2));
    EXPECT_EQ(frame->windowTitle(), clean);

    Type("programName", QStringLiteral("Renamed"));
    bar->findChild<QWidget*>(QStringLiteral("programPane"))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF (Modified) - ") + AppTitle());
    EXPECT_EQ(tree->LabelOf(ProgramItem(2)), QStringLiteral("Renamed"));

    Select(NetworkItem(1));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF (Modified) - ") + AppTitle());

    Trigger(ID_FILE_SAVE);
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), clean);
    EXPECT_TRUE(FileDialog::TakeShown().size() == 1); // only the Open
    NetworkDatabase reread;
    std::vector<uint8_t> image;
    ASSERT_EQ(reread.Open(samplePath, image), NDF_OK);
    ASSERT_EQ(reread.Parse(image), NDF_OK);
    EXPECT_EQ(reread.programs()[2]->name, "Renamed");

    Trigger(ID_FILE_CLOSE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(frame->windowTitle(), AppTitle());
    EXPECT_EQ(view->Pane(), PANE_EMPTY);
    EXPECT_EQ(tree->ChildCount(nullptr), 0);
    EXPECT_TRUE(db().networks().empty());
}

TEST_F(EditorTest, SaveAsAsksWithTheFilterAndRefreshesTheTitle) {
    OpenSample();
    FileDialog::TakeShown();
    const QString copy = dir.Path(QStringLiteral("copy.NDF"));
    FileDialog::SetNextPath(copy);
    Trigger(ID_FILE_SAVE_AS);
    const auto dialogs = FileDialog::TakeShown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].mode, FileDialog::SaveOverwritePrompt);
    EXPECT_EQ(dialogs[0].filter, kNdfQtFilter);
    EXPECT_EQ(dialogs[0].defaultSuffix, QStringLiteral("NDF"));
    EXPECT_EQ(dialogs[0].initialPath, QString::fromStdString(samplePath));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("copy.NDF - ") + AppTitle());
    NetworkDatabase reread;
    ASSERT_EQ(reread.Parse(ReadBytes(copy.toStdString())), NDF_OK);
    EXPECT_EQ(reread.programs().size(), 8u);
    EXPECT_EQ(db().pathName, copy.toStdString());
}

TEST_F(EditorTest, SaveOfANewDatabaseAsksForAPathAndCancelKeepsItModified) {
    Trigger(ID_FILE_NEW);
    Select(tree->ChildAt(nullptr, 1));
    Type("networkName", QStringLiteral("Thor"));
    MessageBox::SetNextAnswer(MessageBox::Yes);
    FileDialog::SetNextCancel();
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Boxes().size(), 1u); // the apply prompt only: a cancelled dialog is silent
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("No Name (Modified) - ") + AppTitle());
}

TEST_F(EditorTest, FailedSaveShowsTheStatusAndKeepsModifiedAndThePreviousFile) {
    OpenSample();
    const std::vector<uint8_t> before = ReadBytes(samplePath);
    Select(ProgramItem(0));
    Type("programName", QStringLiteral("Changed"));
    MessageBox::SetNextAnswer(MessageBox::Yes);
    FileDialog::SetNextPath(dir.Path(QStringLiteral("no-such-folder/x.NDF")));
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_SAVE_AS);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, QStringLiteral("Creating file failed\n%1\nNo file was written.")
                                 .arg(QString::fromStdString(systemtexts::MissingFolder())));
    EXPECT_EQ(boxes[1].icon, MessageBox::IconStop);
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF (Modified) - ") + AppTitle());
    EXPECT_EQ(ReadBytes(samplePath), before);
}

TEST_F(EditorTest, SaveOfAnUnmodifiedDatabaseStillWritesTheFile) {
    OpenSample();
    QFile::remove(QString::fromStdString(samplePath));
    Trigger(ID_FILE_SAVE);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(samplePath)));
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, PrintSaysNotYet) {
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_PRINT);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Not yet ..."));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconNone);
    EXPECT_FALSE(boxes[0].yesNoCancel);
}

TEST_F(EditorTest, CloseWithChangesAsksToSaveNamingTheFullPath) {
    OpenSample();
    Select(ProgramItem(1));
    Type("programName", QStringLiteral("Other"));
    MessageBox::SetNextAnswer(MessageBox::Yes);    // apply
    MessageBox::SetNextAnswer(MessageBox::Cancel); // save prompt
    Trigger(ID_FILE_CLOSE);
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
    EXPECT_EQ(boxes[1].text, QStringLiteral("Save changes to %1?").arg(QString::fromStdString(samplePath)));
    EXPECT_EQ(boxes[1].icon, MessageBox::IconQuestion);
    EXPECT_EQ(view->Pane(), PANE_PROGRAM);

    MessageBox::SetNextAnswer(MessageBox::No);
    Trigger(ID_FILE_CLOSE);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(view->Pane(), PANE_EMPTY);
    EXPECT_FALSE(view->IsModified());
}

TEST_F(EditorTest, SavePromptNamesANeverSavedDatabaseAsTheTitleDoes) {
    Trigger(ID_FILE_NEW);
    Select(NetworkItem(0));
    Type("networkName", QStringLiteral("Astra"));
    MessageBox::SetNextAnswer(MessageBox::Yes);    // apply
    MessageBox::SetNextAnswer(MessageBox::Cancel); // save prompt
    Trigger(ID_FILE_CLOSE);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, QStringLiteral("Save changes to No Name?"));
    EXPECT_EQ(boxes[1].buttons, MessageBox::ButtonsYesNoCancel);
}

// ---- the apply rule ----

TEST_F(EditorTest, ApplyPromptCancelKeepsTheSelectionNoDropsYesApplies) {
    OpenSample();
    Select(ProgramItem(0));
    Type("programName", QStringLiteral("Edited"));

    MessageBox::SetNextAnswer(MessageBox::Cancel);
    Select(ProgramItem(1));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(tree->SelectedItem(), ProgramItem(0));
    EXPECT_EQ(view->CurrentItem(), ProgramItem(0));
    EXPECT_EQ(Field("programName")->text(), QStringLiteral("Edited"));
    EXPECT_EQ(db().programs()[0]->name, "Channel 1");

    MessageBox::SetNextAnswer(MessageBox::No);
    Select(ProgramItem(1));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(tree->SelectedItem(), ProgramItem(1));
    EXPECT_EQ(db().programs()[0]->name, "Channel 1");
    EXPECT_FALSE(view->IsModified());

    Type("programName", QStringLiteral("Edited again"));
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Select(ProgramItem(0));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(db().programs()[1]->name, "Edited again");
    EXPECT_EQ(tree->LabelOf(ProgramItem(1)), QStringLiteral("Edited again"));
    EXPECT_TRUE(view->IsModified());
}

TEST_F(EditorTest, NetworkNamePromptAndLabel) {
    OpenSample();
    Type("networkName", QStringLiteral("Eutelsat"));
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Select(NetworkItem(1));
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Some of network parameters are changed.\nDo you want to apply?"));
    EXPECT_EQ(db().networks()[0]->name, "Eutelsat");
    EXPECT_EQ(tree->LabelOf(NetworkItem(0)), QStringLiteral("Eutelsat"));
    EXPECT_EQ(db().networks()[0]->treeItem, NetworkItem(0));
}

TEST_F(EditorTest, OkButtonAppliesWithoutAsking) {
    OpenSample();
    Select(TransponderItem(1));
    Type("frequency", QStringLiteral("11111"));
    bar->findChild<QWidget*>(QStringLiteral("transponderPane"))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(db().transponders()[1]->frequency, 11111);
    EXPECT_TRUE(tree->LabelOf(TransponderItem(1)).contains(QStringLiteral("11.111")));
    EXPECT_TRUE(view->IsModified());
}

TEST_F(EditorTest, SymbolRateZeroIsRefusedLikeFrequencyZero) {
    OpenSample();
    Select(TransponderItem(1));
    Type("symbolRate", QStringLiteral("0"));
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Select(NetworkItem(2));
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("Invalid frequency or symbol rate\nCorrect the errors or delete the transponder"));
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(1));
    EXPECT_EQ(db().transponders()[1]->symbolRate, 27500);
}

TEST_F(EditorTest, DeleteProgramDropsThePanesPendingEditsWithoutAsking) {
    OpenSample();
    Select(ProgramItem(1));
    Type("programName", QStringLiteral("Edited, never applied"));
    const std::string next = db().programs()[2]->name;
    Trigger(ID_PROGRAM_DELETE);
    EXPECT_TRUE(Boxes().empty()); // no apply prompt for a record that goes
    ASSERT_EQ(db().programs().size(), 7u);
    for (const auto& program : db().programs())
        EXPECT_NE(program->name, "Edited, never applied");
    EXPECT_EQ(db().programs()[1]->name, next);
}

TEST_F(EditorTest, InvalidTransponderBlocksSelectionSaveCloseAndExit) {
    OpenSample();
    Select(TransponderItem(0));
    Type("frequency", QString());
    const QString invalid =
        QStringLiteral("Invalid frequency or symbol rate\nCorrect the errors or delete the transponder");

    MessageBox::SetNextAnswer(MessageBox::Ok);
    Select(NetworkItem(2));
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, invalid);
    EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(0));

    const std::vector<uint8_t> before = ReadBytes(samplePath);
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(ReadBytes(samplePath), before);

    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_CLOSE);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);

    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_APP_EXIT);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(frame->isVisible());

    // Deleting the transponder releases the block.
    Trigger(ID_TRANSPONDER_DELETE);
    EXPECT_TRUE(Boxes().empty());
    Select(NetworkItem(2));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(EditorTest, ExitWithoutChangesClosesAtOnceAndWithChangesAsks) {
    OpenSample();
    Select(ProgramItem(3));
    Type("programName", QStringLiteral("Pending"));
    MessageBox::SetNextAnswer(MessageBox::Cancel);
    Trigger(ID_APP_EXIT);
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
    EXPECT_TRUE(frame->isVisible());

    MessageBox::SetNextAnswer(MessageBox::Yes);    // apply
    MessageBox::SetNextAnswer(MessageBox::Cancel); // save prompt
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_TRUE(frame->isVisible());

    MessageBox::SetNextAnswer(MessageBox::No);
    Trigger(ID_APP_EXIT);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(EditorTest, ExitOfAnUntouchedDatabaseAsksNothing) {
    OpenSample();
    Select(ProgramItem(5));
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(EditorTest, RadioFlagChangeMovesTheFavoriteEntry) {
    OpenSample();
    ASSERT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0, 3}));
    Select(ProgramItem(0));
    EditBar* editBar = bar;
    Program changed = *db().programs()[0];
    changed.attributes |= PA_RADIO;
    editBar->ShowProgram(changed); // as if the user had ticked the radio box
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Select(ProgramItem(1));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(db().programs()[0]->IsRadio());
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{3}));
    EXPECT_EQ(db().favoriteGroups()[0]->radioList, (std::vector<uint16_t>{0}));
}

// ---- record commands ----

TEST_F(EditorTest, AddTransponderFromEachPane) {
    OpenSample();
    // From the network pane: after the network's transponders.
    Select(NetworkItem(1));
    Trigger(ID_TRANSPONDER_ADD);
    ASSERT_EQ(db().transponders().size(), 5u);
    Transponder* added = db().transponders()[3].get();
    EXPECT_EQ(added->networkIndex, 1);
    EXPECT_EQ(added->frequency, 0);
    EXPECT_EQ(tree->SelectedItem(), added->treeItem);
    EXPECT_EQ(tree->ChildAt(NetworkItem(1), 1), added->treeItem);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_TRUE(view->IsModified());
    // Programs still on their transponders.
    EXPECT_EQ(db().programs()[6]->transponderIndex, 4);
    Trigger(ID_TRANSPONDER_DELETE);

    // From a program pane: before that program's transponder.
    Select(ProgramItem(2)); // on transponder 1
    Trigger(ID_TRANSPONDER_ADD);
    Transponder* before = db().transponders()[1].get();
    EXPECT_EQ(before->frequency, 0);
    EXPECT_EQ(tree->ChildAt(NetworkItem(0), 1), before->treeItem);
    EXPECT_EQ(tree->ChildAt(NetworkItem(0), 2), db().transponders()[2]->treeItem);
    EXPECT_EQ(db().programs()[2]->transponderIndex, 2);
}

TEST_F(EditorTest, AddWithNoThenCancelAtTheSecondPromptKeepsTheRecordAndTheSelection) {
    OpenSample();
    Select(ProgramItem(4));
    Type("programName", QStringLiteral("Unapplied"));
    MessageBox::SetNextAnswer(MessageBox::No);     // Add's own apply prompt
    MessageBox::SetNextAnswer(MessageBox::Cancel); // the prompt at the selection change
    Trigger(ID_PROGRAM_ADD);
    EXPECT_EQ(Boxes().size(), 2u);
    ASSERT_EQ(db().programs().size(), 9u);
    EXPECT_EQ(db().programs()[4]->name, "");
    EXPECT_NE(db().programs()[4]->treeItem, nullptr);
    EXPECT_EQ(db().programs()[5]->name, "Channel 5");
    EXPECT_EQ(tree->SelectedItem(), db().programs()[5]->treeItem);
    EXPECT_EQ(Field("programName")->text(), QStringLiteral("Unapplied"));
    EXPECT_TRUE(view->IsModified());
}

TEST_F(EditorTest, AddProgramAppendsFromATransponderAndInsertsBeforeAProgram) {
    OpenSample();
    Select(TransponderItem(2));
    Trigger(ID_PROGRAM_ADD);
    ASSERT_EQ(db().programs().size(), 9u);
    EXPECT_EQ(db().programs()[8]->transponderIndex, 2);
    EXPECT_EQ(tree->ChildAt(TransponderItem(2), 2), db().programs()[8]->treeItem);
    EXPECT_EQ(tree->SelectedItem(), db().programs()[8]->treeItem);
    EXPECT_EQ(view->Pane(), PANE_PROGRAM);

    Select(ProgramItem(1));
    Trigger(ID_PROGRAM_ADD);
    EXPECT_EQ(db().programs()[1]->name, "");
    EXPECT_EQ(tree->ChildAt(TransponderItem(0), 1), db().programs()[1]->treeItem);
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0, 4}));
}

TEST_F(EditorTest, DeleteSelectedTransponderFromAProgramBlanksAndMovesTheSelection) {
    OpenSample();
    Select(ProgramItem(0));
    Trigger(ID_TRANSPONDER_DELETE);
    ASSERT_EQ(db().transponders().size(), 3u);
    EXPECT_EQ(db().programs().size(), 6u);
    EXPECT_EQ(db().programs()[0]->name, "Channel 3");
    EXPECT_EQ(tree->ChildCount(NetworkItem(0)), 1);
    // The selection moved to the next transponder, which the pane shows.
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(0));
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_TRUE(view->IsModified());
}

TEST_F(EditorTest, DeleteAllTranspondersInNetFromTheNetworkKeepsTheNetworkPane) {
    OpenSample();
    Select(NetworkItem(0));
    Type("networkName", QStringLiteral("Pending edit"));
    Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(view->Pane(), PANE_NETWORK);
    EXPECT_EQ(tree->ChildCount(NetworkItem(0)), 0);
    EXPECT_EQ(db().transponders().size(), 2u);
    EXPECT_EQ(db().programs().size(), 4u);
    // The pending edit stays in the form.
    EXPECT_EQ(Field("networkName")->text(), QStringLiteral("Pending edit"));
    MessageBox::SetNextAnswer(MessageBox::No);
    Select(NetworkItem(1));
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(EditorTest, DeleteAllTranspondersInNetFromATransponderBlanksThePane) {
    OpenSample();
    Select(TransponderItem(1));
    Type("frequency", QString()); // pending edits of a deleted record are dropped silently
    Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(tree->SelectedItem(), NetworkItem(0));
    EXPECT_EQ(view->Pane(), PANE_NETWORK);
}

TEST_F(EditorTest, DeleteSelectedProgramMovesToTheNextSibling) {
    OpenSample();
    Select(ProgramItem(6));
    Trigger(ID_PROGRAM_DELETE);
    ASSERT_EQ(db().programs().size(), 7u);
    EXPECT_EQ(tree->SelectedItem(), ProgramItem(6));
    EXPECT_EQ(db().programs()[6]->name, "Channel 8");
    EXPECT_EQ(view->Pane(), PANE_PROGRAM);
    Trigger(ID_PROGRAM_DELETE);
    // No sibling left: the transponder.
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(3));
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{0, 3}));
}

TEST_F(EditorTest, DeleteAllProgramsInTransponderKeepsOrBlanksThePane) {
    OpenSample();
    Select(TransponderItem(0));
    Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(tree->ChildCount(TransponderItem(0)), 0);
    EXPECT_EQ(db().programs().size(), 6u);

    Select(ProgramItem(0)); // now Channel 3, on transponder 1
    Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER);
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(1));
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(db().programs().size(), 4u);
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, std::vector<uint16_t>{});
}

TEST_F(EditorTest, DeleteAllProgramsInNetKeepsTransponderPaneAndBlanksProgramPane) {
    OpenSample();
    Select(TransponderItem(1));
    Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(1));
    EXPECT_EQ(db().programs().size(), 4u);
    EXPECT_EQ(tree->ChildCount(TransponderItem(0)), 0);
    EXPECT_EQ(tree->ChildCount(TransponderItem(1)), 0);

    Select(ProgramItem(1)); // Channel 6 on network 1
    Trigger(ID_PROGRAM_DELETE_ALL_IN_NET);
    EXPECT_EQ(tree->SelectedItem(), TransponderItem(2));
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    EXPECT_EQ(db().programs().size(), 2u);
}

TEST_F(EditorTest, SortByDegreeOrdersTheSatellitesAndRebuildsTheTree) {
    OpenSample();
    Trigger(ID_SATELLITE_SORT_BY_DEGREE);
    ASSERT_EQ(db().networks().size(), 3u);
    // With the offset of 180 degrees the order starts at 180W and runs east: 13.0E, 19.2E, 28.2E.
    std::vector<std::string> order;
    for (const auto& network : db().networks())
        order.push_back(network->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Hotbird", "Astra 1", "Astra 2"}));
    EXPECT_EQ(tree->LabelOf(tree->ChildAt(nullptr, 0)), QStringLiteral("Hotbird"));
    EXPECT_EQ(tree->SelectedItem(), tree->ChildAt(nullptr, 0));
    EXPECT_EQ(tree->ChildCount(tree->ChildAt(nullptr, 2)), 2); // Astra 2 kept its transponders
    EXPECT_TRUE(view->IsModified());

    // Already in order: nothing changes, not even the modified flag.
    Trigger(ID_FILE_SAVE);
    ASSERT_FALSE(view->IsModified());
    Trigger(ID_SATELLITE_SORT_BY_DEGREE);
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - ") + AppTitle());
}

// The commands that build the tree anew keep the satellites and transponders that were open.
class RebuildTest : public EditorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RebuildTest, KeepsWhatWasExpanded) {
    OpenSample();
    Network* astra2 = db().networks()[0].get();
    Network* astra1 = db().networks()[1].get();
    Network* hotbird = db().networks()[2].get();
    Transponder* first = db().transponders()[0].get();
    Transponder* second = db().transponders()[1].get();
    for (TreeItemHandle item : {astra2->treeItem, first->treeItem, hotbird->treeItem})
        tree->expand(tree->IndexOf(item));

    const std::string rebuild = GetParam();
    if (rebuild == "Sort by Degree") {
        Trigger(ID_SATELLITE_SORT_BY_DEGREE);
        EXPECT_EQ(db().networks()[0].get(), hotbird);
    } else if (rebuild == "Channel List") {
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                      [](QWidget* modal) {
                                          auto* dialog = qobject_cast<ChannelListDialog*>(modal);
                                          ASSERT_NE(dialog, nullptr);
                                          dialog->MoveRow(1, 0);
                                          dialog->accept();
                                      }));
    } else {
        Trigger(ID_TRANSPONDER_ADD);
        Trigger(ID_EDIT_UNDO);
        EXPECT_EQ(db().transponders().size(), 4u);
    }
    for (TreeItemHandle item : {astra2->treeItem, first->treeItem, hotbird->treeItem})
        EXPECT_TRUE(tree->isExpanded(tree->IndexOf(item))) << tree->LabelOf(item).toStdString();
    for (TreeItemHandle item : {astra1->treeItem, second->treeItem})
        EXPECT_FALSE(tree->isExpanded(tree->IndexOf(item))) << tree->LabelOf(item).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Commands, RebuildTest, ::testing::Values("Sort by Degree", "Channel List", "Undo"));
