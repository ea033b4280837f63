// Edit Undo and Redo in the main window: every kind of step, through the real actions and seams.
#include "EditorTestSupport.h"

#include <QDialog>
#include <QHeaderView>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <functional>

using namespace editortest;

namespace {

class UndoTest : public EditorTest {
protected:
    std::vector<uint8_t> Image() {
        std::vector<uint8_t> image;
        db().Serialize(image);
        return image;
    }

    // The tree as it shows, one line per item, indented by level.
    QString TreeText() const {
        QString text;
        std::function<void(TreeItemHandle, int)> add = [&](TreeItemHandle parent, int depth) {
            for (int row = 0; row < tree->ChildCount(parent); ++row) {
                TreeItemHandle item = tree->ChildAt(parent, row);
                text += QString(depth * 2, QLatin1Char(' ')) + tree->LabelOf(item) + QLatin1Char('\n');
                add(item, depth + 1);
            }
        };
        add(nullptr, 0);
        return text;
    }

    // The tree a fresh build of the database shows: satellites in slot order, each with its
    // transponders, each with its programs, in collection order.
    QString FreshTreeText() {
        const NetworkDatabase& d = db();
        QString text;
        for (size_t n = 0; n < d.networks().size(); ++n) {
            text += NetworkTreeModel::NameLabel(d.networks()[n]->name) + QLatin1Char('\n');
            for (size_t t = 0; t < d.transponders().size(); ++t) {
                if (d.transponders()[t]->networkIndex != n)
                    continue;
                text += QStringLiteral("  ") + NetworkTreeModel::TransponderLabel(*d.transponders()[t], d.formatFlags) +
                        QLatin1Char('\n');
                for (const auto& program : d.programs()) {
                    if (program->transponderIndex == t)
                        text += QStringLiteral("    ") + NetworkTreeModel::NameLabel(program->name) + QLatin1Char('\n');
                }
            }
        }
        return text;
    }

    void ClickOk(const char* pane) {
        bar->findChild<QWidget*>(QString::fromLatin1(pane))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    }
};

class EveryStepTest;

struct StepCase {
    const char* name;
    std::function<void(EveryStepTest&)> select; // before the step
    std::function<void(EveryStepTest&)> run;
};

class EveryStepTest : public UndoTest, public ::testing::WithParamInterface<size_t> {
public:
    static const std::vector<StepCase>& Cases();

protected:
    void ImportListing() {
        const std::string listing = dir.StdPath("astra.sdx");
        {
            std::ofstream out(listing, std::ios::binary);
            out << SatcodxLine("Astra 1KR", "11700", '1', "0192", "27500");
            out << SatcodxLine("Astra 1L", "12100", '0', "0192", "22000");
        }
        FileDialog::SetNextPath(QString::fromStdString(listing));
        MessageBox::SetNextAnswer(MessageBox::Ok); // the summary
        Trigger(ID_SATELLITE_IMPORT_SATCODX);
    }

    // A reference file with the sample's channel order reversed, then Tools Apply Order from File.
    void ApplyReversedOrder() {
        NetworkDatabase reference;
        BuildSample(reference);
        reference.ReorderPrograms({7, 6, 5, 4, 3, 2, 1, 0});
        const std::string path = dir.StdPath("reference.NDF");
        ASSERT_EQ(reference.Save(path), NDF_OK);
        FileDialog::SetNextPath(QString::fromStdString(path));
        RunModal(ID_TOOLS_APPLY_ORDER, [](QWidget* modal) { guitest::Find<QPushButton>(modal, "okButton")->click(); });
    }

    void RunModal(int id, const std::function<void(QWidget*)>& interact) {
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(id); }, interact));
    }
};

