#include "rescan/ProgramMatching.h"

#include "database/DisplayTables.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <tuple>

namespace {

// The target programs of one key, in channel order; `head` skips those taken.
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

    std::vector<uint32_t> order_;
    std::vector<Key> keys_;
    std::vector<Queue> queues_;
    std::vector<uint32_t> slots_;
};

// The order in which competing candidates are taken: the closest name, the same PIDs (video, then
// audio, then PCR), the nearest frequency (another polarity counts as farther than any frequency),
// then channel order of the reference and of the target.
struct Candidate {
    uint8_t nameDistance = 0;
    uint8_t pidDistance = 0;
    uint32_t frequencyDistance = 0;
    uint32_t reference = 0;
    uint32_t target = 0;

    // Tied fields compared in order (written out: clang 14 warns about the defaulted <=>).
    bool operator<(const Candidate& o) const {
        return std::tie(nameDistance, pidDistance, frequencyDistance, reference, target) <
               std::tie(o.nameDistance, o.pidDistance, o.frequencyDistance, o.reference, o.target);
    }
};

// What the passes look at in a program, gathered once.
struct ProgramFacts {
    uint32_t satellite = NO_PARTNER; // the reference slot of its satellite pair; kNoSatellite when it has none
    bool radio = false;
    uint8_t polarity = 0;
    uint16_t frequency = 0;
    uint16_t serviceId = 0;
    uint16_t video = PID_NONE;
    uint16_t audio = PID_NONE;
    uint16_t pcr = PID_NONE;

    // Satellite pair, kind and service ID in one number.
    uint64_t Group() const { return (uint64_t{satellite} << 17) | (uint64_t{radio} << 16) | serviceId; }
};

// Programs without a satellite on both sides pair among themselves.
constexpr uint32_t kNoSatellite = 0xFFFF;

uint16_t FirstPid(const PidList& list) {
    return list.pids.empty() || list.pids[0] == PID_NONE ? PID_NONE : static_cast<uint16_t>(list.pids[0] & PID_MASK);
}

unsigned char Lower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

std::string_view Trimmed(std::string_view name) {
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return name;
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
    return lowered;
}

// 0 the same bytes, 1 the same without regard to case and surrounding spaces, 2 the same matching
// name, 3 another name.
uint8_t NameDistance(const std::string& a, const std::string& b) {
    if (a == b)
        return 0;
    if (Lowered(Trimmed(a)) == Lowered(Trimmed(b)))
        return 1;
    return MatchingName(a) == MatchingName(b) ? 2 : 3;
}

uint8_t PidDistance(const ProgramFacts& a, const ProgramFacts& b) {
    return static_cast<uint8_t>((a.video != b.video ? 4 : 0) | (a.audio != b.audio ? 2 : 0) | (a.pcr != b.pcr ? 1 : 0));
}

uint32_t FrequencyDistance(const ProgramFacts& a, const ProgramFacts& b) {
    const uint32_t apart = a.frequency > b.frequency ? a.frequency - b.frequency : b.frequency - a.frequency;
    return a.polarity == b.polarity ? apart : apart + 0x10000;
}

std::vector<bool> TakingPart(const NetworkDatabase& db) {
    std::vector<bool> hasTransponders(db.networks().size(), false);
    for (const auto& transponder : db.transponders()) {
        if (transponder->networkIndex < hasTransponders.size())
            hasTransponders[transponder->networkIndex] = true;
    }
    std::vector<bool> takesPart(db.networks().size());
    for (size_t n = 0; n < takesPart.size(); ++n)
        takesPart[n] = hasTransponders[n] || !db.networks()[n]->IsEmptySlot();
    return takesPart;
}

// Pairs by candidates taken in their order, each side at most once; the pairs found are counted
// under kind.
template <class Order>
size_t TakeInOrder(std::vector<Order>& candidates, std::vector<uint32_t>& partnerOfReference,
                   std::vector<uint32_t>& partnerOfTarget) {
    std::sort(candidates.begin(), candidates.end());
    size_t taken = 0;
    for (const Order& c : candidates) {
        if (partnerOfReference[c.reference] != NO_PARTNER || partnerOfTarget[c.target] != NO_PARTNER)
            continue;
        partnerOfReference[c.reference] = c.target;
        partnerOfTarget[c.target] = c.reference;
        ++taken;
    }
    return taken;
}

