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

// The words of an exported list, in UTF-8: English unless the caller fills them in another
// language. "%1" and "%2" stand for the numbers and names put in.
struct ExportTexts {
    std::string language = "en"; // the web page's lang attribute
    // The CSV header row and the column headings of the web page and the PDF.
    std::array<std::string, EXPORT_COLUMN_COUNT> headings = {"No.",        "Name",      "Type",     "Satellite",
                                                             "Position",   "Frequency", "Polarity", "Symbol Rate",
                                                             "Service ID", "CA",        "Favorites"};
    std::string title = "Channel list: %1"; // the NDF file's name
    std::string tvList = "TV";
    std::string radioList = "Radio";
    std::string oneChannel = "%1 channel";
    std::string channels = "%1 channels";
    std::string noChannels = "No channels.";
    std::string page = "Page %1 of %2";
    std::string allChannels = "All channels";
    std::string tvChannels = "TV channels";
    std::string radioChannels = "Radio channels";
    std::string satellite = "Satellite %1 (%2)"; // name and position
    std::string favoriteGroup = "Favorite group %1";
    std::string typeTv = "TV"; // the Type cell
    std::string typeRadio = "Radio";
};

// pattern with "%1" and "%2" replaced by first and second (each placeholder once, in one pass, so
// that a name holding "%2" stays as it is).
std::string FillIn(const std::string& pattern, const std::string& first, const std::string& second = std::string());

struct ChannelRow {
    bool radio = false;
    // Display texts in UTF-8; names in their ISO-8859-1 view.
    std::array<std::string, EXPORT_COLUMN_COUNT> cells;
};

struct ChannelExport {
    // The lists the scope covers; a covered list may have no rows.
    bool coversTv = true;
    bool coversRadio = true;
    // What was listed, e.g. "All channels" or "Favorite group News" (UTF-8).
    std::string scopeText;
    // The database's stamp: "2024-05-17", a version such as "B002", or empty when it holds neither.
    std::string stamp;
    // The TV rows, then the radio rows, each in list order.
    std::vector<ChannelRow> rows;
    // The words the writers use around the rows.
    ExportTexts texts;
};

// False when the scope names a network slot or favorite group the database does not have.
bool ScopeIsValid(const NetworkDatabase& database, const ExportScope& scope);

// The rows of the scope. A channel's number is its place in the receiver's TV or radio list (the
// whole list, also when only one satellite is listed); in a favorite group it is the entry's place
// in the group. A reference that names no record (a damaged file) leaves the cells it would fill
// empty, and a favorite entry that names no program is left out. An invalid scope gives no rows.
// "Favorites" names every group that lists the channel (all of the file's groups, not only the
// eight the Channel List edits), in group order with ", " between them; a group without a name is
// "Fav%u" with its number, as the Channel List shows it. Positions are written with E or W
// ("19.2E", "0.8W"); the scope text and the Type cells take their words from texts.
ChannelExport BuildChannelExport(const NetworkDatabase& database, const ExportScope& scope,
                                 const ExportTexts& texts = ExportTexts());

// The heading of the TV or the radio list: "TV (27 channels)".
std::string ListHeading(const ChannelExport& list, bool radio, size_t count);

// The stamp as ChannelExport::stamp holds it.
std::string StampText(const NetworkDatabase& database);

// ISO-8859-1 bytes as UTF-8: each byte becomes the character of the same value.
std::string Latin1ToUtf8(const std::string& bytes);

// RFC 4180: a UTF-8 byte-order mark, the header row, then one record per row; CRLF line ends; a
// field that holds a comma, a quote or a line break is quoted, its quotes doubled. A field that
// begins with '=', '+', '-', '@', a tab or a carriage return gets a leading apostrophe, so that a
// spreadsheet shows it as text and never runs it as a formula. No number the list writes can begin
// with a sign, so no number is changed by this.
std::string ChannelCsv(const ChannelExport& list);

// The most rows a web page holds that a browser still prints well: printing lays the whole page out
// at once, and beyond a few thousand rows (over a megabyte, well over a hundred printed pages) it
// stalls or fails. Longer lists print better as PDF.
constexpr size_t kHtmlPrintableRows = 5000;

// One web page without external files: the title names the file (UTF-8) and the stamp; one table
// per covered list, whose header row repeats on every printed page.
std::string ChannelHtml(const ChannelExport& list, const std::string& fileName);
