// main() of the widget tests: an offscreen application, and the message-box and file-dialog seams
// in test mode, so that any box or dialog a test did not script fails it.
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    MessageBox::EnableTestMode(
        [](const QString& text) { ADD_FAILURE() << "unexpected message box: " << text.toStdString(); });
    FileDialog::EnableTestMode([] { ADD_FAILURE() << "unexpected file dialog"; });
    return RUN_ALL_TESTS();
}
