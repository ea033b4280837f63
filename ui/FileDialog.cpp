#include "ui/FileDialog.h"

#include "ui/PrivateSettings.h"

#include <QDir>
#include <QFileDialog>

#include <deque>

namespace {

struct TestState {
    bool enabled = false;
    std::function<void()> onUnexpected;
    std::deque<std::pair<QString, QString>> paths; // path and chosen filter entry
    std::vector<FileDialog::Shown> shown;
};

TestState& State() {
    static TestState state;
    return state;
}

} // namespace

QString FileDialog::QtFilter(const QString& pipeSeparatedFilter) {
    const QStringList parts = pipeSeparatedFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        entries << parts[i];
    return entries.join(QStringLiteral(";;"));
}

QString FileDialog::SuffixOfFilter(const QString& filterEntry) {
    const qsizetype open = filterEntry.lastIndexOf(QLatin1Char('('));
    const QString patterns = open < 0 ? filterEntry : filterEntry.mid(open + 1).chopped(1);
    const QString first = patterns.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (!first.startsWith(QLatin1String("*.")))
        return QString();
    const QString suffix = first.mid(2);
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString() : suffix;
}

QString FileDialog::Ask(QWidget* parent, Mode mode, const QString& filter, const QString& defaultSuffix,
                        const QString& initialPath, QString* selectedFilter) {
    const QStringList entries = filter.split(QStringLiteral(";;"));
    TestState& state = State();
    if (state.enabled) {
        state.shown.push_back({mode, filter, defaultSuffix, initialPath});
        if (state.paths.empty()) {
            if (state.onUnexpected)
                state.onUnexpected();
            return QString();
        }
        auto [path, chosen] = state.paths.front();
        state.paths.pop_front();
        if (selectedFilter) {
            if (chosen.isEmpty())
                chosen = selectedFilter->isEmpty() ? entries.constFirst() : *selectedFilter;
            *selectedFilter = chosen;
        }
        return path;
    }

    // The dialog reads and writes its state in the per-user settings: nowhere, and on Windows, where
    // they are in the registry, put back as they were once the dialog is gone.
    KeepSettingsPrivate();
    const RegistrySettingsGuard keepRegistry;
    // Qt's own dialog: its name filters match without regard to case, so "*.NDF" also lists
    // "list.ndf" on case-sensitive file systems.
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (mode == OpenExisting) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (selectedFilter) {
        // The suffix follows the filter entry, so that a name typed without one gets the format chosen.
        const auto followFilter = [&dialog, defaultSuffix](const QString& entry) {
            const QString suffix = SuffixOfFilter(entry);
            dialog.setDefaultSuffix(suffix.isEmpty() ? defaultSuffix : suffix);
        };
        if (!selectedFilter->isEmpty())
            dialog.selectNameFilter(*selectedFilter);
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    }
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::GetOpenFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                    const QString& initialPath) {
    return Ask(parent, OpenExisting, filter, defaultSuffix, initialPath);
}

QString FileDialog::GetSaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                    const QString& initialPath, QString* selectedFilter) {
    return Ask(parent, SaveOverwritePrompt, filter, defaultSuffix, initialPath, selectedFilter);
}

void FileDialog::EnableTestMode(std::function<void()> onUnexpected) {
    TestState& state = State();
    state.enabled = true;
    state.onUnexpected = std::move(onUnexpected);
    state.paths.clear();
    state.shown.clear();
}

void FileDialog::SetNextPath(const QString& path, const QString& selectedFilter) {
    State().paths.emplace_back(path, selectedFilter);
}

size_t FileDialog::PendingPaths() {
    return State().paths.size();
}

std::vector<FileDialog::Shown> FileDialog::TakeShown() {
    std::vector<Shown> shown;
    shown.swap(State().shown);
    return shown;
}
