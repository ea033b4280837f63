// ndftool in scripts: "-" for standard input and output, --json read back, --quiet, the exit statuses,
// the causes named in messages, and damaged databases through dump and build.
#include "CliTest.h"
#include "tests/support/SystemTexts.h"

#include "database/NetworkDatabase.h"
#include "tests/database/TestDatabases.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A user's list after a rescan: 4 satellites, 60 transponders, 400 programs with " HD" twins, case
// variants and repeated services, and 8 favorite groups.
std::vector<uint8_t> RescannedImage() {
    NetworkDatabase db;
    const uint16_t positions[] = {192, 130, 3592, 282};
    for (int n = 0; n < 4; ++n) {
        testdb::AddAntenna(db);
        testdb::AddNetwork(db, "Sat " + std::to_string(n), positions[n]);
    }
    for (int t = 0; t < 60; ++t) {
        testdb::AddTransponder(db, static_cast<uint8_t>(t / 15), static_cast<uint16_t>(10700 + 37 * t));
    }
    const char* const names[] = {"Das Erste", "ZDF", "zdf", "Arte", "RTL", "ProSieben", "Radio Eins", "NRK1"};
    for (int p = 0; p < 400; ++p) {
        Program& program = testdb::AddProgram(db, static_cast<uint16_t>(p % 60));
        program.name = std::string(names[p % 8]) + (p % 3 == 0 ? " HD" : "");
        program.serviceId = static_cast<uint16_t>(p % 120); // repeats on the same transponder
        program.attributes = p % 8 == 6 ? PA_RADIO : 0;
    }
    for (int g = 0; g < 8; ++g) {
        testdb::AddGroup(db, {static_cast<uint16_t>(g), static_cast<uint16_t>(g + 40)}, {6, 14});
    }
    db.SetStampVersion("B002");
    db.keepStamp = true;
    std::vector<uint8_t> image;
    db.Serialize(image);
    return image;
}

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

QJsonObject ParseJson(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

class ScriptingTest : public CliTest {
protected:
    void SetUp() override {
        WriteBytes(Path("list.ndf"), image);
        WriteBytes(Path("sample.ndf"), SampleFile());
    }

    const std::vector<uint8_t> image = RescannedImage();
    std::string List() const { return Path("list.ndf"); }
};

TEST_F(ScriptingTest, StandardInputAndOutputGiveWhatFilesGive) {
    // Commands that read FILE: the same output from "-" as from the file (names aside).
    for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
             {"check"}, {"dump"}, {"export"}, {"clean", "--dry-run"}, {"diff", Path("sample.ndf")}}) {
        SCOPED_TRACE(command[0]);
        const auto run = [&](const std::string& input, const std::string& file) {
            if (command.size() == 1)
                return NdftoolWithInput(input, {command[0], file});
            return NdftoolWithInput(input, {command[0], command[1], file});
        };
        const ToolResult fromFile = run("", List());
        const ToolResult fromInput = run(Text(image), "-");
        EXPECT_EQ(fromInput.code, fromFile.code) << fromInput.err;
        EXPECT_EQ(fromInput.out, fromFile.out);
    }

    // A filter: sort standard input to standard output; the report moves to standard error.
    const ToolResult sorted = NdftoolWithInput(Text(image), {"sort", "-", "-o", "-"});
    ASSERT_EQ(sorted.code, 0) << sorted.err;
    EXPECT_EQ(sorted.err, "Networks sorted by orbital position.\n");
    ASSERT_EQ(Ndftool({"sort", List(), "-o", Path("sorted.ndf")}).code, 0);
    EXPECT_EQ(sorted.out, ReadText(Path("sorted.ndf")));

    // dump | build through the streams gives the file back byte for byte.
    const ToolResult dump = Ndftool({"dump", List()});
    const ToolResult built = NdftoolWithInput(dump.out, {"build", "-", "-"});
    ASSERT_EQ(built.code, 0) << built.err;
    EXPECT_EQ(built.out, Text(image));

    // A listing from standard input.
    const std::string listing = SdxLine("ASTRA", 11954, 'H', 192, 27500) + SdxLine("ASTRA", 12051, 'V', 192, 27500);
    const ToolResult imported = NdftoolWithInput(listing, {"import-sdx", "-q", List(), "1", "-", "-o", "-"});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_TRUE(imported.err.empty());
    WriteText(Path("listing.sdx"), listing);
    ASSERT_EQ(Ndftool({"import-sdx", List(), "1", Path("listing.sdx"), "-o", Path("imported.ndf")}).code, 0);
    EXPECT_EQ(imported.out, ReadText(Path("imported.ndf")));

    // The byte-order mark goes into files only.
    const ToolResult csv = Ndftool({"export", List(), "-o", "-"});
    EXPECT_TRUE(StartsWith(csv.out, "No.,Name,"));
    ASSERT_EQ(Ndftool({"export", List(), "-o", Path("list.csv")}).code, 0);
    EXPECT_EQ(ReadText(Path("list.csv")), "\xEF\xBB\xBF" + csv.out);
    EXPECT_EQ(ReadBytes(List()), image);
}

