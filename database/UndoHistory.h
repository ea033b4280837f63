// The undo history of one document: the edits a database announces, grouped into named steps
// (one per user command), which can be undone and redone any number of times. It remembers the
// step at which the document was last saved, and drops its oldest steps when it holds too much.
#pragma once

#include "database/DatabaseEdit.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class NetworkDatabase;

// Where the user was when a step began or ended, for the view to return to; the history only
// keeps it. `record` is compared by address, never read through.
struct StepPlace {
    const void* record = nullptr;
    int level = 0;
};

struct UndoStep {
    std::string name;
    StepPlace before; // when the step began
    StepPlace after;  // when it ended
    std::vector<std::unique_ptr<DatabaseEdit>> edits;
    uint32_t kinds = 0; // ChangeKind bits of its edits
    size_t bytes = 0;
};

class UndoHistory : public ChangeListener {
public:
    static constexpr size_t DEFAULT_LIMIT = size_t{256} << 20;

    explicit UndoHistory(size_t memoryLimit = DEFAULT_LIMIT) : limit_(memoryLimit) {}

    // Every edit from BeginStep to EndStep belongs to one step. A step that is already open stays
    // the one step: inner Begin/End pairs only count.
    void BeginStep(const std::string& name, StepPlace before = StepPlace());
    // Closes the step; a step without edits is dropped and the history stays as it was. With keep
    // false its changes stay but are no step (nothing the user would call a change, say). True
    // when the step was kept.
    bool EndStep(StepPlace after = StepPlace(), bool keep = true);
    bool StepOpen() const { return depth_ > 0; }

    // Every edit an operation makes goes into the open step.
    std::unique_ptr<DatabaseEdit> Keep(std::unique_ptr<DatabaseEdit> edit) override;

    bool CanUndo() const { return StepOpen() ? false : current_ > 0; }
    bool CanRedo() const { return StepOpen() ? false : current_ < steps_.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Where the user was when the step Undo would take began, and when the step Redo would make
    // again ended; nowhere when there is none.
    StepPlace UndoPlace() const { return CanUndo() ? steps_[current_ - 1].before : StepPlace(); }
    StepPlace RedoPlace() const { return CanRedo() ? steps_[current_].after : StepPlace(); }

    // Takes back the last step (or makes the next one again) through the database, which announces
    // each edit to its listeners, and returns it; null when there is nothing to undo (redo). The
    // database must be the one whose edits were recorded.
    const UndoStep* Undo(NetworkDatabase& database);
    const UndoStep* Redo(NetworkDatabase& database);

    // A new, empty history; the document as it is now counts as saved.
    void Clear();
    // The document as it is now is the one on disk.
    void MarkSaved() { saved_ = static_cast<int64_t>(current_); }
    // No step matches the file any more (the document was recovered from unsaved work): it stays
    // modified whatever is undone or redone, until it is saved.
    void ForgetSavedPoint() { saved_ = -1; }
    // Whether undo and redo have brought the document back to what is on disk.
    bool AtSavedPoint() const { return saved_ == static_cast<int64_t>(current_); }

    size_t StepCount() const { return steps_.size(); }
    size_t Bytes() const { return bytes_; }
    size_t Limit() const { return limit_; }

private:
    void Trim();

    size_t limit_;
    std::deque<UndoStep> steps_;
    size_t current_ = 0; // steps_[0..current_) are done, the rest undone
    int64_t saved_ = 0;  // the value of current_ that matches the file; -1 when none can
    size_t bytes_ = 0;
    int depth_ = 0;
    UndoStep open_;
};
