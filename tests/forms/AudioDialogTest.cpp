// The audio track dialog: row texts, the current entry, Add, Modify and Delete, and "Invalid PID".
#include "forms/AudioDialog.h"
#include "tests/support/GuiTest.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class AudioDialogTest : public ::testing::Test {
protected:
    void Open(const PidList& tracks) {
        dialog = std::make_unique<AudioDialog>(tracks);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        list = guitest::Find<QTreeWidget>(dialog.get(), "trackList");
        pid = guitest::Find<QLineEdit>(dialog.get(), "pid");
        language = guitest::Find<QComboBox>(dialog.get(), "language");
        ac3 = guitest::Find<QCheckBox>(dialog.get(), "ac3");
    }
    void Press(const char* button) {
        QTest::mouseClick(guitest::Find<QAbstractButton>(dialog.get(), button), Qt::LeftButton);
    }
    void ClickRow(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
    }
    void TypePid(const QString& text) {
        pid->setFocus();
        QTest::keyClick(pid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pid, Qt::Key_Delete);
        QTest::keyClicks(pid, text);
    }
    QStringList Row(int row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }
    int SelectedRow() {
        const QList<QTreeWidgetItem*> selected = list->selectedItems();
        return selected.size() == 1 ? list->indexOfTopLevelItem(selected.front()) : -1;
    }
    // The edit row shows entry i of the dialog's list.
    void ExpectShown(int i) {
        const PidList& tracks = dialog->pidList();
        ASSERT_LT(static_cast<size_t>(i), tracks.Count());
        EXPECT_EQ(pid->text(), Row(i)[0]);
        EXPECT_EQ(language->currentText(), Row(i)[1]);
        EXPECT_EQ(ac3->isChecked(), (tracks.pids[i] & PID_FLAG_AC3) != 0);
    }
    void ExpectInvalidPid() {
        const auto shown = MessageBox::TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Invalid PID");
        EXPECT_EQ(shown[0].icon, MessageBox::IconStop);
        EXPECT_FALSE(shown[0].yesNoCancel);
    }

    static PidList Tracks(std::initializer_list<std::pair<uint16_t, uint8_t>> entries) {
        PidList tracks;
        for (const auto& [word, lang] : entries)
            tracks.Append(word, lang);
        return tracks;
    }

    std::unique_ptr<AudioDialog> dialog;
    QTreeWidget* list = nullptr;
    QLineEdit* pid = nullptr;
    QComboBox* language = nullptr;
    QCheckBox* ac3 = nullptr;
};

} // namespace

TEST_F(AudioDialogTest, OpensOnTheFirstTrackWithItsRowTexts) {
    Open(Tracks({{0x4066, 6}, {0x67, 30}, {PID_NONE, 22}, {0xA001, LANG_NONE}}));
    EXPECT_EQ(dialog->windowTitle(), "Audio");
    EXPECT_EQ(list->headerItem()->text(0), "PID");
    EXPECT_EQ(list->headerItem()->text(1), "Language");
    EXPECT_EQ(list->headerItem()->text(2), "Enc");
    EXPECT_EQ(list->columnWidth(0), 71);
    EXPECT_EQ(list->columnWidth(1), 81);
    EXPECT_EQ(list->columnWidth(2), 42);
    EXPECT_EQ(Row(0), QStringList({"0x0066", "GER", "AC3"}));
    EXPECT_EQ(Row(1), QStringList({"0x0067", "", ""}));
    EXPECT_EQ(Row(2), QStringList({"", "TUR", "AC3"})); // PID_NONE carries the AC3 bit
    EXPECT_EQ(Row(3), QStringList({"0x0001", "", ""}));
    EXPECT_EQ(dialog->currentEntry(), 0);
    EXPECT_EQ(SelectedRow(), 0);
    ExpectShown(0);

    ASSERT_EQ(language->count(), 24);
    EXPECT_EQ(language->itemText(0), "");
    EXPECT_EQ(language->itemText(1), "ENG");
    EXPECT_EQ(language->itemText(23), "TUR");

    ClickRow(1);
    EXPECT_EQ(dialog->currentEntry(), 1);
    EXPECT_EQ(language->currentIndex(), 0); // a byte above 22 selects the empty item
    ExpectShown(1);
}

TEST_F(AudioDialogTest, AddOnAnEmptyListWithoutALanguageStores254) {
    Open(PidList());
    EXPECT_EQ(dialog->currentEntry(), -1);
    EXPECT_EQ(pid->text(), "");
    EXPECT_EQ(language->currentIndex(), -1);
    EXPECT_FALSE(ac3->isChecked());
    TypePid(QStringLiteral("0x2001"));
    Press("add");
    ASSERT_EQ(dialog->pidList().Count(), 1u);
    EXPECT_EQ(dialog->pidList().pids[0], 1);
    EXPECT_EQ(dialog->pidList().languages[0], 254);
    EXPECT_EQ(dialog->currentEntry(), 0);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Row(0), QStringList({"0x0001", "", ""}));
}

