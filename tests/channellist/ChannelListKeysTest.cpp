// The Channel List dialog for work on many rows, through real keys and mouse events: the block
// moves in each kind of list, a drag of several rows, favorites and deletion for a selection (with
// the saved file checked), Ctrl+Return, the search for a name that holds the text, and Lock, Skip
// and renaming in place.
#include "tests/channellist/ChannelListTestSupport.h"

#include "ui/MessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

using namespace cltest;
using guitest::Find;
using Names = std::vector<std::string>;
using Rows = std::vector<int>;

namespace {

class ChannelListKeysTest : public ChannelListTest {
public:
    void SetUp() override {
        ChannelListTest::SetUp();
        data.db.favoriteGroups()[0]->tvList = {6, 3, 0, 2, 4}; // News: Cnn, BBC, Das Erste, arte, zdf
    }
    QWidget* Viewport() const { return View(*dialog)->viewport(); }
    void Click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Viewport(), Qt::LeftButton, modifiers, RowCenter(*dialog, row));
    }
    // The first row by a click, the others by Ctrl+click.
    void SelectBlock(const Rows& rows) {
        for (size_t k = 0; k < rows.size(); ++k)
            Click(rows[k], k == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    Rows Selected() const { return View(*dialog)->ActedRows(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        View(*dialog)->setFocus();
        QTest::keyClick(View(*dialog), static_cast<Qt::Key>(key), modifiers);
    }
    // Ctrl+G, with the number typed into the small dialog.
    void MoveToNumber(int number) {
        ASSERT_TRUE(guitest::RunModal([&] { Key(Qt::Key_G); },
                                      [&](QWidget* ask) {
                                          EXPECT_EQ(ask->windowTitle(), QStringLiteral("Move to Position"));
                                          auto* spin = Find<QSpinBox>(ask, "positionSpin");
                                          EXPECT_EQ(spin->maximum(), dialog->RowCount());
                                          spin->setValue(number);
                                          Find<QPushButton>(ask, "okButton")->click();
                                      }));
        // The dialog is the active window again, as it is on a desktop.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    std::vector<MessageBox::Shown> Boxes() { return MessageBox::TakeShown(); }
};

TEST_F(ChannelListKeysTest, EachMoveCommandMovesTheBlockInEachKindOfList) {
    const struct {
        const char* list;
        Rows block;
        int key; // Qt::Key_G: to a number
        int number;
        Names rows;
        Rows selected;
        Names saved; // the programs table after OK, when checked
    } cases[] = {
        {"All Satellites", {2, 3}, Qt::Key_Up, 0, {"Das Erste", "BBC", "zdf", "arte", "Cnn"}, {1, 2}, {}},
        {"All Satellites", {1, 2}, Qt::Key_Down, 0, {"Das Erste", "zdf", "arte", "BBC", "Cnn"}, {2, 3}, {}},
        {"All Satellites", {2, 4}, Qt::Key_Home, 0, {"BBC", "Cnn", "Das Erste", "arte", "zdf"}, {0, 1}, {}},
        {"All Satellites", {0, 2}, Qt::Key_End, 0, {"arte", "zdf", "Cnn", "Das Erste", "BBC"}, {3, 4}, {}},
        {"All Satellites",
         {3, 4},
         Qt::Key_G,
         2,
         {"Das Erste", "zdf", "Cnn", "arte", "BBC"},
         {1, 2},
         {"Das Erste", "Radio Eins", "zdf", "Cnn", "arte", "Klassik", "BBC"}},
        {"Astra", {1}, Qt::Key_Up, 0, {"arte", "Das Erste", "zdf"}, {0}, {}},
        {"Astra", {0}, Qt::Key_Down, 0, {"arte", "Das Erste", "zdf"}, {1}, {}},
        {"Astra", {2}, Qt::Key_Home, 0, {"zdf", "Das Erste", "arte"}, {0}, {}},
        {"Astra", {0, 1}, Qt::Key_End, 0, {"zdf", "Das Erste", "arte"}, {1, 2}, {}},
        {"Astra",
         {1, 2},
         Qt::Key_G,
         1,
         {"arte", "zdf", "Das Erste"},
         {0, 1},
         {"arte", "Radio Eins", "zdf", "BBC", "Das Erste", "Klassik", "Cnn"}},
        {"News", {1, 3}, Qt::Key_Up, 0, {"BBC", "arte", "Cnn", "Das Erste", "zdf"}, {0, 1}, {}},
        {"News", {0, 1}, Qt::Key_Down, 0, {"Das Erste", "Cnn", "BBC", "arte", "zdf"}, {1, 2}, {}},
        {"News", {4}, Qt::Key_Home, 0, {"zdf", "Cnn", "BBC", "Das Erste", "arte"}, {0}, {}},
        {"News", {0}, Qt::Key_End, 0, {"BBC", "Das Erste", "arte", "zdf", "Cnn"}, {4}, {}},
        {"News",
         {0, 4},
         Qt::Key_G,
         3,
         {"BBC", "Das Erste", "Cnn", "zdf", "arte"},
         {2, 3},
         {"Das Erste", "Radio Eins", "arte", "BBC", "zdf", "Klassik", "Cnn"}},
    };
    for (const auto& c : cases) {
        const std::string what =
            std::string(c.list) + " " + ::testing::PrintToString(c.block) + " key " + std::to_string(c.key);
        TestDatabase local;
        FillSample(local);
        local.db.favoriteGroups()[0]->tvList = {6, 3, 0, 2, 4};
        ChannelListDialog& d = Open(local.db);
        SelectGroup(d, c.list);
        const Names before = RowNames(d);
        SelectBlock(c.block);
        if (c.key == Qt::Key_G)
            MoveToNumber(c.number);
        else
            Key(c.key);
        EXPECT_EQ(RowNames(d), c.rows) << what;
        EXPECT_EQ(Selected(), c.selected) << what;
        EXPECT_EQ(d.changeFlags(), d.groupKind() == GROUP_FAVORITE ? CHANGED_FAVORITES : CHANGED_ORDER) << what;
        Key(Qt::Key_Z);
        EXPECT_EQ(RowNames(d), before) << what;
        EXPECT_EQ(Selected(), c.block) << what;
        Key(Qt::Key_Y);
        EXPECT_EQ(RowNames(d), c.rows) << what;
        ClickOk();
        if (!c.saved.empty()) {
            EXPECT_EQ(local.ProgramNames(), c.saved) << what;
        }
        if (d.groupKind() == GROUP_FAVORITE) {
            EXPECT_EQ(local.ListNames(local.db.favoriteGroups()[0]->tvList), c.rows) << what;
        }
        dialog.reset();
    }
}

TEST_F(ChannelListKeysTest, TheMenuMovesTheSelectionAndOffersOnlyWhatWouldChangeIt) {
    ChannelListDialog& d = Open();
    SelectBlock({0, 1});
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(1);
    const auto entry = [&menu](const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); };
    EXPECT_FALSE(entry("moveUpAction")->isEnabled());
    EXPECT_FALSE(entry("moveToTopAction")->isEnabled());
    EXPECT_TRUE(entry("moveDownAction")->isEnabled());
    EXPECT_EQ(entry("moveToBottomAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_End));
    entry("moveToBottomAction")->trigger();
    EXPECT_EQ(RowNames(d), (Names{"BBC", "zdf", "Cnn", "Das Erste", "arte"}));
    EXPECT_EQ(Selected(), (Rows{3, 4}));
    // A right click outside the selection acts on its own row.
    menu = d.BuildContextMenu(0);
    entry("moveDownAction")->trigger();
    EXPECT_EQ(RowNames(d), (Names{"zdf", "BBC", "Cnn", "Das Erste", "arte"}));
    EXPECT_EQ(Selected(), (Rows{1}));
}

TEST_F(ChannelListKeysTest, ADragOfSeveralRowsMovesThemAsABlockThatStaysSelected) {
    ChannelListDialog& d = Open();
    SelectBlock({1, 3}); // arte, zdf
    ChannelListView* view = View(d);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, RowCenter(d, 1));
    QTest::mouseMove(Viewport(), RowCenter(d, 2));
    ASSERT_TRUE(view->IsDragging());
    EXPECT_EQ(view->draggedRows(), (Rows{1, 3}));
    QTest::mouseMove(Viewport(), RowCenter(d, 3));
    EXPECT_EQ(view->dropIndicatorRow(), -1); // one of the dragged rows
    QTest::mouseMove(Viewport(), RowCenter(d, 4));
    EXPECT_EQ(view->dropIndicatorRow(), 4);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, RowCenter(d, 4));
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "BBC", "Cnn", "arte", "zdf"}));
    EXPECT_EQ(Selected(), (Rows{3, 4}));

    // Upwards, in a favorite group: the block goes before the target.
    SelectGroup(d, "News");
    SelectBlock({3, 4});
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, RowCenter(d, 4));
    QTest::mouseMove(Viewport(), RowCenter(d, 1));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, RowCenter(d, 1));
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "arte", "zdf", "BBC", "Das Erste"}));
    EXPECT_EQ(Selected(), (Rows{1, 2}));
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES);
    Key(Qt::Key_Z);
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "BBC", "Das Erste", "arte", "zdf"}));
    Key(Qt::Key_Z);
    EXPECT_EQ(Find<QComboBox>(&d, "groupList")->currentText(), QStringLiteral("All Satellites"));
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "BBC", "zdf", "Cnn"}));
    EXPECT_EQ(Selected(), (Rows{1, 3}));
}

