#include "database/NetworkDatabase.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <new>
#include <numeric>

namespace {

// Neither count field of a 16-bit collection can describe more, and 0xFFFF is the no-index value.
constexpr size_t kMaxRecords16 = 0xFFFF;

// Grows capacity geometrically ahead of an insertion so that the insertion itself cannot fail.
template <class T> bool MakeRoom(std::vector<T>& items) {
    if (items.size() < items.capacity())
        return true;
    try {
        items.reserve(std::max<size_t>(16, items.size() * 2));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Index remapping after removing a set of records from a collection of `count` records:
// below[i] is the number of removed records with an index lower than i (i = 0..count). Every
// reference is remapped in one step, which gives the same result as deleting the records one by
// one and fixing the references after each deletion, without the quadratic cost.
class Removal {
public:
    template <class Pred> Removal(size_t count, Pred removed) : below_(count + 1, 0) {
        for (size_t i = 0; i < count; ++i)
            below_[i + 1] = below_[i] + (removed(i) ? 1 : 0);
    }

    size_t Count() const { return below_.size() - 1; }
    size_t Total() const { return below_.back(); }
    // Indices outside the collection (damaged references) are never removed.
    bool Removed(size_t i) const { return i < Count() && below_[i + 1] != below_[i]; }
    // New index of a kept index; an index past the collection shifts down by every removal.
    size_t Remap(size_t i) const { return i < Count() ? i - below_[i] : i - Total(); }

private:
    std::vector<size_t> below_;
};

template <class T> void Compact(std::vector<std::unique_ptr<T>>& items, const Removal& removal) {
    size_t kept = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (removal.Removed(i))
            continue;
        if (kept != i)
            items[kept] = std::move(items[i]);
        ++kept;
    }
    items.resize(kept);
}

void RemapFavoriteList(std::vector<uint16_t>& list, const Removal& removal) {
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (removal.Removed(list[i]))
            continue;
        list[kept++] = static_cast<uint16_t>(removal.Remap(list[i]));
    }
    list.resize(kept);
}

void RemovePrograms(NetworkDatabase& db, const Removal& removal) {
    if (removal.Total() == 0)
        return;
    Compact(db.programs, removal);
    for (auto& group : db.favoriteGroups) {
        RemapFavoriteList(group->tvList, removal);
        RemapFavoriteList(group->radioList, removal);
    }
}

// Removes the marked transponders with all their programs and renumbers the rest.
void RemoveTransponders(NetworkDatabase& db, const Removal& removal) {
    if (removal.Total() == 0)
        return;
    Compact(db.transponders, removal);
    const Removal programRemoval(db.programs.size(), [&](size_t i) {
        Program& program = *db.programs[i];
        if (removal.Removed(program.transponderIndex))
            return true;
        program.transponderIndex = static_cast<uint16_t>(removal.Remap(program.transponderIndex));
        return false;
    });
    RemovePrograms(db, programRemoval);
}

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
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
}

// ---- collections ----

void NetworkDatabase::Clear() {
    antennaConfigs.clear();
    networks.clear();
    transponders.clear();
    programs.clear();
    favoriteGroups.clear();
    pathName.clear();
    keepStamp = false;
}

NdfStatus NetworkDatabase::NewDefault() {
    Clear();
    keepStamp = false;
    formatFlags = NDF_FLAG_PROG_CA;
    antennaConfigs.reserve(NEW_DATABASE_SLOTS);
    networks.reserve(NEW_DATABASE_SLOTS);
    for (int slot = 0; slot < NEW_DATABASE_SLOTS; ++slot) {
        antennaConfigs.push_back(std::make_unique<AntennaConfig>());
        auto network = std::make_unique<Network>();
        network->antennaIndex = static_cast<uint8_t>(slot);
        networks.push_back(std::move(network));
    }
    return NDF_OK;
}

uint8_t NetworkDatabase::IndexOfNetwork(const Network* network) const {
    for (size_t i = 0; i < networks.size() && i < NO_NETWORK; ++i) {
        if (networks[i].get() == network)
            return static_cast<uint8_t>(i);
    }
    return NO_NETWORK;
}

uint16_t NetworkDatabase::IndexOfTransponder(const Transponder* transponder) const {
    for (size_t i = 0; i < transponders.size() && i < NO_INDEX; ++i) {
        if (transponders[i].get() == transponder)
            return static_cast<uint16_t>(i);
    }
    return NO_INDEX;
}

uint16_t NetworkDatabase::IndexOfProgram(const Program* program) const {
    for (size_t i = 0; i < programs.size() && i < NO_INDEX; ++i) {
        if (programs[i].get() == program)
            return static_cast<uint16_t>(i);
    }
    return NO_INDEX;
}

