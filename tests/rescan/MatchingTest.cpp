// Pairing satellites, transponders and programs of two databases: on realistic lists against a
// rescan of them, and the single rules at their edges.
#include "tests/database/TestDatabases.h"
#include "tests/support/RealisticLists.h"

#include "rescan/ProgramMatching.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace testdb;

// A program on the transponder (satellite position, frequency, polarity), each made on first use.
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

void SetPids(Program& program, uint16_t video, uint16_t audio) {
    program.videoPids = PidList();
    program.audioPids = PidList();
    program.videoPids.pids.push_back(video);
    program.videoPids.languages.push_back(LANG_NONE);
    program.audioPids.pids.push_back(audio);
    program.audioPids.languages.push_back(LANG_NONE);
    program.pcrPid = video;
}

void ExpectOneToOne(const ProgramMatching& m) {
    for (size_t r = 0; r < m.partnerOfReference.size(); ++r) {
        if (m.partnerOfReference[r] != NO_PARTNER) {
            EXPECT_EQ(m.partnerOfTarget[m.partnerOfReference[r]], r);
        }
    }
    EXPECT_EQ(m.Matched(), m.partnerOfReference.size() - m.MissingFromTarget());
}

// ---------------------------------------------------------------- realistic lists

TEST(MatchPrograms, ARescanPairsEveryChannelAsItBecame) {
    struct Case {
        const char* name;
        realistic::RescanChanges changes;
    };
    realistic::RescanChanges none{false, false, false, false, false, false, false};
    auto only = [none](bool realistic::RescanChanges::*field) {
        realistic::RescanChanges changes = none;
        changes.*field = true;
        return changes;
    };
    realistic::RescanChanges dropped;
    dropped.dropSatellite = true;
    const Case cases[] = {
        {"nothing changed", none},
        {"positions 0.2 degrees apart, satellites in other slots", only(&realistic::RescanChanges::positions)},
        {"transponders retuned", only(&realistic::RescanChanges::retunes)},
        {"renamed", only(&realistic::RescanChanges::renames)},
        {"new service IDs", only(&realistic::RescanChanges::serviceIds)},
        {"channels gone and new ones", only(&realistic::RescanChanges::removals)},
        {"every change at once", realistic::RescanChanges()},
        {"every change and a satellite not scanned", dropped},
    };
    for (uint32_t seed : {1u, 2u, 3u}) {
        NetworkDatabase list;
        realistic::BuildChannelList(list, seed);
        ASSERT_GT(list.programs().size(), 300u);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
            NetworkDatabase rescan;
            const realistic::Rescan truth = realistic::MakeRescan(list, rescan, c.changes, seed);
            const ProgramMatching m = MatchPrograms(list, rescan);
            for (size_t p = 0; p < list.programs().size(); ++p) {
                EXPECT_EQ(m.partnerOfReference[p], truth.partnerOfList[p])
                    << "channel " << p << " \"" << list.programs()[p]->name << "\" SID "
                    << list.programs()[p]->serviceId;
            }
            ExpectOneToOne(m);
            EXPECT_EQ(m.TargetWithoutPartner(), truth.added);
        }
    }
}

// ---------------------------------------------------------------- satellites

