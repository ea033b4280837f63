// The Tools menu: the channel order and favorite groups of a reference file, the clean-up of
// duplicate and broken records, and the comparison with another file.
#include "shell/DialogCommands.h"
#include "shell/EditorView.h"

#include "rescan/CleanUpDialog.h"
#include "rescan/Compare.h"
#include "rescan/CompareDialog.h"
#include "rescan/ToolDialogs.h"
#include "shell/FileFilters.h"
#include "shell/NetworkTree.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/NativePath.h"

#include <QFileInfo>

bool EditorView::LoadOtherFile(NetworkDatabase& other, QString& name) {
    const QString path = FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(tr(kNdfFilter)),
                                                     QStringLiteral("NDF"), FromNativePath(database_.pathName));
    if (path.isEmpty())
        return false;
    std::vector<uint8_t> image;
    NdfStatus status = other.Open(ToNativePath(path), image);
    if (status == NDF_OK)
        status = other.Parse(image);
    if (status != NDF_OK) {
        if (status > NDF_LAST_SILENT_STATUS)
            ShowOpenOrSaveError(status);
        return false;
    }
    name = QFileInfo(path).fileName();
    return true;
}

void ApplyOrderCommand::Run() {
    if (view_.ApplyEdits(true) == Flow::Stop || view_.Pane() == PANE_EMPTY)
        return;
    NetworkDatabase reference;
    QString name;
    if (!view_.LoadOtherFile(reference, name))
        return;
    const ApplyOrderPlan plan = PlanApplyOrder(reference, view_.database_);
    ApplyOrderDialog dialog(plan, reference, view_.database_, name, view_.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const StepPlace place = view_.CurrentPlace();
    CommandStep step(view_, QT_TRANSLATE_NOOP("Steps", "Apply Order from File"));
    view_.ChangeUnderBlankPane(place, [&] { return ApplyOrder(view_.database_, plan, dialog.Options()); });
}

void CleanUpCommand::Run() {
    if (view_.ApplyEdits(true) == Flow::Stop || view_.Pane() == PANE_EMPTY)
        return;
    CleanUpDialog dialog(view_.database_, view_.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const StepPlace place = view_.CurrentPlace();
    bool changed = false;
    {
        CommandStep step(view_, QT_TRANSLATE_NOOP("Steps", "Clean Up"));
        changed = view_.ChangeUnderBlankPane(place, [&] { return ApplyCleanUp(view_.database_, dialog.Plan()); });
    }
    // What went, once the step is taken.
    if (changed)
        MessageBox::Information(view_.window(), CleanUpDialog::RemovedText(dialog.Plan()));
}

void CompareCommand::Run() {
    if (view_.ApplyEdits(true) == Flow::Stop || view_.Pane() == PANE_EMPTY)
        return;
    NetworkDatabase other;
    QString name;
    if (!view_.LoadOtherFile(other, name))
        return;
    const QString thisName = view_.database_.pathName.empty()
                                 ? EditorView::tr("No Name")
                                 : QFileInfo(FromNativePath(view_.database_.pathName)).fileName();
    CompareDialog dialog(CompareDatabases(view_.database_, other),
                         EditorView::tr("A: %1 (open)\nB: %2").arg(thisName, name), view_.window());
    dialog.exec();
}
