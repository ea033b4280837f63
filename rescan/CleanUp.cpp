#include "rescan/CleanUp.h"

#include "database/DisplayTables.h"
#include "rescan/ProgramMatching.h"

#include <algorithm>
#include <tuple>

namespace {

bool ProgramGoes(const CleanUpPlan& plan, size_t program) {
    return plan.programKeeper[program] != program ||
           std::binary_search(plan.orphanPrograms.begin(), plan.orphanPrograms.end(), program);
}

CleanUpChannel ChannelOf(const NetworkDatabase& db, const std::vector<uint32_t>& numbers, size_t p) {
    const Program& program = *db.programs()[p];
    return CleanUpChannel{numbers[p], program.IsRadio(), program.name};
}

CleanUpPlace PlaceOf(const NetworkDatabase& db, size_t t) {
    CleanUpPlace place;
    if (t >= db.transponders().size())
        return place;
    const Transponder& transponder = *db.transponders()[t];
    place.transponderExists = true;
    place.frequency = transponder.frequency;
    place.polarity = transponder.polarity();
    place.symbolRate = transponder.symbolRate;
    if (transponder.networkIndex < db.networks().size()) {
        const Network& network = *db.networks()[transponder.networkIndex];
        place.satelliteExists = true;
        place.satellite = network.name;
        place.position = network.position;
    }
    return place;
}

// Favorite entries of duplicate programs go to the earlier program, unless its list holds that
// program already; the lists as they are after that. `mark` has room for every 16-bit entry.
std::vector<uint16_t> TransferEntries(const CleanUpPlan& plan, const std::vector<uint16_t>& list,
                                      std::vector<uint32_t>& mark, uint32_t stamp) {
    std::vector<uint16_t> moved = list;
    for (const uint16_t entry : list)
        mark[entry] = stamp;
    for (uint16_t& entry : moved) {
        if (entry >= plan.programKeeper.size() || plan.programKeeper[entry] == entry)
            continue;
        const uint32_t keeper = plan.programKeeper[entry];
        if (mark[keeper] == stamp)
            continue; // the entry goes with its program
        mark[keeper] = stamp;
        entry = static_cast<uint16_t>(keeper);
    }
    return moved;
}

// The positions of the entries that name no program or repeat an earlier entry of the list.
std::vector<size_t> BrokenEntries(const std::vector<uint16_t>& list, size_t programCount, std::vector<uint32_t>& mark,
                                  uint32_t stamp) {
    std::vector<size_t> broken;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] >= programCount || mark[list[i]] == stamp)
            broken.push_back(i);
        else
            mark[list[i]] = stamp;
    }
    return broken;
}

// Adds a finding and tells whether it applies.
bool Add(CleanUpPlan& plan, CleanUpFinding finding) {
    finding.applies = plan.options.Applies(finding.key);
    plan.findings[finding.key.rule].push_back(std::move(finding));
    return plan.findings[finding.key.rule].back().applies;
}

CleanUpKey KeyOf(CleanUpRule rule, size_t index) {
    return CleanUpKey{static_cast<uint8_t>(rule), static_cast<uint32_t>(index), false, 0};
}

// Within one satellite, polarity and symbol rate, sorted by frequency: a run of transponders
// within the tolerance of its lowest frequency is one transponder; the first of them in the file
// keeps, the others merge into it where their finding applies.
void FindDuplicateTransponders(const NetworkDatabase& db, CleanUpPlan& plan) {
    const size_t count = db.transponders().size();
    plan.transponderKeeper.resize(count);
    std::vector<uint32_t> order(count);
    for (size_t t = 0; t < count; ++t)
        order[t] = plan.transponderKeeper[t] = static_cast<uint32_t>(t);
    auto group = [&db](uint32_t t) {
        const Transponder& x = *db.transponders()[t];
        return std::make_tuple(x.networkIndex, x.polarity(), x.symbolRate);
    };
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return std::make_tuple(group(a), db.transponders()[a]->frequency, a) <
               std::make_tuple(group(b), db.transponders()[b]->frequency, b);
    });
    std::vector<std::pair<uint32_t, uint32_t>> repeats; // (transponder, keeper)
    for (size_t i = 0; i < count;) {
        const int lowest = db.transponders()[order[i]]->frequency;
        size_t end = i + 1;
        while (end < count && group(order[end]) == group(order[i]) &&
               db.transponders()[order[end]]->frequency - lowest <= kDuplicateTransponderTolerance)
            ++end;
        const uint32_t keeper = *std::min_element(order.begin() + static_cast<std::ptrdiff_t>(i),
                                                  order.begin() + static_cast<std::ptrdiff_t>(end));
        for (size_t k = i; k < end; ++k) {
            if (order[k] != keeper)
                repeats.emplace_back(order[k], keeper);
        }
        i = end;
    }
    std::sort(repeats.begin(), repeats.end());
    if (repeats.empty())
        return;
    std::vector<uint32_t> programsOn(count, 0);
    for (const auto& program : db.programs()) {
        if (program->transponderIndex < count)
            ++programsOn[program->transponderIndex];
    }
    for (const auto& [t, keeper] : repeats) {
        CleanUpFinding finding;
        finding.key = KeyOf(CLEAN_DUPLICATE_TRANSPONDERS, t);
        finding.place = PlaceOf(db, t);
        finding.keeperFrequency = db.transponders()[keeper]->frequency;
        finding.keeperPolarity = db.transponders()[keeper]->polarity();
        finding.channelsMoved = programsOn[t];
        if (Add(plan, std::move(finding))) {
            plan.transponderKeeper[t] = keeper;
            plan.duplicateTransponders.push_back(t);
        }
    }
}

