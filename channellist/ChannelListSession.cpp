#include "channellist/ChannelListSession.h"

#include "database/DisplayTables.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int32_t kDescendingBit = INT32_MIN; // bit 31 of sortState

// What a row is sorted by: the folded name for "Name", a number for the other columns.
struct SortKey {
    std::string text;
    int64_t number = 0;
};

int CompareKeys(const SortKey& a, const SortKey& b) {
    if (const int text = a.text.compare(b.text); text != 0)
        return text < 0 ? -1 : 1;
    return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
}

ChannelListSession::Listener& NoListener() {
    static ChannelListSession::Listener none;
    return none;
}

} // namespace

unsigned char FoldLatin1(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    // Latin-1 capitals À..Þ, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    return c;
}

std::string FoldName(const std::string& name) {
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(FoldLatin1(static_cast<unsigned char>(c)));
    return folded;
}

int NetworkIndexOf(const NetworkDatabase& database, const Program& program) {
    if (program.transponderIndex >= database.transponders().size())
        return -1;
    const uint8_t network = database.transponders()[program.transponderIndex]->networkIndex;
    return network < database.networks().size() ? network : -1;
}

ChannelListSession::ChannelListSession(NetworkDatabase& database) : database_(database), listener_(&NoListener()) {
    const size_t programCount = database_.programs().size();
    state_.workingOrder.resize(programCount);
    std::iota(state_.workingOrder.begin(), state_.workingOrder.end(), uint32_t{0});

    // The network of every program, found once: the group filter and the counts use it. A program
    // whose transponder or network does not exist belongs to no network and shows only under
    // "All Satellites".
    programNetwork_.resize(programCount);
    for (size_t k = 0; k < programCount; ++k)
        programNetwork_[k] = NetworkIndexOf(database_, *database_.programs()[k]);

    // favoriteMask has one bit per group, so only the first eight groups are offered; the others
    // are left as they are (OK only renumbers their entries when the channel order changed).
    const size_t groupCount = std::min<size_t>(database_.favoriteGroups().size(), MAX_FAVORITE_GROUPS);
    state_.favoriteMasks.assign(programCount, 0);
    state_.marks.resize(programCount);
    for (size_t k = 0; k < programCount; ++k)
        state_.marks[k] = database_.programs()[k]->attributes & CHANNEL_MARKS;
    state_.workingGroups.reserve(groupCount);
    for (size_t i = 0; i < groupCount; ++i) {
        const FavoriteGroup& group = *database_.favoriteGroups()[i];
        state_.workingGroups.push_back(group);
        const uint8_t bit = static_cast<uint8_t>(1u << i);
        // An entry that designates no program (a damaged file) marks nothing.
        for (const std::vector<uint16_t>* list : {&group.tvList, &group.radioList}) {
            for (const uint16_t entry : *list) {
                if (entry < programCount)
                    state_.favoriteMasks[entry] |= bit;
            }
        }
    }
    FillList();
}

void ChannelListSession::SetListener(Listener* listener) {
    listener_ = listener ? listener : &NoListener();
}

void ChannelListSession::Restore(ChannelListState state) {
    listener_->RowsAboutToBeReplaced();
    state_ = std::move(state);
    listener_->RowsReplaced();
}

// ---- rows ----

std::string ChannelListSession::CellText(int row, int column) const {
    const Program& program = RowProgram(row);
    std::string text;
    switch (column) {
    case COLUMN_NAME:
        return Name(RowValue(row));
    case COLUMN_CA:
        FormatCaNames(program.caMask & CA_SHOWN_BITS, text);
        return text;
    case COLUMN_NETWORK: {
        const int network = NetworkIndexOf(database_, program);
        if (network < 0)
            return text;
        const Transponder& transponder = *database_.transponders()[program.transponderIndex];
        return database_.networks()[static_cast<size_t>(network)]->name + ' ' + std::to_string(transponder.frequency) +
               PolarityLetter(transponder.polarity());
    }
    case COLUMN_FAVORITE:
        return FavoriteText(RowValue(row));
    default:
        return text;
    }
}

