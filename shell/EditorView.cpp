#include "shell/EditorView.h"

#include "channellist/ChannelListDialog.h"
#include "forms/EditBar.h"
#include "import/ModificationDateDialog.h"
#include "import/SatcodxImport.h"
#include "shell/NetworkTree.h"
#include "ui/AppInfo.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kNdfFilter = "Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||";
const char* const kSatcodxFilter = "SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||";

// Paths travel through the core as the file system's own bytes.
std::string ToNativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

EditorView::EditorView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("editorView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = new NetworkTree(this);
    tree_->setObjectName(QStringLiteral("networkTree"));
    layout->addWidget(tree_);
    connect(tree_, &NetworkTree::selectionChanged, this, &EditorView::OnTreeSelChanged);
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
}

PaneKind EditorView::Pane() const {
    return editBar_ ? editBar_->paneKind() : PANE_EMPTY;
}

void EditorView::SetPane(PaneKind kind) {
    editBar_->SetPane(kind);
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

bool EditorView::ApplyEdits(bool ask) {
    switch (Pane()) {
    case PANE_EMPTY:
        return false;

    case PANE_NETWORK: {
        editBar_->ReadNetwork();
        const AntennaConfig& workingConfig = editBar_->workingAntennaConfig();
        const Network& workingNetwork = editBar_->workingNetwork();
        // A network whose configuration slot is missing was shown with the default configuration.
        const AntennaConfig defaultConfig;
        const AntennaConfig& storedConfig = currentAntennaConfig_ ? *currentAntennaConfig_ : defaultConfig;
        const bool configChanged = storedConfig.Differs(workingConfig);
        const bool networkChanged = currentNetwork_->Differs(workingNetwork, (workingConfig.diseqcMode & 0x04) != 0,
                                                             workingConfig.skewController());
        if (ask) {
            const char* prompt = nullptr;
            if (networkChanged)
                prompt = "Some of network parameters are changed.\nDo you want to apply?";
            else if (configChanged)
                prompt = "Some of antenna configurations are changed.\nDo you want to apply?";
            else
                return false;
            const MessageBox::Button answer = MessageBox::Question(window(), QString::fromLatin1(prompt));
            if (answer == MessageBox::Cancel)
                return true;
            if (answer == MessageBox::No)
                return false;
        }
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
            if (networkChanged && currentNetwork_->name != workingNetwork.name)
                tree_->SetNameLabel(currentNetwork_->treeItem, workingNetwork);
            database_.SetNetwork(database_.IndexOfNetwork(currentNetwork_), value);
            if (networkChanged)
                MarkModified();
        }
        return false;
    }

    case PANE_TRANSPONDER: {
        editBar_->ReadTransponder();
        const Transponder& working = editBar_->workingTransponder();
        if (working.frequency == 0 || working.symbolRate == 0) {
            MessageBox::Error(window(), QStringLiteral("Invalid frequency or symbol rate\n"
                                                       "Correct the errors or delete the transponder"));
            return true;
        }
        if (!currentTransponder_->Differs(working))
            return false;
        if (ask) {
            const MessageBox::Button answer = MessageBox::Question(
                window(), QStringLiteral("Some of transponder parameters are changed.\nDo you want to apply?"));
            if (answer == MessageBox::Cancel)
                return true;
            if (answer == MessageBox::No)
                return false;
        }
        if (currentTransponder_->name != working.name || currentTransponder_->frequency != working.frequency ||
            currentTransponder_->polarity() != working.polarity())
            tree_->SetTransponderLabel(currentTransponder_->treeItem, working);
        database_.SetTransponder(database_.IndexOfTransponder(currentTransponder_), working);
        MarkModified();
        return false;
    }

    case PANE_PROGRAM: {
        editBar_->ReadProgram();
        const Program& working = editBar_->workingProgram();
        if (!currentProgram_->Differs(working))
            return false;
        if (ask) {
            const MessageBox::Button answer = MessageBox::Question(
                window(), QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
            if (answer == MessageBox::Cancel)
                return true;
            if (answer == MessageBox::No)
                return false;
        }
        if (currentProgram_->name != working.name)
            tree_->SetNameLabel(currentProgram_->treeItem, working);
        if ((currentProgram_->attributes & PA_RADIO) != (working.attributes & PA_RADIO))
            database_.SetProgramRadio(currentProgram_->IsRadio(), database_.IndexOfProgram(currentProgram_));
        database_.SetProgram(database_.IndexOfProgram(currentProgram_), working);
        MarkModified();
        return false;
    }
    }
    return false;
}

bool EditorView::QuerySave() {
    if (ApplyEdits(true))
        return false;
    if (!modified_)
        return true;
    const QString prompt = QStringLiteral("Save changes to %1?").arg(FromNativePath(database_.pathName));
    switch (MessageBox::Question(window(), prompt)) {
    case MessageBox::Cancel:
        return false;
    case MessageBox::No:
        return true;
    default:
        return SaveFile(false) == NDF_OK;
    }
}

NdfStatus EditorView::SaveFile(bool saveAs) {
    NdfStatus status = NDF_CANCELED;
    std::string target = database_.pathName;
    if (saveAs || target.empty()) {
        const QString chosen = FileDialog::GetSaveFileName(window(), FileDialog::QtFilter(QString::fromLatin1(kNdfFilter)),
                                                           QStringLiteral("NDF"), FromNativePath(database_.pathName));
        target = chosen.isEmpty() ? std::string() : ToNativePath(chosen);
    }
    if (!target.empty())
        status = database_.Save(target);
    if (status == NDF_OK) {
        if (saveAs || modified_) {
            modified_ = false;
            UpdateTitle();
        }
    } else if (status > NDF_LAST_SILENT_STATUS) {
        ShowOpenOrSaveError(status);
    }
    emit commandStateChanged();
    return status;
}

void EditorView::ShowOpenOrSaveError(NdfStatus status) {
    QString text = QString::fromStdString(StatusMessage(status));
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
        QString name = database_.pathName.empty() ? QStringLiteral("No Name")
                                                  : QFileInfo(FromNativePath(database_.pathName)).fileName();
        if (modified_)
            name += QStringLiteral(" (Modified)");
        title = name + QStringLiteral(" - ") + appTitle;
    }
    window()->setWindowTitle(title);
}

