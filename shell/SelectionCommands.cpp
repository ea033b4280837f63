// Find in the tree, and the commands that act on every selected record at once.
#include "shell/EditorView.h"

#include "forms/EditBar.h"
#include "shell/FindBar.h"
#include "shell/NetworkTree.h"
#include "ui/MessageBox.h"

#include <QAction>

#include <algorithm>
#include <unordered_set>

namespace {

// The indices of the given records in their collection, in one pass over it.
template <class T> std::vector<size_t> IndicesOf(const RecordList<T>& list, const std::vector<T*>& records) {
    const std::unordered_set<const T*> wanted(records.begin(), records.end());
    std::vector<size_t> indices;
    indices.reserve(records.size());
    for (size_t i = 0; i < list.size(); ++i) {
        if (wanted.count(list[i].get()))
            indices.push_back(i);
    }
    return indices;
}

} // namespace

void EditorView::ConnectFindAndSelection() {
    connect(tree_, &NetworkTree::selectionCountChanged, this, [this] {
        UpdateBarTitle();
        emit commandStateChanged();
    });
    connect(tree_, &NetworkTree::deleteRequested, this, &EditorView::OnDeleteKey);
    connect(findBar_, &FindBar::textChanged, this, &EditorView::OnFindTextChanged);
    connect(findBar_, &FindBar::nextRequested, this, [this] { FindNext(false); });
    connect(findBar_, &FindBar::previousRequested, this, [this] { FindNext(true); });
    connect(findBar_, &FindBar::filterToggled, this, &EditorView::OnFilterToggled);
    connect(findBar_, &FindBar::closed, this, [this] { tree_->setFocus(Qt::OtherFocusReason); });
    // F3 and Shift+F3 work wherever the focus is in the window.
    auto addKey = [this](const char* key, bool backwards) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, backwards] { FindNext(backwards); });
        addAction(action);
    };
    addKey("F3", false);
    addKey("Shift+F3", true);
}

// ---- find ----

void EditorView::OnFind() {
    if (Pane() == PANE_EMPTY)
        return;
    findBar_->Open();
    UpdateFindPosition();
}

void EditorView::FindNext(bool backwards) {
    if (Pane() == PANE_EMPTY)
        return;
    const FindQuery query = FindQuery::From(findBar_->Text());
    if (query.Empty()) {
        OnFind();
        return;
    }
    findBar_->show();
    const FindPosition at = tree_->Locate(query);
    TreeItemHandle target = backwards ? at.previous : at.next;
    if (target)
        tree_->SelectItem(target); // the selection notification applies or keeps the pane's edits
    // Showing the record found has told the bar where it stands.
    if (!target || tree_->SelectedItem() != target || currentItem_ != target)
        UpdateFindPosition();
}

void EditorView::UpdateFindPosition() {
    if (!findBar_ || findBar_->isHidden())
        return;
    const FindPosition at = tree_->Locate(FindQuery::From(findBar_->Text()));
    findBar_->ShowPosition(at.position, at.count);
}

void EditorView::OnFindTextChanged() {
    if (findBar_->FilterOn())
        tree_->SetFilter(FindQuery::From(findBar_->Text()));
    UpdateFindPosition();
}

void EditorView::OnFilterToggled(bool on) {
    tree_->SetFilter(on ? FindQuery::From(findBar_->Text()) : FindQuery());
    UpdateFindPosition();
}

// ---- several records ----

std::vector<Program*> EditorView::SelectedPrograms() const {
    std::vector<Program*> programs;
    if (Pane() != PANE_PROGRAM)
        return programs;
    for (TreeItemHandle item : tree_->SelectedItems()) {
        if (Program* program = tree_->ProgramOf(item))
            programs.push_back(program);
    }
    return programs;
}

std::vector<Transponder*> EditorView::SelectedTransponders() const {
    std::vector<Transponder*> transponders;
    if (Pane() != PANE_TRANSPONDER)
        return transponders;
    for (TreeItemHandle item : tree_->SelectedItems()) {
        if (Transponder* transponder = tree_->TransponderOf(item))
            transponders.push_back(transponder);
    }
    return transponders;
}

bool EditorView::AllSelectedHave(uint8_t mark) const {
    const std::vector<Program*> programs = SelectedPrograms();
    return !programs.empty() &&
           std::all_of(programs.begin(), programs.end(), [mark](const Program* p) { return (p->attributes & mark); });
}

void EditorView::UpdateBarTitle() {
    if (!editBar_)
        return;
    const QString caption = EditBar::PaneCaption(Pane());
    const int count = tree_->SelectionCount();
    editBar_->setWindowTitle(count > 1 && Pane() != PANE_EMPTY ? tr("%1 (%2 selected)").arg(caption).arg(count)
                                                               : caption);
}

void EditorView::OnToggleProgramMark(uint8_t mark) {
    if (Pane() != PANE_PROGRAM || ApplyEdits(true) == Flow::Stop || Pane() != PANE_PROGRAM)
        return;
    const std::vector<size_t> indices = IndicesOf(database_.programs(), SelectedPrograms());
    const bool set = !AllSelectedHave(mark);
    {
        CommandStep step(*this,
                         mark == PA_LOCK
                             ? (set ? QT_TRANSLATE_NOOP("Steps", "Lock") : QT_TRANSLATE_NOOP("Steps", "Unlock"))
                             : (set ? QT_TRANSLATE_NOOP("Steps", "Skip") : QT_TRANSLATE_NOOP("Steps", "Do Not Skip")));
        database_.SetProgramAttributes(indices, mark, set);
    }
    // The form shows the stored record again, with its new mark; the selection stays.
    editBar_->ShowProgram(*currentProgram_);
    revertedForm_.reset();
    MarkModified();
    emit commandStateChanged();
}

bool EditorView::ConfirmDeletion(TreeLevel level, size_t count) {
    const QString text =
        level == LEVEL_PROGRAM
            ? (count == 1 ? tr("Delete the program \"%1\"?").arg(tree_->LabelOf(currentItem_))
                          : tr("Delete %1 programs?").arg(count))
            : (count == 1 ? tr("Delete the transponder %1 with its programs?").arg(tree_->LabelOf(currentItem_))
                          : tr("Delete %1 transponders with their programs?").arg(count));
    return MessageBox::YesNoQuestion(window(), text) == MessageBox::Yes;
}

void EditorView::DeleteSelectedPrograms() {
    const std::vector<Program*> programs = SelectedPrograms();
    if (programs.empty() || !ConfirmDeletion(LEVEL_PROGRAM, programs.size()))
        return;
    const std::vector<size_t> indices = IndicesOf(database_.programs(), programs);
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete Programs"));
    SetPane(PANE_EMPTY);
    database_.DeletePrograms(indices);
    MarkModified();
}

void EditorView::DeleteSelectedTransponders() {
    const std::vector<Transponder*> transponders = SelectedTransponders();
    if (transponders.empty() || !ConfirmDeletion(LEVEL_TRANSPONDER, transponders.size()))
        return;
    const std::vector<size_t> indices = IndicesOf(database_.transponders(), transponders);
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Delete Transponders"));
    SetPane(PANE_EMPTY);
    database_.DeleteTransponders(indices);
    MarkModified();
}

void EditorView::OnDeleteKey() {
    if (Pane() == PANE_PROGRAM)
        DeleteSelectedPrograms();
    else if (Pane() == PANE_TRANSPONDER)
        DeleteSelectedTransponders();
    emit commandStateChanged();
}
