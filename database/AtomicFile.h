// Whole-file access for the NDF reader and writer, and for the listing import, and the local time.
// Everything that depends on the platform lives behind this header. Paths are UTF-8 on Windows,
// where they are opened as wide paths, and the file system's own bytes elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <system_error>
#include <vector>

// Writes bytes to a new file in the target's folder, makes it durable and renames it over the
// target in one step, so that a failed write never leaves a truncated file where the previous one
// was, nor a temporary file beside it. An existing target keeps its permissions (on Windows its
// attributes and security) and, where the process may give it, its owner; a symbolic link is
// followed, also one that points at no file yet. A file with more than one hard link is written
// through, once the new content is complete and durable beside it, so that every name keeps it.
// False for a target that is no regular file, a write-protected one, or any failed step; `cause`
// then gets the system's reason where there is one (empty for a target that is no regular file).
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::error_code* cause = nullptr);

// A write over the process's file-size limit fails with an error instead of ending the process.
// Call at start-up; does nothing where there is no such signal.
void IgnoreFileSizeSignal();

// A regular file open for reading. Folders, devices and pipes are refused without waiting on them
// (opening a pipe for reading would wait for a writer).
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the path names no regular file that can be read.
    bool Open(const std::string& path);
    // The size of the file when it was opened.
    uint64_t Size() const { return size_; }
    // Reads up to count bytes; fewer only at the end of the file or on a read error.
    size_t Read(void* into, size_t count);
    bool Failed() const;

private:
    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
};

// The local calendar time of a moment, through the platform's thread-safe conversion.
std::tm LocalTime(std::time_t when);
