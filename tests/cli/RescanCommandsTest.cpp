// ndftool apply-order, clean and diff run in process over real files.
#include "CliTest.h"

#include "database/NetworkDatabase.h"
#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "tests/support/RealisticLists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

NetworkDatabase Load(const std::string& path) {
    NetworkDatabase database;
    std::vector<uint8_t> image;
    EXPECT_EQ(database.Open(path, image), NDF_OK) << path;
    EXPECT_EQ(database.Parse(image), NDF_OK) << path;
    return database;
}

class RescanCommandTest : public CliTest {
protected:
    void SetUp() override {
        reference = Path("reference.ndf");
        WriteBytes(reference, SampleFile());
    }

    // The sample in reverse channel order with a group of its own, as a rescan might leave it.
    std::string WriteRescanned() {
        const std::string file = Path("rescanned.ndf");
        NetworkDatabase database = Load(reference);
        database.ReorderPrograms({2, 1, 0});
        database.SetFavoriteGroups({FavoriteGroup{"Mine", {0}, {}}});
        EXPECT_EQ(database.Save(file), NDF_OK);
        return file;
    }

    // Saves a realistic list as list.ndf and builds the same list with its second transponder
    // retuned by 4 MHz into `changed`, to be changed further and saved.
    void BuildRetunedList(NetworkDatabase& changed) {
        NetworkDatabase list;
        realistic::BuildChannelList(list);
        EXPECT_EQ(list.Save(Path("list.ndf")), NDF_OK);
        realistic::BuildChannelList(changed);
        Transponder retuned = *changed.transponders()[1];
        retuned.frequency = static_cast<uint16_t>(retuned.frequency + 4);
        changed.SetTransponder(1, retuned);
    }

    std::string reference;
};

