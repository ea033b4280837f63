// What protects the work outside a clean session, driven through the main window: the recovery
// file of unsaved work and the offer to recover it at start-up, the question before overwriting a
// file another program changed, and a failed save's reasons.
#include "EditorTestSupport.h"

#include "database/testing/SaveFault.h"
#include "shell/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

using namespace editortest;

namespace {

// The sample with a few hundred programs more, as receivers list them.
void WriteLargeSample(const std::string& path) {
    NetworkDatabase db;
    BuildSample(db);
    for (uint16_t t = 0; t < db.transponders().size(); ++t) {
        for (int p = 0; p < 80; ++p) {
            Program* program = db.AddProgram(t, NO_INDEX);
            program->name = "Sender " + std::to_string(p) + (p % 4 ? " HD" : "");
            program->serviceId = static_cast<uint16_t>(1000 + 100 * t + p);
        }
    }
    ASSERT_EQ(db.Save(path), NDF_OK);
}

class SafetyTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QDir(recovery::Folder()).removeRecursively(); // each test starts without unsaved work
        samplePath = dir.StdPath("list.NDF");
        WriteLargeSample(samplePath);
    }

    QString Sample() const { return QString::fromStdString(samplePath); }
    QString RecoveryFile() const { return recovery::FileFor(Sample()); }

    void Open() {
        OpenThroughMenu(Sample());
        ASSERT_EQ(view->Pane(), PANE_NETWORK);
        Boxes();
    }

    // Renames the first program and applies it with the pane's OK button.
    void RenameProgram(const QString& name) {
        Select(ProgramItem(0));
        Type("programName", name);
        bar->findChild<QWidget*>(QStringLiteral("programPane"))
            ->findChild<QPushButton*>(QStringLiteral("ok"))
            ->click();
        ASSERT_TRUE(view->IsModified());
    }

    // A new editor after the old one stopped without a word, as after a kill.
    void Restart() {
        frame.reset();
        frame = std::make_unique<CMainFrame>();
        frame->show();
        view = frame->View();
        tree = view->Tree();
        bar = frame->Bar();
    }

    void ExpectYesNoBox(const MessageBox::Shown& box, const QString& text) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, QStringLiteral("Tabulon"));
        EXPECT_EQ(box.buttons, MessageBox::ButtonsYesNo);
        EXPECT_EQ(box.icon, MessageBox::IconQuestion);
    }
};

// ---- the recovery file ----

