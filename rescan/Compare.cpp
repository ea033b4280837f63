#include "rescan/Compare.h"

#include "database/DisplayTables.h"
#include "rescan/ProgramMatching.h"

#include <algorithm>
#include <unordered_set>

namespace {

DiffValue Number(long long number) {
    DiffValue value;
    value.kind = DiffValue::NUMBER;
    value.number = number;
    return value;
}

DiffValue Text(DiffValue::Kind kind, std::string text) {
    DiffValue value;
    value.kind = kind;
    value.text = std::move(text);
    return value;
}

DiffValue Word(const char* word) {
    DiffValue value;
    value.kind = DiffValue::WORD;
    value.word = word;
    return value;
}

DiffValue Flags(unsigned bits) {
    DiffValue value;
    value.kind = DiffValue::FLAGS;
    value.number = bits;
    return value;
}

DiffValue Channel(uint32_t number, bool radio, std::string name = std::string()) {
    DiffValue value;
    value.kind = DiffValue::CHANNEL;
    value.number = number;
    value.radio = radio;
    value.text = std::move(name);
    return value;
}

DiffValue Missing(const char* pattern, size_t index) {
    DiffValue value;
    value.kind = DiffValue::MISSING;
    value.word = pattern;
    value.number = static_cast<long long>(index);
    return value;
}

DiffValue Pid(uint16_t pid) {
    return pid == PID_NONE ? Word("none") : Number(pid);
}

// "[101/3, 102/3 AC3]": each PID in decimal with its language byte, and the list's flag where set.
DiffValue Pids(const PidList& list, const char* flag) {
    std::string text = "[";
    for (size_t i = 0; i < list.Count(); ++i) {
        if (i > 0)
            text += ", ";
        text += std::to_string(list.pids[i] & PID_MASK) + "/" + std::to_string(list.languages[i]);
        if (flag && list.pids[i] != PID_NONE && (list.pids[i] & PID_FLAG_AC3))
            text.append(" ").append(flag);
    }
    return Text(DiffValue::LITERAL, text + "]");
}

DiffValue Gmt(int32_t gmt) {
    return gmt == GMT_UNSET ? Word("unset") : Number(gmt);
}

// Collects the fields that differ; values are made only then, since most fields of most records
// are equal.
class Changes {
public:
    template <class T, class Make> void Field(DiffField field, const T& a, const T& b, Make make) {
        if (!(a == b))
            changes_.push_back(DiffChange{field, make(a), make(b)});
    }
    void Count(DiffField field, long long a, long long b) { Field(field, a, b, Number); }
    void Name(DiffField field, const std::string& a, const std::string& b) {
        Field(field, a, b, [](const std::string& name) { return Text(DiffValue::NAME, name); });
    }
    void PidList(DiffField field, const ::PidList& a, const ::PidList& b, const char* flag) {
        if (a.Differs(b))
            changes_.push_back(DiffChange{field, Pids(a, flag), Pids(b, flag)});
    }
    void Add(DiffField field, DiffValue a, DiffValue b) { changes_.push_back(DiffChange{field, a, b}); }
    std::vector<DiffChange> Take() { return std::move(changes_); }

private:
    std::vector<DiffChange> changes_;
};

// Transponders pair within paired satellites; those whose satellite is missing (a damaged file)
// pair among themselves by polarity and frequency, as their programs do.
TransponderPairing PairAllTransponders(const NetworkDatabase& a, const NetworkDatabase& b,
                                const SatellitePairing& satellites) {
    TransponderPairing pairing = PairTransponders(a, b, satellites);
    auto keys = [](const NetworkDatabase& db, const std::vector<uint32_t>& partner) {
        std::vector<TolerantKey> keys(partner.size());
        for (size_t t = 0; t < partner.size(); ++t) {
            const Transponder& transponder = *db.transponders()[t];
            keys[t] = TolerantKey{partner[t] == NO_PARTNER && transponder.networkIndex >= db.networks().size(),
                                  transponder.polarity(), transponder.frequency};
        }
        return keys;
    };
    std::vector<uint32_t> ofA, ofB;
    MatchTolerant(keys(a, pairing.partnerOfReference), keys(b, pairing.partnerOfTarget), ofA, ofB);
    for (size_t t = 0; t < ofA.size(); ++t) {
        if (ofA[t] != NO_PARTNER) {
            pairing.partnerOfReference[t] = ofA[t];
            pairing.partnerOfTarget[ofA[t]] = static_cast<uint32_t>(t);
        }
    }
    return pairing;
}

class Differ {
public:
    Differ(const NetworkDatabase& a, const NetworkDatabase& b)
        : a_(a), b_(b), match_(MatchPrograms(a, b)), transponders_(PairAllTransponders(a, b, match_.satellites)),
          numbersA_(ChannelNumbers(a)), numbersB_(ChannelNumbers(b)) {}

