// The program pane: PID display, the read-back rules of the PID lists, TV/Radio, the AC3 box and
// the audio dialog it opens.
#include "forms/AudioDialog.h"
#include "tests/forms/FormsTest.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

constexpr const char* kPane = "programPane";

class ProgramPaneTest : public FormsTest {
protected:
    ProgramPaneTest() : program(5) {
        program.name = "Rai 1";
        program.serviceId = 0x0d49;
        program.pmtPid = 0x102;
        program.pcrPid = 0x200;
        program.videoPids.Append(0x200, LANG_NONE);
        program.audioPids.Append(0x28a, 9);
        program.teletextPids.Append(0x4240, 9);
    }
    void Show() { bar->ShowProgram(program); }
    QLineEdit* Edit(const char* name) { return Control<QLineEdit>(kPane, name); }
    QAbstractButton* Button(const char* name) { return Control<QAbstractButton>(kPane, name); }
    const Program& Read() {
        EXPECT_EQ(bar->ReadProgram(), 0);
        return bar->workingProgram();
    }

    Program program;
};

} // namespace

TEST_F(ProgramPaneTest, ShowsPidsInHexadecimalAndMissingValuesEmpty) {
    program.videoPids.pids[0] = 0x4100; // flag bits of a video word are shown
    program.audioPids.Append(0x428b, 0);
    Show();
    EXPECT_EQ(Edit("serviceId")->text(), "0x0d49");
    EXPECT_EQ(Edit("pmtPid")->text(), "0x0102");
    EXPECT_EQ(Edit("videoPid")->text(), "0x4100");
    EXPECT_EQ(Edit("audioPid")->text(), "0x028a");
    EXPECT_TRUE(Button("ac3")->isChecked()); // any track with AC3
    EXPECT_EQ(Edit("teletextPid")->text(), "0x0240");
    EXPECT_TRUE(Button("subt")->isChecked());
    EXPECT_TRUE(Button("tv")->isChecked());

    Program none(1);
    none.teletextPids.Append(PID_NONE, LANG_NONE);
    none.audioPids.Append(PID_NONE, LANG_NONE);
    none.attributes = PA_RADIO;
    bar->ShowProgram(none);
    for (const char* name : {"serviceId", "pmtPid", "pcrPid", "videoPid", "audioPid", "teletextPid"})
        EXPECT_EQ(Edit(name)->text(), "") << name;
    EXPECT_FALSE(Button("ac3")->isChecked());
    EXPECT_FALSE(Button("subt")->isChecked());
    EXPECT_TRUE(Button("radio")->isChecked());
    EXPECT_FALSE(Edit("videoPid")->isEnabled());
}

TEST_F(ProgramPaneTest, ServiceIdAndPmtPcrRead) {
    Show();
    Retype(Edit("serviceId"), QStringLiteral("100"));
    Retype(Edit("pmtPid"), QStringLiteral("0"));
    Retype(Edit("pcrPid"), QString());
    EXPECT_EQ(Read().serviceId, 100);
    EXPECT_EQ(Read().pmtPid, PID_NONE);
    EXPECT_EQ(Read().pcrPid, PID_NONE);
    program = Read();
    Show();
    EXPECT_EQ(Edit("pmtPid")->text(), "");
    Retype(Edit("serviceId"), QStringLiteral("0x12345"));
    Retype(Edit("pmtPid"), QStringLiteral("0X1fF"));
    EXPECT_EQ(Read().serviceId, 0x2345);
    EXPECT_EQ(Read().pmtPid, 0x1ff);
    Retype(Edit("serviceId"), QString());
    EXPECT_EQ(Read().serviceId, 0);
}

TEST_F(ProgramPaneTest, RetypedVideoAndTeletextListsBecomeSingleEntries) {
    program.videoPids.Append(0x201, 4);
    program.teletextPids.Append(0x241, 4);
    Show();
    EXPECT_FALSE(Read().Differs(program)); // shown only: the lists stay as stored
    Retype(Edit("videoPid"), QStringLiteral("0x0202"));
    Retype(Edit("teletextPid"), QStringLiteral("0x0242"));
    const Program& read = Read();
    ASSERT_EQ(read.videoPids.Count(), 1u);
    EXPECT_EQ(read.videoPids.pids[0], 0x202);
    EXPECT_EQ(read.videoPids.languages[0], LANG_NONE);
    ASSERT_EQ(read.teletextPids.Count(), 1u);
    EXPECT_EQ(read.teletextPids.languages[0], LANG_NONE);
    EXPECT_TRUE(read.Differs(program));

    program = read;
    program.videoPids.languages[0] = 7;
    Show();
    Retype(Edit("videoPid"), QStringLiteral("0x300"));
    Click(Button("subt"));
    EXPECT_EQ(Read().videoPids.pids[0], 0x300);
    EXPECT_EQ(Read().videoPids.languages[0], 7); // a single entry keeps its language
    EXPECT_EQ(Read().teletextPids.pids[0], 0x242);
    Retype(Edit("teletextPid"), QStringLiteral("0x2000"));
    Retype(Edit("videoPid"), QStringLiteral("none"));
    EXPECT_TRUE(Read().videoPids.Empty());
    ASSERT_EQ(Read().teletextPids.Count(), 1u);
    EXPECT_EQ(Read().teletextPids.pids[0], 0); // nonzero when read, PID 0 once masked
}

