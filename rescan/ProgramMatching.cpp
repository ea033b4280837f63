#include "rescan/ProgramMatching.h"

#include "database/DisplayTables.h"

#include <algorithm>
#include <functional>

namespace {

// The target programs of one key (or one name), in channel order; `head` skips those taken.
struct Queue {
    uint32_t begin = 0;
    uint32_t end = 0;
    uint32_t head = 0;
};

uint64_t PackKey(uint64_t group, int value) {
    return (group << 16) | static_cast<uint64_t>(value);
}

// Groups the entries (key, program index) by key with the programs of a group in channel order,
// and finds a group's queue by its key. An open-addressing table of queue numbers keeps the
// look-ups within a few cache lines on the largest databases.
template <class Key> class QueueIndex {
public:
    explicit QueueIndex(std::vector<std::pair<Key, uint32_t>> entries) {
        std::sort(entries.begin(), entries.end());
        order_.reserve(entries.size());
        for (size_t i = 0; i < entries.size();) {
            const auto at = static_cast<uint32_t>(order_.size());
            size_t j = i;
            for (; j < entries.size() && entries[j].first == entries[i].first; ++j)
                order_.push_back(entries[j].second);
            keys_.push_back(std::move(entries[i].first));
            queues_.push_back(Queue{at, static_cast<uint32_t>(order_.size()), at});
            i = j;
        }
        size_t capacity = 16;
        while (capacity < 2 * keys_.size())
            capacity *= 2;
        slots_.assign(capacity, kEmpty);
        for (uint32_t q = 0; q < keys_.size(); ++q) {
            size_t slot = Hash(keys_[q]) & (capacity - 1);
            while (slots_[slot] != kEmpty)
                slot = (slot + 1) & (capacity - 1);
            slots_[slot] = q;
        }
    }

    Queue* Find(const Key& key) {
        const size_t mask = slots_.size() - 1;
        for (size_t slot = Hash(key) & mask; slots_[slot] != kEmpty; slot = (slot + 1) & mask) {
            if (keys_[slots_[slot]] == key)
                return &queues_[slots_[slot]];
        }
        return nullptr;
    }
    // The first program of the queue that is still unmatched, or NO_PARTNER.
    uint32_t Front(Queue& queue, const std::vector<uint32_t>& partner) const {
        while (queue.head < queue.end && partner[order_[queue.head]] != NO_PARTNER)
            ++queue.head;
        return queue.head < queue.end ? order_[queue.head] : NO_PARTNER;
    }

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;
    static size_t Hash(uint64_t key) {
        key ^= key >> 33;
        key *= 0xff51afd7ed558ccdULL;
        key ^= key >> 33;
        return static_cast<size_t>(key);
    }
    static size_t Hash(const std::string& key) { return Hash(std::hash<std::string>()(key)); }

    std::vector<uint32_t> order_;
    std::vector<Key> keys_;
    std::vector<Queue> queues_;
    std::vector<uint32_t> slots_;
};

std::string NameKey(uint16_t position, const std::string& name) {
    std::string key;
    key.reserve(name.size() + 2);
    key += static_cast<char>(position & 0xFF);
    key += static_cast<char>(position >> 8);
    key += name;
    return key;
}

} // namespace

uint16_t PositionOf(const NetworkDatabase& db, const Transponder& transponder) {
    return transponder.networkIndex < db.networks().size() ? db.networks()[transponder.networkIndex]->position : 0;
}

ProgramKey KeyOf(const NetworkDatabase& db, const Program& program) {
    ProgramKey key;
    if (program.transponderIndex >= db.transponders().size())
        return key;
    const Transponder& transponder = *db.transponders()[program.transponderIndex];
    if (transponder.networkIndex >= db.networks().size())
        return key;
    key.valid = true;
    key.position = db.networks()[transponder.networkIndex]->position;
    key.polarity = transponder.polarity();
    key.frequency = transponder.frequency;
    key.serviceId = program.serviceId;
    return key;
}

void MatchTolerant(const std::vector<TolerantKey>& a, const std::vector<TolerantKey>& b,
                   std::vector<uint32_t>& partnerOfA, std::vector<uint32_t>& partnerOfB) {
    partnerOfA.assign(a.size(), NO_PARTNER);
    partnerOfB.assign(b.size(), NO_PARTNER);
    std::vector<std::pair<uint64_t, uint32_t>> keyed;
    keyed.reserve(b.size());
    for (size_t j = 0; j < b.size(); ++j) {
        if (b[j].valid)
            keyed.emplace_back(PackKey(b[j].group, b[j].value), static_cast<uint32_t>(j));
    }
    QueueIndex<uint64_t> index(std::move(keyed));
    for (size_t i = 0; i < a.size(); ++i) {
        if (!a[i].valid)
            continue;
        // The earliest unmatched item among the values within the tolerance.
        uint32_t best = NO_PARTNER;
        for (int v = a[i].value - kFrequencyTolerance; v <= a[i].value + kFrequencyTolerance; ++v) {
            if (v < 0 || v > 0xFFFF)
                continue;
            if (Queue* queue = index.Find(PackKey(a[i].group, v)))
                best = std::min(best, index.Front(*queue, partnerOfB));
        }
        if (best != NO_PARTNER) {
            partnerOfA[i] = best;
            partnerOfB[best] = static_cast<uint32_t>(i);
        }
    }
}

