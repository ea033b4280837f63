#include "database/NetworkDatabase.h"

#include "database/AtomicFile.h"
#include "database/CollectionAccess.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <utility>

namespace {

constexpr RecordType TypeOf(const AntennaConfig*) {
    return RecordType::ANTENNA_CONFIG;
}
constexpr RecordType TypeOf(const Network*) {
    return RecordType::NETWORK;
}
constexpr RecordType TypeOf(const Transponder*) {
    return RecordType::TRANSPONDER;
}
constexpr RecordType TypeOf(const Program*) {
    return RecordType::PROGRAM;
}
constexpr RecordType TypeOf(const FavoriteGroup*) {
    return RecordType::FAVORITE_GROUP;
}

// A record takes a new value; undoing and redoing both swap the held value with the live one.
template <class T> class ValueEdit final : public DatabaseEdit {
public:
    ValueEdit(size_t index, T value, ChangeKind kind) : index_(index), value_(std::move(value)), kind_(kind) {}
    void Undo(NetworkDatabase& db) override { Swap(db); }
    void Redo(NetworkDatabase& db) override { Swap(db); }
    size_t Bytes() const override { return sizeof(*this) + RecordBytes(value_); }
    ChangeKind Kind() const override { return kind_; }
    RecordRef ChangedRecord(const NetworkDatabase& db) const override {
        const RecordList<T>& list = Records<T>(db);
        return index_ < list.size() ? RecordRef{TypeOf(static_cast<const T*>(nullptr)), list[index_].get()}
                                    : RecordRef();
    }

private:
    void Swap(NetworkDatabase& db) {
        T& live = *Records<T>(db)[index_];
        T current = live;
        AssignValue(live, value_);
        value_ = std::move(current);
    }

    size_t index_;
    T value_;
    ChangeKind kind_;
};

template <class T> void SetValue(NetworkDatabase& db, size_t index, const T& value, ChangeKind kind) {
    RecordList<T>& list = Records<T>(db);
    if (index >= list.size())
        return;
    // Announced once made, with the old value.
    std::unique_ptr<DatabaseEdit> edit;
    if (CollectionAccess::Recording(db))
        edit = std::make_unique<ValueEdit<T>>(index, *list[index], kind);
    AssignValue(*list[index], value);
    if (edit)
        CollectionAccess::Record(db, std::move(edit));
}

// Records appended at the end of a collection: undo takes them off and keeps them, redo puts the
// same records back.
template <class T> class AppendEdit final : public DatabaseEdit {
public:
    AppendEdit(size_t count, ChangeKind kind) : count_(count), kind_(kind) {}
    void Undo(NetworkDatabase& db) override {
        RecordList<T>& list = Records<T>(db);
        held_.assign(std::make_move_iterator(list.end() - static_cast<std::ptrdiff_t>(count_)),
                     std::make_move_iterator(list.end()));
        list.resize(list.size() - count_);
    }
    void Redo(NetworkDatabase& db) override {
        RecordList<T>& list = Records<T>(db);
        list.insert(list.end(), std::make_move_iterator(held_.begin()), std::make_move_iterator(held_.end()));
        held_.clear();
    }
    size_t Bytes() const override { return sizeof(*this) + count_ * sizeof(T); }
    ChangeKind Kind() const override { return kind_; }

private:
    size_t count_;
    ChangeKind kind_;
    RecordList<T> held_;
};

// The record is built from args in place: a reader appends defaults and fills them where they stand.
template <class T, class... Args> T& Append(NetworkDatabase& db, ChangeKind kind, Args&&... args) {
    RecordList<T>& list = Records<T>(db);
    list.push_back(std::make_unique<T>(std::forward<Args>(args)...));
    if (CollectionAccess::Recording(db))
        CollectionAccess::Record(db, std::make_unique<AppendEdit<T>>(1, kind));
    return *list.back();
}

// The stamp and keepStamp; undo and redo swap the held values with the live ones.
struct HeaderValues {
    uint8_t stampYear, stampMonth, stampDay;
    bool keepStamp;
};

HeaderValues HeaderOf(const NetworkDatabase& db) {
    return HeaderValues{db.stampYear, db.stampMonth, db.stampDay, db.keepStamp};
}

class HeaderEdit final : public DatabaseEdit {
public:
    explicit HeaderEdit(HeaderValues values) : values_(values) {}
    void Undo(NetworkDatabase& db) override { Swap(db); }
    void Redo(NetworkDatabase& db) override { Swap(db); }
    size_t Bytes() const override { return sizeof(*this); }
    ChangeKind Kind() const override { return CHANGE_HEADER; }

private:
    void Swap(NetworkDatabase& db) {
        const HeaderValues current = HeaderOf(db);
        db.stampYear = values_.stampYear;
        db.stampMonth = values_.stampMonth;
        db.stampDay = values_.stampDay;
        db.keepStamp = values_.keepStamp;
        values_ = current;
    }