TEST_F(ChannelListKeysTest, FavoritesActOnTheWholeSelection) {
    data.db.favoriteGroups()[0]->tvList = {6, 3};
    ChannelListDialog& d = Open();
    SelectBlock({0, 1, 2}); // Das Erste (third group), arte (none), BBC (News, third group)
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(1);
    const struct {
        int group;
        bool add, remove;
    } enabling[] = {{0, true, true}, {1, true, false}, {2, true, true}, {3, true, false}};
    for (const auto& e : enabling) {
        EXPECT_EQ(MenuAction(*menu, ID_ADD_TO_FAVORITE + e.group)->isEnabled(), e.add) << e.group;
        EXPECT_EQ(MenuAction(*menu, ID_REMOVE_FROM_FAVORITE + e.group)->isEnabled(), e.remove) << e.group;
    }
    MenuAction(*menu, ID_ADD_TO_FAVORITE + 0)->trigger();
    EXPECT_EQ(d.session().workingGroups()[0].tvList, (std::vector<uint16_t>{6, 3, 0, 2}));
    ChooseFromMenu(d, 1, ID_ADD_TO_FAVORITE + 1); // Movies: all three
    EXPECT_EQ(d.session().workingGroups()[1].tvList, (std::vector<uint16_t>{0, 2, 3}));
    ChooseFromMenu(d, 1, ID_REMOVE_FROM_FAVORITE + 2);
    EXPECT_FALSE(d.session().HasEntries(2));
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", "Movies", "Music"}));
    EXPECT_EQ(d.CellText(2, COLUMN_FAVORITE), QStringLiteral("News/Movies"));
    EXPECT_EQ(Selected(), (Rows{0, 1, 2}));
    Key(Qt::Key_Z);
    Key(Qt::Key_Z);
    EXPECT_EQ(d.CellText(2, COLUMN_FAVORITE), QStringLiteral("News/Fav3"));
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", "", "Music"}));
    // Outside the selection the menu serves its own row: Cnn is in "News".
    menu = d.BuildContextMenu(4);
    EXPECT_FALSE(MenuAction(*menu, ID_ADD_TO_FAVORITE + 0)->isEnabled());
}