// Whether two programs on one transponder are the same service: the same service ID, and where
// that is 0 (which names no service) the same PIDs.
std::tuple<uint32_t, uint16_t> ServiceKey(const CleanUpPlan& plan, const Program& program) {
    return {plan.transponderKeeper[program.transponderIndex], program.serviceId};
}

bool SamePids(const Program& a, const Program& b) {
    return a.pmtPid == b.pmtPid && a.pcrPid == b.pcrPid && !a.videoPids.Differs(b.videoPids) &&
           !a.audioPids.Differs(b.audioPids);
}

void FindPrograms(const NetworkDatabase& db, CleanUpPlan& plan, const std::vector<uint32_t>& numbers) {
    const size_t transponderCount = db.transponders().size();
    const size_t count = db.programs().size();
    plan.programKeeper.resize(count);
    std::vector<uint32_t> keyed;
    keyed.reserve(count);
    for (size_t p = 0; p < count; ++p) {
        plan.programKeeper[p] = static_cast<uint32_t>(p);
        const Program& program = *db.programs()[p];
        if (program.transponderIndex < transponderCount) {
            keyed.push_back(static_cast<uint32_t>(p));
            continue;
        }
        CleanUpFinding finding;
        finding.key = KeyOf(CLEAN_ORPHAN_PROGRAMS, p);
        finding.channel = ChannelOf(db, numbers, p);
        finding.serviceId = program.serviceId;
        finding.missingTransponder = program.transponderIndex;
        if (Add(plan, std::move(finding)))
            plan.orphanPrograms.push_back(p);
    }
    // Sorted by service, the first of each run of equal services keeps. Runs with service ID 0
    // are split further by PIDs: each program there takes the first earlier one with its PIDs.
    auto key = [&](uint32_t p) { return ServiceKey(plan, *db.programs()[p]); };
    std::sort(keyed.begin(), keyed.end(), [&](uint32_t a, uint32_t b) {
        const auto ka = key(a);
        const auto kb = key(b);
        return ka != kb ? ka < kb : a < b;
    });
    std::vector<std::pair<uint32_t, uint32_t>> repeats; // (program, keeper)
    for (size_t i = 0; i < keyed.size();) {
        size_t end = i + 1;
        while (end < keyed.size() && key(keyed[end]) == key(keyed[i]))
            ++end;
        if (db.programs()[keyed[i]]->serviceId != 0) {
            for (size_t k = i + 1; k < end; ++k)
                repeats.emplace_back(keyed[k], keyed[i]);
        } else {
            std::vector<uint32_t> keepers;
            for (size_t k = i; k < end; ++k) {
                const Program& program = *db.programs()[keyed[k]];
                const auto same = std::find_if(keepers.begin(), keepers.end(),
                                               [&](uint32_t q) { return SamePids(*db.programs()[q], program); });
                if (same == keepers.end())
                    keepers.push_back(keyed[k]);
                else
                    repeats.emplace_back(keyed[k], *same);
            }
        }
        i = end;
    }
    std::sort(repeats.begin(), repeats.end());
    for (const auto& [p, keeper] : repeats) {
        CleanUpFinding finding;
        finding.key = KeyOf(CLEAN_DUPLICATE_PROGRAMS, p);
        finding.channel = ChannelOf(db, numbers, p);
        finding.serviceId = db.programs()[p]->serviceId;
        finding.other = ChannelOf(db, numbers, keeper);
        finding.place = PlaceOf(db, db.programs()[p]->transponderIndex);
        if (Add(plan, std::move(finding))) {
            plan.programKeeper[p] = keeper;
            plan.duplicatePrograms.push_back(p);
        }
    }
}