    DatabaseDiff Run() {
        Satellites();
        Transponders();
        Programs();
        Groups();
        DatabaseDiff diff;
        for (auto& section : sections_)
            std::move(section.begin(), section.end(), std::back_inserter(diff.lines));
        return diff;
    }

private:
    void Add(DiffSection section, DiffSubject subject, std::vector<DiffChange> changes = {}) {
        sections_[section].push_back(DiffLine{section, std::move(subject), std::move(changes)});
    }

    static DiffSubject SatelliteSubject(const NetworkDatabase& db, size_t slot) {
        DiffSubject subject;
        subject.kind = DiffSubject::SATELLITE;
        subject.satelliteExists = slot < db.networks().size();
        if (subject.satelliteExists) {
            subject.satellite = db.networks()[slot]->name;
            subject.position = db.networks()[slot]->position;
        }
        return subject;
    }

    static DiffSubject TransponderSubject(const NetworkDatabase& db, size_t t) {
        DiffSubject subject;
        subject.kind = DiffSubject::TRANSPONDER;
        subject.transponderExists = t < db.transponders().size();
        if (!subject.transponderExists) {
            subject.satelliteExists = false;
            return subject;
        }
        const Transponder& transponder = *db.transponders()[t];
        subject = SatelliteSubject(db, transponder.networkIndex);
        subject.kind = DiffSubject::TRANSPONDER;
        subject.frequency = transponder.frequency;
        subject.polarity = transponder.polarity();
        subject.symbolRate = transponder.symbolRate;
        return subject;
    }

    static DiffSubject ProgramSubject(const NetworkDatabase& db, const std::vector<uint32_t>& numbers, size_t p) {
        const Program& program = *db.programs()[p];
        DiffSubject subject = TransponderSubject(db, program.transponderIndex);
        subject.kind = DiffSubject::PROGRAM;
        subject.name = program.name;
        subject.radio = program.IsRadio();
        subject.number = numbers[p];
        subject.serviceId = program.serviceId;
        return subject;
    }

    static DiffSubject GroupSubject(const FavoriteGroup& group, size_t g) {
        DiffSubject subject;
        subject.kind = DiffSubject::GROUP;
        subject.name = group.name;
        subject.number = static_cast<uint32_t>(g + 1);
        subject.tvEntries = group.tvList.size();
        subject.radioEntries = group.radioList.size();
        return subject;
    }

