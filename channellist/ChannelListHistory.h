// The Channel List's own undo history: one whole snapshot of the session's state per step, the
// oldest steps dropped beyond a memory budget.
#pragma once

#include "channellist/ChannelListState.h"

#include <cstddef>
#include <deque>
#include <vector>

// What the list shows: tab, group and sort.
struct ChannelListShown {
    uint8_t currentTab = 0;
    uint8_t groupKind = GROUP_ALL;
    uint8_t groupIndex = 0;
    int32_t sortState = -1;
    bool sortShown = false;

    bool operator==(const ChannelListShown&) const = default;
};

struct ChannelListStep {
    // The state on the other side of the step: before it while it waits to be undone, after it
    // while it waits to be redone.
    ChannelListState state;
    // What the list showed right after the step, which a redo shows again.
    ChannelListShown shownAfter;
    // The rows the step acted on, before it and after it (for the selection).
    std::vector<int> rowsBefore;
    std::vector<int> rowsAfter;
};

class ChannelListHistory {
public:
    // About two hundred snapshots of the largest database.
    static constexpr size_t kDefaultBudget = size_t{128} << 20;

    explicit ChannelListHistory(size_t budget = kDefaultBudget) : budget_(budget) {}

    // A step was done; its state is the one before it. The steps that were undone are forgotten,
    // and beyond the budget the oldest ones, the newest step always kept.
    void Record(ChannelListStep step);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Exchanges the step's state with `current`; the step then waits on the other side.
    const ChannelListStep& Undo(ChannelListState& current);
    const ChannelListStep& Redo(ChannelListState& current);

    size_t UndoCount() const { return undo_.size(); }
    size_t Bytes() const { return bytes_; }
    static size_t BytesOf(const ChannelListStep& step);

private:
    size_t budget_;
    size_t bytes_ = 0;
    std::deque<ChannelListStep> undo_;
    std::deque<ChannelListStep> redo_;
};
