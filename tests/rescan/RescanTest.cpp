// After a rescan: matching programs of two databases, taking the order of a reference, cleaning up
// duplicates and broken records, and comparing two databases.
#include "tests/database/TestDatabases.h"

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"
#include "rescan/ProgramMatching.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace testdb;

// A program on the transponder (network position, frequency, polarity), each made on first use.
Program& Put(NetworkDatabase& db, uint16_t position, uint16_t frequency, uint16_t serviceId, const std::string& name,
             uint8_t polarity = 0, bool radio = false) {
    size_t net = 0;
    while (net < db.networks().size() && db.networks()[net]->position != position)
        ++net;
    if (net == db.networks().size()) {
        AddAntenna(db);
        AddNetwork(db, "S" + std::to_string(position), position);
    }
    size_t tp = 0;
    while (tp < db.transponders().size() &&
           !(db.transponders()[tp]->networkIndex == net && db.transponders()[tp]->frequency == frequency &&
             db.transponders()[tp]->polarity() == polarity))
        ++tp;
    if (tp == db.transponders().size())
        AddTransponder(db, static_cast<uint8_t>(net), frequency).polFec = polarity;
    Program& program = AddProgram(db, static_cast<uint16_t>(tp));
    program.serviceId = serviceId;
    program.name = name;
    program.attributes = radio ? PA_RADIO : 0;
    return program;
}

std::vector<std::string> Names(const NetworkDatabase& db) {
    std::vector<std::string> names;
    for (const auto& program : db.programs())
        names.push_back(program->name);
    return names;
}

// ---------------------------------------------------------------- apply order

class ApplyOrderTest : public ::testing::Test {
protected:
    // Here in scan order: A B C D (D is radio). The reference: C, A, X (missing here), D, with a
    // group that names X, A twice, C, D in its TV list, and a second group.
    void SetUp() override {
        for (const char* name : {"A", "B", "C"})
            Put(target, 192, 11778, static_cast<uint16_t>(name[0]), name);
        Put(target, 192, 11778, 'D', "D", 0, true);
        AddGroup(target, {1}, {3});
        Put(reference, 192, 11779, 'C', "C");
        Put(reference, 192, 11778, 'A', "A");
        Put(reference, 130, 11778, 'X', "X");
        Put(reference, 192, 11000, 77, "D", 0, true); // by name
        AddGroup(reference, {2, 1, 1, 0, 3}).name = "Mine";
        AddGroup(reference, {}, {1});
    }

    NetworkDatabase reference, target;
};

TEST_F(ApplyOrderTest, CountsAndTheChannelsWithoutPartner) {
    const ApplyOrderPlan plan = PlanApplyOrder(reference, target);
    EXPECT_EQ(plan.matching.byKey, 2u);
    EXPECT_EQ(plan.matching.byName, 1u);
    ASSERT_EQ(plan.withoutPartner.size(), 1u);
    EXPECT_EQ(plan.withoutPartner[0].name, "B");
    EXPECT_EQ(plan.withoutPartner[0].number, 2u);
    ASSERT_EQ(plan.notFoundHere.size(), 1u);
    EXPECT_EQ(plan.notFoundHere[0].name, "X");
    EXPECT_EQ(plan.notFoundHere[0].groups, std::vector<uint8_t>{0});
    EXPECT_EQ(plan.favoritesNotPlaced, 1u);
    EXPECT_EQ(plan.UnpairedReferenceSatellites(), 1u);
}

TEST_F(ApplyOrderTest, OrderAndGroupsFollowTheReference) {
    struct Case {
        bool order, groups;
        std::vector<std::string> names;
        std::vector<std::string> groupsShown;
    } const cases[] = {
        {true, true, {"C", "A", "D", "B"}, {"\"Mine\" tv 1 0 radio 2", "\"G1\" tv 1 radio"}},
        {true, false, {"C", "A", "D", "B"}, {"\"G0\" tv 3 radio 2"}},
        {false, true, {"A", "B", "C", "D"}, {"\"Mine\" tv 0 2 radio 3", "\"G1\" tv 0 radio"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.order) + std::to_string(c.groups));
        NetworkDatabase here;
        here.Clear();
        for (const auto& p : target.programs())
            here.AppendProgram(*p);
        for (const auto& t : target.transponders())
            here.AppendTransponder(*t);
        for (const auto& n : target.networks())
            here.AppendNetwork(*n);
        here.AppendFavoriteGroup(*target.favoriteGroups()[0]);
        EXPECT_TRUE(ApplyOrder(here, PlanApplyOrder(reference, here), ApplyOrderOptions{c.order, c.groups}));
        EXPECT_EQ(Names(here), c.names);
        EXPECT_EQ(ShowAll(here.favoriteGroups()), c.groupsShown);
        // Applied once more, nothing changes.
        EXPECT_FALSE(ApplyOrder(here, PlanApplyOrder(reference, here), ApplyOrderOptions{c.order, c.groups}));
    }
}

