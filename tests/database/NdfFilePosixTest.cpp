// Saving and opening where POSIX file systems do more than Windows: owners, permission bits on
// files and folders, and symbolic links.
#include "FileTestSupport.h"

#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace filetest;

bool RunningAsRoot() {
    return geteuid() == 0;
}

TEST(NdfFilePosix, SaveReplacesTheFileAndKeepsItsPermissions) {
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

TEST(NdfFilePosix, UnreadableFileAndReadOnlyFolder) {
    if (RunningAsRoot())
        GTEST_SKIP() << "permissions do not bind the superuser";
    Folder folder;
    NetworkDatabase db;
    Fill(db);
    const std::string file = folder.Path("locked.ndf");
    WriteBytes(file, {7, 7});
    fs::permissions(file, fs::perms::none);
    std::vector<uint8_t> image;
    EXPECT_EQ(db.Open(file, image), NDF_NO_FILE_FOUND);

    const fs::path locked = folder.Root() / "locked folder";
    fs::create_directory(locked);
    const std::string inside = (locked / "inside.ndf").string();
    ASSERT_EQ(db.Save(inside), NDF_OK);
    const std::vector<uint8_t> saved = ReadBytes(inside);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    testdb::AddProgram(db, 0);
    EXPECT_EQ(db.Save(inside), NDF_CREATE_FAILED); // writable file, but no temporary file beside it
    EXPECT_EQ(ReadBytes(inside), saved);
    EXPECT_EQ(db.Save((locked / "new.ndf").string()), NDF_CREATE_FAILED);
    EXPECT_EQ(folder.Names(locked), (std::vector<std::string>{"inside.ndf"}));
    EXPECT_EQ(db.Open(inside, image), NDF_OK);
}

TEST(NdfFilePosix, SavingThroughALinkWritesTheFileItPointsTo) {
    Folder folder;
    const std::string path = folder.Path("target.ndf");
    NetworkDatabase db;
    Fill(db);
    ASSERT_EQ(db.Save(path), NDF_OK);
    const std::string link = folder.Path("link.ndf");
    fs::create_symlink(path, link);
    testdb::AddProgram(db, 0);
    ASSERT_EQ(db.Save(link), NDF_OK);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), ImageOf(db));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.ndf", "target.ndf"}));
}

} // namespace
