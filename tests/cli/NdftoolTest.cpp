// ndftool's commands run in process over real files: usage, check, info, new, sort, import-sdx and export.
#include "CliTest.h"
#include "tests/support/SystemTexts.h"

#include "database/NetworkDatabase.h"

namespace {

const char* const kCommands[] = {"check",      "info",        "dump",  "build", "new",   "sort",
                                 "import-sdx", "apply-order", "clean", "diff",  "export"};

NetworkDatabase Load(const std::string& path) {
    NetworkDatabase database;
    std::vector<uint8_t> image;
    EXPECT_EQ(database.Open(path, image), NDF_OK) << path;
    EXPECT_EQ(database.Parse(image), NDF_OK) << path;
    return database;
}

// ---------------------------------------------------------------- usage

using UsageTest = CliTest;

TEST_F(UsageTest, TopLevelHelpListsEveryCommand) {
    for (const char* help : {"--help", "-h", "help"}) {
        const ToolResult result = Ndftool({help});
        EXPECT_EQ(result.code, 0) << help;
        EXPECT_TRUE(result.err.empty()) << help;
        for (const char* command : kCommands) {
            EXPECT_NE(result.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
        }
    }
}

TEST_F(UsageTest, EveryCommandHasHelp) {
    for (const char* command : kCommands) {
        for (const ToolResult& result : {Ndftool({command, "--help"}), Ndftool({"help", command})}) {
            EXPECT_EQ(result.code, 0) << command;
            EXPECT_TRUE(StartsWith(result.out, std::string("Usage: ndftool ") + command + " ")) << result.out;
            EXPECT_NE(result.out.find("--help"), std::string::npos) << command;
        }
    }
    // Help wins over missing arguments and does nothing else.
    EXPECT_EQ(Ndftool({"new", "--help", Path("x.ndf")}).code, 0);
    EXPECT_FALSE(Exists(Path("x.ndf")));
}

TEST_F(UsageTest, UsageErrorsExitWithTwoAndExplainOnStandardError) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--verbose"},
        {"help", "frobnicate"},
        {"check"},
        {"check", file, file},
        {"check", "--bogus", file},
        {"check", ""},
        {"sort", file, "-o"},
        {"build", Path("doc.json")},
        {"import-sdx", file, "one", Path("list.sdx")},
        {"import-sdx", file, "-1", Path("list.sdx")},
        {"apply-order", file},
        {"clean", file, "--order-only"},
        {"diff", file},
        {"export", file, "--format", "pdf"},
        {"export", file, "--scope", "satellite"},
        {"export", file, "--scope", "group:+1"},
        {"export", file, "--scope", "satellite:3"},
        {"export", file, "--scope", "group:2"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        QStringList list;
        std::string shown;
        for (const std::string& argument : arguments) {
            list << QString::fromStdString(argument);
            shown += " " + argument;
        }
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunNdftool(list, in, out, err), 2) << shown;
        EXPECT_TRUE(StartsWith(err.str(), "ndftool: ")) << shown << ": " << err.str();
    }
    EXPECT_EQ(ReadBytes(file), SampleFile());
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.ndf"});
}

// ---------------------------------------------------------------- check

using CheckTest = CliTest;