// Pairs the candidate pairs (reference, target): a pair whose two programs have no other candidate
// is taken at once; the others compete in the order `order` gives them.
template <class Order>
void TakePairs(const std::vector<std::pair<uint32_t, uint32_t>>& pairs, const Order& order,
               std::vector<uint32_t>& partnerOfReference, std::vector<uint32_t>& partnerOfTarget) {
    // Programs paired by an earlier pass take part in nothing.
    auto open = [&](uint32_t r, uint32_t t) {
        return partnerOfReference[r] == NO_PARTNER && partnerOfTarget[t] == NO_PARTNER;
    };
    std::vector<uint8_t> referenceCount(partnerOfReference.size(), 0);
    std::vector<uint8_t> targetCount(partnerOfTarget.size(), 0);
    for (const auto& [r, t] : pairs) {
        if (!open(r, t))
            continue;
        referenceCount[r] = static_cast<uint8_t>(std::min(2, referenceCount[r] + 1));
        targetCount[t] = static_cast<uint8_t>(std::min(2, targetCount[t] + 1));
    }
    std::vector<Candidate> competing;
    for (const auto& [r, t] : pairs) {
        if (!open(r, t))
            continue;
        if (referenceCount[r] == 1 && targetCount[t] == 1) {
            partnerOfReference[r] = t;
            partnerOfTarget[t] = r;
        } else {
            competing.push_back(order(r, t));
        }
    }
    TakeInOrder(competing, partnerOfReference, partnerOfTarget);
}

std::vector<ProgramFacts> FactsOf(const NetworkDatabase& db, const std::vector<uint32_t>& pairOfSlot) {
    std::vector<ProgramFacts> facts(db.programs().size());
    for (size_t p = 0; p < facts.size(); ++p) {
        const Program& program = *db.programs()[p];
        ProgramFacts& f = facts[p];
        f.radio = program.IsRadio();
        f.serviceId = program.serviceId;
        f.video = FirstPid(program.videoPids);
        f.audio = FirstPid(program.audioPids);
        f.pcr = program.pcrPid == PID_NONE ? PID_NONE : static_cast<uint16_t>(program.pcrPid & PID_MASK);
        if (program.transponderIndex >= db.transponders().size()) {
            f.satellite = kNoSatellite;
            continue;
        }
        const Transponder& transponder = *db.transponders()[program.transponderIndex];
        f.polarity = transponder.polarity();
        f.frequency = transponder.frequency;
        f.satellite =
            transponder.networkIndex < pairOfSlot.size() ? pairOfSlot[transponder.networkIndex] : kNoSatellite;
    }
    return facts;
}

} // namespace

std::string MatchingToleranceWords() {
    return "satellites within " + std::to_string(kPositionTolerance / 10) + "." +
           std::to_string(kPositionTolerance % 10) + "\u00B0, frequencies within " +
           std::to_string(kFrequencyTolerance) + " MHz";
}

uint16_t PositionDistance(uint16_t a, uint16_t b) {
    const int apart = std::abs(int{a % 3600} - int{b % 3600});
    return static_cast<uint16_t>(std::min(apart, 3600 - apart));
}

SatellitePairing PairSatellites(const NetworkDatabase& reference, const NetworkDatabase& target) {
    SatellitePairing pairing;
    pairing.referenceTakesPart = TakingPart(reference);
    pairing.targetTakesPart = TakingPart(target);
    pairing.partnerOfReference.assign(reference.networks().size(), NO_PARTNER);
    pairing.partnerOfTarget.assign(target.networks().size(), NO_PARTNER);
    struct Order {
        uint16_t distance;
        bool otherName;
        uint32_t reference;
        uint32_t target;
        bool operator<(const Order& o) const {
            return std::tie(distance, otherName, reference, target) <
                   std::tie(o.distance, o.otherName, o.reference, o.target);
        }
    };
    std::vector<Order> candidates;
    for (uint32_t r = 0; r < reference.networks().size(); ++r) {
        if (!pairing.referenceTakesPart[r])
            continue;
        const Network& a = *reference.networks()[r];
        for (uint32_t t = 0; t < target.networks().size(); ++t) {
            if (!pairing.targetTakesPart[t])
                continue;
            const Network& b = *target.networks()[t];
            const uint16_t distance = PositionDistance(a.position, b.position);
            if (distance <= kPositionTolerance)
                candidates.push_back(Order{distance, Lowered(a.name) != Lowered(b.name), r, t});
        }
    }
    TakeInOrder(candidates, pairing.partnerOfReference, pairing.partnerOfTarget);
    return pairing;
}

