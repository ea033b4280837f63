// Work safety in the main window: a pending form edit lands on the record the user saw, whatever
// changed under it; the Channel List's OK reads nothing after its write-back began; and a stored
// value that a form cannot show exactly is neither an edit nor changed by showing it.
#include "EditorTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>

#include <functional>
#include <map>

using namespace editortest;

namespace {

// Each program's transponder frequency and network, by service ID, as the saved file has them.
std::map<uint16_t, std::pair<uint16_t, std::string>> WhereEachProgramIs(const NetworkDatabase& db) {
    std::map<uint16_t, std::pair<uint16_t, std::string>> where;
    for (const auto& program : db.programs()) {
        const Transponder& tp = *db.transponders().at(program->transponderIndex);
        where[program->serviceId] = {tp.frequency, db.networks().at(tp.networkIndex)->name};
    }
    return where;
}

class WorkSafetyTest : public EditorTest {
public:
    using EditorTest::db;
    using EditorTest::Enabled;
    using EditorTest::Field;
    using EditorTest::frame;
    using EditorTest::NetworkItem;
    using EditorTest::ProgramItem;
    using EditorTest::Select;
    using EditorTest::TransponderItem;
    using EditorTest::Trigger;
    using EditorTest::Type;
    using EditorTest::view;

    NetworkDatabase Saved() {
        NetworkDatabase saved;
        std::vector<uint8_t> image;
        EXPECT_EQ(saved.Open(samplePath, image), NDF_OK);
        EXPECT_EQ(saved.Parse(image), NDF_OK);
        return saved;
    }

    void ClickOk(const char* pane) {
        bar->findChild<QWidget*>(QString::fromLatin1(pane))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    }