    void Satellites() {
        const SatellitePairing& pairing = match_.satellites;
        for (size_t s = 0; s < pairing.partnerOfReference.size(); ++s) {
            if (pairing.referenceTakesPart[s] && pairing.partnerOfReference[s] == NO_PARTNER)
                Add(DIFF_SATELLITES_ONLY_A, SatelliteSubject(a_, s));
        }
        for (size_t s = 0; s < pairing.partnerOfTarget.size(); ++s) {
            if (pairing.targetTakesPart[s] && pairing.partnerOfTarget[s] == NO_PARTNER)
                Add(DIFF_SATELLITES_ONLY_B, SatelliteSubject(b_, s));
        }
        for (size_t s = 0; s < pairing.partnerOfReference.size(); ++s) {
            const uint32_t partner = pairing.partnerOfReference[s];
            if (partner == NO_PARTNER)
                continue;
            const Network& x = *a_.networks()[s];
            const Network& y = *b_.networks()[partner];
            Changes c;
            c.Name(DIFF_NAME, x.name, y.name);
            c.Field(DIFF_POSITION, x.position, y.position,
                    [](uint16_t position) { return Text(DiffValue::LITERAL, DescribePosition(position)); });
            c.Count(DIFF_POSITIONER_ID, x.positionerId, y.positionerId);
            c.Count(DIFF_SKEW_V, x.skewV, y.skewV);
            c.Count(DIFF_SKEW_H, x.skewH, y.skewH);
            const bool hasA = x.antennaIndex < a_.antennaConfigs().size();
            const bool hasB = y.antennaIndex < b_.antennaConfigs().size();
            c.Field(DIFF_ANTENNA_CONFIGURATION, hasA, hasB,
                    [](bool present) { return Word(present ? "present" : "missing"); });
            if (hasA && hasB) {
                const AntennaConfig& p = *a_.antennaConfigs()[x.antennaIndex];
                const AntennaConfig& q = *b_.antennaConfigs()[y.antennaIndex];
                c.Count(DIFF_DISEQC_MODE, p.diseqcMode, q.diseqcMode);
                c.Count(DIFF_LNB_SUPPLY, p.lnbSupply, q.lnbSupply);
                c.Count(DIFF_SWITCH_PORT, p.switchPort, q.switchPort);
                c.Count(DIFF_LNB_TYPE, p.lnbType, q.lnbType);
                c.Count(DIFF_LNB_FREQUENCY, p.lnbFreq, q.lnbFreq);
                c.Count(DIFF_LNB_FREQUENCY_HIGH, p.lnbFreqH, q.lnbFreqH);
            }
            std::vector<DiffChange> changes = c.Take();
            if (!changes.empty())
                Add(DIFF_SATELLITES_CHANGED, SatelliteSubject(a_, s), std::move(changes));
        }
    }

    void Transponders() {
        for (size_t t = 0; t < transponders_.partnerOfReference.size(); ++t) {
            if (transponders_.partnerOfReference[t] == NO_PARTNER)
                Add(DIFF_TRANSPONDERS_ONLY_A, TransponderSubject(a_, t));
        }
        for (size_t t = 0; t < transponders_.partnerOfTarget.size(); ++t) {
            if (transponders_.partnerOfTarget[t] == NO_PARTNER)
                Add(DIFF_TRANSPONDERS_ONLY_B, TransponderSubject(b_, t));
        }
        for (size_t t = 0; t < transponders_.partnerOfReference.size(); ++t) {
            const uint32_t partner = transponders_.partnerOfReference[t];
            if (partner == NO_PARTNER)
                continue;
            const Transponder& x = *a_.transponders()[t];
            const Transponder& y = *b_.transponders()[partner];
            Changes c;
            c.Name(DIFF_NAME, x.name, y.name);
            c.Count(DIFF_FREQUENCY, x.frequency, y.frequency);
            c.Count(DIFF_SYMBOL_RATE, x.symbolRate, y.symbolRate);
            c.Field(DIFF_POLARITY, x.polarity(), y.polarity(),
                    [](uint8_t polarity) { return Text(DiffValue::LITERAL, PolarityLetter(polarity)); });
            c.Count(DIFF_FEC, x.fec(), y.fec());
            c.Count(DIFF_FREQUENCY_DRIFT, x.freqDrift, y.freqDrift);
            c.Field(DIFF_GMT_ERROR, x.gmtError, y.gmtError, Gmt);
            std::vector<DiffChange> changes = c.Take();
            if (!changes.empty())
                Add(DIFF_TRANSPONDERS_CHANGED, TransponderSubject(a_, t), std::move(changes));
        }
    }

