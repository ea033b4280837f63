#include "shell/EditorView.h"

#include "forms/EditBar.h"
#include "shell/FileFilters.h"
#include "shell/FindBar.h"
#include "shell/NetworkTree.h"
#include "ui/AppInfo.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/NativePath.h"
#include "ui/StatusText.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

EditorView::EditorView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("editorView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    findBar_ = new FindBar(this);
    layout->addWidget(findBar_);
    tree_ = new NetworkTree(this);
    tree_->setObjectName(QStringLiteral("networkTree"));
    layout->addWidget(tree_);
    connect(tree_, &NetworkTree::selectionChanged, this, &EditorView::OnTreeSelChanged);
    ConnectFindAndSelection();
    database_.AddChangeListener(&history_);
    commands_ = MakeViewCommands(*this);
    // Unsaved work reaches its recovery file a moment after the change that made it; a burst of
    // changes is written once.
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(2000);
    connect(recoveryTimer_, &QTimer::timeout, this, &EditorView::WriteRecoveryNow);
}

EditorView::~EditorView() {
    // The tree's items point at the records: detach it before the database goes.
    rebuildingTree_ = true;
    tree_->ClearTree();
}

void EditorView::SetEditBar(EditBar* editBar) {
    editBar_ = editBar;
    connect(editBar_, &EditBar::okClicked, this, &EditorView::OnFormOk);
    connect(editBar_, &EditBar::moreAudioClicked, this, &EditorView::OnMoreAudio);
    connect(editBar_, &EditBar::edited, this, &EditorView::commandStateChanged);
}

PaneKind EditorView::Pane() const {
    return editBar_ ? editBar_->paneKind() : PANE_EMPTY;
}

void EditorView::SetPane(PaneKind kind) {
    editBar_->SetPane(kind);
    UpdateBarTitle();
    emit commandStateChanged();
}

AntennaConfig* EditorView::AntennaConfigOf(const Network& network) {
    if (network.antennaIndex < database_.antennaConfigs().size())
        return database_.antennaConfigs()[network.antennaIndex].get();
    return nullptr;
}

Transponder* EditorView::TransponderAt(uint16_t index) {
    return index < database_.transponders().size() ? database_.transponders()[index].get() : nullptr;
}

Network* EditorView::NetworkAt(uint8_t index) {
    return index < database_.networks().size() ? database_.networks()[index].get() : nullptr;
}

// ---- the apply-changes rule ----

// The forms never change a record's reference to its network or transponder, and the working copy's
// index may be stale: records inserted, deleted or reordered since the record was shown renumber
// the stored reference, not the copy. Applying keeps the stored one, which still names the record
// the user saw the edited record under.
Transponder EditorView::WithStoredReferences(Transponder working, const Transponder& stored) {
    working.networkIndex = stored.networkIndex;
    return working;
}

Program EditorView::WithStoredReferences(Program working, const Program& stored) {
    working.transponderIndex = stored.transponderIndex;
    return working;
}

Flow EditorView::ApplyEdits(bool ask) {
    switch (Pane()) {
    case PANE_NETWORK:
        return ApplyNetworkEdits(ask);
    case PANE_TRANSPONDER:
        return ApplyTransponderEdits(ask);
    case PANE_PROGRAM:
        return ApplyProgramEdits(ask);
    default:
        return Flow::Proceed;
    }
}

EditorView::Answer EditorView::AskToApply(const QString& prompt) {
    switch (MessageBox::Question(window(), prompt)) {
    case MessageBox::Cancel:
        return Answer::Stop;
    case MessageBox::No:
        return Answer::Skip;
    default:
        return Answer::Apply;
    }
}

