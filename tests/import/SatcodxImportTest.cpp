#include "import/SatcodxImport.h"
#include "database/DatabaseEdit.h"
#include "tests/database/FileTestSupport.h"
#include "tests/database/TestDatabases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Fields {
    std::string name = "Astra 1KR";
    unsigned frequency = 11362;
    char polarity = '1';
    unsigned position = 192;
    unsigned symbolRate = 22000;
    std::string tag = "SATCODX";
    std::string version = "03";
};

void PutRight(std::string& line, size_t column, size_t width, const std::string& text) {
    line.replace(column + width - text.size(), text.size(), text);
}

// A listing line with the given fields at their columns, padded with blanks to `length`.
std::string Line(const Fields& f, size_t length = 128) {
    std::string line(length, ' ');
    line.replace(0, f.tag.size(), f.tag);
    line[7] = '1';
    line.replace(8, 2, f.version);
    line.replace(10, f.name.size(), f.name);
    PutRight(line, 33, 6, std::to_string(f.frequency));
    line[42] = f.polarity;
    PutRight(line, 51, 4, std::to_string(f.position));
    PutRight(line, 69, 5, std::to_string(f.symbolRate));
    return line;
}

Fields With(unsigned frequency, char polarity, unsigned symbolRate) {
    Fields f;
    f.frequency = frequency;
    f.polarity = polarity;
    f.symbolRate = symbolRate;
    return f;
}

class SatcodxImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("dishline-sdx-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        for (int slot = 0; slot < 4; ++slot) {
            db_.AppendAntennaConfig();
            auto network = std::make_unique<Network>();
            network->antennaIndex = static_cast<uint8_t>(slot);
            db_.AppendNetwork(*network);
        }
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& contents, const std::string& fileName = "listing.sdx") {
        const std::string path = filetest::Utf8(dir_ / fileName);
        std::ofstream(filetest::FromUtf8(path), std::ios::binary) << contents;
        return path;
    }
    std::string WriteLines(const std::vector<std::string>& lines, const char* end = "\n") {
        std::string contents;
        for (const auto& line : lines)
            contents += line + end;
        return Write(contents);
    }

    Transponder* AddExisting(uint8_t slot, uint16_t frequency, uint8_t polFec, uint16_t symbolRate) {
        auto t = std::make_unique<Transponder>();
        t->InitTransponder(slot, frequency, polFec);
        t->symbolRate = symbolRate;
        db_.AppendTransponder(*t);
        return db_.transponders().back().get();
    }
    Program* AddProgramOn(size_t transponderIndex) {
        testdb::Raw<Program>(db_).push_back(std::make_unique<Program>(static_cast<uint16_t>(transponderIndex)));
        return db_.programs().back().get();
    }
    NdfStatus Import(const std::string& path, uint8_t slot = 0) {
        return ImportSatcodx(db_, *db_.networks()[slot], path, &result_);
    }
    size_t CountOn(uint8_t slot) const {
        size_t n = 0;
        for (const auto& t : db_.transponders())
            n += t->networkIndex == slot;
        return n;
    }

    fs::path dir_;
    NetworkDatabase db_;
    SatcodxImportResult result_;
};

// ---- line filter and columns ----

