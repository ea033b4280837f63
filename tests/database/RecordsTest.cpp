// Per-record value operations and the display tables.
#include "database/Records.h"
#include "database/DisplayTables.h"
#include "database/NdfStatus.h"
#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

namespace {

AntennaConfig Antenna(uint8_t diseqc, uint8_t supply, uint8_t port, uint8_t type, uint16_t low = 0, uint16_t high = 0) {
    AntennaConfig a;
    a.diseqcMode = diseqc;
    a.lnbSupply = supply;
    a.switchPort = port;
    a.lnbType = type;
    a.lnbFreq = low;
    a.lnbFreqH = high;
    return a;
}

TEST(PidList, EditsKeepBothSequencesInStep) {
    PidList list;
    EXPECT_EQ(list.OrPids(), 0);
    list.Append(0x100, 0);
    list.Append(0x4200, 6);
    list.Insert(1, 0x300, LANG_NONE);
    list.Insert(99, 0x400, 2); // past the end appends
    EXPECT_EQ(list.pids, (std::vector<uint16_t>{0x100, 0x300, 0x4200, 0x400}));
    EXPECT_EQ(list.languages, (std::vector<uint8_t>{0, LANG_NONE, 6, 2}));
    EXPECT_EQ(list.OrPids() & PID_FLAG_AC3, PID_FLAG_AC3);
    list.Remove(0);
    list.Remove(42); // out of range: nothing
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.pids.front(), 0x300);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(list.pids.empty());
}

TEST(PidList, DiffersOnCountPidOrLanguage) {
    PidList a;
    a.Append(0x100, 0);
    a.Append(0x101, 1);
    PidList b = a;
    EXPECT_FALSE(a.Differs(b));
    b.languages[1] = 2;
    EXPECT_TRUE(a.Differs(b));
    b = a;
    b.pids[0] = 0x4100;
    EXPECT_TRUE(a.Differs(b));
    b = a;
    b.Append(0x102, 0);
    EXPECT_TRUE(a.Differs(b));
    EXPECT_TRUE(b.Differs(a));
}

TEST(AntennaConfig, DefaultsAreUniversal9750And10600) {
    const AntennaConfig a;
    EXPECT_EQ(a.diseqcMode, 0);
    EXPECT_EQ(a.lnbSupply, 3);
    EXPECT_EQ(a.lnbType, 0x41);
    EXPECT_EQ(a.LnbFreqLow(), 9750);
    EXPECT_EQ(a.LnbFreqHigh(), 10600);
}

TEST(AntennaConfig, EffectiveFrequenciesFromTableOrCustomValues) {
    struct Case {
        uint8_t type;
        uint16_t expectLow, expectHigh;
    };
    const Case cases[] = {
        {0x05, 10600, 10600}, // Single index 5
        {0x01, 5150, 5150},   // Single index 1
        {0x08, 11475, 11475}, // Single index 8, the last one
        {0x00, 1111, 1111},   // Single custom
        {0x09, 1111, 1111},   // Single: 9 is past the table
        {0x42, 9750, 10750},  // Universal index 2
        {0x40, 1111, 2222},   // Universal custom
        {0x43, 1111, 2222},   // Universal: 3 is past the table
        {0x81, 5150, 5750},   // OCS index 1
        {0x82, 5150, 5700},   // OCS index 2
        {0xC1, 1111, 2222},   // kind 3 has no table
        {0x72, 9750, 10750},  // carried bits 4-5 do not matter
    };
    for (const Case& c : cases) {
        const AntennaConfig a = Antenna(0, 0, 0, c.type, 1111, 2222);
        EXPECT_EQ(a.LnbFreqLow(), c.expectLow) << "lnbType " << int(c.type);
        EXPECT_EQ(a.LnbFreqHigh(), c.expectHigh) << "lnbType " << int(c.type);
    }
    EXPECT_EQ(LnbTableLength(3), 0);
    EXPECT_EQ(LnbTableEntry(1, 3), 0);
    EXPECT_EQ(LnbTableEntry(0, -1), 0);
}

TEST(AntennaConfig, SetLnbFreqsWithoutHighMakesSingle) {
    AntennaConfig a = Antenna(0, 0, 0, 0x72, 1, 2);
    a.SetLnbFreqs(10600, 0);
    EXPECT_EQ(a.lnbType, 5);
    EXPECT_EQ(a.lnbFreq, 1); // untouched when a table entry fits

    a = Antenna(0, 0, 0, 0x82, 1, 2);
    a.SetLnbFreqs(10700, 0);
    EXPECT_EQ(a.lnbType, 0);
    EXPECT_EQ(a.lnbFreq, 10700);
    EXPECT_EQ(a.lnbFreqH, 2);
}