const std::string& ChannelListSession::Name(uint32_t programIndex) const {
    const auto renamed = state_.names.find(programIndex);
    return renamed != state_.names.end() ? renamed->second : database_.programs()[programIndex]->name;
}

std::string ChannelListSession::FavoriteText(uint32_t programIndex) const {
    const uint8_t mask = FavoriteMask(programIndex);
    std::string text;
    for (size_t i = 0; i < state_.workingGroups.size(); ++i) {
        if (!(mask & (1u << i)))
            continue;
        if (!text.empty())
            text += '/';
        const std::string& name = state_.workingGroups[i].name;
        text += name.empty() ? "Fav" + std::to_string(i + 1) : name;
    }
    return text;
}

// ---- groups ----

std::vector<ChannelGroupEntry> ChannelListSession::GroupEntries() const {
    std::vector<ChannelGroupEntry> entries{{"All Satellites", GROUP_ALL}};
    // Programs of both service types count, so a network of radio programs only is listed too.
    std::vector<uint32_t> counts(database_.networks().size(), 0);
    for (const int network : programNetwork_) {
        if (network >= 0)
            ++counts[static_cast<size_t>(network)];
    }
    for (size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] != 0)
            entries.push_back({database_.networks()[i]->name, static_cast<int>(i * 256 + GROUP_NETWORK)});
    }
    for (int i = 0; i < FavoriteGroupCount(); ++i) {
        if (HasEntries(i))
            entries.push_back({state_.workingGroups[static_cast<size_t>(i)].name, i * 256 + GROUP_FAVORITE});
    }
    return entries;
}

bool ChannelListSession::HasEntries(int group) const {
    if (group < 0 || group >= FavoriteGroupCount())
        return false;
    const FavoriteGroup& working = state_.workingGroups[static_cast<size_t>(group)];
    return !working.tvList.empty() || !working.radioList.empty();
}

// ---- showing ----

bool ChannelListSession::IsShown(uint32_t programIndex) const {
    const bool radio = database_.programs()[programIndex]->IsRadio();
    if (radio != (state_.currentTab == 1))
        return false;
    return state_.groupKind != GROUP_NETWORK || programNetwork_[programIndex] == state_.groupIndex;
}

std::vector<uint16_t>& ChannelListSession::TabList(FavoriteGroup& group) {
    return state_.currentTab == 0 ? group.tvList : group.radioList;
}

void ChannelListSession::SelectGroup(uint8_t kind, uint8_t index) {
    StoreRowOrder();
    state_.groupKind = kind;
    state_.groupIndex = index;
    FillList();
}

void ChannelListSession::SelectTab(uint8_t tab) {
    StoreRowOrder();
    state_.currentTab = tab;
    FillList();
}

std::vector<uint32_t> ChannelListSession::BuildRows() const {
    std::vector<uint32_t> rows;
    if (state_.groupKind == GROUP_FAVORITE) {
        if (state_.groupIndex < state_.workingGroups.size()) {
            const size_t programCount = database_.programs().size();
            const FavoriteGroup& group = state_.workingGroups[state_.groupIndex];
            const std::vector<uint16_t>& list = state_.currentTab == 0 ? group.tvList : group.radioList;
            rows.reserve(list.size());
            for (const uint16_t entry : list) {
                if (entry < programCount)
                    rows.push_back(entry);
            }
        }
    } else {
        rows.reserve(state_.workingOrder.size());
        for (const uint32_t program : state_.workingOrder) {
            if (IsShown(program))
                rows.push_back(program);
        }
    }
    return rows;
}

void ChannelListSession::FillList() {
    std::vector<uint32_t> rows = BuildRows();
    listener_->RowsAboutToBeReplaced();
    state_.sortState = -1;
    state_.sortShown = false;
    state_.rows = std::move(rows);
    listener_->RowsReplaced();
}