    // The matched programs in A's order, and which of them keep their relative order in B: the
    // longest increasing run of their indices in B (patience sorting).
    static std::vector<bool> KeptOrder(const std::vector<uint32_t>& partnerInB) {
        std::vector<uint32_t> tails; // index into partnerInB of the smallest tail of each length
        std::vector<uint32_t> previous(partnerInB.size(), NO_PARTNER);
        for (size_t i = 0; i < partnerInB.size(); ++i) {
            const auto at = std::lower_bound(tails.begin(), tails.end(), partnerInB[i],
                                             [&](uint32_t k, uint32_t value) { return partnerInB[k] < value; });
            if (at != tails.begin())
                previous[i] = *(at - 1);
            if (at == tails.end())
                tails.push_back(static_cast<uint32_t>(i));
            else
                *at = static_cast<uint32_t>(i);
        }
        std::vector<bool> kept(partnerInB.size(), false);
        for (uint32_t k = tails.empty() ? NO_PARTNER : tails.back(); k != NO_PARTNER; k = previous[k])
            kept[k] = true;
        return kept;
    }

    // "19.2E 11953 H" for a program's transponder.
    static DiffValue Place(const NetworkDatabase& db, size_t t) {
        const DiffSubject s = TransponderSubject(db, t);
        if (!s.transponderExists)
            return Missing("transponder %1 (missing)", t);
        return Text(DiffValue::LITERAL, (s.satelliteExists ? DescribePosition(s.position) + " " : std::string()) +
                                            std::to_string(s.frequency) + " " + PolarityLetter(s.polarity));
    }

    void Programs() {
        for (size_t p = 0; p < match_.partnerOfReference.size(); ++p) {
            if (match_.partnerOfReference[p] == NO_PARTNER)
                Add(DIFF_PROGRAMS_ONLY_A, ProgramSubject(a_, numbersA_, p));
        }
        for (size_t p = 0; p < match_.partnerOfTarget.size(); ++p) {
            if (match_.partnerOfTarget[p] == NO_PARTNER)
                Add(DIFF_PROGRAMS_ONLY_B, ProgramSubject(b_, numbersB_, p));
        }
        std::vector<uint32_t> matchedA;
        std::vector<uint32_t> partnerInB;
        for (size_t p = 0; p < match_.partnerOfReference.size(); ++p) {
            const uint32_t q = match_.partnerOfReference[p];
            if (q == NO_PARTNER)
                continue;
            matchedA.push_back(static_cast<uint32_t>(p));
            partnerInB.push_back(q);
            const Program& x = *a_.programs()[p];
            const Program& y = *b_.programs()[q];
            Changes c;
            c.Name(DIFF_NAME, x.name, y.name);
            // On another transponder than the partner of its own (a moved transponder is one line above).
            const uint32_t partnerTransponder = x.transponderIndex < transponders_.partnerOfReference.size()
                                                    ? transponders_.partnerOfReference[x.transponderIndex]
                                                    : NO_PARTNER;
            if (partnerTransponder != y.transponderIndex &&
                !(partnerTransponder == NO_PARTNER && x.transponderIndex == y.transponderIndex &&
                  x.transponderIndex >= a_.transponders().size() && y.transponderIndex >= b_.transponders().size()))
                c.Add(DIFF_TRANSPONDER, Place(a_, x.transponderIndex), Place(b_, y.transponderIndex));
            c.Count(DIFF_SERVICE_ID, x.serviceId, y.serviceId);
            c.Field(DIFF_PMT_PID, x.pmtPid, y.pmtPid, Pid);
            c.Field(DIFF_PCR_PID, x.pcrPid, y.pcrPid, Pid);
            c.PidList(DIFF_VIDEO_PIDS, x.videoPids, y.videoPids, nullptr);
            c.PidList(DIFF_AUDIO_PIDS, x.audioPids, y.audioPids, "AC3");
            c.PidList(DIFF_TELETEXT_PIDS, x.teletextPids, y.teletextPids, "Subt");
            c.Count(DIFF_CA_MASK, x.caMask, y.caMask);
            c.Field(DIFF_ATTRIBUTES, x.attributes, y.attributes, [](uint8_t bits) { return Flags(bits); });
            c.Count(DIFF_ATTRIBUTES2, x.attributes2, y.attributes2);
            std::vector<DiffChange> changes = c.Take();
            if (!changes.empty())
                Add(DIFF_PROGRAMS_CHANGED, ProgramSubject(a_, numbersA_, p), std::move(changes));
        }
        // Within the TV and the radio list apart: a radio channel that passed TV channels kept its number.
        std::vector<bool> kept(matchedA.size(), false);
        for (const bool radio : {false, true}) {
            std::vector<uint32_t> at, inB;
            for (size_t k = 0; k < matchedA.size(); ++k) {
                if (a_.programs()[matchedA[k]]->IsRadio() == radio) {
                    at.push_back(static_cast<uint32_t>(k));
                    inB.push_back(partnerInB[k]);
                }
            }
            const std::vector<bool> run = KeptOrder(inB);
            for (size_t i = 0; i < at.size(); ++i)
                kept[at[i]] = run[i];
        }
        for (size_t k = 0; k < matchedA.size(); ++k) {
            if (kept[k])
                continue;
            const Program& y = *b_.programs()[partnerInB[k]];
            DiffSubject subject = ProgramSubject(a_, numbersA_, matchedA[k]);
            Add(DIFF_PROGRAMS_MOVED, subject,
                {DiffChange{DIFF_CHANNEL, Channel(subject.number, subject.radio),
                            Channel(numbersB_[partnerInB[k]], y.IsRadio())}});
        }
    }