TEST_F(CheckTest, PrintsTheStatusAndExitsWithItsCode) {
    std::vector<uint8_t> badChecksum = SampleFile();
    badChecksum.back() = static_cast<uint8_t>(badChecksum.back() + 1);
    std::vector<uint8_t> badLength = SampleFile();
    badLength[4] = static_cast<uint8_t>(badLength[4] + 1);
    std::vector<uint8_t> version2 = SampleFile();
    version2[8] = 2;
    version2.back() = static_cast<uint8_t>(version2.back() + 1);
    // Five networks announced, none there: the blocks run into the trailer.
    const std::vector<uint8_t> truncated = NdfBytes().U8(0).U8(5).U16(0).U16(0).U8(0).Finish();

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;
        int code;
    } const cases[] = {
        {"sound.ndf", SampleFile(), "OK", 0},
        {"smallest.ndf", NdfBytes().U8(0).U8(0).U16(0).U16(0).U8(0).Finish(), "OK", 0},
        {"checksum.ndf", badChecksum, "Bad checksum", 10},
        {"length.ndf", badLength, "Invalid NDF format", 9},
        {"version.ndf", version2, "NDF Version not supported", 11},
        {"truncated.ndf", truncated, "Invalid NDF format", 9},
        {"empty.ndf", {}, "Invalid NDF format", 9},
    };
    for (const Case& c : cases) {
        WriteBytes(Path(c.name), c.bytes);
        for (const bool strict : {false, true}) {
            const ToolResult result =
                strict ? Ndftool({"check", "--strict", Path(c.name)}) : Ndftool({"check", Path(c.name)});
            EXPECT_EQ(result.code, c.code) << c.name;
            EXPECT_EQ(result.out, std::string(c.message) + "\n") << c.name;
            EXPECT_TRUE(result.err.empty()) << c.name;
        }
    }

    const ToolResult missing = Ndftool({"check", Path("missing.ndf")});
    EXPECT_EQ(missing.code, 6);
    EXPECT_EQ(missing.out, "No file found\n");
    const ToolResult folder = Ndftool({"check", Path("")});
    EXPECT_EQ(folder.code, 6);
}

// Each kind of damaged reference, in a file that loads: one line each after "OK".
TEST_F(CheckTest, ReportsDamagedReferencesAndFailsOnlyWhenStrict) {
    NdfBytes f(0);
    f.U8(1).Antenna(0, 3, 0, 0x41, 0, 0); // one antenna configuration
    f.U8(2);                              // ... for two networks
    f.Name("A").U16(192).U8(0).U8(0);
    f.Name("B").U16(130).U8(0).U8(4); // antennaIndex 4
    f.U16(4);
    for (const unsigned network : {0u, 1u, 0u, 2u}) { // network 0 split, network 2 missing
        f.U16(11000).U16(27500).U8(0).U8(0).U8(network).U32(0);
    }
    f.U16(2);
    for (const unsigned transponder : {3u, 4u}) { // transponder 4 missing
        f.Name("P").U16(1).U16(2).U16(3).Pids({}).Pids({}).Pids({}).U8(0).U8(0).U16(transponder);
    }
    f.U8(9); // nine groups
    for (int group = 0; group < 9; ++group) {
        f.Name("G");
        if (group == 2) {
            f.U16(2).U16(1).U16(2).U16(1).U16(7); // tvList [1, 2], radioList [7]
        } else {
            f.U16(0).U16(0);
        }
    }
    const std::string file = Path("damaged.ndf");
    WriteBytes(file, f.Finish());

    const std::string expected = "OK\n"
                                 "networks[1].antennaIndex = 4: there is only 1 antenna configuration\n"
                                 "antennaConfigs.count = 1: fewer than the 2 networks, which take one antenna "
                                 "configuration per slot\n"
                                 "transponders[2].networkIndex = 0: splits the transponders of network 0 in two: "
                                 "its first run starts at transponder 0\n"
                                 "transponders[3].networkIndex = 2: there are only 2 networks\n"
                                 "programs[1].transponderIndex = 4: there are only 4 transponders\n"
                                 "favoriteGroups[2].tvList[1] = 2: there are only 2 programs\n"
                                 "favoriteGroups[2].radioList[0] = 7: there are only 2 programs\n"
                                 "favoriteGroups.count = 9: more than the 8 groups the editor offers\n";
    const ToolResult plain = Ndftool({"check", file});
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out, expected);
    EXPECT_TRUE(plain.err.empty());

    const ToolResult strict = Ndftool({"check", file, "--strict"});
    EXPECT_EQ(strict.code, 1);
    EXPECT_EQ(strict.out, expected);
}

// ---------------------------------------------------------------- info

using InfoTest = CliTest;