TEST_F(SatcodxImportTest, TakesNameFrequencyPolarityPositionAndSymbolRateFromTheirColumns) {
    ASSERT_EQ(Import(WriteLines({Line(With(12515, '0', 27500))})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "Astra 1KR");
    EXPECT_EQ(db_.networks()[0]->position, 192);
    ASSERT_EQ(db_.transponders().size(), 1u);
    const Transponder& t = *db_.transponders()[0];
    EXPECT_EQ(t.frequency, 12515);
    EXPECT_EQ(t.polFec, 0); // FEC "Auto"
    EXPECT_EQ(t.symbolRate, 27500);
    EXPECT_EQ(t.networkIndex, 0);
    EXPECT_TRUE(t.name.empty());
    EXPECT_EQ(t.freqDrift, 0);
    EXPECT_EQ(t.gmtError, GMT_UNSET);
    EXPECT_EQ(t.treeItem, nullptr);
    EXPECT_EQ(result_.matchedLines, 1u);
    EXPECT_EQ(result_.addedTransponders, 1u);
}

TEST_F(SatcodxImportTest, LineFilterIgnoresLetterCaseButNeedsVersion03Or05) {
    Fields lower = With(10700, '0', 22000);
    lower.tag = "satcodx";
    Fields mixed = With(10714, '0', 22000);
    mixed.tag = "SatCodX";
    Fields v04 = With(10729, '0', 22000);
    v04.version = "04";
    Fields v05 = With(10743, '0', 22000);
    v05.version = "05";
    Fields other = With(10758, '0', 22000);
    other.tag = "SATCODY";
    Fields v13 = With(10773, '0', 22000);
    v13.version = "13";
    ASSERT_EQ(Import(WriteLines({Line(lower), Line(mixed), Line(v04), Line(v05), Line(other), Line(v13)})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 3u);
    EXPECT_EQ(db_.transponders()[0]->frequency, 10700);
    EXPECT_EQ(db_.transponders()[1]->frequency, 10714);
    EXPECT_EQ(db_.transponders()[2]->frequency, 10743);
    EXPECT_EQ(result_.matchedLines, 3u);
}

TEST_F(SatcodxImportTest, NamePaddedWithBlanksOrTabsIsStoredWithoutThem) {
    Fields f;
    f.name = "Hot Bird 13E";
    std::string line = Line(f);
    line[25] = '\t';
    ASSERT_EQ(Import(WriteLines({line})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "Hot Bird 13E");
}

TEST_F(SatcodxImportTest, NameKeepsInnerBlanksAndBytesAbove127) {
    Fields f;
    f.name = "T\xfcrksat  42E";
    ASSERT_EQ(Import(WriteLines({Line(f)})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "T\xfcrksat  42E");
}

TEST_F(SatcodxImportTest, WideNumbersKeepTheirLow16Bits) {
    Fields f = With(999999, '1', 99999);
    f.position = 9999;
    ASSERT_EQ(Import(WriteLines({Line(f)})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->frequency, 999999 & 0xFFFF);
    EXPECT_EQ(db_.transponders()[0]->symbolRate, 99999 & 0xFFFF);
    EXPECT_EQ(db_.networks()[0]->position, 9999);
}

TEST_F(SatcodxImportTest, NumberStopsAtTheFirstNonDigitOfItsColumns) {
    std::string line = Line(With(11362, '1', 22000));
    line.replace(33, 6, " 1176X"); // frequency column
    line.replace(69, 5, "2750A");  // symbol rate column
    line.replace(74, 3, "123");    // digits right after the column are not part of it
    ASSERT_EQ(Import(WriteLines({line})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->frequency, 1176);
    EXPECT_EQ(db_.transponders()[0]->symbolRate, 2750);
}

// ---- lines that cannot be read whole ----

TEST_F(SatcodxImportTest, ShortLineOrBlankNumberColumnIsSkippedEntirely) {
    db_.networks()[0]->name = "Before";
    db_.networks()[0]->position = 130;
    Fields f;
    f.name = "Never";
    std::string shortLine = Line(f).substr(0, 73);
    std::string noFrequency = Line(f);
    noFrequency.replace(33, 6, "      ");
    std::string noPosition = Line(f);
    noPosition.replace(51, 4, "  x ");
    std::string noSymbolRate = Line(f);
    noSymbolRate.replace(69, 5, "     ");
    ASSERT_EQ(Import(WriteLines({shortLine, noFrequency, noPosition, noSymbolRate})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "Before");
    EXPECT_EQ(db_.networks()[0]->position, 130);
    EXPECT_TRUE(db_.transponders().empty());
    EXPECT_EQ(result_.matchedLines, 0u);
}

TEST_F(SatcodxImportTest, LineOfExactly74CharactersIsRead) {
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000), 74)})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->symbolRate, 22000);
}

// ---- reading in pieces of 128 characters ----

TEST_F(SatcodxImportTest, LongLineIsReadAs128CharacterPieceAndSkippedRemainder) {
    std::string line = Line(With(11362, '1', 22000), 200);
    line.replace(128, 9, "SATCODX03"); // a remainder of 72 characters is too short to use
    ASSERT_EQ(Import(WriteLines({line, Line(With(11393, '1', 22000))})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 2u);
    EXPECT_EQ(db_.transponders()[0]->frequency, 11362);
    EXPECT_EQ(db_.transponders()[1]->frequency, 11393);
    EXPECT_EQ(result_.matchedLines, 2u);
}

TEST_F(SatcodxImportTest, ContinuationPieceThatPassesTheFilterIsALineOfItsOwn) {
    const std::string physical = Line(With(11362, '1', 22000), 128) + Line(With(12603, '0', 22000), 100);
    ASSERT_EQ(Import(WriteLines({physical})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 2u);
    EXPECT_EQ(db_.transponders()[1]->frequency, 12603);
}

TEST_F(SatcodxImportTest, LineOf128CharactersLeavesOnlyItsLineEndForTheNextRead) {
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000), 128), Line(With(11393, '0', 22000), 128)})), NDF_OK);
    EXPECT_EQ(db_.transponders().size(), 2u);
    EXPECT_EQ(result_.matchedLines, 2u);
}