    // The new transponder the selection moved to gets valid values, so that it can be left and saved.
    void FillNewTransponder() {
        ASSERT_EQ(view->Pane(), PANE_TRANSPONDER);
        Type("frequency", QStringLiteral("12345"));
        Type("symbolRate", QStringLiteral("27500"));
        ClickOk("transponderPane");
    }
};

struct PendingEditCase {
    const char* name;
    std::function<void(WorkSafetyTest&)> run; // with "Renamed" typed into the program pane of Channel 5
};

void PrintTo(const PendingEditCase& c, std::ostream* os) {
    *os << c.name;
}

class PendingEditTest : public WorkSafetyTest, public ::testing::WithParamInterface<PendingEditCase> {};

TEST_P(PendingEditTest, TheEditLandsOnTheRecordShownAndNoProgramMoves) {
    OpenSample();
    const auto before = WhereEachProgramIs(db());
    Select(ProgramItem(4)); // Channel 5, on the transponder of the second satellite
    Type("programName", QStringLiteral("Renamed"));

    GetParam().run(*this);
    if (view->Pane() == PANE_PROGRAM)
        ClickOk("programPane");
    Trigger(ID_FILE_SAVE);
    Boxes();

    const NetworkDatabase saved = Saved();
    const auto after = WhereEachProgramIs(saved);
    for (const auto& [serviceId, place] : before) {
        if (after.count(serviceId)) {
            EXPECT_EQ(after.at(serviceId), place) << "service " << serviceId;
        }
    }
    ASSERT_TRUE(after.count(5));
    for (const auto& program : saved.programs()) {
        if (program->serviceId == 5) {
            EXPECT_EQ(program->name, "Renamed");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    WhileAFormHoldsEdits, PendingEditTest,
    ::testing::Values(PendingEditCase{"AddTransponderNoThenYes",
                                      [](WorkSafetyTest& t) {
                                          MessageBox::SetNextAnswer(MessageBox::No); // before the command
                                          MessageBox::SetNextAnswer(
                                              MessageBox::Yes); // leaving the program for the new one
                                          t.Trigger(ID_TRANSPONDER_ADD);
                                          t.FillNewTransponder();
                                      }},
                      PendingEditCase{"AddTransponderNoThenCancelThenOk",
                                      [](WorkSafetyTest& t) {
                                          MessageBox::SetNextAnswer(MessageBox::No);
                                          MessageBox::SetNextAnswer(MessageBox::Cancel); // stays on the program
                                          t.Trigger(ID_TRANSPONDER_ADD);
                                          ASSERT_EQ(t.view->Pane(), PANE_PROGRAM);
                                          t.ClickOk("programPane");
                                          t.Select(
                                              t.db().transponders()[2]->treeItem); // the new one, before Channel 5's
                                          t.FillNewTransponder();
                                      }},
                      PendingEditCase{"AddProgramNoThenYes",
                                      [](WorkSafetyTest& t) {
                                          MessageBox::SetNextAnswer(MessageBox::No);
                                          MessageBox::SetNextAnswer(MessageBox::Yes);
                                          t.Trigger(ID_PROGRAM_ADD);
                                      }},
                      PendingEditCase{"ChannelListDeletesAndSortsThenOk",
                                      [](WorkSafetyTest& t) {
                                          EXPECT_TRUE(guitest::RunModal(
                                              [&] { t.Trigger(ID_VIEW_CHANNEL_LIST); },
                                              [](QWidget* modal) {
                                                  auto* list = guitest::Find<QAbstractItemView>(modal, "channelView");
                                                  list->setCurrentIndex(list->model()->index(0, 1));
                                                  MessageBox::SetNextAnswer(MessageBox::Yes);
                                                  guitest::Find<QAction>(modal, "deleteAction")->trigger();
                                                  emit modal->findChild<QHeaderView*>()->sectionClicked(1);
                                                  guitest::Find<QPushButton>(modal, "okButton")->click();
                                              }));
                                      }},
                      PendingEditCase{"RedoIsRefusedAndTheEditsStay",
                                      [](WorkSafetyTest& t) {
                                          t.frame->UpdateCommandStates();
                                          t.Trigger(ID_EDIT_UNDO); // takes the typed name back
                                          t.Type("programName", QStringLiteral("Renamed"));
                                          t.frame->UpdateCommandStates();
                                          if (t.Enabled(ID_EDIT_REDO))
                                              t.Trigger(ID_EDIT_REDO); // new typing ends the way forward
                                          EXPECT_EQ(t.Field("programName")->text(), QStringLiteral("Renamed"));
                                      }}),
    [](const ::testing::TestParamInfo<PendingEditCase>& info) { return std::string(info.param.name); });

TEST_F(WorkSafetyTest, ApplyKeepsTheStoredReferencesOfAStaleWorkingCopy) {
    OpenSample();
    Select(ProgramItem(4));
    Type("programName", QStringLiteral("Renamed"));
    // An insertion before the program's transponder renumbers the stored reference only.
    ASSERT_TRUE(db().InsertTransponders(0, {Transponder()}));
    const uint16_t stored = db().programs()[4]->transponderIndex;
    ClickOk("programPane");
    EXPECT_EQ(db().programs()[4]->transponderIndex, stored);
    EXPECT_EQ(db().programs()[4]->name, "Renamed");
}

// Deleted and sorted, then OK before the event loop turns: the dialog's model is asked for its
// rows as it hides, after the database shrank (ASan catches a read past the programs).
TEST_F(WorkSafetyTest, ChannelListOkReadsNoRowAfterItsWriteBack) {
    OpenSample();
    Select(ProgramItem(0));
    const size_t count = db().programs().size();
    EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                  [](QWidget* modal) {
                                      auto* list = guitest::Find<QAbstractItemView>(modal, "channelView");
                                      list->selectAll();
                                      MessageBox::SetNextAnswer(MessageBox::Yes);
                                      guitest::Find<QAction>(modal, "deleteAction")->trigger();
                                      emit modal->findChild<QHeaderView*>()->sectionClicked(1);
                                      static_cast<QDialog*>(modal)->accept();
                                      EXPECT_EQ(list->model()->rowCount(), 0);
                                  }));
    Boxes();
    EXPECT_LT(db().programs().size(), count);
}

// Escape and Yes discard a session; Edit brings it back once, until the next change in the window.
TEST_F(WorkSafetyTest, ADiscardedChannelListSessionComesBackOnce) {
    OpenSample();
    Select(ProgramItem(0));
    const auto discardMovedSession = [&] {
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                      [](QWidget* modal) {
                                          auto* list = guitest::Find<QAbstractItemView>(modal, "channelView");
                                          list->setCurrentIndex(list->model()->index(0, 1));
                                          guitest::Find<QAction>(modal, "moveToBottomAction")->trigger();
                                          MessageBox::SetNextAnswer(MessageBox::Yes);
                                          static_cast<QDialog*>(modal)->reject();
                                      }));
        Boxes();
        frame->UpdateCommandStates();
    };
    frame->UpdateCommandStates();
    EXPECT_FALSE(Enabled(ID_EDIT_RESTORE_CHANNEL_LIST));
    discardMovedSession();
    EXPECT_EQ(db().programs()[0]->name, "Channel 1");
    ASSERT_TRUE(Enabled(ID_EDIT_RESTORE_CHANNEL_LIST));
    EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_EDIT_RESTORE_CHANNEL_LIST); },
                                  [](QWidget* modal) {
                                      EXPECT_EQ(modal->windowTitle(), QStringLiteral("Channel List (Modified)"));
                                      guitest::Find<QPushButton>(modal, "okButton")->click();
                                  }));
    EXPECT_EQ(db().programs()[0]->name, "Channel 2");
    frame->UpdateCommandStates();
    EXPECT_FALSE(Enabled(ID_EDIT_RESTORE_CHANNEL_LIST)); // once

    discardMovedSession();
    ASSERT_TRUE(Enabled(ID_EDIT_RESTORE_CHANNEL_LIST));
    Trigger(ID_EDIT_UNDO); // a change in the main window: the session no longer fits
    frame->UpdateCommandStates();
    EXPECT_FALSE(Enabled(ID_EDIT_RESTORE_CHANNEL_LIST));
}

