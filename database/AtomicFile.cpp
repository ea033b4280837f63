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

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::wstring wide = WidePath(path);
    if (wide.empty())
        return false;
    fs::path target(wide);
    if (target.filename().empty())
        return false;
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // Save through a link rather than replacing the link itself.
        target = FinalPath(target);
        attributes = GetFileAttributesW(target.c_str());
    }
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return false;
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    const fs::path folder = FolderOf(target);
    fs::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;

    const size_t allowed = WritableBytes(bytes.size());
    bool ok = WriteAll(file, bytes.data(), allowed) && allowed == bytes.size() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && PutInPlace(temporary, target, exists);
    if (!ok)
        DeleteFileW(temporary.c_str());
    return ok;
}

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

// Makes a completed rename durable; file systems that cannot sync a folder are let be.
void SyncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

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
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && access(target.c_str(), W_OK) != 0)
        return false;

    const fs::path folder = FolderOf(target);
    fs::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        errno = 0;
        file = std::fopen(temporary.c_str(), "wbx");
        if (!file && errno != EEXIST)
            return false;
    }
    if (!file)
        return false;

    const size_t allowed = WritableBytes(bytes.size());
    bool ok = allowed == 0 || std::fwrite(bytes.data(), 1, allowed, file) == allowed;
    ok = ok && allowed == bytes.size() && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (ok && exists) {
        // The new file takes the place of the old one with its owner and permissions, as far as
        // this process may give them.
        struct stat old {};
        if (stat(target.c_str(), &old) == 0 && fchown(fileno(file), old.st_uid, old.st_gid) != 0) {
            // Not permitted: the file belongs to whoever saved it.
        }
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
