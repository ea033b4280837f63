#include "rescan/Compare.h"

#include "rescan/ProgramMatching.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <unordered_set>

namespace {

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// Collects "field old -> new" for the fields that differ; values are formatted only then, since
// most fields of most records are equal.
class Changes {
public:
    void Text(const char* field, const std::string& a, const std::string& b) {
        if (a != b)
            Add(field, a, b);
    }
    void Number(const char* field, long long a, long long b) {
        if (a != b)
            Add(field, std::to_string(a), std::to_string(b));
    }
    void HexNumber(const char* field, unsigned a, unsigned b, int digits) {
        if (a != b)
            Add(field, Hex(a, digits), Hex(b, digits));
    }
    void Name(const char* field, const std::string& a, const std::string& b) {
        if (a != b)
            Add(field, Quoted(a), Quoted(b));
    }
    void Pids(const char* field, const PidList& a, const PidList& b);
    bool Empty() const { return parts_.empty(); }
    std::string Joined() const {
        std::string text;
        for (const std::string& part : parts_)
            text += (text.empty() ? "" : ", ") + part;
        return text;
    }

private:
    void Add(const char* field, const std::string& a, const std::string& b) {
        parts_.push_back(std::string(field) + " " + a + " -> " + b);
    }
    std::vector<std::string> parts_;
};

std::string ShowPids(const PidList& list) {
    std::string text = "[";
    for (size_t i = 0; i < list.Count(); ++i) {
        if (i > 0)
            text += ' ';
        text.append(Hex(list.pids[i], 4)).append("/").append(std::to_string(list.languages[i]));
    }
    text += ']';
    return text;
}

void Changes::Pids(const char* field, const PidList& a, const PidList& b) {
    if (a.Differs(b))
        Add(field, ShowPids(a), ShowPids(b));
}

std::string ShowGmt(int32_t gmt) {
    return gmt == GMT_UNSET ? "unset" : std::to_string(gmt);
}

class Differ {
public:
    Differ(const NetworkDatabase& a, const NetworkDatabase& b) : a_(a), b_(b) {}

    DatabaseDiff Run() {
        Satellites();
        Transponders();
        Programs();
        Groups();
        DatabaseDiff diff;
        for (auto& section : sections_) {
            if (!section.lines.empty())
                diff.sections.push_back(std::move(section));
        }
        return diff;
    }

private:
    std::vector<std::string>& Section(const char* title) {
        sections_.push_back(DatabaseDiff::Section{title, {}});
        return sections_.back().lines;
    }

    static std::string SlotLabel(const Network& network, size_t slot) {
        return "slot " + std::to_string(slot) + " " + Quoted(network.name) + " " + DescribePosition(network.position);
    }

    void Satellites() {
        const auto& na = a_.networks();
        const auto& nb = b_.networks();
        std::vector<std::string>& onlyA = Section("Satellites only in A");
        for (size_t s = nb.size(); s < na.size(); ++s)
            onlyA.push_back(SlotLabel(*na[s], s));
        std::vector<std::string>& onlyB = Section("Satellites only in B");
        for (size_t s = na.size(); s < nb.size(); ++s)
            onlyB.push_back(SlotLabel(*nb[s], s));
        std::vector<std::string>& changed = Section("Satellites changed");
        for (size_t s = 0; s < std::min(na.size(), nb.size()); ++s) {
            const Network& x = *na[s];
            const Network& y = *nb[s];
            Changes c;
            c.Name("name", x.name, y.name);
            if (x.position != y.position)
                c.Text("position", DescribePosition(x.position), DescribePosition(y.position));
            c.Number("positionerId", x.positionerId, y.positionerId);
            c.Number("skewV", x.skewV, y.skewV);
            c.Number("skewH", x.skewH, y.skewH);
            const AntennaConfig none;
            const bool hasA = s < a_.antennaConfigs().size();
            const bool hasB = s < b_.antennaConfigs().size();
            if (hasA != hasB)
                c.Text("antenna configuration", hasA ? "present" : "missing", hasB ? "present" : "missing");
            const AntennaConfig& p = hasA ? *a_.antennaConfigs()[s] : none;
            const AntennaConfig& q = hasB ? *b_.antennaConfigs()[s] : none;
            if (hasA && hasB) {
                c.HexNumber("diseqcMode", p.diseqcMode, q.diseqcMode, 2);
                c.HexNumber("lnbSupply", p.lnbSupply, q.lnbSupply, 2);
                c.HexNumber("switchPort", p.switchPort, q.switchPort, 2);
                c.HexNumber("lnbType", p.lnbType, q.lnbType, 2);
                c.Number("lnbFreq", p.lnbFreq, q.lnbFreq);
                c.Number("lnbFreqH", p.lnbFreqH, q.lnbFreqH);
            }
            if (!c.Empty())
                changed.push_back(SlotLabel(x, s) + ": " + c.Joined());
        }
    }