const std::vector<StepCase>& EveryStepTest::Cases() {
    static const std::vector<StepCase> cases = {
        {"Edit Satellite", [](EveryStepTest& s) { s.Select(s.NetworkItem(1)); },
         [](EveryStepTest& s) {
             s.Type("networkName", QStringLiteral("Renamed"));
             s.ClickOk("networkPane");
         }},
        {"Edit Transponder", [](EveryStepTest& s) { s.Select(s.TransponderItem(1)); },
         [](EveryStepTest& s) {
             s.Type("frequency", QStringLiteral("11111"));
             s.ClickOk("transponderPane");
         }},
        {"Edit Program", [](EveryStepTest& s) { s.Select(s.ProgramItem(0)); },
         [](EveryStepTest& s) {
             s.Type("programName", QStringLiteral("Radio now"));
             guitest::Find<QRadioButton>(s.bar, "radio")->click(); // moves its favorite entry too
             s.ClickOk("programPane");
         }},
        {"Add Transponder", [](EveryStepTest& s) { s.Select(s.TransponderItem(1)); },
         [](EveryStepTest& s) { s.Trigger(ID_TRANSPONDER_ADD); }},
        {"Delete Transponder", [](EveryStepTest& s) { s.Select(s.ProgramItem(1)); },
         [](EveryStepTest& s) { s.Trigger(ID_TRANSPONDER_DELETE); }},
        {"Delete All Transponders in Net", [](EveryStepTest& s) { s.Select(s.NetworkItem(0)); },
         [](EveryStepTest& s) { s.Trigger(ID_TRANSPONDER_DELETE_ALL_IN_NET); }},
        {"Add Program", [](EveryStepTest& s) { s.Select(s.ProgramItem(2)); },
         [](EveryStepTest& s) { s.Trigger(ID_PROGRAM_ADD); }},
        {"Delete Program", [](EveryStepTest& s) { s.Select(s.ProgramItem(0)); },
         [](EveryStepTest& s) { s.Trigger(ID_PROGRAM_DELETE); }},
        {"Delete All Programs in Transponder", [](EveryStepTest& s) { s.Select(s.TransponderItem(1)); },
         [](EveryStepTest& s) { s.Trigger(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER); }},
        {"Delete All Programs in Net", [](EveryStepTest& s) { s.Select(s.ProgramItem(3)); },
         [](EveryStepTest& s) { s.Trigger(ID_PROGRAM_DELETE_ALL_IN_NET); }},
        {"Sort by Degree", [](EveryStepTest& s) { s.Select(s.TransponderItem(2)); },
         [](EveryStepTest& s) { s.Trigger(ID_SATELLITE_SORT_BY_DEGREE); }},
        {"Import SATCODX", [](EveryStepTest& s) { s.Select(s.NetworkItem(1)); },
         [](EveryStepTest& s) { s.ImportListing(); }},
        {"Channel List", [](EveryStepTest& s) { s.Select(s.ProgramItem(2)); },
         [](EveryStepTest& s) {
             s.RunModal(ID_VIEW_CHANNEL_LIST, [](QWidget* modal) {
                 auto* header = modal->findChild<QHeaderView*>();
                 emit header->sectionClicked(1); // by name, after "No."
                 emit header->sectionClicked(1); // descending
                 guitest::Find<QPushButton>(modal, "okButton")->click();
             });
         }},
        {"Apply Order from File", [](EveryStepTest& s) { s.Select(s.ProgramItem(5)); },
         [](EveryStepTest& s) { s.ApplyReversedOrder(); }},
        {"Modification Date", [](EveryStepTest& s) { s.Select(s.NetworkItem(0)); },
         [](EveryStepTest& s) {
             s.RunModal(ID_FILE_MODIFICATION_DATE, [](QWidget* modal) {
                 guitest::Find<QRadioButton>(modal, "versionRadio")->click();
                 guitest::Find<QLineEdit>(modal, "versionEdit")->setText("C017");
                 guitest::Find<QPushButton>(modal, "okButton")->click();
             });
         }},
    };
    return cases;
}

TEST_P(EveryStepTest, UndoGivesTheBytesBeforeTheStepAndRedoThoseAfterIt) {
    const StepCase& step = Cases()[GetParam()];
    OpenSample();
    step.select(*this);
    const void* selectedBefore = tree->RecordOf(tree->SelectedItem());
    const std::vector<uint8_t> before = Image();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(frame->Action(ID_EDIT_UNDO)->isEnabled());

    step.run(*this);
    MessageBox::TakeShown();
    // The tree followed the step, its undo and its redo item by item: it shows what a fresh build
    // of the database would.
    EXPECT_EQ(TreeText(), FreshTreeText());
    const std::vector<uint8_t> after = Image();
    ASSERT_NE(before, after);
    EXPECT_TRUE(view->IsModified());
    frame->UpdateCommandStates();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(),
              QStringLiteral("&Undo %1\tCtrl+Z").arg(QString::fromLatin1(step.name)));

    for (int round = 0; round < 2; ++round) {
        Trigger(ID_EDIT_UNDO);
        EXPECT_EQ(TreeText(), FreshTreeText());
        EXPECT_EQ(Image(), before);
        EXPECT_FALSE(view->IsModified());
        EXPECT_FALSE(frame->windowTitle().contains(QStringLiteral("(Modified)")));
        EXPECT_EQ(tree->RecordOf(tree->SelectedItem()), selectedBefore);
        EXPECT_EQ(view->CurrentItem(), tree->SelectedItem());
        EXPECT_EQ(frame->Action(ID_EDIT_REDO)->text(),
                  QStringLiteral("&Redo %1\tCtrl+Y").arg(QString::fromLatin1(step.name)));
        Trigger(ID_EDIT_REDO);
        EXPECT_EQ(TreeText(), FreshTreeText());
        EXPECT_EQ(Image(), after);
        EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("(Modified)")));
        EXPECT_NE(view->Pane(), PANE_EMPTY);
    }
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryStep, EveryStepTest, ::testing::Range<size_t>(0, EveryStepTest::Cases().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             QString name = QString::fromLatin1(EveryStepTest::Cases()[info.param].name);
                             return name.remove(QLatin1Char(' ')).toStdString();
                         });