TEST_F(InfoTest, SummarisesHeaderAndCollections) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile(0, 1, 2));
    const ToolResult result = Ndftool({"info", file});
    ASSERT_EQ(result.code, 0) << result.err;
    for (const char* line :
         {"Format version          1\n", "Stamp                   B002 ",
          "Format flags            0x00000007: NDF_FLAG_TP_NAMES, NDF_FLAG_NET_SKEW, "
          "NDF_FLAG_PROG_CA\n",
          "Antenna configurations  3\n", "Networks                3 (3 in use, 0 empty slots)\n",
          "Transponders            4\n", "Programs                3 (2 TV, 1 radio)\n", "Favorite groups         2\n",
          "    1  News   2 TV, 0 radio\n", "    2  Radio  0 TV, 1 radio\n"}) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\nin:\n" << result.out;
    }
}

TEST_F(InfoTest, ShowsDateStampsAndUnknownFlags) {
    WriteBytes(Path("date.ndf"), SampleFile(0x84, 5, 19, 0x104));
    const ToolResult date = Ndftool({"info", Path("date.ndf")});
    ASSERT_EQ(date.code, 0) << date.err;
    EXPECT_NE(date.out.find("Stamp                   2004-05-19 "), std::string::npos) << date.out;
    EXPECT_NE(date.out.find("0x00000104: NDF_FLAG_PROG_CA, other bits 0x00000100\n"), std::string::npos) << date.out;

    // Neither a date nor a version: the raw bytes.
    WriteBytes(Path("odd.ndf"), SampleFile(0x84, 13, 1, 0));
    const ToolResult odd = Ndftool({"info", Path("odd.ndf")});
    EXPECT_NE(odd.out.find("bytes 0x84 0x0D 0x01"), std::string::npos) << odd.out;
    EXPECT_NE(odd.out.find("0x00000000: none\n"), std::string::npos) << odd.out;
}

TEST_F(InfoTest, UnreadableFileGivesItsStatus) {
    const ToolResult result = Ndftool({"info", Path("missing.ndf")});
    EXPECT_EQ(result.code, 6);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, "ndftool: " + Path("missing.ndf") + ": No file found (No such file or directory)\n");
}

// ---------------------------------------------------------------- new

using NewTest = CliTest;

TEST_F(NewTest, WritesTheSixtyFourSlotDatabase) {
    const CalendarDate before = LocalNow();
    const ToolResult result = Ndftool({"new", Path("new.ndf")});
    const CalendarDate after = LocalNow();
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.out.empty());

    const std::vector<uint8_t> bytes = ReadBytes(Path("new.ndf"));
    ASSERT_EQ(bytes.size(), 16u + 1 + 64 * 8 + 1 + 64 * 5 + 2 + 2 + 1 + 4);
    EXPECT_EQ(bytes[bytes.size() - 5], 0) << "no favorite groups are written";

    NetworkDatabase database = Load(Path("new.ndf"));
    EXPECT_EQ(database.formatFlags, 4u);
    ASSERT_EQ(database.networks().size(), 64u);
    ASSERT_EQ(database.antennaConfigs().size(), 64u);
    for (size_t slot = 0; slot < 64; ++slot) {
        EXPECT_EQ(database.networks()[slot]->antennaIndex, slot);
        EXPECT_TRUE(database.networks()[slot]->IsEmptySlot());
    }
    EXPECT_TRUE(database.transponders().empty());
    EXPECT_TRUE(database.programs().empty());
    EXPECT_EQ(database.favoriteGroups().size(), 8u);
    // Stamped with the date of the save.
    const CalendarDate stamp = database.GetStampDate();
    EXPECT_TRUE((stamp.year == before.year && stamp.month == before.month && stamp.day == before.day) ||
                (stamp.year == after.year && stamp.month == after.month && stamp.day == after.day));
    EXPECT_EQ(stamp.hour, 0);
}

TEST_F(NewTest, UnwritableTargetGivesCreatingFileFailed) {
    const ToolResult result = Ndftool({"new", Path("no/such/folder/new.ndf")});
    EXPECT_EQ(result.code, 8);
    EXPECT_EQ(result.err, "ndftool: " + Path("no/such/folder/new.ndf") + ": Creating file failed (" +
                              systemtexts::MissingFolder() + ")\n");
    EXPECT_TRUE(Entries().empty());
}

