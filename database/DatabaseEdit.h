// How a database announces its changes: every operation that changes a NetworkDatabase describes
// the change by one DatabaseEdit and announces it to each of the database's ChangeListeners (an
// undo history, the tree that shows the database, ...). An edit holds what the change needs to be
// taken back exactly (removed records, old values, the order it replaced) and to be made again; an
// undo history keeps the edits of one user command as one step, and has the database announce
// them again when it takes them back or makes them again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class NetworkDatabase;

// What a change touched, so that a view knows what to show anew after it is undone or redone.
enum ChangeKind : uint32_t {
    CHANGE_HEADER = 1u << 0,    // the stamp or keepStamp
    CHANGE_VALUES = 1u << 1,    // fields of records that stay where they are
    CHANGE_FAVORITES = 1u << 2, // names or entries of favorite groups
    CHANGE_RECORDS = 1u << 3,   // records inserted, removed or reordered (references renumbered)
};

// The kind of a record, for a listener that must know what a changed record is.
enum class RecordType {
    NONE,
    ANTENNA_CONFIG,
    NETWORK,
    TRANSPONDER,
    PROGRAM,
    FAVORITE_GROUP,
};

struct RecordRef {
    RecordType type = RecordType::NONE;
    const void* record = nullptr; // of the type above
};

class DatabaseEdit {
public:
    virtual ~DatabaseEdit() = default;

    // Undo runs on the database exactly as the change left it (every later edit undone), and
    // leaves it exactly as it was before the change; Redo runs on that state and makes the change
    // again. Both keep the same record objects: a record taken out by one is put back by the
    // other, so that pointers to records stay valid across undo and redo.
    virtual void Undo(NetworkDatabase& database) = 0;
    virtual void Redo(NetworkDatabase& database) = 0;
    // Memory the edit holds, in bytes, as far as it grows with the change.
    virtual size_t Bytes() const = 0;
    virtual ChangeKind Kind() const = 0;
    // The record whose fields a value edit changed, as it is in the database now; none for every
    // other kind of edit.
    virtual RecordRef ChangedRecord(const NetworkDatabase& database) const {
        (void)database;
        return RecordRef();
    }
};

// How the database came to its new state: an operation made a change, or undo or redo ran an edit
// that a listener kept.
enum class ChangeDirection {
    MADE,
    UNDONE,
    REDONE,
};

class ChangeListener {
public:
    virtual ~ChangeListener() = default;
    // A change an operation made: a listener that keeps edits (an undo history) takes it and
    // returns null; any other returns it, and it is offered to the next listener. An edit that no
    // listener keeps is dropped after the announcement. Called before OnChanged.
    virtual std::unique_ptr<DatabaseEdit> Keep(std::unique_ptr<DatabaseEdit> edit) { return edit; }
    // After every change, with the database in its new state: `edit` describes the change made,
    // taken back (UNDONE) or made again (REDONE). A listener must not change the database here.
    virtual void OnChanged(const DatabaseEdit& edit, ChangeDirection direction) {
        (void)edit;
        (void)direction;
    }
};
