// The commands that run the Modification Date and Channel List dialogs and the SATCODX import.
#include "shell/EditorView.h"

#include "channellist/ChannelListDialog.h"
#include "forms/EditBar.h"
#include "import/ModificationDateDialog.h"
#include "import/SatcodxImport.h"
#include "shell/NativePath.h"
#include "shell/NetworkTree.h"
#include "ui/FileDialog.h"

namespace {

const char* const kSatcodxFilter = "SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||";

} // namespace

// ---- dialogs and the import ----

void EditorView::OnModificationDate() {
    if (Pane() == PANE_EMPTY)
        return;
    CommandStep step(*this, "Modification Date");
    bool changed = false;
    RunModificationDateDialog(window(), database_, &changed);
    // Confirming without a change only pins the stamp: nothing the user would take back.
    step.End(changed);
}

void EditorView::OnChannelList() {
    if (Pane() == PANE_EMPTY)
        return;
    CommandStep step(*this, "Channel List");
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
    const QString path = FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(QString::fromLatin1(kSatcodxFilter)),
                                                     QStringLiteral("SDX"));
    if (path.isEmpty())
        return;
    CommandStep step(*this, "Import SATCODX");
    Network* network = currentNetwork_;
    if (ImportSatcodx(database_, *network, ToNativePath(path)) != NDF_OK)
        return;
    tree_->SetNameLabel(network->treeItem, *network);
    // The added transponders close the network's first run; give them their items at once, placed
    // by the database order: before the item of a later run of the same network (a damaged file),
    // else last. The place is found once, so that a long listing costs no search per transponder.
    const uint8_t slot = database_.IndexOfNetwork(network);
    const size_t end = database_.EndTransponderOf(slot);
    TreeItemHandle before = LAST_ITEM;
    for (size_t i = end; i < database_.transponders().size() && before == LAST_ITEM; ++i) {
        const TreeItemHandle item = database_.transponders()[i]->treeItem;
        if (item && network->treeItem && tree_->ParentOf(item) == network->treeItem)
            before = item;
    }
    for (size_t i = database_.FirstTransponderOf(slot); i < end; ++i) {
        Transponder& transponder = *database_.transponders()[i];
        if (!transponder.treeItem)
            tree_->InsertTransponderItem(transponder, before);
    }
    ShowItem(currentItem_);
    MarkModified();
}