TEST_F(ChannelListKeysTest, DeletingInAGroupTakesTheRowsOutOfItWithoutAsking) {
    ChannelListDialog& d = Open();
    SelectGroup(d, "News");
    SelectBlock({0, 2});
    Key(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(RowNames(d), (Names{"BBC", "arte", "zdf"}));
    EXPECT_EQ(Selected(), (Rows{0}));
    Key(Qt::Key_Z);
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "BBC", "Das Erste", "arte", "zdf"}));
    Key(Qt::Key_Y);
    ClickOk();
    EXPECT_EQ(data.ListNames(data.db.favoriteGroups()[0]->tvList), (Names{"BBC", "arte", "zdf"}));
    EXPECT_EQ(data.ProgramNames().size(), 7u);
}

TEST_F(ChannelListKeysTest, DeletingChannelsAsksAndTheSavedFileKeepsEveryReference) {
    data.db.favoriteGroups()[0]->tvList = {6, 3};
    ChannelListDialog& d = Open();
    Drag(d, 4, 0);       // Cnn first
    SelectBlock({1, 3}); // Das Erste, BBC
    MessageBox::SetNextAnswer(MessageBox::Yes);
    Key(Qt::Key_Delete, Qt::NoModifier);
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Delete 2 channels?"));
    EXPECT_EQ(boxes[0].icon, MessageBox::IconQuestion);
    EXPECT_EQ(boxes[0].buttons, MessageBox::ButtonsYesNo);
    EXPECT_EQ(RowNames(d), (Names{"Cnn", "arte", "zdf"}));
    EXPECT_EQ(Selected(), (Rows{1}));
    EXPECT_EQ(GroupEntries(d), (Names{"All Satellites", "Astra", "Hotbird", "RadioSat", "News", "Music"}));

    SelectGroup(d, "Astra"); // arte, zdf
    for (const MessageBox::Button answer : {MessageBox::No, MessageBox::Yes}) {
        MessageBox::SetNextAnswer(answer);
        d.BuildContextMenu(1)->findChild<QAction*>(QStringLiteral("deleteAction"))->trigger();
        boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Delete 1 channel?"));
    }
    EXPECT_EQ(RowNames(d), (Names{"arte"}));
    Key(Qt::Key_Z); // zdf comes back
    EXPECT_EQ(RowNames(d), (Names{"arte", "zdf"}));
    ClickOk();
    EXPECT_EQ(d.changeFlags(), CHANGED_ORDER | CHANGED_FAVORITES);

    guitest::TempDir folder;
    const std::string path = folder.StdPath("deleted.ndf");
    ASSERT_EQ(data.db.Save(path), NDF_OK);
    TestDatabase saved;
    std::vector<uint8_t> image;
    ASSERT_EQ(saved.db.Open(path, image), NDF_OK);
    ASSERT_EQ(saved.db.Parse(image), NDF_OK);
    EXPECT_EQ(saved.ProgramNames(), (Names{"Cnn", "Radio Eins", "arte", "Klassik", "zdf"}));
    std::vector<uint16_t> transponders;
    for (const auto& program : saved.db.programs())
        transponders.push_back(program->transponderIndex);
    EXPECT_EQ(transponders, (std::vector<uint16_t>{2, 0, 1, 3, 0}));
    EXPECT_EQ(saved.ListNames(saved.db.favoriteGroups()[0]->tvList), (Names{"Cnn"}));
    EXPECT_TRUE(saved.db.favoriteGroups()[2]->tvList.empty());
    EXPECT_EQ(saved.ListNames(saved.db.favoriteGroups()[3]->radioList), (Names{"Klassik"}));
}