TEST_F(SafetyTest, RecoveryFileHoldsTheUnsavedWorkUntilItIsSavedOrDropped) {
    struct Case {
        const char* name;
        std::function<void()> end;
    };
    const std::vector<Case> cases = {
        {"save", [this] { Trigger(ID_FILE_SAVE); }},
        {"close without saving",
         [this] {
             MessageBox::SetNextAnswer(MessageBox::No);
             Trigger(ID_FILE_CLOSE);
         }},
        {"undo back to the file", [this] { Trigger(ID_EDIT_UNDO); }},
        {"new without saving",
         [this] {
             MessageBox::SetNextAnswer(MessageBox::No);
             Trigger(ID_FILE_NEW);
         }},
        {"open of another file without saving",
         [this] {
             const std::string other = dir.StdPath("other.NDF");
             WriteSample(other);
             MessageBox::SetNextAnswer(MessageBox::No);
             OpenThroughMenu(QString::fromStdString(other));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        ASSERT_FALSE(QFileInfo::exists(RecoveryFile()));
        const CalendarDate stamp = db().GetStampDate();
        RenameProgram(QStringLiteral("Kept HD"));
        view->WriteRecoveryNow();
        const std::optional<recovery::Work> work = recovery::Read(RecoveryFile());
        ASSERT_TRUE(work.has_value());
        EXPECT_EQ(work->documentPath, Sample());
        std::vector<uint8_t> image;
        db().SerializeUnchanged(image);
        EXPECT_EQ(work->image, image);
        // Keeping the work is no save: the stamp and the modified state stay.
        EXPECT_EQ(db().GetStampDate(), stamp);
        EXPECT_TRUE(view->IsModified());

        c.end();
        EXPECT_FALSE(QFileInfo::exists(RecoveryFile()));
        EXPECT_EQ(QDir(recovery::Folder()).entryList(QDir::Files), QStringList());
        Boxes();
        if (view->Pane() != PANE_EMPTY && view->IsModified()) {
            MessageBox::SetNextAnswer(MessageBox::No);
            Trigger(ID_FILE_CLOSE);
        }
        WriteLargeSample(samplePath);
    }
}

// Started on the file, or without one, after the editor stopped with unsaved work: Yes opens the
// work as modified under the file's path, No deletes it.
TEST_F(SafetyTest, StartUpOffersTheUnsavedWork) {
    struct Case {
        const char* name;
        bool onTheFile;
        MessageBox::Button answer;
        bool fileSavedSince; // the file is newer than the work: nothing is offered
    };
    const std::vector<Case> cases = {
        {"on the file, Yes", true, MessageBox::Yes, false},
        {"on the file, No", true, MessageBox::No, false},
        {"without a file, Yes", false, MessageBox::Yes, false},
        {"without a file, No", false, MessageBox::No, false},
        {"on a file saved since", true, MessageBox::Yes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLargeSample(samplePath);
        const std::vector<uint8_t> onDisk = ReadBytes(samplePath);
        Open();
        RenameProgram(QStringLiteral("Recovered HD"));
        view->WriteRecoveryNow();
        Restart();
        // The work is newer than the file, or older when the file was saved since.
        QFile file(Sample());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDateTime workTime = QFileInfo(RecoveryFile()).lastModified();
        ASSERT_TRUE(file.setFileTime(workTime.addSecs(c.fileSavedSince ? 60 : -60), QFileDevice::FileModificationTime));
        file.close();

        if (!c.fileSavedSince)
            MessageBox::SetNextAnswer(c.answer);
        if (c.onTheFile)
            view->OpenFile(Sample());
        else
            view->OfferRecoveryAtStartUp();
        const auto boxes = Boxes();
        if (c.fileSavedSince) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(db().programs()[0]->name, "Channel 1");
            EXPECT_TRUE(QFileInfo::exists(RecoveryFile()));
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        ExpectYesNoBox(boxes[0], QStringLiteral("Work on %1 from %2 was not saved.\nDo you want to recover it?")
                                     .arg(Sample(), QLocale().toString(workTime, QLocale::ShortFormat)));
        if (c.answer == MessageBox::No) {
            EXPECT_FALSE(QFileInfo::exists(RecoveryFile()));
            EXPECT_EQ(view->Pane(), c.onTheFile ? PANE_NETWORK : PANE_EMPTY);
            if (c.onTheFile) {
                EXPECT_EQ(db().programs()[0]->name, "Channel 1");
            }
            continue;
        }
        EXPECT_TRUE(view->IsModified());
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF (Modified) - ") + AppTitle());
        EXPECT_EQ(db().programs()[0]->name, "Recovered HD");
        EXPECT_EQ(db().pathName, samplePath);
        EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
        EXPECT_EQ(ReadBytes(samplePath), onDisk);
        // Save writes the original file, without asking, and the work is no longer kept.
        Trigger(ID_FILE_SAVE);
        EXPECT_TRUE(Boxes().empty());
        EXPECT_FALSE(view->IsModified());
        EXPECT_FALSE(QFileInfo::exists(RecoveryFile()));
        NetworkDatabase saved;
        std::vector<uint8_t> image;
        ASSERT_EQ(saved.Open(samplePath, image), NDF_OK);
        ASSERT_EQ(saved.Parse(image), NDF_OK);
        EXPECT_EQ(saved.programs()[0]->name, "Recovered HD");
        Restart();
    }
}

// ---- the file on disk ----

TEST_F(SafetyTest, SaveAsksBeforeOverwritingAFileAnotherProgramChanged) {
    for (const MessageBox::Button answer : {MessageBox::Yes, MessageBox::No}) {
        SCOPED_TRACE(answer == MessageBox::Yes ? "Yes" : "No");
        WriteLargeSample(samplePath);
        Open();
        RenameProgram(QStringLiteral("Mine"));
        // Another program writes the file anew, of the same size.
        std::vector<uint8_t> theirs = ReadBytes(samplePath);
        QFile::remove(Sample());
        theirs[20] ^= 0x01;
        {
            QFile out(Sample());
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(reinterpret_cast<const char*>(theirs.data()), static_cast<qint64>(theirs.size()));
        }
        MessageBox::SetNextAnswer(answer);
        Trigger(ID_FILE_SAVE);
        const auto boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        ExpectYesNoBox(boxes[0], Sample() + QStringLiteral(" was changed by another program after it was "
                                                           "opened.\nDo you want to overwrite it?"));
        EXPECT_EQ(view->IsModified(), answer == MessageBox::No);
        if (answer == MessageBox::No) {
            EXPECT_EQ(ReadBytes(samplePath), theirs);
            EXPECT_EQ(db().programs()[0]->name, "Mine");
            MessageBox::SetNextAnswer(MessageBox::No);
            Trigger(ID_FILE_CLOSE);
        } else {
            EXPECT_NE(ReadBytes(samplePath), theirs);
            // What was saved is what is on disk now: the next save asks nothing.
            RenameProgram(QStringLiteral("Mine again"));
            Trigger(ID_FILE_SAVE);
            EXPECT_TRUE(Boxes().empty());
        }
    }
}

TEST_F(SafetyTest, FailedSaveGivesTheCauseAndKeepsTheFileAndTheWork) {
    Open();
    const std::vector<uint8_t> before = ReadBytes(samplePath);
    RenameProgram(QStringLiteral("Unsaved"));
    SetSaveFaultAfterBytes(4096);
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_SAVE);
    SetSaveFaultAfterBytes(NO_SAVE_FAULT);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("Creating file failed\n%1\nThe file on disk has not been changed.")
                  .arg(QString::fromStdString(std::make_error_code(std::errc::no_space_on_device).message())));
    EXPECT_EQ(ReadBytes(samplePath), before);
    EXPECT_EQ(QDir(dir.Path(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"list.NDF"});
    EXPECT_TRUE(view->IsModified());
    view->WriteRecoveryNow();
    EXPECT_TRUE(QFileInfo::exists(RecoveryFile()));
}

} // namespace
