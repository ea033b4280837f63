// The one way the program asks for file paths, so that tests can script them.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

class FileDialog {
public:
    enum Mode { OpenExisting, SaveOverwritePrompt };

    struct Shown {
        Mode mode;
        QString filter;        // in Qt form, entries separated by ";;"
        QString defaultSuffix; // e.g. "NDF"
        QString initialPath;
    };

    // Turns a filter of the form "Text (*.X)|*.X|All file (*.*)|*.*||" into "Text (*.X);;All file (*.*)".
    static QString QtFilter(const QString& pipeSeparatedFilter);

    // An existing file to open; empty when cancelled. Patterns match without regard to letter case.
    static QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                   const QString& initialPath = QString());
    // A file to save to, asking before overwriting; empty when cancelled.
    static QString GetSaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                   const QString& initialPath = QString());

    // ---- test seam ----
    // From now on no dialog is shown: each takes the next scripted path (an empty one is a cancel),
    // and a dialog without one is reported through onUnexpected and cancelled.
    static void EnableTestMode(std::function<void()> onUnexpected);
    static void SetNextPath(const QString& path);
    static void SetNextCancel() { SetNextPath(QString()); }
    static size_t PendingPaths();
    static std::vector<Shown> TakeShown();

private:
    static QString Ask(QWidget* parent, Mode mode, const QString& filter, const QString& defaultSuffix,
                       const QString& initialPath);
};
