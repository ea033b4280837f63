#include "database/NdfStatus.h"

const char* StatusMessage(int status) {
    switch (status) {
    case NDF_OK:
        return "OK";
    case NDF_CANCELED:
        return "Canceled";
    case NDF_INSUFFICIENT_MEMORY:
        return "Insufficient memory";
    case NDF_NO_FILE_FOUND:
        return "No file found";
    case NDF_FILE_CRASHED:
        return "File crashed";
    case NDF_CREATE_FAILED:
        return "Creating file failed";
    case NDF_INVALID_FORMAT:
        return "Invalid NDF format";
    case NDF_BAD_CHECKSUM:
        return "Bad checksum";
    case NDF_VERSION_UNSUPPORTED:
        return "NDF Version not supported";
    case NDF_TOO_LARGE:
        return "Too many records for the NDF format";
    default:
        return "Unknown error";
    }
}
