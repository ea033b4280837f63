// Lock, Skip and new names set in the Channel List reach the file together with the order, as one
// step of the main window's history, on a database of a few hundred channels.
#include "bench/BigDatabase.h"
#include "channellist/ChannelListDialog.h"
#include "channellist/ChannelListModel.h"
#include "tests/shell/EditorTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTest>

using namespace editortest;

namespace {

class ChannelListWriteBackTest : public EditorTest {
protected:
    // The programs' names and attribute bytes, in table order.
    static std::vector<std::pair<std::string, uint8_t>> Programs(const NetworkDatabase& db) {
        std::vector<std::pair<std::string, uint8_t>> programs;
        for (const auto& program : db.programs())
            programs.emplace_back(program->name, program->attributes);
        return programs;
    }
    std::vector<uint8_t> SaveAs(const std::string& name) {
        const std::string path = dir.StdPath(name);
        FileDialog::SetNextPath(QString::fromStdString(path));
        Trigger(ID_FILE_SAVE_AS);
        return ReadBytes(path);
    }
};

TEST_F(ChannelListWriteBackTest, LockSkipAndRenameAreSavedWithTheOrderAsOneStep) {
    NetworkDatabase generated;
    BigDatabaseShape shape;
    shape.networks = 6;
    shape.transponders = 30;
    shape.programs = 300;
    shape.favoriteEntries = 30;
    BuildBigDatabase(generated, shape);
    const std::string path = dir.StdPath("start.NDF");
    ASSERT_EQ(generated.Save(path), NDF_OK);
    const std::vector<uint8_t> original = ReadBytes(path);
    OpenThroughMenu(QString::fromStdString(path));
    const auto before = Programs(db());

    const Program* locked[2] = {};
    const Program* renamed = nullptr;
    ASSERT_TRUE(guitest::RunModal(
        [&] { Trigger(ID_VIEW_CHANNEL_LIST); },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<ChannelListDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("channelView"));
            const auto act = [dialog](const char* name) {
                dialog->findChild<QAction*>(QString::fromLatin1(name))->trigger();
            };
            const auto select = [list](std::initializer_list<int> rows) {
                list->selectionModel()->clearSelection();
                for (const int row : rows)
                    list->selectionModel()->select(list->model()->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
                list->selectionModel()->setCurrentIndex(list->model()->index(*rows.begin(), 0),
                                                        QItemSelectionModel::NoUpdate);
            };
            const auto program = [&](int row) { return db().programs()[dialog->RowValue(row)].get(); };
            locked[0] = program(3);
            locked[1] = program(25);
            select({3, 25});
            act("lockAction");
            act("skipAction");
            act("moveToTopAction"); // the locked rows become rows 0 and 1
            renamed = program(12);
            select({12});
            act("renameAction");
            auto* editor = list->findChild<QLineEdit*>(QStringLiteral("nameEditor"));
            ASSERT_NE(editor, nullptr);
            editor->setText(QStringLiteral("\u00c9lan & Co HD"));
            QTest::keyClick(editor, Qt::Key_Return);
            QApplication::processEvents();
            dialog->accept();
        }));

    // The marks and the name went to the records, which now stand first (the locked ones).
    const auto after = Programs(db());
    EXPECT_EQ(db().programs()[0].get(), locked[0]);
    EXPECT_EQ(db().programs()[1].get(), locked[1]);
    for (const Program* program : locked)
        EXPECT_EQ(program->attributes & (PA_LOCK | PA_SKIP), PA_LOCK | PA_SKIP);
    EXPECT_EQ(renamed->name, "\xC9lan & Co HD");
    EXPECT_TRUE(view->IsModified());

    // Saved and read back, byte for byte the name and the marks.
    const std::vector<uint8_t> saved = SaveAs("edited.NDF");
    NetworkDatabase reloaded;
    ASSERT_EQ(reloaded.Parse(saved), NDF_OK);
    EXPECT_EQ(Programs(reloaded), after);
    const std::vector<uint8_t> name = {0xC9, 'l', 'a', 'n', ' ', '&', ' ', 'C', 'o', ' ', 'H', 'D'};
    EXPECT_NE(std::search(saved.begin(), saved.end(), name.begin(), name.end()), saved.end());

    // One Undo takes back the order, the marks and the name: the file is the one opened.
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(Programs(db()), before);
    EXPECT_EQ(SaveAs("undone.NDF"), original);
    Trigger(ID_EDIT_REDO);
    EXPECT_EQ(Programs(db()), after);
}

} // namespace
