// The system's own words for a failure, as the programs put them in their messages: on Windows
// the text of the Win32 error a file creation gives, elsewhere the C library's.
#pragma once

#include <string>
#include <system_error>

namespace systemtexts {

// Creating a file in a folder that does not exist, or under a path whose folder part is a file.
inline std::string MissingFolder(std::errc posix = std::errc::no_such_file_or_directory) {
#ifdef _WIN32
    (void)posix;
    return std::error_code(3 /* ERROR_PATH_NOT_FOUND */, std::system_category()).message();
#else
    return std::make_error_code(posix).message();
#endif
}

} // namespace systemtexts