void EditorView::MarkModified() {
    if (modified_)
        return;
    modified_ = true;
    UpdateTitle();
}

// ---- the tree ----

void EditorView::OnTreeSelChanged(TreeItemHandle newItem) {
    if (rebuildingTree_ || newItem == currentItem_)
        return;
    if (ApplyEdits(true)) {
        tree_->SelectItem(currentItem_);
        return;
    }
    ShowItem(newItem);
}

void EditorView::ShowItem(TreeItemHandle item) {
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
    switch (id) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_CLOSE: OnFileClose(); break;
    case ID_FILE_SAVE: OnFileSave(); break;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); break;
    case ID_FILE_PRINT: OnFilePrint(); break;
    case ID_FILE_MODIFICATION_DATE: OnModificationDate(); break;
    case ID_VIEW_CHANNEL_LIST: OnChannelList(); break;
    case ID_SATELLITE_IMPORT_SATCODX: OnImportSatcodx(); break;
    case ID_SATELLITE_SORT_BY_DEGREE: OnSortByDegree(); break;
    case ID_TRANSPONDER_ADD: OnAddTransponder(); break;
    case ID_TRANSPONDER_DELETE: OnDeleteTransponder(); break;
    case ID_TRANSPONDER_DELETE_ALL_IN_NET: OnDeleteTranspondersInNet(); break;
    case ID_PROGRAM_ADD: OnAddProgram(); break;
    case ID_PROGRAM_DELETE: OnDeleteProgram(); break;
    case ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER: OnDeleteProgramsInTransponder(); break;
    case ID_PROGRAM_DELETE_ALL_IN_NET: OnDeleteProgramsInNet(); break;
    default: return false;
    }
    emit commandStateChanged();
    return true;
}

bool EditorView::IsCommandEnabled(int id) const {
    const PaneKind pane = Pane();
    switch (id) {
    case ID_FILE_MODIFICATION_DATE:
    case ID_VIEW_CHANNEL_LIST:
    case ID_SATELLITE_SORT_BY_DEGREE:
    case ID_TRANSPONDER_ADD:
    case ID_TRANSPONDER_DELETE_ALL_IN_NET:
    case ID_PROGRAM_DELETE_ALL_IN_NET:
        return pane != PANE_EMPTY;
    case ID_SATELLITE_IMPORT_SATCODX:
        return pane == PANE_NETWORK;
    case ID_TRANSPONDER_DELETE:
    case ID_PROGRAM_ADD:
    case ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER:
        return pane == PANE_TRANSPONDER || pane == PANE_PROGRAM;
    case ID_PROGRAM_DELETE:
        return pane == PANE_PROGRAM;
    default:
        return true;
    }
}

