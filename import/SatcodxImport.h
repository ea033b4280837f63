// SATCODX import: fills one network (satellite) from a SATCODX listing.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstddef>
#include <string>

struct SatcodxImportResult {
    size_t matchedLines = 0;      // lines that passed the line filter and were read
    size_t addedTransponders = 0; // transponders inserted (duplicates not counted)
};

// Reads the listing at path and fills `network`, a record of `database`: name and position from
// every matching line, one transponder per line unless the network already has it.
// NDF_OK when the file was read to its end; NDF_NO_FILE_FOUND when it is no regular file or could
// not be read.
// (Choosing the path is the caller's business.)
NdfStatus ImportSatcodx(NetworkDatabase& database, Network& network, const std::string& path,
                        SatcodxImportResult* result = nullptr);