EditorView::NetworkEdits EditorView::ReadNetworkEdits() const {
    editBar_->ReadNetwork();
    const AntennaConfig& workingConfig = editBar_->workingAntennaConfig();
    // A network whose configuration slot is missing was shown with the default configuration.
    const AntennaConfig defaultConfig;
    const AntennaConfig& storedConfig = currentAntennaConfig_ ? *currentAntennaConfig_ : defaultConfig;
    return NetworkEdits{storedConfig.Differs(workingConfig),
                        currentNetwork_->Differs(editBar_->workingNetwork(), (workingConfig.diseqcMode & 0x04) != 0,
                                                 workingConfig.skewController())};
}

Flow EditorView::ApplyNetworkEdits(bool ask) {
    const auto [configChanged, networkChanged] = ReadNetworkEdits();
    const AntennaConfig& workingConfig = editBar_->workingAntennaConfig();
    const Network& workingNetwork = editBar_->workingNetwork();
    if (ask) {
        if (!networkChanged && !configChanged)
            return Flow::Proceed;
        const Answer answer =
            AskToApply(networkChanged ? tr("Some of network parameters are changed.\nDo you want to apply?")
                                      : tr("Some of antenna configurations are changed.\nDo you want to apply?"));
        if (answer != Answer::Apply)
            return answer == Answer::Stop ? Flow::Stop : Flow::Proceed;
    }
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Edit Satellite"));
    // The form never changes antennaIndex; the stored record's value stands, unless the
    // configuration it names is missing and is created now.
    uint8_t antennaIndex = currentNetwork_->antennaIndex;
    if (configChanged && !currentAntennaConfig_) {
        const uint8_t slot = database_.EnsureAntennaConfig(antennaIndex);
        if (slot != NO_NETWORK) {
            antennaIndex = slot;
            currentAntennaConfig_ = database_.antennaConfigs()[slot].get();
        }
    }
    if (configChanged && currentAntennaConfig_) {
        database_.SetAntennaConfig(antennaIndex, workingConfig);
        MarkModified();
    }
    if (networkChanged || antennaIndex != currentNetwork_->antennaIndex) {
        Network value = networkChanged ? workingNetwork : *currentNetwork_;
        value.antennaIndex = antennaIndex;
        database_.SetNetwork(database_.IndexOfNetwork(currentNetwork_), value);
        if (networkChanged)
            MarkModified();
    }
    return Flow::Proceed;
}

Flow EditorView::ApplyTransponderEdits(bool ask) {
    editBar_->ReadTransponder();
    const Transponder& working = editBar_->workingTransponder();
    if (working.frequency == 0 || working.symbolRate == 0) {
        MessageBox::Error(window(), tr("Invalid frequency or symbol rate\n"
                                       "Correct the errors or delete the transponder"));
        return Flow::Stop;
    }
    if (!currentTransponder_->Differs(working))
        return Flow::Proceed;
    if (ask) {
        const Answer answer = AskToApply(tr("Some of transponder parameters are changed.\nDo you want to apply?"));
        if (answer != Answer::Apply)
            return answer == Answer::Stop ? Flow::Stop : Flow::Proceed;
    }
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Edit Transponder"));
    database_.SetTransponder(database_.IndexOfTransponder(currentTransponder_),
                             WithStoredReferences(working, *currentTransponder_));
    MarkModified();
    return Flow::Proceed;
}

Flow EditorView::ApplyProgramEdits(bool ask) {
    editBar_->ReadProgram();
    const Program& working = editBar_->workingProgram();
    if (!currentProgram_->Differs(working))
        return Flow::Proceed;
    if (ask) {
        const Answer answer = AskToApply(tr("Some of program parameters are changed.\nDo you want to apply?"));
        if (answer != Answer::Apply)
            return answer == Answer::Stop ? Flow::Stop : Flow::Proceed;
    }
    CommandStep step(*this, QT_TRANSLATE_NOOP("Steps", "Edit Program"));
    const uint16_t index = database_.IndexOfProgram(currentProgram_);
    if ((currentProgram_->attributes & PA_RADIO) != (working.attributes & PA_RADIO))
        database_.SetProgramRadio(currentProgram_->IsRadio(), index);
    database_.SetProgram(index, WithStoredReferences(working, *currentProgram_));
    // The form shows the record as stored: reading back keeps the boxes left as shown, and what a
    // box shows must be the record, not the value before this apply (a radio program keeps no video).
    editBar_->ShowProgram(*currentProgram_);
    MarkModified();
    return Flow::Proceed;
}

