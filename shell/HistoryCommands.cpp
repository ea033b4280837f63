// Undo and redo: each command's changes as one step of the history, and the screen after a step
// is taken back or made again.
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
    if (view_.history_.EndStep(view_.CurrentPlace(), keep))
        view_.revertedForm_.reset();
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

void EditorView::RebuildTreeAt(const StepPlace& place) {
    const std::vector<const void*> expanded = tree_->ExpandedRecords();
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
    rebuildingTree_ = true;
    tree_->ClearTree();
    tree_->FillTree(database_);
    tree_->ExpandRecords(expanded);
    rebuildingTree_ = false;
    TreeItemHandle item = ItemOfPlace(place);
    if (!item)
        item = tree_->FirstRootItem();
    tree_->SelectItem(item);
    // FillTree selected the first satellite quietly: when that is the place, nothing notified.
    if (currentItem_ != tree_->SelectedItem())
        ShowItem(tree_->SelectedItem());
    emit commandStateChanged();
}

void EditorView::ShowAfterHistoryMove(const UndoStep& step, const StepPlace& place) {
    // Only field changes: the tree keeps its items and relabels the records that changed. A step
    // with many of them (none of the editor's commands makes one) is shown by a rebuild.
    constexpr size_t kMostRelabeled = 64;
    if ((step.kinds & CHANGE_RECORDS) || step.edits.size() > kMostRelabeled) {
        RebuildTreeAt(place);
        return;
    }
    for (const auto& edit : step.edits) {
        if (const void* record = edit->ChangedRecord(database_))
            RefreshLabel(record);
    }
    // The pane goes blank first, so that showing the place again asks nothing about its old values.
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
    TreeItemHandle item = ItemOfPlace(place);
    if (!item)
        item = tree_->SelectedItem() ? tree_->SelectedItem() : tree_->FirstRootItem();
    tree_->SelectItem(item);
    if (currentItem_ != tree_->SelectedItem())
        ShowItem(tree_->SelectedItem());
    emit commandStateChanged();
}

void EditorView::RefreshLabel(const void* record) {
    for (const auto& network : database_.networks()) {
        if (network.get() == record) {
            if (network->treeItem)
                tree_->SetNameLabel(network->treeItem, *network);
            return;
        }
    }
    for (const auto& transponder : database_.transponders()) {
        if (transponder.get() == record) {
            if (transponder->treeItem)
                tree_->SetTransponderLabel(transponder->treeItem, *transponder);
            return;
        }
    }
    for (const auto& program : database_.programs()) {
        if (program.get() == record) {
            if (program->treeItem)
                tree_->SetNameLabel(program->treeItem, *program);
            return;
        }
    }
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
    const UndoStep* step = history_.Undo(database_);
    if (!step)
        return;
    revertedForm_.reset();
    ShowAfterHistoryMove(*step, step->before);
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
    const UndoStep* step = history_.Redo(database_);
    if (!step)
        return;
    ShowAfterHistoryMove(*step, step->after);
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
