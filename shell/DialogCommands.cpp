// The commands that run the Modification Date and Channel List dialogs and the SATCODX import.
#include "shell/DialogCommands.h"
#include "shell/EditorView.h"

#include "channellist/ChannelListDialog.h"
#include "database/DisplayTables.h"
#include "forms/EditBar.h"
#include "import/ModificationDateDialog.h"
#include "import/SatcodxImport.h"
#include "shell/FileFilters.h"
#include "shell/NetworkTree.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/NativePath.h"
#include "ui/StatusText.h"

#include <QFileInfo>

namespace {

// An orbital position as the network pane shows it, e.g. "19.2".
QString PositionText(uint16_t position) {
    Network network;
    network.position = position;
    return QString::fromStdString(FormatPosition(network));
}

} // namespace

// ---- dialogs and the import ----

void ModificationDateCommand::Run() {
    if (view_.Pane() == PANE_EMPTY)
        return;
    CommandStep step(view_, QT_TRANSLATE_NOOP("Steps", "Modification Date"));
    bool changed = false;
    RunModificationDateDialog(view_.window(), view_.database_, &changed);
    // Confirming without a change only pins the stamp: nothing the user would take back.
    step.End(changed);
}

void ChannelListCommand::Run() {
    view_.RunChannelList(std::nullopt);
}

bool RestoreChannelListCommand::Enabled(PaneKind pane) const {
    return pane != PANE_EMPTY && view_.discardedChannelList_.has_value();
}

void RestoreChannelListCommand::Run() {
    if (!view_.discardedChannelList_)
        return;
    std::optional<ChannelListState> discarded = std::move(view_.discardedChannelList_);
    view_.discardedChannelList_.reset();
    view_.RunChannelList(std::move(discarded));
}

// The dialog works on a session of its own; the view follows what OK writes back.
void EditorView::RunChannelList(std::optional<ChannelListState> restore) {
    if (Pane() == PANE_EMPTY)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Channel List"));
    // The dialog may delete the program the pane shows: its transponder is then the nearest place.
    const StepPlace shown = CurrentPlace();
    const Transponder* shownTransponder =
        Pane() == PANE_PROGRAM && currentProgram_ ? TransponderAt(currentProgram_->transponderIndex) : nullptr;
    {
        // The tree follows what the dialog writes back; the pane keeps its edits meanwhile.
        const bool quiet = rebuildingTree_;
        rebuildingTree_ = true;
        ChannelListDialog dialog(database_, window());
        if (restore)
            dialog.RestoreSession(std::move(*restore));
        channelListOpen_ = true;
        emit commandStateChanged();
        if (dialog.exec() == QDialog::Rejected && dialog.Discarded())
            discardedChannelList_ = dialog.SessionState();
        rebuildingTree_ = quiet;
    }
    // When the record shown went, so did its item: the step must not ask the item where it was.
    const bool shownWent = shown.record && !ItemOfPlace(shown);
    if (shownWent) {
        SetPane(PANE_EMPTY);
        currentItem_ = nullptr;
    }
    step.End();
    if (shownWent) {
        ChangeUnderBlankPane(StepPlace{shownTransponder, LEVEL_TRANSPONDER}, [] { return false; });
        // The step ended while the pane was blank: the title named no document then.
        UpdateTitle();
    }
    channelListOpen_ = false;
    emit commandStateChanged();
}

bool ImportSatcodxCommand::Enabled(PaneKind pane) const {
    return pane == PANE_NETWORK;
}

void ImportSatcodxCommand::Run() {
    if (view_.ApplyEdits(true) == Flow::Stop || view_.Pane() != PANE_NETWORK)
        return;
    const QString path = FileDialog::GetOpenFileName(
        view_.window(), FileDialog::QtFilter(EditorView::tr(kSatcodxFilter)), QStringLiteral("SDX"));
    if (path.isEmpty())
        return;
    // The listing is read whole before anything changes, so that the user can still say no.
    Network* network = view_.currentNetwork_;
    SatcodxPreview preview;
    if (const NdfStatus status = ReadSatcodx(view_.database_, *network, ToNativePath(path), preview);
        status != NDF_OK) {
        MessageBox::Error(view_.window(), StatusText(status));
        return;
    }
    if (!preview.usable) {
        MessageBox::Notice(view_.window(),
                           EditorView::tr("No satellite lines were found in %1.").arg(QFileInfo(path).fileName()));
        return;
    }
    const uint8_t slot = preview.slot;
    const bool hasTransponders = view_.database_.FirstTransponderOf(slot) < view_.database_.transponders().size();
    if (preview.position != network->position && (!network->name.empty() || hasTransponders)) {
        const QString question =
            EditorView::tr("The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?")
                .arg(PositionText(preview.position), NetworkTreeModel::NameLabel(network->name),
                     PositionText(network->position));
        if (MessageBox::YesNoQuestion(view_.window(), question) != MessageBox::Yes)
            return;
    }

    const bool networkChanges = network->name != preview.name || network->position != preview.position;
    size_t added = 0;
    {
        CommandStep step(view_, QT_TRANSLATE_NOOP("Steps", "Import SATCODX"));
        added = ApplySatcodx(view_.database_, preview);
        if (networkChanges || added > 0)
            view_.ShowItem(view_.currentItem_);
    }
    MessageBox::Notice(view_.window(),
                       EditorView::tr("%1 transponders added to %2; %3 already present, %4 lines skipped.")
                           .arg(QString::number(added), NetworkTreeModel::NameLabel(network->name),
                                QString::number(preview.duplicateLines), QString::number(preview.skippedLines)));
}