TEST_F(RescanCommandTest, ApplyOrderRestoresTheReferenceOrderAndGroups) {
    const std::string file = WriteRescanned();
    const ToolResult result = Ndftool({"apply-order", reference, file, "-o", Path("out.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "Paired 3 of 3 channels of " + reference +
                              " (3 by key, 0 by service ID, 0 by name); not found in " + file +
                              ": 0, without a partner: 0, favorite entries not placed: 0\n"
                              "Channels of " +
                              reference + " not found in " + file + ": 0\nChannels of " + file +
                              " without a partner: 0\n");
    // The version stamp is kept, so the bytes are the reference's.
    EXPECT_EQ(ReadBytes(Path("out.ndf")), SampleFile());

    // In place, keeping the file's own group: "Mine" names NRK1, the last program now.
    const ToolResult orderOnly = Ndftool({"apply-order", "--order-only", reference, file});
    ASSERT_EQ(orderOnly.code, 0) << orderOnly.err;
    const NetworkDatabase arranged = Load(file);
    EXPECT_EQ(arranged.programs()[0]->name, "Das Erste");
    ASSERT_EQ(arranged.favoriteGroups().size(), 1u);
    EXPECT_EQ(arranged.favoriteGroups()[0]->tvList, std::vector<uint16_t>{2});
}

TEST_F(RescanCommandTest, ApplyOrderListsTheChannelsNotFoundAndThoseWithoutAPartner) {
    const std::string file = Path("rescanned.ndf");
    {
        NetworkDatabase database = Load(reference);
        Program renamed = *database.programs()[0];
        renamed.name = "Das Erste HD";
        renamed.serviceId = 77;
        database.SetProgram(0, renamed);
        Program other = *database.programs()[1];
        other.name = "Other";
        other.serviceId = 78;
        database.SetProgram(1, other);
        ASSERT_EQ(database.Save(file), NDF_OK);
    }
    const ToolResult result = Ndftool({"apply-order", "--dry-run", reference, file});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "Paired 2 of 3 channels of " + reference +
                              " (1 by key, 0 by service ID, 1 by name); not found in " + file +
                              ": 1, without a partner: 1, favorite entries not placed: 1\n"
                              "Channels of " +
                              reference + " not found in " + file +
                              ": 1\n"
                              "  Radio 1 \"Radio 1\", \"Hot Bird\" 13.0E, 10992 H, SID 7, favorites: Radio\n"
                              "Channels of " +
                              file +
                              " without a partner: 1\n"
                              "  Radio 1 \"Other\", \"Hot Bird\" 13.0E, 10992 H, SID 78\n");
    EXPECT_EQ(Ndftool({"apply-order", "--dry-run", "--strict", reference, file}).code, 1);
    EXPECT_EQ(Ndftool({"apply-order", "--dry-run", "--strict", "--no-groups", reference, file}).code, 0);
}

// A realistic list against a rescan of it that lost a satellite: each flag takes its part.
TEST_F(RescanCommandTest, ApplyOrderFlagsOnARealisticRescan) {
    NetworkDatabase list;
    realistic::BuildChannelList(list, 5);
    list.SetKeepStamp(true);
    ASSERT_EQ(list.Save(Path("list.ndf")), NDF_OK);
    NetworkDatabase scanned;
    realistic::RescanChanges changes;
    changes.dropSatellite = true;
    const realistic::Rescan truth = realistic::MakeRescan(list, scanned, changes);
    scanned.SetKeepStamp(true);
    ASSERT_EQ(scanned.Save(Path("scan.ndf")), NDF_OK);
    const Network& lost = *list.networks().back();

    struct Case {
        std::vector<std::string> flags;
        int code;
        bool order, marks, names;
    } const cases[] = {
        {{}, 0, true, true, false},
        {{"--strict"}, 1, true, true, false},
        {{"--no-order", "--no-marks"}, 0, false, false, false},
        {{"--names", "--no-marks"}, 0, true, false, true},
        {{"--order-only"}, 0, true, false, false},
    };
    for (const Case& c : cases) {
        QStringList arguments = {QStringLiteral("apply-order")};
        for (const std::string& flag : c.flags)
            arguments << QString::fromStdString(flag);
        arguments << QString::fromStdString(Path("list.ndf")) << QString::fromStdString(Path("scan.ndf"))
                  << QStringLiteral("-o") << QString::fromStdString(Path("out.ndf"));
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunNdftool(arguments, in, out, err), c.code);
        EXPECT_EQ(err.str(),
                  "ndftool: warning: satellite \"" + lost.name + "\" " + DescribePosition(lost.position) + " of " +
                      Path("list.ndf") + " has no partner in " + Path("scan.ndf") + ": its " +
                      std::to_string(std::count_if(list.programs().begin(), list.programs().end(),
                                                   [&](const auto& p) {
                                                       return list.transponders()[p->transponderIndex]->networkIndex ==
                                                              list.networks().size() - 1;
                                                   })) +
                      " channels are not placed\n");
        // The summary, then one line per channel of each list under its heading.
        size_t gone = 0;
        for (const uint32_t partner : truth.partnerOfList)
            gone += partner == realistic::kNone;
        std::istringstream lines(out.str());
        std::string line;
        std::getline(lines, line);
        EXPECT_TRUE(StartsWith(line, "Paired " + std::to_string(list.programs().size() - gone) + " of ")) << line;
        std::getline(lines, line);
        EXPECT_TRUE(line.ends_with("not found in " + Path("scan.ndf") + ": " + std::to_string(gone))) << line;
        for (size_t i = 0; i < gone && std::getline(lines, line); ++i)
            EXPECT_TRUE(StartsWith(line, "  TV ") || StartsWith(line, "  Radio ")) << line;
        std::getline(lines, line);
        EXPECT_TRUE(line.ends_with("without a partner: " + std::to_string(truth.added))) << line;

        const NetworkDatabase result = Load(Path("out.ndf"));
        size_t inOrder = 0, marked = 0, named = 0, paired = 0;
        for (size_t p = 0; p < list.programs().size(); ++p) {
            const uint32_t partner = truth.partnerOfList[p];
            if (partner == realistic::kNone)
                continue;
            const Program& from = *list.programs()[p];
            // The partner's place: where the order went, by its service ID and transponder.
            const Program& was = *scanned.programs()[partner];
            const uint32_t at = c.order ? static_cast<uint32_t>(paired) : partner;
            const Program& now = *result.programs()[at];
            inOrder += now.serviceId == was.serviceId && now.transponderIndex == was.transponderIndex;
            marked += (now.attributes & kAppliedMarks) == (from.attributes & kAppliedMarks);
            named += now.name == from.name;
            ++paired;
        }
        EXPECT_EQ(inOrder, paired);
        EXPECT_EQ(marked == paired, c.marks);
        EXPECT_EQ(named == paired, c.names);
    }
}

