// The dialog's own history through its keys and buttons, the question before changes are thrown
// away, OK after everything was undone, and the sort indicator of the header.
#include "tests/channellist/ChannelListTestSupport.h"

#include "ui/MessageBox.h"

#include <QFile>
#include <QLineEdit>
#include <QToolButton>

using namespace cltest;
using guitest::Find;
using Names = std::vector<std::string>;

namespace {

class ChannelListUndoTest : public ChannelListTest {
public:
    // What the user sees: title, group entries and the one selected, tab, rows and their favorites.
    std::vector<std::string> Screen() const {
        std::vector<std::string> screen = {dialog->windowTitle().toStdString(),
                                           Find<QComboBox>(dialog.get(), "groupList")->currentText().toStdString(),
                                           std::to_string(Find<QTabBar>(dialog.get(), "tabBar")->currentIndex())};
        for (const std::string& entry : GroupEntries(*dialog))
            screen.push_back("entry " + entry);
        for (int row = 0; row < dialog->RowCount(); ++row)
            screen.push_back(dialog->CellText(row, COLUMN_NAME).toStdString() + " | " +
                             dialog->CellText(row, COLUMN_FAVORITE).toStdString());
        return screen;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(View(*dialog), static_cast<Qt::Key>(key), modifiers);
    }
    QToolButton* Button(const char* name) const { return Find<QToolButton>(dialog.get(), name); }
};

TEST_F(ChannelListUndoTest, EveryKindOfEditIsUndoneAndRedoneByItsKeys) {
    const struct {
        const char* what;
        std::function<void(ChannelListUndoTest&)> prepare, edit;
    } cases[] = {
        {"sort", [](ChannelListUndoTest&) {}, [](ChannelListUndoTest& t) { t.ClickHeader(COLUMN_NAME); }},
        {"drag", [](ChannelListUndoTest&) {}, [](ChannelListUndoTest& t) { Drag(*t.dialog, 0, 3); }},
        {"add to a favorite", [](ChannelListUndoTest&) {},
         [](ChannelListUndoTest& t) { ChooseFromMenu(*t.dialog, 3, ID_ADD_TO_FAVORITE + 1); }},
        {"remove the last member of the shown group",
         [](ChannelListUndoTest& t) {
             t.SetTab(1);
             SelectGroup(*t.dialog, "Music");
         },
         [](ChannelListUndoTest& t) { ChooseFromMenu(*t.dialog, 0, ID_REMOVE_FROM_FAVORITE + 3); }},
        {"rename", [](ChannelListUndoTest&) {},
         [](ChannelListUndoTest& t) {
             t.dialog->ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
         }},
    };
    for (const auto& c : cases) {
        Open();
        c.prepare(*this);
        const auto before = Screen();
        EXPECT_FALSE(Button("undoButton")->isEnabled()) << c.what;
        c.edit(*this);
        const auto after = Screen();
        ASSERT_NE(after, before) << c.what;
        EXPECT_TRUE(Button("undoButton")->isEnabled()) << c.what;
        Key(Qt::Key_Z);
        EXPECT_EQ(Screen(), before) << c.what;
        EXPECT_EQ(dialog->changeFlags(), 0u) << c.what;
        EXPECT_FALSE(Button("undoButton")->isEnabled()) << c.what;
        Key(Qt::Key_Y);
        EXPECT_EQ(Screen(), after) << c.what;
        Key(Qt::Key_Z);
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Screen(), after) << c.what;
        EXPECT_FALSE(Button("redoButton")->isEnabled()) << c.what;
        dialog.reset();
    }
}

TEST_F(ChannelListUndoTest, TheButtonsShowTheSameCommandsAndTheSearchFieldKeepsItsOwnUndo) {
    ChannelListDialog& d = Open();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/undo.png")));
    EXPECT_EQ(Button("undoButton")->toolTip(), QStringLiteral("Undo"));
    EXPECT_EQ(Button("redoButton")->toolTip(), QStringLiteral("Redo"));
    EXPECT_FALSE(Button("undoButton")->icon().isNull());
    EXPECT_FALSE(Button("redoButton")->icon().isNull());
    Drag(d, 0, 1);
    Drag(d, 0, 2);
    const Names twice = RowNames(d);
    QTest::mouseClick(Button("undoButton"), Qt::LeftButton);
    QTest::mouseClick(Button("undoButton"), Qt::LeftButton);
    EXPECT_EQ(RowNames(d), (Names{"Das Erste", "arte", "BBC", "zdf", "Cnn"}));
    QTest::mouseClick(Button("redoButton"), Qt::LeftButton);
    QTest::mouseClick(Button("redoButton"), Qt::LeftButton);
    EXPECT_EQ(RowNames(d), twice);

    auto* search = Find<QLineEdit>(&d, "searchEdit");
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("ab"));
    QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(search->text(), QStringLiteral("ab"));
    EXPECT_EQ(RowNames(d), twice);
}