TEST_F(ApplyOrderTest, AtMostEightGroupsComeOver) {
    for (int g = 0; g < 10; ++g)
        AddGroup(reference, {0});
    ApplyOrder(target, PlanApplyOrder(reference, target), ApplyOrderOptions{false, true});
    EXPECT_EQ(target.favoriteGroups().size(), kAppliedFavoriteGroups);
}

// ---------------------------------------------------------------- clean up

struct CleanCase {
    const char* name;
    std::function<void(NetworkDatabase&)> build;
    CleanUpOptions options;
    std::vector<size_t> counts; // per rule
    std::vector<std::string> programs;
    std::vector<uint16_t> transponderOfPrograms;
    size_t transponders;
    std::vector<std::string> groups;
};

CleanUpOptions Only(std::initializer_list<int> rules) {
    CleanUpOptions options;
    for (bool& on : options.on)
        on = false;
    for (const int rule : rules)
        options.on[rule] = true;
    return options;
}

TEST(CleanUp, EachRuleWithItsFavoriteAndIndexFixUps) {
    const CleanCase cases[] = {
        {"duplicate programs give their favorite entries to the earlier one, never twice",
         [](NetworkDatabase& db) {
             Put(db, 192, 11778, 1, "P");
             Put(db, 192, 11778, 2, "Q");
             Put(db, 192, 11778, 1, "P again");
             Put(db, 192, 11778, 1, "P third");
             AddGroup(db, {2, 1});
             AddGroup(db, {0, 3, 2});
         },
         Only({CLEAN_DUPLICATE_PROGRAMS}),
         {2, 0, 0, 0, 0},
         {"P", "Q"},
         {0, 0},
         1,
         {"\"G0\" tv 0 1 radio", "\"G1\" tv 0 radio"}},
        {"duplicate transponders hand their programs to the earlier one, which may make them duplicates",
         [](NetworkDatabase& db) {
             Put(db, 192, 11778, 1, "P");
             Put(db, 192, 12000, 2, "Q");
             AddTransponder(db, 0, 11778);
             AddProgram(db, 2).serviceId = 1;                 // repeats P
             AddProgram(db, 2).serviceId = 3;                 // stays, on transponder 0
             AddTransponder(db, 0, 11778).symbolRate = 22000; // another symbol rate: no duplicate
             AddGroup(db, {2, 3});
         },
         CleanUpOptions(),
         {1, 1, 0, 0, 1},
         {"P", "Q", "P3"},
         {0, 1, 0},
         3,
         {"\"G0\" tv 0 2 radio"}},
        {"without the transponder rule their programs stay apart",
         [](NetworkDatabase& db) {
             Put(db, 192, 11778, 1, "P");
             AddTransponder(db, 0, 11778);
             AddProgram(db, 1).serviceId = 1;
         },
         Only({CLEAN_DUPLICATE_PROGRAMS}),
         {0, 1, 0, 0, 0},
         {"P", "P1"},
         {0, 1},
         2,
         {}},
        {"broken favorite entries: past the programs and repeats, the first stays",
         [](NetworkDatabase& db) {
             Put(db, 192, 11778, 1, "P");
             Put(db, 192, 11778, 2, "Q", 0, true);
             AddGroup(db, {0, 99, 0}, {1, 1, NO_INDEX});
         },
         Only({CLEAN_BROKEN_FAVORITES}),
         {0, 0, 4, 0, 0},
         {"P", "Q"},
         {0, 0},
         1,
         {"\"G0\" tv 0 radio 1"}},
        {"programs whose transponder does not exist go, favorite entries renumbered",
         [](NetworkDatabase& db) {
             AddProgram(db, 4);
             Put(db, 192, 11778, 1, "P");
             AddProgram(db, NO_INDEX);
             AddGroup(db, {1, 0, 2});
         },
         Only({CLEAN_ORPHAN_PROGRAMS}),
         {0, 0, 0, 2, 0},
         {"P"},
         {0},
         1,
         {"\"G0\" tv 0 radio"}},
        {"transponders without programs, on request, with programs renumbered",
         [](NetworkDatabase& db) {
             AddAntenna(db);
             AddNetwork(db, "S", 192);
             AddTransponder(db, 0, 10700);
             AddTransponder(db, 0, 10800);
             AddProgram(db, 1);
         },
         Only({CLEAN_EMPTY_TRANSPONDERS}),
         {0, 0, 0, 0, 1},
         {"P0"},
         {0},
         1,
         {}},
    };
    for (const CleanCase& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase db;
        c.build(db);
        const CleanUpPlan plan = FindCleanUp(db, c.options);
        for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule)
            EXPECT_EQ(plan.Count(rule), c.counts[rule]) << CleanUpRuleName(rule);
        EXPECT_EQ(ApplyCleanUp(db, plan), !plan.NothingToDo());
        EXPECT_EQ(Names(db), c.programs);
        std::vector<uint16_t> transponderOf;
        for (const auto& program : db.programs())
            transponderOf.push_back(program->transponderIndex);
        EXPECT_EQ(transponderOf, c.transponderOfPrograms);
        EXPECT_EQ(db.transponders().size(), c.transponders);
        EXPECT_EQ(ShowAll(db.favoriteGroups()), c.groups);
        EXPECT_TRUE(FindCleanUp(db, c.options).NothingToDo());
    }
}