TEST_F(RescanCommandTest, ApplyOrderHelpNamesTheTolerances) {
    const ToolResult help = Ndftool({"apply-order", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("satellites within 0.5\u00B0, frequencies within 5 MHz"), std::string::npos) << help.out;
    for (const char* flag : {"--no-order", "--no-groups", "--no-marks", "--names", "--strict", "--dry-run"})
        EXPECT_NE(help.out.find(flag), std::string::npos) << flag;
}

TEST_F(RescanCommandTest, CleanReportsEachGroupAndRemovesWhatItFound) {
    const std::string file = Path("dirty.ndf");
    {
        NetworkDatabase database = Load(reference);
        database.AppendProgram(*database.programs()[0]);
        ASSERT_EQ(database.Save(file), NDF_OK);
    }
    const std::vector<uint8_t> dirty = ReadBytes(file);
    const std::string report =
        "duplicate programs: 1\n"
        "  TV 3 \"Das Erste\" on \"Astra 1\" 19.2E 11778 V, service ID 28106: same as TV 1 \"Das Erste\"\n"
        "duplicate transponders: 0\n"
        "broken favorite entries: 0\n"
        "programs whose transponder does not exist: 0\n";
    const ToolResult dryRun = Ndftool({"clean", "--dry-run", file});
    EXPECT_EQ(dryRun.code, 0);
    EXPECT_EQ(dryRun.out, report);
    EXPECT_EQ(ReadBytes(file), dirty);

    const ToolResult withEmpty = Ndftool({"clean", file, "--empty-transponders", "-o", Path("bare.ndf")});
    EXPECT_EQ(withEmpty.out,
              report + "transponders without programs: 1\n  \"Astra 1\" 19.2E 12188 H, symbol rate 27500\n");
    EXPECT_EQ(Load(Path("bare.ndf")).transponders().size(), 3u);

    const ToolResult clean = Ndftool({"clean", file});
    ASSERT_EQ(clean.code, 0) << clean.err;
    EXPECT_EQ(ReadBytes(file), SampleFile());
}

TEST_F(RescanCommandTest, DiffPrintsTheDifferencesAndExitsAsAsked) {
    const std::string file = WriteRescanned();
    const ToolResult same = Ndftool({"diff", "--exit-code", reference, reference});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.out, "No differences.\n");

    const ToolResult differ = Ndftool({"diff", reference, file});
    EXPECT_EQ(differ.code, 0);
    EXPECT_TRUE(StartsWith(differ.out, "Programs moved: 1\n")) << differ.out;
    EXPECT_NE(differ.out.find("Group 1 \"News\": name \"News\" -> \"Mine\"\n"), std::string::npos) << differ.out;
    EXPECT_EQ(Ndftool({"diff", "--exit-code", reference, file}).code, 1);
}

TEST_F(RescanCommandTest, UnreadableFilesExitWithTheirStatusAndWriteNothing) {
    std::vector<uint8_t> damaged = SampleFile();
    damaged.back() = static_cast<uint8_t>(damaged.back() ^ 1);
    WriteBytes(Path("damaged.ndf"), damaged);
    const std::string missing = Path("missing.ndf");
    struct Case {
        std::vector<std::string> arguments;
        int code;
    } const cases[] = {
        {{"apply-order", missing, reference}, 6},
        {{"apply-order", reference, Path("damaged.ndf")}, 10},
        {{"clean", missing}, 6},
        {{"diff", reference, missing}, 6},
        {{"diff", "--exit-code", Path("damaged.ndf"), reference}, 10},
    };
    for (const Case& c : cases) {
        QStringList list;
        for (const std::string& argument : c.arguments)
            list << QString::fromStdString(argument);
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunNdftool(list, in, out, err), c.code) << c.arguments[0];
        EXPECT_TRUE(out.str().empty());
        EXPECT_TRUE(StartsWith(err.str(), "ndftool: "));
    }
    EXPECT_EQ(ReadBytes(reference), SampleFile());
    EXPECT_EQ(ReadBytes(Path("damaged.ndf")), damaged);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"damaged.ndf", "reference.ndf"}));
}

// On a real list: a transponder stored twice 1 MHz apart, and a transponder retuned by 4 MHz.
TEST_F(RescanCommandTest, CleanAndDiffNameWhatARescanLeftOnARealList) {
    NetworkDatabase changed;
    BuildRetunedList(changed);
    Transponder twice = *changed.transponders()[3];
    twice.frequency = static_cast<uint16_t>(twice.frequency + 1);
    changed.AppendTransponder(twice);
    ASSERT_EQ(changed.Save(Path("changed.ndf")), NDF_OK);

    const ToolResult clean = Ndftool({"clean", "--dry-run", Path("changed.ndf")});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "duplicate programs: 0\n"
                         "duplicate transponders: 1\n"
                         "  \"Astra 1KR/1L/1M/1N\" 19.2E 10818 V, symbol rate 22000: same as 10817 V, 0 channels "
                         "move there\n"
                         "broken favorite entries: 0\n"
                         "programs whose transponder does not exist: 0\n");
    const ToolResult diff = Ndftool({"diff", Path("list.ndf"), Path("changed.ndf")});
    EXPECT_EQ(diff.code, 0);
    EXPECT_EQ(diff.out, "Transponders only in B: 1\n"
                        "  \"Astra 1KR/1L/1M/1N\" 19.2E 10818 V, symbol rate 22000\n"
                        "Transponders changed: 1\n"
                        "  \"Astra 1KR/1L/1M/1N\" 19.2E 10758 V: frequency 10758 -> 10762\n");
}

