// Find and filter in the tree, commands on several selected records, and the programs' marks: through
// the real actions, keys and clicks of the main window.
#include "EditorTestSupport.h"

#include "shell/FindBar.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace editortest;

namespace {

// Three satellites with four transponders each and twenty programs per transponder: names as users
// have them (case variants, " HD" twins, one name inside another), service IDs from 1000 on.
void BuildChannels(NetworkDatabase& db) {
    db.NewDefault();
    db.formatFlags = 0;
    const char* satellites[] = {"Astra 19.2E", "Hotbird 13.0E", "Astra 28.2E"};
    const char* names[] = {"Das Erste HD",    "ZDF",     "zdf hd", "ZDFneo", "Nova Music 2",
                           "Nova Music 2 92", "BBC One", "Arte HD"};
    int number = 0;
    for (uint8_t n = 0; n < 3; ++n) {
        Network network = *db.networks()[n];
        network.name = satellites[n];
        db.SetNetwork(n, network);
        for (int t = 0; t < 4; ++t) {
            Transponder* tp = db.AddTransponder(n, NO_INDEX);
            tp->frequency = static_cast<uint16_t>(10700 + 1000 * n + 20 * t);
            tp->symbolRate = 27500;
            const uint16_t tpIndex = db.IndexOfTransponder(tp);
            for (int p = 0; p < 20; ++p, ++number) {
                Program* program = db.AddProgram(tpIndex, NO_INDEX);
                program->name = p < 8 ? names[(p + n + t) % 8] : "Channel " + std::to_string(number);
                program->serviceId = static_cast<uint16_t>(1000 + number);
                if (number % 7 == 0)
                    program->attributes |= PA_SCRAMBLED;
                if (number % 11 == 0)
                    program->attributes |= PA_RADIO;
            }
        }
    }
    db.keepStamp = true;
}

class FindSelectTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        samplePath = dir.StdPath("channels.NDF");
        NetworkDatabase source;
        BuildChannels(source);
        ASSERT_EQ(source.Save(samplePath), NDF_OK);
        OpenThroughMenu(QString::fromStdString(samplePath));
        ASSERT_EQ(view->Pane(), PANE_NETWORK);
    }

    FindBar* Finder() { return view->Finder(); }
    QLineEdit* FindText() { return guitest::Find<QLineEdit>(Finder(), "findText"); }
    QString Position() { return guitest::Find<QLabel>(Finder(), "findPosition")->text(); }
    void Find(const QString& text) {
        Trigger(ID_EDIT_FIND);
        FindText()->setText(text);
    }
    void Enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(FindText(), Qt::Key_Return, modifiers);
    }
    // The window's F3 or Shift+F3.
    void FindKey(const char* key) {
        for (QAction* action : view->actions()) {
            if (action->shortcut() == QKeySequence(QString::fromLatin1(key)))
                return action->trigger();
        }
        FAIL() << "no action for " << key;
    }
    QString Selected() { return tree->LabelOf(tree->SelectedItem()); }
    TreeItemHandle Child(TreeItemHandle parent, int row) { return tree->ChildAt(parent, row); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(tree, static_cast<Qt::Key>(key), modifiers);
    }
    std::vector<uint8_t> Attributes() {
        std::vector<uint8_t> all;
        for (const auto& program : db().programs())
            all.push_back(program->attributes);
        return all;
    }
    int CountWith(uint8_t mark) {
        int count = 0;
        for (const auto& program : db().programs())
            count += (program->attributes & mark) != 0;
        return count;
    }
};

