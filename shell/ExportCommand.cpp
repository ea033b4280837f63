// File "Export Channel List...": the channels of the open database as a CSV file, a web page or a
// PDF file. Reads the database only: nothing changes and nothing becomes an undoable step.
#include "shell/DialogCommands.h"
#include "shell/EditorView.h"

#include "database/AtomicFile.h"
#include "export/ChannelExport.h"
#include "export/ChannelPdf.h"
#include "export/ExportDialog.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/NativePath.h"
#include "ui/StatusText.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QPushButton>

namespace {

const char* const kExportFilter =
    QT_TRANSLATE_NOOP("EditorView", "CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||");

enum class ExportFormat { Csv, Html, Pdf };

// The suffix typed decides; a name without one of the three takes the filter chosen.
ExportFormat FormatOf(const QString& path, const QString& filter) {
    for (const QString& suffix : {QFileInfo(path).suffix(), FileDialog::SuffixOfFilter(filter)}) {
        const QString lower = suffix.toLower();
        if (lower == QLatin1String("csv"))
            return ExportFormat::Csv;
        if (lower == QLatin1String("html") || lower == QLatin1String("htm"))
            return ExportFormat::Html;
        if (lower == QLatin1String("pdf"))
            return ExportFormat::Pdf;
    }
    return ExportFormat::Csv;
}

} // namespace

void ExportChannelListCommand::Run() {
    if (view_.Pane() == PANE_EMPTY)
        return;
    ExportScope scope;
    {
        ExportDialog dialog(view_.Database(), view_.window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        scope = dialog.Scope();
    }

    const QString ndfPath = FromNativePath(view_.Database().pathName);
    const QString fileName = ndfPath.isEmpty() ? EditorView::tr("No Name") : QFileInfo(ndfPath).fileName();
    // The NDF file's name without a suffix: the dialog adds the one of the filter chosen.
    const QString initialPath =
        ndfPath.isEmpty() ? QString() : QFileInfo(ndfPath).dir().filePath(QFileInfo(ndfPath).completeBaseName());
    QString filter;
    const QString path =
        FileDialog::GetSaveFileName(view_.window(), FileDialog::QtFilter(EditorView::tr(kExportFilter)),
                                    QStringLiteral("csv"), initialPath, &filter);
    if (path.isEmpty())
        return;

    // In the interface language. The CSV file and the web page take a fraction of a second, under
    // the wait cursor; a PDF of tens of thousands of channels takes seconds: it shows its progress,
    // and Cancel leaves no file.
    const ExportFormat format = FormatOf(path, filter);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ChannelExport list = BuildChannelExport(view_.Database(), scope, ExportDialog::Texts());
    std::vector<uint8_t> bytes;
    if (format == ExportFormat::Csv) {
        const std::string csv = ChannelCsv(list);
        bytes.assign(csv.begin(), csv.end());
    } else if (format == ExportFormat::Html) {
        const std::string html = ChannelHtml(list, fileName.toStdString());
        bytes.assign(html.begin(), html.end());
    }
    QGuiApplication::restoreOverrideCursor();
    if (format == ExportFormat::Pdf) {
        QProgressDialog progress(EditorView::tr("Exporting the channel list..."), QString(), 0, 1, view_.window());
        progress.setObjectName(QStringLiteral("exportProgress"));
        auto* cancel = new QPushButton(EditorView::tr("&Cancel"));
        cancel->setObjectName(QStringLiteral("cancelButton"));
        progress.setCancelButton(cancel);
        progress.setWindowTitle(EditorView::tr("Export Channel List"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(ExportDialog::ProgressDelay());
        progress.setAutoReset(false);
        const QByteArray pdf = ChannelListPdf(list, fileName, [&progress](size_t done, size_t total) {
            progress.setMaximum(static_cast<int>(total));
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
        if (progress.wasCanceled())
            return;
        bytes.assign(pdf.begin(), pdf.end());
    }
    if (bytes.empty() || !ReplaceFileAtomically(ToNativePath(path), bytes))
        MessageBox::Error(view_.window(), StatusText(NDF_CREATE_FAILED));
}