bool EditorView::IsCommandChecked(int id) const {
    return id == ID_VIEW_CHANNEL_LIST && IsCommandEnabled(id) && channelListOpen_;
}

void EditorView::OnFileNew() {
    if (Pane() != PANE_EMPTY && !QuerySave())
        return;
    RebuildTree();
    database_.NewDefault();
    tree_->FillTree(database_);
    modified_ = false;
    UpdateTitle();
}

void EditorView::OnFileOpen() {
    OpenFile(QString());
}

void EditorView::OpenFile(const QString& path) {
    if (Pane() != PANE_EMPTY && !QuerySave())
        return;
    QString chosen = path;
    if (chosen.isEmpty()) {
        chosen = FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(QString::fromLatin1(kNdfFilter)),
                                             QStringLiteral("NDF"), FromNativePath(database_.pathName));
        if (chosen.isEmpty())
            return; // cancelled: silent
    }
    OpenWithPath(chosen);
}

void EditorView::OpenWithPath(const QString& path) {
    // The file is read and parsed into a database of its own, so that a file that fails at any
    // step leaves the database on screen exactly as it was.
    NetworkDatabase loaded;
    std::vector<uint8_t> image;
    NdfStatus status = loaded.Open(ToNativePath(path), image);
    if (status == NDF_OK) {
        status = loaded.Parse(image);
        image.clear();
        image.shrink_to_fit();
    }
    if (status != NDF_OK) {
        if (status > NDF_LAST_SILENT_STATUS)
            ShowOpenOrSaveError(status);
        return;
    }
    RebuildTree();
    database_ = std::move(loaded);
    tree_->FillTree(database_);
    modified_ = false;
    UpdateTitle();
}

void EditorView::OnFileClose() {
    if (Pane() == PANE_EMPTY || !QuerySave())
        return;
    rebuildingTree_ = true;
    tree_->ClearTree();
    database_.Clear();
    rebuildingTree_ = false;
    SetPane(PANE_EMPTY);
    currentItem_ = nullptr;
    modified_ = false;
    UpdateTitle();
}

void EditorView::OnFileSave() {
    if (!ApplyEdits(true))
        SaveFile(false);
}

void EditorView::OnFileSaveAs() {
    if (!ApplyEdits(true))
        SaveFile(true);
}

void EditorView::OnFilePrint() {
    MessageBox::Information(window(), QStringLiteral("Not yet ..."));
}

void EditorView::OnFormOk() {
    ApplyEdits(false);
    emit commandStateChanged();
}

void EditorView::OnMoreAudio() {
    if (Pane() == PANE_PROGRAM)
        editBar_->EditAudioList();
}

// ---- dialogs and the import ----

void EditorView::OnModificationDate() {
    if (Pane() == PANE_EMPTY)
        return;
    bool changed = false;
    RunModificationDateDialog(window(), database_, &changed);
    if (changed)
        MarkModified();
}

void EditorView::OnChannelList() {
    if (Pane() == PANE_EMPTY)
        return;
    uint32_t changes = 0;
    {
        ChannelListDialog dialog(database_, window());
        channelListOpen_ = true;
        emit commandStateChanged();
        if (dialog.exec() == QDialog::Accepted)
            changes = dialog.changeFlags();
    }
    if (changes != 0) {
        MarkModified();
        if (changes & CHANGED_ORDER) {
            // The tree lists each transponder's programs in channel order: rebuild it and put the
            // selection back on the record the pane shows, which keeps any pending form edits.
            void* shown = tree_->RecordOf(currentItem_);
            const TreeLevel level = tree_->LevelOf(currentItem_);
            rebuildingTree_ = true;
            tree_->ClearTree();
            tree_->FillTree(database_);
            TreeItemHandle item = nullptr;
            if (level == LEVEL_NETWORK)
                item = static_cast<Network*>(shown)->treeItem;
            else if (level == LEVEL_TRANSPONDER)
                item = static_cast<Transponder*>(shown)->treeItem;
            else if (level == LEVEL_PROGRAM)
                item = static_cast<Program*>(shown)->treeItem;
            tree_->SelectItem(item);
            currentItem_ = tree_->SelectedItem();
            rebuildingTree_ = false;
        }
    }
    channelListOpen_ = false;
    emit commandStateChanged();
}