void ChannelListSession::StoreRowOrder() {
    if (!state_.orderDirty)
        return;
    state_.orderDirty = false;
    const std::vector<uint32_t>& rows = state_.rows;
    size_t row = 0;
    if (state_.groupKind == GROUP_FAVORITE) {
        if (state_.groupIndex >= state_.workingGroups.size())
            return;
        // The rows are the valid entries of the list; entries that designate no program keep their
        // places and the rows fill the others in row order.
        const size_t programCount = database_.programs().size();
        for (uint16_t& entry : TabList(state_.workingGroups[state_.groupIndex])) {
            if (row == rows.size())
                break;
            if (entry < programCount)
                entry = static_cast<uint16_t>(rows[row++]);
        }
        return;
    }
    // The shown programs are permuted among the positions they hold; every other position keeps
    // its program.
    for (uint32_t& program : state_.workingOrder) {
        if (row == rows.size())
            break;
        if (IsShown(program))
            program = rows[row++];
    }
}

// ---- ordering ----

namespace {

SortKey KeyOf(const Program& program, const std::string& name, uint8_t favoriteMask, uint8_t marks, int column) {
    SortKey key;
    switch (column) {
    case COLUMN_NAME:
        key.text = FoldName(name);
        break;
    case COLUMN_LOCK:
        key.number = marks & PA_LOCK;
        break;
    case COLUMN_SKIP:
        key.number = marks & PA_SKIP;
        break;
    case COLUMN_CA:
        // The mask as an unsigned value: a 32-bit difference of two masks would wrap for masks
        // with bit 30 or 31 and give an order that is not transitive.
        key.number = program.caMask & CA_SHOWN_BITS;
        break;
    case COLUMN_NETWORK:
        key.number = program.transponderIndex;
        break;
    case COLUMN_FAVORITE:
        key.number = favoriteMask;
        break;
    default:
        break;
    }
    return key;
}

} // namespace

bool ChannelListSession::SortByColumn(int column) {
    if (RowCount() < 2 || column < 0 || column >= COLUMN_COUNT)
        return false;
    ChannelListState before = state_;
    int32_t& sortState = state_.sortState;
    if (sortState != -1 && (sortState & ~kDescendingBit) == column)
        sortState ^= kDescendingBit;
    else
        sortState = column;
    // The keys are taken once, in row order: comparing them needs no visit to the records.
    std::vector<uint32_t>& rows = state_.rows;
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const uint32_t value : rows)
        keys.push_back(KeyOf(*database_.programs()[value], Name(value), FavoriteMask(value), Marks(value), column));
    const bool descending = (sortState & kDescendingBit) != 0;
    // Rows with equal keys keep their order.
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys, descending](size_t a, size_t b) {
        const int result = CompareKeys(keys[a], keys[b]);
        return descending ? result > 0 : result < 0;
    });

    listener_->RowsAboutToBeReordered();
    std::vector<uint32_t> sorted(rows.size());
    std::vector<int> newRowOf(rows.size());
    for (size_t k = 0; k < order.size(); ++k) {
        sorted[k] = rows[order[k]];
        newRowOf[order[k]] = static_cast<int>(k);
    }
    rows.swap(sorted);
    state_.sortShown = true;
    listener_->RowsReordered(newRowOf);
    MarkChanged(ReorderFlag());
    state_.orderDirty = true;
    RecordStep(std::move(before), {}, {});
    return true;
}

// ---- marks and channel names ----

bool ChannelListSession::AllRowsMarked(const std::vector<int>& rows, uint8_t mark) const {
    const std::vector<int> valid = ValidRows(rows);
    return !valid.empty() && std::all_of(valid.begin(), valid.end(),
                                         [this, mark](int row) { return (Marks(RowValue(row)) & mark) != 0; });
}

bool ChannelListSession::ToggleRowsMark(const std::vector<int>& rows, uint8_t mark) {
    return SetRowsMark(rows, mark, !AllRowsMarked(rows, mark));
}

