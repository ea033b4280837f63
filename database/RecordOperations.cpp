// Inserting and deleting transponders and programs, with every index reference kept valid, and
// the edits that take each of these changes back exactly.
#include "database/CollectionAccess.h"

#include <algorithm>
#include <new>

namespace {

// Grows capacity geometrically ahead of an insertion so that the insertion itself cannot fail.
template <class T> bool MakeRoom(std::vector<T>& items, size_t extra = 1) {
    if (items.size() + extra <= items.capacity())
        return true;
    try {
        items.reserve(std::max<size_t>({16, items.size() * 2, items.size() + extra}));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// ---- the index arithmetic of a removal ----

// Removing the sorted indices `removed` from a collection of `count` records. Kept indices close
// up; an index past the collection (a damaged reference) moves down by the number removed. The
// mapping is one to one on what is kept, so Restore undoes Shrink exactly.
class Removal {
public:
    Removal(const std::vector<size_t>& removed, size_t count) : count_(count), total_(removed.size()) {
        below_.assign(count + 1, 0);
        size_t r = 0;
        for (size_t i = 0; i < count; ++i) {
            const bool gone = r < removed.size() && removed[r] == i;
            if (gone)
                ++r;
            else
                kept_.push_back(i);
            below_[i + 1] = below_[i] + (gone ? 1 : 0);
        }
    }

    bool Removed(size_t i) const { return i < count_ && below_[i + 1] != below_[i]; }
    size_t Shrink(size_t i) const { return i < count_ ? i - below_[i] : i - total_; }
    size_t Restore(size_t i) const { return i < kept_.size() ? kept_[i] : i + total_; }

private:
    size_t count_;
    size_t total_;
    std::vector<size_t> below_; // removed indices below i
    std::vector<size_t> kept_;  // old index of each kept record
};

// Takes the records at the sorted indices out of the collection, in order.
template <class T> RecordList<T> TakeOut(RecordList<T>& list, const std::vector<size_t>& indices) {
    RecordList<T> taken;
    taken.reserve(indices.size());
    size_t kept = 0;
    size_t r = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (r < indices.size() && indices[r] == i) {
            taken.push_back(std::move(list[i]));
            ++r;
            continue;
        }
        if (kept != i)
            list[kept] = std::move(list[i]);
        ++kept;
    }
    list.resize(kept);
    return taken;
}

// Puts records back at the sorted indices they had before TakeOut.
template <class T> void PutBack(RecordList<T>& list, const std::vector<size_t>& indices, RecordList<T>& records) {
    RecordList<T> merged(list.size() + records.size());
    size_t from = 0;
    size_t r = 0;
    for (size_t i = 0; i < merged.size(); ++i) {
        if (r < indices.size() && indices[r] == i)
            merged[i] = std::move(records[r++]);
        else
            merged[i] = std::move(list[from++]);
    }
    list.swap(merged);
    records.clear();
}

// ---- deleting programs ----

// A favorite entry that named a deleted program: where it stood, so that undo puts it back.
struct DroppedEntry {
    uint32_t group;
    uint32_t position;
    uint16_t value;
    bool radio;
};

class ProgramRemovalEdit final : public DatabaseEdit {
public:
    explicit ProgramRemovalEdit(std::vector<size_t> indices) : indices_(std::move(indices)) {}

    // Takes the programs out, drops the favorite entries that name them and renumbers the rest.
    void Redo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        const Removal removal(indices_, programs.size());
        held_ = TakeOut(programs, indices_);
        dropped_.clear();
        RecordList<FavoriteGroup>& groups = Records<FavoriteGroup>(db);
        for (size_t g = 0; g < groups.size(); ++g) {
            for (const bool radio : {false, true}) {
                std::vector<uint16_t>& list = radio ? groups[g]->radioList : groups[g]->tvList;
                size_t kept = 0;
                for (size_t i = 0; i < list.size(); ++i) {
                    if (removal.Removed(list[i])) {
                        dropped_.push_back(
                            DroppedEntry{static_cast<uint32_t>(g), static_cast<uint32_t>(i), list[i], radio});
                        continue;
                    }
                    list[kept++] = static_cast<uint16_t>(removal.Shrink(list[i]));
                }
                list.resize(kept);
            }
        }
    }

    void Undo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        const Removal removal(indices_, programs.size() + held_.size());
        RecordList<FavoriteGroup>& groups = Records<FavoriteGroup>(db);
        size_t d = 0;
        for (size_t g = 0; g < groups.size(); ++g) {
            for (const bool radio : {false, true}) {
                std::vector<uint16_t>& list = radio ? groups[g]->radioList : groups[g]->tvList;
                size_t end = d;
                while (end < dropped_.size() && dropped_[end].group == g && dropped_[end].radio == radio)
                    ++end;
                if (end == d) {
                    for (uint16_t& entry : list)
                        entry = static_cast<uint16_t>(removal.Restore(entry));
                    continue;
                }
                const size_t total = list.size() + (end - d);
                std::vector<uint16_t> restored;
                restored.reserve(total);
                size_t from = 0;
                for (size_t i = 0; i < total; ++i) {
                    if (d < end && dropped_[d].position == i)
                        restored.push_back(dropped_[d++].value);
                    else
                        restored.push_back(static_cast<uint16_t>(removal.Restore(list[from++])));
                }
                list.swap(restored);
            }
        }
        dropped_.clear();
        PutBack(programs, indices_, held_);
    }