void FindEmptyTransponders(const NetworkDatabase& db, CleanUpPlan& plan) {
    const size_t count = db.transponders().size();
    std::vector<uint32_t> programsOn(count, 0);
    for (const auto& program : db.programs()) {
        if (program->transponderIndex < count)
            ++programsOn[plan.transponderKeeper[program->transponderIndex]];
    }
    for (size_t t = 0; t < count; ++t) {
        if (programsOn[t] != 0 || plan.transponderKeeper[t] != t)
            continue;
        CleanUpFinding finding;
        finding.key = KeyOf(CLEAN_EMPTY_TRANSPONDERS, t);
        finding.place = PlaceOf(db, t);
        if (Add(plan, std::move(finding)))
            plan.emptyTransponders.push_back(t);
    }
}

void FindBrokenEntries(const NetworkDatabase& db, CleanUpPlan& plan, const std::vector<uint32_t>& numbers) {
    const size_t count = db.programs().size();
    std::vector<uint32_t> mark(0x10000, 0);
    std::vector<uint32_t> seen(0x10000, 0);
    uint32_t stamp = 0;
    for (size_t g = 0; g < db.favoriteGroups().size(); ++g) {
        const FavoriteGroup& group = *db.favoriteGroups()[g];
        for (const bool radio : {false, true}) {
            const std::vector<uint16_t> list =
                TransferEntries(plan, radio ? group.radioList : group.tvList, mark, ++stamp);
            // Entries of programs that go are dropped with them, not counted here.
            std::vector<uint16_t> staying;
            std::vector<size_t> position;
            for (size_t i = 0; i < list.size(); ++i) {
                if (list[i] < count && ProgramGoes(plan, list[i]))
                    continue;
                staying.push_back(list[i]);
                position.push_back(i);
            }
            for (const size_t i : BrokenEntries(staying, count, seen, stamp)) {
                CleanUpFinding finding;
                finding.key = CleanUpKey{CLEAN_BROKEN_FAVORITES, static_cast<uint32_t>(g), radio,
                                         static_cast<uint32_t>(position[i])};
                finding.group = static_cast<uint32_t>(g + 1);
                finding.groupName = group.name;
                finding.entry = staying[i];
                finding.namesNothing = staying[i] >= count;
                if (!finding.namesNothing)
                    finding.other = ChannelOf(db, numbers, staying[i]);
                Add(plan, std::move(finding));
            }
        }
    }
}

std::vector<size_t> Union(std::vector<size_t> a, const std::vector<size_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    return a;
}


} // namespace

const char* CleanUpRuleName(int rule) {
    static const char* const kNames[CLEAN_RULE_COUNT] = {
        "duplicate programs", "duplicate transponders", "broken favorite entries",
        "programs whose transponder does not exist", "transponders without programs"};
    return rule >= 0 && rule < CLEAN_RULE_COUNT ? kNames[rule] : "";
}

size_t CleanUpPlan::Applied(int rule) const {
    return static_cast<size_t>(std::count_if(findings[rule].begin(), findings[rule].end(),
                                             [](const CleanUpFinding& finding) { return finding.applies; }));
}

bool CleanUpPlan::NothingToDo() const {
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        if (Applied(rule) != 0)
            return false;
    }
    return true;
}

CleanUpPlan FindCleanUp(const NetworkDatabase& db, const CleanUpOptions& options) {
    CleanUpPlan plan;
    plan.options = options;
    const std::vector<uint32_t> numbers = ChannelNumbers(db);
    FindDuplicateTransponders(db, plan);
    FindPrograms(db, plan, numbers);
    FindEmptyTransponders(db, plan);
    FindBrokenEntries(db, plan, numbers);
    return plan;
}