TEST_F(ChannelListKeysTest, TheListHasTheKeysAtOnceAndCtrlReturnAccepts) {
    ChannelListDialog& d = Open();
    EXPECT_EQ(QApplication::focusWidget(), View(d));
    EXPECT_EQ(View(d)->currentIndex().row(), 0);
    EXPECT_TRUE(View(d)->selectionModel()->selectedRows().isEmpty());
    QTest::keyClick(View(d), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Rows{0, 1}));
    QTest::keyClick(View(d), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (Rows{0, 1, 2, 3, 4}));
    const QPalette colors = View(d)->palette();
    EXPECT_EQ(colors.color(QPalette::Inactive, QPalette::Highlight),
              colors.color(QPalette::Active, QPalette::Highlight));

    Find<QLineEdit>(&d, "searchEdit")->setFocus();
    QTest::keyClick(Find<QLineEdit>(&d, "searchEdit"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(Find<QPushButton>(&d, "okButton")->isDefault());
}

TEST_F(ChannelListKeysTest, SearchFindsANameThatHoldsTheTextWhenNoneBeginsWithIt) {
    ChannelListDialog& d = Open();
    auto* edit = Find<QLineEdit>(&d, "searchEdit");
    const struct {
        const char* text;
        int row;
    } cases[] = {{"erst", 0}, {"RT", 1}, {"c", 4}, {"d", 0}, {"df", 3}};
    for (const auto& c : cases) {
        edit->setText(QString::fromLatin1(c.text));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(Selected(), (Rows{c.row})) << c.text;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ChannelListKeysTest, ShiftSelectsFromTheRowASearchFoundNotFromAnEarlierClick) {
    ChannelListDialog& d = Open(); // Das Erste, arte, BBC, zdf, Cnn
    Click(4);
    auto* edit = Find<QLineEdit>(&d, "searchEdit");
    edit->setText(QStringLiteral("arte"));
    QTest::keyClick(edit, Qt::Key_Return);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Rows{1, 2}));
    Click(3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Rows{1, 2, 3}));
    EXPECT_EQ(CountText(), QStringLiteral("3 of 5 selected"));
    Click(0);
    EXPECT_EQ(CountText(), QStringLiteral("5 channels"));
}

