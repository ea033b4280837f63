// The channel list as a printable table: the rows of the TV and the radio list for a scope (all
// channels, one service type, one satellite or one favorite group), and the writers that turn them
// into a CSV file and a self-contained web page.
#pragma once

#include "database/NetworkDatabase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum ExportScopeKind : uint8_t { SCOPE_ALL, SCOPE_TV, SCOPE_RADIO, SCOPE_SATELLITE, SCOPE_GROUP };

struct ExportScope {
    ExportScopeKind kind = SCOPE_ALL;
    size_t index = 0; // the network slot of SCOPE_SATELLITE, the favorite group of SCOPE_GROUP

    bool operator==(const ExportScope&) const = default;
};

enum ExportColumn : int {
    EXPORT_NUMBER,
    EXPORT_NAME,
    EXPORT_TYPE,
    EXPORT_SATELLITE,
    EXPORT_POSITION,
    EXPORT_FREQUENCY,
    EXPORT_POLARITY,
    EXPORT_SYMBOL_RATE,
    EXPORT_SERVICE_ID,
    EXPORT_CA,
    EXPORT_FAVORITES,
    EXPORT_COLUMN_COUNT
};

// "No.", "Name", ... "Favorites": the CSV header row and the web page's column headings.
extern const char* const kExportHeadings[EXPORT_COLUMN_COUNT];

struct ChannelRow {
    bool radio = false;
    // Texts in the ISO-8859-1 view, as the names are stored.
    std::array<std::string, EXPORT_COLUMN_COUNT> cells;
};

struct ChannelExport {
    // The lists the scope covers; a covered list may have no rows.
    bool coversTv = true;
    bool coversRadio = true;
    // What was listed, e.g. "All channels" or "Favorite group News" (ISO-8859-1 view).
    std::string scopeText;
    // The database's stamp: "2024-05-17", a version such as "B002", or empty when it holds neither.
    std::string stamp;
    // The TV rows, then the radio rows, each in list order.
    std::vector<ChannelRow> rows;
};

// False when the scope names a network slot or favorite group the database does not have.
bool ScopeIsValid(const NetworkDatabase& database, const ExportScope& scope);

// The rows of the scope. A channel's number is its place in the receiver's TV or radio list (the
// whole list, also when only one satellite is listed); in a favorite group it is the entry's place
// in the group. A reference that names no record (a damaged file) leaves the cells it would fill
// empty, and a favorite entry that names no program is left out. An invalid scope gives no rows.
// "Favorites" names every group that lists the channel (all of the file's groups, not only the
// eight the Channel List edits), in group order with ", " between them; a group without a name is
// "Fav%u" with its number, as the Channel List shows it.
ChannelExport BuildChannelExport(const NetworkDatabase& database, const ExportScope& scope);

// The stamp as ChannelExport::stamp holds it.
std::string StampText(const NetworkDatabase& database);

// ISO-8859-1 bytes as UTF-8: each byte becomes the character of the same value.
std::string Latin1ToUtf8(const std::string& bytes);

// RFC 4180: a UTF-8 byte-order mark, the header row, then one record per row; CRLF line ends; a
// field that holds a comma, a quote or a line break is quoted, its quotes doubled.
std::string ChannelCsv(const ChannelExport& list);

// One web page without external files: the title names the file (UTF-8) and the stamp; one table
// per covered list, whose header row repeats on every printed page.
std::string ChannelHtml(const ChannelExport& list, const std::string& fileName);