// ---- values a form cannot show exactly ----

struct ShownValueCase {
    const char* name;
    std::function<void(NetworkDatabase&)> plant;                 // the odd value, into the sample
    std::function<TreeItemHandle(WorkSafetyTest&)> record;       // the record that holds it
    const char* renameField;                                     // a field to change besides it
    std::function<bool(const NetworkDatabase&)> keptAfterRename; // the odd value survived an apply
};

void PrintTo(const ShownValueCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownValueTest : public WorkSafetyTest, public ::testing::WithParamInterface<ShownValueCase> {};

TEST_P(ShownValueTest, ShowingIsNoEditAndApplyingAnotherFieldKeepsTheValue) {
    const ShownValueCase& c = GetParam();
    samplePath = dir.StdPath("odd.NDF");
    {
        NetworkDatabase sample;
        BuildSample(sample);
        c.plant(sample);
        ASSERT_EQ(sample.Save(samplePath), NDF_OK);
    }
    OpenThroughMenu(QString::fromStdString(samplePath));
    // An earlier step stays undoable while the record is shown.
    Select(ProgramItem(7));
    Trigger(ID_PROGRAM_DELETE);
    Select(c.record(*this));
    EXPECT_EQ(view->UndoText(), QStringLiteral("&Undo Delete Program\tCtrl+Z"));
    Select(NetworkItem(2)); // leaving it asks nothing
    EXPECT_TRUE(Boxes().empty());
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(db().programs().size(), 8u);

    Select(c.record(*this));
    Type(c.renameField, QStringLiteral("Renamed"));
    MessageBox::SetNextAnswer(MessageBox::Yes); // apply before saving
    Trigger(ID_FILE_SAVE);
    Boxes();
    EXPECT_TRUE(c.keptAfterRename(Saved()));
}

PidList Pids(std::initializer_list<uint16_t> words) {
    PidList list;
    for (uint16_t word : words)
        list.Append(word, LANG_NONE);
    return list;
}

Program& SampleProgram(NetworkDatabase& db, int index) {
    return *db.programs()[static_cast<size_t>(index)];
}

INSTANTIATE_TEST_SUITE_P(
    EveryPane, ShownValueTest,
    ::testing::Values(ShownValueCase{"Fec6", [](NetworkDatabase& db) { db.transponders()[1]->polFec = 0x61; },
                                     [](WorkSafetyTest& t) { return t.TransponderItem(1); }, "tpName",
                                     [](const NetworkDatabase& db) { return db.transponders()[1]->polFec == 0x61; }},
                      ShownValueCase{"Fec14", [](NetworkDatabase& db) { db.transponders()[1]->polFec = 0xE0; },
                                     [](WorkSafetyTest& t) { return t.TransponderItem(1); }, "tpName",
                                     [](const NetworkDatabase& db) { return db.transponders()[1]->polFec == 0xE0; }},
                      ShownValueCase{"SwitchLevel3",
                                     [](NetworkDatabase& db) {
                                         db.antennaConfigs()[1]->diseqcMode = 0x03;
                                         db.antennaConfigs()[1]->switchPort = 0x52;
                                     },
                                     [](WorkSafetyTest& t) { return t.NetworkItem(1); }, "networkName",
                                     [](const NetworkDatabase& db) {
                                         return db.antennaConfigs()[1]->diseqcMode == 0x03 &&
                                                db.antennaConfigs()[1]->switchPort == 0x52;
                                     }},
                      ShownValueCase{"LnbKind3",
                                     [](NetworkDatabase& db) {
                                         AntennaConfig& a = *db.antennaConfigs()[1];
                                         a.lnbType = 0xC2;
                                         a.lnbFreq = 9750;
                                         a.lnbFreqH = 10600;
                                     },
                                     [](WorkSafetyTest& t) { return t.NetworkItem(1); }, "networkName",
                                     [](const NetworkDatabase& db) { return db.antennaConfigs()[1]->lnbType == 0xC2; }},
                      ShownValueCase{"PositionPast360", [](NetworkDatabase& db) { db.networks()[1]->position = 3605; },
                                     [](WorkSafetyTest& t) { return t.NetworkItem(1); }, "networkName",
                                     [](const NetworkDatabase& db) { return db.networks()[1]->position == 3605; }},
                      ShownValueCase{"SkewPast180",
                                     [](NetworkDatabase& db) {
                                         db.antennaConfigs()[1]->diseqcMode = 0x80;
                                         db.networks()[1]->skewV = 200;
                                     },
                                     [](WorkSafetyTest& t) { return t.NetworkItem(1); }, "networkName",
                                     [](const NetworkDatabase& db) { return db.networks()[1]->skewV == 200; }},
                      ShownValueCase{"PidFlagBits",
                                     [](NetworkDatabase& db) {
                                         Program& p = SampleProgram(db, 2);
                                         p.audioPids = Pids({0xA101});
                                         p.teletextPids = Pids({0x2102});
                                     },
                                     [](WorkSafetyTest& t) { return t.ProgramItem(2); }, "programName",
                                     [](const NetworkDatabase& db) {
                                         const Program& p = *db.programs()[2];
                                         return p.audioPids.pids == std::vector<uint16_t>{0xA101} &&
                                                p.teletextPids.pids == std::vector<uint16_t>{0x2102};
                                     }},
                      ShownValueCase{"PidsOfZeroAndSeveralVideoEntries",
                                     [](NetworkDatabase& db) {
                                         Program& p = SampleProgram(db, 2);
                                         p.pmtPid = 0;
                                         p.videoPids = Pids({0x100, 0x101});
                                     },
                                     [](WorkSafetyTest& t) { return t.ProgramItem(2); }, "programName",
                                     [](const NetworkDatabase& db) {
                                         const Program& p = *db.programs()[2];
                                         return p.pmtPid == 0 && p.videoPids.Count() == 2;
                                     }},
                      ShownValueCase{
                          "RadioWithVideo",
                          [](NetworkDatabase& db) {
                              Program& p = SampleProgram(db, 2);
                              p.attributes = PA_RADIO;
                              p.videoPids = Pids({0x100});
                          },
                          [](WorkSafetyTest& t) { return t.ProgramItem(2); }, "programName",
                          [](const NetworkDatabase& db) { return db.programs()[2]->videoPids.Count() == 1; }}),
    [](const ::testing::TestParamInfo<ShownValueCase>& info) { return std::string(info.param.name); });

TEST_F(WorkSafetyTest, AValueTheListCannotOfferIsShownAsAnItemOfItsOwn) {
    samplePath = dir.StdPath("fec.NDF");
    {
        NetworkDatabase sample;
        BuildSample(sample);
        sample.transponders()[1]->polFec = 0x90;
        ASSERT_EQ(sample.Save(samplePath), NDF_OK);
    }
    OpenThroughMenu(QString::fromStdString(samplePath));
    Select(TransponderItem(1));
    auto* fec = guitest::Find<QComboBox>(bar, "fec");
    EXPECT_EQ(fec->currentText(), QStringLiteral("9 (unknown)"));
    fec->setCurrentIndex(3); // the user picks "3/4"
    ClickOk("transponderPane");
    EXPECT_EQ(db().transponders()[1]->fec(), 3);
    Select(TransponderItem(0)); // a transponder with a listed rate: no extra item
    EXPECT_EQ(fec->count(), 6);
}

} // namespace