TEST_F(FindSelectTest, FindCountsMatchesAndStepsThroughThemInTreeOrder) {
    struct Case {
        const char* text;
        const char* position; // at the first satellite
        int count;
        const char* next;     // the label of the match Enter finds from there
        const char* previous; // and of the one Shift+F3 finds
    };
    const Case cases[] = {
        {"zdf", "0 of 36", 36, "ZDF", "ZDFneo"},                     // anywhere in the name, any case
        {"ZDF HD", "0 of 12", 12, "zdf hd", "zdf hd"},               // the whole text, spaces and all
        {"music 2", "0 of 24", 24, "Nova Music 2", "Nova Music 2"},  // a name inside a longer one
        {"1005", "0 of 1", 1, "Nova Music 2 92", "Nova Music 2 92"}, // a service ID
        {"11740", "0 of 1", 1, "11.740 (V)", "11.740 (V)"},          // a frequency in MHz
        {"12.76", "0 of 1", 1, "12.760 (V)", "12.760 (V)"},          // and in GHz
        {"astra", "1 of 2", 2, "Astra 28.2E", "Astra 28.2E"},        // satellites too
        {"nothing like it", "No matches", 0, "Astra 19.2E", "Astra 19.2E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Select(NetworkItem(0));
        Find(QString::fromLatin1(c.text));
        EXPECT_TRUE(Finder()->isVisible());
        EXPECT_EQ(Position(), QString::fromLatin1(c.position));
        Enter();
        EXPECT_EQ(Selected(), QString::fromLatin1(c.next));
        if (c.count) {
            EXPECT_TRUE(tree->LevelOf(tree->SelectedItem()) == LEVEL_NETWORK ||
                        tree->isExpanded(tree->IndexOf(tree->ParentOf(tree->SelectedItem()))));
            EXPECT_EQ(Position().section(QLatin1Char(' '), 1), QStringLiteral("of %1").arg(c.count));
        }
        Select(NetworkItem(0));
        FindKey("Shift+F3");
        EXPECT_EQ(Selected(), QString::fromLatin1(c.previous));
    }
    // Next and previous go round: the count says where the selection stands.
    Find(QStringLiteral("1005"));
    FindKey("F3");
    EXPECT_EQ(Position(), QStringLiteral("1 of 1"));
    Select(NetworkItem(0));
    Find(QStringLiteral("zdf hd"));
    Enter();
    EXPECT_EQ(Position(), QStringLiteral("1 of 12"));
    Enter(Qt::ShiftModifier);
    EXPECT_EQ(Position(), QStringLiteral("12 of 12"));
    FindKey("F3");
    EXPECT_EQ(Position(), QStringLiteral("1 of 12"));
    QTest::keyClick(FindText(), Qt::Key_Escape);
    EXPECT_FALSE(Finder()->isVisible());
}

TEST_F(FindSelectTest, FilterShowsOnlyMatchesWithTheirParentsAndKeepsTheShownRecord) {
    const TreeItemHandle satellite = NetworkItem(1);
    const TreeItemHandle transponder = Child(satellite, 2);
    const TreeItemHandle plain = Child(transponder, 10); // "Channel ..."
    Select(plain);
    Type("programName", QStringLiteral("Typed, not applied"));
    Find(QStringLiteral("nova music 2 92"));
    guitest::Find<QToolButton>(Finder(), "findFilter")->click();
    int shownPrograms = 0;
    for (const auto& program : db().programs()) {
        if (!tree->IsShown(program->treeItem))
            continue;
        ++shownPrograms;
        EXPECT_TRUE(program->name == "Nova Music 2 92" || program.get() == tree->ProgramOf(plain)) << program->name;
        EXPECT_TRUE(tree->isExpanded(tree->IndexOf(tree->ParentOf(program->treeItem))));
    }
    EXPECT_EQ(shownPrograms, 12 + 1);
    EXPECT_TRUE(tree->IsShown(transponder));
    // The record shown stays in view, with its typed edits, until the user moves on.
    EXPECT_EQ(tree->SelectedItem(), plain);
    EXPECT_EQ(Field("programName")->text(), QStringLiteral("Typed, not applied"));
    MessageBox::SetNextAnswer(MessageBox::No);
    Enter();
    EXPECT_EQ(Selected(), QStringLiteral("Nova Music 2 92"));
    // The tree follows changes while filtered: a program added shows.
    Trigger(ID_PROGRAM_ADD);
    EXPECT_TRUE(tree->IsShown(tree->SelectedItem()));
    EXPECT_EQ(Selected(), QStringLiteral("(No name)"));
    // A number filters by service ID and frequency: a transponder shows with all its programs.
    FindText()->setText(QStringLiteral("10740"));
    EXPECT_TRUE(tree->IsShown(Child(Child(NetworkItem(0), 2), 19)));
    EXPECT_FALSE(tree->IsShown(Child(NetworkItem(0), 1)));
    EXPECT_FALSE(tree->IsShown(NetworkItem(2)));
    // Filter off: every item shows again, opened as before.
    QTest::keyClick(FindText(), Qt::Key_Escape);
    for (const auto& program : db().programs())
        EXPECT_TRUE(tree->IsShown(program->treeItem));
    EXPECT_FALSE(tree->isExpanded(tree->IndexOf(NetworkItem(2))));
    EXPECT_TRUE(tree->isExpanded(tree->IndexOf(tree->ParentOf(tree->SelectedItem()))));
}

TEST_F(FindSelectTest, LockSkipAndDeleteActOnEverySelectedProgramAsOneStep) {
    const TreeItemHandle transponder = Child(NetworkItem(0), 1);
    Select(Child(transponder, 2));
    tree->setFocus();
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier); // the run shrinks again
    EXPECT_EQ(tree->SelectionCount(), 2);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(tree->SelectionCount(), 3);
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Program (3 selected)"));
    EXPECT_EQ(tree->SelectedItem(), Child(transponder, 4));
    EXPECT_EQ(view->Pane(), PANE_PROGRAM);

    const auto before = Attributes();
    struct Case {
        int command;
        uint8_t mark;
    };
    for (const Case c : {Case{ID_PROGRAM_LOCK, PA_LOCK}, Case{ID_PROGRAM_SKIP, PA_SKIP}}) {
        EXPECT_FALSE(frame->Action(c.command)->isChecked());
        Trigger(c.command);
        EXPECT_EQ(CountWith(c.mark), 3);
        for (int row = 2; row <= 4; ++row)
            EXPECT_TRUE(tree->ProgramOf(Child(transponder, row))->attributes & c.mark);
        frame->UpdateCommandStates();
        EXPECT_TRUE(frame->Action(c.command)->isChecked());
        EXPECT_EQ(tree->SelectionCount(), 3);
        EXPECT_TRUE(guitest::Find<QAbstractButton>(bar, c.mark == PA_LOCK ? "lock" : "skip")->isChecked());
    }
    // All three have it: the command clears it; each command is one step.
    Trigger(ID_PROGRAM_LOCK);
    EXPECT_EQ(CountWith(PA_LOCK), 0);
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(CountWith(PA_LOCK), 3);
    Trigger(ID_EDIT_UNDO);
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(Attributes(), before);

    // Ctrl+A takes every program of the transponder; Delete Selected asks first.
    Select(Child(transponder, 0));
    tree->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(tree->SelectionCount(), 20);
    const size_t programs = db().programs().size();
    MessageBox::SetNextAnswer(MessageBox::No);
    Trigger(ID_PROGRAM_DELETE);
    EXPECT_EQ(Boxes().back().text, QStringLiteral("Delete 20 programs?"));
    EXPECT_EQ(db().programs().size(), programs);
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(db().programs().size(), programs - 20);
    EXPECT_EQ(tree->ChildCount(transponder), 0);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(db().programs().size(), programs);
    EXPECT_EQ(tree->ChildCount(transponder), 20);
    Boxes();

    // Ctrl+click adds a program of another transponder and takes one out again; a click on
    // another level starts afresh.
    Select(Child(transponder, 0));
    const TreeItemHandle other = Child(Child(NetworkItem(0), 2), 5);
    tree->expand(tree->IndexOf(tree->ParentOf(other)));
    auto click = [&](TreeItemHandle item, Qt::KeyboardModifiers modifiers) {
        tree->scrollTo(tree->IndexOf(item));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, tree->visualRect(tree->IndexOf(item)).center());
    };
    click(other, Qt::ControlModifier);
    EXPECT_EQ(tree->SelectionCount(), 2);
    EXPECT_EQ(tree->SelectedItem(), other);
    click(Child(transponder, 0), Qt::ControlModifier);
    EXPECT_EQ(tree->SelectionCount(), 1);
    click(Child(NetworkItem(0), 3), Qt::ControlModifier);
    EXPECT_EQ(tree->SelectionCount(), 1);
    EXPECT_EQ(view->Pane(), PANE_TRANSPONDER);
    // Two transponders go together, with their programs.
    tree->collapse(tree->IndexOf(tree->ParentOf(other)));
    tree->setFocus();
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(tree->SelectionCount(), 2);
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Transponder (2 selected)"));
    const size_t transponders = db().transponders().size();
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Trigger(ID_TRANSPONDER_DELETE);
    EXPECT_EQ(Boxes().back().text, QStringLiteral("Delete 2 transponders with their programs?"));
    EXPECT_EQ(db().transponders().size(), transponders - 2);
    EXPECT_EQ(db().programs().size(), programs - 40);
}

