// Clean Up and Compare on channel lists as users have them: manual feeds without a service ID, a
// transponder a rescan stored twice, retuned transponders, satellites in other slots, damaged files.
#include "tests/database/TestDatabases.h"
#include "tests/support/RealisticLists.h"

#include "database/Integrity.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"
#include "rescan/ProgramMatching.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Image(NetworkDatabase& db) {
    std::vector<uint8_t> image;
    db.Serialize(image);
    return image;
}

// Stores transponder t once more, `offset` MHz apart, with a copy of each of its programs.
size_t StoreTwice(NetworkDatabase& db, size_t t, int offset, uint16_t symbolRate = 0, int polarityFlip = 0) {
    Transponder copy = *db.transponders()[t];
    copy.treeItem = nullptr;
    copy.frequency = static_cast<uint16_t>(copy.frequency + offset);
    copy.polFec = static_cast<uint8_t>(copy.polFec ^ polarityFlip);
    if (symbolRate != 0)
        copy.symbolRate = symbolRate;
    const auto index = static_cast<uint16_t>(db.transponders().size());
    db.AppendTransponder(copy);
    size_t copies = 0;
    for (size_t p = 0, count = db.programs().size(); p < count; ++p) {
        if (db.programs()[p]->transponderIndex != t)
            continue;
        Program program = *db.programs()[p];
        program.treeItem = nullptr;
        program.transponderIndex = index;
        db.AppendProgram(std::move(program));
        ++copies;
    }
    return copies;
}

size_t FirstNamed(const NetworkDatabase& db, const std::string& name) {
    for (size_t p = 0; p < db.programs().size(); ++p) {
        if (db.programs()[p]->name == name)
            return p;
    }
    return db.programs().size();
}

std::vector<std::string> Lines(const DatabaseDiff& diff, int section) {
    std::vector<std::string> lines;
    for (const DiffLine& line : diff.lines) {
        if (line.section == section)
            lines.push_back(FormatDiffLine(line));
    }
    return lines;
}

// ---------------------------------------------------------------- clean up

