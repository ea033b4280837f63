// The exported channel list: rows and numbers per scope, damaged references, the stamp, and the CSV
// and web page writers.
#include "tests/database/TestDatabases.h"

#include "export/ChannelExport.h"

#include <gtest/gtest.h>

using namespace testdb;

namespace {

// Networks "Astra 1" (19.2) and "Thor" (359.2); transponder 2 names a missing network. Programs in
// table order: Das Erste (TV), Radio 1, NRK1 (TV), Broken (TV, missing transponder), Lost (radio,
// missing network), "Café, \"Bar\"" (TV). Group 0 "News" holds a bad entry; group 1 has no name
// and lists Das Erste twice.
class ChannelExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddNetwork(db, "Astra 1", 192);
        AddNetwork(db, "Thor", 3592);
        AddNetwork(db, "Empty", 50);
        AddTransponder(db, 0, 11778);
        Transponder& t1 = AddTransponder(db, 1, 10872);
        t1.polFec = 0x21;
        t1.symbolRate = 25000;
        AddTransponder(db, 9, 12000);
        auto program = [&](const std::string& name, uint16_t transponder, bool radio) {
            Program& p = AddProgram(db, transponder);
            p.name = name;
            p.attributes = radio ? PA_RADIO : 0;
            return &p;
        };
        Program* erste = program("Das Erste", 0, false);
        erste->serviceId = 28106;
        erste->caMask = 0x40000009;
        program("Radio 1", 0, true);
        program("NRK1", 1, false);
        program("Broken", 50, false);
        program("Lost", 2, true);
        program("Caf\xE9, \"Bar\"", 1, false);
        AddGroup(db, {2, 0, 70, 5}, {1}).name = "News";
        AddGroup(db, {0, 0}).name = "";
    }

    // "number name" of every row, "|" between the TV and the radio rows.
    static std::string Listing(const ChannelExport& list) {
        std::string text;
        bool radio = false;
        for (const ChannelRow& row : list.rows) {
            if (row.radio && !radio)
                text += "|";
            radio = row.radio;
            text += (text.empty() || text.back() == '|' ? "" : " ") + row.cells[EXPORT_NUMBER] + ":" +
                    row.cells[EXPORT_NAME].substr(0, 5);
        }
        return text;
    }

    NetworkDatabase db;
};

TEST_F(ChannelExportTest, EachScopeListsItsChannelsWithTheReceiversNumbers) {
    struct Case {
        ExportScope scope;
        const char* listing;
        const char* scopeText;
        bool tv, radio;
    };
    const Case cases[] = {
        {{SCOPE_ALL, 0}, "1:Das E 2:NRK1 3:Broke 4:Caf\xC3\xA9|1:Radio 2:Lost", "All channels", true, true},
        {{SCOPE_TV, 0}, "1:Das E 2:NRK1 3:Broke 4:Caf\xC3\xA9", "TV channels", true, false},
        {{SCOPE_RADIO, 0}, "|1:Radio 2:Lost", "Radio channels", false, true},
        // One satellite keeps the numbers of the whole list.
        {{SCOPE_SATELLITE, 1}, "2:NRK1 4:Caf\xC3\xA9", "Satellite Thor (0.8W)", true, true},
        {{SCOPE_SATELLITE, 0}, "1:Das E|1:Radio", "Satellite Astra 1 (19.2E)", true, true},
        {{SCOPE_SATELLITE, 2}, "", "Satellite Empty (5.0E)", true, true},
        // A group in its own order, numbered by place; the bad third entry is left out.
        {{SCOPE_GROUP, 0}, "1:NRK1 2:Das E 4:Caf\xC3\xA9|1:Radio", "Favorite group News", true, true},
        {{SCOPE_GROUP, 1}, "1:Das E 2:Das E", "Favorite group Fav2", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scopeText);
        EXPECT_TRUE(ScopeIsValid(db, c.scope));
        const ChannelExport list = BuildChannelExport(db, c.scope);
        EXPECT_EQ(Listing(list), c.listing);
        EXPECT_EQ(list.scopeText, c.scopeText);
        EXPECT_EQ(list.coversTv, c.tv);
        EXPECT_EQ(list.coversRadio, c.radio);
    }
}

TEST_F(ChannelExportTest, ScopesNamingNoRecordAreInvalidAndListNothing) {
    for (const ExportScope scope : {ExportScope{SCOPE_SATELLITE, 3}, ExportScope{SCOPE_GROUP, 2},
                                    ExportScope{static_cast<ExportScopeKind>(9), 0}}) {
        EXPECT_FALSE(ScopeIsValid(db, scope));
        EXPECT_TRUE(BuildChannelExport(db, scope).rows.empty());
    }
}

