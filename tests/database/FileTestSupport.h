// Real files for the tests of the file code, on POSIX systems and on Windows alike. Paths handed to
// the core are UTF-8, as on both systems the core takes them.
#pragma once

#include "TestDatabases.h"

#include "database/NetworkDatabase.h"
#include "database/testing/SaveFault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace filetest {

namespace fs = std::filesystem;

inline fs::path FromUtf8(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

inline std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class Folder {
public:
    Folder() {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
            const fs::path candidate = fs::temp_directory_path() / ("dishline-core-" + std::to_string(random()));
            std::error_code ec;
            if (fs::create_directory(candidate, ec))
                root_ = candidate;
        }
        EXPECT_FALSE(root_.empty());
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

    // The UTF-8 path of a name (itself UTF-8, may hold folders) in the folder.
    std::string Path(const std::string& name) const { return Utf8(root_ / FromUtf8(name)); }
    const fs::path& Root() const { return root_; }

    // Names in a folder, to see that no temporary file is left behind.
    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(Utf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> Names() const { return Names(root_); }

private:
    fs::path root_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(FromUtf8(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(FromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A database with a little of everything and a kept stamp, so that its image is the same each time.
inline void Fill(NetworkDatabase& db, const std::string& programName = "One") {
    db.NewDefault();
    db.keepStamp = true;
    db.stampYear = 0;
    db.stampMonth = 1;
    db.stampDay = 2;
    testdb::AddTransponder(db, 0, 12188);
    testdb::AddProgram(db, 0).name = programName;
    testdb::AddGroup(db, {0});
}

inline std::vector<uint8_t> ImageOf(NetworkDatabase& db) {
    std::vector<uint8_t> image;
    db.Serialize(image);
    return image;
}

// Lets every write through again when a test ends, whatever happened in it.
struct SaveFault {
    explicit SaveFault(size_t bytes) { SetSaveFaultAfterBytes(bytes); }
    ~SaveFault() { SetSaveFaultAfterBytes(NO_SAVE_FAULT); }
};

#ifdef _WIN32
// The read-only attribute binds every user.
inline bool WriteProtectionBinds() {
    return true;
}
// Folders hold no pipes on Windows.
inline bool MakePipe(const std::string&) {
    return false;
}
// Growing a file allocates its space, sparse or not, unless asked otherwise.
constexpr bool kSparseFiles = false;
#else
inline bool WriteProtectionBinds() {
    return geteuid() != 0;
}
inline bool MakePipe(const std::string& path) {
    return mkfifo(path.c_str(), 0600) == 0;
}
constexpr bool kSparseFiles = true;
#endif

} // namespace filetest
