// What the Channel List dialog edits, without any widget: the working channel order, the working
// favorite groups and their members, the rows of the group and tab shown, the sort and the change
// flags. Nothing reaches the database before WriteBack, which goes through its operations only.
#pragma once

#include "channellist/ChannelListHistory.h"
#include "channellist/ChannelListState.h"
#include "database/Limits.h"
#include "database/NetworkDatabase.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum ChannelColumn {
    COLUMN_NAME = 0,
    COLUMN_CA = 1,
    COLUMN_NETWORK = 2,
    COLUMN_FAVORITE = 3,
    COLUMN_LOCK = 4,
    COLUMN_SKIP = 5,
    COLUMN_COUNT = 6
};

// The attribute bits the "Lock" and "Skip" columns show and change.
constexpr uint8_t CHANNEL_MARKS = PA_LOCK | PA_SKIP;

// caMask bits that the "CA" column shows and sorts by.
constexpr uint32_t CA_SHOWN_BITS = 0xC000FFFFu;

// Index of the program's network, or -1 when its transponder or the transponder's network does not exist.
int NetworkIndexOf(const NetworkDatabase& database, const Program& program);
// Lower-case form of a name byte in the ISO-8859-1 view.
unsigned char FoldLatin1(unsigned char c);
// The name with every letter folded to lower case: two names compare without regard to letter case
// by comparing their folded forms byte by byte.
std::string FoldName(const std::string& name);

// An entry of the "Channel Group" list: its text (ISO-8859-1 bytes) and its tag.
struct ChannelGroupEntry {
    std::string name;
    int tag = 0;

    bool operator==(const ChannelGroupEntry&) const = default;
};