TEST(AntennaConfig, SetLnbFreqsWithHighPicksTableIndexOfTheKind) {
    AntennaConfig a = Antenna(0, 0, 0, 0x71);
    a.SetLnbFreqs(9750, 10750);
    EXPECT_EQ(a.lnbType, 0x72); // index 2, bits 4-7 kept
    EXPECT_EQ(a.lnbFreq, 0);

    a.SetLnbFreqs(9700, 10600);
    EXPECT_EQ(a.lnbType, 0x70);
    EXPECT_EQ(a.lnbFreq, 9700);
    EXPECT_EQ(a.lnbFreqH, 10600);

    a = Antenna(0, 0, 0, 0x80);
    a.SetLnbFreqs(5150, 5700);
    EXPECT_EQ(a.lnbType, 0x82);

    a = Antenna(0, 0, 0, 0x41);
    a.SetLnbFreqs(9750, 9750); // index 0 is the low oscillator, never a high choice
    EXPECT_EQ(a.loIndex(), 0);
    EXPECT_EQ(a.lnbFreqH, 9750);

    for (uint8_t type : {uint8_t{0xC2}, uint8_t{0x03}}) { // no table / Single: always custom
        a = Antenna(0, 0, 0, type);
        a.SetLnbFreqs(9750, 10600);
        EXPECT_EQ(a.lnbType, type & 0xF0);
        EXPECT_EQ(a.lnbFreq, 9750);
        EXPECT_EQ(a.lnbFreqH, 10600);
    }
}

TEST(AntennaConfig, DiffersIgnoresCarriedBitsAndUnusedPorts) {
    const AntennaConfig base = Antenna(0x01, 0x03, 0x21, 0x41);
    EXPECT_FALSE(base.Differs(Antenna(0x71, 0xF3, 0x2D, 0x71))); // carried bits only
    EXPECT_TRUE(base.Differs(Antenna(0x01, 0x03, 0x22, 0x41)));  // "1.0" port, level 1
    EXPECT_FALSE(base.Differs(Antenna(0x01, 0x03, 0x31, 0x41))); // "1.1" port unused at level 1

    const AntennaConfig level11 = Antenna(0x02, 0x03, 0x21, 0x41);
    EXPECT_TRUE(level11.Differs(Antenna(0x02, 0x03, 0x31, 0x41)));
    EXPECT_FALSE(level11.Differs(Antenna(0x02, 0x03, 0x22, 0x41)));

    const AntennaConfig off = Antenna(0x00, 0x03, 0x00, 0x41);
    EXPECT_FALSE(off.Differs(Antenna(0x00, 0x03, 0xF3, 0x41)));
    // Only this record's level decides which port counts.
    EXPECT_TRUE(Antenna(0x03, 3, 0x00, 0x41).Differs(Antenna(0x03, 3, 0x10, 0x41)));

    for (uint8_t diseqc : {0x04, 0x08, 0x80})
        EXPECT_TRUE(off.Differs(Antenna(diseqc, 0x03, 0, 0x41)));
    for (uint8_t supply : {0x02, 0x07, 0x0B})
        EXPECT_TRUE(off.Differs(Antenna(0, supply, 0, 0x41)));
}

TEST(AntennaConfig, DiffersComparesEffectiveFrequencies) {
    EXPECT_FALSE(Antenna(0, 3, 0, 0x42).Differs(Antenna(0, 3, 0, 0x40, 9750, 10750)));
    EXPECT_TRUE(Antenna(0, 3, 0, 0x42).Differs(Antenna(0, 3, 0, 0x40, 9750, 10600)));
    EXPECT_TRUE(Antenna(0, 3, 0, 0x42).Differs(Antenna(0, 3, 0, 0x82))); // kind
    // Single: the high frequency does not count.
    EXPECT_FALSE(Antenna(0, 3, 0, 0x00, 10700, 1).Differs(Antenna(0, 3, 0, 0x00, 10700, 2)));
    EXPECT_FALSE(Antenna(0, 3, 0, 0x05).Differs(Antenna(0, 3, 0, 0x00, 10600, 0)));
}

