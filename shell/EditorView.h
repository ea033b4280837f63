// The editor view: owns the one NetworkDatabase and the tree that shows it, carries out the
// document and record commands, and writes the edit bar's pending edits back to the database.
#pragma once

#include "channellist/ChannelListState.h"
#include "database/NetworkDatabase.h"
#include "database/UndoHistory.h"
#include "forms/PaneKind.h"
#include "shell/Commands.h"
#include "shell/DiskFileStamp.h"
#include "shell/NetworkTreeModel.h"
#include "shell/ViewCommand.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <system_error>
#include <vector>

class EditBar;
class FindBar;
class QTimer;
namespace recovery {
struct Work;
}
class EditorView;
class NetworkTree;

// What the caller of ApplyEdits or QuerySave does next: go on, or abandon what it was doing.
enum class Flow { Proceed, Stop };

// One command's changes as one step of the view's history, from construction to destruction.
class CommandStep {
public:
    CommandStep(EditorView& view, const char* name);
    ~CommandStep();
    CommandStep(const CommandStep&) = delete;
    CommandStep& operator=(const CommandStep&) = delete;
    // Ends the step early; with keep false its changes stay but cannot be undone.
    void End(bool keep = true);

private:
    EditorView& view_;
    bool open_ = true;
};

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
    // The database differs from its file: the history is not at the step that was last saved.
    bool IsModified() const { return !history_.AtSavedPoint(); }
    const UndoHistory& History() const { return history_; }
    bool IsChannelListOpen() const { return channelListOpen_; }
    TreeItemHandle CurrentItem() const { return currentItem_; }

    // ---- the apply-changes rule, saving and the title ----

    // Writes the pane's pending edits back.
    Flow ApplyEdits(bool ask);
    // Before anything that discards the database.
    Flow QuerySave();
    NdfStatus SaveFile(bool saveAs);
    void UpdateTitle();
    // Refreshes the title when the modified flag changed with the history, and keeps the unsaved
    // work in its recovery file soon after (or drops that file when nothing is unsaved any more).
    void MarkModified();

    // ---- recovery of unsaved work ----

    // Writes the recovery file of a modified document now instead of when the timer runs out.
    void WriteRecoveryNow();
    // Removes the recovery file this editor wrote for the document: its work is saved or dropped.
    void DiscardRecovery();
    // At a start-up without a file: offers the newest unsaved work that a recovery file holds.
    void OfferRecoveryAtStartUp();
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
    void OnSortByDegree();
    void OnAddTransponder();
    void OnDeleteTransponder();
    void OnDeleteTranspondersInNet();
    void OnAddProgram();
    void OnDeleteProgram();
    void OnDeleteProgramsInTransponder();
    void OnDeleteProgramsInNet();
    // Edit Undo and Redo, and the menu texts that name the step they take.
    void OnUndo();
    void OnRedo();
    QString UndoText() const;
    QString RedoText() const;
    // The "OK" button of the form panes and the program pane's "More Audio..." button.
    void OnFormOk();
    void OnMoreAudio();
    // Edit Find: the find bar above the tree, with the focus in it; F3 and Shift+F3 go to the next
    // and the previous match, opening the tree down to it.
    void OnFind();
    void FindNext(bool backwards);
    FindBar* Finder() const { return findBar_; }
    // Program Lock and Skip: set the mark on every selected program, or clear it when all have it.
    void OnToggleProgramMark(uint8_t mark);
    // The Delete key in the tree: the selected programs or transponders go, once the user agrees.
    void OnDeleteKey();

signals:
    // Something the enable and check rules depend on has changed.
    void commandStateChanged();