Flow EditorView::QuerySave() {
    if (ApplyEdits(true) == Flow::Stop)
        return Flow::Stop;
    if (!IsModified())
        return Flow::Proceed;
    // A database never saved has no path: the prompt names it as the title does.
    const QString name = database_.pathName.empty() ? tr("No Name") : FromNativePath(database_.pathName);
    const QString prompt = tr("Save changes to %1?").arg(name);
    switch (MessageBox::Question(window(), prompt)) {
    case MessageBox::Cancel:
        return Flow::Stop;
    case MessageBox::No:
        return Flow::Proceed;
    default:
        return SaveFile(false) == NDF_OK ? Flow::Proceed : Flow::Stop;
    }
}

NdfStatus EditorView::SaveFile(bool saveAs) {
    NdfStatus status = NDF_CANCELED;
    std::string target = database_.pathName;
    if (saveAs || target.empty()) {
        const QString chosen = FileDialog::GetSaveFileName(window(), FileDialog::QtFilter(tr(kNdfFilter)),
                                                           QStringLiteral("NDF"), FromNativePath(database_.pathName));
        target = chosen.isEmpty() ? std::string() : ToNativePath(chosen);
    } else if (!MayOverwriteFileOnDisk()) {
        target.clear();
    }
    std::error_code cause;
    bool fileExisted = false;
    if (!target.empty()) {
        fileExisted = QFileInfo::exists(FromNativePath(target));
        status = database_.Save(target, &cause);
    }
    if (status == NDF_OK) {
        const bool wasModified = IsModified();
        history_.MarkSaved();
        diskStamp_ = DiskFileStamp::Of(FromNativePath(database_.pathName));
        DiscardRecovery();
        if (saveAs || wasModified)
            UpdateTitle();
    } else if (status > NDF_LAST_SILENT_STATUS) {
        ShowSaveError(status, cause, fileExisted);
    }
    emit commandStateChanged();
    return status;
}

void EditorView::ShowOpenOrSaveError(NdfStatus status) {
    QString text = StatusText(status);
    if (status == NDF_TOO_LARGE) {
        const std::string why = database_.LimitProblem();
        if (!why.empty())
            text += QLatin1Char('\n') + QString::fromStdString(why);
    }
    MessageBox::Error(window(), text);
}

void EditorView::UpdateTitle() {
    const QString appTitle = QString::fromLatin1(kApplicationTitle);
    QString title = appTitle;
    if (Pane() != PANE_EMPTY) {
        QString name =
            database_.pathName.empty() ? tr("No Name") : QFileInfo(FromNativePath(database_.pathName)).fileName();
        if (IsModified())
            name += tr(" (Modified)");
        title = name + QStringLiteral(" - ") + appTitle;
    }
    titleModified_ = IsModified();
    window()->setWindowTitle(title);
}

void EditorView::MarkModified() {
    if (IsModified() != titleModified_)
        UpdateTitle();
    if (IsModified()) {
        if (!recoveryTimer_->isActive())
            recoveryTimer_->start();
    } else if (!history_.StepOpen()) {
        DiscardRecovery(); // undone back to the file: nothing to recover
    }
}

// ---- the tree ----

void EditorView::OnTreeSelChanged(TreeItemHandle newItem) {
    if (rebuildingTree_ || newItem == currentItem_)
        return;
    if (ApplyEdits(true) == Flow::Stop) {
        tree_->SelectItem(currentItem_);
        return;
    }
    ShowItem(newItem);
}

