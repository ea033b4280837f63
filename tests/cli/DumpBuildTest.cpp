// ndftool dump and build: the JSON form of a database, the byte-for-byte round trip, and the refusal
// of bad documents without leaving any file behind.
#include "CliTest.h"
#include "tests/support/SystemTexts.h"

#include "cli/NdfJson.h"
#include "database/NetworkDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <functional>
#include <random>
#include <tuple>
#include <variant>

namespace {

QJsonObject ParseObject(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

std::string ToText(const QJsonObject& object) {
    return QJsonDocument(object).toJson().toStdString();
}

QStringList Keys(const QJsonValue& value) {
    return value.toObject().keys();
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

// Changes the value at a path such as {"programs", 1, "pmtPid"}.
using Step = std::variant<const char*, int>;

QJsonValue Edited(const QJsonValue& value, const std::vector<Step>& path, size_t depth,
                  const std::function<void(QJsonValue&)>& edit) {
    if (depth == path.size()) {
        QJsonValue changed = value;
        edit(changed);
        return changed;
    }
    if (std::holds_alternative<const char*>(path[depth])) {
        QJsonObject object = value.toObject();
        const QString key = QString::fromLatin1(std::get<const char*>(path[depth]));
        object[key] = Edited(object.value(key), path, depth + 1, edit);
        return object;
    }
    QJsonArray array = value.toArray();
    const int index = std::get<int>(path[depth]);
    array[index] = Edited(array.at(index), path, depth + 1, edit);
    return array;
}

QJsonObject Set(const QJsonObject& root, const std::vector<Step>& path, const QJsonValue& value) {
    return Edited(root, path, 0, [&](QJsonValue& v) { v = value; }).toObject();
}

QJsonObject Remove(const QJsonObject& root, const std::vector<Step>& path, const char* key) {
    return Edited(root, path, 0,
                  [&](QJsonValue& v) {
                      QJsonObject object = v.toObject();
                      object.remove(QString::fromLatin1(key));
                      v = object;
                  })
        .toObject();
}

// Random bytes of random length, every byte value possible.
std::string RandomName(std::mt19937& random, size_t maxLength) {
    std::string name(std::uniform_int_distribution<size_t>(0, maxLength)(random), '\0');
    for (char& c : name) {
        c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    }
    return name;
}

// A database with every field drawn at random within its width, references inside their collections.
void FillRandomly(NetworkDatabase& db, std::mt19937& random, uint32_t flags) {
    auto any = [&](unsigned max) { return std::uniform_int_distribution<unsigned>(0, max)(random); };
    auto pids = [&](PidList& list) {
        for (unsigned i = any(4); i > 0; --i) {
            list.Append(static_cast<uint16_t>(any(0xFFFF)), static_cast<uint8_t>(any(255)));
        }
    };
    db.version = 1;
    db.stampYear = static_cast<uint8_t>(any(255));
    db.stampMonth = static_cast<uint8_t>(any(255));
    db.stampDay = static_cast<uint8_t>(any(255));
    db.formatFlags = flags;
    db.keepStamp = true;
    const unsigned antennas = 1 + any(20);
    for (unsigned i = 0; i < antennas; ++i) {
        auto a = std::make_unique<AntennaConfig>();
        a->diseqcMode = static_cast<uint8_t>(any(255));
        a->lnbSupply = static_cast<uint8_t>(any(255));
        a->switchPort = static_cast<uint8_t>(any(255));
        a->lnbType = static_cast<uint8_t>(any(255));
        a->lnbFreq = static_cast<uint16_t>(any(0xFFFF));
        a->lnbFreqH = static_cast<uint16_t>(any(0xFFFF));
        db.AppendAntennaConfig(*a);
    }
    const unsigned networks = 1 + any(20);
    for (unsigned i = 0; i < networks; ++i) {
        auto n = std::make_unique<Network>();
        n->name = RandomName(random, 40);
        n->position = static_cast<uint16_t>(any(0xFFFF));
        n->positionerId = static_cast<uint8_t>(any(255));
        n->antennaIndex = static_cast<uint8_t>(any(antennas - 1));
        n->skewV = static_cast<uint8_t>(any(255));
        n->skewH = static_cast<uint8_t>(any(255));
        db.AppendNetwork(*n);
    }
    const unsigned transponders = any(60);
    for (unsigned i = 0; i < transponders; ++i) {
        auto t = std::make_unique<Transponder>();
        t->name = RandomName(random, 20);
        t->frequency = static_cast<uint16_t>(any(0xFFFF));
        t->symbolRate = static_cast<uint16_t>(any(0xFFFF));
        t->polFec = static_cast<uint8_t>(any(255));
        t->freqDrift = static_cast<uint8_t>(any(255));
        t->networkIndex = static_cast<uint8_t>(any(networks - 1));
        t->gmtError = static_cast<int32_t>(random());
        db.AppendTransponder(*t);
    }
    const unsigned programs = transponders == 0 ? 0 : any(120);
    for (unsigned i = 0; i < programs; ++i) {
        auto p = std::make_unique<Program>(static_cast<uint16_t>(any(transponders - 1)));
        p->name = RandomName(random, 30);
        p->serviceId = static_cast<uint16_t>(any(0xFFFF));
        p->pmtPid = static_cast<uint16_t>(any(0xFFFF));
        p->pcrPid = static_cast<uint16_t>(any(0xFFFF));
        pids(p->videoPids);
        pids(p->audioPids);
        pids(p->teletextPids);
        p->caMask = static_cast<uint32_t>(random());
        p->attributes = static_cast<uint8_t>(any(255));
        p->attributes2 = static_cast<uint8_t>(any(255));
        db.AppendProgram(*p);
    }
    const unsigned groups = 1 + any(12);
    for (unsigned i = 0; i < groups; ++i) {
        auto g = std::make_unique<FavoriteGroup>();
        g->name = RandomName(random, 12);
        for (unsigned k = programs == 0 ? 0 : any(10); k > 0; --k) {
            (any(1) ? g->tvList : g->radioList).push_back(static_cast<uint16_t>(any(programs - 1)));
        }
        db.AppendFavoriteGroup(*g);
    }
}

// ---------------------------------------------------------------- dump

using DumpTest = CliTest;

TEST_F(DumpTest, OneDocumentWithTheStoredFieldsOfEveryRecord) {
    WriteBytes(Path("a.ndf"), SampleFile(0x84, 5, 19));
    const ToolResult result = Ndftool({"dump", Path("a.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const QJsonObject root = ParseObject(result.out);

    const QStringList topKeys = {"version",        "stampYear", "stampMonth",   "stampDay", "formatFlags",
                                 "antennaConfigs", "networks",  "transponders", "programs", "favoriteGroups"};
    EXPECT_EQ(Sorted(root.keys()), Sorted(topKeys));
    // The text keeps the keys in this order, so that dumps can be compared.
    size_t last = 0;
    for (const QString& key : topKeys) {
        const size_t at = result.out.find("\"" + key.toStdString() + "\"");
        EXPECT_GT(at, last) << key.toStdString();
        last = at;
    }
    EXPECT_EQ(root["version"].toInt(), 1);
    EXPECT_EQ(root["stampYear"].toInt(), 0x84);
    EXPECT_EQ(root["stampMonth"].toInt(), 5);
    EXPECT_EQ(root["stampDay"].toInt(), 19);
    EXPECT_EQ(root["formatFlags"].toInt(), 7);

    EXPECT_EQ(Sorted(Keys(root["antennaConfigs"][1])),
              Sorted({"diseqcMode", "lnbSupply", "switchPort", "lnbType", "lnbFreq", "lnbFreqH"}));
    EXPECT_EQ(root["antennaConfigs"][1].toObject(), QJsonObject({{"diseqcMode", 5},
                                                                 {"lnbSupply", 0xF3},
                                                                 {"switchPort", 0x0C},
                                                                 {"lnbType", 0x80},
                                                                 {"lnbFreq", 9750},
                                                                 {"lnbFreqH", 10750}}));
    EXPECT_EQ(root["networks"][1].toObject(), QJsonObject({{"name", "Hot Bird"},
                                                           {"position", 130},
                                                           {"positionerId", 3},
                                                           {"antennaIndex", 1},
                                                           {"skewV", 106},
                                                           {"skewH", 33}}));
    EXPECT_EQ(root["transponders"][1].toObject(), QJsonObject({{"name", ""},
                                                               {"frequency", 12188},
                                                               {"symbolRate", 27500},
                                                               {"polFec", 0x21},
                                                               {"freqDrift", 2},
                                                               {"networkIndex", 0},
                                                               {"gmtError", -3600}}));
    EXPECT_EQ(root["transponders"][0]["gmtError"].toDouble(), -2147483648.0);
    EXPECT_EQ(root["programs"][0].toObject(),
              QJsonObject({{"name", "Das Erste"},
                           {"serviceId", 28106},
                           {"pmtPid", 100},
                           {"pcrPid", 101},
                           {"videoPids", QJsonArray{QJsonObject{{"pid", 101}, {"language", 255}}}},
                           {"audioPids", QJsonArray{QJsonObject{{"pid", 102}, {"language", 6}},
                                                    QJsonObject{{"pid", 0x4000 | 106}, {"language", 0}}}},
                           {"teletextPids", QJsonArray{QJsonObject{{"pid", 104}, {"language", 255}}}},
                           {"caMask", 0x40000009},
                           {"attributes", 1},
                           {"attributes2", 0x5A},
                           {"transponderIndex", 0}}));
    EXPECT_EQ(root["programs"][2]["caMask"].toDouble(), 2147483648.0);
    EXPECT_EQ(root["favoriteGroups"].toArray(),
              (QJsonArray{QJsonObject{{"name", "News"}, {"tvList", QJsonArray{2, 0}}, {"radioList", QJsonArray{}}},
                          QJsonObject{{"name", "Radio"}, {"tvList", QJsonArray{}}, {"radioList", QJsonArray{1}}}}));
}

TEST_F(DumpTest, NamesShowEachByteAsTheCharacterOfTheSameValue) {
    std::string name = "\x01\"\\/\n\x7F\x80\x9F\xA0";
    name += '\0';
    name += "\xE9\xFF";
    NdfBytes f(0);
    f.U8(1).Antenna(0, 3, 0, 0x41, 0, 0).U8(1).Name(name).U16(0).U8(0).U8(0);
    f.U16(0).U16(0).U8(1).Name("Caf\xE9").U16(0).U16(0);
    WriteBytes(Path("a.ndf"), f.Finish());

    const ToolResult result = Ndftool({"dump", Path("a.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    const QJsonObject root = ParseObject(result.out);
    const QString expected =
        QString::fromUtf16(u"\u0001\"\\/\n\u007F\u0080\u009F\u00A0") + QChar(0) + QString::fromUtf16(u"\u00E9\u00FF");
    EXPECT_EQ(root["networks"][0]["name"].toString(), expected);
    EXPECT_EQ(root["favoriteGroups"][0]["name"].toString(), QString::fromUtf16(u"Caf\u00E9"));
    // The document itself is UTF-8 text.
    EXPECT_NE(result.out.find("Caf\xC3\xA9"), std::string::npos);
}

TEST_F(DumpTest, FileWithoutFavoriteGroupsDumpsTheEightDefaults) {
    WriteBytes(Path("a.ndf"), NdfBytes().U8(0).U8(0).U16(0).U16(0).U8(0).Finish());
    const ToolResult result = Ndftool({"dump", Path("a.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    const QJsonArray groups = ParseObject(result.out)["favoriteGroups"].toArray();
    QStringList names;
    for (const QJsonValue& group : groups) {
        names << group["name"].toString();
        EXPECT_TRUE(group["tvList"].toArray().isEmpty());
        EXPECT_TRUE(group["radioList"].toArray().isEmpty());
    }
    EXPECT_EQ(names, QStringList({"News", "Movies", "Drama", "Hobby", "Music", "Cartoons", "Education", "Info"}));
}

TEST_F(DumpTest, UnreadableFileGivesItsStatusAndNoDocument) {
    std::vector<uint8_t> damaged = SampleFile();
    damaged.back() = static_cast<uint8_t>(damaged.back() + 3);
    WriteBytes(Path("a.ndf"), damaged);
    const ToolResult result = Ndftool({"dump", Path("a.ndf")});
    EXPECT_EQ(result.code, 10);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, "ndftool: " + Path("a.ndf") + ": Bad checksum\n");
}

// ---------------------------------------------------------------- round trip

class RoundTripTest : public CliTest {
protected:
    // dump FILE, build the document, and compare the bytes.
    void ExpectRoundTrip(const std::string& file) {
        const ToolResult dump = Ndftool({"dump", file});
        ASSERT_EQ(dump.code, 0) << file << ": " << dump.err;
        const std::string document = Path("round.json");
        const std::string rebuilt = Path("round.ndf");
        WriteText(document, dump.out);
        const ToolResult build = Ndftool({"build", document, rebuilt});
        ASSERT_EQ(build.code, 0) << file << ": " << build.err;
        EXPECT_TRUE(build.err.empty()) << build.err;
        EXPECT_TRUE(ReadBytes(rebuilt) == ReadBytes(file)) << file;
        std::filesystem::remove(document);
        std::filesystem::remove(rebuilt);
    }
};

TEST_F(RoundTripTest, HandMadeFilesWithEveryFlagCombinationAndStamp) {
    // Date stamps too: build writes the stamp as given, never today's date.
    for (const auto& [year, month, day] : {std::tuple{0, 1, 2}, {0x84, 5, 19}, {0xFF, 0, 200}}) {
        for (const uint32_t flags : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 0xFFFFFFFFu, 0x80000000u}) {
            SCOPED_TRACE("flags " + std::to_string(flags) + ", stamp year " + std::to_string(year));
            WriteBytes(Path("sample.ndf"), SampleFile(static_cast<uint8_t>(year), static_cast<uint8_t>(month),
                                                      static_cast<uint8_t>(day), flags));
            ExpectRoundTrip(Path("sample.ndf"));
        }
    }
}

TEST_F(RoundTripTest, GeneratedFilesWithRandomContents) {
    std::mt19937 random(20240519);
    for (int round = 0; round < 24; ++round) {
        NetworkDatabase database;
        FillRandomly(database, random, round % 8 == 7 ? random() : static_cast<uint32_t>(round % 8));
        const std::string file = Path("generated.ndf");
        ASSERT_EQ(database.Save(file), NDF_OK) << database.LimitProblem();
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectRoundTrip(file);
    }
}

TEST_F(RoundTripTest, NamesOfEveryByteValueAndFullLength) {
    NetworkDatabase database;
    database.version = 1;
    database.keepStamp = true;
    database.formatFlags = 7;
    database.AppendAntennaConfig();
    for (int half = 0; half < 2; ++half) {
        auto network = std::make_unique<Network>();
        for (int byte = half * 128; byte < half * 128 + 128; ++byte) {
            network->name += static_cast<char>(byte);
        }
        database.AppendNetwork(*network);
    }
    auto group = std::make_unique<FavoriteGroup>();
    group->name = std::string(255, '\xFE');
    database.AppendFavoriteGroup(*group);
    ASSERT_EQ(database.Save(Path("names.ndf")), NDF_OK);
    ExpectRoundTrip(Path("names.ndf"));
}

TEST_F(RoundTripTest, NewDatabaseAfterItsGroupsWereAdded) {
    // A new file has no favorite groups and dumps the defaults; its rebuilt form then round-trips.
    ASSERT_EQ(Ndftool({"new", Path("new.ndf")}).code, 0);
    WriteText(Path("new.json"), Ndftool({"dump", Path("new.ndf")}).out);
    ASSERT_EQ(Ndftool({"build", Path("new.json"), Path("groups.ndf")}).code, 0);
    EXPECT_EQ(ReadBytes(Path("groups.ndf")).size(), ReadBytes(Path("new.ndf")).size() + 86);
    ExpectRoundTrip(Path("groups.ndf"));
}

TEST(JsonRoundTrip, DatabaseThatWasNeverLoadedBuildsBack) {
    // A new database has version byte 0 until it is saved; the document still carries its own format.
    NetworkDatabase fresh;
    fresh.NewDefault();
    fresh.keepStamp = true;
    ASSERT_EQ(fresh.version, 0);
    const std::string document = DatabaseToJson(fresh);
    EXPECT_EQ(ParseObject(document)["version"].toInt(), JSON_FORMAT_VERSION);

    NetworkDatabase built;
    std::string error;
    ASSERT_TRUE(DatabaseFromJson(QByteArray::fromStdString(document), built, error)) << error;
    std::vector<uint8_t> expected;
    std::vector<uint8_t> image;
    ASSERT_GT(fresh.Serialize(expected), 0u);
    ASSERT_GT(built.Serialize(image), 0u);
    EXPECT_EQ(image, expected);
}

TEST_F(RoundTripTest, SampleFilesOfTheProject) {
    const char* source = std::getenv("DISHLINE_SOURCE_DIR");
    const std::filesystem::path samples = std::filesystem::path(source != nullptr ? source : ".") / "samples";
    int tried = 0;
    if (std::filesystem::is_directory(samples)) {
        for (const auto& entry : std::filesystem::directory_iterator(samples)) {
            std::string extension = entry.path().extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
            if (extension == ".ndf") {
                SCOPED_TRACE(entry.path().string());
                ExpectRoundTrip(entry.path().string());
                ++tried;
            }
        }
    }
    if (tried == 0) {
        GTEST_SKIP() << "no NDF files in " << samples;
    }
}

// ---------------------------------------------------------------- bad documents

class BuildTest : public CliTest {
protected:
    QJsonObject sample;

    void SetUp() override {
        WriteBytes(Path("sample.ndf"), SampleFile());
        sample = ParseObject(Ndftool({"dump", Path("sample.ndf")}).out);
        std::filesystem::remove(Path("sample.ndf"));
    }

    // Builds the document and expects it refused with the message prefix, leaving only the document.
    void ExpectRefused(const std::string& document, const std::string& messageStart) {
        WriteText(Path("doc.json"), document);
        const ToolResult result = Ndftool({"build", Path("doc.json"), Path("out.ndf")});
        EXPECT_EQ(result.code, 3);
        EXPECT_TRUE(result.out.empty());
        const std::string prefix = "ndftool: " + Path("doc.json") + ": " + messageStart;
        EXPECT_EQ(result.err.substr(0, prefix.size()), prefix);
        EXPECT_EQ(Entries(), std::vector<std::string>{"doc.json"});
    }
};

TEST_F(BuildTest, TheSampleDocumentBuilds) {
    WriteText(Path("doc.json"), ToText(sample));
    ASSERT_EQ(Ndftool({"build", Path("doc.json"), Path("out.ndf")}).code, 0);
    EXPECT_EQ(ReadBytes(Path("out.ndf")), SampleFile());
}

TEST_F(BuildTest, SyntaxErrorsAndWrongShapes) {
    ExpectRefused("{\"version\": 1,,}", "JSON syntax error at line 1, column ");
    ExpectRefused(ToText(sample).substr(0, 200), "JSON syntax error at line ");
    ExpectRefused("", "JSON syntax error");
    ExpectRefused("[1, 2]", "document: expected a JSON object, found an array");
    ExpectRefused(ToText(Set(sample, {"networks"}, QJsonObject())), "networks: expected an array, found an object");
    ExpectRefused(ToText(Set(sample, {"programs", 1}, 5)), "programs[1]: expected an object, found the number 5");
    ExpectRefused(ToText(Set(sample, {"programs", 0, "audioPids", 1}, QJsonArray{102, 6})),
                  "programs[0].audioPids[1]: expected an object, found an array");
}

TEST_F(BuildTest, MissingAndUnknownKeys) {
    ExpectRefused(ToText(Remove(sample, {}, "formatFlags")), "formatFlags: missing");
    ExpectRefused(ToText(Remove(sample, {"programs", 1}, "pmtPid")), "programs[1].pmtPid: missing");
    ExpectRefused(ToText(Remove(sample, {"antennaConfigs", 2}, "lnbFreqH")), "antennaConfigs[2].lnbFreqH: missing");
    ExpectRefused(ToText(Remove(sample, {"programs", 0, "audioPids", 1}, "language")),
                  "programs[0].audioPids[1].language: missing");
    ExpectRefused(ToText(Remove(sample, {"favoriteGroups", 1}, "radioList")), "favoriteGroups[1].radioList: missing");
    ExpectRefused(ToText(Set(sample, {"networks", 0, "colour"}, 1)), "networks[0]: unknown key \"colour\"");
}

TEST_F(BuildTest, ValuesOutsideTheirFields) {
    struct Case {
        std::vector<Step> path;
        QJsonValue value;
        const char* message;
    } const cases[] = {
        {{"version"}, 2, "version: format version 2 is not supported"},
        {{"stampYear"}, 256, "stampYear: 256 is outside 0..255"},
        {{"formatFlags"}, 4294967296.0, "formatFlags: 4294967296 is outside 0..4294967295"},
        {{"antennaConfigs", 2, "lnbFreq"}, -1, "antennaConfigs[2].lnbFreq: -1 is outside 0..65535"},
        {{"networks", 1, "position"}, "130", "networks[1].position: expected an integer, found a string"},
        {{"networks", 1, "skewV"}, QJsonValue(), "networks[1].skewV: expected an integer, found null"},
        {{"transponders", 0, "frequency"}, 11778.5, "transponders[0].frequency: 11778.5 is not an integer"},
        {{"transponders", 1, "gmtError"}, 2147483648.0, "transponders[1].gmtError: 2147483648 is outside"},
        {{"transponders", 1, "gmtError"}, -2147483649.0, "transponders[1].gmtError: -2147483649 is outside"},
        {{"programs", 1, "pmtPid"}, 65536, "programs[1].pmtPid: 65536 is outside 0..65535"},
        {{"programs", 0, "audioPids", 1, "language"}, 256, "programs[0].audioPids[1].language: 256 is outside"},
        {{"programs", 2, "teletextPids", 0, "pid"}, true, "programs[2].teletextPids[0].pid: expected an integer"},
        {{"programs", 2, "caMask"}, -1, "programs[2].caMask: -1 is outside 0..4294967295"},
        {{"programs", 2, "attributes2"}, 300, "programs[2].attributes2: 300 is outside 0..255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ExpectRefused(ToText(Set(sample, c.path, c.value)), c.message);
    }
}

TEST_F(BuildTest, ReferencesOutsideTheirCollections) {
    struct Case {
        std::vector<Step> path;
        int value;
        const char* message;
    } const cases[] = {
        {{"networks", 0, "antennaIndex"},
         3,
         "networks[0].antennaIndex: 3 is outside 0..2, the indices of antennaConfigs"},
        {{"transponders", 3, "networkIndex"}, 3, "transponders[3].networkIndex: 3 is outside 0..2"},
        {{"programs", 2, "transponderIndex"}, 4, "programs[2].transponderIndex: 4 is outside 0..3"},
        {{"favoriteGroups", 1, "radioList", 0}, 3, "favoriteGroups[1].radioList[0]: 3 is outside 0..2"},
        {{"favoriteGroups", 0, "tvList", 1}, -1, "favoriteGroups[0].tvList[1]: -1 is outside 0..65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ExpectRefused(ToText(Set(sample, c.path, c.value)), c.message);
    }
    // Into an empty collection.
    QJsonObject noTransponders = Set(sample, {"transponders"}, QJsonArray());
    ExpectRefused(ToText(noTransponders), "programs[0].transponderIndex: 0 refers to nothing: transponders is empty");
}

TEST_F(BuildTest, NamesThatTheFileCannotHold) {
    ExpectRefused(ToText(Set(sample, {"networks", 2, "name"}, QString::fromUtf16(u"Thor \u0100"))),
                  "networks[2].name: character 6 is U+0100");
    ExpectRefused(ToText(Set(sample, {"programs", 1, "name"}, QString::fromUtf16(u"Radio \U0001F4E1"))),
                  "programs[1].name: character 7 is U+1F4E1");
    ExpectRefused(ToText(Set(sample, {"favoriteGroups", 0, "name"}, QString(256, QChar(0xE9)))),
                  "favoriteGroups[0].name: 256 characters, at most 255");
    ExpectRefused(ToText(Set(sample, {"transponders", 0, "name"}, 7)),
                  "transponders[0].name: expected a string, found the number 7");
}

TEST_F(BuildTest, CollectionsLargerThanTheirCountFields) {
    QJsonArray audio;
    for (int i = 0; i < 256; ++i) {
        audio.append(QJsonObject{{"pid", i}, {"language", 0}});
    }
    ExpectRefused(ToText(Set(sample, {"programs", 0, "audioPids"}, audio)),
                  "programs[0].audioPids: 256 entries, at most 255");

    QJsonArray networks = sample["networks"].toArray();
    while (networks.size() < 256) {
        networks.append(networks.at(0));
    }
    ExpectRefused(ToText(Set(sample, {"networks"}, networks)), "networks: 256 entries, at most 255");
}

TEST_F(BuildTest, AnExistingTargetSurvivesABadDocument) {
    WriteBytes(Path("out.ndf"), SampleFile(0x84, 5, 19));
    WriteText(Path("doc.json"), ToText(Set(sample, {"programs", 1, "pmtPid"}, 65536)));
    EXPECT_EQ(Ndftool({"build", Path("doc.json"), Path("out.ndf")}).code, 3);
    EXPECT_EQ(ReadBytes(Path("out.ndf")), SampleFile(0x84, 5, 19));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"doc.json", "out.ndf"}));
}

TEST_F(BuildTest, UnreadableDocumentAndUnwritableTarget) {
    const ToolResult missing = Ndftool({"build", Path("missing.json"), Path("out.ndf")});
    EXPECT_EQ(missing.code, 6);
    EXPECT_TRUE(StartsWith(missing.err, "ndftool: " + Path("missing.json") + ": No file found"));
    EXPECT_TRUE(Entries().empty());

    WriteText(Path("doc.json"), ToText(sample));
    const ToolResult unwritable = Ndftool({"build", Path("doc.json"), Path("nowhere/out.ndf")});
    EXPECT_EQ(unwritable.code, 8);
    EXPECT_EQ(unwritable.err, "ndftool: " + Path("nowhere/out.ndf") + ": Creating file failed (" +
                                  systemtexts::MissingFolder() + ")\n");
}

TEST_F(BuildTest, FieldsTheFlagsDoNotStoreAreWarnedAbout) {
    QJsonObject document = Set(sample, {"formatFlags"}, 0);
    WriteText(Path("doc.json"), ToText(document));
    const ToolResult result = Ndftool({"build", Path("doc.json"), Path("out.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.err.find("ndftool: warning: transponders[0].name "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("ndftool: warning: networks[0] "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("ndftool: warning: programs[0].caMask "), std::string::npos) << result.err;

    const QJsonObject rebuilt = ParseObject(Ndftool({"dump", Path("out.ndf")}).out);
    EXPECT_EQ(rebuilt["transponders"][0]["name"].toString(), QString());
    EXPECT_EQ(rebuilt["networks"][0]["skewV"].toInt(), 106);
    EXPECT_EQ(rebuilt["programs"][0]["caMask"].toInt(), 0);
}

} // namespace
