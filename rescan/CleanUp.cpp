#include "rescan/CleanUp.h"

#include "rescan/ProgramMatching.h"

#include <algorithm>

namespace {

bool ProgramGoes(const CleanUpPlan& plan, size_t program, size_t transponderCount, const NetworkDatabase& db) {
    if (plan.options.on[CLEAN_DUPLICATE_PROGRAMS] && plan.programKeeper[program] != program)
        return true;
    return plan.options.on[CLEAN_ORPHAN_PROGRAMS] && db.programs()[program]->transponderIndex >= transponderCount;
}

std::string GroupLabel(const FavoriteGroup& group, size_t index) {
    return "group " + std::to_string(index + 1) + " " +
           (group.name.empty() ? "Fav" + std::to_string(index + 1) : Quoted(group.name));
}

std::string TransponderText(const NetworkDatabase& db, size_t index) {
    return DescribeTransponder(db, index) + " " + std::to_string(db.transponders()[index]->symbolRate);
}

// Favorite entries of duplicate programs go to the earlier program, unless its list holds that
// program already; the lists as they are after that. `mark` has room for every 16-bit entry.
std::vector<uint16_t> TransferEntries(const CleanUpPlan& plan, const std::vector<uint16_t>& list,
                                      std::vector<uint32_t>& mark, uint32_t stamp) {
    std::vector<uint16_t> moved = list;
    if (!plan.options.on[CLEAN_DUPLICATE_PROGRAMS])
        return moved;
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

// The first of each run of equal keys keeps; the pairs are sorted, so that the search walks memory
// in order however large the database.
template <class Visit> void ForEachRepeat(std::vector<std::pair<uint64_t, uint32_t>>& keyed, Visit visit) {
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 1; i < keyed.size(); ++i) {
        size_t first = i - 1;
        while (i < keyed.size() && keyed[i].first == keyed[first].first)
            visit(keyed[i++].second, keyed[first].second);
    }
}

void FindDuplicateTransponders(const NetworkDatabase& db, CleanUpPlan& plan) {
    const size_t count = db.transponders().size();
    plan.transponderKeeper.resize(count);
    std::vector<std::pair<uint64_t, uint32_t>> keyed;
    keyed.reserve(count);
    for (size_t t = 0; t < count; ++t) {
        const Transponder& transponder = *db.transponders()[t];
        plan.transponderKeeper[t] = static_cast<uint32_t>(t);
        keyed.emplace_back((uint64_t{transponder.networkIndex} << 40) | (uint64_t{transponder.polarity()} << 32) |
                               (uint64_t{transponder.frequency} << 16) | transponder.symbolRate,
                           static_cast<uint32_t>(t));
    }
    ForEachRepeat(keyed, [&plan](uint32_t t, uint32_t keeper) {
        plan.transponderKeeper[t] = keeper;
        plan.duplicateTransponders.push_back(t);
    });
    std::sort(plan.duplicateTransponders.begin(), plan.duplicateTransponders.end());
    for (const size_t t : plan.duplicateTransponders)
        plan.found[CLEAN_DUPLICATE_TRANSPONDERS].push_back(TransponderText(db, t) + " (transponder " +
                                                           std::to_string(t) + ", same as transponder " +
                                                           std::to_string(plan.transponderKeeper[t]) + ")");
}

void FindProgramsToRemove(const NetworkDatabase& db, CleanUpPlan& plan) {
    const size_t transponderCount = db.transponders().size();
    const size_t count = db.programs().size();
    const bool merge = plan.options.on[CLEAN_DUPLICATE_TRANSPONDERS];
    plan.programKeeper.resize(count);
    std::vector<std::pair<uint64_t, uint32_t>> keyed;
    keyed.reserve(count);
    std::vector<uint32_t> programsOn(transponderCount, 0);
    for (size_t p = 0; p < count; ++p) {
        plan.programKeeper[p] = static_cast<uint32_t>(p);
        const Program& program = *db.programs()[p];
        if (program.transponderIndex >= transponderCount) {
            plan.orphanPrograms.push_back(p);
            plan.found[CLEAN_ORPHAN_PROGRAMS].push_back(Quoted(program.name) + " (program " + std::to_string(p) +
                                                        ", transponder " + std::to_string(program.transponderIndex) +
                                                        ")");
            continue;
        }
        const uint32_t transponder =
            merge ? plan.transponderKeeper[program.transponderIndex] : uint32_t{program.transponderIndex};
        ++programsOn[transponder];
        keyed.emplace_back((uint64_t{transponder} << 16) | program.serviceId, static_cast<uint32_t>(p));
    }
    ForEachRepeat(keyed, [&plan](uint32_t p, uint32_t keeper) {
        plan.programKeeper[p] = keeper;
        plan.duplicatePrograms.push_back(p);
    });
    std::sort(plan.duplicatePrograms.begin(), plan.duplicatePrograms.end());
    for (const size_t p : plan.duplicatePrograms)
        plan.found[CLEAN_DUPLICATE_PROGRAMS].push_back(DescribeProgram(db, p) + " (program " + std::to_string(p) +
                                                       ", same as program " + std::to_string(plan.programKeeper[p]) +
                                                       ")");
    for (size_t t = 0; t < transponderCount; ++t) {
        if (programsOn[t] == 0 && !(merge && plan.transponderKeeper[t] != t)) {
            plan.emptyTransponders.push_back(t);
            plan.found[CLEAN_EMPTY_TRANSPONDERS].push_back(TransponderText(db, t) + " (transponder " +
                                                           std::to_string(t) + ")");
        }
    }
}

void FindBrokenEntries(const NetworkDatabase& db, CleanUpPlan& plan) {
    const size_t count = db.programs().size();
    const size_t transponderCount = db.transponders().size();
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
                if (list[i] < count && ProgramGoes(plan, list[i], transponderCount, db))
                    continue;
                staying.push_back(list[i]);
                position.push_back(i);
            }
            for (const size_t i : BrokenEntries(staying, count, seen, stamp)) {
                const uint16_t entry = staying[i];
                plan.found[CLEAN_BROKEN_FAVORITES].push_back(
                    GroupLabel(group, g) + (radio ? " radio" : " TV") + " entry " + std::to_string(position[i] + 1) +
                    (entry >= count ? ": program " + std::to_string(entry) + " does not exist"
                                    : ": repeats " + Quoted(db.programs()[entry]->name)));
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

bool CleanUpPlan::NothingToDo() const {
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        if (options.on[rule] && !found[rule].empty())
            return false;
    }
    return true;
}

CleanUpPlan FindCleanUp(const NetworkDatabase& db, const CleanUpOptions& options) {
    CleanUpPlan plan;
    plan.options = options;
    FindDuplicateTransponders(db, plan);
    FindProgramsToRemove(db, plan);
    FindBrokenEntries(db, plan);
    return plan;
}

bool ApplyCleanUp(NetworkDatabase& db, const CleanUpPlan& plan) {
    const bool* on = plan.options.on;
    if (plan.NothingToDo() || plan.programKeeper.size() != db.programs().size() ||
        plan.transponderKeeper.size() != db.transponders().size())
        return false;
    if (on[CLEAN_DUPLICATE_TRANSPONDERS]) {
        for (size_t p = 0; p < db.programs().size(); ++p) {
            const Program& program = *db.programs()[p];
            if (program.transponderIndex < plan.transponderKeeper.size() &&
                plan.transponderKeeper[program.transponderIndex] != program.transponderIndex) {
                Program moved = program;
                moved.transponderIndex = static_cast<uint16_t>(plan.transponderKeeper[program.transponderIndex]);
                db.SetProgram(p, moved);
            }
        }
    }
    if (on[CLEAN_DUPLICATE_PROGRAMS] && !plan.duplicatePrograms.empty()) {
        std::vector<uint32_t> mark(0x10000, 0);
        uint32_t stamp = 0;
        for (size_t g = 0; g < db.favoriteGroups().size(); ++g) {
            FavoriteGroup group = *db.favoriteGroups()[g];
            const std::vector<uint16_t> tv = TransferEntries(plan, group.tvList, mark, ++stamp);
            const std::vector<uint16_t> radio = TransferEntries(plan, group.radioList, mark, ++stamp);
            if (tv != group.tvList || radio != group.radioList) {
                group.tvList = tv;
                group.radioList = radio;
                db.SetFavoriteGroup(g, group);
            }
        }
    }
    db.DeletePrograms(Union(on[CLEAN_DUPLICATE_PROGRAMS] ? plan.duplicatePrograms : std::vector<size_t>(),
                            on[CLEAN_ORPHAN_PROGRAMS] ? plan.orphanPrograms : std::vector<size_t>()));
    db.DeleteTransponders(Union(on[CLEAN_DUPLICATE_TRANSPONDERS] ? plan.duplicateTransponders : std::vector<size_t>(),
                                on[CLEAN_EMPTY_TRANSPONDERS] ? plan.emptyTransponders : std::vector<size_t>()));
    if (on[CLEAN_BROKEN_FAVORITES]) {
        std::vector<uint32_t> seen(0x10000, 0);
        uint32_t stamp = 0;
        for (size_t g = 0; g < db.favoriteGroups().size(); ++g) {
            FavoriteGroup group = *db.favoriteGroups()[g];
            bool changed = false;
            for (auto* list : {&group.tvList, &group.radioList}) {
                const std::vector<size_t> broken = BrokenEntries(*list, db.programs().size(), seen, ++stamp);
                if (broken.empty())
                    continue;
                std::vector<uint16_t> kept;
                size_t b = 0;
                for (size_t i = 0; i < list->size(); ++i) {
                    if (b < broken.size() && broken[b] == i)
                        ++b;
                    else
                        kept.push_back((*list)[i]);
                }
                *list = std::move(kept);
                changed = true;
            }
            if (changed)
                db.SetFavoriteGroup(g, group);
        }
    }
    return true;
}

std::string CleanUpReport(const CleanUpPlan& plan) {
    std::string text;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        if (!plan.options.on[rule])
            continue;
        text += std::string(CleanUpRuleName(rule)) + ": " + std::to_string(plan.Count(rule)) + "\n";
        for (const std::string& line : plan.found[rule])
            text += "  " + line + "\n";
    }
    return text;
}