bool ChannelListSession::SetRowsMark(const std::vector<int>& rows, uint8_t mark, bool on) {
    mark &= CHANNEL_MARKS;
    const std::vector<int> valid = ValidRows(rows);
    const bool changes = mark != 0 && std::any_of(valid.begin(), valid.end(), [this, mark, on](int row) {
                             return ((Marks(RowValue(row)) & mark) == mark) != on;
                         });
    if (!changes)
        return false;
    ChannelListState before = state_;
    for (const int row : valid) {
        uint8_t& marks = state_.marks[RowValue(row)];
        marks = static_cast<uint8_t>(on ? (marks | mark) : (marks & ~mark));
    }
    MarkChanged(CHANGED_PROGRAMS);
    listener_->RowTextsChanged(valid);
    RecordStep(std::move(before), valid, valid);
    return true;
}

bool ChannelListSession::RenameRow(int row, const std::string& name) {
    if (row < 0 || row >= RowCount() || name.size() > MAX_NAME_BYTES)
        return false;
    const uint32_t program = RowValue(row);
    if (Name(program) == name)
        return false;
    ChannelListState before = state_;
    if (database_.programs()[program]->name == name)
        state_.names.erase(program);
    else
        state_.names[program] = name;
    MarkChanged(CHANGED_PROGRAMS);
    listener_->RowTextsChanged({row});
    RecordStep(std::move(before), {row}, {row});
    return true;
}

// ---- group names ----

bool ChannelListSession::ApplyGroupNames(const std::array<std::string, MAX_FAVORITE_GROUPS>& names) {
    ChannelListState before = state_;
    bool changed = false;
    for (size_t i = 0; i < state_.workingGroups.size(); ++i) {
        if (state_.workingGroups[i].name != names[i]) {
            state_.workingGroups[i].name = names[i];
            changed = true;
        }
    }
    if (changed) {
        MarkChanged(CHANGED_NAMES);
        listener_->FavoriteTextsChanged();
        RecordStep(std::move(before), {}, {});
    }
    return changed;
}

// ---- search ----

namespace {

bool BeginsWith(const std::string& name, const std::string& pattern) {
    if (name.size() < pattern.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (FoldLatin1(static_cast<unsigned char>(name[i])) != static_cast<unsigned char>(pattern[i]))
            return false;
    }
    return true;
}

} // namespace

int ChannelListSession::FindRow(const std::string& prefix, int start) const {
    const int count = RowCount();
    const std::string pattern = FoldName(prefix);
    for (int step = 0; step < count; ++step) {
        const int row = (std::max(start, 0) + step) % count;
        if (BeginsWith(Name(RowValue(row)), pattern))
            return row;
    }
    return -1;
}

int ChannelListSession::FindRowContaining(const std::string& text, int start) const {
    const int count = RowCount();
    const std::string pattern = FoldName(text);
    for (int step = 0; step < count; ++step) {
        const int row = (std::max(start, 0) + step) % count;
        if (FoldName(Name(RowValue(row))).find(pattern) != std::string::npos)
            return row;
    }
    return -1;
}

// ---- history ----

ChannelListShown ChannelListSession::Shown() const {
    return {state_.currentTab, state_.groupKind, state_.groupIndex, state_.sortState, state_.sortShown};
}

void ChannelListSession::RecordStep(ChannelListState before, std::vector<int> rowsBefore, std::vector<int> rowsAfter) {
    editedRows_ = rowsAfter;
    history_.Record({std::move(before), Shown(), std::move(rowsBefore), std::move(rowsAfter)});
}

bool ChannelListSession::Undo() {
    if (!history_.CanUndo())
        return false;
    listener_->RowsAboutToBeReplaced();
    const ChannelListStep& step = history_.Undo(state_);
    listener_->RowsReplaced();
    editedRows_ = step.rowsBefore;
    return true;
}

bool ChannelListSession::Redo() {
    if (!history_.CanRedo())
        return false;
    listener_->RowsAboutToBeReplaced();
    const ChannelListStep& step = history_.Redo(state_);
    const ChannelListShown& shown = step.shownAfter;
    if (Shown() != shown) {
        // The list was switched after the step: show what it showed right after it. The row order
        // of the switch was stored, so the rows come back as they were.
        StoreRowOrder();
        state_.currentTab = shown.currentTab;
        state_.groupKind = shown.groupKind;
        state_.groupIndex = shown.groupIndex;
        state_.rows = BuildRows();
        state_.sortState = shown.sortState;
        state_.sortShown = shown.sortShown;
    }
    listener_->RowsReplaced();
    editedRows_ = step.rowsAfter;
    return true;
}

