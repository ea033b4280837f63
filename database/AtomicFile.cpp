// The one place of the core that knows the platform: POSIX systems below, Windows above them.
#include "database/AtomicFile.h"
#include "database/testing/SaveFault.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::atomic<size_t> g_saveFaultAfter{NO_SAVE_FAULT};

// How much of an image of `size` bytes a save may write before it fails as on a full disk.
size_t WritableBytes(size_t size) {
    return std::min(size, g_saveFaultAfter.load());
}

// A name for the temporary file beside the target that no other save is using. Only the start of
// the target's name goes into it, so that a target with a long name still gets a valid one.
fs::path TemporaryName(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path name(".");
    name += target.filename().native().substr(0, 32);
    name += ".save-" + std::to_string(static_cast<unsigned long long>(ticks)) + "-" + std::to_string(counter++) + "-" +
            std::to_string(attempt);
    return name;
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

} // namespace

void SetSaveFaultAfterBytes(size_t bytes) {
    g_saveFaultAfter.store(bytes);
}

InputFile::~InputFile() {
    if (file_)
        std::fclose(file_);
}

size_t InputFile::Read(void* into, size_t count) {
    if (!file_ || count == 0)
        return 0;
    return std::fread(into, 1, count, file_);
}

bool InputFile::Failed() const {
    return !file_ || std::ferror(file_) != 0;
}

#ifdef _WIN32

namespace {

// The full wide path that the Windows file functions take, in its \\?\ form so that the length
// limit of classic paths binds neither the file nor its temporary file; empty for a path that is
// not valid UTF-8.
std::wstring WidePath(const std::string& path) {
    if (path.empty() || path.size() > static_cast<size_t>(INT_MAX) || path.find('\0') != std::string::npos)
        return {};
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), length) != length)
        return {};

    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD fullLength = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (fullLength == 0 || fullLength >= full.size())
        return wide;
    full.resize(fullLength);
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\"))
        return full; // already in that form, or a device
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// The file a link or other reparse point stands for, or the path itself.
fs::path FinalPath(const fs::path& path) {
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return path;
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()), 0);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()), 0);
    }
    CloseHandle(handle);
    if (length == 0 || length >= final.size())
        return path;
    final.resize(length);
    return fs::path(final);
}

bool WriteAll(HANDLE file, const uint8_t* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Replacing keeps the old file's attributes and security; a new file is moved into place.
bool PutInPlace(const fs::path& temporary, const fs::path& target, bool replace) {
    if (replace)
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr);
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::error_code* cause) {
    std::error_code ignored;
    std::error_code& why = cause ? *cause : ignored;
    why.clear();
    const auto lastError = [] { return std::error_code(static_cast<int>(GetLastError()), std::system_category()); };
    const std::wstring wide = WidePath(path);
    if (wide.empty()) {
        why = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    fs::path target(wide);
    if (target.filename().empty()) {
        why = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // Save through a link rather than replacing the link itself.
        target = FinalPath(target);
        attributes = GetFileAttributesW(target.c_str());
    }
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        why = std::make_error_code(std::errc::is_a_directory);
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return false;
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        why = std::make_error_code(std::errc::permission_denied);
        return false;
    }

    const fs::path folder = FolderOf(target);
    fs::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            why = lastError();
            if (GetLastError() != ERROR_FILE_EXISTS)
                return false;
        }
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    why.clear();

    const size_t allowed = WritableBytes(bytes.size());
    bool ok = WriteAll(file, bytes.data(), allowed) && FlushFileBuffers(file);
    if (!ok)
        why = lastError();
    if (ok && allowed != bytes.size()) {
        why = std::make_error_code(std::errc::no_space_on_device);
        ok = false;
    }
    if (!CloseHandle(file) && ok) {
        why = lastError();
        ok = false;
    }
    if (ok && !PutInPlace(temporary, target, exists)) {
        why = lastError();
        ok = false;
    }
    if (!ok)
        DeleteFileW(temporary.c_str());
    return ok;
}

void IgnoreFileSizeSignal() {}

bool InputFile::Open(const std::string& path) {
    if (file_)
        return false;
    const std::wstring wide = WidePath(path);
    if (wide.empty())
        return false;
    // Only a regular file is opened at all: opening a device can do more than read it.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return false;
    const HANDLE handle =
        CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // What was opened is checked again: the path may have become something else since.
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size) || size.QuadPart < 0) {
        CloseHandle(handle);
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return false;
    }
    file_ = _fdopen(fd, "rb");
    if (!file_) {
        _close(fd);
        return false;
    }
    size_ = static_cast<uint64_t>(size.QuadPart);
    return true;
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

#else

