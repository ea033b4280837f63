// Status codes of reading, writing and importing, with their messages.
#pragma once

enum NdfStatus : int {
    NDF_OK = 0,
    NDF_CANCELED = 2,
    NDF_INSUFFICIENT_MEMORY = 5,
    NDF_NO_FILE_FOUND = 6,
    NDF_FILE_CRASHED = 7,
    NDF_CREATE_FAILED = 8,
    NDF_INVALID_FORMAT = 9,
    NDF_BAD_CHECKSUM = 10,
    NDF_VERSION_UNSUPPORTED = 11,
    // The database holds more than the file can store (a collection over its count field, a PID
    // list over 255 entries, a name over 255 bytes); nothing is written.
    NDF_TOO_LARGE = 12,
};

// "OK", "Canceled", ... ; "Unknown error" for any code without a message.
const char* StatusMessage(int status);

// Callers show StatusMessage in an error box only for codes above this one.
constexpr int NDF_LAST_SILENT_STATUS = 4;