size_t NetworkDatabase::FirstTransponderOf(uint8_t networkSlot) const {
    for (size_t i = 0; i < transponders.size(); ++i) {
        if (transponders[i]->networkIndex == networkSlot)
            return i;
    }
    return transponders.size();
}

size_t NetworkDatabase::EndTransponderOf(uint8_t networkSlot) const {
    size_t i = FirstTransponderOf(networkSlot);
    while (i < transponders.size() && transponders[i]->networkIndex == networkSlot)
        ++i;
    return i;
}

size_t NetworkDatabase::InsertTransponder(std::unique_ptr<Transponder> transponder, uint16_t position) {
    // The count field holds at most 0xFFFF records.
    if (!transponder || transponders.size() >= kMaxRecords16 || !MakeRoom(transponders))
        return NO_INDEX;
    const size_t index = position != NO_INDEX && position < transponders.size()
                             ? position
                             : EndTransponderOf(transponder->networkIndex);
    transponders.insert(transponders.begin() + static_cast<std::ptrdiff_t>(index), std::move(transponder));
    return index;
}

Transponder* NetworkDatabase::AddTransponder(uint8_t networkSlot, uint16_t position) {
    if (transponders.size() >= kMaxRecords16 || !MakeRoom(transponders))
        return nullptr;
    std::unique_ptr<Transponder> created(new (std::nothrow) Transponder);
    if (!created)
        return nullptr;
    created->InitTransponder(networkSlot, 0, 0);
    Transponder* transponder = created.get();
    const size_t k = InsertTransponder(std::move(created), position);
    for (auto& program : programs) {
        // NO_INDEX names no transponder before or after the insertion; it must not wrap to 0.
        if (program->transponderIndex >= k && program->transponderIndex != NO_INDEX)
            ++program->transponderIndex;
    }
    return transponder;
}

Program* NetworkDatabase::AddProgram(uint16_t transponderIndex, uint16_t position) {
    if (programs.size() >= kMaxRecords16 || !MakeRoom(programs))
        return nullptr;
    std::unique_ptr<Program> created(new (std::nothrow) Program(transponderIndex));
    if (!created)
        return nullptr;
    Program* program = created.get();
    const size_t k = position < programs.size() ? position : programs.size();
    programs.insert(programs.begin() + static_cast<std::ptrdiff_t>(k), std::move(created));
    // Appending leaves every valid entry alone, but an entry past the programs (a damaged file) must
    // still name no program afterwards: one equal to the old count would name the new program.
    for (auto& group : favoriteGroups) {
        for (auto* list : {&group->tvList, &group->radioList}) {
            for (uint16_t& entry : *list) {
                if (entry >= k && entry != NO_INDEX)
                    ++entry;
            }
        }
    }
    return program;
}

void NetworkDatabase::DeleteProgram(size_t index) {
    if (index >= programs.size())
        return;
    programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& group : favoriteGroups) {
        for (auto* list : {&group->tvList, &group->radioList}) {
            size_t kept = 0;
            for (size_t i = 0; i < list->size(); ++i) {
                const uint16_t entry = (*list)[i];
                if (entry == index)
                    continue;
                (*list)[kept++] = entry > index ? static_cast<uint16_t>(entry - 1) : entry;
            }
            list->resize(kept);
        }
    }
}

void NetworkDatabase::DeleteTransponder(size_t index) {
    if (index >= transponders.size())
        return;
    RemoveTransponders(*this, Removal(transponders.size(), [index](size_t i) { return i == index; }));
}

void NetworkDatabase::DeleteProgramsInTransponder(uint16_t transponderIndex) {
    RemovePrograms(*this, Removal(programs.size(), [&](size_t i) {
                       return programs[i]->transponderIndex == transponderIndex;
                   }));
}

void NetworkDatabase::DeleteProgramsInNetwork(uint8_t networkSlot) {
    RemovePrograms(*this, Removal(programs.size(), [&](size_t i) {
                       const size_t t = programs[i]->transponderIndex;
                       return t < transponders.size() && transponders[t]->networkIndex == networkSlot;
                   }));
}

void NetworkDatabase::DeleteTranspondersInNetwork(uint8_t networkSlot) {
    RemoveTransponders(*this, Removal(transponders.size(), [&](size_t i) {
                           return transponders[i]->networkIndex == networkSlot;
                       }));
}

void NetworkDatabase::SetProgramRadio(bool oldRadioBit, uint16_t programIndex) {
    for (auto& group : favoriteGroups) {
        std::vector<uint16_t>& from = oldRadioBit ? group->radioList : group->tvList;
        std::vector<uint16_t>& to = oldRadioBit ? group->tvList : group->radioList;
        const auto found = std::find(from.begin(), from.end(), programIndex);
        if (found == from.end())
            continue;
        from.erase(found);
        to.push_back(programIndex);
    }
}