TEST_F(SatcodxImportTest, Version105LineOf132CharactersIsRead) {
    Fields f = With(11720, '0', 27500);
    f.version = "05";
    std::string line = Line(f, 132);
    line.replace(128, 4, "ABCD");
    ASSERT_EQ(Import(WriteLines({line, line}, "\r\n")), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->frequency, 11720);
    EXPECT_EQ(result_.matchedLines, 2u);
}

TEST_F(SatcodxImportTest, WindowsLineEndsAreNotPartOfAnyField) {
    Fields f = With(11362, '1', 22000);
    f.name = "Eutelsat 7A";
    const std::string exact = Line(f, 74);                  // the symbol rate ends right before CR LF
    const std::string tooShort = Line(f, 74).substr(0, 73); // its CR must not make it long enough
    ASSERT_EQ(Import(WriteLines({exact, tooShort}, "\r\n")), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "Eutelsat 7A");
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->symbolRate, 22000);
    EXPECT_EQ(result_.matchedLines, 1u);
}

TEST_F(SatcodxImportTest, LastLineWithoutLineEndIsRead) {
    ASSERT_EQ(Import(Write(Line(With(11362, '1', 22000)))), NDF_OK);
    EXPECT_EQ(db_.transponders().size(), 1u);
}

// ---- duplicates and order ----

TEST_F(SatcodxImportTest, LastMatchingLineGivesNameAndPositionAndRepeatsAddOnce) {
    Fields first = With(11362, '1', 22000);
    first.name = "Old name";
    first.position = 190;
    Fields second = first;
    second.name = "New name";
    second.position = 192;
    ASSERT_EQ(Import(WriteLines({Line(first), Line(second), "SATCODX104 not read"})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "New name");
    EXPECT_EQ(db_.networks()[0]->position, 192);
    EXPECT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(result_.matchedLines, 2u);
    EXPECT_EQ(result_.addedTransponders, 1u);
}

TEST_F(SatcodxImportTest, PolarityOrSymbolRateOrFrequencyMakesATransponderNew) {
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '0', 22000)), Line(With(11362, '1', 22000)),
                                 Line(With(11362, '1', 27500)), Line(With(11363, '1', 27500))})),
              NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 4u);
    EXPECT_EQ(db_.transponders()[0]->polFec, 0);
    EXPECT_EQ(db_.transponders()[1]->polFec, 1);
}

TEST_F(SatcodxImportTest, ExistingTransponderOfTheNetworkIsFoundWhateverItsFec) {
    AddExisting(0, 11362, 0x31, 22000); // Horz, FEC 3/4
    AddExisting(1, 12603, 0x00, 22000); // another network's
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000)), Line(With(12603, '0', 22000))})), NDF_OK);
    EXPECT_EQ(result_.addedTransponders, 1u);
    EXPECT_EQ(CountOn(0), 2u);
}