    HeaderValues values_;
};

// The whole favorite group collection replaced; undo and redo swap it with the held one.
class GroupsEdit final : public DatabaseEdit {
public:
    explicit GroupsEdit(RecordList<FavoriteGroup> groups) : groups_(std::move(groups)) {}
    void Undo(NetworkDatabase& db) override { Records<FavoriteGroup>(db).swap(groups_); }
    void Redo(NetworkDatabase& db) override { Records<FavoriteGroup>(db).swap(groups_); }
    size_t Bytes() const override {
        size_t bytes = sizeof(*this);
        for (const auto& group : groups_)
            bytes += RecordBytes(*group);
        return bytes;
    }
    ChangeKind Kind() const override { return CHANGE_FAVORITES; }

private:
    RecordList<FavoriteGroup> groups_;
};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The white space that a "%u" conversion skips.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

CalendarDate LocalNow() {
    const std::tm local = LocalTime(std::time(nullptr));
    return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
}

NetworkDatabase::NetworkDatabase(NetworkDatabase&& other) noexcept {
    *this = std::move(other);
}

NetworkDatabase& NetworkDatabase::operator=(NetworkDatabase&& other) noexcept {
    version = other.version;
    stampYear = other.stampYear;
    stampMonth = other.stampMonth;
    stampDay = other.stampDay;
    formatFlags = other.formatFlags;
    keepStamp = other.keepStamp;
    pathName = std::move(other.pathName);
    loadedPathName = std::move(other.loadedPathName);
    antennaConfigs_ = std::move(other.antennaConfigs_);
    networks_ = std::move(other.networks_);
    transponders_ = std::move(other.transponders_);
    programs_ = std::move(other.programs_);
    favoriteGroups_ = std::move(other.favoriteGroups_);
    return *this;
}

void NetworkDatabase::AddChangeListener(ChangeListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void NetworkDatabase::RemoveChangeListener(ChangeListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void NetworkDatabase::Record(std::unique_ptr<DatabaseEdit> edit) {
    if (!edit)
        return;
    // The keeper takes the edit first, so that it has the edits in the order they were made even
    // when a listener's answer to the announcement leads to further changes.
    DatabaseEdit& made = *edit;
    for (ChangeListener* listener : listeners_) {
        if (!edit)
            break;
        edit = listener->Keep(std::move(edit));
    }
    for (ChangeListener* listener : listeners_)
        listener->OnChanged(made, ChangeDirection::MADE);
}

void NetworkDatabase::UndoEdit(DatabaseEdit& edit) {
    edit.Undo(*this);
    for (ChangeListener* listener : listeners_)
        listener->OnChanged(edit, ChangeDirection::UNDONE);
}

void NetworkDatabase::RedoEdit(DatabaseEdit& edit) {
    edit.Redo(*this);
    for (ChangeListener* listener : listeners_)
        listener->OnChanged(edit, ChangeDirection::REDONE);
}

// ---- building ----

AntennaConfig& NetworkDatabase::AppendAntennaConfig() {
    return Append<AntennaConfig>(*this, CHANGE_RECORDS);
}

AntennaConfig& NetworkDatabase::AppendAntennaConfig(AntennaConfig config) {
    return Append<AntennaConfig>(*this, CHANGE_RECORDS, std::move(config));
}

Network& NetworkDatabase::AppendNetwork() {
    return Append<Network>(*this, CHANGE_RECORDS);
}

Network& NetworkDatabase::AppendNetwork(Network network) {
    return Append<Network>(*this, CHANGE_RECORDS, std::move(network));
}

Transponder& NetworkDatabase::AppendTransponder() {
    return Append<Transponder>(*this, CHANGE_RECORDS);
}

Transponder& NetworkDatabase::AppendTransponder(Transponder transponder) {
    return Append<Transponder>(*this, CHANGE_RECORDS, std::move(transponder));
}

Program& NetworkDatabase::AppendProgram() {
    return Append<Program>(*this, CHANGE_RECORDS);
}

Program& NetworkDatabase::AppendProgram(Program program) {
    return Append<Program>(*this, CHANGE_RECORDS, std::move(program));
}

FavoriteGroup& NetworkDatabase::AppendFavoriteGroup() {
    return Append<FavoriteGroup>(*this, CHANGE_FAVORITES);
}

FavoriteGroup& NetworkDatabase::AppendFavoriteGroup(FavoriteGroup group) {
    return Append<FavoriteGroup>(*this, CHANGE_FAVORITES, std::move(group));
}

// ---- collections ----

void NetworkDatabase::Clear() {
    antennaConfigs_.clear();
    networks_.clear();
    transponders_.clear();
    programs_.clear();
    favoriteGroups_.clear();
    pathName.clear();
    keepStamp = false;
}

NdfStatus NetworkDatabase::NewDefault() {
    Clear();
    keepStamp = false;
    formatFlags = NDF_FLAG_PROG_CA;
    antennaConfigs_.reserve(NEW_DATABASE_SLOTS);
    networks_.reserve(NEW_DATABASE_SLOTS);
    for (int slot = 0; slot < NEW_DATABASE_SLOTS; ++slot) {
        antennaConfigs_.push_back(std::make_unique<AntennaConfig>());
        auto network = std::make_unique<Network>();
        network->antennaIndex = static_cast<uint8_t>(slot);
        networks_.push_back(std::move(network));
    }
    return NDF_OK;
}

uint8_t NetworkDatabase::IndexOfNetwork(const Network* network) const {
    for (size_t i = 0; i < networks_.size() && i < NO_NETWORK; ++i) {
        if (networks_[i].get() == network)
            return static_cast<uint8_t>(i);
    }
    return NO_NETWORK;
}

uint16_t NetworkDatabase::IndexOfTransponder(const Transponder* transponder) const {
    for (size_t i = 0; i < transponders_.size() && i < NO_INDEX; ++i) {
        if (transponders_[i].get() == transponder)
            return static_cast<uint16_t>(i);
    }
    return NO_INDEX;
}

uint16_t NetworkDatabase::IndexOfProgram(const Program* program) const {
    for (size_t i = 0; i < programs_.size() && i < NO_INDEX; ++i) {
        if (programs_[i].get() == program)
            return static_cast<uint16_t>(i);
    }
    return NO_INDEX;
}

size_t NetworkDatabase::FirstTransponderOf(uint8_t networkSlot) const {
    for (size_t i = 0; i < transponders_.size(); ++i) {
        if (transponders_[i]->networkIndex == networkSlot)
            return i;
    }
    return transponders_.size();
}

size_t NetworkDatabase::EndTransponderOf(uint8_t networkSlot) const {
    size_t i = FirstTransponderOf(networkSlot);
    while (i < transponders_.size() && transponders_[i]->networkIndex == networkSlot)
        ++i;
    return i;
}

// ---- record values ----

void NetworkDatabase::SetAntennaConfig(size_t index, const AntennaConfig& value) {
    SetValue(*this, index, value, CHANGE_VALUES);
}

void NetworkDatabase::SetNetwork(size_t index, const Network& value) {
    SetValue(*this, index, value, CHANGE_VALUES);
}

void NetworkDatabase::SetTransponder(size_t index, const Transponder& value) {
    SetValue(*this, index, value, CHANGE_VALUES);
}

void NetworkDatabase::SetProgram(size_t index, const Program& value) {
    SetValue(*this, index, value, CHANGE_VALUES);
}

namespace {

// Attribute bits of many programs at once: the edit holds each changed program's index and its
// attributes before, and the bits it set or cleared.
class ProgramAttributesEdit final : public DatabaseEdit {
public:
    ProgramAttributesEdit(std::vector<std::pair<size_t, uint8_t>> before, uint8_t mask, bool set)
        : before_(std::move(before)), mask_(mask), set_(set) {}
    void Undo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        for (const auto& [index, attributes] : before_)
            programs[index]->attributes = attributes;
    }
    void Redo(NetworkDatabase& db) override {
        RecordList<Program>& programs = Records<Program>(db);
        for (const auto& entry : before_)
            Apply(*programs[entry.first]);
    }
    size_t Bytes() const override { return sizeof(*this) + before_.capacity() * sizeof(before_[0]); }
    ChangeKind Kind() const override { return CHANGE_VALUES; }
    // One program changed: a listener may follow just that one.
    RecordRef ChangedRecord(const NetworkDatabase& db) const override {
        if (before_.size() != 1 || before_[0].first >= db.programs().size())
            return RecordRef();
        return RecordRef{RecordType::PROGRAM, db.programs()[before_[0].first].get()};
    }
    void Apply(Program& program) const {
        program.attributes = static_cast<uint8_t>(set_ ? program.attributes | mask_ : program.attributes & ~mask_);
    }

private:
    std::vector<std::pair<size_t, uint8_t>> before_;
    uint8_t mask_;
    bool set_;
};

} // namespace

bool NetworkDatabase::SetProgramAttributes(const std::vector<size_t>& indices, uint8_t mask, bool set) {
    std::vector<size_t> sorted = indices;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<std::pair<size_t, uint8_t>> before;
    for (size_t index : sorted) {
        if (index >= programs_.size())
            break;
        const uint8_t attributes = programs_[index]->attributes;
        if (set ? (attributes & mask) != mask : (attributes & mask) != 0)
            before.emplace_back(index, attributes);
    }
    if (before.empty())
        return false;
    auto edit = std::make_unique<ProgramAttributesEdit>(std::move(before), mask, set);
    edit->Redo(*this);
    if (Recording())
        Record(std::move(edit));
    return true;
}

void NetworkDatabase::SetFavoriteGroup(size_t index, const FavoriteGroup& group) {
    SetValue(*this, index, group, CHANGE_FAVORITES);
}

void NetworkDatabase::SetFavoriteGroups(std::vector<FavoriteGroup> groups) {
    if (groups.size() > MAX_COUNT8)
        groups.resize(MAX_COUNT8);
    RecordList<FavoriteGroup> replaced;
    replaced.reserve(groups.size());
    for (FavoriteGroup& group : groups)
        replaced.push_back(std::make_unique<FavoriteGroup>(std::move(group)));
    favoriteGroups_.swap(replaced);
    if (Recording())
        Record(std::make_unique<GroupsEdit>(std::move(replaced)));
}

void NetworkDatabase::SetKeepStamp(bool keep) {
    if (keep == keepStamp)
        return;
    const HeaderValues old = HeaderOf(*this);
    keepStamp = keep;
    if (Recording())
        Record(std::make_unique<HeaderEdit>(old));
}

uint8_t NetworkDatabase::EnsureAntennaConfig(uint8_t slot) {
    if (slot < antennaConfigs_.size())
        return slot;
    // Slot 255 is the no-network value and no file can hold a 256th configuration.
    const size_t target = slot >= MAX_COUNT8 ? std::min(antennaConfigs_.size(), MAX_COUNT8) : slot;
    if (target >= MAX_COUNT8)
        return NO_NETWORK;
    const size_t added = target + 1 - antennaConfigs_.size();
    for (size_t i = 0; i < added; ++i)
        antennaConfigs_.push_back(std::make_unique<AntennaConfig>());
    if (Recording())
        Record(std::make_unique<AppendEdit<AntennaConfig>>(added, CHANGE_RECORDS));
    return static_cast<uint8_t>(target);
}

// ---- modification stamp ----

CalendarDate NetworkDatabase::GetStampDate() const {
    const int year = 2000 + (stampYear & 0x7F);
    // A day that the month does not have (31 April) is no date either.
    if ((stampYear & 0x80) && (stampYear & 0x7F) < 100 && stampMonth >= 1 && stampMonth <= 12 && stampDay >= 1 &&
        stampDay <= DaysInMonth(year, stampMonth))
        return CalendarDate{year, stampMonth, stampDay, 0, 0, 0};
    return LocalNow();
}

bool NetworkDatabase::SetStampDate(const CalendarDate& date) {
    // Only a calendar date can be packed; anything else would leave a stamp that reads as no date.
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return false;
    const int64_t sinceBase = static_cast<int64_t>(date.year) - 1900 + 28;
    const auto newYear = static_cast<uint8_t>(((sinceBase % 256 + 256) % 256) | 0x80);
    const auto newMonth = static_cast<uint8_t>(date.month);
    const auto newDay = static_cast<uint8_t>(date.day);
    if (newYear == stampYear && newMonth == stampMonth && newDay == stampDay)
        return false;
    const HeaderValues old = HeaderOf(*this);
    stampYear = newYear;
    stampMonth = newMonth;
    stampDay = newDay;
    if (Recording())
        Record(std::make_unique<HeaderEdit>(old));
    return true;
}

bool NetworkDatabase::GetStampVersion(std::string& text) const {
    text.clear();
    if (stampYear != 0)
        return false;
    // The letter is a byte, as a "%c" conversion makes it.
    text += static_cast<char>(static_cast<unsigned char>('A' + stampMonth));
    const unsigned number = stampDay;
    text += static_cast<char>('0' + number / 100);
    text += static_cast<char>('0' + number / 10 % 10);
    text += static_cast<char>('0' + number % 10);
    return true;
}

bool NetworkDatabase::SetStampVersion(const std::string& text) {
    // One character, optional white space, decimal digits; anything after the digits is ignored.
    if (text.empty())
        return false;
    const char letter = text[0];
    size_t i = 1;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i >= text.size() || !IsDigit(text[i]))
        return false;
    unsigned number = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        number = number * 10 + static_cast<unsigned>(text[i] - '0');
        if (number > 255)
            return false;
    }
    uint8_t index;
    if (letter >= 'a' && letter <= 'z')
        index = static_cast<uint8_t>(letter - 'a');
    else if (letter >= 'A' && letter <= 'Z')
        index = static_cast<uint8_t>(letter - 'A');
    else
        return false;
    if (stampYear == 0 && stampMonth == index && stampDay == number)
        return false;
    const HeaderValues old = HeaderOf(*this);
    stampYear = 0;
    stampMonth = index;
    stampDay = static_cast<uint8_t>(number);
    if (Recording())
        Record(std::make_unique<HeaderEdit>(old));
    return true;
}
