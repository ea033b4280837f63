// dishline: the desktop editor of NDF channel databases.
#include "database/AtomicFile.h"
#include "shell/EditorView.h"
#include "shell/MainFrame.h"
#include "ui/AppInfo.h"
#include "ui/PrivateSettings.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTimer>

int main(int argc, char** argv) {
    IgnoreFileSizeSignal(); // a save over the file-size limit fails with a message instead
    KeepSettingsPrivate();
    QApplication app(argc, argv);
    InstallTranslations(QLocale::system());
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationVersion(QStringLiteral(DISHLINE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("dishline"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dishline.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "Editor of NDF channel databases"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QCoreApplication::translate("main", "An NDF file to open."),
                                 QCoreApplication::translate("main", "[file]"));
    parser.process(app);

    CMainFrame frame;
    frame.show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        const QString path = files.first();
        QTimer::singleShot(0, &frame, [&frame, path] {
            frame.View()->OpenFile(path);
            frame.UpdateCommandStates();
        });
    } else {
        // Work that was not saved when the editor last stopped is offered back.
        QTimer::singleShot(0, &frame, [&frame] {
            frame.View()->OfferRecoveryAtStartUp();
            frame.UpdateCommandStates();
        });
    }
    return app.exec();
}