TEST_F(ProgramPaneTest, RadioEmptiesTheVideoListAndTvEnablesTheBoxAgain) {
    Show();
    Click(Button("radio"));
    EXPECT_FALSE(Edit("videoPid")->isEnabled());
    EXPECT_EQ(Edit("videoPid")->text(), "0x0200");
    EXPECT_TRUE(Read().videoPids.Empty());
    EXPECT_TRUE(Read().attributes & PA_RADIO);
    Click(Button("tv"));
    EXPECT_TRUE(Edit("videoPid")->isEnabled());
    EXPECT_FALSE(Read().attributes & PA_RADIO);
    ASSERT_EQ(Read().videoPids.Count(), 1u);
    EXPECT_EQ(Read().videoPids.languages[0], LANG_NONE);
}

TEST_F(ProgramPaneTest, AttributeBoxesSetTheirBitsOnly) {
    program.attributes = 0x08; // bit 3 is carried
    program.attributes2 = 0x5a;
    program.caMask = 0x40000001;
    Show();
    for (const char* name : {"scrambled", "lock", "skip", "noSidUpdate", "noNameUpdate", "noPidUpdate"})
        Click(Button(name));
    const Program& read = Read();
    EXPECT_EQ(read.attributes, 0xEF);
    EXPECT_EQ(read.attributes2, 0x5a);
    EXPECT_EQ(read.caMask, 0x40000001u);
    EXPECT_EQ(Button("noSidUpdate")->text(), "Don't update &with service ID");
    EXPECT_EQ(Button("noPidUpdate")->text(), "Don't update video/audio PIDs");
    EXPECT_EQ(Button("moreAudio")->text(), "More A&udio...");
}

TEST_F(ProgramPaneTest, OneAudioTrackTakesTheAc3BoxAndTheTypedPid) {
    Show();
    Click(Button("ac3"));
    EXPECT_TRUE(Button("ac3")->isChecked());
    Retype(Edit("audioPid"), QStringLiteral("0x2fff"));
    const Program& read = Read();
    ASSERT_EQ(read.audioPids.Count(), 1u);
    EXPECT_EQ(read.audioPids.pids[0], 0x4fff);
    EXPECT_EQ(read.audioPids.languages[0], 9);
    Retype(Edit("audioPid"), QStringLiteral("0x2000"));
    EXPECT_EQ(Read().audioPids.pids[0], PID_FLAG_AC3); // PID 0 plus the flag
}

TEST_F(ProgramPaneTest, ATypedPidOnAnEmptyAudioListIsAppended) {
    program.audioPids.Clear();
    Show();
    EXPECT_EQ(Edit("audioPid")->text(), "");
    Retype(Edit("audioPid"), QStringLiteral("300"));
    const Program& read = Read();
    ASSERT_EQ(read.audioPids.Count(), 1u);
    EXPECT_EQ(read.audioPids.pids[0], 300);
    EXPECT_EQ(read.audioPids.languages[0], LANG_NONE);

    program.audioPids.Clear();
    program.audioPids.Append(PID_NONE, 2);
    Show();
    Retype(Edit("audioPid"), QStringLiteral("0x44"));
    const PidList& appended = Read().audioPids;
    ASSERT_EQ(appended.Count(), 2u);
    EXPECT_EQ(appended.pids[0], PID_NONE);
    EXPECT_EQ(appended.pids[1], 0x44);
}

TEST_F(ProgramPaneTest, WithSeveralTracksTheAc3BoxStandsForAllOfThem) {
    program.audioPids.Append(0x428b, 0); // the second track is AC3, the first is not
    Show();
    ASSERT_TRUE(Button("ac3")->isChecked());
    Retype(Edit("audioPid"), QStringLiteral("0x300"));
    const Program& read = Read();
    ASSERT_EQ(read.audioPids.Count(), 2u);
    EXPECT_EQ(read.audioPids.pids[0], 0x300);
    EXPECT_EQ(read.audioPids.languages[0], 9);
    EXPECT_EQ(read.audioPids.pids[1], 0x428b);

    Retype(Edit("audioPid"), QString());
    EXPECT_TRUE(Read().audioPids.Empty());
}