TEST_F(ScriptingTest, JsonReportsParseBack) {
    const QJsonObject check = ParseJson(Ndftool({"check", "--json", List()}).out);
    EXPECT_EQ(check["status"].toInt(), 0);
    EXPECT_EQ(check["message"].toString(), QStringLiteral("OK"));
    EXPECT_TRUE(check["cause"].isNull());
    EXPECT_TRUE(check["damagedReferences"].toArray().isEmpty());

    const ToolResult directory = Ndftool({"check", "--json", folder.path().toStdString()});
    EXPECT_EQ(directory.code, 6);
    EXPECT_EQ(ParseJson(directory.out)["cause"].toString(), QStringLiteral("Is a directory"));

    NetworkDatabase damaged;
    testdb::FillRandom(damaged, 7);
    ASSERT_EQ(damaged.Save(Path("damaged.ndf")), NDF_OK);
    const QJsonObject report = ParseJson(Ndftool({"check", "--json", Path("damaged.ndf")}).out);
    const std::string lines = Ndftool({"check", Path("damaged.ndf")}).out;
    ASSERT_GT(std::count(lines.begin(), lines.end(), '\n'), 1);
    QStringList texts{QStringLiteral("OK")};
    for (const QJsonValue& reference : report["damagedReferences"].toArray())
        texts << reference["text"].toString();
    EXPECT_EQ(texts.join(QLatin1Char('\n')).toStdString() + "\n", lines);

    const QJsonObject info = ParseJson(Ndftool({"info", "--json", List()}).out);
    EXPECT_EQ(info["size"].toInteger(), static_cast<qint64>(image.size()));
    EXPECT_EQ(info["stamp"]["kind"].toString(), QStringLiteral("version"));
    EXPECT_EQ(info["programs"]["total"].toInt(), 400);
    EXPECT_EQ(info["programs"]["radio"].toInt(), 50);
    EXPECT_EQ(info["networks"]["inUse"].toInt(), 4);
    EXPECT_EQ(info["favoriteGroups"].toArray().size(), 8);

    const QJsonObject clean = ParseJson(Ndftool({"clean", "--json", List(), "-o", Path("clean.ndf")}).out);
    EXPECT_EQ(clean["written"].toString().toStdString(), Path("clean.ndf"));
    qint64 removed = 0;
    for (const QJsonValue& rule : clean["rules"].toArray()) {
        EXPECT_EQ(rule["count"].toInt(), rule["found"].toArray().size());
        removed += rule["count"].toInt();
    }
    EXPECT_GT(removed, 0);
    EXPECT_EQ(clean["removed"].toInteger(), removed);

    const QJsonObject diff = ParseJson(Ndftool({"diff", "--json", List(), Path("clean.ndf")}).out);
    EXPECT_TRUE(diff["different"].toBool());
    for (const QJsonValue& section : diff["sections"].toArray()) {
        EXPECT_EQ(section["count"].toInt(), section["lines"].toArray().size());
    }
    EXPECT_FALSE(ParseJson(Ndftool({"diff", "--json", List(), List()}).out)["different"].toBool());
}

TEST_F(ScriptingTest, QuietPrintsNothingButErrors) {
    for (const std::vector<std::string>& command :
         std::vector<std::vector<std::string>>{{"check", "--quiet", List()},
                                               {"info", "-q", List()},
                                               {"sort", "-q", List(), "-o", Path("out.ndf")},
                                               {"clean", "-q", List(), "-o", Path("out.ndf")},
                                               {"apply-order", "-q", Path("sample.ndf"), List(), "-o", Path("out.ndf")},
                                               {"new", "-q", Path("new.ndf")}}) {
        QStringList arguments;
        for (const std::string& argument : command)
            arguments << QString::fromStdString(argument);
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunNdftool(arguments, in, out, err), 0) << command[0];
        EXPECT_EQ(out.str() + err.str(), "") << command[0];
    }
    // diff --quiet answers with its exit status alone.
    EXPECT_EQ(Ndftool({"diff", "-q", List(), List()}).code, 0);
    const ToolResult differ = Ndftool({"diff", "-q", List(), Path("out.ndf")});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out + differ.err, "");
    // Errors still show; so does data asked for on standard output.
    const ToolResult missing = Ndftool({"info", "-q", Path("missing.ndf")});
    EXPECT_EQ(missing.err, "ndftool: " + Path("missing.ndf") + ": No file found (No such file or directory)\n");
    EXPECT_EQ(Ndftool({"dump", "-q", List()}).out, Ndftool({"dump", List()}).out);
}