TEST_F(ChannelListKeysTest, AltMovesTheCursorAndSpacePicksScatteredRows) {
    Open();
    Click(0);
    Key(Qt::Key_Down, Qt::AltModifier);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Selected(), (Rows{0}));
    Key(Qt::Key_Space, Qt::NoModifier);
    Key(Qt::Key_End, Qt::AltModifier);
    Key(Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(Selected(), (Rows{0, 2, 4}));
    Key(Qt::Key_Space, Qt::NoModifier); // takes the row out again
    EXPECT_EQ(Selected(), (Rows{0, 2}));
    EXPECT_EQ(CountText(), QStringLiteral("2 of 5 selected"));
}

// The marks of the rows, "L" for Lock and "S" for Skip, as the check boxes of the list show them.
std::vector<std::string> Marks(const ChannelListDialog& d) {
    std::vector<std::string> marks;
    const QAbstractItemModel* model = View(d)->model();
    for (int row = 0; row < d.RowCount(); ++row) {
        std::string mark;
        if (model->index(row, ViewColumn(COLUMN_LOCK)).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            mark += 'L';
        if (model->index(row, ViewColumn(COLUMN_SKIP)).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            mark += 'S';
        marks.push_back(mark);
    }
    return marks;
}

TEST_F(ChannelListKeysTest, LockAndSkipMarkTheSelectionOrClearItWhenAllHaveIt) {
    data.db.programs()[4]->attributes |= PA_SKIP; // zdf
    ChannelListDialog& d = Open();                // Das Erste, arte, BBC, zdf, Cnn
    EXPECT_EQ(Marks(d), (Names{"", "", "", "S", ""}));
    SelectBlock({1, 3});
    Key(Qt::Key_L);
    EXPECT_EQ(Marks(d), (Names{"", "L", "", "LS", ""}));
    Key(Qt::Key_Space); // Ctrl+Space: all of them are locked, so the lock goes
    EXPECT_EQ(Marks(d), (Names{"", "", "", "S", ""}));
    Key(Qt::Key_K); // one is skipped already: both are
    EXPECT_EQ(Marks(d), (Names{"", "S", "", "S", ""}));
    EXPECT_EQ(Selected(), (Rows{1, 3}));
    // A click on a box of a row outside the selection marks that row alone; on a selected row, the
    // whole selection.
    const auto clickBox = [&](int row, int column) {
        const QRect box = View(d)->visualRect(View(d)->model()->index(row, ViewColumn(column)));
        QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(box.left() + 8, box.center().y()));
    };
    clickBox(0, COLUMN_LOCK);
    EXPECT_EQ(Marks(d), (Names{"L", "S", "", "S", ""}));
    EXPECT_EQ(Selected(), (Rows{0}));
    // The menu's entries are checked when every row has the mark.
    SelectBlock({1, 3});
    std::unique_ptr<QMenu> menu = d.BuildContextMenu(3);
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("lockAction"))->isChecked());
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("skipAction"))->isChecked());
    clickBox(3, COLUMN_SKIP);
    EXPECT_EQ(Marks(d), (Names{"L", "", "", "", ""}));
    EXPECT_EQ(Selected(), (Rows{1, 3}));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List (Modified)"));

    // Each toggle is one step of the dialog's history.
    for (const Names& marks : {Names{"L", "S", "", "S", ""}, Names{"", "S", "", "S", ""}}) {
        Key(Qt::Key_Z);
        EXPECT_EQ(Marks(d), marks);
    }
    Key(Qt::Key_Y);
    ClickOk();
    EXPECT_EQ(d.changeFlags(), CHANGED_PROGRAMS);
    std::vector<uint8_t> attributes;
    for (const auto& program : data.db.programs())
        attributes.push_back(program->attributes);
    EXPECT_EQ(attributes, (std::vector<uint8_t>{PA_LOCK, PA_RADIO, PA_SKIP, 0, PA_SKIP, PA_RADIO, 0}));
}