TEST(Network, EmptySlotAndDiffers) {
    Network n;
    EXPECT_TRUE(n.IsEmptySlot());
    for (const char* name : {"-", "- spare", " x"}) {
        n.name = name;
        EXPECT_TRUE(n.IsEmptySlot()) << name;
    }
    n.name = "Astra";
    EXPECT_FALSE(n.IsEmptySlot());
    n.name = "";
    n.position = 1;
    EXPECT_FALSE(n.IsEmptySlot());

    Network a;
    a.name = "Hot Bird";
    a.position = 130;
    Network b = a;
    b.antennaIndex = 9;
    b.treeItem = &b;
    b.positionerId = 3;
    b.skewV = 1;
    EXPECT_FALSE(a.Differs(b, false, false));
    EXPECT_TRUE(a.Differs(b, true, false));
    EXPECT_TRUE(a.Differs(b, false, true));
    b = a;
    b.skewH = 1;
    EXPECT_TRUE(a.Differs(b, false, true));
    b.name = "Hot bird";
    EXPECT_TRUE(a.Differs(b, false, false));
}

TEST(Transponder, InitKeepsTreeItemAndDiffersIgnoresNetwork) {
    Transponder t;
    t.name = "x";
    t.symbolRate = 27500;
    t.freqDrift = 4;
    t.gmtError = 5;
    t.treeItem = &t;
    t.InitTransponder(7, 12188, 0x31);
    EXPECT_EQ(t.name, "");
    EXPECT_EQ(t.networkIndex, 7);
    EXPECT_EQ(t.frequency, 12188);
    EXPECT_EQ(t.polFec, 0x31);
    EXPECT_EQ(t.polarity(), 1);
    EXPECT_EQ(t.fec(), 3);
    EXPECT_EQ(t.symbolRate, 0);
    EXPECT_EQ(t.freqDrift, 0);
    EXPECT_EQ(t.gmtError, GMT_UNSET);
    EXPECT_EQ(t.treeItem, &t);

    Transponder other = t;
    other.networkIndex = 1;
    other.treeItem = nullptr;
    EXPECT_FALSE(t.Differs(other));
    for (auto change : {+[](Transponder& x) { x.name = "a"; }, +[](Transponder& x) { x.symbolRate = 1; },
                        +[](Transponder& x) { x.polFec = 0x35; }, +[](Transponder& x) { x.freqDrift = 1; },
                        +[](Transponder& x) { x.gmtError = 0; }, +[](Transponder& x) { x.frequency = 1; }}) {
        other = t;
        change(other);
        EXPECT_TRUE(t.Differs(other));
    }
}

TEST(Program, CopiesTakeEveryFieldAndTheDatabaseKeepsTheLiveRecordsLinks) {
    Program p(12);
    EXPECT_EQ(p.pmtPid, PID_NONE);
    EXPECT_EQ(p.pcrPid, PID_NONE);
    EXPECT_EQ(p.transponderIndex, 12);
    p.name = "One";
    p.serviceId = 3;
    p.audioPids.Append(0x4101, 6);
    p.caMask = 0x40000009;
    p.attributes = PA_RADIO;
    p.attributes2 = 0x55;
    p.favoriteMask = 0x0F;
    p.treeItem = &p;

    Program copy(p);
    EXPECT_EQ(copy.favoriteMask, 0x0F);
    EXPECT_EQ(copy.treeItem, &p);
    EXPECT_EQ(copy.transponderIndex, 12);
    EXPECT_FALSE(copy.Differs(p));
    EXPECT_TRUE(copy.IsRadio());

    // A record of the database takes another's value but keeps its tree item and favoriteMask.
    NetworkDatabase db;
    Program& live = db.AppendProgram();
    live.favoriteMask = 0x80;
    live.treeItem = &db;
    live.videoPids.Append(1, 1);
    db.SetProgram(0, p);
    EXPECT_EQ(live.favoriteMask, 0x80);
    EXPECT_EQ(live.treeItem, &db);
    EXPECT_TRUE(live.videoPids.Empty());
    EXPECT_EQ(live.attributes2, 0x55);
    EXPECT_FALSE(live.Differs(p));
}

TEST(Program, DiffersComparesExactlyTheStoredFields) {
    Program a(1);
    a.audioPids.Append(0x100, 0);
    Program b = a;
    b.transponderIndex = 9;
    b.favoriteMask = 3;
    b.treeItem = &b;
    EXPECT_FALSE(a.Differs(b));
    b = a;
    b.audioPids.languages[0] = 1;
    EXPECT_TRUE(a.Differs(b));
    for (auto change :
         {+[](Program& x) { x.name = "n"; }, +[](Program& x) { x.serviceId = 1; }, +[](Program& x) { x.pmtPid = 1; },
          +[](Program& x) { x.pcrPid = 1; }, +[](Program& x) { x.videoPids.Append(1, LANG_NONE); },
          +[](Program& x) { x.teletextPids.Append(PID_FLAG_SUBT | 1, LANG_NONE); },
          +[](Program& x) { x.caMask = 1u << 31; }, +[](Program& x) { x.attributes = PA_SKIP; },
          +[](Program& x) { x.attributes2 = 1; }}) {
        b = a;
        change(b);
        EXPECT_TRUE(a.Differs(b));
    }
}