    size_t Bytes() const override {
        size_t bytes =
            sizeof(*this) + indices_.capacity() * sizeof(size_t) + dropped_.capacity() * sizeof(DroppedEntry);
        for (const auto& program : held_)
            bytes += RecordBytes(*program);
        return bytes;
    }
    ChangeKind Kind() const override { return static_cast<ChangeKind>(CHANGE_RECORDS | CHANGE_FAVORITES); }

private:
    std::vector<size_t> indices_;
    RecordList<Program> held_;
    std::vector<DroppedEntry> dropped_;
};

void RemovePrograms(NetworkDatabase& db, std::vector<size_t> indices) {
    if (indices.empty())
        return;
    auto edit = std::make_unique<ProgramRemovalEdit>(std::move(indices));
    edit->Redo(db);
    CollectionAccess::Record(db, std::move(edit));
}

// ---- deleting transponders ----

// The transponders go with all their programs; every other program reference closes up.
class TransponderRemovalEdit final : public DatabaseEdit {
public:
    explicit TransponderRemovalEdit(std::vector<size_t> indices) : indices_(std::move(indices)) {}

    void Redo(NetworkDatabase& db) override {
        RecordList<Transponder>& transponders = Records<Transponder>(db);
        const Removal removal(indices_, transponders.size());
        held_ = TakeOut(transponders, indices_);
        std::vector<size_t> gone;
        RecordList<Program>& programs = Records<Program>(db);
        for (size_t i = 0; i < programs.size(); ++i) {
            Program& program = *programs[i];
            if (removal.Removed(program.transponderIndex))
                gone.push_back(i);
            else
                program.transponderIndex = static_cast<uint16_t>(removal.Shrink(program.transponderIndex));
        }
        programs_ = std::make_unique<ProgramRemovalEdit>(std::move(gone));
        programs_->Redo(db);
    }

    void Undo(NetworkDatabase& db) override {
        RecordList<Transponder>& transponders = Records<Transponder>(db);
        const Removal removal(indices_, transponders.size() + held_.size());
        // Every program now in the collection is one that stayed: its reference goes back first,
        // then the deleted programs return with the references they kept.
        for (auto& program : Records<Program>(db))
            program->transponderIndex = static_cast<uint16_t>(removal.Restore(program->transponderIndex));
        programs_->Undo(db);
        programs_.reset();
        PutBack(transponders, indices_, held_);
    }

    size_t Bytes() const override {
        size_t bytes = sizeof(*this) + indices_.capacity() * sizeof(size_t) + (programs_ ? programs_->Bytes() : 0);
        for (const auto& transponder : held_)
            bytes += RecordBytes(*transponder);
        return bytes;
    }
    ChangeKind Kind() const override { return static_cast<ChangeKind>(CHANGE_RECORDS | CHANGE_FAVORITES); }

private:
    std::vector<size_t> indices_;
    RecordList<Transponder> held_;
    std::unique_ptr<ProgramRemovalEdit> programs_;
};

void RemoveTransponders(NetworkDatabase& db, std::vector<size_t> indices) {
    if (indices.empty())
        return;
    auto edit = std::make_unique<TransponderRemovalEdit>(std::move(indices));
    edit->Redo(db);
    CollectionAccess::Record(db, std::move(edit));
}

// ---- inserting ----

// A reference that named no record before an insertion keeps its old value here, since moving
// it along may clamp it (at NO_INDEX) and so lose it.
struct KeptReference {
    uint32_t owner; // the program, or the favorite entry's position
    uint32_t group; // favorite entries: the group
    uint16_t value;
    bool radio;
};

// A run of transponders inserted at one place; with shiftPrograms, every program reference at
// or after it moves along by the run's length.
class TransponderInsertEdit final : public DatabaseEdit {
public:
    TransponderInsertEdit(size_t position, RecordList<Transponder> run, bool shiftPrograms)
        : position_(position), count_(run.size()), shift_(shiftPrograms), held_(std::move(run)) {}

