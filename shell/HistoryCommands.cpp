// Undo and redo: each command's changes as one step of the history, and the screen after a step
// is taken back or made again (the tree follows the database by itself).
#include "shell/EditorView.h"

#include "forms/EditBar.h"
#include "shell/Commands.h"
#include "shell/NetworkTree.h"

CommandStep::CommandStep(EditorView& view, const char* name) : view_(view) {
    view_.history_.BeginStep(name, view_.CurrentPlace());
}

CommandStep::~CommandStep() {
    End();
}

void CommandStep::End(bool keep) {
    if (!open_)
        return;
    open_ = false;
    if (view_.history_.EndStep(view_.CurrentPlace(), keep)) {
        view_.revertedForm_.reset();
        // A discarded Channel List session fits only the database it was made on.
        view_.discardedChannelList_.reset();
    }
    view_.MarkModified();
    emit view_.commandStateChanged();
}

StepPlace EditorView::CurrentPlace() const {
    return StepPlace{tree_->RecordOf(currentItem_), static_cast<int>(tree_->LevelOf(currentItem_))};
}

TreeItemHandle EditorView::ItemOfPlace(const StepPlace& place) const {
    // The record is looked for by address among the records the database holds now.
    switch (place.level) {
    case LEVEL_NETWORK:
        for (const auto& network : database_.networks()) {
            if (network.get() == place.record)
                return network->treeItem;
        }
        break;
    case LEVEL_TRANSPONDER:
        for (const auto& transponder : database_.transponders()) {
            if (transponder.get() == place.record)
                return transponder->treeItem;
        }
        break;
    case LEVEL_PROGRAM:
        for (const auto& program : database_.programs()) {
            if (program.get() == place.record)
                return program->treeItem;
        }
        break;
    default:
        break;
    }
    return nullptr;
}

bool EditorView::ChangeUnderBlankPane(const StepPlace& place, const std::function<bool()>& change) {
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
    const bool quiet = rebuildingTree_;
    rebuildingTree_ = true;
    const bool changed = change();
    rebuildingTree_ = quiet;
    TreeItemHandle item = ItemOfPlace(place);
    if (!item)
        item = tree_->SelectedItem() ? tree_->SelectedItem() : tree_->FirstRootItem();
    tree_->SelectItem(item);
    // The item may have been selected already, in which case nothing notified.
    if (currentItem_ != tree_->SelectedItem())
        ShowItem(tree_->SelectedItem());
    emit commandStateChanged();
    return changed;
}

bool EditorView::PaneHasPendingEdits() const {
    switch (Pane()) {
    case PANE_NETWORK: {
        const NetworkEdits edits = ReadNetworkEdits();
        return edits.config || edits.network;
    }
    case PANE_TRANSPONDER:
        editBar_->ReadTransponder();
        return currentTransponder_->Differs(editBar_->workingTransponder());
    case PANE_PROGRAM:
        editBar_->ReadProgram();
        return currentProgram_->Differs(editBar_->workingProgram());
    default:
        return false;
    }
}

const char* EditorView::PaneStepName() const {
    switch (Pane()) {
    case PANE_NETWORK:
        return "Edit Satellite";
    case PANE_TRANSPONDER:
        return "Edit Transponder";
    case PANE_PROGRAM:
        return "Edit Program";
    default:
        return "";
    }
}

void EditorView::OnUndo() {
    if (PaneHasPendingEdits()) {
        // The edits were never applied: taking them back is the whole step.
        revertedForm_ = RevertedForm{currentItem_,
                                     Pane(),
                                     editBar_->workingAntennaConfig(),
                                     editBar_->workingNetwork(),
                                     editBar_->workingTransponder(),
                                     editBar_->workingProgram()};
        ShowItem(currentItem_);
        return;
    }
    if (!history_.CanUndo())
        return;
    revertedForm_.reset();
    discardedChannelList_.reset();
    // The tree follows each edit the history takes back.
    ChangeUnderBlankPane(history_.UndoPlace(), [this] { return history_.Undo(database_) != nullptr; });
    MarkModified();
}

void EditorView::OnRedo() {
    if (revertedForm_ && revertedForm_->item == currentItem_ && revertedForm_->pane == Pane() &&
        !PaneHasPendingEdits()) {
        const RevertedForm form = *revertedForm_;
        revertedForm_.reset();
        switch (form.pane) {
        case PANE_NETWORK:
            editBar_->ShowNetwork(form.config, form.network);
            break;
        case PANE_TRANSPONDER:
            editBar_->ShowTransponder(form.transponder);
            break;
        case PANE_PROGRAM:
            editBar_->ShowProgram(form.program);
            break;
        default:
            break;
        }
        emit commandStateChanged();
        return;
    }
    revertedForm_.reset();
    if (PaneHasPendingEdits())
        return; // new edits in the pane end the way forward, as typing does in a text box
    if (!history_.CanRedo())
        return;
    discardedChannelList_.reset();
    ChangeUnderBlankPane(history_.RedoPlace(), [this] { return history_.Redo(database_) != nullptr; });
    MarkModified();
}

QString EditorView::UndoText() const {
    std::string name = history_.UndoName();
    if (PaneHasPendingEdits())
        name = PaneStepName();
    else if (!history_.CanUndo())
        return CommandText("&Undo");
    return tr("&Undo %1\tCtrl+Z").arg(QCoreApplication::translate("Steps", name.c_str()));
}

QString EditorView::RedoText() const {
    std::string name = history_.RedoName();
    if (revertedForm_ && revertedForm_->item == currentItem_)
        name = PaneStepName();
    else if (!history_.CanRedo() || PaneHasPendingEdits())
        return CommandText("&Redo");
    return tr("&Redo %1\tCtrl+Y").arg(QCoreApplication::translate("Steps", name.c_str()));
}