TEST(CleanUpOnRealLists, FindsWhatARescanLeftAndRemovesExactlyThat) {
    struct Case {
        const char* name;
        std::function<void(NetworkDatabase&)> change;
        size_t duplicatePrograms;
        size_t duplicateTransponders;
        bool backToTheList; // cleaning gives the list as it was, byte for byte
    } const cases[] = {
        {"a clean list with two manual feeds of service ID 0 on one transponder", [](NetworkDatabase&) {}, 0, 0, true},
        {"a manual feed stored twice with its PIDs",
         [](NetworkDatabase& db) {
             Program feed = *db.programs()[FirstNamed(db, "Feed")];
             feed.treeItem = nullptr;
             db.AppendProgram(std::move(feed));
         },
         1, 0, true},
        {"a transponder stored twice 1 MHz apart", [](NetworkDatabase& db) { StoreTwice(db, 3, 1); }, 0, 1, true},
        {"2 MHz below is still the same transponder", [](NetworkDatabase& db) { StoreTwice(db, 5, -2); }, 0, 1, true},
        {"3 MHz apart is another transponder", [](NetworkDatabase& db) { StoreTwice(db, 3, 3); }, 0, 0, false},
        {"another symbol rate is another transponder", [](NetworkDatabase& db) { StoreTwice(db, 3, 1, 30000); }, 0, 0,
         false},
        {"another polarity is another transponder", [](NetworkDatabase& db) { StoreTwice(db, 3, 0, 0, 1); }, 0, 0,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase db;
        realistic::BuildChannelList(db);
        const std::vector<uint8_t> list = Image(db);
        const size_t programs = db.programs().size();
        c.change(db);
        const CleanUpPlan plan = FindCleanUp(db);
        EXPECT_EQ(plan.Count(CLEAN_DUPLICATE_TRANSPONDERS), c.duplicateTransponders);
        // The copies of a doubled transponder's programs are found once it merges.
        EXPECT_EQ(plan.Count(CLEAN_DUPLICATE_PROGRAMS),
                  c.duplicateTransponders ? db.programs().size() - programs : c.duplicatePrograms);
        EXPECT_EQ(plan.Count(CLEAN_ORPHAN_PROGRAMS) + plan.Count(CLEAN_BROKEN_FAVORITES), 0u);
        ApplyCleanUp(db, plan);
        EXPECT_EQ(Image(db) == list, c.backToTheList);
        EXPECT_TRUE(FindCleanUp(db).NothingToDo());
    }
}

TEST(CleanUpOnRealLists, EachFindingIsChosenOnItsOwn) {
    NetworkDatabase db;
    realistic::BuildChannelList(db);
    const size_t programs = db.programs().size();
    const size_t copies = StoreTwice(db, 3, 1);
    const size_t copies2 = StoreTwice(db, 8, 1);
    CleanUpPlan plan = FindCleanUp(db);
    ASSERT_EQ(plan.Count(CLEAN_DUPLICATE_TRANSPONDERS), 2u);
    ASSERT_EQ(plan.Count(CLEAN_DUPLICATE_PROGRAMS), copies + copies2);
    // The first doubled transponder kept: its copies stay apart and are no duplicates.
    CleanUpOptions options;
    options.kept.insert(plan.findings[CLEAN_DUPLICATE_TRANSPONDERS][0].key);
    plan = FindCleanUp(db, options);
    EXPECT_FALSE(plan.findings[CLEAN_DUPLICATE_TRANSPONDERS][0].applies);
    EXPECT_EQ(plan.Applied(CLEAN_DUPLICATE_PROGRAMS), copies2);
    // And one program of the other kept on the earlier transponder.
    options.kept.insert(plan.findings[CLEAN_DUPLICATE_PROGRAMS][0].key);
    plan = FindCleanUp(db, options);
    EXPECT_EQ(plan.Applied(CLEAN_DUPLICATE_PROGRAMS), copies2 - 1);
    ApplyCleanUp(db, plan);
    EXPECT_EQ(db.programs().size(), programs + copies + 1);
    EXPECT_EQ(db.transponders().size(), plan.transponderKeeper.size() - 1);
}

TEST(CleanUpOnRealLists, FindingsNameChannelsByTheirNumberSatelliteAndFrequency) {
    NetworkDatabase db;
    realistic::BuildChannelList(db);
    Program copy = *db.programs()[0];
    copy.treeItem = nullptr;
    db.AppendProgram(copy);
    db.SetFavoriteGroup(0, FavoriteGroup{"Main", {0, 0, 999}, {}});
    const CleanUpPlan plan = FindCleanUp(db);
    ASSERT_EQ(plan.Count(CLEAN_DUPLICATE_PROGRAMS), 1u);
    const CleanUpFinding& duplicate = plan.findings[CLEAN_DUPLICATE_PROGRAMS][0];
    EXPECT_EQ(duplicate.channel.number, ChannelNumbers(db).back());
    EXPECT_EQ(duplicate.other.number, 1u);
    const std::string first = std::string(copy.IsRadio() ? "Radio 1 \"" : "TV 1 \"") + copy.name + "\"";
    EXPECT_TRUE(duplicate.place.satelliteExists);
    const std::string line = FormatCleanUpFinding(duplicate);
    EXPECT_NE(line.find("service ID " + std::to_string(copy.serviceId) + ": same as "), std::string::npos) << line;
    EXPECT_NE(line.find(" on \""), std::string::npos) << line;
    std::vector<std::string> broken;
    for (const CleanUpFinding& finding : plan.findings[CLEAN_BROKEN_FAVORITES])
        broken.push_back(FormatCleanUpFinding(finding));
    EXPECT_EQ(broken, (std::vector<std::string>{"Group 1 \"Main\", TV list entry 2: repeats " + first,
                                                "Group 1 \"Main\", TV list entry 3: program 999 does not exist"}));
    EXPECT_EQ(line.substr(line.size() - first.size()), first);
    // The words come from the caller.
    EXPECT_EQ(FormatCleanUpFinding(plan.findings[CLEAN_BROKEN_FAVORITES][1],
                                   [](const char* english) {
                                       return std::string(english) == "Group %1 %2" ? std::string("Gruppe %1 %2")
                                                                                    : std::string(english);
                                   })
                  .substr(0, 14),
              "Gruppe 1 \"Main");
}

// An independent judge: what the damaged-reference finder sees is what the clean-up removes.
TEST(CleanUpOnRealLists, AgreesWithTheDamagedReferenceFinder) {
    CleanUpOptions all;
    all.on[CLEAN_EMPTY_TRANSPONDERS] = true;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        NetworkDatabase db;
        testdb::FillRandom(db, seed);
        size_t damagedPrograms = 0, damagedEntries = 0;
        for (const DamagedReference& damage : FindDamagedReferences(db)) {
            damagedPrograms += damage.kind == "programs" && damage.field == "transponderIndex";
            damagedEntries += damage.kind == "favoriteGroups" && damage.field != "count";
        }
        const CleanUpPlan plan = FindCleanUp(db, all);
        size_t namesNothing = 0;
        for (const CleanUpFinding& finding : plan.findings[CLEAN_BROKEN_FAVORITES])
            namesNothing += finding.namesNothing;
        EXPECT_EQ(plan.Count(CLEAN_ORPHAN_PROGRAMS), damagedPrograms);
        EXPECT_EQ(namesNothing, damagedEntries);
        ApplyCleanUp(db, plan);
        for (const DamagedReference& damage : FindDamagedReferences(db)) {
            EXPECT_FALSE(damage.kind == "programs" && damage.field == "transponderIndex")
                << FormatDamagedReference(damage);
            EXPECT_FALSE(damage.kind == "favoriteGroups" && damage.field != "count") << FormatDamagedReference(damage);
        }
    }
}

