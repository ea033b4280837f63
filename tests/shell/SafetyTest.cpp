// What protects the work outside a clean session, driven through the main window: the recovery
// file of unsaved work and the offer to recover it, the question before overwriting a file another
// program changed, and a failed save's reasons.
#include "EditorTestSupport.h"

#include "database/testing/SaveFault.h"
#include "shell/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fstream>

using namespace editortest;

namespace {

class SafetyTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QDir(recovery::Folder()).removeRecursively();
        samplePath = dir.StdPath("list.NDF");
        // The sample with a few hundred programs more, as receivers list them.
        NetworkDatabase db;
        BuildSample(db);
        for (uint16_t t = 0; t < db.transponders().size(); ++t) {
            for (int p = 0; p < 80; ++p)
                db.AddProgram(t, NO_INDEX)->name = "Sender " + std::to_string(p) + (p % 4 ? " HD" : "");
        }
        ASSERT_EQ(db.Save(samplePath), NDF_OK);
        onDisk = ReadBytes(samplePath);
    }

    QString Sample() const { return QString::fromStdString(samplePath); }
    // Writes the sample's file anew, as another program would.
    void Rewrite(const std::vector<uint8_t>& bytes) {
        QFile::remove(Sample());
        std::ofstream(samplePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    QString Recovery() const { return recovery::FileFor(Sample()); }

    // Opens the sample and renames its first program with the pane's OK button.
    void OpenAndRename(const char* name) {
        OpenThroughMenu(Sample());
        Select(ProgramItem(0));
        Type("programName", QString::fromLatin1(name));
        bar->findChild<QWidget*>(QStringLiteral("programPane"))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        ASSERT_TRUE(view->IsModified());
    }

    // A new editor after the old one stopped without a word, as after a kill.
    void Restart() {
        frame = std::make_unique<CMainFrame>();
        frame->show();
        view = frame->View();
        tree = view->Tree();
        bar = frame->Bar();
    }

    static void ExpectQuestion(const std::vector<MessageBox::Shown>& boxes, const QString& text) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, QStringLiteral("Tabulon"));
        EXPECT_EQ(boxes[0].buttons, MessageBox::ButtonsYesNo);
    }

    std::vector<uint8_t> onDisk;
};

TEST_F(SafetyTest, RecoveryFileHoldsTheUnsavedWorkUntilItIsSavedOrDropped) {
    const std::vector<std::pair<int, MessageBox::Button>> ends = {
        {ID_FILE_SAVE, MessageBox::Ok}, {ID_FILE_CLOSE, MessageBox::No}, {ID_EDIT_UNDO, MessageBox::Ok},
        {ID_FILE_NEW, MessageBox::No},  {ID_FILE_OPEN, MessageBox::No},
    };
    for (const auto& [command, answer] : ends) {
        SCOPED_TRACE(command);
        Restart();
        Rewrite(onDisk);
        OpenAndRename("Kept HD");
        const CalendarDate stamp = db().GetStampDate();
        view->WriteRecoveryNow();
        const std::optional<recovery::Work> work = recovery::Read(Recovery());
        ASSERT_TRUE(work.has_value());
        EXPECT_EQ(work->documentPath, Sample());
        std::vector<uint8_t> image;
        db().SerializeUnchanged(image);
        EXPECT_EQ(work->image, image);
        EXPECT_EQ(db().GetStampDate(), stamp); // keeping the work is no save
        EXPECT_TRUE(view->IsModified());

        if (answer != MessageBox::Ok)
            MessageBox::SetNextAnswer(answer); // "Save changes to ...?"
        if (command == ID_FILE_OPEN)
            OpenThroughMenu(Sample());
        else
            Trigger(command);
        EXPECT_EQ(QDir(recovery::Folder()).entryList(QDir::Files), QStringList());
        Boxes();
    }
}