// ---------------------------------------------------------------- sort

using SortTest = CliTest;

TEST_F(SortTest, SortsInPlaceFrom180WestAndKeepsAVersionStamp) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile(0, 1, 2));
    const ToolResult result = Ndftool({"sort", file});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "Networks sorted by orbital position.\n");

    const NetworkDatabase sorted = Load(file);
    ASSERT_EQ(sorted.networks().size(), 3u);
    EXPECT_EQ(sorted.networks()[0]->name, "Thor");
    EXPECT_EQ(sorted.networks()[1]->name, "Hot Bird");
    EXPECT_EQ(sorted.networks()[2]->name, "Astra 1");
    for (size_t slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(sorted.networks()[slot]->antennaIndex, slot);
    }
    // The antenna configurations moved with their networks: Thor's had lnbType 0x05.
    EXPECT_EQ(sorted.antennaConfigs()[0]->lnbType, 0x05);
    EXPECT_EQ(sorted.antennaConfigs()[1]->lnbType, 0x80);
    EXPECT_EQ(sorted.antennaConfigs()[2]->lnbType, 0x41);
    // Transponders stay where they are and follow their networks to the new slots.
    std::vector<int> networks;
    for (const auto& transponder : sorted.transponders()) {
        networks.push_back(transponder->networkIndex);
    }
    EXPECT_EQ(networks, (std::vector<int>{2, 2, 1, 0}));
    EXPECT_EQ(sorted.stampYear, 0);
    EXPECT_EQ(sorted.stampMonth, 1);
    EXPECT_EQ(sorted.stampDay, 2);

    // Sorted already: saved all the same, and said so.
    const std::vector<uint8_t> once = ReadBytes(file);
    const ToolResult again = Ndftool({"sort", file});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out, "Networks were already in order.\n");
    EXPECT_EQ(ReadBytes(file), once);
}

TEST_F(SortTest, OutputOptionLeavesTheInputAloneAndStampsToday) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile(0x84, 5, 19));
    const CalendarDate before = LocalNow();
    ASSERT_EQ(Ndftool({"sort", file, "-o", Path("b.ndf")}).code, 0);
    ASSERT_EQ(Ndftool({"sort", "--output", Path("c.ndf"), file}).code, 0);
    const CalendarDate after = LocalNow();

    EXPECT_EQ(ReadBytes(file), SampleFile(0x84, 5, 19));
    EXPECT_EQ(ReadBytes(Path("b.ndf")), ReadBytes(Path("c.ndf")));
    const NetworkDatabase sorted = Load(Path("b.ndf"));
    EXPECT_EQ(sorted.networks()[0]->name, "Thor");
    const CalendarDate stamp = sorted.GetStampDate();
    EXPECT_TRUE((stamp.year == before.year && stamp.month == before.month && stamp.day == before.day) ||
                (stamp.year == after.year && stamp.month == after.month && stamp.day == after.day));
}

TEST_F(SortTest, FailuresLeaveNoFileBehind) {
    const ToolResult missing = Ndftool({"sort", Path("missing.ndf"), "-o", Path("out.ndf")});
    EXPECT_EQ(missing.code, 6);
    EXPECT_TRUE(missing.out.empty());

    std::vector<uint8_t> damaged = SampleFile();
    damaged.back() = static_cast<uint8_t>(damaged.back() ^ 1);
    WriteBytes(Path("damaged.ndf"), damaged);
    EXPECT_EQ(Ndftool({"sort", Path("damaged.ndf")}).code, 10);
    EXPECT_EQ(ReadBytes(Path("damaged.ndf")), damaged);
    EXPECT_EQ(Entries(), std::vector<std::string>{"damaged.ndf"});
}

