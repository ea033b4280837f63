#include "database/UndoHistory.h"

#include "database/NetworkDatabase.h"

#include <utility>

void UndoHistory::BeginStep(const std::string& name, StepPlace before) {
    if (depth_++ > 0)
        return;
    open_ = UndoStep();
    open_.name = name;
    open_.before = before;
}

bool UndoHistory::EndStep(StepPlace after, bool keep) {
    if (depth_ == 0 || --depth_ > 0)
        return false;
    if (open_.edits.empty() || !keep) {
        open_ = UndoStep();
        return false;
    }
    open_.after = after;
    // A new step ends every branch of undone steps.
    while (steps_.size() > current_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (saved_ > static_cast<int64_t>(current_))
        saved_ = -1;
    bytes_ += open_.bytes;
    steps_.push_back(std::move(open_));
    open_ = UndoStep();
    current_ = steps_.size();
    Trim();
    return true;
}

std::unique_ptr<DatabaseEdit> UndoHistory::Keep(std::unique_ptr<DatabaseEdit> edit) {
    if (!edit)
        return nullptr;
    if (depth_ == 0) {
        // A change outside any command still gets its step, so that nothing escapes undo.
        BeginStep(std::string());
        Keep(std::move(edit));
        EndStep();
        return nullptr;
    }
    open_.kinds |= edit->Kind();
    open_.bytes += edit->Bytes();
    open_.edits.push_back(std::move(edit));
    return nullptr;
}

std::string UndoHistory::UndoName() const {
    return CanUndo() ? steps_[current_ - 1].name : std::string();
}

std::string UndoHistory::RedoName() const {
    return CanRedo() ? steps_[current_].name : std::string();
}

const UndoStep* UndoHistory::Undo(NetworkDatabase& database) {
    if (!CanUndo())
        return nullptr;
    UndoStep& step = steps_[--current_];
    for (auto edit = step.edits.rbegin(); edit != step.edits.rend(); ++edit)
        database.UndoEdit(**edit);
    return &step;
}

const UndoStep* UndoHistory::Redo(NetworkDatabase& database) {
    if (!CanRedo())
        return nullptr;
    UndoStep& step = steps_[current_++];
    for (auto& edit : step.edits)
        database.RedoEdit(*edit);
    return &step;
}

void UndoHistory::Clear() {
    steps_.clear();
    current_ = 0;
    saved_ = 0;
    bytes_ = 0;
    depth_ = 0;
    open_ = UndoStep();
}

void UndoHistory::Trim() {
    // The newest step always stays, however large it is.
    while (bytes_ > limit_ && steps_.size() > 1 && current_ > 1) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --current_;
        saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
}