// ---- OK ----

uint32_t ChannelListSession::NetChanges() {
    StoreRowOrder();
    uint32_t flags = 0;
    if (!state_.deleted.empty())
        flags |= CHANGED_ORDER;
    for (size_t k = 0; k < state_.workingOrder.size() && !(flags & CHANGED_ORDER); ++k) {
        if (state_.workingOrder[k] != k)
            flags |= CHANGED_ORDER;
    }
    if (ProgramsChanged())
        flags |= CHANGED_PROGRAMS;
    for (size_t i = 0; i < state_.workingGroups.size(); ++i) {
        const FavoriteGroup& stored = *database_.favoriteGroups()[i];
        const FavoriteGroup& working = state_.workingGroups[i];
        if (stored.name != working.name)
            flags |= CHANGED_NAMES;
        if (stored.tvList != working.tvList || stored.radioList != working.radioList)
            flags |= CHANGED_FAVORITES;
    }
    return flags;
}

bool ChannelListSession::ProgramsChanged() const {
    for (const auto& [program, name] : state_.names) {
        if (database_.programs()[program]->name != name)
            return true;
    }
    for (size_t k = 0; k < state_.marks.size(); ++k) {
        if ((database_.programs()[k]->attributes & CHANNEL_MARKS) != state_.marks[k])
            return true;
    }
    return false;
}

void ChannelListSession::WriteBack() {
    if (writtenBack_)
        return;
    writtenBack_ = true;
    const uint32_t flags = NetChanges();
    state_.changeFlags = flags;
    // From here on the rows' program indices no longer name what they named: the views of the
    // session see an empty list before the first record moves, so that nothing reads a row against
    // the database while it is renumbered and shrunk (a dialog's model is asked for its rows again
    // while the dialog hides).
    listener_->RowsAboutToBeReplaced();
    state_.rows.clear();
    listener_->RowsReplaced();
    // Marks and names go first, while the programs still stand where they stood at opening.
    if (flags & CHANGED_PROGRAMS) {
        for (size_t k = 0; k < state_.marks.size(); ++k) {
            const Program& stored = *database_.programs()[k];
            const std::string& name = Name(static_cast<uint32_t>(k));
            if ((stored.attributes & CHANNEL_MARKS) == state_.marks[k] && stored.name == name)
                continue;
            Program program = stored;
            program.attributes = static_cast<uint8_t>((program.attributes & ~CHANNEL_MARKS) | state_.marks[k]);
            program.name = name;
            database_.SetProgram(k, program);
        }
    }
    // The offered groups take their names and lists first, still numbered by the old order; the
    // new channel order then renumbers every group, offered or not.
    for (size_t i = 0; i < state_.workingGroups.size(); ++i) {
        const FavoriteGroup& working = state_.workingGroups[i];
        FavoriteGroup group = *database_.favoriteGroups()[i];
        if (group.name == working.name && group.tvList == working.tvList && group.radioList == working.radioList)
            continue;
        group.name = working.name;
        group.tvList = working.tvList;
        group.radioList = working.radioList;
        database_.SetFavoriteGroup(i, group);
    }
    if (!(flags & CHANGED_ORDER))
        return;
    // The deleted programs go last in the new order, then from the end of the table, so that no
    // kept program is renumbered twice.
    std::vector<uint32_t> order = state_.workingOrder;
    order.insert(order.end(), state_.deleted.begin(), state_.deleted.end());
    bool moved = false;
    for (size_t k = 0; k < order.size() && !moved; ++k)
        moved = order[k] != k;
    if (moved)
        database_.ReorderPrograms(order);
    if (!state_.deleted.empty()) {
        std::vector<size_t> last(state_.deleted.size());
        std::iota(last.begin(), last.end(), state_.workingOrder.size());
        database_.DeletePrograms(last);
    }
}
