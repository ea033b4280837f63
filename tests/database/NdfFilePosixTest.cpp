// Saving and opening where POSIX file systems do more than Windows: owners, permission bits on
// files and folders, and symbolic links.
#include "FileTestSupport.h"

#include "database/AtomicFile.h"
#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <csignal>
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
            auto& transponder = testdb::AddTransponder(db, n, static_cast<uint16_t>(10714 + 29 * t));
            const uint16_t index = db.IndexOfTransponder(&transponder);
            for (int p = 0; p < 15; ++p)
                testdb::AddProgram(db, index).name = "Channel " + std::to_string(p) + (p % 3 ? " HD" : "");
        }
    }
}

// Runs body as an unprivileged user, in a child process when this one is the superuser, whom
// permissions do not bind; returns what body returned.
std::string AsUnprivileged(const std::function<std::string()>& body) {
    if (!RunningAsRoot())
        return body();
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string result = setgid(65534) == 0 && setuid(65534) == 0 ? body() : "setuid failed";
        if (write(channel[1], result.data(), result.size()) < 0)
            _exit(1);
        _exit(0);
    }
    close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    close(channel[0]);
    waitpid(child, nullptr, 0);
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
// link, also one that points at no file yet, stays a link to the file it names.
TEST(NdfFilePosix, SaveKeepsHardAndSymbolicLinks) {
    struct Case {
        const char* name;
        const char* saveAs;
        std::function<void(Folder&)> prepare;
        std::vector<std::string> names;
    };
    const std::vector<uint8_t> previous = {1, 2, 3};
    const std::vector<Case> cases = {
        {"hard link",
         "list.ndf",
         [&](Folder& f) {
             WriteBytes(f.Path("list.ndf"), previous);
             fs::create_hard_link(f.Path("list.ndf"), f.Path("backup.ndf"));
         },
         {"backup.ndf", "list.ndf"}},
        {"symbolic link",
         "link.ndf",
         [&](Folder& f) {
             WriteBytes(f.Path("list.ndf"), previous);
             fs::create_symlink("list.ndf", f.Path("link.ndf"));
         },
         {"link.ndf", "list.ndf"}},
        {"dangling link",
         "link.ndf",
         [](Folder& f) {
             fs::create_directory(f.Path("sub"));
             fs::create_symlink("sub/list.ndf", f.Path("link.ndf"));
         },
         {"link.ndf", "sub"}},
        {"chain of links",
         "first.ndf",
         [](Folder& f) {
             fs::create_symlink(f.Path("second.ndf"), f.Path("first.ndf"));
             fs::create_symlink("list.ndf", f.Path("second.ndf"));
         },
         {"first.ndf", "list.ndf", "second.ndf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        c.prepare(folder);
        const std::string path = folder.Path(c.saveAs);
        const bool wasLink = fs::is_symlink(path);
        NetworkDatabase db;
        FillLarge(db);
        std::error_code cause;
        ASSERT_EQ(db.Save(path, &cause), NDF_OK) << cause.message();
        EXPECT_EQ(ReadBytes(path), ImageOf(db));
        EXPECT_EQ(fs::is_symlink(path), wasLink);
        EXPECT_EQ(folder.Names(), c.names);
        if (std::string(c.name) == "hard link") {
            EXPECT_EQ(fs::hard_link_count(path), 2u);
            EXPECT_EQ(ReadBytes(folder.Path("backup.ndf")), ImageOf(db));
        }
        if (std::string(c.name) == "dangling link") {
            EXPECT_EQ(folder.Names(folder.Root() / "sub"), (std::vector<std::string>{"list.ndf"}));
        }
    }
}

// A save that cannot be written says why, leaves the previous file as it was and no temporary
// file beside it, and the process lives on past a file-size limit.
TEST(NdfFilePosix, FailedSavesNameTheirCauseAndLeaveNoTemporaryFile) {
    struct Case {
        const char* name;
        std::string cause;
        std::function<std::string(Folder&, NetworkDatabase&, const std::string&)> save;
    };
    const auto saveAndTell = [](NetworkDatabase& db, const std::string& path) {
        std::error_code cause;
        const NdfStatus status = db.Save(path, &cause);
        return std::to_string(status) + " " + cause.message();
    };
    const std::vector<Case> cases = {
        {"file-size limit", "File too large",
         [&](Folder&, NetworkDatabase& db, const std::string& path) {
             IgnoreFileSizeSignal();
             rlimit saved{};
             getrlimit(RLIMIT_FSIZE, &saved);
             rlimit limited = saved;
             limited.rlim_cur = 4096;
             setrlimit(RLIMIT_FSIZE, &limited);
             const std::string result = saveAndTell(db, path);
             setrlimit(RLIMIT_FSIZE, &saved);
             signal(SIGXFSZ, SIG_DFL);
             return result;
         }},
        {"full disk", "No space left on device",
         [&](Folder&, NetworkDatabase& db, const std::string& path) {
             SaveFault fault(1000);
             return saveAndTell(db, path);
         }},
        {"read-only folder", "Permission denied",
         [&](Folder& folder, NetworkDatabase& db, const std::string& path) {
             fs::permissions(folder.Root(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
             return AsUnprivileged([&] { return saveAndTell(db, path); });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const std::string path = folder.Path("list.ndf");
        const std::vector<uint8_t> previous(100, 7);
        WriteBytes(path, previous);
        fs::permissions(path, fs::perms::all, fs::perm_options::add);
        NetworkDatabase db;
        FillLarge(db);
        ASSERT_GT(ImageOf(db).size(), 4096u);
        EXPECT_EQ(c.save(folder, db, path), std::to_string(NDF_CREATE_FAILED) + " " + c.cause);
        EXPECT_EQ(ReadBytes(path), previous);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"list.ndf"}));
    }
}

} // namespace