    // An entry as the program it names in B: a program of A by its partner, an entry that names no
    // program by its value above the program range.
    uint32_t EntryInB(uint16_t entry, bool fromA) const {
        const size_t count = fromA ? match_.partnerOfReference.size() : match_.partnerOfTarget.size();
        if (entry >= count)
            return 0x10000u + entry;
        if (!fromA)
            return entry;
        const uint32_t partner = match_.partnerOfReference[entry];
        return partner == NO_PARTNER ? 0x20000u + entry : partner;
    }

    DiffValue Entry(const NetworkDatabase& db, const std::vector<uint32_t>& numbers, uint16_t entry) const {
        if (entry >= db.programs().size())
            return Missing("program %1 (missing)", entry);
        const Program& program = *db.programs()[entry];
        return Channel(numbers[entry], program.IsRadio(), program.name);
    }

    void CompareList(const DiffSubject& subject, bool radio, const std::vector<uint16_t>& x,
                     const std::vector<uint16_t>& y) {
        const DiffField field = radio ? DIFF_RADIO_ENTRY : DIFF_TV_ENTRY;
        std::unordered_set<uint32_t> inA, inB;
        for (const uint16_t e : x)
            inA.insert(EntryInB(e, true));
        for (const uint16_t e : y)
            inB.insert(EntryInB(e, false));
        std::vector<uint32_t> commonA, commonB;
        for (const uint16_t e : x) {
            const uint32_t key = EntryInB(e, true);
            if (inB.count(key))
                commonA.push_back(key);
            else
                Add(DIFF_GROUPS_CHANGED, subject, {DiffChange{field, Entry(a_, numbersA_, e), DiffValue()}});
        }
        for (const uint16_t e : y) {
            const uint32_t key = EntryInB(e, false);
            if (inA.count(key))
                commonB.push_back(key);
            else
                Add(DIFF_GROUPS_CHANGED, subject, {DiffChange{field, DiffValue(), Entry(b_, numbersB_, e)}});
        }
        if (commonA != commonB)
            Add(DIFF_GROUPS_CHANGED, subject, {DiffChange{radio ? DIFF_RADIO_ORDER : DIFF_TV_ORDER, {}, {}}});
    }

