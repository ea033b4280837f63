#include "channellist/ChannelListHistory.h"

#include <utility>

size_t ChannelListHistory::BytesOf(const ChannelListStep& step) {
    const ChannelListState& s = step.state;
    size_t bytes = sizeof step + (s.workingOrder.size() + s.deleted.size() + s.rows.size()) * sizeof(uint32_t) +
                   s.favoriteMasks.size() + s.marks.size() +
                   (step.rowsBefore.size() + step.rowsAfter.size()) * sizeof(int);
    for (const FavoriteGroup& group : s.workingGroups)
        bytes += sizeof group + group.name.size() + (group.tvList.size() + group.radioList.size()) * sizeof(uint16_t);
    for (const auto& [program, name] : s.names)
        bytes += sizeof program + sizeof name + name.size() + 32; // and the map node
    return bytes;
}

void ChannelListHistory::Record(ChannelListStep step) {
    for (const ChannelListStep& undone : redo_)
        bytes_ -= BytesOf(undone);
    redo_.clear();
    bytes_ += BytesOf(step);
    undo_.push_back(std::move(step));
    while (bytes_ > budget_ && undo_.size() > 1) {
        bytes_ -= BytesOf(undo_.front());
        undo_.pop_front();
    }
}

namespace {

// Moves the newest step of `from` to `to`, with the state exchanged. The sizes of the two states
// differ, so the byte count follows.
const ChannelListStep& Exchange(std::deque<ChannelListStep>& from, std::deque<ChannelListStep>& to,
                                ChannelListState& current, size_t& bytes) {
    ChannelListStep step = std::move(from.back());
    from.pop_back();
    bytes -= ChannelListHistory::BytesOf(step);
    std::swap(step.state, current);
    bytes += ChannelListHistory::BytesOf(step);
    to.push_back(std::move(step));
    return to.back();
}

} // namespace

const ChannelListStep& ChannelListHistory::Undo(ChannelListState& current) {
    return Exchange(undo_, redo_, current, bytes_);
}

const ChannelListStep& ChannelListHistory::Redo(ChannelListState& current) {
    return Exchange(redo_, undo_, current, bytes_);
}