    void Redo(NetworkDatabase& db) override {
        RecordList<Transponder>& transponders = Records<Transponder>(db);
        const size_t oldCount = transponders.size();
        transponders.insert(transponders.begin() + static_cast<std::ptrdiff_t>(position_),
                            std::make_move_iterator(held_.begin()), std::make_move_iterator(held_.end()));
        held_.clear();
        damaged_.clear();
        if (!shift_)
            return;
        RecordList<Program>& programs = Records<Program>(db);
        for (size_t i = 0; i < programs.size(); ++i) {
            uint16_t& index = programs[i]->transponderIndex;
            // A reference past the transponders (a damaged file) moves along but must not wrap
            // round to a real transponder; NO_INDEX stays as it is.
            if (index < position_ || index == NO_INDEX)
                continue;
            if (index >= oldCount)
                damaged_.push_back(KeptReference{static_cast<uint32_t>(i), 0, index, false});
            index = static_cast<uint16_t>(std::min<size_t>(index + count_, NO_INDEX));
        }
    }

    void Undo(NetworkDatabase& db) override {
        RecordList<Transponder>& transponders = Records<Transponder>(db);
        const auto first = transponders.begin() + static_cast<std::ptrdiff_t>(position_);
        held_.assign(std::make_move_iterator(first),
                     std::make_move_iterator(first + static_cast<std::ptrdiff_t>(count_)));
        transponders.erase(first, first + static_cast<std::ptrdiff_t>(count_));
        if (!shift_)
            return;
        const size_t end = transponders.size() + count_;
        RecordList<Program>& programs = Records<Program>(db);
        for (auto& program : programs) {
            uint16_t& index = program->transponderIndex;
            if (index >= position_ + count_ && index < end)
                index = static_cast<uint16_t>(index - count_);
        }
        for (const KeptReference& kept : damaged_)
            programs[kept.owner]->transponderIndex = kept.value;
        damaged_.clear();
    }

    size_t Bytes() const override {
        size_t bytes = sizeof(*this) + damaged_.capacity() * sizeof(KeptReference);
        for (const auto& transponder : held_)
            bytes += RecordBytes(*transponder);
        return bytes;
    }
    ChangeKind Kind() const override { return CHANGE_RECORDS; }

private:
    size_t position_;
    size_t count_;
    bool shift_;
    RecordList<Transponder> held_;
    std::vector<KeptReference> damaged_;
};

bool InsertTransponderRun(NetworkDatabase& db, size_t position, RecordList<Transponder> run, bool shiftPrograms) {
    RecordList<Transponder>& transponders = Records<Transponder>(db);
    if (run.empty() || position > transponders.size() || transponders.size() + run.size() > MAX_COUNT16 ||
        !MakeRoom(transponders, run.size()))
        return false;
    auto edit = std::make_unique<TransponderInsertEdit>(position, std::move(run), shiftPrograms);
    edit->Redo(db);
    CollectionAccess::Record(db, std::move(edit));
    return true;
}

// One program inserted; every favorite entry at or after it moves along.
class ProgramInsertEdit final : public DatabaseEdit {
public:
    ProgramInsertEdit(size_t position, std::unique_ptr<Program> program)
        : position_(position), held_(std::move(program)) {}

    void Redo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        const size_t oldCount = programs.size();
        programs.insert(programs.begin() + static_cast<std::ptrdiff_t>(position_), std::move(held_));
        damaged_.clear();
        // Appending leaves every valid entry alone, but an entry past the programs (a damaged
        // file) must still name no program afterwards: one equal to the old count would name the
        // new program.
        RecordList<FavoriteGroup>& groups = Records<FavoriteGroup>(db);
        for (size_t g = 0; g < groups.size(); ++g) {
            for (const bool radio : {false, true}) {
                std::vector<uint16_t>& list = radio ? groups[g]->radioList : groups[g]->tvList;
                for (size_t i = 0; i < list.size(); ++i) {
                    uint16_t& entry = list[i];
                    if (entry < position_ || entry == NO_INDEX)
                        continue;
                    if (entry >= oldCount)
                        damaged_.push_back(
                            KeptReference{static_cast<uint32_t>(i), static_cast<uint32_t>(g), entry, radio});
                    ++entry;
                }
            }
        }
    }

    void Undo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        held_ = std::move(programs[position_]);
        programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(position_));
        const size_t end = programs.size() + 1;
        RecordList<FavoriteGroup>& groups = Records<FavoriteGroup>(db);
        for (auto& group : groups) {
            for (auto* list : {&group->tvList, &group->radioList}) {
                for (uint16_t& entry : *list) {
                    if (entry > position_ && entry < end)
                        --entry;
                }
            }
        }
        for (const KeptReference& kept : damaged_) {
            FavoriteGroup& group = *groups[kept.group];
            (kept.radio ? group.radioList : group.tvList)[kept.owner] = kept.value;
        }
        damaged_.clear();
    }

    size_t Bytes() const override {
        return sizeof(*this) + damaged_.capacity() * sizeof(KeptReference) + (held_ ? RecordBytes(*held_) : 0);
    }
    ChangeKind Kind() const override { return static_cast<ChangeKind>(CHANGE_RECORDS | CHANGE_FAVORITES); }

