// The commands of the channel list session that act on a block of rows: moves, drops, favorites
// and deletion. Each costs time in proportion to the rows shown, whatever the size of the block.
#include "channellist/ChannelListSession.h"

#include <algorithm>

namespace {

// A sorted run without gaps.
bool IsRun(const std::vector<int>& rows) {
    return !rows.empty() && rows.back() - rows.front() + 1 == static_cast<int>(rows.size());
}

} // namespace

std::vector<int> ChannelListSession::ValidRows(const std::vector<int>& rows) const {
    std::vector<int> valid;
    valid.reserve(rows.size());
    const int count = RowCount();
    for (const int row : rows) {
        if (row >= 0 && row < count)
            valid.push_back(row);
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

// ---- moves ----

bool ChannelListSession::MoveRowsTo(const std::vector<int>& rows, int position) {
    const std::vector<int> block = ValidRows(rows);
    const int count = RowCount();
    const int size = static_cast<int>(block.size());
    if (size == 0)
        return false;
    position = std::clamp(position, 0, count - size);
    if (IsRun(block) && block.front() == position)
        return false;

    ChannelListState before = state_;
    const std::vector<uint32_t>& old = state_.rows;
    std::vector<uint32_t> moved(static_cast<size_t>(count));
    std::vector<int> newRowOf(static_cast<size_t>(count));
    // The rows outside the block keep their order around it.
    size_t next = 0;
    int rest = 0;
    for (int row = 0; row < count; ++row) {
        if (next < block.size() && block[next] == row) {
            newRowOf[static_cast<size_t>(row)] = position + static_cast<int>(next++);
        } else {
            newRowOf[static_cast<size_t>(row)] = rest < position ? rest : rest + size;
            ++rest;
        }
        moved[static_cast<size_t>(newRowOf[static_cast<size_t>(row)])] = old[static_cast<size_t>(row)];
    }

    MarkChanged(ReorderFlag());
    state_.orderDirty = true;
    state_.sortShown = false;
    listener_->RowsAboutToBeReordered();
    state_.rows.swap(moved);
    listener_->RowsReordered(newRowOf);
    std::vector<int> after(block.size());
    for (size_t k = 0; k < after.size(); ++k)
        after[k] = position + static_cast<int>(k);
    RecordStep(std::move(before), block, std::move(after));
    return true;
}

bool ChannelListSession::MoveRows(const std::vector<int>& rows, BlockMove move) {
    const std::vector<int> block = ValidRows(rows);
    if (block.empty())
        return false;
    const int size = static_cast<int>(block.size());
    switch (move) {
    case BlockMove::Up:
        return MoveRowsTo(block, block.front() - 1);
    case BlockMove::Down:
        return MoveRowsTo(block, block.back() + 2 - size);
    case BlockMove::Top:
        return MoveRowsTo(block, 0);
    case BlockMove::Bottom:
        return MoveRowsTo(block, RowCount() - size);
    }
    return false;
}

bool ChannelListSession::DropRows(const std::vector<int>& rows, int source, int target) {
    const std::vector<int> block = ValidRows(rows);
    if (target < 0 || target >= RowCount() || std::binary_search(block.begin(), block.end(), target))
        return false;
    // The target's index among the rows that stay; the block goes after it or before it.
    const int above = static_cast<int>(std::lower_bound(block.begin(), block.end(), target) - block.begin());
    const int position = target - above + (target > source ? 1 : 0);
    return MoveRowsTo(block, position);
}

bool ChannelListSession::MoveRow(int source, int target) {
    return DropRows({source}, source, target);
}

// ---- favorites ----

bool ChannelListSession::AddRowsToFavorite(int group, const std::vector<int>& rows) {
    if (group < 0 || group >= FavoriteGroupCount())
        return false;
    const std::vector<int> valid = ValidRows(rows);
    const uint8_t bit = static_cast<uint8_t>(1u << group);
    ChannelListState before = state_;
    bool changed = false;
    for (const int row : valid) {
        const uint32_t value = RowValue(row);
        // Beyond what a 16-bit favorite entry can name, or already a member.
        if (value >= NO_INDEX || (state_.favoriteMasks[value] & bit))
            continue;
        state_.favoriteMasks[value] |= bit;
        // Every row value is the program's position in the programs table, which cannot change before OK.
        TabList(state_.workingGroups[static_cast<size_t>(group)]).push_back(static_cast<uint16_t>(value));
        changed = true;
    }
    if (!changed)
        return false;
    MarkChanged(CHANGED_FAVORITES);
    listener_->FavoriteTextsChanged();
    RecordStep(std::move(before), valid, valid);
    return true;
}

bool ChannelListSession::RemoveRowsFromFavorite(int group, const std::vector<int>& rows) {
    if (group < 0 || group >= FavoriteGroupCount())
        return false;
    const uint8_t bit = static_cast<uint8_t>(1u << group);
    const std::vector<int> valid = ValidRows(rows);
    std::vector<int> members;
    for (const int row : valid) {
        if (state_.favoriteMasks[RowValue(row)] & bit)
            members.push_back(row);
    }
    if (members.empty())
        return false;
    ChannelListState before = state_;
    std::vector<uint16_t>& list = TabList(state_.workingGroups[static_cast<size_t>(group)]);
    std::vector<int> after = valid;
    if (state_.groupKind == GROUP_FAVORITE && state_.groupIndex == group) {
        // The rows are the list's valid entries in order once it is stored.
        StoreRowOrder();
        RemoveFavoriteEntries(members);
        RemoveShownRows(members);
        after.assign(1, std::min(members.front(), RowCount() - 1));
        if (after.front() < 0)
            after.clear();
    } else {
        // The first occurrence of each program's value goes.
        for (const int row : members) {
            const uint32_t value = RowValue(row);
            state_.favoriteMasks[value] &= static_cast<uint8_t>(~bit);
            const auto found = std::find(list.begin(), list.end(), static_cast<uint16_t>(value));
            if (found != list.end())
                list.erase(found);
        }
    }
    MarkChanged(CHANGED_FAVORITES);
    listener_->FavoriteTextsChanged();
    RecordStep(std::move(before), valid, std::move(after));
    return true;
}

void ChannelListSession::RemoveFavoriteEntries(const std::vector<int>& rows) {
    FavoriteGroup& group = state_.workingGroups[state_.groupIndex];
    std::vector<uint16_t>& list = TabList(group);
    const size_t programCount = database_.programs().size();
    // Entries that designate no program are no rows and stay.
    std::vector<uint16_t> kept;
    kept.reserve(list.size());
    size_t next = 0;
    int row = 0;
    for (const uint16_t entry : list) {
        if (entry < programCount) {
            const bool removed = next < rows.size() && rows[next] == row;
            ++row;
            if (removed) {
                ++next;
                continue;
            }
        }
        kept.push_back(entry);
    }
    list.swap(kept);
    // A program may stand in the list twice (a damaged file): it leaves the group with its last entry.
    const uint8_t bit = static_cast<uint8_t>(1u << state_.groupIndex);
    for (const int r : rows)
        state_.favoriteMasks[RowValue(r)] &= static_cast<uint8_t>(~bit);
    for (const std::vector<uint16_t>* lists : {&group.tvList, &group.radioList}) {
        for (const uint16_t entry : *lists) {
            if (entry < programCount)
                state_.favoriteMasks[entry] |= bit;
        }
    }
}

void ChannelListSession::RemoveShownRows(const std::vector<int>& rows) {
    // Replaced rather than removed: the "No." of every later row changes too.
    listener_->RowsAboutToBeReplaced();
    std::vector<uint32_t>& shown = state_.rows;
    size_t next = 0;
    size_t out = 0;
    for (size_t row = 0; row < shown.size(); ++row) {
        if (next < rows.size() && rows[next] == static_cast<int>(row))
            ++next;
        else
            shown[out++] = shown[row];
    }
    shown.resize(out);
    listener_->RowsReplaced();
}

// ---- deletion ----

bool ChannelListSession::DeleteRows(const std::vector<int>& rows) {
    const std::vector<int> valid = ValidRows(rows);
    if (valid.empty())
        return false;
    if (state_.groupKind == GROUP_FAVORITE)
        return RemoveRowsFromFavorite(state_.groupIndex, valid);

    ChannelListState before = state_;
    // The rows' order goes into the working order first, so that the kept rows keep it.
    StoreRowOrder();
    const size_t programCount = database_.programs().size();
    std::vector<bool> gone(programCount, false);
    for (const int row : valid) {
        const uint32_t program = RowValue(row);
        gone[program] = true;
        state_.deleted.push_back(program);
        state_.favoriteMasks[program] = 0;
    }
    std::vector<uint32_t>& order = state_.workingOrder;
    order.erase(std::remove_if(order.begin(), order.end(), [&gone](uint32_t program) { return gone[program]; }),
                order.end());
    bool favorites = false;
    for (FavoriteGroup& group : state_.workingGroups) {
        for (std::vector<uint16_t>* list : {&group.tvList, &group.radioList}) {
            const size_t size = list->size();
            list->erase(std::remove_if(list->begin(), list->end(),
                                       [&](uint16_t entry) { return entry < programCount && gone[entry]; }),
                        list->end());
            favorites = favorites || list->size() != size;
        }
    }
    RemoveShownRows(valid);
    MarkChanged(CHANGED_ORDER | (favorites ? CHANGED_FAVORITES : 0));
    if (favorites)
        listener_->FavoriteTextsChanged();
    std::vector<int> after;
    if (RowCount() > 0)
        after.push_back(std::min(valid.front(), RowCount() - 1));
    RecordStep(std::move(before), valid, std::move(after));
    return true;
}