TEST(DisplayTables, PositionsAndTransponderLabels) {
    Network n;
    for (auto [position, text] : {std::pair{192, "19.2"},
                                  {3408, "340.8"},
                                  {0, "0.0"},
                                  {3599, "359.9"},
                                  {1800, "180.0"},
                                  {3600, "0.0"},
                                  {65535, "73.5"}}) {
        n.position = static_cast<uint16_t>(position);
        EXPECT_EQ(FormatPosition(n), text);
    }
    Transponder t;
    for (auto [frequency, polFec, text] : {std::tuple{12188, 0x01, "12.188 (H)"},
                                           {11034, 0x30, "11.034 (V)"},
                                           {0, 0, "0.000 (V)"},
                                           {9750, 0x02, "9.750 (R)"},
                                           {65535, 0xF7, "65.535 (L)"}}) {
        t.frequency = static_cast<uint16_t>(frequency);
        t.polFec = static_cast<uint8_t>(polFec);
        EXPECT_EQ(FormatTransponderLabel(t), text);
    }
}

TEST(DisplayTables, LettersLanguagesAndNames) {
    EXPECT_STREQ(PolarityLetter(3), "L");
    EXPECT_STREQ(PolarityLetter(0xFE), "R");
    EXPECT_STREQ(LanguageCode(0), "ENG");
    EXPECT_STREQ(LanguageCode(22), "TUR");
    EXPECT_STREQ(LanguageCode(23), "(Unknown)");
    EXPECT_STREQ(LanguageCode(24), "");
    EXPECT_STREQ(LanguageCode(LANG_NONE), "");
    EXPECT_STREQ(kDefaultFavoriteNames[0], "News");
    EXPECT_STREQ(kDefaultFavoriteNames[7], "Info");
    EXPECT_STREQ(kFecNames[5], "7/8");
    EXPECT_STREQ(kPolarityNames[2], "Circular Right");
}

TEST(DisplayTables, CaNamesAppendWithSlashes) {
    auto names = [](uint32_t mask, std::string text = {}) {
        FormatCaNames(mask, text);
        return text;
    };
    EXPECT_EQ(names((1u << 0) | (1u << 3) | (1u << 30)), "VICS/NAGR/UNKNOWN");
    EXPECT_EQ(names(1u << 10), "SKYC");
    EXPECT_EQ(names(1u << 30), "UNKNOWN");
    EXPECT_EQ(names(1u << 11), "");
    EXPECT_EQ(names(1u << 31), "");
    EXPECT_EQ(names(0xFFFF0000u & ~(1u << 30)), "");
    EXPECT_EQ(names((1u << 7) | (1u << 8)), "CONAX/NDS");
    EXPECT_EQ(names(1u << 1, "VICS"), "VICS/SECA");
    EXPECT_EQ(names(0, "kept"), "kept");
    EXPECT_EQ(names(0x7FF), "VICS/SECA/IRDT/NAGR/ALPHAC/BETAC/CRYPTO/CONAX/NDS/PWRVU/SKYC");
}

TEST(NdfStatus, MessagesOfEveryCode) {
    EXPECT_STREQ(StatusMessage(NDF_OK), "OK");
    EXPECT_STREQ(StatusMessage(NDF_CANCELED), "Canceled");
    EXPECT_STREQ(StatusMessage(NDF_INSUFFICIENT_MEMORY), "Insufficient memory");
    EXPECT_STREQ(StatusMessage(NDF_NO_FILE_FOUND), "No file found");
    EXPECT_STREQ(StatusMessage(NDF_FILE_CRASHED), "File crashed");
    EXPECT_STREQ(StatusMessage(NDF_CREATE_FAILED), "Creating file failed");
    EXPECT_STREQ(StatusMessage(NDF_INVALID_FORMAT), "Invalid NDF format");
    EXPECT_STREQ(StatusMessage(NDF_BAD_CHECKSUM), "Bad checksum");
    EXPECT_STREQ(StatusMessage(NDF_VERSION_UNSUPPORTED), "NDF Version not supported");
    EXPECT_STREQ(StatusMessage(NDF_TOO_LARGE), "Too many records for the NDF format");
    for (int code : {1, 3, 4, -1, 13, 255})
        EXPECT_STREQ(StatusMessage(code), "Unknown error");
}

} // namespace
