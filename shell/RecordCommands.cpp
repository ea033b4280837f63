// The commands that add, delete and sort records; the tree follows the database's changes.
#include "shell/EditorView.h"

#include "forms/EditBar.h"
#include "shell/NetworkTree.h"
#include "ui/MessageBox.h"

// ---- record commands ----

void EditorView::OnSortByDegree() {
    if (ApplyEdits(true) == Flow::Stop || Pane() == PANE_EMPTY)
        return;
    // Each moved satellite takes the antenna configuration of its slot along.
    if (database_.antennaConfigs().size() < database_.networks().size()) {
        MessageBox::Error(window(), tr("Sort by Degree needs one antenna configuration for each satellite."));
        return;
    }
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Sort by Degree"));
    // A list already in order changes nothing, and the pane keeps what it shows, edits and all.
    const bool quiet = rebuildingTree_;
    rebuildingTree_ = true;
    const bool sorted = database_.SortByDegree(1800);
    rebuildingTree_ = quiet;
    if (!sorted)
        return;
    // The satellites took other slots and antenna configurations under the pane: the first
    // satellite is shown; the satellites and transponders that were open stay open.
    ChangeUnderBlankPane(StepPlace(), [this] {
        tree_->SelectItem(tree_->FirstRootItem());
        return true;
    });
}

void EditorView::OnAddTransponder() {
    if (ApplyEdits(true) == Flow::Stop)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Add Transponder"));
    Transponder* added = nullptr;
    switch (Pane()) {
    case PANE_NETWORK: {
        const uint8_t slot = database_.IndexOfNetwork(currentNetwork_);
        if (slot == NO_NETWORK)
            return;
        // It closes the network's first run.
        added = database_.AddTransponder(slot, NO_INDEX);
        break;
    }
    case PANE_TRANSPONDER:
    case PANE_PROGRAM: {
        const uint16_t index = Pane() == PANE_TRANSPONDER ? database_.IndexOfTransponder(currentTransponder_)
                                                          : currentProgram_->transponderIndex;
        Transponder* reference = TransponderAt(index);
        if (!reference)
            return;
        added = database_.AddTransponder(reference->networkIndex, index);
        break;
    }
    default:
        return;
    }
    if (!added)
        return;
    tree_->SelectItem(added->treeItem);
    MarkModified();
}

void EditorView::OnAddProgram() {
    if (ApplyEdits(true) == Flow::Stop)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Add Program"));
    Program* added = nullptr;
    if (Pane() == PANE_TRANSPONDER) {
        const uint16_t index = database_.IndexOfTransponder(currentTransponder_);
        if (index == NO_INDEX)
            return;
        added = database_.AddProgram(index, NO_INDEX);
    } else if (Pane() == PANE_PROGRAM) {
        added = database_.AddProgram(currentProgram_->transponderIndex, database_.IndexOfProgram(currentProgram_));
    }
    if (!added)
        return;
    tree_->SelectItem(added->treeItem);
    MarkModified();
}

uint16_t EditorView::TransponderIndexOfPane() const {
    if (Pane() == PANE_TRANSPONDER)
        return database_.IndexOfTransponder(currentTransponder_);
    if (Pane() == PANE_PROGRAM)
        return currentProgram_->transponderIndex;
    return NO_INDEX;
}

uint8_t EditorView::NetworkSlotOfPane() const {
    switch (Pane()) {
    case PANE_NETWORK:
        return database_.IndexOfNetwork(currentNetwork_);
    case PANE_TRANSPONDER:
        return currentTransponder_->networkIndex;
    case PANE_PROGRAM:
        if (currentProgram_->transponderIndex < database_.transponders().size())
            return database_.transponders()[currentProgram_->transponderIndex]->networkIndex;
        return NO_NETWORK;
    default:
        return NO_NETWORK;
    }
}

void EditorView::OnDeleteTransponder() {
    if (Pane() == PANE_TRANSPONDER && tree_->SelectionCount() > 1) {
        DeleteSelectedTransponders();
        return;
    }
    const uint16_t index = TransponderIndexOfPane();
    Transponder* target = TransponderAt(index);
    if (!target)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete Transponder"));
    SetPane(PANE_EMPTY);
    database_.DeleteTransponder(index);
    MarkModified();
}

void EditorView::OnDeleteTranspondersInNet() {
    const uint8_t slot = NetworkSlotOfPane();
    Network* target = NetworkAt(slot);
    if (!target)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete All Transponders in Net"));
    if (Pane() != PANE_NETWORK)
        SetPane(PANE_EMPTY);
    database_.DeleteTranspondersInNetwork(slot);
    MarkModified();
}

void EditorView::OnDeleteProgram() {
    if (Pane() != PANE_PROGRAM)
        return;
    if (tree_->SelectionCount() > 1) {
        DeleteSelectedPrograms();
        return;
    }
    const uint16_t index = database_.IndexOfProgram(currentProgram_);
    if (index == NO_INDEX)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete Program"));
    SetPane(PANE_EMPTY);
    database_.DeleteProgram(index);
    MarkModified();
}

void EditorView::OnDeleteProgramsInTransponder() {
    const uint16_t index = TransponderIndexOfPane();
    Transponder* target = TransponderAt(index);
    if (!target)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete All Programs in Transponder"));
    if (Pane() == PANE_PROGRAM)
        SetPane(PANE_EMPTY);
    database_.DeleteProgramsInTransponder(index);
    MarkModified();
}

void EditorView::OnDeleteProgramsInNet() {
    const uint8_t slot = NetworkSlotOfPane();
    Network* target = NetworkAt(slot);
    if (!target)
        return;
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete All Programs in Net"));
    if (Pane() == PANE_PROGRAM)
        SetPane(PANE_EMPTY);
    database_.DeleteProgramsInNetwork(slot);
    MarkModified();
}
