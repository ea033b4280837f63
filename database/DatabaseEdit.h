// How a database announces its changes: every operation that changes a NetworkDatabase hands one
// DatabaseEdit to the database's ChangeListener, if it has one. An edit holds what the change
// needs to be taken back exactly (removed records, old values, the order it replaced) and to be
// made again; an undo history keeps the edits of one user command as one step.
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
    // The record whose fields a CHANGE_VALUES edit changed, as it is in the database now; null for
    // every other kind of edit.
    virtual const void* ChangedRecord(const NetworkDatabase& database) const {
        (void)database;
        return nullptr;
    }
};

class ChangeListener {
public:
    virtual ~ChangeListener() = default;
    // Called after each change with what it takes to undo it.
    virtual void OnChange(std::unique_ptr<DatabaseEdit> edit) = 0;
};