// ---------------------------------------------------------------- compare

TEST(CompareOnRealLists, PairsWhatARescanMovedAndNamesWhatChanged) {
    NetworkDatabase list;
    realistic::BuildChannelList(list);
    struct Case {
        const char* name;
        std::function<void(NetworkDatabase&)> change; // made to a copy of the list
        int section;
        std::vector<std::string> lines;
    } const cases[] = {
        {"a transponder retuned by 4 MHz is one changed line",
         [](NetworkDatabase& b) {
             Transponder t = *b.transponders()[1];
             t.frequency = static_cast<uint16_t>(t.frequency + 4);
             b.SetTransponder(1, t);
         },
         DIFF_TRANSPONDERS_CHANGED,
         {"\"Astra 1KR/1L/1M/1N\" 19.2E 10758 V: frequency 10758 -> 10762"}},
        {"satellites that swapped slots are no change",
         [](NetworkDatabase& b) { b.MoveNetwork(b.networks()[0].get(), b.networks()[1].get()); },
         DIFF_SATELLITES_CHANGED,
         {}},
        {"a satellite written 0.2 degrees apart is one position change",
         [](NetworkDatabase& b) {
             Network n = *b.networks()[0];
             n.position = 190;
             b.SetNetwork(0, n);
         },
         DIFF_SATELLITES_CHANGED,
         {"\"Astra 1KR/1L/1M/1N\" 19.2E: position 19.2E -> 19.0E"}},
        {"attributes by name, numbers in decimal",
         [](NetworkDatabase& b) {
             Program p = *b.programs()[0];
             p.attributes = static_cast<uint8_t>((p.attributes & PA_RADIO) | PA_LOCK | PA_SKIP | PA_NO_NAME_UPDATE);
             p.pcrPid = 0x1FF;
             p.caMask = 0x100;
             b.SetProgram(0, p);
         },
         DIFF_PROGRAMS_CHANGED,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase b;
        realistic::BuildChannelList(b);
        c.change(b);
        const DatabaseDiff diff = CompareDatabases(list, b);
        if (c.section == DIFF_PROGRAMS_CHANGED) {
            const std::vector<std::string> lines = Lines(diff, c.section);
            ASSERT_EQ(lines.size(), 1u);
            const Program& p = *list.programs()[0];
            EXPECT_NE(lines[0].find("PCR PID " + std::to_string(p.pcrPid) + " -> 511"), std::string::npos) << lines[0];
            EXPECT_NE(lines[0].find("CA mask 0 -> 256"), std::string::npos) << lines[0];
            EXPECT_NE(lines[0].find("Lock, Skip, Don't update name"), std::string::npos) << lines[0];
            EXPECT_EQ(lines[0].find("0x"), std::string::npos) << lines[0];
            continue;
        }
        EXPECT_EQ(Lines(diff, c.section), c.lines);
        if (c.section == DIFF_TRANSPONDERS_CHANGED) {
            EXPECT_EQ(diff.Count(DIFF_TRANSPONDERS_ONLY_A) + diff.Count(DIFF_TRANSPONDERS_ONLY_B), 0u);
            EXPECT_EQ(diff.Count(DIFF_PROGRAMS_CHANGED), 0u);
        }
        if (c.section == DIFF_SATELLITES_CHANGED) {
            EXPECT_EQ(diff.Count(DIFF_SATELLITES_ONLY_A) + diff.Count(DIFF_SATELLITES_ONLY_B), 0u);
        }
    }
}

TEST(CompareOnRealLists, ARescanIsPairedAcrossSlotsPositionsAndRetunes) {
    NetworkDatabase list, rescan;
    realistic::BuildChannelList(list);
    realistic::RescanChanges changes;
    changes.renames = changes.serviceIds = changes.removals = changes.additions = false;
    realistic::MakeRescan(list, rescan, changes);
    const DatabaseDiff diff = CompareDatabases(list, rescan);
    // Three satellites written 0.1 or 0.2 degrees apart, none only in one file though all changed slot.
    EXPECT_EQ(diff.Count(DIFF_SATELLITES_CHANGED), 3u);
    EXPECT_EQ(diff.Count(DIFF_SATELLITES_ONLY_A) + diff.Count(DIFF_SATELLITES_ONLY_B), 0u);
    for (const std::string& line : Lines(diff, DIFF_SATELLITES_CHANGED))
        EXPECT_NE(line.find(": position "), std::string::npos) << line;
    // Retuned transponders are changed lines; only the one moved by 10 MHz is gone and new.
    EXPECT_GT(diff.Count(DIFF_TRANSPONDERS_CHANGED), 0u);
    EXPECT_EQ(diff.Count(DIFF_TRANSPONDERS_ONLY_A), diff.Count(DIFF_TRANSPONDERS_ONLY_B));
    EXPECT_LE(diff.Count(DIFF_TRANSPONDERS_ONLY_A), list.networks().size());
    for (const std::string& line : Lines(diff, DIFF_TRANSPONDERS_CHANGED))
        EXPECT_NE(line.find(": frequency "), std::string::npos) << line;
}

TEST(CompareOnRealLists, DamagedDatabasesCompareWithoutReadingPastTheirRecords) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        SCOPED_TRACE(seed);
        NetworkDatabase a, b;
        testdb::FillRandom(a, seed);
        testdb::FillRandom(b, seed + 1000);
        const DatabaseDiff diff = CompareDatabases(a, b);
        EXPECT_FALSE(diff.Text().empty());
        EXPECT_TRUE(CompareDatabases(a, a).Empty()) << CompareDatabases(a, a).Text();
    }
}

} // namespace
