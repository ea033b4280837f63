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
    // A file to save to, asking before overwriting; empty when cancelled. With selectedFilter, the
    // dialog starts on that filter entry (the first when it is empty), reports the entry chosen, and
    // a typed name without a suffix takes the chosen entry's own ("*.pdf" gives "pdf").
    static QString GetSaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                   const QString& initialPath = QString(), QString* selectedFilter = nullptr);
    // The suffix of a filter entry's first pattern ("pdf" for "PDF file (*.pdf)"); empty for a
    // pattern with wildcards in its suffix.
    static QString SuffixOfFilter(const QString& filterEntry);

    // ---- test seam ----
    // From now on no dialog is shown: each takes the next scripted path (an empty one is a cancel),
    // and a dialog without one is reported through onUnexpected and cancelled.
    static void EnableTestMode(std::function<void()> onUnexpected);
    // selectedFilter: the filter entry the scripted user chose; empty for the one the dialog started on.
    static void SetNextPath(const QString& path, const QString& selectedFilter = QString());
    static void SetNextCancel() { SetNextPath(QString()); }
    static size_t PendingPaths();
    static std::vector<Shown> TakeShown();

private:
    static QString Ask(QWidget* parent, Mode mode, const QString& filter, const QString& defaultSuffix,
                       const QString& initialPath, QString* selectedFilter = nullptr);
};
