// Shared set-up of the editor tests: a main window, its actions, and small databases on disk.
#pragma once

#include "database/NetworkDatabase.h"
#include "forms/EditBar.h"
#include "shell/Commands.h"
#include "shell/EditorView.h"
#include "shell/MainFrame.h"
#include "shell/NetworkTree.h"
#include "tests/support/GuiTest.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace editortest {

// Three satellites out of position order (28.2E, 19.2E, 13.0E), each with transponders and
// programs; the first has two transponders with two programs each.
inline void BuildSample(NetworkDatabase& db) {
    db.Clear();
    db.version = 1;
    db.stampYear = 0x80 + 24; // 2024-05-17
    db.stampMonth = 5;
    db.stampDay = 17;
    db.formatFlags = NDF_FLAG_TP_NAMES | NDF_FLAG_NET_SKEW | NDF_FLAG_PROG_CA;
    const char* names[] = {"Astra 2", "Astra 1", "Hotbird"};
    const uint16_t positions[] = {282, 192, 130};
    for (int n = 0; n < 3; ++n) {
        db.AppendAntennaConfig();
        auto network = std::make_unique<Network>();
        network->name = names[n];
        network->position = positions[n];
        network->antennaIndex = static_cast<uint8_t>(n);
        db.AppendNetwork(*network);
    }
    const int transpondersPer[] = {2, 1, 1};
    int programNumber = 0;
    for (int n = 0; n < 3; ++n) {
        for (int t = 0; t < transpondersPer[n]; ++t) {
            Transponder* tp = db.AddTransponder(static_cast<uint8_t>(n), NO_INDEX);
            tp->frequency = static_cast<uint16_t>(10700 + 100 * n + 10 * t);
            tp->symbolRate = 27500;
            tp->polFec = static_cast<uint8_t>(t & 1);
            const uint16_t tpIndex = db.IndexOfTransponder(tp);
            for (int p = 0; p < 2; ++p) {
                Program* program = db.AddProgram(tpIndex, NO_INDEX);
                program->name = "Channel " + std::to_string(++programNumber);
                program->serviceId = static_cast<uint16_t>(programNumber);
            }
        }
    }
    for (int g = 0; g < 8; ++g) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = "Group " + std::to_string(g + 1);
        db.AppendFavoriteGroup(*group);
    }
    db.favoriteGroups()[0]->tvList = {0, 3};
    db.keepStamp = true;
}

inline void WriteSample(const std::string& path) {
    NetworkDatabase db;
    BuildSample(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
}

// A SATCODX listing line with the fields the import reads in their columns (numbers right-aligned).
inline std::string SatcodxLine(const char* name, const char* frequency, char polarity, const char* position,
                               const char* symbolRate) {
    auto field = [](const char* value, size_t width) {
        std::string text = value;
        return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
    };
    std::string text(80, ' ');
    text.replace(0, 10, "SATCODX103");
    std::string padded = name;
    padded.resize(18, ' ');
    text.replace(10, 18, padded);
    text.replace(33, 6, field(frequency, 6));
    text[42] = polarity;
    text.replace(51, 4, field(position, 4));
    text.replace(69, 5, field(symbolRate, 5));
    return text + "\r\n";
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF)
            bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(file);
    }
    return bytes;
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        MessageBox::TakeShown();
        FileDialog::TakeShown();
        frame = std::make_unique<CMainFrame>();
        frame->show();
        view = frame->View();
        tree = view->Tree();
        bar = frame->Bar();
    }

    void TearDown() override {
        EXPECT_EQ(MessageBox::PendingAnswers(), 0u) << "a scripted answer was not used";
        EXPECT_EQ(FileDialog::PendingPaths(), 0u) << "a scripted path was not used";
        frame.reset(); // destroying the window asks nothing

        MessageBox::TakeShown();
        FileDialog::TakeShown();
    }

    void Trigger(int id) {
        QAction* action = frame->Action(id);
        ASSERT_NE(action, nullptr);
        // A user cannot reach a disabled command: neither may a test.
        ASSERT_TRUE(action->isEnabled()) << "command " << id << " is disabled";
        action->trigger();
    }

    bool Enabled(int id) const { return frame->Action(id)->isEnabled(); }

    // Opens a file through File Open with a scripted path.
    void OpenThroughMenu(const QString& path) {
        FileDialog::SetNextPath(path);
        Trigger(ID_FILE_OPEN);
    }

    // Writes the sample database to a temporary file and opens it.
    void OpenSample() {
        samplePath = dir.StdPath("list.NDF");
        WriteSample(samplePath);
        OpenThroughMenu(QString::fromStdString(samplePath));
        ASSERT_EQ(view->Pane(), PANE_NETWORK);
    }

    NetworkDatabase& db() { return view->Database(); }
    TreeItemHandle NetworkItem(int n) { return db().networks()[n]->treeItem; }
    TreeItemHandle TransponderItem(int t) { return db().transponders()[t]->treeItem; }
    TreeItemHandle ProgramItem(int p) { return db().programs()[p]->treeItem; }

    void Select(TreeItemHandle item) { tree->SelectItem(item); }

    QLineEdit* Field(const char* name) { return guitest::Find<QLineEdit>(bar, name); }
    void Type(const char* field, const QString& text) {
        QLineEdit* edit = Field(field);
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
    }

    static std::vector<MessageBox::Shown> Boxes() { return MessageBox::TakeShown(); }
    static QString AppTitle() { return QStringLiteral("Orlanic Editor Kestrel Series"); }

    guitest::TempDir dir;
    std::string samplePath;
    std::unique_ptr<CMainFrame> frame;
    EditorView* view = nullptr;
    NetworkTree* tree = nullptr;
    EditBar* bar = nullptr;
};

} // namespace editortest