TEST_F(ChannelExportTest, CellsFollowTheDisplayFormatsAndDamagedReferencesLeaveThemEmpty) {
    using Cells = std::array<std::string, EXPORT_COLUMN_COUNT>;
    const ChannelExport list = BuildChannelExport(db, {SCOPE_ALL, 0});
    ASSERT_EQ(list.rows.size(), 6u);
    EXPECT_EQ(list.rows[0].cells, (Cells{"1", "Das Erste", "TV", "Astra 1", "19.2E", "11778", "V", "27500", "28106",
                                         "VICS/NAGR/UNKNOWN", "News, Fav2"}));
    EXPECT_EQ(list.rows[1].cells, (Cells{"2", "NRK1", "TV", "Thor", "0.8W", "10872", "H", "25000", "2", "", "News"}));
    // No transponder: nothing of the transponder or the satellite.
    EXPECT_EQ(list.rows[2].cells, (Cells{"3", "Broken", "TV", "", "", "", "", "", "3", "", ""}));
    // A transponder without its network: the transponder's values, no satellite.
    EXPECT_EQ(list.rows[5].cells, (Cells{"2", "Lost", "Radio", "", "", "12000", "V", "27500", "4", "", ""}));
}

TEST_F(ChannelExportTest, StampIsTheDateOrTheVersionOrNothing) {
    struct Case {
        uint8_t year, month, day;
        const char* text;
    };
    const Case cases[] = {{0x80 + 24, 5, 17, "2024-05-17"},
                          {0, 1, 2, "B002"},
                          {0x80 + 24, 2, 30, ""},
                          {0x80 + 24, 13, 1, ""},
                          {0x40, 1, 1, ""}};
    for (const Case& c : cases) {
        db.stampYear = c.year;
        db.stampMonth = c.month;
        db.stampDay = c.day;
        EXPECT_EQ(BuildChannelExport(db, {}).stamp, c.text) << int(c.year) << "/" << int(c.month);
    }
}

// ---- writers ----

ChannelExport TwoRows() {
    ChannelExport list;
    list.stamp = "B002";
    list.scopeText = "Favorite group <Caf\xC3\xA9>";
    ChannelRow plain;
    plain.cells = {"1", "Caf\xC3\xA9", "TV", "Astra 1", "19.2", "11778", "V", "27500", "1", "VICS/SECA", ""};
    ChannelRow tricky;
    tricky.radio = true;
    tricky.cells = {"1", "A, \"B\"\r\nC", "Radio", "<b>&'", "", "", "", "", "7", "", "News, Fav2"};
    list.rows = {plain, tricky};
    return list;
}

TEST(ChannelExportWriters, CsvQuotesWhatItMustAndWritesUtf8WithBomAndCrlf) {
    EXPECT_EQ(ChannelCsv(TwoRows()),
              "\xEF\xBB\xBF"
              "No.,Name,Type,Satellite,Position,Frequency,Polarity,Symbol Rate,Service ID,CA,Favorites\r\n"
              "1,Caf\xC3\xA9,TV,Astra 1,19.2,11778,V,27500,1,VICS/SECA,\r\n"
              "1,\"A, \"\"B\"\"\r\nC\",Radio,<b>&',,,,,7,,\"News, Fav2\"\r\n");
    EXPECT_EQ(ChannelCsv(ChannelExport{}), "\xEF\xBB\xBFNo.,Name,Type,Satellite,Position,Frequency,Polarity,"
                                           "Symbol Rate,Service ID,CA,Favorites\r\n");
    EXPECT_EQ(Latin1ToUtf8(std::string("\x00\x7F\x80\xFF", 4)), std::string("\x00\x7F\xC2\x80\xC3\xBF", 6));
}