TEST(CleanUp, RandomDatabasesLoseExactlyWhatWasFoundAndAreCleanAfterwards) {
    CleanUpOptions all;
    all.on[CLEAN_EMPTY_TRANSPONDERS] = true;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        NetworkDatabase db;
        FillRandom(db, seed);
        const CleanUpPlan plan = FindCleanUp(db, all);
        const size_t programs = db.programs().size();
        const size_t transponders = db.transponders().size();
        ApplyCleanUp(db, plan);
        EXPECT_EQ(db.programs().size(),
                  programs - plan.Count(CLEAN_DUPLICATE_PROGRAMS) - plan.Count(CLEAN_ORPHAN_PROGRAMS));
        EXPECT_EQ(db.transponders().size(),
                  transponders - plan.Count(CLEAN_DUPLICATE_TRANSPONDERS) - plan.Count(CLEAN_EMPTY_TRANSPONDERS));
        const CleanUpPlan again = FindCleanUp(db, all);
        EXPECT_TRUE(again.NothingToDo()) << CleanUpReport(again);
    }
}

TEST(CleanUp, ReportNamesEachRemovedRecord) {
    NetworkDatabase db;
    Put(db, 192, 11778, 1, "ZDF");
    Put(db, 192, 11778, 1, "ZDF HD");
    EXPECT_EQ(CleanUpReport(FindCleanUp(db)),
              "duplicate programs: 1\n"
              "  TV 2 \"ZDF HD\" on \"S192\" 19.2E 11778 V, service ID 1: same as TV 1 \"ZDF\"\n"
              "duplicate transponders: 0\n"
              "broken favorite entries: 0\n"
              "programs whose transponder does not exist: 0\n");
}

// ---------------------------------------------------------------- compare

void Base(NetworkDatabase& db) {
    Put(db, 192, 11778, 1, "ZDF");
    Put(db, 192, 11778, 2, "ARD");
    Put(db, 192, 12000, 3, "SAT1");
    Put(db, 130, 11000, 4, "Radio", 1, true);
    AddGroup(db, {0, 1}, {3});
}

TEST(Compare, IdenticalDatabasesHaveNoDifferences) {
    NetworkDatabase a, b;
    Base(a);
    Base(b);
    EXPECT_TRUE(CompareDatabases(a, b).Empty());
    EXPECT_EQ(CompareDatabases(a, b).Text(), "No differences.\n");
}

