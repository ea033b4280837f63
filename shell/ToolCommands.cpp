// The Tools menu: the channel order and favorite groups of a reference file, the clean-up of
// duplicate and broken records, and the comparison with another file.
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

void EditorView::OnApplyOrderFromFile() {
    if (ApplyEdits(true) == Flow::Stop || Pane() == PANE_EMPTY)
        return;
    NetworkDatabase reference;
    QString name;
    if (!LoadOtherFile(reference, name))
        return;
    const ApplyOrderPlan plan = PlanApplyOrder(reference, database_);
    ApplyOrderDialog dialog(plan, reference, database_, name, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const StepPlace place = CurrentPlace();
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Apply Order from File"));
    ChangeUnderBlankPane(place, [&] { return ApplyOrder(database_, plan, dialog.Options()); });
}

void EditorView::OnCleanUp() {
    if (ApplyEdits(true) == Flow::Stop || Pane() == PANE_EMPTY)
        return;
    CleanUpDialog dialog(database_, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const StepPlace place = CurrentPlace();
    bool changed = false;
    {
        CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Clean Up"));
        changed = ChangeUnderBlankPane(place, [&] { return ApplyCleanUp(database_, dialog.Plan()); });
    }
    // What went, once the step is taken.
    if (changed)
        MessageBox::Information(window(), CleanUpDialog::RemovedText(dialog.Plan()));
}

void EditorView::OnCompareWithFile() {
    if (ApplyEdits(true) == Flow::Stop || Pane() == PANE_EMPTY)
        return;
    NetworkDatabase other;
    QString name;
    if (!LoadOtherFile(other, name))
        return;
    const QString thisName =
        database_.pathName.empty() ? tr("No Name") : QFileInfo(FromNativePath(database_.pathName)).fileName();
    CompareDialog dialog(CompareDatabases(database_, other), tr("A: %1 (open)\nB: %2").arg(thisName, name), window());
    dialog.exec();
}
