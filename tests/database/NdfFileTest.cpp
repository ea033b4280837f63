// Opening and saving NDF files on a real file system, including the odd places a path can point to
// and saves that fail part-way.
#include "LargestAllocation.h"
#include "TestDatabases.h"

#include "database/NetworkDatabase.h"
#include "database/testing/SaveFault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using namespace testdb;

// A fresh folder under the system's temporary folder, removed with everything in it.
class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "dishline-core-XXXXXX").string();
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(root_, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    const fs::path& Root() const { return root_; }

    // Names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> Names(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> Names() const { return Names(root_); }

private:
    fs::path root_;
};

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A database with a little of everything and a kept stamp, so that its image is the same each time.
void Fill(NetworkDatabase& db, const std::string& programName = "One") {
    db.NewDefault();
    db.keepStamp = true;
    db.stampYear = 0;
    db.stampMonth = 1;
    db.stampDay = 2;
    AddTransponder(db, 0, 12188);
    AddProgram(db, 0).name = programName;
    AddGroup(db, {0});
}

std::vector<uint8_t> ImageOf(NetworkDatabase& db) {
    std::vector<uint8_t> image;
    db.Serialize(image);
    return image;
}

bool RunningAsRoot() {
    return geteuid() == 0;
}

// Lets every write through again when a test ends, whatever happened in it.
struct SaveFault {
    explicit SaveFault(size_t bytes) { SetSaveFaultAfterBytes(bytes); }
    ~SaveFault() { SetSaveFaultAfterBytes(NO_SAVE_FAULT); }
};

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

TEST(NdfFile, SaveReplacesTheFileAndKeepsItsPermissions) {
    Folder folder;
    const std::string path = folder.Path("keep.ndf");
    WriteBytes(path, {1, 2, 3});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The superuser saving another user's file leaves it theirs.
    const uid_t owner = RunningAsRoot() ? 65534 : geteuid();
    const gid_t group = RunningAsRoot() ? 65534 : getegid();
    ASSERT_EQ(chown(path.c_str(), owner, group), 0);
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat saved {};
    ASSERT_EQ(stat(path.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_uid, owner);
    EXPECT_EQ(saved.st_gid, group);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"keep.ndf"}));
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
        EXPECT_EQ(db.Save(path), NDF_CREATE_FAILED) << failAfter;
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
    EXPECT_EQ(db.Save(folder.Path("a folder.ndf")), NDF_CREATE_FAILED);
    EXPECT_TRUE(fs::is_directory(folder.Path("a folder.ndf")));
    EXPECT_EQ(db.Save(folder.Path("a folder.ndf") + "/"), NDF_CREATE_FAILED);
    EXPECT_EQ(db.Open(folder.Root().string(), image), NDF_NO_FILE_FOUND);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a folder.ndf"}));
    EXPECT_EQ(db.loadedPathName, "");
}

TEST(NdfFile, PipeIsNoFileAndDoesNotHangTheOpen) {
    Folder folder;
    const std::string path = folder.Path("pipe.ndf");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    NetworkDatabase db;
    std::vector<uint8_t> image;
    EXPECT_EQ(db.Open(path, image), NDF_NO_FILE_FOUND);
}

TEST(NdfFile, ReadOnlyFileAndFolder) {
    if (RunningAsRoot())
        GTEST_SKIP() << "permissions do not bind the superuser";
    Folder folder;
    NetworkDatabase db;
    Fill(db);
    const std::string file = folder.Path("locked.ndf");
    WriteBytes(file, {7, 7});
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(db.Save(file), NDF_CREATE_FAILED);
    EXPECT_EQ(ReadBytes(file), (std::vector<uint8_t>{7, 7}));
    fs::permissions(file, fs::perms::none);
    std::vector<uint8_t> image;
    EXPECT_EQ(db.Open(file, image), NDF_NO_FILE_FOUND);

    const fs::path locked = folder.Root() / "locked folder";
    fs::create_directory(locked);
    const std::string inside = (locked / "inside.ndf").string();
    ASSERT_EQ(db.Save(inside), NDF_OK);
    const std::vector<uint8_t> saved = ReadBytes(inside);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    AddProgram(db, 0);
    EXPECT_EQ(db.Save(inside), NDF_CREATE_FAILED); // writable file, but no temporary file beside it
    EXPECT_EQ(ReadBytes(inside), saved);
    EXPECT_EQ(db.Save((locked / "new.ndf").string()), NDF_CREATE_FAILED);
    EXPECT_EQ(folder.Names(locked), (std::vector<std::string>{"inside.ndf"}));
    EXPECT_EQ(db.Open(inside, image), NDF_OK);
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

TEST(NdfFile, NamesBeyondAsciiLongNamesAndLinks) {
    Folder folder;
    const fs::path sub = folder.Root() / "Sat\xC3\xA9llites \xE2\x98\x83";
    fs::create_directory(sub);
    const std::string path = (sub / "Kan\xC3\xA4le-\xCE\xA9.ndf").string();
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    EXPECT_EQ(folder.Names(sub), (std::vector<std::string>{"Kan\xC3\xA4le-\xCE\xA9.ndf"}));
    NetworkDatabase loaded;
    std::vector<uint8_t> image;
    ASSERT_EQ(loaded.Open(path, image), NDF_OK);
    EXPECT_EQ(loaded.loadedPathName, path);

    // A name of the longest length a folder entry may have still gets its temporary file.
    const std::string longName = folder.Path(std::string(251, 'n') + ".ndf");
    EXPECT_EQ(db.Save(longName), NDF_OK);
    EXPECT_EQ(ReadBytes(longName), image);

    // Saving through a link writes the file it points to and keeps the link.
    const std::string link = folder.Path("link.ndf");
    fs::create_symlink(path, link);
    AddProgram(db, 0);
    ASSERT_EQ(db.Save(link), NDF_OK);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
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
