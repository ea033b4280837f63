// SATCODX import: fills one network (satellite) from a SATCODX listing.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a listing would do to one network, read before anything changes.
struct SatcodxPreview {
    uint8_t slot = NO_NETWORK; // the network the listing was read for
    bool usable = false;       // at least one line passed the line filter and was read whole
    // The name and position the network would take: those of the last usable line.
    std::string name;
    uint16_t position = 0;
    std::vector<Transponder> added; // the transponders the network lacks, in the order of their lines
    size_t matchedLines = 0;        // usable lines
    size_t duplicateLines = 0;      // usable lines whose transponder the network has (or an earlier line added)
    // Lines not used: other kinds of line, lines too short or with a blank number column, and
    // usable lines whose transponder found no room in the file. Blank lines and the rest of a line
    // longer than one read are not counted.
    size_t skippedLines = 0;
};

struct SatcodxImportResult {
    size_t matchedLines = 0;      // lines that passed the line filter and were read
    size_t addedTransponders = 0; // transponders inserted (duplicates not counted)
};

// Reads the listing at path for `network`, a record of `database`, and changes nothing.
// NDF_OK when the file was read to its end; NDF_NO_FILE_FOUND when it is no regular file, could
// not be read, or the network is no record of the database.
NdfStatus ReadSatcodx(const NetworkDatabase& database, const Network& network, const std::string& path,
                      SatcodxPreview& preview);

// Applies a preview to the database it was read from, unchanged since: the network takes the name
// and position when the listing had a usable line, and the new transponders close its first run.
// Returns the number of transponders added.
size_t ApplySatcodx(NetworkDatabase& database, const SatcodxPreview& preview);

// Reads the listing and applies it at once.
// (Choosing the path is the caller's business.)
NdfStatus ImportSatcodx(NetworkDatabase& database, Network& network, const std::string& path,
                        SatcodxImportResult* result = nullptr);
