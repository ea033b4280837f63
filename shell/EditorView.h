// The editor view: owns the one NetworkDatabase and the tree that shows it, carries out the
// document and record commands, and writes the edit bar's pending edits back to the database.
#pragma once

#include "database/NetworkDatabase.h"
#include "forms/PaneKind.h"
#include "shell/Commands.h"

#include <QString>
#include <QWidget>

class EditBar;
class NetworkTree;

class EditorView : public QWidget {
    Q_OBJECT

public:
    explicit EditorView(QWidget* parent = nullptr);
    ~EditorView() override;

    // The frame gives the view its edit bar once, right after creating it.
    void SetEditBar(EditBar* editBar);

    NetworkDatabase& Database() { return database_; }
    NetworkTree* Tree() const { return tree_; }
    EditBar* Bar() const { return editBar_; }
    PaneKind Pane() const;
    bool IsModified() const { return modified_; }
    bool IsChannelListOpen() const { return channelListOpen_; }
    TreeItemHandle CurrentItem() const { return currentItem_; }

    // ---- the apply-changes rule, saving and the title ----

    // Writes the pane's pending edits back; true (stop) when the caller must abandon what it does.
    bool ApplyEdits(bool ask);
    // Before anything that discards the database: true when the caller may go on.
    bool QuerySave();
    NdfStatus SaveFile(bool saveAs);
    void UpdateTitle();
    void MarkModified();
    void OnTreeSelChanged(TreeItemHandle newItem);

    // ---- commands ----

    // Carries out a command of the menu, tool bar or keyboard; false when it is not the view's.
    bool HandleCommand(int id);
    // The enable and check rules of the view's commands (every other command is enabled).
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;

    void OnFileNew();
    void OnFileOpen();
    // Open as the command does, but of the given file instead of asking for one.
    void OpenFile(const QString& path);
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnModificationDate();
    void OnChannelList();
    void OnImportSatcodx();
    void OnSortByDegree();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnDeleteTranspondersInNet();
    void OnAddProgram();
    void OnDeleteProgram();
    void OnDeleteProgramsInTransponder();
    void OnDeleteProgramsInNet();
    // The "OK" button of the form panes and the program pane's "More Audio..." button.
    void OnFormOk();
    void OnMoreAudio();

signals:
    // Something the enable and check rules depend on has changed.
    void commandStateChanged();

private:
    void OpenWithPath(const QString& path);
    void RebuildTree();
    void ShowItem(TreeItemHandle item);
    void SetPane(PaneKind kind);
    void ShowOpenOrSaveError(NdfStatus status);
    // The antenna configuration a network uses; null when its antennaIndex names none.
    AntennaConfig* AntennaConfigOf(const Network& network);
    Transponder* TransponderAt(uint16_t index);
    // The transponder the pane shows, or the shown program's; NO_INDEX for the other panes.
    uint16_t TransponderIndexOfPane() const;
    // The network the pane shows, or the shown record's; NO_NETWORK when there is none.
    uint8_t NetworkSlotOfPane() const;
    Network* NetworkAt(uint8_t index);

    NetworkDatabase database_;
    NetworkTree* tree_ = nullptr;
    EditBar* editBar_ = nullptr;
    TreeItemHandle currentItem_ = nullptr;
    AntennaConfig* currentAntennaConfig_ = nullptr; // null: the network's configuration slot is missing
    Network* currentNetwork_ = nullptr;
    Transponder* currentTransponder_ = nullptr;
    Program* currentProgram_ = nullptr;
    bool modified_ = false;
    bool channelListOpen_ = false;
    bool rebuildingTree_ = false;
};
