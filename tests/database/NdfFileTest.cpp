// Opening and saving NDF files on a real file system, including the odd places a path can point to
// and saves that fail part-way.
#include "FileTestSupport.h"
#include "LargestAllocation.h"

#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace filetest;
using namespace testdb;

TEST(NdfFile, SaveThenOpenGivesTheSameDatabase) {
    Folder folder;
    const std::string path = folder.Path("channels.ndf");
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    EXPECT_EQ(db.pathName, path);
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"channels.ndf"}));

    NetworkDatabase loaded;
    std::vector<uint8_t> image;
    ASSERT_EQ(loaded.Open(path, image), NDF_OK);
    EXPECT_EQ(loaded.loadedPathName, path);
    EXPECT_EQ(image, ReadBytes(path));
    ASSERT_EQ(loaded.Parse(image), NDF_OK);
    EXPECT_EQ(loaded.pathName, path);
    EXPECT_EQ(ImageOf(loaded), image);
}

TEST(NdfFile, FailedWriteLeavesThePreviousFileExactlyAsItWas) {
    Folder folder;
    const std::string path = folder.Path("previous.ndf");
    NetworkDatabase previous;
    Fill(previous, "Previous");
    ASSERT_EQ(previous.Save(path), NDF_OK);
    const std::vector<uint8_t> before = ReadBytes(path);

    NetworkDatabase db;
    Fill(db, "A longer name than the previous one");
    db.pathName = "elsewhere.ndf";
    const size_t size = ImageOf(db).size();
    for (size_t failAfter : {size_t{0}, size_t{1}, size_t{16}, size / 2, size - 1}) {
        SaveFault fault(failAfter);
        std::error_code cause;
        EXPECT_EQ(db.Save(path, &cause), NDF_CREATE_FAILED) << failAfter;
        EXPECT_EQ(cause, std::errc::no_space_on_device) << failAfter;
        EXPECT_EQ(ReadBytes(path), before) << failAfter;
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"previous.ndf"})) << failAfter;
        EXPECT_EQ(db.pathName, "elsewhere.ndf");
    }
    {
        SaveFault fault(10);
        EXPECT_EQ(db.Save(folder.Path("new.ndf")), NDF_CREATE_FAILED);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"previous.ndf"}));
    }
    SaveFault none(size); // exactly enough
    EXPECT_EQ(db.Save(path), NDF_OK);
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
}

TEST(NdfFile, DatabaseTooLargeForTheFileIsNotWritten) {
    Folder folder;
    const std::string path = folder.Path("big.ndf");
    WriteBytes(path, {9, 9, 9});
    NetworkDatabase db;
    Fill(db);
    db.programs()[0]->audioPids.pids.assign(256, 1);
    db.programs()[0]->audioPids.languages.assign(256, 0);
    db.pathName = "before.ndf";
    EXPECT_EQ(db.Save(path), NDF_TOO_LARGE);
    EXPECT_STREQ(StatusMessage(NDF_TOO_LARGE), "Too many records for the NDF format");
    EXPECT_NE(db.LimitProblem().find("256"), std::string::npos) << db.LimitProblem();
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{9, 9, 9}));
    EXPECT_EQ(db.Save(folder.Path("new.ndf")), NDF_TOO_LARGE);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"big.ndf"}));
    EXPECT_EQ(db.pathName, "before.ndf");
}

TEST(NdfFile, MissingFolderEmptyPathAndFolderInPlaceOfAFile) {
    Folder folder;
    NetworkDatabase db;
    Fill(db);
    std::vector<uint8_t> image = {1};
    const std::string missing = folder.Path("no such folder/x.ndf");
    EXPECT_EQ(db.Open(missing, image), NDF_NO_FILE_FOUND);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(db.Save(missing), NDF_CREATE_FAILED);
    EXPECT_FALSE(fs::exists(folder.Path("no such folder")));

    EXPECT_EQ(db.Open("", image), NDF_NO_FILE_FOUND);
    EXPECT_EQ(db.Save(""), NDF_CREATE_FAILED);

    fs::create_directory(folder.Path("a folder.ndf"));
    EXPECT_EQ(db.Open(folder.Path("a folder.ndf"), image), NDF_NO_FILE_FOUND);
    std::error_code cause;
    EXPECT_EQ(db.Save(folder.Path("a folder.ndf"), &cause), NDF_CREATE_FAILED);
    EXPECT_EQ(cause, std::errc::is_a_directory);
    EXPECT_TRUE(fs::is_directory(folder.Path("a folder.ndf")));
    EXPECT_EQ(db.Save(folder.Path("a folder.ndf") + "/"), NDF_CREATE_FAILED);
    EXPECT_EQ(db.Open(folder.Root().string(), image), NDF_NO_FILE_FOUND);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a folder.ndf"}));
    EXPECT_EQ(db.loadedPathName, "");
}

TEST(NdfFile, PipeIsNoFileAndDoesNotHangTheOpen) {
    Folder folder;
    const std::string path = folder.Path("pipe.ndf");
    if (!MakePipe(path))
        GTEST_SKIP() << "no pipes in folders here";
    NetworkDatabase db;
    std::vector<uint8_t> image;
    EXPECT_EQ(db.Open(path, image), NDF_NO_FILE_FOUND);
}