TEST_F(ChannelListUndoTest, CancelEscapeAndTheCloseBoxAskBeforeChangesAreThrownAway) {
    const struct {
        const char* what;
        bool edit, undoAll;
        MessageBox::Button answer; // Ok: no question expected
        bool closes;
    } cases[] = {
        {"no change", false, false, MessageBox::Ok, true},
        {"everything undone", true, true, MessageBox::Ok, true},
        {"changes, Yes", true, false, MessageBox::Yes, true},
        {"changes, No", true, false, MessageBox::No, false},
    };
    const std::function<void(ChannelListDialog&)> ways[] = {
        [](ChannelListDialog& d) { Find<QPushButton>(&d, "cancelButton")->click(); },
        [](ChannelListDialog& d) { QTest::keyClick(View(d), Qt::Key_Escape); },
        [](ChannelListDialog& d) { d.close(); },
    };
    for (const auto& c : cases) {
        for (size_t way = 0; way < std::size(ways); ++way) {
            ChannelListDialog& d = Open();
            if (c.edit) {
                Drag(d, 0, 2);
                ChooseFromMenu(d, 0, ID_ADD_TO_FAVORITE + 1);
            }
            if (c.undoAll) {
                d.Undo();
                d.Undo();
            }
            MessageBox::TakeShown();
            if (c.answer != MessageBox::Ok)
                MessageBox::SetNextAnswer(c.answer);
            ways[way](d);
            const auto shown = MessageBox::TakeShown();
            ASSERT_EQ(shown.size(), c.answer != MessageBox::Ok ? 1u : 0u) << c.what << " way " << way;
            if (!shown.empty()) {
                EXPECT_EQ(shown[0].text, QStringLiteral("Discard the changes to the channel list?"));
                EXPECT_EQ(shown[0].icon, MessageBox::IconQuestion);
                EXPECT_EQ(shown[0].buttons, MessageBox::ButtonsYesNoDefaultNo);
            }
            EXPECT_EQ(d.isVisible(), !c.closes) << c.what << " way " << way;
            if (c.closes) {
                EXPECT_EQ(d.result(), QDialog::Rejected);
            }
            EXPECT_EQ(data.ProgramNames(), (Names{"Das Erste", "Radio Eins", "arte", "BBC", "zdf", "Klassik", "Cnn"}));
            EXPECT_TRUE(data.db.favoriteGroups()[1]->tvList.empty());
            dialog.reset();
        }
    }
}

TEST_F(ChannelListUndoTest, OkWithNoNetChangeReportsNothing) {
    ChannelListDialog& d = Open();
    ClickHeader(COLUMN_NAME);
    ChooseFromMenu(d, 0, ID_ADD_TO_FAVORITE + 1);
    d.ApplyGroupNames({"A", "B", "C", "D", "E", "F", "G", "H"});
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Z);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List"));
    Drag(d, 0, 1);
    Drag(d, 1, 0); // back in place: the title says modified, but nothing differs
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Channel List (Modified)"));
    ClickOk();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.changeFlags(), 0u);
    EXPECT_EQ(data.db.favoriteGroups()[0]->name, "News");
}

TEST_F(ChannelListUndoTest, TheHeaderShowsTheSortUntilTheOrderChangesOtherwise) {
    ChannelListDialog& d = Open();
    QHeaderView* header = View(d)->header();
    const auto indicator = [header]() -> std::pair<int, int> {
        if (!header->isSortIndicatorShown())
            return {-1, -1};
        return {SessionColumn(header->sortIndicatorSection()),
                header->sortIndicatorOrder() == Qt::AscendingOrder ? 0 : 1};
    };
    using Shown = std::pair<int, int>;
    EXPECT_EQ(indicator(), (Shown{-1, -1}));
    ClickHeader(COLUMN_NAME);
    EXPECT_EQ(indicator(), (Shown{COLUMN_NAME, 0}));
    ClickHeader(COLUMN_NAME);
    EXPECT_EQ(indicator(), (Shown{COLUMN_NAME, 1}));
    ChooseFromMenu(d, 0, ID_ADD_TO_FAVORITE + 1); // not a change of the order
    EXPECT_EQ(indicator(), (Shown{COLUMN_NAME, 1}));
    Drag(d, 0, 2);
    EXPECT_EQ(indicator(), (Shown{-1, -1}));
    d.Undo();
    EXPECT_EQ(indicator(), (Shown{COLUMN_NAME, 1}));
    d.Undo();
    d.Undo();
    EXPECT_EQ(indicator(), (Shown{COLUMN_NAME, 0}));
    SetTab(1);
    EXPECT_EQ(indicator(), (Shown{-1, -1}));
    SelectGroup(d, "RadioSat"); // one row: the click sorts nothing and shows nothing
    ClickHeader(COLUMN_CA);
    EXPECT_EQ(indicator(), (Shown{-1, -1}));
}

} // namespace