TEST_F(SatcodxImportTest, OnlyTheFirstRunOfTheNetworkCountsAsExisting) {
    AddExisting(0, 10700, 0, 22000);
    AddExisting(1, 10800, 0, 22000);
    AddExisting(0, 11362, 1, 22000); // a second, stray run of network 0
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000)), Line(With(10700, '0', 22000))})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 4u);
    EXPECT_EQ(db_.transponders()[1]->frequency, 11362); // added at the end of the first run
    EXPECT_EQ(db_.transponders()[1]->networkIndex, 0);
    EXPECT_EQ(db_.transponders()[2]->frequency, 10800);
}

TEST_F(SatcodxImportTest, RepeatedLineWithPolarityOutsideTheDigitsAddsOnce) {
    ASSERT_EQ(Import(WriteLines({Line(With(11362, 'x', 22000)), Line(With(11362, 'x', 22000))})), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 1u);
    EXPECT_EQ(db_.transponders()[0]->polFec, static_cast<uint8_t>('x' - '0'));
}

// ---- insertion and program references ----

TEST_F(SatcodxImportTest, InsertionAfterTheRunKeepsEveryProgramOnItsTransponder) {
    // Transponders on networks [2, 2, 1, 3]: network 2 stands before the others.
    std::vector<Transponder*> before = {AddExisting(2, 10700, 0, 22000), AddExisting(2, 10800, 0, 22000),
                                        AddExisting(1, 11000, 0, 22000), AddExisting(3, 12000, 0, 22000)};
    std::vector<Program*> programs;
    for (size_t t : {3u, 0u, 2u, 1u, 2u, 3u})
        programs.push_back(AddProgramOn(t));
    std::vector<Transponder*> owner;
    for (Program* p : programs)
        owner.push_back(db_.transponders()[p->transponderIndex].get());

    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000)), Line(With(11393, '0', 22000))}), 2), NDF_OK);

    ASSERT_EQ(db_.transponders().size(), 6u);
    EXPECT_EQ(db_.transponders()[0].get(), before[0]);
    EXPECT_EQ(db_.transponders()[1].get(), before[1]);
    EXPECT_EQ(db_.transponders()[2]->frequency, 11362);
    EXPECT_EQ(db_.transponders()[3]->frequency, 11393);
    EXPECT_EQ(db_.transponders()[4].get(), before[2]);
    EXPECT_EQ(db_.transponders()[5].get(), before[3]);
    for (size_t i = 0; i < programs.size(); ++i) {
        ASSERT_LT(programs[i]->transponderIndex, db_.transponders().size());
        EXPECT_EQ(db_.transponders()[programs[i]->transponderIndex].get(), owner[i]) << "program " << i;
    }
}

TEST_F(SatcodxImportTest, DamagedProgramReferencesNearNoIndexClampInsteadOfWrapping) {
    AddExisting(0, 10700, 0, 22000);
    for (size_t t : {0xFFFDu, 0xFFFEu, 0xFFFFu, 0u})
        AddProgramOn(t);
    // Three new transponders: every damaged reference would pass 0xFFFF and wrap to a real one.
    ASSERT_EQ(Import(WriteLines(
                  {Line(With(11362, '1', 22000)), Line(With(11393, '0', 22000)), Line(With(11420, '0', 22000))})),
              NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 4u);
    std::vector<uint16_t> indices;
    for (const auto& program : db_.programs())
        indices.push_back(program->transponderIndex);
    EXPECT_EQ(indices, (std::vector<uint16_t>{0xFFFF, 0xFFFF, 0xFFFF, 0}));
}