TEST_F(SortTest, RefusesNetworksWithoutAnAntennaConfigurationPerSlot) {
    NdfBytes f(0);
    f.U8(1).Antenna(0, 3, 0, 0x41, 0, 0);
    f.U8(2).Name("East").U16(192).U8(0).U8(0).Name("West").U16(3000).U8(0).U8(0);
    f.U16(0).U16(0).U8(0);
    const std::vector<uint8_t> bytes = f.Finish();
    WriteBytes(Path("short.ndf"), bytes);

    const ToolResult result = Ndftool({"sort", Path("short.ndf"), "-o", Path("out.ndf")});
    EXPECT_EQ(result.code, 3);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, "ndftool: " + Path("short.ndf") +
                              ": cannot sort 2 networks with only 1 antenna configurations; nothing was written\n");
    EXPECT_EQ(ReadBytes(Path("short.ndf")), bytes);
    EXPECT_EQ(Entries(), std::vector<std::string>{"short.ndf"});
}

// ---------------------------------------------------------------- import-sdx

using ImportSdxTest = CliTest;

TEST_F(ImportSdxTest, FillsTheNetworkAndKeepsProgramsOnTheirTransponders) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    WriteText(Path("list.sdx"), "header line\n" + SdxLine("HOTBIRD 13E", 10992, '1', 130, 27500) +
                                    SdxLine("HOTBIRD 13E", 11034, '0', 130, 27500) +
                                    SdxLine("HOTBIRD 13E", 11034, '0', 130, 27500) +         // duplicate
                                    SdxLine("Other", 11034, '0', 130, 27500, "SATCODX104") + // wrong kind
                                    SdxLine("Hotbird 13.0E", 11054, '1', 130, 27500, "satcodx103"));

    const ToolResult result = Ndftool({"import-sdx", file, "1", Path("list.sdx")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "4 lines matched, 2 transponders added.\n");

    const NetworkDatabase database = Load(file);
    EXPECT_EQ(database.networks()[1]->name, "Hotbird 13.0E");
    EXPECT_EQ(database.networks()[1]->position, 130);
    ASSERT_EQ(database.transponders().size(), 6u);
    std::vector<int> frequencies;
    std::vector<int> networks;
    for (const auto& transponder : database.transponders()) {
        frequencies.push_back(transponder->frequency);
        networks.push_back(transponder->networkIndex);
    }
    EXPECT_EQ(frequencies, (std::vector<int>{11778, 12188, 10992, 11034, 11054, 11325}));
    EXPECT_EQ(networks, (std::vector<int>{0, 0, 1, 1, 1, 2}));
    // NRK1 was on Thor's transponder 3, which is now 5.
    EXPECT_EQ(database.programs()[2]->transponderIndex, 5);
    EXPECT_EQ(database.programs()[1]->transponderIndex, 2);
}

TEST_F(ImportSdxTest, OutputOptionAndSingularCounts) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    WriteText(Path("list.sdx"), SdxLine("ASTRA", 12000, '0', 192, 22000));
    const ToolResult result = Ndftool({"import-sdx", "-o", Path("b.ndf"), file, "0", Path("list.sdx")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "1 line matched, 1 transponder added.\n");
    EXPECT_EQ(ReadBytes(file), SampleFile());
    EXPECT_EQ(Load(Path("b.ndf")).transponders().size(), 5u);

    // A listing with no matching line still saves (with the version stamp kept).
    WriteText(Path("none.sdx"), "nothing here\n");
    const ToolResult none = Ndftool({"import-sdx", file, "2", Path("none.sdx")});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "0 lines matched, 0 transponders added.\n");
    EXPECT_EQ(ReadBytes(file), SampleFile());
}

TEST_F(ImportSdxTest, BadSlotsAndMissingFilesChangeNothing) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    WriteText(Path("list.sdx"), SdxLine("ASTRA", 12000, '0', 192, 22000));

    const ToolResult pastEnd = Ndftool({"import-sdx", file, "3", Path("list.sdx")});
    EXPECT_EQ(pastEnd.code, 2);
    EXPECT_NE(pastEnd.err.find("its slots are 0..2"), std::string::npos) << pastEnd.err;

    const ToolResult noListing = Ndftool({"import-sdx", file, "0", Path("missing.sdx")});
    EXPECT_EQ(noListing.code, 6);
    EXPECT_EQ(noListing.err, "ndftool: " + Path("missing.sdx") + ": No file found (No such file or directory)\n");

    const ToolResult noFile = Ndftool({"import-sdx", Path("missing.ndf"), "0", Path("list.sdx")});
    EXPECT_EQ(noFile.code, 6);

    EXPECT_EQ(ReadBytes(file), SampleFile());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.ndf", "list.sdx"}));
}