ProgramMatching MatchPrograms(const NetworkDatabase& reference, const NetworkDatabase& target) {
    const size_t referenceCount = reference.programs().size();
    const size_t targetCount = target.programs().size();
    ProgramMatching m;
    std::vector<ProgramKey> targetKeys(targetCount);
    auto tolerant = [](const ProgramKey& k) {
        return TolerantKey{k.valid, (uint64_t{k.position} << 18) | (uint64_t{k.polarity} << 16) | k.serviceId,
                           k.frequency};
    };
    {
        std::vector<TolerantKey> referenceKeys(referenceCount);
        std::vector<TolerantKey> keys(targetCount);
        for (size_t r = 0; r < referenceCount; ++r)
            referenceKeys[r] = tolerant(KeyOf(reference, *reference.programs()[r]));
        for (size_t t = 0; t < targetCount; ++t) {
            targetKeys[t] = KeyOf(target, *target.programs()[t]);
            keys[t] = tolerant(targetKeys[t]);
        }
        MatchTolerant(referenceKeys, keys, m.partnerOfReference, m.partnerOfTarget);
    }
    m.kindOfTarget.assign(targetCount, MATCH_NONE);
    for (size_t t = 0; t < targetCount; ++t) {
        if (m.partnerOfTarget[t] != NO_PARTNER) {
            m.kindOfTarget[t] = MATCH_KEY;
            ++m.byKey;
        }
    }

    std::vector<std::pair<std::string, uint32_t>> named;
    for (size_t t = 0; t < targetCount; ++t) {
        if (m.partnerOfTarget[t] == NO_PARTNER)
            named.emplace_back(NameKey(targetKeys[t].position, target.programs()[t]->name), static_cast<uint32_t>(t));
    }
    if (named.empty())
        return m;
    QueueIndex<std::string> byName(std::move(named));
    for (size_t r = 0; r < referenceCount; ++r) {
        if (m.partnerOfReference[r] != NO_PARTNER)
            continue;
        const Program& program = *reference.programs()[r];
        Queue* queue = byName.Find(NameKey(KeyOf(reference, program).position, program.name));
        const uint32_t found = queue ? byName.Front(*queue, m.partnerOfTarget) : NO_PARTNER;
        if (found == NO_PARTNER)
            continue;
        m.partnerOfReference[r] = found;
        m.partnerOfTarget[found] = static_cast<uint32_t>(r);
        m.kindOfTarget[found] = MATCH_NAME;
        ++m.byName;
    }
    return m;
}

std::vector<uint32_t> ChannelNumbers(const NetworkDatabase& db) {
    std::vector<uint32_t> numbers(db.programs().size());
    uint32_t counts[2] = {0, 0};
    for (size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = ++counts[db.programs()[i]->IsRadio() ? 1 : 0];
    return numbers;
}

std::string Quoted(const std::string& name) {
    return "\"" + NameForDisplay(name) + "\"";
}

std::string DescribePosition(uint16_t position) {
    const unsigned tenths = position % 3600u;
    const bool west = tenths > 1800;
    const unsigned shown = west ? 3600 - tenths : tenths;
    return std::to_string(shown / 10) + "." + std::to_string(shown % 10) + (west ? "W" : "E");
}

std::string DescribeTransponder(const NetworkDatabase& db, size_t index) {
    if (index >= db.transponders().size())
        return "transponder " + std::to_string(index) + " (missing)";
    const Transponder& transponder = *db.transponders()[index];
    std::string network = transponder.networkIndex < db.networks().size()
                              ? Quoted(db.networks()[transponder.networkIndex]->name)
                              : "network " + std::to_string(transponder.networkIndex) + " (missing)";
    return network + " " + std::to_string(transponder.frequency) + " " + PolarityLetter(transponder.polarity());
}

std::string DescribeProgram(const NetworkDatabase& db, size_t index) {
    const Program& program = *db.programs()[index];
    return Quoted(program.name) + " on " + DescribeTransponder(db, program.transponderIndex) + ", SID " +
           std::to_string(program.serviceId);
}