TEST(ChannelExportWriters, WebPageIsSelfContainedEscapedAndHasOneTablePerList) {
    ChannelExport list = TwoRows();
    list.rows[0].cells[EXPORT_SATELLITE] = "Sat\x01\x7F\xC2\x85"; // DEL and U+0085, a C1 control character
    const std::string page = ChannelHtml(list, "my <list>.NDF \xC3\xA4");
    auto has = [&page](const std::string& text) { return page.find(text) != std::string::npos; };
    EXPECT_TRUE(has("<title>Channel list: my &lt;list&gt;.NDF \xC3\xA4, B002</title>"));
    EXPECT_TRUE(has("<p class=\"scope\">Favorite group &lt;Caf\xC3\xA9&gt;</p>"));
    EXPECT_TRUE(has("<td>Caf\xC3\xA9</td>"));
    EXPECT_TRUE(has("<td>A, &quot;B&quot;  C</td>"));
    EXPECT_TRUE(has("<td>&lt;b&gt;&amp;&#39;</td>"));
    EXPECT_TRUE(has("<td>Sat\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD</td>")); // control characters
    EXPECT_TRUE(has("thead { display: table-header-group; }"));
    EXPECT_TRUE(has("<h2>TV (1 channel)</h2>"));
    EXPECT_TRUE(has("<h2>Radio (1 channel)</h2>"));
    size_t tables = 0;
    for (size_t at = page.find("<thead>"); at != std::string::npos; at = page.find("<thead>", at + 1))
        ++tables;
    EXPECT_EQ(tables, 2u);
    for (const char* external : {"src=", "href=", "url(", "@import", "<script"})
        EXPECT_FALSE(has(external)) << external;

    // An uncovered list has no heading; a covered empty one says so.
    list.rows.pop_back();
    list.coversTv = false;
    const std::string radioOnly = ChannelHtml(list, "x");
    EXPECT_EQ(radioOnly.find("<h2>TV"), std::string::npos);
    EXPECT_NE(radioOnly.find("<h2>Radio (0 channels)</h2>\n<p class=\"empty\">No channels.</p>"), std::string::npos);
}

// A name can carry a spreadsheet formula: every cell that begins like one, in any column the
// database fills (channel, satellite and favorite group names), gets a leading apostrophe and is
// quoted where it must be; a cell that only holds such a character further in stays as it is.
TEST_F(ChannelExportTest, CsvCellsThatBeginLikeFormulasBecomeText) {
    struct Case {
        const char* name;
        const char* cell;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"http://x\"&A2,\"Click me\")", "\"'=HYPERLINK(\"\"http://x\"\"&A2,\"\"Click me\"\")\""},
        {"=1+2", "'=1+2"},
        {"+49 TV", "'+49 TV"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tTab", "'\tTab"},
        {"\rCR", "\"'\rCR\""},
        {"A\rB", "\"A\rB\""}, // a lone carriage return ends a record for many readers
        {"A=1+2", "A=1+2"},
        {" =1", " =1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.programs()[0]->name = c.name;
        db.networks()[0]->name = c.name;
        db.favoriteGroups()[0]->name = c.name;
        const std::string csv = ChannelCsv(BuildChannelExport(db, {SCOPE_SATELLITE, 0}));
        // Das Erste on the satellite, listed by the group and by the unnamed second one: that cell
        // holds a comma and is quoted whole.
        const std::string cell = c.cell;
        const std::string favorites = (cell[0] == '"' ? cell.substr(0, cell.size() - 1) : "\"" + cell) + ", Fav2\"";
        const std::string row =
            "1," + cell + ",TV," + cell + ",19.2E,11778,V,27500,28106,VICS/NAGR/UNKNOWN," + favorites + "\r\n";
        EXPECT_NE(csv.find(row), std::string::npos) << csv;
    }
}

TEST(ChannelExportWriters, TheWordsAroundTheRowsComeFromTheTexts) {
    ExportTexts german;
    german.language = "de";
    german.headings[EXPORT_NUMBER] = "Nr.";
    german.title = "Senderliste: %1";
    german.channels = "%1 Sender";
    german.oneChannel = "%1 Sender";
    german.noChannels = "Keine Sender.";
    ChannelExport list = TwoRows();
    list.texts = german;
    const std::string page = ChannelHtml(list, "a%2.NDF");
    for (const char* text :
         {"<html lang=\"de\">", "<title>Senderliste: a%2.NDF, B002</title>", "<th>Nr.</th>", "<h2>TV (1 Sender)</h2>"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    EXPECT_EQ(ChannelCsv(list).substr(0, 11), "\xEF\xBB\xBFNr.,Name");
    list.rows.clear();
    EXPECT_NE(ChannelHtml(list, "x").find("<p class=\"empty\">Keine Sender.</p>"), std::string::npos);
    EXPECT_EQ(FillIn("%2 of %1 (%3)", "a%2", "b"), "b of a%2 (%3)");
    list.texts.language = "ar";
    EXPECT_NE(ChannelHtml(list, "x").find("<html lang=\"ar\" dir=\"rtl\">"), std::string::npos);
}

} // namespace