    static std::vector<TolerantKey> TransponderKeys(const NetworkDatabase& db) {
        std::vector<TolerantKey> keys;
        keys.reserve(db.transponders().size());
        for (const auto& t : db.transponders())
            keys.push_back(TolerantKey{true, (uint64_t{PositionOf(db, *t)} << 2) | t->polarity(), t->frequency});
        return keys;
    }

    void Transponders() {
        std::vector<uint32_t> partnerOfA, partnerOfB;
        MatchTolerant(TransponderKeys(a_), TransponderKeys(b_), partnerOfA, partnerOfB);
        auto label = [](const NetworkDatabase& db, size_t t) {
            return DescribeTransponder(db, t) + " " + std::to_string(db.transponders()[t]->symbolRate);
        };
        std::vector<std::string>& onlyA = Section("Transponders only in A");
        for (size_t t = 0; t < partnerOfA.size(); ++t) {
            if (partnerOfA[t] == NO_PARTNER)
                onlyA.push_back(label(a_, t));
        }
        std::vector<std::string>& onlyB = Section("Transponders only in B");
        for (size_t t = 0; t < partnerOfB.size(); ++t) {
            if (partnerOfB[t] == NO_PARTNER)
                onlyB.push_back(label(b_, t));
        }
        std::vector<std::string>& changed = Section("Transponders changed");
        for (size_t t = 0; t < partnerOfA.size(); ++t) {
            if (partnerOfA[t] == NO_PARTNER)
                continue;
            const Transponder& x = *a_.transponders()[t];
            const Transponder& y = *b_.transponders()[partnerOfA[t]];
            Changes c;
            c.Name("name", x.name, y.name);
            c.Number("frequency", x.frequency, y.frequency);
            c.Number("symbolRate", x.symbolRate, y.symbolRate);
            c.HexNumber("polFec", x.polFec, y.polFec, 2);
            c.Number("freqDrift", x.freqDrift, y.freqDrift);
            if (x.gmtError != y.gmtError)
                c.Text("gmtError", ShowGmt(x.gmtError), ShowGmt(y.gmtError));
            if (!c.Empty())
                changed.push_back(DescribeTransponder(a_, t) + ": " + c.Joined());
        }
    }