TransponderPairing PairTransponders(const NetworkDatabase& reference, const NetworkDatabase& target,
                                    const SatellitePairing& satellites) {
    TransponderPairing pairing;
    pairing.partnerOfReference.assign(reference.transponders().size(), NO_PARTNER);
    pairing.partnerOfTarget.assign(target.transponders().size(), NO_PARTNER);
    // The target's transponders by satellite pair, polarity and frequency.
    struct Entry {
        uint32_t satellite;
        uint8_t polarity;
        uint16_t frequency;
        uint32_t index;
        bool operator<(const Entry& o) const {
            return std::tie(satellite, polarity, frequency, index) <
                   std::tie(o.satellite, o.polarity, o.frequency, o.index);
        }
    };
    std::vector<Entry> entries;
    entries.reserve(target.transponders().size());
    for (uint32_t t = 0; t < target.transponders().size(); ++t) {
        const Transponder& transponder = *target.transponders()[t];
        if (transponder.networkIndex < satellites.partnerOfTarget.size() &&
            satellites.partnerOfTarget[transponder.networkIndex] != NO_PARTNER)
            entries.push_back(Entry{satellites.partnerOfTarget[transponder.networkIndex], transponder.polarity(),
                                    transponder.frequency, t});
    }
    std::sort(entries.begin(), entries.end());
    struct Order {
        uint16_t distance;
        bool otherSymbolRate;
        uint32_t reference;
        uint32_t target;
        bool operator<(const Order& o) const {
            return std::tie(distance, otherSymbolRate, reference, target) <
                   std::tie(o.distance, o.otherSymbolRate, o.reference, o.target);
        }
    };
    std::vector<Order> candidates;
    for (uint32_t r = 0; r < reference.transponders().size(); ++r) {
        const Transponder& a = *reference.transponders()[r];
        if (a.networkIndex >= satellites.partnerOfReference.size() ||
            satellites.partnerOfReference[a.networkIndex] == NO_PARTNER)
            continue;
        const int low = std::max(0, a.frequency - int{kFrequencyTolerance});
        auto it = std::lower_bound(entries.begin(), entries.end(),
                                   Entry{a.networkIndex, a.polarity(), static_cast<uint16_t>(low), 0});
        for (; it != entries.end() && it->satellite == a.networkIndex && it->polarity == a.polarity() &&
               it->frequency <= a.frequency + kFrequencyTolerance;
             ++it) {
            const Transponder& b = *target.transponders()[it->index];
            candidates.push_back(Order{static_cast<uint16_t>(std::abs(int{a.frequency} - int{b.frequency})),
                                       a.symbolRate != b.symbolRate, r, it->index});
        }
    }
    TakeInOrder(candidates, pairing.partnerOfReference, pairing.partnerOfTarget);
    return pairing;
}

std::string MatchingName(const std::string& name) {
    std::string lowered = Lowered(Trimmed(name));
    for (const char* suffix : {" hd", " sd", " uhd"}) {
        const std::string_view end(suffix);
        if (lowered.size() > end.size() && std::string_view(lowered).substr(lowered.size() - end.size()) == end) {
            lowered.resize(lowered.size() - end.size());
            return std::string(Trimmed(lowered));
        }
    }
    return lowered;
}

uint32_t SatelliteOf(const NetworkDatabase& db, const Program& program) {
    if (program.transponderIndex >= db.transponders().size())
        return NO_PARTNER;
    const uint8_t network = db.transponders()[program.transponderIndex]->networkIndex;
    return network < db.networks().size() ? network : NO_PARTNER;
}