// The JSON records carry what the lines say, field by field, so that scripts need not parse text.
TEST_F(RescanCommandTest, RescanReportsInJsonGiveEachLineAsARecord) {
    NetworkDatabase changed;
    BuildRetunedList(changed);
    const uint16_t retuned = changed.transponders()[1]->frequency;
    // The fifth TV channel, wherever the radio channels stand.
    size_t index = 0;
    for (int tv = 0; tv < 5; ++index)
        tv += (changed.programs()[index]->attributes & PA_RADIO) ? 0 : 1;
    Program renamed = *changed.programs()[--index];
    const std::string oldName = renamed.name;
    renamed.name = "Caf\xE9 HD"; // stored in ISO-8859-1
    changed.SetProgram(index, renamed);
    changed.AppendProgram(*changed.programs()[0]);
    ASSERT_EQ(changed.Save(Path("changed.ndf")), NDF_OK);
    auto json = [](const std::string& text) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
    };
    auto channel = [](const char* list, int number, const std::string& name) {
        return QJsonObject{{"list", list}, {"number", number}, {"name", QString::fromStdString(name)}};
    };

    const QJsonObject clean = json(Ndftool({"clean", "--json", "--dry-run", Path("changed.ndf")}).out);
    const QJsonArray rules = clean["rules"].toArray();
    for (const QJsonValue& rule : rules) {
        ASSERT_EQ(rule["findings"].toArray().size(), rule["found"].toArray().size());
        for (qsizetype i = 0; i < rule["found"].toArray().size(); ++i)
            EXPECT_EQ(rule["findings"][i]["text"], rule["found"][i]);
    }
    const QJsonObject duplicate = rules[CLEAN_DUPLICATE_PROGRAMS]["findings"][0].toObject();
    EXPECT_EQ(duplicate["sameAs"].toObject(), channel("TV", 1, changed.programs()[0]->name));
    EXPECT_EQ(duplicate["channel"]["name"].toString().toStdString(), changed.programs()[0]->name);
    EXPECT_GT(duplicate["channel"]["number"].toInt(), 1);
    EXPECT_EQ(duplicate["serviceId"].toInt(), changed.programs()[0]->serviceId);
    EXPECT_FALSE(duplicate["transponder"]["satellite"]["name"].toString().isEmpty());

    const QJsonObject diff = json(Ndftool({"diff", "--json", Path("list.ndf"), Path("changed.ndf")}).out);
    QJsonValue transponder, program;
    for (const QJsonValue& section : diff["sections"].toArray()) {
        ASSERT_EQ(section["items"].toArray().size(), section["count"].toInt());
        for (qsizetype i = 0; i < section["count"].toInt(); ++i) {
            const QJsonObject item = section["items"][i].toObject();
            EXPECT_EQ(item["text"], section["lines"][i]);
            if (section["title"] == QStringLiteral("Transponders changed"))
                transponder = item;
            if (section["title"] == QStringLiteral("Programs changed") && item["subject"]["channel"]["number"] == 5)
                program = item;
        }
    }
    EXPECT_EQ(transponder["subject"]["kind"].toString(), QStringLiteral("transponder"));
    EXPECT_EQ(transponder["changes"].toArray(),
              (QJsonArray{QJsonObject{{"field", "frequency"}, {"a", retuned - 4}, {"b", retuned}}}));
    ASSERT_TRUE(program.isObject());
    EXPECT_EQ(program["subject"]["channel"].toObject(), channel("TV", 5, oldName));
    EXPECT_EQ(program["changes"].toArray(),
              (QJsonArray{QJsonObject{
                  {"field", "name"}, {"a", QString::fromStdString(oldName)}, {"b", QStringLiteral(u"Caf\u00E9 HD")}}}));

    // apply-order: the lists of the text, each line a record.
    const ToolResult text = Ndftool({"apply-order", "--dry-run", Path("list.ndf"), Path("changed.ndf")});
    const QJsonObject order =
        json(Ndftool({"apply-order", "--json", "--dry-run", Path("list.ndf"), Path("changed.ndf")}).out);
    EXPECT_TRUE(order["written"].isNull());
    std::string lines;
    for (const char* list : {"notFound", "withoutPartner"}) {
        for (const QJsonValue& channel : order[list].toArray())
            lines += "  " + channel["text"].toString().toStdString() + "\n";
    }
    std::string textLines;
    for (size_t at = 0, end; (end = text.out.find('\n', at)) != std::string::npos; at = end + 1) {
        if (text.out.compare(at, 2, "  ") == 0)
            textLines += text.out.substr(at, end + 1 - at);
    }
    EXPECT_EQ(lines, textLines);
    const QJsonObject extra = order["withoutPartner"][0].toObject();
    EXPECT_EQ(extra["name"].toString().toStdString(), changed.programs()[0]->name);
    EXPECT_EQ(extra["serviceId"].toInt(), changed.programs()[0]->serviceId);
    EXPECT_EQ(order["paired"]["total"].toInt(), order["referenceChannels"].toInt());
}

} // namespace