TEST(NdfFile, WriteProtectedFileIsNotReplaced) {
    if (!WriteProtectionBinds())
        GTEST_SKIP() << "write protection does not bind the superuser";
    Folder folder;
    NetworkDatabase db;
    Fill(db);
    db.pathName = "before.ndf";
    const std::string file = folder.Path("locked.ndf");
    WriteBytes(file, {7, 7});
    fs::permissions(FromUtf8(file), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(db.Save(file), NDF_CREATE_FAILED);
    EXPECT_EQ(ReadBytes(file), (std::vector<uint8_t>{7, 7}));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"locked.ndf"}));
    EXPECT_EQ(db.pathName, "before.ndf");
    std::vector<uint8_t> image;
    EXPECT_EQ(db.Open(file, image), NDF_INVALID_FORMAT); // still readable
}

// UTF-8 paths reach the file system unchanged: on Windows as wide paths, not in the ANSI code page.
TEST(NdfFile, FoldersNamedBeyondAscii) {
    Folder folder;
    // "Empfänger", "Приёмник", "Satéllites ☃", and in each a file "Kanäle-Ω.ndf"
    for (const std::string name :
         {"Empf\xC3\xA4nger", "\xD0\x9F\xD1\x80\xD0\xB8\xD1\x91\xD0\xBC\xD0\xBD\xD0\xB8\xD0\xBA",
          "Sat\xC3\xA9llites \xE2\x98\x83"}) {
        fs::create_directory(FromUtf8(folder.Path(name)));
        const std::string path = folder.Path(name + "/Kan\xC3\xA4le-\xCE\xA9.ndf");
        NetworkDatabase db;
        Fill(db, name);
        ASSERT_EQ(db.Save(path), NDF_OK) << name;
        EXPECT_EQ(Folder::Names(FromUtf8(folder.Path(name))), (std::vector<std::string>{"Kan\xC3\xA4le-\xCE\xA9.ndf"}));

        NetworkDatabase loaded;
        std::vector<uint8_t> image;
        ASSERT_EQ(loaded.Open(path, image), NDF_OK) << name;
        EXPECT_EQ(loaded.loadedPathName, path);
        EXPECT_EQ(image, ImageOf(db));
        ASSERT_EQ(loaded.Parse(image), NDF_OK);
        EXPECT_EQ(loaded.programs()[0]->name, name);
    }
}

TEST(NdfFile, NameOfTheLongestLengthStillGetsItsTemporaryFile) {
    Folder folder;
    const std::string path = folder.Path(std::string(251, 'n') + ".ndf");
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
    EXPECT_EQ(folder.Names().size(), 1u);
}

TEST(NdfFile, FileThatVanishesBetweenOpenAndSave) {
    Folder folder;
    const fs::path sub = folder.Root() / "sub";
    fs::create_directory(sub);
    const std::string path = (sub / "gone.ndf").string();
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    std::vector<uint8_t> image;
    ASSERT_EQ(db.Open(path, image), NDF_OK);
    ASSERT_EQ(db.Parse(image), NDF_OK);

    fs::remove(path);
    db.keepStamp = true;
    EXPECT_EQ(db.Save(db.pathName), NDF_OK); // created anew
    EXPECT_EQ(ReadBytes(path), image);

    fs::remove_all(sub);
    EXPECT_EQ(db.Save(db.pathName), NDF_CREATE_FAILED);
    EXPECT_FALSE(fs::exists(sub));
    EXPECT_EQ(db.pathName, path);
}

TEST(NdfFile, DamagedFilesGiveTheirStatusAndNoImage) {
    Folder folder;
    NetworkDatabase db;
    Fill(db);
    const std::vector<uint8_t> good = ImageOf(db);
    const std::string path = folder.Path("damaged.ndf");
    db.loadedPathName = "earlier.ndf";
    std::vector<uint8_t> image;

    auto openWith = [&](const std::vector<uint8_t>& bytes) {
        WriteBytes(path, bytes);
        image = {1, 2};
        return db.Open(path, image);
    };
    EXPECT_EQ(openWith({}), NDF_INVALID_FORMAT);
    EXPECT_EQ(openWith({'N', 'D', 'F'}), NDF_INVALID_FORMAT);
    EXPECT_EQ(openWith(std::vector<uint8_t>(good.begin(), good.end() - 1)), NDF_INVALID_FORMAT);
    std::vector<uint8_t> bad = good;
    bad.back() ^= 1;
    EXPECT_EQ(openWith(bad), NDF_BAD_CHECKSUM);
    bad = good;
    bad[8] = 2;
    EXPECT_EQ(openWith(bad), NDF_VERSION_UNSUPPORTED);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(db.loadedPathName, "earlier.ndf");
    EXPECT_EQ(openWith(good), NDF_OK);
    EXPECT_EQ(image, good);
}

TEST(NdfFile, HugeFilesAreRefusedWithoutTakingTheirSize) {
    if (!kSparseFiles)
        GTEST_SKIP() << "the huge files would take their size on disk";
    Folder folder;
    NetworkDatabase db;
    std::vector<uint8_t> image;

    // Larger than the length field can describe; its low 32 bits match the field, as they would
    // for a reader that cut the size to 32 bits.
    const std::string huge = folder.Path("huge.ndf");
    std::vector<uint8_t> head = {'N', 'D', 'F', 0, 27, 0, 0, 0, 1};
    WriteBytes(huge, head);
    fs::resize_file(huge, (uintmax_t{1} << 32) + 27); // sparse: takes no disk space

    // No database at all.
    const std::string foreign = folder.Path("foreign.ndf");
    WriteBytes(foreign, {'M', 'Z'});
    fs::resize_file(foreign, uintmax_t{3} << 30);

    for (const std::string& path : {huge, foreign}) {
        ResetLargestAllocation();
        EXPECT_EQ(db.Open(path, image), NDF_INVALID_FORMAT) << path;
        EXPECT_LT(LargestAllocation(), size_t{1} << 20) << path;
        EXPECT_TRUE(image.empty());
    }
}

} // namespace