ProgramMatching MatchPrograms(const NetworkDatabase& reference, const NetworkDatabase& target) {
    ProgramMatching m;
    m.satellites = PairSatellites(reference, target);
    const size_t referenceCount = reference.programs().size();
    const size_t targetCount = target.programs().size();
    m.partnerOfReference.assign(referenceCount, NO_PARTNER);
    m.partnerOfTarget.assign(targetCount, NO_PARTNER);
    m.kindOfTarget.assign(targetCount, MATCH_NONE);

    // Both sides name a satellite pair by the reference's slot; a satellite without a partner
    // names none, and its programs take part in nothing.
    std::vector<uint32_t> referenceSlots(reference.networks().size(), NO_PARTNER);
    for (size_t r = 0; r < referenceSlots.size(); ++r) {
        if (m.satellites.partnerOfReference[r] != NO_PARTNER)
            referenceSlots[r] = static_cast<uint32_t>(r);
    }
    const std::vector<ProgramFacts> a = FactsOf(reference, referenceSlots);
    const std::vector<ProgramFacts> b = FactsOf(target, m.satellites.partnerOfTarget);
    auto order = [&](uint32_t r, uint32_t t) {
        return Candidate{NameDistance(reference.programs()[r]->name, target.programs()[t]->name),
                         PidDistance(a[r], b[t]), FrequencyDistance(a[r], b[t]), r, t};
    };
    auto record = [&](MatchKind kind, size_t& count) {
        for (size_t t = 0; t < targetCount; ++t) {
            if (m.partnerOfTarget[t] != NO_PARTNER && m.kindOfTarget[t] == MATCH_NONE) {
                m.kindOfTarget[t] = kind;
                ++count;
            }
        }
    };

    // 1. Polarity, service ID and a frequency within the tolerance.
    {
        std::vector<std::pair<uint64_t, uint32_t>> keyed; // (group, polarity, frequency) -> program
        for (uint32_t t = 0; t < targetCount; ++t) {
            if (b[t].satellite != NO_PARTNER && b[t].serviceId != 0)
                keyed.emplace_back((b[t].Group() << 18) | (uint64_t{b[t].polarity} << 16) | b[t].frequency, t);
        }
        std::sort(keyed.begin(), keyed.end());
        std::vector<std::pair<uint32_t, uint32_t>> candidates;
        for (uint32_t r = 0; r < referenceCount; ++r) {
            if (a[r].satellite == NO_PARTNER || a[r].serviceId == 0)
                continue;
            const uint64_t base = (a[r].Group() << 18) | (uint64_t{a[r].polarity} << 16);
            const uint64_t low = base | static_cast<uint64_t>(std::max(0, a[r].frequency - int{kFrequencyTolerance}));
            const uint64_t high = base | std::min(0xFFFFu, a[r].frequency + unsigned{kFrequencyTolerance});
            for (auto it = std::lower_bound(keyed.begin(), keyed.end(), std::make_pair(low, uint32_t{0}));
                 it != keyed.end() && it->first <= high; ++it)
                candidates.emplace_back(r, it->second);
        }
        TakePairs(candidates, order, m.partnerOfReference, m.partnerOfTarget);
        record(MATCH_KEY, m.byKey);
    }

    // Nothing left to pair on one side, nothing for the other passes to do.
    if (m.byKey == std::min(referenceCount, targetCount))
        return m;

    // 2. A service ID found once among the satellite's programs of that kind, in both files.
    {
        auto once = [](const std::vector<ProgramFacts>& facts) {
            std::vector<std::pair<uint64_t, uint32_t>> keyed;
            for (uint32_t p = 0; p < facts.size(); ++p) {
                if (facts[p].satellite != NO_PARTNER && facts[p].serviceId != 0)
                    keyed.emplace_back(facts[p].Group(), p);
            }
            std::sort(keyed.begin(), keyed.end());
            std::vector<std::pair<uint64_t, uint32_t>> unique;
            for (size_t i = 0; i < keyed.size(); ++i) {
                if ((i == 0 || keyed[i - 1].first != keyed[i].first) &&
                    (i + 1 == keyed.size() || keyed[i + 1].first != keyed[i].first))
                    unique.push_back(keyed[i]);
            }
            return unique;
        };
        const auto referenceOnce = once(a);
        const auto targetOnce = once(b);
        std::vector<std::pair<uint32_t, uint32_t>> candidates;
        for (size_t i = 0, j = 0; i < referenceOnce.size() && j < targetOnce.size();) {
            if (referenceOnce[i].first < targetOnce[j].first) {
                ++i;
            } else if (targetOnce[j].first < referenceOnce[i].first) {
                ++j;
            } else {
                candidates.emplace_back(referenceOnce[i].second, targetOnce[j].second);
                ++i;
                ++j;
            }
        }
        TakePairs(candidates, order, m.partnerOfReference, m.partnerOfTarget);
        record(MATCH_SERVICE_ID, m.byServiceId);
    }

    // 3. The name; a program without a service ID needs the same PIDs as well.
    {
        struct Named {
            uint32_t satellite;
            bool radio;
            std::string name;
            uint32_t index;
            bool operator<(const Named& other) const {
                return std::tie(satellite, radio, name, index) <
                       std::tie(other.satellite, other.radio, other.name, other.index);
            }
        };
        auto named = [](const NetworkDatabase& db, const std::vector<ProgramFacts>& facts,
                        const std::vector<uint32_t>& partner) {
            std::vector<Named> list;
            for (uint32_t p = 0; p < facts.size(); ++p) {
                if (facts[p].satellite == NO_PARTNER || partner[p] != NO_PARTNER)
                    continue;
                std::string name = MatchingName(db.programs()[p]->name);
                if (!name.empty())
                    list.push_back(Named{facts[p].satellite, facts[p].radio, std::move(name), p});
            }
            std::sort(list.begin(), list.end());
            return list;
        };
        const std::vector<Named> referenceNamed = named(reference, a, m.partnerOfReference);
        const std::vector<Named> targetNamed = named(target, b, m.partnerOfTarget);
        std::vector<Candidate> candidates;
        auto same = [](const Named& x, const Named& y) {
            return x.satellite == y.satellite && x.radio == y.radio && x.name == y.name;
        };
        for (size_t i = 0, j = 0; i < referenceNamed.size() && j < targetNamed.size();) {
            const Named& x = referenceNamed[i];
            const Named& y = targetNamed[j];
            if (!same(x, y)) {
                if (std::tie(x.satellite, x.radio, x.name) < std::tie(y.satellite, y.radio, y.name))
                    ++i;
                else
                    ++j;
                continue;
            }
            size_t iEnd = i, jEnd = j;
            while (iEnd < referenceNamed.size() && same(referenceNamed[iEnd], x))
                ++iEnd;
            while (jEnd < targetNamed.size() && same(targetNamed[jEnd], y))
                ++jEnd;
            for (size_t p = i; p < iEnd; ++p) {
                for (size_t q = j; q < jEnd; ++q) {
                    const uint32_t r = referenceNamed[p].index;
                    const uint32_t t = targetNamed[q].index;
                    if ((a[r].serviceId == 0 || b[t].serviceId == 0) && PidDistance(a[r], b[t]) != 0)
                        continue;
                    candidates.push_back(order(r, t));
                }
            }
            i = iEnd;
            j = jEnd;
        }
        TakeInOrder(candidates, m.partnerOfReference, m.partnerOfTarget);
        record(MATCH_NAME, m.byName);
    }
    return m;
}

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
                   std::vector<uint32_t>& partnerOfA, std::vector<uint32_t>& partnerOfB, int tolerance) {
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
        for (int v = a[i].value - tolerance; v <= a[i].value + tolerance; ++v) {
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

std::string FillPlaceholders(std::string pattern, const std::vector<std::string>& values) {
    for (size_t i = values.size(); i-- > 0;) {
        const std::string marker = "%" + std::to_string(i + 1);
        const size_t at = pattern.find(marker);
        if (at != std::string::npos)
            pattern.replace(at, marker.size(), values[i]);
    }
    return pattern;
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