TEST_F(UndoTest, TheModifiedFlagFollowsTheHistoryToTheSavedStep) {
    OpenSample();
    Select(ProgramItem(0));
    Trigger(ID_PROGRAM_DELETE);
    Trigger(ID_FILE_SAVE); // saved after the first delete
    Trigger(ID_PROGRAM_DELETE);
    EXPECT_TRUE(view->IsModified());
    Trigger(ID_EDIT_UNDO);
    EXPECT_FALSE(view->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.NDF - Orlanic Editor Kestrel Series"));
    Trigger(ID_EDIT_UNDO);
    EXPECT_TRUE(view->IsModified());
    // Back at the saved step nothing asks to be saved.
    Trigger(ID_EDIT_REDO);
    Trigger(ID_FILE_CLOSE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(frame->Action(ID_EDIT_UNDO)->isEnabled()); // a closed file starts a new history
}

TEST_F(UndoTest, UndoOfADeleteSelectsTheRecordAgainAndRedoTheOneSelectedAfterIt) {
    OpenSample();
    Select(TransponderItem(0));
    Program* firstProgram = db().programs()[0].get();
    Transponder* deleted = db().transponders()[0].get();
    Trigger(ID_TRANSPONDER_DELETE);
    const void* afterDelete = tree->RecordOf(tree->SelectedItem());
    ASSERT_NE(afterDelete, nullptr);
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(db().transponders()[0].get(), deleted); // the same records come back
    EXPECT_EQ(db().programs()[0].get(), firstProgram);
    EXPECT_EQ(tree->SelectedItem(), deleted->treeItem);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    Trigger(ID_EDIT_REDO);
    EXPECT_EQ(tree->RecordOf(tree->SelectedItem()), afterDelete);
}

TEST_F(UndoTest, PendingFormEditsAreTakenBackFirstAndRedoPutsThemBack) {
    OpenSample();
    Select(ProgramItem(0));
    Trigger(ID_PROGRAM_ADD);
    Type("programName", QStringLiteral("Typed, not applied"));
    frame->UpdateCommandStates();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Edit Program\tCtrl+Z"));
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(Field("programName")->text(), QString()); // the stored record, the add still done
    EXPECT_EQ(db().programs().size(), 9u);
    frame->UpdateCommandStates();
    EXPECT_EQ(frame->Action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo Edit Program\tCtrl+Y"));
    Trigger(ID_EDIT_REDO);
    EXPECT_EQ(Field("programName")->text(), QStringLiteral("Typed, not applied"));
    EXPECT_EQ(db().programs()[0]->name, ""); // still unapplied
    Trigger(ID_EDIT_UNDO);                   // the edits again
    Trigger(ID_EDIT_UNDO);                   // then the add
    EXPECT_EQ(db().programs().size(), 8u);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UndoTest, AHundredProgramEditsStayUndoable) {
    OpenSample();
    Select(ProgramItem(0));
    const std::vector<uint8_t> before = Image();
    for (int i = 0; i < 100; ++i) {
        Type("programName", QStringLiteral("Name %1").arg(i));
        ClickOk("programPane");
    }
    EXPECT_EQ(view->History().StepCount(), 100u);
    EXPECT_LT(view->History().Bytes(), 100u * 1024);
    for (int i = 0; i < 100; ++i)
        Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(frame->Action(ID_EDIT_UNDO)->isEnabled());
}

} // namespace

namespace {

TEST_F(UndoTest, TypingInAFormEnablesUndoAndEndsTheWayForward) {
    OpenSample();
    Select(ProgramItem(0));
    Trigger(ID_PROGRAM_DELETE);
    Trigger(ID_EDIT_UNDO);
    ASSERT_TRUE(frame->Action(ID_EDIT_REDO)->isEnabled());
    Select(ProgramItem(1));
    EXPECT_FALSE(frame->Action(ID_EDIT_UNDO)->isEnabled() && view->History().CanUndo());
    QLineEdit* name = Field("programName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("x")); // a real edit, announced by the pane
    EXPECT_TRUE(frame->Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Edit Program\tCtrl+Z"));
    EXPECT_FALSE(frame->Action(ID_EDIT_REDO)->isEnabled());
    EXPECT_EQ(frame->Action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo"));
}

TEST_F(UndoTest, CtrlZInATextBoxUndoesTheTyping) {
    OpenSample();
    Select(ProgramItem(0));
    Trigger(ID_PROGRAM_ADD); // a step the window's Undo would take
    frame->activateWindow();
    QLineEdit* name = Field("programName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("ab"));
    QTest::keyClick(frame->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(name->text(), QStringLiteral("ab")); // the box took the key
    EXPECT_EQ(db().programs().size(), 9u);         // the step is still done
}

} // namespace