TEST(PairSatellites, EqualPositionsFirstThenTheNearestWithinHalfADegreeOneToOne) {
    struct Case {
        const char* name;
        std::vector<uint16_t> reference, target;
        std::vector<uint32_t> partnerOfReference;
    } const cases[] = {
        {"equal positions, in any slot", {192, 130, 282}, {282, 192, 130}, {1, 2, 0}},
        {"19.2E and 19.0E, 0.8W and 1.0W", {192, 3592}, {3590, 190}, {1, 0}},
        {"half a degree pairs, 0.6 does not", {192, 100}, {197, 106}, {0, NO_PARTNER}},
        {"across 0 degrees", {2}, {3598}, {0}},
        {"equal before nearest, even in a later slot", {190, 192}, {192}, {NO_PARTNER, 0}},
        {"never two on one partner", {190, 194}, {192}, {0, NO_PARTNER}},
        {"the nearest of two", {49}, {45, 48}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase reference, target;
        for (uint16_t position : c.reference)
            Put(reference, position, 11778, 1, "P");
        for (uint16_t position : c.target)
            Put(target, position, 11778, 1, "P");
        const SatellitePairing pairing = PairSatellites(reference, target);
        EXPECT_EQ(pairing.partnerOfReference, c.partnerOfReference);
        for (size_t r = 0; r < pairing.partnerOfReference.size(); ++r) {
            if (pairing.partnerOfReference[r] != NO_PARTNER) {
                EXPECT_EQ(pairing.partnerOfTarget[pairing.partnerOfReference[r]], r);
            }
        }
    }
}

TEST(PairSatellites, EmptySlotsTakePartInNothing) {
    NetworkDatabase reference, target;
    AddAntenna(reference);
    AddNetwork(reference, "", 0);
    AddAntenna(target);
    AddNetwork(target, "-", 0);
    AddAntenna(target);
    AddNetwork(target, "Sat 0.0", 0);
    AddTransponder(target, 1, 11778);
    const SatellitePairing pairing = PairSatellites(reference, target);
    EXPECT_EQ(pairing.partnerOfReference, std::vector<uint32_t>{NO_PARTNER});
    EXPECT_EQ(pairing.targetTakesPart, (std::vector<bool>{false, true}));
}

// ---------------------------------------------------------------- transponders

TEST(PairTransponders, ByPolarityAndTheNearestFrequencyWithinTheTolerance) {
    NetworkDatabase reference, target;
    Put(reference, 192, 11778, 1, "A");
    Put(reference, 192, 12000, 1, "B");
    Put(reference, 192, 12100, 1, "C", 1);
    Put(reference, 192, 12200, 1, "D");
    Put(target, 190, 11781, 1, "A");                        // moved 3 MHz
    Put(target, 190, 12000 + kFrequencyTolerance, 1, "B2"); // both within: the nearest wins
    Put(target, 190, 12001, 1, "B");
    Put(target, 190, 12100, 1, "C"); // another polarity
    Put(target, 190, 12200 + kFrequencyTolerance + 1, 1, "D");
    const TransponderPairing pairing = PairTransponders(reference, target, PairSatellites(reference, target));
    EXPECT_EQ(pairing.partnerOfReference, (std::vector<uint32_t>{0, 2, NO_PARTNER, NO_PARTNER}));
    EXPECT_EQ(pairing.partnerOfTarget, (std::vector<uint32_t>{0, NO_PARTNER, 1, NO_PARTNER, NO_PARTNER}));
}

// ---------------------------------------------------------------- program passes

struct MatchCase {
    const char* name;
    std::function<void(NetworkDatabase& reference, NetworkDatabase& target)> build;
    std::vector<uint32_t> partnerOfReference;
    std::vector<MatchKind> kindOfTarget;
};

TEST(MatchPrograms, PassesAndTies) {
    const MatchCase cases[] = {
        {"the key: frequency within the tolerance, not one MHz more",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "A");
             Put(r, 192, 11778, 2, "B");
             Put(r, 192, 11778, 3, "C");
             Put(t, 192, 11778 + kFrequencyTolerance, 1, "a");
             Put(t, 192, 11778 - kFrequencyTolerance, 2, "b");
             Put(t, 192, 11778 + kFrequencyTolerance + 1, 3, "x");
             Put(t, 192, 11778 + kFrequencyTolerance + 1, 4, "y"); // SID 3 is not unique
             Raw<Program>(t)[3]->serviceId = 3;
         },
         {0, 1, NO_PARTNER},
         {MATCH_KEY, MATCH_KEY, MATCH_NONE, MATCH_NONE}},
        {"polarity and satellite are part of the key; TV and radio never pair",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "A");
             Put(r, 192, 11778, 2, "B");
             Put(r, 192, 11778, 3, "C");
             Put(t, 192, 11778, 1, "x", 1);
             Put(t, 192, 11778, 1, "y", 1);
             Put(t, 130, 11778, 2, "B");
             Put(t, 192, 11778, 3, "C", 0, true);
         },
         {NO_PARTNER, NO_PARTNER, NO_PARTNER},
         {MATCH_NONE, MATCH_NONE, MATCH_NONE, MATCH_NONE}},
        {"the service ID alone where it is unique on the satellite in both files",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 7, "Seven");
             Put(t, 190, 12500, 7, "Sieben", 1);
         },
         {0},
         {MATCH_SERVICE_ID}},
        {"the name without case, spaces and HD, after a retune and a new service ID",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "tagesschau24 HD");
             Put(r, 192, 11778, 2, "CNN Int.");
             Put(t, 192, 11800, 8, " TAGESSCHAU24 HD ");
             Put(t, 192, 11800, 9, "CNN Int. HD");
         },
         {0, 1},
         {MATCH_NAME, MATCH_NAME}},
        {"an SD and HD twin each find their own: the closest name first",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "ZDF HD");
             Put(r, 192, 11778, 2, "ZDF");
             Put(t, 192, 12000, 8, "ZDF");
             Put(t, 192, 12000, 9, "zdf hd");
         },
         {1, 0},
         {MATCH_NAME, MATCH_NAME}},
        {"a placeholder takes the one with its service ID, not the first of its name",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 5, ".");
             Put(t, 192, 12000, 6, ".");
             Put(t, 192, 11782, 5, ".");
         },
         {1},
         {MATCH_NONE, MATCH_KEY}},
        {"equal keys: the closest name, then the nearest frequency, then channel order",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "Other");
             Put(r, 192, 11778, 1, "Same");
             Put(r, 192, 11790, 2, "X");
             Put(r, 192, 11790, 2, "X");
             Put(t, 192, 11778, 1, "Same");
             Put(t, 192, 11778, 1, "Else");
             Put(t, 192, 11794, 2, "X");
             Put(t, 192, 11791, 2, "X");
         },
         {1, 0, 3, 2},
         {MATCH_KEY, MATCH_KEY, MATCH_KEY, MATCH_KEY}},
        {"service ID 0: only by name with the same PIDs, whatever the order",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             SetPids(Put(r, 192, 11778, 0, "Feed"), 0x1F01, 0x1F02);
             SetPids(Put(r, 192, 11778, 0, "Feed"), 0x1E01, 0x1E02);
             SetPids(Put(r, 192, 11778, 0, "Feed"), 0x1D01, 0x1D02);
             SetPids(Put(t, 192, 11778, 0, "Feed"), 0x1E01, 0x1E02);
             SetPids(Put(t, 192, 11778, 0, "Feed"), 0x1F01, 0x1F02);
             SetPids(Put(t, 192, 11778, 0, "Feed"), 0x1D01, 0x1D03);
         },
         {1, 0, NO_PARTNER},
         {MATCH_NAME, MATCH_NAME, MATCH_NONE}},
        {"one partner each: a key match is not taken again by name",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "ZDF");
             Put(r, 192, 11778, 2, "ZDF");
             Put(t, 192, 11778, 1, "ZDF");
         },
         {0, NO_PARTNER},
         {MATCH_KEY}},
        {"programs without a satellite pair among themselves; a satellite without a partner pairs nothing",
         [](NetworkDatabase& r, NetworkDatabase& t) {
             Put(r, 192, 11778, 1, "Lost");
             Raw<Program>(r)[0]->transponderIndex = 5;
             Put(r, 130, 11778, 3, "Far");
             Put(t, 192, 11778, 1, "Lost");
             Put(t, 282, 11778, 3, "Far");
             AddProgram(t, NO_INDEX).name = "Lost";
         },
         {2, NO_PARTNER},
         {MATCH_NONE, MATCH_NONE, MATCH_NAME}},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkDatabase reference, target;
        c.build(reference, target);
        const ProgramMatching m = MatchPrograms(reference, target);
        EXPECT_EQ(m.partnerOfReference, c.partnerOfReference);
        EXPECT_EQ(m.kindOfTarget, c.kindOfTarget);
        ExpectOneToOne(m);
    }
}

TEST(MatchingName, IgnoresCaseSurroundingSpacesAndOneTrailingQualitySuffix) {
    const std::pair<std::string, std::string> cases[] = {
        {"tagesschau24 HD", "tagesschau24"},
        {" TAGESSCHAU24  hd ", "tagesschau24"},
        {"Sky UHD", "sky"},
        {"BBC One SD", "bbc one"},
        {"HD", "hd"},
        {"CHD", "chd"},
        {"Arte HD HD", "arte hd"},
        {"\xC4RD \xDC", "\xE4rd \xFC"},
        {"   ", ""},
        {"ZDFneo", "zdfneo"},
    };
    for (const auto& [name, matching] : cases)
        EXPECT_EQ(MatchingName(name), matching) << name;
}

} // namespace