    void Groups() {
        const auto& ga = a_.favoriteGroups();
        const auto& gb = b_.favoriteGroups();
        for (size_t g = gb.size(); g < ga.size(); ++g)
            Add(DIFF_GROUPS_ONLY_A, GroupSubject(*ga[g], g));
        for (size_t g = ga.size(); g < gb.size(); ++g)
            Add(DIFF_GROUPS_ONLY_B, GroupSubject(*gb[g], g));
        for (size_t g = 0; g < std::min(ga.size(), gb.size()); ++g) {
            const DiffSubject subject = GroupSubject(*ga[g], g);
            if (ga[g]->name != gb[g]->name)
                Add(DIFF_GROUPS_CHANGED, subject,
                    {DiffChange{DIFF_NAME, Text(DiffValue::NAME, ga[g]->name), Text(DiffValue::NAME, gb[g]->name)}});
            CompareList(subject, false, ga[g]->tvList, gb[g]->tvList);
            CompareList(subject, true, ga[g]->radioList, gb[g]->radioList);
        }
    }

    const NetworkDatabase& a_;
    const NetworkDatabase& b_;
    const ProgramMatching match_;
    const TransponderPairing transponders_;
    const std::vector<uint32_t> numbersA_;
    const std::vector<uint32_t> numbersB_;
    std::vector<DiffLine> sections_[DIFF_SECTION_COUNT];
};


class Wording {
public:
    explicit Wording(const DatabaseDiff::Words& words) : words_(words) {}

    std::string Say(const char* english) const { return words_ ? words_(english) : std::string(english); }

    std::string Value(const DiffValue& value) const {
        switch (value.kind) {
        case DiffValue::NUMBER:
            return std::to_string(value.number);
        case DiffValue::NAME:
            return Quoted(value.text);
        case DiffValue::LITERAL:
            return value.text;
        case DiffValue::WORD:
            return Say(value.word);
        case DiffValue::FLAGS: {
            std::string text;
            for (int bit = 0; bit < 8; ++bit) {
                if (value.number & (1 << bit))
                    text += (text.empty() ? "" : ", ") + Say(AttributeName(bit));
            }
            return text.empty() ? Say("none") : text;
        }
        case DiffValue::CHANNEL: {
            std::string text = FillPlaceholders(Say(value.radio ? "Radio %1" : "TV %1"), {std::to_string(value.number)});
            return value.text.empty() ? text : text + " " + Quoted(value.text);
        }
        case DiffValue::MISSING:
            return FillPlaceholders(Say(value.word), {std::to_string(value.number)});
        case DiffValue::NONE:
        default:
            return std::string();
        }
    }

    std::string Satellite(const DiffSubject& s) const {
        return s.satelliteExists ? Quoted(s.satellite) + " " + DescribePosition(s.position)
                                 : Say("a missing satellite");
    }

    std::string Transponder(const DiffSubject& s) const {
        return Satellite(s) + " " + std::to_string(s.frequency) + " " + PolarityLetter(s.polarity);
    }

    std::string Subject(const DiffLine& line) const {
        const DiffSubject& s = line.subject;
        const bool only = line.changes.empty();
        switch (s.kind) {
        case DiffSubject::SATELLITE:
            return Satellite(s);
        case DiffSubject::TRANSPONDER:
            return only ? FillPlaceholders(Say("%1, symbol rate %2"), {Transponder(s), std::to_string(s.symbolRate)})
                        : Transponder(s);
        case DiffSubject::PROGRAM: {
            if (line.section == DIFF_PROGRAMS_MOVED)
                return Quoted(s.name);
            const std::string channel = Value(Channel(s.number, s.radio, s.name));
            if (!only)
                return channel;
            const std::string place = s.transponderExists ? Transponder(s) : Say("a missing transponder");
            return FillPlaceholders(Say("%1 on %2, service ID %3"), {channel, place, std::to_string(s.serviceId)});
        }
        case DiffSubject::GROUP: {
            const std::string group =
                FillPlaceholders(Say("Group %1 %2"), {std::to_string(s.number), s.name.empty() ? "Fav" + std::to_string(s.number)
                                                                                   : Quoted(s.name)});
            return only ? group + ": " +
                              FillPlaceholders(Say("%1 TV, %2 radio"), {std::to_string(s.tvEntries), std::to_string(s.radioEntries)})
                        : group;
        }
        }
        return std::string();
    }