TEST_F(ChannelListKeysTest, F2RenamesInPlaceWithinTheLimitsOfAName) {
    ChannelListDialog& d = Open();
    // F2 opens the name box in the current row (a closed box may wait to be deleted).
    const auto rename = [&] {
        Key(Qt::Key_F2, Qt::NoModifier);
        for (QLineEdit* box : View(d)->findChildren<QLineEdit*>(QStringLiteral("nameEditor"))) {
            if (box->isVisible())
                return box;
        }
        return static_cast<QLineEdit*>(nullptr);
    };
    Click(1); // arte
    QLineEdit* editor = rename();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("arte"));
    // 255 bytes at most; a character beyond ISO-8859-1 cannot be typed.
    QTest::keyClicks(editor, QString(300, QLatin1Char('x')));
    EXPECT_EQ(editor->text(), QString(255, QLatin1Char('x')));
    editor->setText(QStringLiteral("Caf\u00e9 HD"));
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20ac"));
    QApplication::sendEvent(editor, &euro);
    EXPECT_EQ(editor->text(), QStringLiteral("Caf\u00e9 HD"));
    // Enter keeps the name and leaves the dialog open (Search is its default button).
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(RowNames(d)[1], "Caf\xC3\xA9 HD"); // the cell text, in UTF-8
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(Boxes().empty());
    // Escape drops what was typed and leaves the dialog open too.
    editor = rename();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("dropped"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(RowNames(d)[1], "Caf\xC3\xA9 HD");
    EXPECT_TRUE(d.isVisible());
    // A search finds the new name.
    auto* search = Find<QLineEdit>(&d, "searchEdit");
    search->setText(QStringLiteral("caf"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(Selected(), (Rows{1}));

    ClickOk();
    EXPECT_EQ(data.db.programs()[2]->name, "Caf\xE9 HD"); // the bytes of the file
    EXPECT_EQ(d.changeFlags(), CHANGED_PROGRAMS);
}

} // namespace