TEST_F(SatcodxImportTest, NetworkWithoutTranspondersGetsThemAtTheEnd) {
    AddExisting(1, 11000, 0, 22000);
    AddProgramOn(0);
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000))}), 3), NDF_OK);
    ASSERT_EQ(db_.transponders().size(), 2u);
    EXPECT_EQ(db_.transponders()[1]->networkIndex, 3);
    EXPECT_EQ(db_.programs()[0]->transponderIndex, 0);
    EXPECT_EQ(db_.antennaConfigs().size(), 4u);
}

TEST_F(SatcodxImportTest, StopsAddingWhenTheTranspondersAreFullButStillTakesTheName) {
    for (size_t i = 0; i < 0xFFFE; ++i)
        AddExisting(1, static_cast<uint16_t>(i), 0, 1);
    Fields last = With(11393, '0', 22000);
    last.name = "Last";
    ASSERT_EQ(Import(WriteLines({Line(With(11362, '1', 22000)), Line(last)})), NDF_OK);
    EXPECT_EQ(db_.transponders().size(), 0xFFFFu);
    EXPECT_EQ(result_.addedTransponders, 1u);
    EXPECT_EQ(db_.networks()[0]->name, "Last");
    SatcodxPreview preview;
    ASSERT_EQ(ReadSatcodx(db_, *db_.networks()[0], WriteLines({Line(With(12000, '1', 22000))}), preview), NDF_OK);
    EXPECT_TRUE(preview.added.empty());
    EXPECT_EQ(preview.skippedLines, 1u); // no room left
}

// ---- status ----

TEST_F(SatcodxImportTest, ListingWithoutMatchingLinesChangesNothing) {
    db_.networks()[0]->name = "Kept";
    ASSERT_EQ(Import(WriteLines({"", "SATCODX", "; comment", "SATCODX04 x"})), NDF_OK);
    EXPECT_EQ(db_.networks()[0]->name, "Kept");
    EXPECT_TRUE(db_.transponders().empty());
    EXPECT_EQ(result_.matchedLines, 0u);
    EXPECT_EQ(result_.addedTransponders, 0u);
    EXPECT_EQ(Import(Write("", "empty.sdx")), NDF_OK);
}

TEST_F(SatcodxImportTest, FileThatCannotBeReadGivesNoFileFoundAndChangesNothing) {
    db_.networks()[0]->name = "Kept";
    result_.matchedLines = 7;
    EXPECT_EQ(Import(filetest::Utf8(dir_ / "missing.sdx")), NDF_NO_FILE_FOUND);
    EXPECT_EQ(result_.matchedLines, 0u);
    EXPECT_EQ(Import(""), NDF_NO_FILE_FOUND);
    SatcodxPreview preview;
    preview.usable = true;
    EXPECT_EQ(ReadSatcodx(db_, *db_.networks()[0], filetest::Utf8(dir_ / "missing.sdx"), preview), NDF_NO_FILE_FOUND);
    EXPECT_FALSE(preview.usable);
    EXPECT_EQ(db_.networks()[0]->name, "Kept");
    EXPECT_TRUE(db_.transponders().empty());
}

TEST_F(SatcodxImportTest, FolderIsNoListing) {
    fs::create_directory(dir_ / "folder.sdx");
    EXPECT_EQ(Import(filetest::Utf8(dir_ / "folder.sdx")), NDF_NO_FILE_FOUND);
    EXPECT_EQ(result_.matchedLines, 0u);
    EXPECT_TRUE(db_.transponders().empty());
}

TEST_F(SatcodxImportTest, PipeIsNoListingAndDoesNotHangTheImport) {
    const std::string pipe = filetest::Utf8(dir_ / "pipe.sdx");
    if (!filetest::MakePipe(pipe))
        GTEST_SKIP() << "no pipes in folders here";
    EXPECT_EQ(Import(pipe), NDF_NO_FILE_FOUND);
    EXPECT_EQ(result_.matchedLines, 0u);
    EXPECT_TRUE(db_.transponders().empty());
}

// ---- reading a preview, then applying it ----

struct EditCounter : ChangeListener {
    void OnChanged(const DatabaseEdit&, ChangeDirection) override { ++count; }
    int count = 0;
};