// Started on the file, or without one, after the editor stopped with unsaved work: Yes opens the
// work as modified under the file's path, No deletes it; a file saved since is opened as it is.
TEST_F(SafetyTest, StartUpOffersTheUnsavedWork) {
    struct Case {
        bool onTheFile;
        MessageBox::Button answer;
        int fileAge; // seconds by which the file is older than the work
    };
    for (const Case& c :
         {Case{true, MessageBox::Yes, 60}, Case{true, MessageBox::No, 60}, Case{false, MessageBox::Yes, 60},
          Case{false, MessageBox::No, 60}, Case{true, MessageBox::Yes, -60}}) {
        SCOPED_TRACE(std::to_string(c.onTheFile) + " " + std::to_string(c.answer) + " " + std::to_string(c.fileAge));
        Rewrite(onDisk);
        OpenAndRename("Recovered HD");
        view->WriteRecoveryNow();
        const QDateTime workTime = QFileInfo(Recovery()).lastModified();
        QFile file(Sample());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(workTime.addSecs(-c.fileAge), QFileDevice::FileModificationTime));
        file.close();
        Restart();

        const bool offered = c.fileAge > 0;
        if (offered)
            MessageBox::SetNextAnswer(c.answer);
        if (c.onTheFile)
            view->OpenFile(Sample());
        else
            view->OfferRecoveryAtStartUp();
        if (!offered) {
            EXPECT_TRUE(Boxes().empty());
            EXPECT_EQ(db().programs()[0]->name, "Channel 1");
            continue;
        }
        ExpectQuestion(Boxes(), QStringLiteral("Work on %1 from %2 was not saved.\nDo you want to recover it?")
                                    .arg(Sample(), QLocale().toString(workTime, QLocale::ShortFormat)));
        if (c.answer == MessageBox::No) {
            EXPECT_FALSE(QFileInfo::exists(Recovery()));
            EXPECT_EQ(view->Pane(), c.onTheFile ? PANE_NETWORK : PANE_EMPTY);
            continue;
        }
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF (Modified) - ") + AppTitle());
        EXPECT_EQ(db().programs()[0]->name, "Recovered HD");
        EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
        EXPECT_EQ(ReadBytes(samplePath), onDisk);
        // Save writes the original file, without asking, and the work is no longer kept.
        Trigger(ID_FILE_SAVE);
        EXPECT_TRUE(Boxes().empty());
        EXPECT_FALSE(view->IsModified());
        EXPECT_FALSE(QFileInfo::exists(Recovery()));
        std::vector<uint8_t> image;
        db().SerializeUnchanged(image);
        EXPECT_EQ(ReadBytes(samplePath), image);
    }
}

TEST_F(SafetyTest, SaveAsksBeforeOverwritingAFileAnotherProgramChanged) {
    for (const MessageBox::Button answer : {MessageBox::Yes, MessageBox::No}) {
        Restart();
        Rewrite(onDisk);
        OpenAndRename("Mine");
        // Another program writes the file anew, of the same size.
        std::vector<uint8_t> theirs = onDisk;
        theirs[20] ^= 0x01;
        Rewrite(theirs);
        MessageBox::SetNextAnswer(answer);
        Trigger(ID_FILE_SAVE);
        ExpectQuestion(Boxes(), Sample() + QStringLiteral(" was changed by another program after it was opened.\n"
                                                          "Do you want to overwrite it?"));
        EXPECT_EQ(view->IsModified(), answer == MessageBox::No);
        EXPECT_EQ(ReadBytes(samplePath) == theirs, answer == MessageBox::No);
        EXPECT_EQ(db().programs()[0]->name, "Mine");
        // What was saved is what is on disk now: the next save asks nothing.
        if (answer == MessageBox::Yes) {
            Trigger(ID_FILE_SAVE);
            EXPECT_TRUE(Boxes().empty());
        }
    }
}

TEST_F(SafetyTest, FailedSaveGivesTheCauseAndKeepsTheFileAndTheWork) {
    OpenAndRename("Unsaved");
    SetSaveFaultAfterBytes(4096);
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Trigger(ID_FILE_SAVE);
    SetSaveFaultAfterBytes(NO_SAVE_FAULT);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("Creating file failed\n%1\nThe file on disk has not been changed.")
                  .arg(QString::fromStdString(std::make_error_code(std::errc::no_space_on_device).message())));
    EXPECT_EQ(ReadBytes(samplePath), onDisk);
    EXPECT_EQ(QDir(dir.Path(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"list.NDF"});
    EXPECT_TRUE(view->IsModified());
}

} // namespace
