// What the Channel List dialog edits, without any widget: the working channel order, the working
// favorite groups and their members, the rows of the group and tab shown, the sort and the change
// flags. Nothing reaches the database before WriteBack, which goes through its operations only.
#pragma once

#include "database/Limits.h"
#include "database/NetworkDatabase.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Bits of changeFlags.
constexpr uint32_t CHANGED_ORDER = 1;
constexpr uint32_t CHANGED_FAVORITES = 2;
constexpr uint32_t CHANGED_NAMES = 4;

// Kinds of the "Channel Group" entries; an entry's tag is groupIndex * 256 + groupKind.
constexpr uint8_t GROUP_ALL = 0;
constexpr uint8_t GROUP_NETWORK = 1;
constexpr uint8_t GROUP_FAVORITE = 2;

enum ChannelColumn { COLUMN_NAME = 0, COLUMN_CA = 1, COLUMN_NETWORK = 2, COLUMN_FAVORITE = 3, COLUMN_COUNT = 4 };

// caMask bits that the "CA" column shows and sorts by.
constexpr uint32_t CA_SHOWN_BITS = 0xC000FFFFu;

// Index of the program's network, or -1 when its transponder or the transponder's network does not exist.
int NetworkIndexOf(const NetworkDatabase& database, const Program& program);
// Lower-case form of a name byte in the ISO-8859-1 view.
unsigned char FoldLatin1(unsigned char c);
// The name with every letter folded to lower case: two names compare without regard to letter case
// by comparing their folded forms byte by byte.
std::string FoldName(const std::string& name);

// Everything the dialog edits, as one value: a copy is a complete snapshot of the session.
struct ChannelListState {
    // Positions in the programs table as it was at opening; the table does not change before OK.
    std::vector<uint32_t> workingOrder;
    // Working copies of the offered favorite groups (at most MAX_FAVORITE_GROUPS).
    std::vector<FavoriteGroup> workingGroups;
    // Per program at opening: bit i set when the program stands in a list of working group i.
    std::vector<uint8_t> favoriteMasks;
    uint8_t currentTab = 0;
    uint8_t groupKind = GROUP_ALL;
    uint8_t groupIndex = 0;
    // The row values of the list shown: a program's position in the programs table as it was at
    // opening (for a favorite group, the list entry itself).
    std::vector<uint32_t> rows;
    bool orderDirty = false;
    uint32_t changeFlags = 0;
    int32_t sortState = -1; // the column last sorted by, bit 31 set when descending; -1 for none
};

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
        // Row `from` goes to index `to` of the rows as they are before the move.
        virtual void RowAboutToMove(int /*from*/, int /*to*/) {}
        virtual void RowMoved() {}
        virtual void RowAboutToBeRemoved(int /*row*/) {}
        virtual void RowRemoved() {}
        virtual void RowsAboutToBeSorted() {}
        // newRowOf[old row] is the row's index after the sort.
        virtual void RowsSorted(const std::vector<int>& /*newRowOf*/) {}
        // The "Favorite" text of any row may have changed (membership or names).
        virtual void FavoriteTextsChanged() {}
    };

    // Opens on "All Satellites" and the "TV" tab. The database must outlive the session.
    explicit ChannelListSession(NetworkDatabase& database);

    // Null for none.
    void SetListener(Listener* listener);
    const NetworkDatabase& database() const { return database_; }

    // ---- the state ----
    const ChannelListState& state() const { return state_; }
    // Takes a state back that state() gave out earlier; the rows are replaced.
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

    // ---- rows ----
    const std::vector<uint32_t>& rows() const { return state_.rows; }
    int RowCount() const { return static_cast<int>(state_.rows.size()); }
    uint32_t RowValue(int row) const { return state_.rows[static_cast<size_t>(row)]; }
    const Program& RowProgram(int row) const { return *database_.programs()[RowValue(row)]; }
    // A cell's text in the ISO-8859-1 view.
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
    // Negative when the row value a goes before b under the current sortState.
    int CompareRows(uint32_t a, uint32_t b) const;
    // Moves row source to the index of row target (as it was before the move).
    bool MoveRow(int source, int target);

    // ---- favorites ----
    // Adds the row's program to working group `group`, or removes it, in the list of the tab
    // shown; false when it already was (was not) a member. Removing from the group shown also
    // removes the row.
    bool AddToFavorite(int group, int row);
    bool RemoveFromFavorite(int group, int row);
    // New names for the offered groups (extra strings are ignored); true when any name changed.
    bool ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names);

    // ---- search ----
    // The first row from `start` on, continuing from the top, whose name begins with `prefix`
    // (ISO-8859-1 bytes), letters compared without regard to case; -1 when there is none.
    int FindRow(const std::string& prefix, int start) const;

    // ---- OK ----
    // Stores the row order and writes the changed names, lists and order into the database.
    void WriteBack();

private:
    // Whether the program passes the row filter of the shown tab and group (not for favorite groups).
    bool IsShown(uint32_t programIndex) const;
    std::vector<uint16_t>& TabList(FavoriteGroup& group);
    void MarkChanged(uint32_t flags) { state_.changeFlags |= flags; }
    uint32_t ReorderFlag() const { return state_.groupKind == GROUP_FAVORITE ? CHANGED_FAVORITES : CHANGED_ORDER; }
    bool ValidEdit(int group, int row) const;

    NetworkDatabase& database_;
    std::vector<int> programNetwork_; // network index per program, -1 for none
    ChannelListState state_;
    Listener* listener_; // never null: a Listener that does nothing when none is set
};