void EditorView::ShowItem(TreeItemHandle item) {
    // Form edits that Undo took back belong to the record they were made on.
    if (revertedForm_ && revertedForm_->item != item)
        revertedForm_.reset();
    currentItem_ = item;
    switch (tree_->LevelOf(item)) {
    case LEVEL_NETWORK:
        currentNetwork_ = tree_->NetworkOf(item);
        currentAntennaConfig_ = AntennaConfigOf(*currentNetwork_);
        editBar_->ShowNetwork(currentAntennaConfig_ ? *currentAntennaConfig_ : AntennaConfig(), *currentNetwork_);
        break;
    case LEVEL_TRANSPONDER:
        currentTransponder_ = tree_->TransponderOf(item);
        editBar_->ShowTransponder(*currentTransponder_);
        break;
    case LEVEL_PROGRAM:
        currentProgram_ = tree_->ProgramOf(item);
        editBar_->ShowProgram(*currentProgram_);
        break;
    default:
        editBar_->SetPane(PANE_EMPTY);
        currentItem_ = nullptr;
        break;
    }
    UpdateBarTitle();
    UpdateFindPosition();
    emit commandStateChanged();
}

void EditorView::RebuildTree() {
    rebuildingTree_ = true;
    tree_->ClearTree();
    rebuildingTree_ = false;
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
}

// ---- document commands ----

bool EditorView::HandleCommand(int id) {
    if (const auto command = commands_.find(id); command != commands_.end()) {
        command->second->Run();
        emit commandStateChanged();
        return true;
    }
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_CLOSE:
        OnFileClose();
        break;
    case ID_FILE_SAVE:
        OnFileSave();
        break;
    case ID_FILE_SAVE_AS:
        OnFileSaveAs();
        break;
    case ID_EDIT_UNDO:
        OnUndo();
        break;
    case ID_EDIT_REDO:
        OnRedo();
        break;
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    case ID_SATELLITE_SORT_BY_DEGREE:
        OnSortByDegree();
        break;
    case ID_TRANSPONDER_ADD:
        OnAddTransponder();
        break;
    case ID_TRANSPONDER_DELETE:
        OnDeleteTransponder();
        break;
    case ID_TRANSPONDER_DELETE_ALL_IN_NET:
        OnDeleteTranspondersInNet();
        break;
    case ID_PROGRAM_ADD:
        OnAddProgram();
        break;
    case ID_PROGRAM_DELETE:
        OnDeleteProgram();
        break;
    case ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER:
        OnDeleteProgramsInTransponder();
        break;
    case ID_PROGRAM_DELETE_ALL_IN_NET:
        OnDeleteProgramsInNet();
        break;
    case ID_EDIT_FIND:
        OnFind();
        break;
    case ID_PROGRAM_LOCK:
        OnToggleProgramMark(PA_LOCK);
        break;
    case ID_PROGRAM_SKIP:
        OnToggleProgramMark(PA_SKIP);
        break;
    default:
        return false;
    }
    emit commandStateChanged();
    return true;
}

bool EditorView::IsCommandEnabled(int id) const {
    const PaneKind pane = Pane();
    if (const auto command = commands_.find(id); command != commands_.end())
        return command->second->Enabled(pane);
    switch (id) {
    case ID_SATELLITE_SORT_BY_DEGREE:
    case ID_TRANSPONDER_ADD:
    case ID_TRANSPONDER_DELETE_ALL_IN_NET:
    case ID_PROGRAM_DELETE_ALL_IN_NET:
    case ID_EDIT_FIND:
        return pane != PANE_EMPTY;
    case ID_PROGRAM_LOCK:
    case ID_PROGRAM_SKIP:
        return pane == PANE_PROGRAM;
    case ID_TRANSPONDER_DELETE:
    case ID_PROGRAM_ADD:
    case ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER:
        return pane == PANE_TRANSPONDER || pane == PANE_PROGRAM;
    case ID_PROGRAM_DELETE:
        return pane == PANE_PROGRAM;
    case ID_EDIT_UNDO:
        return history_.CanUndo() || PaneHasPendingEdits();
    case ID_EDIT_REDO:
        // Edits typed since the last undo end the way forward, as typing does in a text box.
        return (revertedForm_ && revertedForm_->item == currentItem_) ? true
                                                                      : history_.CanRedo() && !PaneHasPendingEdits();
    default:
        return true;
    }
}