private:
    friend class CommandStep;
    // The command families beside the view (ViewCommands.cpp) work on the view's document and tree.
    friend class ModificationDateCommand;
    friend class ChannelListCommand;
    friend class RestoreChannelListCommand;
    friend class ImportSatcodxCommand;
    friend class ApplyOrderCommand;
    friend class CleanUpCommand;
    friend class CompareCommand;
    ViewCommandTable commands_;
    // Where the user is: the record shown and its level, for the history to return to.
    StepPlace CurrentPlace() const;
    // The item of a record that exists in the database, or null.
    TreeItemHandle ItemOfPlace(const StepPlace& place) const;
    // Runs a change that may take away the records the pane shows: the pane goes blank first and
    // the tree follows the change without the view answering its moves of the selection. Then the
    // given place is selected and its stored record shown, or when it has no item, the item the
    // tree selected instead, else the first satellite. True when the change said it changed
    // anything.
    bool ChangeUnderBlankPane(const StepPlace& place, const std::function<bool()>& change);
    // The pane holds edits that differ from the stored record.
    bool PaneHasPendingEdits() const;
    // What the pane's edits would be applied as, e.g. "Edit Program"; empty for the empty pane.
    const char* PaneStepName() const;
    // The answer to an apply prompt: apply the edits, go on without them, or stop.
    enum class Answer { Apply, Skip, Stop };
    Answer AskToApply(const QString& prompt);
    struct NetworkEdits {
        bool config;
        bool network;
    };
    // Reads the network pane and tells what differs from the stored records.
    NetworkEdits ReadNetworkEdits() const;
    static Transponder WithStoredReferences(Transponder working, const Transponder& stored);
    static Program WithStoredReferences(Program working, const Program& stored);
    Flow ApplyNetworkEdits(bool ask);
    Flow ApplyTransponderEdits(bool ask);
    Flow ApplyProgramEdits(bool ask);
    void OpenWithPath(const QString& path);
    // The absolute path of the document's file; empty for a document never saved.
    QString DocumentPath() const;
    // Asks whether to recover work on the file at path that is newer than the file; true when the
    // recovered work was opened in place of the file.
    bool OfferRecoveryOf(const QString& path);
    // Asks whether to recover the work; Yes opens it as a modified document, No deletes it.
    bool OfferRecoveredWork(const recovery::Work& work);
    // Before a save onto the document's own file: false when another program changed the file
    // since it was opened or saved and the user does not want it overwritten.
    bool MayOverwriteFileOnDisk();
    void ShowSaveError(NdfStatus status, const std::error_code& cause, bool fileExisted);
    // Asks for another NDF file and reads it into `other`; false, after saying why as Open does,
    // when it is cancelled or cannot be read. `name` gets the file's name.
    bool LoadOtherFile(NetworkDatabase& other, QString& name);
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
    UndoHistory history_;
    bool titleModified_ = false; // the modified flag the title shows
    // Pane edits that Undo took back, for Redo to put back while the same record is shown.
    struct RevertedForm {
        TreeItemHandle item;
        PaneKind pane;
        AntennaConfig config;
        Network network;
        Transponder transponder;
        Program program;
    };
    std::optional<RevertedForm> revertedForm_;
    // The Channel List session discarded last, while the database is as it was then.
    std::optional<ChannelListState> discardedChannelList_;
    void RunChannelList(std::optional<ChannelListState> restore);
    bool channelListOpen_ = false;
    bool rebuildingTree_ = false;
    QTimer* recoveryTimer_ = nullptr; // runs from a change until its recovery file is written
    QString recoveryFile_;            // the recovery file written for the document; empty for none
    DiskFileStamp diskStamp_;         // the document's file as last opened or saved

    // ---- several records at once, find ----
    // The selected programs (the shown one first); empty unless the pane shows a program.
    std::vector<Program*> SelectedPrograms() const;
    std::vector<Transponder*> SelectedTransponders() const;
    bool AllSelectedHave(uint8_t mark) const;
    // Asks before count programs or transponders go; true for Yes.
    bool ConfirmDeletion(TreeLevel level, size_t count);
    void DeleteSelectedPrograms();
    void DeleteSelectedTransponders();
    // The edit bar's title: the pane's, and how many records are selected when there are several.
    void UpdateBarTitle();
    void UpdateFindPosition();
    void OnFindTextChanged();
    void OnFilterToggled(bool on);
    void ConnectFindAndSelection();
    FindBar* findBar_ = nullptr;
};