void NetworkDatabase::MoveNetwork(const Network* moving, const Network* target) {
    const size_t a = IndexOfNetwork(moving);
    const size_t c = IndexOfNetwork(target);
    // Every slot from a to c moves in both collections; a short antenna collection cannot follow.
    if (a == NO_NETWORK || c == NO_NETWORK || std::max(a, c) >= antennaConfigs.size())
        return;
    const auto first = static_cast<std::ptrdiff_t>(std::min(a, c));
    const auto last = static_cast<std::ptrdiff_t>(std::max(a, c)) + 1;
    if (c < a) {
        std::rotate(networks.begin() + first, networks.begin() + last - 1, networks.begin() + last);
        std::rotate(antennaConfigs.begin() + first, antennaConfigs.begin() + last - 1, antennaConfigs.begin() + last);
    } else if (c > a) {
        std::rotate(networks.begin() + first, networks.begin() + first + 1, networks.begin() + last);
        std::rotate(antennaConfigs.begin() + first, antennaConfigs.begin() + first + 1, antennaConfigs.begin() + last);
    }
    for (auto s = first; s < last; ++s)
        networks[static_cast<size_t>(s)]->antennaIndex = static_cast<uint8_t>(s);
    for (auto& transponder : transponders) {
        const size_t d = transponder->networkIndex;
        size_t moved = d;
        if (d == a)
            moved = c;
        else if (c < a && d >= c && d < a)
            moved = d + 1;
        else if (c > a && d > a && d <= c)
            moved = d - 1;
        transponder->networkIndex = static_cast<uint8_t>(moved);
    }
}

bool NetworkDatabase::SortByDegree(uint16_t offset) {
    const size_t count = networks.size();
    // Each moved network takes the antenna configuration of its slot along, and slots are 8-bit
    // numbers: without a configuration for every slot, or with more networks than the file's
    // count field holds, nothing is moved.
    if (antennaConfigs.size() < count || count > NO_NETWORK)
        return false;

    std::vector<uint16_t> key(count);
    std::vector<bool> empty(count);
    for (size_t i = 0; i < count; ++i) {
        key[i] = static_cast<uint16_t>((static_cast<uint32_t>(networks[i]->position) + offset) % 3600u);
        empty[i] = networks[i]->IsEmptySlot();
    }

    // Run the selection sort on slot numbers: order[s] is the original slot of the network that
    // is in slot s. Every network in a rotated range has its antennaIndex set to its new slot.
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t{0});
    std::vector<bool> touched(count, false);
    bool changed = false;
    for (size_t i = 0; i < count; ++i) {
        if (empty[order[i]])
            continue;
        uint16_t best = key[order[i]];
        size_t found = count;
        for (size_t j = i + 1; j < count; ++j) {
            if (!empty[order[j]] && key[order[j]] < best) {
                best = key[order[j]];
                found = j;
            }
        }
        if (found == count)
            continue;
        const auto from = order.begin() + static_cast<std::ptrdiff_t>(i);
        const auto to = order.begin() + static_cast<std::ptrdiff_t>(found);
        std::rotate(from, to, to + 1);
        for (size_t s = i; s <= found; ++s)
            touched[order[s]] = true;
        changed = true;
    }
    if (!changed)
        return false;

    std::vector<size_t> finalSlot(count);
    std::vector<std::unique_ptr<Network>> sortedNetworks(count);
    std::vector<std::unique_ptr<AntennaConfig>> sortedAntennas(count);
    for (size_t s = 0; s < count; ++s) {
        finalSlot[order[s]] = s;
        sortedNetworks[s] = std::move(networks[order[s]]);
        sortedAntennas[s] = std::move(antennaConfigs[order[s]]);
    }
    for (size_t s = 0; s < count; ++s) {
        networks[s] = std::move(sortedNetworks[s]);
        antennaConfigs[s] = std::move(sortedAntennas[s]);
        if (touched[order[s]])
            networks[s]->antennaIndex = static_cast<uint8_t>(s);
    }
    for (auto& transponder : transponders) {
        if (transponder->networkIndex < count)
            transponder->networkIndex = static_cast<uint8_t>(finalSlot[transponder->networkIndex]);
    }
    return true;
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
    stampYear = newYear;
    stampMonth = newMonth;
    stampDay = newDay;
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
    stampYear = 0;
    stampMonth = index;
    stampDay = static_cast<uint8_t>(number);
    return true;
}