namespace {

std::error_code LastErrno() {
    return std::error_code(errno, std::generic_category());
}

// Makes a completed rename durable; file systems that cannot sync a folder are let be.
void SyncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The path after its symbolic links, the last of which may point at no file yet: saving through
// a link writes the file it names and leaves the link as it is.
fs::path FinalTarget(fs::path path, std::error_code& why) {
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            why = ec;
            return path;
        }
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    why = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

// Writes every byte at the offset, going on after a short write; false with the cause otherwise.
bool WriteAt(int fd, const uint8_t* data, size_t size, off_t offset, std::error_code& why) {
    while (size > 0) {
        const ssize_t written = pwrite(fd, data, std::min<size_t>(size, size_t{1} << 30), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            why = written < 0 ? LastErrno() : std::make_error_code(std::errc::io_error);
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
        offset += written;
    }
    return true;
}

enum class WriteThrough { Written, Untouched, Damaged };

// Writes the bytes into the existing file itself, so that each of its hard links sees them. The
// room for a longer file is taken first, so that a full disk or a file-size limit fails while the
// old content is still whole; only a failure after that leaves it damaged.
WriteThrough WriteIntoFile(const fs::path& target, const std::vector<uint8_t>& bytes, off_t oldSize,
                           std::error_code& why) {
    const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = LastErrno();
        return WriteThrough::Untouched;
    }
    const auto size = static_cast<off_t>(bytes.size());
    if (size > oldSize) {
        const int error = posix_fallocate(fd, 0, size);
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            if (ftruncate(fd, oldSize) != 0) {
                // Only blocks that hold nothing yet were added.
            }
            close(fd);
            why = std::error_code(error, std::generic_category());
            return WriteThrough::Untouched;
        }
    }
    bool ok = WriteAt(fd, bytes.data(), bytes.size(), 0, why);
    if (ok && (ftruncate(fd, size) != 0 || fsync(fd) != 0)) {
        why = LastErrno();
        ok = false;
    }
    if (close(fd) != 0 && ok) {
        why = LastErrno();
        ok = false;
    }
    return ok ? WriteThrough::Written : WriteThrough::Damaged;
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::error_code* cause) {
    std::error_code ignored;
    std::error_code& why = cause ? *cause : ignored;
    why.clear();
    fs::path target(path);
    if (target.filename().empty()) {
        why = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    target = FinalTarget(target, why);
    if (why)
        return false;
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        why = LastErrno();
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        if (S_ISDIR(old.st_mode))
            why = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && access(target.c_str(), W_OK) != 0) {
        why = LastErrno();
        return false;
    }

    const fs::path folder = FolderOf(target);
    fs::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            why = LastErrno();
            if (errno != EEXIST)
                return false;
        }
    }
    if (fd < 0)
        return false;
    why.clear();

    const size_t allowed = WritableBytes(bytes.size());
    bool ok = WriteAt(fd, bytes.data(), allowed, 0, why);
    if (ok && allowed != bytes.size()) {
        why = std::make_error_code(std::errc::no_space_on_device);
        ok = false;
    }
    if (ok && fsync(fd) != 0) {
        why = LastErrno();
        ok = false;
    }
    if (ok && exists) {
        // The new file takes the place of the old one with its owner and permissions, as far as
        // this process may give them.
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not permitted: the file belongs to whoever saved it.
        }
        if (fchmod(fd, old.st_mode & 07777) != 0) {
            // As above.
        }
    }
    if (close(fd) != 0 && ok) {
        why = LastErrno();
        ok = false;
    }

    if (ok && exists && old.st_nlink > 1) {
        const WriteThrough through = WriteIntoFile(target, bytes, old.st_size, why);
        if (through != WriteThrough::Damaged) {
            std::error_code ec;
            fs::remove(temporary, ec);
            return through == WriteThrough::Written;
        }
        // The old content is gone: the complete new file takes its place, as a file of its own.
    }
    if (ok) {
        std::error_code ec;
        fs::rename(temporary, target, ec);
        if (ec) {
            why = ec;
            ok = false;
        } else {
            why.clear();
        }
    }
    if (!ok) {
        std::error_code ec;
        fs::remove(temporary, ec);
        return false;
    }
    SyncFolder(folder);
    return true;
}

void IgnoreFileSizeSignal() {
    signal(SIGXFSZ, SIG_IGN);
}

bool InputFile::Open(const std::string& path) {
    if (file_ || path.empty())
        return false;
    std::error_code ec;
    // Only a regular file is opened at all: opening a device can do more than read it.
    if (!fs::is_regular_file(fs::status(path, ec)))
        return false;
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
    return true;
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

#endif