private:
    size_t position_;
    std::unique_ptr<Program> held_;
    std::vector<KeptReference> damaged_;
};

} // namespace

size_t NetworkDatabase::InsertTransponder(std::unique_ptr<Transponder> transponder, uint16_t position) {
    if (!transponder)
        return NO_INDEX;
    const size_t index = position != NO_INDEX && position < transponders_.size()
                             ? position
                             : EndTransponderOf(transponder->networkIndex);
    RecordList<Transponder> run;
    run.push_back(std::move(transponder));
    return InsertTransponderRun(*this, index, std::move(run), false) ? index : NO_INDEX;
}

bool NetworkDatabase::InsertTransponders(size_t position, std::vector<Transponder> run) {
    RecordList<Transponder> records;
    try {
        records.reserve(run.size());
        for (Transponder& transponder : run)
            records.push_back(std::make_unique<Transponder>(std::move(transponder)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return InsertTransponderRun(*this, position, std::move(records), true);
}

Transponder* NetworkDatabase::AddTransponder(uint8_t networkSlot, uint16_t position) {
    std::unique_ptr<Transponder> created(new (std::nothrow) Transponder);
    if (!created)
        return nullptr;
    created->InitTransponder(networkSlot, 0, 0);
    Transponder* transponder = created.get();
    const size_t index =
        position != NO_INDEX && position < transponders_.size() ? position : EndTransponderOf(networkSlot);
    RecordList<Transponder> run;
    run.push_back(std::move(created));
    // The record belongs to the collection only when the insertion took it.
    return InsertTransponderRun(*this, index, std::move(run), true) ? transponder : nullptr;
}

Program* NetworkDatabase::AddProgram(uint16_t transponderIndex, uint16_t position) {
    if (programs_.size() >= MAX_COUNT16 || !MakeRoom(programs_))
        return nullptr;
    std::unique_ptr<Program> created(new (std::nothrow) Program(transponderIndex));
    if (!created)
        return nullptr;
    Program* program = created.get();
    const size_t k = position < programs_.size() ? position : programs_.size();
    auto edit = std::make_unique<ProgramInsertEdit>(k, std::move(created));
    edit->Redo(*this);
    Record(std::move(edit));
    return program;
}

void NetworkDatabase::DeleteProgram(size_t index) {
    if (index < programs_.size())
        RemovePrograms(*this, {index});
}

void NetworkDatabase::DeletePrograms(const std::vector<size_t>& indices) {
    RemovePrograms(*this, NormalizeIndices(indices, programs_.size()));
}

void NetworkDatabase::DeleteTransponder(size_t index) {
    if (index < transponders_.size())
        RemoveTransponders(*this, {index});
}

void NetworkDatabase::DeleteTransponders(const std::vector<size_t>& indices) {
    RemoveTransponders(*this, NormalizeIndices(indices, transponders_.size()));
}

void NetworkDatabase::DeleteProgramsInTransponder(uint16_t transponderIndex) {
    std::vector<size_t> indices;
    for (size_t i = 0; i < programs_.size(); ++i) {
        if (programs_[i]->transponderIndex == transponderIndex)
            indices.push_back(i);
    }
    RemovePrograms(*this, std::move(indices));
}

void NetworkDatabase::DeleteProgramsInNetwork(uint8_t networkSlot) {
    std::vector<size_t> indices;
    for (size_t i = 0; i < programs_.size(); ++i) {
        const size_t t = programs_[i]->transponderIndex;
        if (t < transponders_.size() && transponders_[t]->networkIndex == networkSlot)
            indices.push_back(i);
    }
    RemovePrograms(*this, std::move(indices));
}

void NetworkDatabase::DeleteTranspondersInNetwork(uint8_t networkSlot) {
    std::vector<size_t> indices;
    for (size_t i = 0; i < transponders_.size(); ++i) {
        if (transponders_[i]->networkIndex == networkSlot)
            indices.push_back(i);
    }
    RemoveTransponders(*this, std::move(indices));
}