    // The matched programs in A's order, and which of them keep their relative order in B: the
    // longest increasing run of their indices in B (patience sorting).
    std::vector<bool> KeptOrder(const std::vector<uint32_t>& partnerInB) const {
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

    void Programs() {
        match_ = MatchPrograms(a_, b_);
        std::vector<std::string>& onlyA = Section("Programs only in A");
        for (size_t p = 0; p < match_.partnerOfReference.size(); ++p) {
            if (match_.partnerOfReference[p] == NO_PARTNER)
                onlyA.push_back(DescribeProgram(a_, p));
        }
        std::vector<std::string>& onlyB = Section("Programs only in B");
        for (size_t p = 0; p < match_.partnerOfTarget.size(); ++p) {
            if (match_.partnerOfTarget[p] == NO_PARTNER)
                onlyB.push_back(DescribeProgram(b_, p));
        }
        std::vector<std::string>& changed = Section("Programs changed");
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
            c.Name("name", x.name, y.name);
            if (match_.kindOfTarget[q] == MATCH_NAME)
                c.Text("transponder", DescribeTransponder(a_, x.transponderIndex),
                       DescribeTransponder(b_, y.transponderIndex));
            c.Number("serviceId", x.serviceId, y.serviceId);
            c.HexNumber("pmtPid", x.pmtPid, y.pmtPid, 4);
            c.HexNumber("pcrPid", x.pcrPid, y.pcrPid, 4);
            c.Pids("videoPids", x.videoPids, y.videoPids);
            c.Pids("audioPids", x.audioPids, y.audioPids);
            c.Pids("teletextPids", x.teletextPids, y.teletextPids);
            c.HexNumber("caMask", x.caMask, y.caMask, 8);
            c.HexNumber("attributes", x.attributes, y.attributes, 2);
            c.HexNumber("attributes2", x.attributes2, y.attributes2, 2);
            if (!c.Empty())
                changed.push_back(Quoted(x.name) + ": " + c.Joined());
        }
        std::vector<std::string>& moved = Section("Programs moved");
        const std::vector<bool> kept = KeptOrder(partnerInB);
        const std::vector<uint32_t> numbersA = ChannelNumbers(a_);
        const std::vector<uint32_t> numbersB = ChannelNumbers(b_);
        auto channel = [](const Program& program, uint32_t number) {
            return std::string(program.IsRadio() ? "radio " : "TV ") + std::to_string(number);
        };
        for (size_t k = 0; k < matchedA.size(); ++k) {
            if (kept[k])
                continue;
            const Program& x = *a_.programs()[matchedA[k]];
            const Program& y = *b_.programs()[partnerInB[k]];
            moved.push_back(Quoted(x.name) + ": " + channel(x, numbersA[matchedA[k]]) + " -> " +
                            channel(y, numbersB[partnerInB[k]]));
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

    std::string EntryName(const NetworkDatabase& db, uint16_t entry) const {
        return entry < db.programs().size() ? Quoted(db.programs()[entry]->name)
                                            : "program " + std::to_string(entry) + " (missing)";
    }

    void CompareList(std::vector<std::string>& lines, const std::string& label, const std::vector<uint16_t>& x,
                     const std::vector<uint16_t>& y) const {
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
                lines.push_back(label + " " + EntryName(a_, e) + " only in A");
        }
        for (const uint16_t e : y) {
            const uint32_t key = EntryInB(e, false);
            if (inA.count(key))
                commonB.push_back(key);
            else
                lines.push_back(label + " " + EntryName(b_, e) + " only in B");
        }
        if (commonA != commonB)
            lines.push_back(label + " order changed");
    }

    static std::string GroupLabel(const FavoriteGroup& group, size_t index) {
        return "group " + std::to_string(index + 1) + " " +
               (group.name.empty() ? "Fav" + std::to_string(index + 1) : Quoted(group.name));
    }

    void Groups() {
        const auto& ga = a_.favoriteGroups();
        const auto& gb = b_.favoriteGroups();
        auto entries = [](const FavoriteGroup& g) {
            return std::to_string(g.tvList.size()) + " TV, " + std::to_string(g.radioList.size()) + " radio";
        };
        std::vector<std::string>& onlyA = Section("Favorite groups only in A");
        for (size_t g = gb.size(); g < ga.size(); ++g)
            onlyA.push_back(GroupLabel(*ga[g], g) + ": " + entries(*ga[g]));
        std::vector<std::string>& onlyB = Section("Favorite groups only in B");
        for (size_t g = ga.size(); g < gb.size(); ++g)
            onlyB.push_back(GroupLabel(*gb[g], g) + ": " + entries(*gb[g]));
        std::vector<std::string>& changed = Section("Favorite groups changed");
        for (size_t g = 0; g < std::min(ga.size(), gb.size()); ++g) {
            const std::string label = GroupLabel(*ga[g], g);
            if (ga[g]->name != gb[g]->name)
                changed.push_back(label + ": name " + Quoted(ga[g]->name) + " -> " + Quoted(gb[g]->name));
            CompareList(changed, label + ": TV", ga[g]->tvList, gb[g]->tvList);
            CompareList(changed, label + ": radio", ga[g]->radioList, gb[g]->radioList);
        }
    }

    const NetworkDatabase& a_;
    const NetworkDatabase& b_;
    ProgramMatching match_;
    // A deque keeps the references that Section hands out valid.
    std::deque<DatabaseDiff::Section> sections_;
};

} // namespace

std::string DatabaseDiff::Text() const {
    if (sections.empty())
        return "No differences.\n";
    size_t size = 0;
    for (const Section& section : sections) {
        size += section.title.size() + 16;
        for (const std::string& line : section.lines)
            size += line.size() + 3;
    }
    std::string text;
    text.reserve(size);
    for (const Section& section : sections) {
        text.append(section.title).append(": ").append(std::to_string(section.lines.size())).append("\n");
        for (const std::string& line : section.lines)
            text.append("  ").append(line).append("\n");
    }
    return text;
}

DatabaseDiff CompareDatabases(const NetworkDatabase& a, const NetworkDatabase& b) {
    return Differ(a, b).Run();
}