// ---------------------------------------------------------------- export

using ExportTest = CliTest;

TEST_F(ExportTest, WritesCsvToStandardOutput) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    const ToolResult result = Ndftool({"export", file});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "No.,Name,Type,Satellite,Position,Frequency,Polarity,Symbol Rate,Service ID,CA,"
                          "Favorites\r\n"
                          "1,Das Erste,TV,Astra 1,19.2E,11778,V,27500,28106,VICS/NAGR/UNKNOWN,News\r\n"
                          "2,NRK1,TV,Thor,0.8W,11325,H,24500,1101,,News\r\n"
                          "1,Radio 1,Radio,Hot Bird,13.0E,10992,H,27500,7,,Radio\r\n");
    EXPECT_EQ(Ndftool({"export", "--scope", "satellite:2", file}).out,
              "No.,Name,Type,Satellite,Position,Frequency,Polarity,Symbol Rate,Service ID,CA,Favorites\r\n"
              "2,NRK1,TV,Thor,0.8W,11325,H,24500,1101,,News\r\n");
    EXPECT_EQ(ReadBytes(file), SampleFile());
}

TEST_F(ExportTest, WritesAWebPageToTheOutputFileOrFailsLeavingNothing) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    const ToolResult result = Ndftool({"export", file, "--format", "html", "--scope", "group:1", "-o", Path("l.html")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    const std::string page = ReadText(Path("l.html"));
    EXPECT_NE(page.find("<title>Channel list: a.ndf, B002</title>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"scope\">Favorite group Radio</p>"), std::string::npos);
    EXPECT_NE(page.find("<h2>TV (0 channels)</h2>"), std::string::npos);
    EXPECT_NE(page.find("<td>Radio 1</td>"), std::string::npos);
    EXPECT_EQ(page.find("<td>NRK1</td>"), std::string::npos);

    const ToolResult failed = Ndftool({"export", file, "-o", Path("no/such/folder/l.csv")});
    EXPECT_EQ(failed.code, 8);
    EXPECT_EQ(failed.err, "ndftool: " + Path("no/such/folder/l.csv") + ": Creating file failed (" +
                              systemtexts::MissingFolder() + ")\n");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.ndf", "l.html"}));
}

TEST_F(ExportTest, LangDeWritesTheListInGerman) {
    const std::string file = Path("a.ndf");
    WriteBytes(file, SampleFile());
    EXPECT_EQ(Ndftool({"export", "--lang", "de", "--scope", "satellite:2", file}).out,
              "Nr.,Name,Typ,Satellit,Position,Frequenz,Polarisation,Symbolrate,Service-ID,CA,Favoriten\r\n"
              "2,NRK1,TV,Thor,0.8W,11325,H,24500,1101,,News\r\n");
    const std::string page = Ndftool({"export", "--lang", "de", "--format", "html", "--scope", "group:1", file}).out;
    for (const char* text : {"<html lang=\"de\">", "<title>Senderliste: a.ndf, B002</title>",
                             "<p class=\"scope\">Favoritengruppe Radio</p>", "<h2>TV (0 Sender)</h2>",
                             "<p class=\"empty\">Keine Sender.</p>", "<th>Symbolrate</th>"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    const ToolResult french = Ndftool({"export", "--lang", "fr", file});
    EXPECT_EQ(french.code, Ndftool({"export", "--format", "xls", file}).code); // a usage error
    EXPECT_NE(french.err.find("unknown language \"fr\"; use en or de"), std::string::npos) << french.err;
}

} // namespace
