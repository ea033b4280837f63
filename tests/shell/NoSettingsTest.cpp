// The editor keeps no settings: Open, Save As and Import through Qt's real file dialog leave
// nothing under the user's home, nor in the registry on Windows. The home is an empty folder of the
// test's own, set before Qt starts.
#include "EditorTestSupport.h"
#include "ui/PrivateSettings.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>

using namespace editortest;

namespace {

QTemporaryDir* home = nullptr;
QTemporaryDir* configHome = nullptr;

std::string Entries(const QTemporaryDir& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .join(QStringLiteral(", "))
        .toStdString();
}

class NoSettingsTest : public EditorTest {
protected:
    // Runs the command and picks path in the real file dialog it opens.
    void ChooseInDialog(int command, const QString& path) {
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(command); },
                                      [&](QWidget* modal) {
                                          auto* dialog = qobject_cast<QFileDialog*>(modal);
                                          ASSERT_NE(dialog, nullptr);
                                          auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                                          ASSERT_NE(name, nullptr);
                                          // As typed, with nothing picked in the list.
                                          for (auto* list : dialog->findChildren<QAbstractItemView*>())
                                              list->clearSelection();
                                          name->setText(path);
                                          static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
                                      }));
    }

    void ExpectHomeEmpty(const char* after) {
        EXPECT_EQ(Entries(*home), "") << "after " << after;
        EXPECT_EQ(Entries(*configHome), "") << "after " << after;
        EXPECT_EQ(QtRegistrySettings().toStdString(), registryBefore) << "after " << after;
    }

    // Qt's settings in the registry (Windows) as the test found them: whatever other programs keep.
    const std::string registryBefore = QtRegistrySettings().toStdString();
};

TEST_F(NoSettingsTest, OpenSaveAsAndImportLeaveNothingInTheHome) {
    const std::string path = dir.StdPath("list.NDF");
    WriteSample(path);
    ChooseInDialog(ID_FILE_OPEN, QString::fromStdString(path));
    ASSERT_EQ(view->Pane(), PANE_NETWORK);
    ExpectHomeEmpty("Open");

    ChooseInDialog(ID_FILE_SAVE_AS, dir.Path(QStringLiteral("copy.NDF")));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("copy.NDF - ") + AppTitle());
    EXPECT_EQ(ReadBytes(dir.StdPath("copy.NDF")).size(), ReadBytes(path).size());
    ExpectHomeEmpty("Save As");

    Select(NetworkItem(1)); // Astra 1 at 19.2
    std::string line(80, ' ');
    line.replace(0, 18, "SATCODX103Astra 1L");
    line.replace(34, 5, "12100");
    line.replace(51, 4, "0192");
    line.replace(69, 5, "22000");
    std::ofstream(dir.StdPath("astra.sdx")) << line << "\n";
    MessageBox::SetNextAnswer(MessageBox::Ok); // the summary
    ChooseInDialog(ID_SATELLITE_IMPORT_SATCODX, dir.Path(QStringLiteral("astra.sdx")));
    EXPECT_EQ(db().networks()[1]->name, "Astra 1L");
    ExpectHomeEmpty("Import");
}

#ifdef Q_OS_WIN
TEST_F(NoSettingsTest, TheFileDialogLeavesWhatOtherProgramsKeepInTheRegistryAsItWas) {
    const RegistrySettingsGuard afterwards;
    QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
        .setValue(QStringLiteral("FileDialog/lastVisited"), QStringLiteral("file:///C:/elsewhere"));
    const QString kept = QtRegistrySettings();
    ASSERT_TRUE(kept.contains(QStringLiteral("lastVisited"))) << kept.toStdString();
    const std::string path = dir.StdPath("list.NDF");
    WriteSample(path);
    ChooseInDialog(ID_FILE_OPEN, QString::fromStdString(path));
    ASSERT_EQ(view->Pane(), PANE_NETWORK);
    EXPECT_EQ(QtRegistrySettings().toStdString(), kept.toStdString());
}
#endif

} // namespace

int main(int argc, char** argv) {
    // Where Qt would keep per-user settings, pointed at empty folders before anything reads them.
    QTemporaryDir homeFolder;
    QTemporaryDir configFolder;
    home = &homeFolder;
    configHome = &configFolder;
    qputenv("HOME", homeFolder.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configFolder.path().toLocal8Bit());
    // Unsaved work is recovery data, not settings: it has a folder of its own.
    QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Message boxes are scripted; the file dialogs are Qt's own.
    MessageBox::EnableTestMode(
        [](const QString& text) { ADD_FAILURE() << "unexpected message box: " << text.toStdString(); });
    return RUN_ALL_TESTS();
}