    std::string Change(const DiffChange& change) const {
        switch (change.field) {
        case DIFF_TV_ENTRY:
            return FillPlaceholders(Say(change.a.kind != DiffValue::NONE ? "TV list: %1 only in A" : "TV list: %1 only in B"),
                        {Value(change.a.kind != DiffValue::NONE ? change.a : change.b)});
        case DIFF_RADIO_ENTRY:
            return FillPlaceholders(Say(change.a.kind != DiffValue::NONE ? "radio list: %1 only in A" : "radio list: %1 only in B"),
                        {Value(change.a.kind != DiffValue::NONE ? change.a : change.b)});
        case DIFF_TV_ORDER:
            return Say("TV list: order changed");
        case DIFF_RADIO_ORDER:
            return Say("radio list: order changed");
        case DIFF_CHANNEL:
            return FillPlaceholders(Say("%1 -> %2"), {Value(change.a), Value(change.b)});
        default:
            return FillPlaceholders(Say("%1 %2 -> %3"), {Say(DiffFieldName(change.field)), Value(change.a), Value(change.b)});
        }
    }

    std::string Line(const DiffLine& line) const {
        std::string text = Subject(line);
        for (size_t i = 0; i < line.changes.size(); ++i)
            text += (i == 0 ? ": " : ", ") + Change(line.changes[i]);
        return text;
    }

private:
    const DatabaseDiff::Words& words_;
};

} // namespace

const char* DiffSectionTitle(int section) {
    static const char* const kTitles[DIFF_SECTION_COUNT] = {
        "Satellites only in A",  "Satellites only in B",  "Satellites changed", "Transponders only in A",
        "Transponders only in B", "Transponders changed", "Programs only in A", "Programs only in B",
        "Programs changed",       "Programs moved",       "Favorite groups only in A",
        "Favorite groups only in B", "Favorite groups changed"};
    return section >= 0 && section < DIFF_SECTION_COUNT ? kTitles[section] : "";
}

const char* DiffFieldName(int field) {
    static const char* const kNames[DIFF_FIELD_COUNT] = {
        "name",          "position",       "positioner ID", "skew V",        "skew H",         "antenna configuration",
        "DiSEqC mode",   "LNB supply",     "switch port",   "LNB type",      "LNB frequency",  "LNB frequency high",
        "frequency",     "symbol rate",    "polarity",      "FEC",           "frequency drift", "GMT error",
        "transponder",   "service ID",     "PMT PID",       "PCR PID",       "video PIDs",     "audio PIDs",
        "teletext PIDs", "CA mask",        "attributes",    "attributes 2",  "channel",        "TV list",
        "radio list",    "TV list order",  "radio list order"};
    return field >= 0 && field < DIFF_FIELD_COUNT ? kNames[field] : "";
}

const char* AttributeName(int bit) {
    static const char* const kNames[8] = {"Scrambled", "Lock", "Skip", "Bit 3", "Radio", "Don't update video/audio PIDs",
                                          "Don't update name", "Don't update with service ID"};
    return bit >= 0 && bit < 8 ? kNames[bit] : "";
}

size_t DatabaseDiff::Count(int section) const {
    return static_cast<size_t>(
        std::count_if(lines.begin(), lines.end(), [section](const DiffLine& line) { return line.section == section; }));
}

std::string FormatDiffLine(const DiffLine& line, const DatabaseDiff::Words& words) {
    return Wording(words).Line(line);
}

std::string DatabaseDiff::Text(const Words& words) const {
    const Wording wording(words);
    if (lines.empty())
        return wording.Say("No differences.") + "\n";
    std::string text;
    for (size_t i = 0; i < lines.size();) {
        size_t end = i;
        while (end < lines.size() && lines[end].section == lines[i].section)
            ++end;
        text.append(wording.Say(DiffSectionTitle(lines[i].section)))
            .append(": ")
            .append(std::to_string(end - i))
            .append("\n");
        for (; i < end; ++i)
            text.append("  ").append(wording.Line(lines[i])).append("\n");
    }
    return text;
}

DatabaseDiff CompareDatabases(const NetworkDatabase& a, const NetworkDatabase& b) {
    return Differ(a, b).Run();
}