TEST(Compare, EachKindOfDifferenceIsOneLineUnderItsSection) {
    struct Case {
        const char* name;
        std::function<void(NetworkDatabase&)> change; // made to B
        std::string text;
    } const cases[] = {
        {"program fields by name",
         [](NetworkDatabase& b) {
             Raw<Program>(b)[0]->name = "ZDF HD";
             Raw<Program>(b)[0]->pmtPid = 0x65;
         },
         "Programs changed: 1\n  TV 1 \"ZDF\": name \"ZDF\" -> \"ZDF HD\", PMT PID none -> 101\n"},
        {"a program moved to the front is the only one moved",
         [](NetworkDatabase& b) {
             b.ReorderPrograms({2, 0, 1, 3});
         },
         "Programs moved: 1\n  \"SAT1\": TV 3 -> TV 1\n"},
        {"programs only in one file",
         [](NetworkDatabase& b) {
             b.DeleteProgram(1);
             Put(b, 192, 12000, 9, "New");
         },
         "Programs only in A: 1\n  TV 2 \"ARD\" on \"S192\" 19.2E 11778 V, service ID 2\nPrograms only in B: 1\n"
         "  TV 3 \"New\" on \"S192\" 19.2E 12000 V, service ID 9\nFavorite groups changed: 1\n"
         "  Group 1 \"G0\": TV list: TV 2 \"ARD\" only in A\n"},
        {"a transponder's symbol rate", [](NetworkDatabase& b) { Raw<Transponder>(b)[1]->symbolRate = 22000; },
         "Transponders changed: 1\n  \"S192\" 19.2E 12000 V: symbol rate 27500 -> 22000\n"},
        {"a satellite and its antenna configuration",
         [](NetworkDatabase& b) {
             Raw<Network>(b)[1]->skewV = 90;
             Raw<AntennaConfig>(b)[1]->lnbFreq = 9750;
         },
         "Satellites changed: 1\n  \"S130\" 13.0E: skew V 106 -> 90, LNB frequency 0 -> 9750\n"},
        {"favorite group name and order",
         [](NetworkDatabase& b) {
             b.SetFavoriteGroup(0, FavoriteGroup{"News", {1, 0}, {3}});
             AddGroup(b, {});
         },
         "Favorite groups only in B: 1\n  Group 2 \"G1\": 0 TV, 0 radio\nFavorite groups changed: 2\n"
         "  Group 1 \"G0\": name \"G0\" -> \"News\"\n  Group 1 \"G0\": TV list: order changed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase a, b;
        Base(a);
        Base(b);
        c.change(b);
        EXPECT_EQ(CompareDatabases(a, b).Text(), c.text);
    }
}

TEST(Compare, MovedIsTheFewestProgramsWhoseRelativeOrderChanged) {
    NetworkDatabase a, b;
    for (int i = 0; i < 8; ++i) {
        Put(a, 192, 11778, static_cast<uint16_t>(i), "P" + std::to_string(i));
        Put(b, 192, 11778, static_cast<uint16_t>(i), "P" + std::to_string(i));
    }
    // 0 1 2 3 4 5 6 7 -> 7 0 1 2 5 3 4 6: P7 and P5 moved.
    b.ReorderPrograms({7, 0, 1, 2, 5, 3, 4, 6});
    const DatabaseDiff diff = CompareDatabases(a, b);
    std::vector<std::string> lines;
    for (const DiffLine& line : diff.lines)
        lines.push_back(FormatDiffLine(line));
    EXPECT_EQ(lines, (std::vector<std::string>{"\"P5\": TV 6 -> TV 5", "\"P7\": TV 8 -> TV 1"}));
}

} // namespace

namespace {

// Both edges of the frequency tolerance, also next to the ends of the value range.
TEST(MatchTolerant, MatchesWithinTheToleranceOnBothSidesAndNoFurther) {
    struct Case {
        uint16_t a, b;
        bool match;
    };
    const Case cases[] = {
        {1000, 1000 - kFrequencyTolerance, true},
        {1000, 1000 - kFrequencyTolerance - 1, false},
        {1000, 1000 + kFrequencyTolerance, true},
        {1000, 1000 + kFrequencyTolerance + 1, false},
        {kFrequencyTolerance, 0, true},
        {0, kFrequencyTolerance, true},
        {0, kFrequencyTolerance + 1, false},
        {0xFFFF, 0xFFFF - kFrequencyTolerance, true},
        {0xFFFF - kFrequencyTolerance, 0xFFFF, true},
        {0xFFFF - kFrequencyTolerance - 1, 0xFFFF, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " against " + std::to_string(c.b));
        std::vector<uint32_t> partnerOfA, partnerOfB;
        MatchTolerant({TolerantKey{true, 7, c.a}}, {TolerantKey{true, 7, c.b}}, partnerOfA, partnerOfB);
        EXPECT_EQ(partnerOfA[0], c.match ? 0u : NO_PARTNER);
        EXPECT_EQ(partnerOfB[0], c.match ? 0u : NO_PARTNER);
        // Another group never matches, however close the value.
        MatchTolerant({TolerantKey{true, 7, c.a}}, {TolerantKey{true, 8, c.b}}, partnerOfA, partnerOfB);
        EXPECT_EQ(partnerOfA[0], NO_PARTNER);
    }
}

} // namespace