TEST_F(AudioDialogTest, AddInsertsBeforeTheCurrentTrack) {
    Open(Tracks({{0x10, 0}, {0x20, 1}}));
    ClickRow(1);
    TypePid(QStringLiteral("-1"));
    language->setCurrentIndex(3); // SWE
    ac3->setChecked(true);
    Press("add");
    const PidList& tracks = dialog->pidList();
    ASSERT_EQ(tracks.Count(), 3u);
    EXPECT_EQ(tracks.pids[1], 0x5FFF);
    EXPECT_EQ(tracks.languages[1], 2);
    EXPECT_EQ(tracks.pids[2], 0x20);
    EXPECT_EQ(Row(1), QStringList({"0x1fff", "SWE", "AC3"}));
    EXPECT_EQ(Row(2), QStringList({"0x0020", "FRA", ""}));
    EXPECT_EQ(dialog->currentEntry(), 1);
    EXPECT_EQ(SelectedRow(), 1);

    language->setCurrentIndex(0);
    TypePid(QStringLiteral("7"));
    Press("add");
    EXPECT_EQ(dialog->pidList().languages[1], LANG_NONE);
}

TEST_F(AudioDialogTest, ModifyChangesOnlyTheCurrentTrack) {
    Open(Tracks({{0x10, 0}, {0x20, 1}, {0x30, 2}}));
    ClickRow(1);
    language->setCurrentIndex(7); // GER
    TypePid(QStringLiteral("0x21"));
    Press("modify");
    const PidList& tracks = dialog->pidList();
    EXPECT_EQ(tracks.pids[1], 0x21);
    EXPECT_EQ(tracks.languages, std::vector<uint8_t>({0, 6, 2}));
    EXPECT_EQ(Row(1), QStringList({"0x0021", "GER", ""}));
    EXPECT_EQ(dialog->currentEntry(), 1);
}

TEST_F(AudioDialogTest, UnusablePidsShowInvalidPidAndChangeNothing) {
    const PidList original = Tracks({{0x10, 0}, {0x20, 1}});
    Open(original);
    for (const char* text : {"", "0", "0x2000", "8192", "abc", "0x"}) {
        TypePid(QString::fromLatin1(text));
        MessageBox::SetNextAnswer(MessageBox::Ok);
        Press("add");
        ExpectInvalidPid();
        MessageBox::SetNextAnswer(MessageBox::Ok);
        Press("modify");
        ExpectInvalidPid();
    }
    EXPECT_FALSE(dialog->pidList().Differs(original));
    EXPECT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Row(0), QStringList({"0x0010", "ENG", ""}));
}

TEST_F(AudioDialogTest, DeleteMovesToTheRowBeforeAndEmptiesTheEditRowAtTheEnd) {
    Open(Tracks({{0x10, 0}, {0x4020, 1}, {0x30, 2}}));
    ClickRow(2);
    Press("delete");
    EXPECT_EQ(dialog->currentEntry(), 1);
    EXPECT_EQ(SelectedRow(), 1);
    ExpectShown(1);
    ClickRow(0);
    Press("delete");
    EXPECT_EQ(dialog->currentEntry(), 0);
    EXPECT_EQ(Row(0), QStringList({"0x0020", "FRA", "AC3"}));
    ExpectShown(0);
    Press("delete");
    EXPECT_EQ(dialog->currentEntry(), -1);
    EXPECT_TRUE(dialog->pidList().Empty());
    EXPECT_EQ(pid->text(), "");
    EXPECT_EQ(language->currentIndex(), 0);
    EXPECT_FALSE(ac3->isChecked());
    Press("delete"); // nothing left: nothing happens
    Press("modify");
    EXPECT_TRUE(MessageBox::TakeShown().empty());
}

TEST_F(AudioDialogTest, TheSelectionNeverLeavesTheCurrentRow) {
    Open(Tracks({{0x10, 0}, {0x20, 1}}));
    ClickRow(1);
    TypePid(QStringLiteral("0x99"));
    // A click below the last row keeps the current row selected.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(dialog->currentEntry(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->topLevelItem(1)).center());
    EXPECT_EQ(SelectedRow(), 1);
    // Moving the selection with the keyboard moves the current track with it, so that Delete
    // removes the track the user sees selected.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog->currentEntry(), 0);
    ExpectShown(0);
    Press("delete");
    ASSERT_EQ(dialog->pidList().Count(), 1u);
    EXPECT_EQ(dialog->pidList().pids[0], 0x20);
}

TEST_F(AudioDialogTest, RefusesTheTrackAfterThe255th) {
    PidList full;
    for (int i = 1; i <= 255; ++i)
        full.Append(static_cast<uint16_t>(i), LANG_NONE);
    Open(full);
    TypePid(QStringLiteral("0x100"));
    MessageBox::SetNextAnswer(MessageBox::Ok);
    Press("add");
    EXPECT_EQ(MessageBox::TakeShown().size(), 1u);
    EXPECT_EQ(dialog->pidList().Count(), 255u);
}