bool EditorView::IsCommandChecked(int id) const {
    switch (id) {
    case ID_VIEW_CHANNEL_LIST:
        return IsCommandEnabled(id) && channelListOpen_;
    case ID_PROGRAM_LOCK:
        return Pane() == PANE_PROGRAM && AllSelectedHave(PA_LOCK);
    case ID_PROGRAM_SKIP:
        return Pane() == PANE_PROGRAM && AllSelectedHave(PA_SKIP);
    default:
        return false;
    }
}

void EditorView::OnFileNew() {
    if (Pane() != PANE_EMPTY && QuerySave() == Flow::Stop)
        return;
    DiscardRecovery();
    diskStamp_ = DiskFileStamp();
    RebuildTree();
    history_.Clear();
    revertedForm_.reset(); // form edits Undo took back belong to the file that is gone
    discardedChannelList_.reset();
    database_.NewDefault();
    tree_->FillTree(database_);
    UpdateTitle();
}

void EditorView::OnFileOpen() {
    OpenFile(QString());
}

void EditorView::OpenFile(const QString& path) {
    if (Pane() != PANE_EMPTY && QuerySave() == Flow::Stop)
        return;
    QString chosen = path;
    if (chosen.isEmpty()) {
        chosen = FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(tr(kNdfFilter)), QStringLiteral("NDF"),
                                             FromNativePath(database_.pathName));
        if (chosen.isEmpty())
            return; // cancelled: silent
    }
    OpenWithPath(chosen);
}

void EditorView::OpenWithPath(const QString& path) {
    if (OfferRecoveryOf(path))
        return;
    // The file is read and parsed into a database of its own, so that a file that fails at any
    // step leaves the database on screen exactly as it was.
    NetworkDatabase loaded;
    std::vector<uint8_t> image;
    NdfStatus status = loaded.Open(ToNativePath(path), image);
    DiskFileStamp stamp;
    if (status == NDF_OK) {
        stamp = DiskFileStamp::Of(image);
        status = loaded.Parse(image);
        image.clear();
        image.shrink_to_fit();
    }
    if (status != NDF_OK) {
        if (status > NDF_LAST_SILENT_STATUS)
            ShowOpenOrSaveError(status);
        return;
    }
    diskStamp_ = stamp;
    DiscardRecovery();
    RebuildTree();
    history_.Clear();
    revertedForm_.reset();
    discardedChannelList_.reset();
    database_ = std::move(loaded);
    tree_->FillTree(database_);
    UpdateTitle();
}

void EditorView::OnFileClose() {
    if (Pane() == PANE_EMPTY || QuerySave() == Flow::Stop)
        return;
    DiscardRecovery();
    diskStamp_ = DiskFileStamp();
    rebuildingTree_ = true;
    tree_->ClearTree();
    history_.Clear();
    revertedForm_.reset();
    discardedChannelList_.reset();
    database_.Clear();
    rebuildingTree_ = false;
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
    UpdateTitle();
}

void EditorView::OnFileSave() {
    if (ApplyEdits(true) == Flow::Proceed)
        SaveFile(false);
}

void EditorView::OnFileSaveAs() {
    if (ApplyEdits(true) == Flow::Proceed)
        SaveFile(true);
}

void EditorView::OnFilePrint() {
    MessageBox::Information(window(), tr("Not yet ..."));
}

void EditorView::OnFormOk() {
    ApplyEdits(false);
    emit commandStateChanged();
}

void EditorView::OnMoreAudio() {
    if (Pane() == PANE_PROGRAM)
        editBar_->EditAudioList();
}