TEST_F(FindSelectTest, TheTreeShowsEachProgramsMarksAndFollowsTheirChanges) {
    auto marks = [&](const Program& program) {
        const QModelIndex index = tree->IndexOf(program.treeItem);
        return std::make_pair(!index.data(Qt::DecorationRole).value<QIcon>().isNull(),
                              index.data(Qt::ToolTipRole).toString());
    };
    const Program& both = *db().programs()[77]; // scrambled and radio
    const Program& plain = *db().programs()[1];
    EXPECT_EQ(marks(both), std::make_pair(true, QStringLiteral("Scrambled, Radio")));
    EXPECT_EQ(marks(plain), std::make_pair(false, QString()));
    EXPECT_TRUE(tree->IndexOf(NetworkItem(0)).data(Qt::DecorationRole).isNull());
    // Through the form's check box, one program.
    Select(plain.treeItem);
    guitest::Find<QAbstractButton>(bar, "skip")->click();
    view->OnFormOk();
    EXPECT_EQ(marks(plain), std::make_pair(true, QStringLiteral("Skipped")));
    // Through the command on several, undone and redone.
    tree->setFocus();
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Trigger(ID_PROGRAM_LOCK);
    EXPECT_EQ(marks(plain).second, QStringLiteral("Locked, Skipped"));
    EXPECT_EQ(marks(*db().programs()[2]).second, QStringLiteral("Locked"));
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(marks(plain).second, QStringLiteral("Skipped"));
    EXPECT_EQ(marks(*db().programs()[2]), std::make_pair(false, QString()));
    Trigger(ID_EDIT_REDO);
    EXPECT_EQ(marks(*db().programs()[2]).second, QStringLiteral("Locked"));
}

} // namespace
