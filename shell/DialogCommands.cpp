// The commands that run the Modification Date and Channel List dialogs and the SATCODX import.
#include "shell/EditorView.h"

#include "channellist/ChannelListDialog.h"
#include "database/DisplayTables.h"
#include "forms/EditBar.h"
#include "import/ModificationDateDialog.h"
#include "import/SatcodxImport.h"
#include "shell/FileFilters.h"
#include "shell/NativePath.h"
#include "shell/NetworkTree.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
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

void EditorView::OnModificationDate() {
    if (Pane() == PANE_EMPTY)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Modification Date"));
    bool changed = false;
    RunModificationDateDialog(window(), database_, &changed);
    // Confirming without a change only pins the stamp: nothing the user would take back.
    step.End(changed);
}

void EditorView::OnChannelList() {
    if (Pane() == PANE_EMPTY)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Channel List"));
    uint32_t changes = 0;
    // The dialog may delete the program the pane shows: its transponder is then the nearest place.
    const Transponder* shownTransponder =
        Pane() == PANE_PROGRAM && currentProgram_ ? TransponderAt(currentProgram_->transponderIndex) : nullptr;
    {
        ChannelListDialog dialog(database_, window());
        channelListOpen_ = true;
        emit commandStateChanged();
        if (dialog.exec() == QDialog::Accepted)
            changes = dialog.changeFlags();
    }
    step.End();
    if ((changes & CHANGED_ORDER) && CurrentPlace().record && !ItemOfPlace(CurrentPlace())) {
        RebuildTreeAt(StepPlace{shownTransponder, LEVEL_TRANSPONDER});
    } else if (changes & CHANGED_ORDER) {
        // The tree lists each transponder's programs in channel order: rebuild it and put the
        // selection back on the record the pane shows, which keeps any pending form edits.
        const StepPlace shown = CurrentPlace();
        const std::vector<const void*> expanded = tree_->ExpandedRecords();
        rebuildingTree_ = true;
        tree_->ClearTree();
        tree_->FillTree(database_);
        tree_->ExpandRecords(expanded);
        tree_->SelectItem(ItemOfPlace(shown));
        currentItem_ = tree_->SelectedItem();
        rebuildingTree_ = false;
    }
    channelListOpen_ = false;
    emit commandStateChanged();
}

void EditorView::OnImportSatcodx() {
    if (ApplyEdits(true) == Flow::Stop || Pane() != PANE_NETWORK)
        return;
    const QString path =
        FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(tr(kSatcodxFilter)), QStringLiteral("SDX"));
    if (path.isEmpty())
        return;
    // The listing is read whole before anything changes, so that the user can still say no.
    Network* network = currentNetwork_;
    SatcodxPreview preview;
    if (const NdfStatus status = ReadSatcodx(database_, *network, ToNativePath(path), preview); status != NDF_OK) {
        MessageBox::Error(window(), StatusText(status));
        return;
    }
    if (!preview.usable) {
        MessageBox::Notice(window(), tr("No satellite lines were found in %1.").arg(QFileInfo(path).fileName()));
        return;
    }
    const uint8_t slot = preview.slot;
    const bool hasTransponders = database_.FirstTransponderOf(slot) < database_.transponders().size();
    if (preview.position != network->position && (!network->name.empty() || hasTransponders)) {
        const QString question = tr("The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?")
                                     .arg(PositionText(preview.position), NetworkTreeModel::NameLabel(network->name),
                                          PositionText(network->position));
        if (MessageBox::YesNoQuestion(window(), question) != MessageBox::Yes)
            return;
    }

    const bool networkChanges = network->name != preview.name || network->position != preview.position;
    size_t added = 0;
    {
        CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Import SATCODX"));
        added = ApplySatcodx(database_, preview);
        if (networkChanges || added > 0) {
            tree_->SetNameLabel(network->treeItem, *network);
            InsertImportedItems(*network);
            ShowItem(currentItem_);
        }
    }
    MessageBox::Notice(window(),
                       tr("%1 transponders added to %2; %3 already present, %4 lines skipped.")
                           .arg(QString::number(added), NetworkTreeModel::NameLabel(network->name),
                                QString::number(preview.duplicateLines), QString::number(preview.skippedLines)));
}

void EditorView::InsertImportedItems(const Network& network) {
    // The added transponders close the network's first run; give them their items at once, placed
    // by the database order: before the item of a later run of the same network (a damaged file),
    // else last. The place is found once, so that a long listing costs no search per transponder.
    const uint8_t slot = database_.IndexOfNetwork(&network);
    const size_t end = database_.EndTransponderOf(slot);
    TreeItemHandle before = LAST_ITEM;
    for (size_t i = end; i < database_.transponders().size() && before == LAST_ITEM; ++i) {
        const TreeItemHandle item = database_.transponders()[i]->treeItem;
        if (item && network.treeItem && tree_->ParentOf(item) == network.treeItem)
            before = item;
    }
    for (size_t i = database_.FirstTransponderOf(slot); i < end; ++i) {
        Transponder& transponder = *database_.transponders()[i];
        if (!transponder.treeItem)
            tree_->InsertTransponderItem(transponder, before);
    }
}