TEST_F(SatcodxImportTest, PreviewCountsNewDuplicateAndSkippedLinesAndChangesNothing) {
    AddExisting(0, 10700, 0, 22000);
    std::string longLine = Line(With(11393, '0', 22000), 200); // its remainder is no line of its own
    std::string shortLine = Line(With(11420, '0', 22000)).substr(0, 60);
    const std::string path =
        WriteLines({"header", "", "   ", Line(With(10700, '0', 22000)), Line(With(11362, '1', 22000)),
                    Line(With(11362, '1', 22000)), longLine, shortLine, "SATCODX104 other kind"});
    EditCounter edits;
    db_.AddChangeListener(&edits);
    SatcodxPreview preview;
    ASSERT_EQ(ReadSatcodx(db_, *db_.networks()[0], path, preview), NDF_OK);
    EXPECT_EQ(edits.count, 0);
    EXPECT_EQ(db_.transponders().size(), 1u);
    EXPECT_TRUE(db_.networks()[0]->name.empty());

    EXPECT_TRUE(preview.usable);
    EXPECT_EQ(preview.slot, 0);
    EXPECT_EQ(preview.name, "Astra 1KR");
    EXPECT_EQ(preview.position, 192);
    ASSERT_EQ(preview.added.size(), 2u);
    EXPECT_EQ(preview.added[0].frequency, 11362);
    EXPECT_EQ(preview.added[1].frequency, 11393);
    EXPECT_EQ(preview.matchedLines, 4u);
    EXPECT_EQ(preview.duplicateLines, 2u); // one already there, one repeated in the listing
    EXPECT_EQ(preview.skippedLines, 3u);   // "header", the short line, the other kind

    EXPECT_EQ(ApplySatcodx(db_, preview), 2u);
    EXPECT_EQ(db_.networks()[0]->name, "Astra 1KR");
    EXPECT_EQ(CountOn(0), 3u);
}

TEST_F(SatcodxImportTest, PreviewOfAListingWithoutUsableLinesIsNotUsable) {
    SatcodxPreview preview;
    ASSERT_EQ(ReadSatcodx(db_, *db_.networks()[1], WriteLines({"nothing", "SATCODX04 x"}), preview), NDF_OK);
    EXPECT_FALSE(preview.usable);
    EXPECT_EQ(preview.slot, 1);
    EXPECT_TRUE(preview.added.empty());
    EXPECT_EQ(preview.skippedLines, 2u);
    EditCounter edits;
    db_.AddChangeListener(&edits);
    EXPECT_EQ(ApplySatcodx(db_, preview), 0u);
    EXPECT_EQ(edits.count, 0);
}

TEST_F(SatcodxImportTest, ApplyingAListingTheNetworkHoldsAlreadyRecordsNoChange) {
    db_.networks()[0]->name = "Astra 1KR";
    db_.networks()[0]->position = 192;
    AddExisting(0, 11362, 1, 22000);
    SatcodxPreview preview;
    ASSERT_EQ(ReadSatcodx(db_, *db_.networks()[0], WriteLines({Line(With(11362, '1', 22000))}), preview), NDF_OK);
    EXPECT_TRUE(preview.usable);
    EXPECT_EQ(preview.duplicateLines, 1u);
    EditCounter edits;
    db_.AddChangeListener(&edits);
    EXPECT_EQ(ApplySatcodx(db_, preview), 0u);
    EXPECT_EQ(edits.count, 0);
}

TEST_F(SatcodxImportTest, NetworkThatIsNotARecordOfTheDatabaseIsRefused) {
    Network stranger;
    const std::string path = WriteLines({Line(With(11362, '1', 22000))});
    EXPECT_EQ(ImportSatcodx(db_, stranger, path, &result_), NDF_NO_FILE_FOUND);
    EXPECT_TRUE(stranger.name.empty());
    EXPECT_TRUE(db_.transponders().empty());
    EXPECT_EQ(ImportSatcodx(db_, *db_.networks()[1], path), NDF_OK); // no result wanted
    EXPECT_EQ(CountOn(1), 1u);
}

} // namespace
