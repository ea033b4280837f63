// main() of the widget tests: an offscreen application, a state folder of its own, and the
// message-box and file-dialog seams in test mode, so that any box or dialog a test did not script
// fails it.
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Recovery files of the editor go to a folder of the run's own, never the user's.
    QTemporaryDir stateHome;
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    MessageBox::EnableTestMode(
        [](const QString& text) { ADD_FAILURE() << "unexpected message box: " << text.toStdString(); });
    FileDialog::EnableTestMode([] { ADD_FAILURE() << "unexpected file dialog"; });
    return RUN_ALL_TESTS();
}