TEST_F(ScriptingTest, ExitStatusesAreDistinctAndCausesNamed) {
    std::vector<uint8_t> badChecksum = image;
    badChecksum.back() ^= 1;
    WriteBytes(Path("checksum.ndf"), badChecksum);
    WriteText(Path("bad.json"), "{\"version\": 1}");
    const std::string folder = this->folder.path().toStdString();
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string err; // the start of standard error
    } const cases[] = {
        {{"diff", "--exit-code", List(), Path("sample.ndf")}, 1, ""},
        {{"check", "--strict", "--json", "--quiet", List()}, 2, "ndftool: check: --json and --quiet"},
        {{"diff", "-", "-"}, 2, "ndftool: diff: standard input (\"-\") can be read for one argument only"},
        {{"clean", "-"}, 2, "ndftool: clean: FILE is standard input: give -o OUT"},
        {{"build", Path("bad.json"), Path("x.ndf")}, 3, "ndftool: " + Path("bad.json") + ": stampYear: missing"},
        {{"info", folder}, 6, "ndftool: " + folder + ": No file found (Is a directory)"},
        {{"build", folder, Path("x.ndf")}, 6, "ndftool: " + folder + ": No file found (Is a directory)"},
        {{"new", folder}, 8, "ndftool: " + folder + ": Creating file failed (Is a directory)"},
        {{"sort", List(), "-o", Path("list.ndf/x.ndf")},
         8,
         "ndftool: " + Path("list.ndf/x.ndf") + ": Creating file failed (" +
             systemtexts::MissingFolder(std::errc::not_a_directory) + ")"},
        {{"dump", "-"}, 9, "ndftool: standard input: Invalid NDF format"},
        {{"clean", Path("checksum.ndf")}, 10, "ndftool: " + Path("checksum.ndf") + ": Bad checksum"},
    };
    for (const Case& c : cases) {
        QStringList arguments;
        for (const std::string& argument : c.arguments)
            arguments << QString::fromStdString(argument);
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunNdftool(arguments, in, out, err), c.code) << c.err;
        EXPECT_TRUE(StartsWith(err.str(), c.err)) << err.str();
    }
    EXPECT_EQ(ReadBytes(List()), image);

    // A write to standard output that fails is reported, not passed over.
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(RunNdftool({QStringLiteral("new"), QStringLiteral("-")}, in, closed, err), 8);
    EXPECT_EQ(err.str(), "ndftool: standard output: Creating file failed\n");
}

// Loading accepts references that name no record; dump shows them, and build takes them back only
// when told to, so that a damaged file survives the round trip unchanged.
TEST_F(ScriptingTest, DamagedDatabasesBuildBackOnlyWithAllowDamaged) {
    int damagedSeeds = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        NetworkDatabase database;
        testdb::FillRandom(database, seed);
        database.SetStampVersion("A001");
        ASSERT_EQ(database.Save(Path("damaged.ndf")), NDF_OK);

        const ToolResult dump = Ndftool({"dump", Path("damaged.ndf")});
        ASSERT_EQ(dump.code, 0);
        const bool warned = StartsWith(dump.err, "ndftool: warning: " + Path("damaged.ndf") + " has ");
        damagedSeeds += warned ? 1 : 0;
        EXPECT_EQ(Ndftool({"dump", "-q", Path("damaged.ndf")}).err, "");

        const ToolResult strict = NdftoolWithInput(dump.out, {"build", "-", Path("strict.ndf")});
        EXPECT_EQ(strict.code, warned ? 3 : 0) << strict.err;
        if (warned) {
            EXPECT_NE(strict.err.find("(--allow-damaged writes it as it is)"), std::string::npos) << strict.err;
        }

        const ToolResult allowed = NdftoolWithInput(dump.out, {"build", "--allow-damaged", "-", "-"});
        ASSERT_EQ(allowed.code, 0) << allowed.err;
        // A file without favorite groups comes back with the 8 default groups it loads with.
        EXPECT_EQ(NdftoolWithInput(allowed.out, {"dump", "-"}).out, dump.out);
    }
    EXPECT_GT(damagedSeeds, 6);
}

} // namespace