void EditorView::OnImportSatcodx() {
    if (ApplyEdits(true) || Pane() != PANE_NETWORK)
        return;
    const QString path = FileDialog::GetOpenFileName(window(), FileDialog::QtFilter(QString::fromLatin1(kSatcodxFilter)),
                                                     QStringLiteral("SDX"));
    if (path.isEmpty())
        return;
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

// ---- record commands ----

void EditorView::OnSortByDegree() {
    if (ApplyEdits(true) || Pane() == PANE_EMPTY)
        return;
    if (!database_.SortByDegree(1800))
        return;
    RebuildTree();
    tree_->FillTree(database_);
    MarkModified();
}

void EditorView::OnAddTransponder() {
    if (ApplyEdits(true))
        return;
    Transponder* added = nullptr;
    switch (Pane()) {
    case PANE_NETWORK: {
        const uint8_t slot = database_.IndexOfNetwork(currentNetwork_);
        if (slot == NO_NETWORK)
            return;
        added = database_.AddTransponder(slot, NO_INDEX);
        // It closes the network's first run. No hint lets the tree place it by the database order,
        // which puts it last unless a later run of the same network (a damaged file) follows.
        if (added)
            tree_->InsertTransponderItem(*added, nullptr);
        break;
    }
    case PANE_TRANSPONDER:
    case PANE_PROGRAM: {
        const uint16_t index = Pane() == PANE_TRANSPONDER ? database_.IndexOfTransponder(currentTransponder_)
                                                          : currentProgram_->transponderIndex;
        Transponder* reference = TransponderAt(index);
        if (!reference)
            return;
        const TreeItemHandle before = reference->treeItem;
        added = database_.AddTransponder(reference->networkIndex, index);
        if (added)
            tree_->InsertTransponderItem(*added, before);
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
    if (ApplyEdits(true))
        return;
    Program* added = nullptr;
    if (Pane() == PANE_TRANSPONDER) {
        const uint16_t index = database_.IndexOfTransponder(currentTransponder_);
        if (index == NO_INDEX)
            return;
        added = database_.AddProgram(index, NO_INDEX);
        if (added)
            tree_->InsertProgramItem(*added, LAST_ITEM);
    } else if (Pane() == PANE_PROGRAM) {
        const TreeItemHandle before = currentProgram_->treeItem;
        added = database_.AddProgram(currentProgram_->transponderIndex, database_.IndexOfProgram(currentProgram_));
        if (added)
            tree_->InsertProgramItem(*added, before);
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
    const uint16_t index = TransponderIndexOfPane();
    Transponder* target = TransponderAt(index);
    if (!target)
        return;
    SetPane(PANE_EMPTY);
    tree_->DeleteItem(target->treeItem);
    database_.DeleteTransponder(index);
    MarkModified();
}

void EditorView::OnDeleteTranspondersInNet() {
    const uint8_t slot = NetworkSlotOfPane();
    Network* target = NetworkAt(slot);
    if (!target)
        return;
    if (Pane() != PANE_NETWORK)
        SetPane(PANE_EMPTY);
    tree_->DeleteChildren(target->treeItem);
    database_.DeleteTranspondersInNetwork(slot);
    MarkModified();
}

void EditorView::OnDeleteProgram() {
    if (Pane() != PANE_PROGRAM)
        return;
    const uint16_t index = database_.IndexOfProgram(currentProgram_);
    if (index == NO_INDEX)
        return;
    const TreeItemHandle item = currentProgram_->treeItem;
    SetPane(PANE_EMPTY);
    tree_->DeleteItem(item);
    database_.DeleteProgram(index);
    MarkModified();
}

void EditorView::OnDeleteProgramsInTransponder() {
    const uint16_t index = TransponderIndexOfPane();
    Transponder* target = TransponderAt(index);
    if (!target)
        return;
    if (Pane() == PANE_PROGRAM)
        SetPane(PANE_EMPTY);
    tree_->DeleteChildren(target->treeItem);
    database_.DeleteProgramsInTransponder(index);
    MarkModified();
}

void EditorView::OnDeleteProgramsInNet() {
    const uint8_t slot = NetworkSlotOfPane();
    Network* target = NetworkAt(slot);
    if (!target)
        return;
    if (Pane() == PANE_PROGRAM)
        SetPane(PANE_EMPTY);
    tree_->DeleteGrandchildren(target->treeItem);
    database_.DeleteProgramsInNetwork(slot);
    MarkModified();
}
