// ndftool apply-order, clean and diff run in process over real files.
#include "CliTest.h"

#include "database/NetworkDatabase.h"

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

    std::string reference;
};

TEST_F(RescanCommandTest, ApplyOrderRestoresTheReferenceOrderAndGroups) {
    const std::string file = WriteRescanned();
    const ToolResult result = Ndftool({"apply-order", reference, file, "-o", Path("out.ndf")});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "3 matched by key, 0 by name, 0 without partner, 0 missing from " + file + "\n");
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

TEST_F(RescanCommandTest, CleanReportsEachGroupAndRemovesWhatItFound) {
    const std::string file = Path("dirty.ndf");
    {
        NetworkDatabase database = Load(reference);
        database.AppendProgram(*database.programs()[0]);
        ASSERT_EQ(database.Save(file), NDF_OK);
    }
    const std::vector<uint8_t> dirty = ReadBytes(file);
    const std::string report = "duplicate programs: 1\n"
                               "  \"Das Erste\" on \"Astra 1\" 11778 V, SID 28106 (program 3, same as program 0)\n"
                               "duplicate transponders: 0\n"
                               "broken favorite entries: 0\n"
                               "programs whose transponder does not exist: 0\n";
    const ToolResult dryRun = Ndftool({"clean", "--dry-run", file});
    EXPECT_EQ(dryRun.code, 0);
    EXPECT_EQ(dryRun.out, report);
    EXPECT_EQ(ReadBytes(file), dirty);

    const ToolResult withEmpty = Ndftool({"clean", file, "--empty-transponders", "-o", Path("bare.ndf")});
    EXPECT_EQ(withEmpty.out,
              report + "transponders without programs: 1\n  \"Astra 1\" 12188 H 27500 (transponder 1)\n");
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
    EXPECT_TRUE(StartsWith(differ.out, "Programs moved: 2\n")) << differ.out;
    EXPECT_NE(differ.out.find("group 1 \"News\": name \"News\" -> \"Mine\"\n"), std::string::npos) << differ.out;
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

} // namespace