class ChannelListSession {
public:
    // Told before and after every change of the rows, so that a view of them can follow.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void RowsAboutToBeReplaced() {}
        virtual void RowsReplaced() {}
        // The same rows in another order (a sort, a move): newRowOf[old row] is the row's index after it.
        virtual void RowsAboutToBeReordered() {}
        virtual void RowsReordered(const std::vector<int>& /*newRowOf*/) {}
        // The "Favorite" text of any row may have changed (membership or names).
        virtual void FavoriteTextsChanged() {}
        // The name or the marks of some rows changed; the rows stay.
        virtual void RowTextsChanged(const std::vector<int>& /*rows*/) {}
    };

    // Opens on "All Satellites" and the "TV" tab. The database must outlive the session.
    explicit ChannelListSession(NetworkDatabase& database);

    // Null for none.
    void SetListener(Listener* listener);
    const NetworkDatabase& database() const { return database_; }

    // ---- the state ----
    const ChannelListState& state() const { return state_; }
    // Takes a state back that state() gave out earlier; the rows are replaced. Not an undo step.
    void Restore(ChannelListState state);

    const std::vector<uint32_t>& workingOrder() const { return state_.workingOrder; }
    const std::vector<FavoriteGroup>& workingGroups() const { return state_.workingGroups; }
    int FavoriteGroupCount() const { return static_cast<int>(state_.workingGroups.size()); }
    uint8_t FavoriteMask(uint32_t programIndex) const { return state_.favoriteMasks[programIndex]; }
    uint8_t currentTab() const { return state_.currentTab; }
    uint8_t groupKind() const { return state_.groupKind; }
    uint8_t groupIndex() const { return state_.groupIndex; }
    bool orderDirty() const { return state_.orderDirty; }
    uint32_t changeFlags() const { return state_.changeFlags; }
    int32_t sortState() const { return state_.sortState; }
    // The rows stand in the order of the last sort (the header shows its indicator).
    bool sortShown() const { return state_.sortShown; }

    // ---- rows ----
    const std::vector<uint32_t>& rows() const { return state_.rows; }
    int RowCount() const { return static_cast<int>(state_.rows.size()); }
    uint32_t RowValue(int row) const { return state_.rows[static_cast<size_t>(row)]; }
    const Program& RowProgram(int row) const { return *database_.programs()[RowValue(row)]; }
    // The program's PA_LOCK and PA_SKIP bits and its name as the list shows them.
    uint8_t Marks(uint32_t programIndex) const { return state_.marks[programIndex]; }
    const std::string& Name(uint32_t programIndex) const;
    // A cell's text in the ISO-8859-1 view ("Lock" and "Skip" cells are empty).
    std::string CellText(int row, int column) const;
    // The names of the program's favorite groups in group order, "/" between them; "Fav%u" with
    // the group's number for an empty name.
    std::string FavoriteText(uint32_t programIndex) const;

    // ---- groups ----
    // "All Satellites", every network with programs of either service type, then every offered
    // favorite group whose lists hold an entry.
    std::vector<ChannelGroupEntry> GroupEntries() const;
    // Whether working group `group` is listed: one of its lists holds an entry.
    bool HasEntries(int group) const;

    // ---- showing ----
    // Store the row order, then show another group or tab.
    void SelectGroup(uint8_t kind, uint8_t index);
    void SelectTab(uint8_t tab);
    // Rebuilds the rows of the group and tab shown and forgets the sort.
    void FillList();
    // Copies a changed row order into the working order or the favorite list shown.
    void StoreRowOrder();

    // ---- ordering ----
    // A click on a column header; false (nothing changes) with fewer than two rows.
    bool SortByColumn(int column);

    // ---- commands on a block of rows (ChannelListCommands.cpp) ----
    // Rows come in any order; repeats and rows outside the list are ignored. Each command that
    // changes something is one undo step and leaves editedRows() where its rows now stand.
    enum class BlockMove { Up, Down, Top, Bottom };
    // Gathers the rows into one block in their order, so that its first row lands at `position`
    // (held to the places the block fits); false when nothing moves.
    bool MoveRowsTo(const std::vector<int>& rows, int position);
    // One place up (the block starts above its first row) or down (it ends below its last row),
    // or to the top or bottom of the list.
    bool MoveRows(const std::vector<int>& rows, BlockMove move);
    // The dragged rows dropped on row `target` (not one of them); `source` is the row the drag
    // began on. Dragged downwards the block follows the target, upwards it precedes it.
    bool DropRows(const std::vector<int>& rows, int source, int target);
    // One row dropped on another: it lands at the index of row target (as it was before the move).
    bool MoveRow(int source, int target);
    // Adds the rows' programs that are not members to working group `group` (appended in row
    // order, to the list of the tab shown), or removes those that are; false when no row is
    // changed. Removing from the group shown also removes the rows.
    bool AddRowsToFavorite(int group, const std::vector<int>& rows);
    bool RemoveRowsFromFavorite(int group, const std::vector<int>& rows);
    bool AddToFavorite(int group, int row) { return AddRowsToFavorite(group, {row}); }
    bool RemoveFromFavorite(int group, int row) { return RemoveRowsFromFavorite(group, {row}); }
    // In a favorite group the rows leave it. Otherwise their programs are deleted: they leave the
    // working order and every favorite list at once, and the database at OK.
    bool DeleteRows(const std::vector<int>& rows);
    // Where the rows of the last command, undo or redo stand now (to be selected).
    const std::vector<int>& editedRows() const { return editedRows_; }

    // ---- marks and channel names ----
    // Whether every one of the rows has the mark (PA_LOCK or PA_SKIP); false for no rows.
    bool AllRowsMarked(const std::vector<int>& rows, uint8_t mark) const;
    // Sets the mark on the rows, or clears it when every one of them has it; false when nothing
    // changes. One undo step.
    bool ToggleRowsMark(const std::vector<int>& rows, uint8_t mark);
    bool SetRowsMark(const std::vector<int>& rows, uint8_t mark, bool on);
    // A new name (ISO-8859-1 bytes) for the row's channel; false, with nothing changed, when it
    // equals the name shown or is longer than a name can be. One undo step.
    bool RenameRow(int row, const std::string& name);

    // ---- group names ----
    // New names for the offered groups (extra strings are ignored); true when any name changed.
    bool ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names);

    // ---- search (the names as the list shows them) ----
    // The first row from `start` on, continuing from the top, whose name begins with `prefix`
    // (ISO-8859-1 bytes), letters compared without regard to case; -1 when there is none.
    int FindRow(const std::string& prefix, int start) const;
    // The same for a name that holds `text` anywhere.
    int FindRowContaining(const std::string& text, int start) const;

    // ---- history: every edit above is one step ----
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // Takes the last step back, or does the last undone step again, and shows what the list showed
    // then; false when there is none. editedRows() then holds the rows the step acted on.
    bool Undo();
    bool Redo();
    const ChannelListHistory& history() const { return history_; }

    // ---- OK ----
    // What OK would write: the change flags of the differences from the database as it was at
    // opening (stores the row order first). 0 when every edit was undone.
    uint32_t NetChanges();
    // Stores the row order and writes what differs into the database; changeFlags then holds
    // NetChanges. The rows are emptied first and the session is done: a second call does nothing.
    void WriteBack();

private:
    // Whether a mark or a name differs from the database's.
    bool ProgramsChanged() const;
    // Whether the program passes the row filter of the shown tab and group (not for favorite groups).
    bool IsShown(uint32_t programIndex) const;
    std::vector<uint16_t>& TabList(FavoriteGroup& group);
    void MarkChanged(uint32_t flags) { state_.changeFlags |= flags; }
    uint32_t ReorderFlag() const { return state_.groupKind == GROUP_FAVORITE ? CHANGED_FAVORITES : CHANGED_ORDER; }
    // The rows of the group and tab shown, as FillList shows them.
    std::vector<uint32_t> BuildRows() const;
    ChannelListShown Shown() const;
    // The edit just done changed the state, which was `before`: one undo step.
    void RecordStep(ChannelListState before, std::vector<int> rowsBefore, std::vector<int> rowsAfter);
    // The rows sorted, without repeats and rows outside the list.
    std::vector<int> ValidRows(const std::vector<int>& rows) const;
    // Takes the rows out of the list shown (sorted, valid), telling the listener.
    void RemoveShownRows(const std::vector<int>& rows);
    // Removes the rows' entries from the favorite list shown and clears the mask bits of programs
    // that leave the group; the rows stay.
    void RemoveFavoriteEntries(const std::vector<int>& rows);

    NetworkDatabase& database_;
    std::vector<int> programNetwork_; // network index per program, -1 for none
    ChannelListState state_;
    ChannelListHistory history_;
    std::vector<int> editedRows_;
    bool writtenBack_ = false;
    Listener* listener_; // never null: a Listener that does nothing when none is set
};