bool ApplyCleanUp(NetworkDatabase& db, const CleanUpPlan& plan) {
    if (plan.NothingToDo() || plan.programKeeper.size() != db.programs().size() ||
        plan.transponderKeeper.size() != db.transponders().size())
        return false;
    for (size_t p = 0; p < db.programs().size(); ++p) {
        const Program& program = *db.programs()[p];
        if (program.transponderIndex < plan.transponderKeeper.size() &&
            plan.transponderKeeper[program.transponderIndex] != program.transponderIndex) {
            Program moved = program;
            moved.transponderIndex = static_cast<uint16_t>(plan.transponderKeeper[program.transponderIndex]);
            db.SetProgram(p, moved);
        }
    }
    // The favorite lists as they are once duplicate programs gave their entries away and the
    // broken entries that apply went; entries of programs that go leave with them below.
    std::set<CleanUpKey> brokenGoing;
    for (const CleanUpFinding& finding : plan.findings[CLEAN_BROKEN_FAVORITES]) {
        if (finding.applies)
            brokenGoing.insert(finding.key);
    }
    std::vector<uint32_t> mark(0x10000, 0);
    uint32_t stamp = 0;
    for (size_t g = 0; g < db.favoriteGroups().size(); ++g) {
        FavoriteGroup group = *db.favoriteGroups()[g];
        bool changed = false;
        for (const bool radio : {false, true}) {
            std::vector<uint16_t>& list = radio ? group.radioList : group.tvList;
            const std::vector<uint16_t> moved = TransferEntries(plan, list, mark, ++stamp);
            std::vector<uint16_t> kept;
            for (size_t i = 0; i < moved.size(); ++i) {
                const CleanUpKey key{CLEAN_BROKEN_FAVORITES, static_cast<uint32_t>(g), radio, static_cast<uint32_t>(i)};
                if (!brokenGoing.count(key))
                    kept.push_back(moved[i]);
            }
            if (kept != list) {
                list = std::move(kept);
                changed = true;
            }
        }
        if (changed)
            db.SetFavoriteGroup(g, group);
    }
    db.DeletePrograms(Union(plan.duplicatePrograms, plan.orphanPrograms));
    db.DeleteTransponders(Union(plan.duplicateTransponders, plan.emptyTransponders));
    return true;
}

std::string FormatCleanUpFinding(const CleanUpFinding& finding, const CleanUpWords& words) {
    auto say = [&words](const char* english) { return words ? words(english) : std::string(english); };
    auto channel = [&](const CleanUpChannel& c) {
        return FillPlaceholders(say(c.radio ? "Radio %1" : "TV %1"), {std::to_string(c.number)}) + " " + Quoted(c.name);
    };
    auto place = [&](const CleanUpPlace& p) {
        std::string text = p.satelliteExists ? Quoted(p.satellite) + " " + DescribePosition(p.position)
                                             : say("a missing satellite");
        return text + " " + std::to_string(p.frequency) + " " + PolarityLetter(p.polarity);
    };
    switch (finding.key.rule) {
    case CLEAN_DUPLICATE_PROGRAMS:
        return FillPlaceholders(say("%1 on %2, service ID %3: same as %4"), {channel(finding.channel), place(finding.place),
                                                                  std::to_string(finding.serviceId),
                                                                  channel(finding.other)});
    case CLEAN_ORPHAN_PROGRAMS:
        return FillPlaceholders(say("%1, service ID %2: transponder %3 does not exist"),
                    {channel(finding.channel), std::to_string(finding.serviceId),
                     std::to_string(finding.missingTransponder)});
    case CLEAN_DUPLICATE_TRANSPONDERS:
        return FillPlaceholders(say("%1, symbol rate %2: same as %3 %4, %5 channels move there"),
                    {place(finding.place), std::to_string(finding.place.symbolRate),
                     std::to_string(finding.keeperFrequency), PolarityLetter(finding.keeperPolarity),
                     std::to_string(finding.channelsMoved)});
    case CLEAN_EMPTY_TRANSPONDERS:
        return FillPlaceholders(say("%1, symbol rate %2"), {place(finding.place), std::to_string(finding.place.symbolRate)});
    case CLEAN_BROKEN_FAVORITES: {
        const std::string group =
            FillPlaceholders(say("Group %1 %2"), {std::to_string(finding.group),
                                      finding.groupName.empty() ? "Fav" + std::to_string(finding.group)
                                                                : Quoted(finding.groupName)});
        const std::string entry = std::to_string(finding.key.position + 1);
        if (finding.namesNothing)
            return FillPlaceholders(say(finding.key.radio ? "%1, radio list entry %2: program %3 does not exist"
                                              : "%1, TV list entry %2: program %3 does not exist"),
                        {group, entry, std::to_string(finding.entry)});
        return FillPlaceholders(say(finding.key.radio ? "%1, radio list entry %2: repeats %3" : "%1, TV list entry %2: repeats %3"),
                    {group, entry, channel(finding.other)});
    }
    default:
        return std::string();
    }
}

std::string CleanUpReport(const CleanUpPlan& plan) {
    std::string text;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        if (!plan.options.on[rule])
            continue;
        text += std::string(CleanUpRuleName(rule)) + ": " + std::to_string(plan.Applied(rule)) + "\n";
        for (const CleanUpFinding& finding : plan.findings[rule]) {
            if (finding.applies)
                text += "  " + FormatCleanUpFinding(finding) + "\n";
        }
    }
    return text;
}
