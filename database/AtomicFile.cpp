#include "database/AtomicFile.h"
#include "database/testing/SaveFault.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define DISHLINE_HAVE_UNISTD 1
#endif

namespace fs = std::filesystem;

namespace {

std::atomic<size_t> g_saveFaultAfter{NO_SAVE_FAULT};

// Makes a completed rename durable; file systems that cannot sync a folder are let be.
void SyncFolder(const fs::path& folder) {
#ifdef DISHLINE_HAVE_UNISTD
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#else
    (void)folder;
#endif
}

// A name for the temporary file beside the target that no other save is using. Only the start of
// the target's name goes into it, so that a target with a long name still gets a valid one.
std::string TemporaryName(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "." + target.filename().string().substr(0, 32) + ".save-" +
           std::to_string(static_cast<unsigned long long>(ticks)) + "-" + std::to_string(counter++) + "-" +
           std::to_string(attempt);
}

} // namespace

void SetSaveFaultAfterBytes(size_t bytes) {
    g_saveFaultAfter.store(bytes);
}

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    fs::path target(path);
    if (target.filename().empty())
        return false;
    // Save through a symbolic link rather than replacing the link itself.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists && !fs::is_regular_file(existing))
        return false;
#ifdef DISHLINE_HAVE_UNISTD
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && access(target.c_str(), W_OK) != 0)
        return false;
#endif

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        errno = 0;
        file = std::fopen(temporary.string().c_str(), "wbx");
        if (!file && errno != EEXIST)
            return false;
    }
    if (!file)
        return false;

    const size_t allowed = std::min(bytes.size(), g_saveFaultAfter.load());
    bool ok = allowed == 0 || std::fwrite(bytes.data(), 1, allowed, file) == allowed;
    ok = ok && allowed == bytes.size() && std::fflush(file) == 0;
#ifdef DISHLINE_HAVE_UNISTD
    ok = ok && fsync(fileno(file)) == 0;
#endif
    if (ok && exists) {
        // The new file takes the place of the old one with its owner and permissions, as far as
        // this process may give them.
#ifdef DISHLINE_HAVE_UNISTD
        struct stat old {};
        if (stat(target.c_str(), &old) == 0 && fchown(fileno(file), old.st_uid, old.st_gid) != 0) {
            // Not permitted: the file belongs to whoever saved it.
        }
#endif
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, ec);
    }
    ok = std::fclose(file) == 0 && ok;
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temporary, ec);
        return false;
    }
    SyncFolder(folder);
    return true;
}

InputFile::~InputFile() {
    if (file_)
        std::fclose(file_);
}

bool InputFile::Open(const std::string& path) {
    if (file_ || path.empty())
        return false;
    std::error_code ec;
    // Only a regular file is opened at all: opening a device can do more than read it.
    if (!fs::is_regular_file(fs::status(path, ec)))
        return false;
#ifdef DISHLINE_HAVE_UNISTD
    // The path may have become a pipe since: the open must not wait, and what was opened is
    // checked again.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return false;
    }
    file_ = fdopen(fd, "rb");
    if (!file_) {
        close(fd);
        return false;
    }
    size_ = static_cast<uint64_t>(info.st_size);
#else
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }
    size_ = size;
#endif
    return true;
}

size_t InputFile::Read(void* into, size_t count) {
    if (!file_ || count == 0)
        return 0;
    return std::fread(into, 1, count, file_);
}

bool InputFile::Failed() const {
    return !file_ || std::ferror(file_) != 0;
}