TEST_F(ProgramPaneTest, Ac3ClickWithSeveralTracksOpensTheDialog) {
    program.audioPids.Append(0x28b, 0);
    Show();
    QAbstractButton* ac3 = Button("ac3");
    ASSERT_FALSE(ac3->isChecked());
    bool boxKept = false;
    const bool ran = guitest::RunModal([&] { Click(ac3); },
                                       [&](QWidget* modal) {
                                           boxKept = !ac3->isChecked();
                                           auto* dialog = qobject_cast<AudioDialog*>(modal);
                                           ASSERT_NE(dialog, nullptr);
                                           EXPECT_EQ(dialog->windowTitle(), "Audio");
                                           auto* list = guitest::Find<QTreeWidget>(dialog, "trackList");
                                           QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                                             list->visualItemRect(list->topLevelItem(1)).center());
                                           Click(guitest::Find<QAbstractButton>(dialog, "ac3"));
                                           Click(guitest::Find<QAbstractButton>(dialog, "modify"));
                                           Click(guitest::Find<QAbstractButton>(dialog, "ok"));
                                       });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(boxKept);
    EXPECT_TRUE(ac3->isChecked());
    EXPECT_EQ(bar->workingProgram().audioPids.pids[1], 0x428b);
    EXPECT_EQ(Edit("audioPid")->text(), "0x028a");
}

TEST_F(ProgramPaneTest, EditAudioListTakesTheListOnlyOnOk) {
    Show();
    bool ran = guitest::RunModal([&] { bar->EditAudioList(); },
                                 [](QWidget* modal) {
                                     Click(guitest::Find<QAbstractButton>(modal, "delete"));
                                     Click(guitest::Find<QAbstractButton>(modal, "cancel"));
                                 });
    ASSERT_TRUE(ran);
    EXPECT_FALSE(bar->workingProgram().Differs(program));
    EXPECT_EQ(Edit("audioPid")->text(), "0x028a");

    ran = guitest::RunModal([&] { bar->EditAudioList(); },
                            [](QWidget* modal) {
                                Click(guitest::Find<QAbstractButton>(modal, "delete"));
                                Click(guitest::Find<QAbstractButton>(modal, "ok"));
                            });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(bar->workingProgram().audioPids.Empty());
    EXPECT_EQ(Edit("audioPid")->text(), "");
    EXPECT_FALSE(Button("ac3")->isChecked());

    bar->ShowTransponder(Transponder());
    EXPECT_FALSE(guitest::RunModal([&] { bar->EditAudioList(); }, [](QWidget*) {}));
}

TEST_F(ProgramPaneTest, HostileTextInEveryPidBoxReadsByTheRules) {
    Show();
    const QString junk = QString::fromUtf8("\u20ac\u0661") + QChar(0) + QString(3000, QLatin1Char('f'));
    for (const char* name : {"serviceId", "pmtPid", "pcrPid", "videoPid", "audioPid", "teletextPid"})
        Edit(name)->setText(junk);
    const Program& read = Read();
    EXPECT_EQ(read.serviceId, 0);
    EXPECT_EQ(read.pmtPid, PID_NONE);
    EXPECT_EQ(read.pcrPid, PID_NONE);
    EXPECT_TRUE(read.videoPids.Empty());
    EXPECT_TRUE(read.audioPids.Empty());
    EXPECT_TRUE(read.teletextPids.Empty());
}

TEST_F(ProgramPaneTest, ListsWithUnequalSequencesAreNeverReadPastTheirEnd) {
    program.videoPids.pids.clear();
    program.audioPids.pids.clear();
    program.audioPids.languages.push_back(3);
    program.teletextPids.languages.clear();
    Show();
    EXPECT_EQ(Edit("videoPid")->text(), "");
    EXPECT_EQ(Edit("audioPid")->text(), "");
    const bool ran = guitest::RunModal([&] { bar->EditAudioList(); },
                                       [](QWidget* modal) {
                                           auto* list = guitest::Find<QTreeWidget>(modal, "trackList");
                                           EXPECT_EQ(list->topLevelItemCount(), 2);
                                           Click(guitest::Find<QAbstractButton>(modal, "ok"));
                                       });
    ASSERT_TRUE(ran);
    const PidList& audio = bar->workingProgram().audioPids;
    EXPECT_EQ(audio.pids, std::vector<uint16_t>({PID_NONE, PID_NONE}));
    Retype(Edit("videoPid"), QStringLiteral("0x31"));
    const Program& read = Read();
    ASSERT_EQ(read.videoPids.pids.size(), read.videoPids.languages.size());
    EXPECT_EQ(read.videoPids.pids[0], 0x31);
    // The teletext box was left as shown: its list reads back as stored, and is written safely.
    EXPECT_EQ(read.teletextPids.pids, program.teletextPids.pids);
    EXPECT_EQ(read.teletextPids.languages, program.teletextPids.languages);
}
