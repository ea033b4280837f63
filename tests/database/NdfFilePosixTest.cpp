// Saving and opening where POSIX file systems do more than Windows: owners, permission bits on
// files and folders, and symbolic links.
#include "FileTestSupport.h"

#include "database/AtomicFile.h"
#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace filetest;

bool RunningAsRoot() {
    return geteuid() == 0;
}

// Hundreds of programs over several satellites, named as receivers list them.
void FillLarge(NetworkDatabase& db) {
    Fill(db);
    for (uint8_t n = 1; n < 4; ++n) {
        for (int t = 0; t < 6; ++t) {
            const uint16_t tp = db.IndexOfTransponder(&testdb::AddTransponder(db, n, static_cast<uint16_t>(10714 + t)));
            for (int p = 0; p < 15; ++p)
                testdb::AddProgram(db, tp).name = "Channel " + std::to_string(p) + (p % 3 ? " HD" : "");
        }
    }
}

// What body returns, run as a user whom permissions bind: in a child process of another user
// when this one is the superuser.
std::string AsUnprivileged(const std::function<std::string()>& body) {
    int channel[2];
    if (!RunningAsRoot() || pipe(channel) != 0)
        return body();
    if (fork() == 0) {
        const std::string result = setgid(65534) == 0 && setuid(65534) == 0 ? body() : "no other user";
        _exit(write(channel[1], result.data(), result.size()) < 0);
    }
    close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    close(channel[0]);
    wait(nullptr);
    return result;
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

// Every name of the file sees what was saved: hard links stay links of one file, and a symbolic
// link, also one that names no file yet or another link, stays a link to the file it names.
TEST(NdfFilePosix, SaveKeepsHardAndSymbolicLinks) {
    Folder folder;
    NetworkDatabase db;
    FillLarge(db);
    const std::vector<uint8_t> image = ImageOf(db);
    WriteBytes(folder.Path("hard.ndf"), {1, 2, 3});
    fs::create_hard_link(folder.Path("hard.ndf"), folder.Path("backup.ndf"));
    fs::create_directory(folder.Path("sub"));
    fs::create_symlink("sub/dangling.ndf", folder.Path("dangling.ndf"));
    fs::create_symlink(folder.Path("chain.ndf"), folder.Path("start.ndf"));
    fs::create_symlink("sub/chained.ndf", folder.Path("chain.ndf"));
    for (const char* name : {"hard.ndf", "dangling.ndf", "start.ndf"}) {
        std::error_code cause;
        ASSERT_EQ(db.Save(folder.Path(name), &cause), NDF_OK) << name << ": " << cause.message();
        EXPECT_EQ(ReadBytes(folder.Path(name)), image) << name;
    }
    EXPECT_EQ(fs::hard_link_count(folder.Path("hard.ndf")), 2u);
    EXPECT_EQ(ReadBytes(folder.Path("backup.ndf")), image);
    for (const char* link : {"dangling.ndf", "start.ndf", "chain.ndf"})
        EXPECT_TRUE(fs::is_symlink(folder.Path(link))) << link;
    EXPECT_EQ(folder.Names(folder.Root() / "sub"), (std::vector<std::string>{"chained.ndf", "dangling.ndf"}));
    EXPECT_EQ(folder.Names().size(), 6u); // and no temporary file
}

// A save that cannot be written says why, leaves the previous file as it was and no temporary
// file beside it, and the process lives on past its file-size limit.
TEST(NdfFilePosix, FailedSavesNameTheirCauseAndLeaveNoTemporaryFile) {
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    struct Case {
        std::string cause;
        std::function<void()> before, after;
    };
    const std::vector<Case> cases = {
        {"File too large",
         [&] {
             IgnoreFileSizeSignal();
             rlimit limit = unlimited;
             limit.rlim_cur = 4096;
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         [&] { setrlimit(RLIMIT_FSIZE, &unlimited); }},
        {"No space left on device", [] { SetSaveFaultAfterBytes(1000); },
         [] { SetSaveFaultAfterBytes(NO_SAVE_FAULT); }},
        {"Permission denied", [] {}, [] {}},
    };
    for (const Case& c : cases) {
        Folder folder;
        const std::string path = folder.Path("list.ndf");
        const std::vector<uint8_t> previous(100, 7);
        WriteBytes(path, previous);
        fs::permissions(path, fs::perms::all);
        if (c.cause == "Permission denied")
            fs::permissions(folder.Root(), fs::perms::owner_write, fs::perm_options::remove);
        NetworkDatabase db;
        FillLarge(db);
        c.before();
        const auto save = [&] {
            std::error_code cause;
            const NdfStatus status = db.Save(path, &cause);
            return std::to_string(status) + " " + cause.message();
        };
        const std::string result = c.cause == "Permission denied" ? AsUnprivileged(save) : save();
        c.after();
        EXPECT_EQ(result, std::to_string(NDF_CREATE_FAILED) + " " + c.cause);
        EXPECT_EQ(ReadBytes(path), previous) << c.cause;
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"list.ndf"})) << c.cause;
    }
}

} // namespace
