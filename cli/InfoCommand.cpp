#include "cli/Commands.h"
#include "cli/JsonReport.h"
#include "database/DisplayTables.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t kLabelWidth = 24;

void Line(std::ostream& out, const char* label, const std::string& value) {
    std::string text = label;
    text.resize(std::max(kLabelWidth, text.size() + 1), ' ');
    out << text << value << '\n';
}

std::string Hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// The same test GetStampDate applies before it trusts the bytes as a date.
bool StampHoldsDate(const NetworkDatabase& db) {
    return (db.stampYear & 0x80) != 0 && (db.stampYear & 0x7F) < 100 && db.stampMonth >= 1 && db.stampMonth <= 12 &&
           db.stampDay >= 1 && db.stampDay <= 31;
}

std::string StampText(const NetworkDatabase& db) {
    std::string version;
    if (db.GetStampVersion(version)) {
        return version + " (version; kept when the file is saved)";
    }
    if (StampHoldsDate(db)) {
        const CalendarDate date = db.GetStampDate();
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
        return std::string(text) + " (date; saving stamps the current date)";
    }
    return "bytes " + Hex(db.stampYear, 2) + " " + Hex(db.stampMonth, 2) + " " + Hex(db.stampDay, 2) +
           " (neither a date nor a version; saving stamps the current date)";
}

// The names of the set flags; unknown bits as "other bits 0x...".
std::vector<std::string> FlagNames(uint32_t flags) {
    static const std::pair<uint32_t, const char*> kNames[] = {{NDF_FLAG_TP_NAMES, "NDF_FLAG_TP_NAMES"},
                                                              {NDF_FLAG_NET_SKEW, "NDF_FLAG_NET_SKEW"},
                                                              {NDF_FLAG_PROG_CA, "NDF_FLAG_PROG_CA"}};
    std::vector<std::string> names;
    uint32_t known = 0;
    for (const auto& [bit, name] : kNames) {
        known |= bit;
        if ((flags & bit) != 0) {
            names.push_back(name);
        }
    }
    if ((flags & ~known) != 0) {
        names.push_back("other bits " + Hex(flags & ~known, 8));
    }
    return names;
}

std::string FlagsText(uint32_t flags) {
    std::string names;
    for (const std::string& name : FlagNames(flags)) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return Hex(flags, 8) + ": " + (names.empty() ? std::string("none") : names);
}

const char* StampKind(const NetworkDatabase& db) {
    std::string version;
    return db.GetStampVersion(version) ? "version" : StampHoldsDate(db) ? "date" : "bytes";
}

// The ISO-8859-1 view of a name for the terminal; control characters become '?'.
std::string DisplayName(const std::string& bytes) {
    return NameForDisplay(bytes);
}

} // namespace

const char* InfoCommand::Summary() const {
    return "Show a summary of a file";
}

const char* InfoCommand::Description() const {
    return "Prints the format version, the stamp (a date such as 2004-05-19 or a version such as B002),\n"
           "the format flags by name, and the number of records of every kind, with the TV/radio split\n"
           "of the programs and the number of TV and radio entries of every favorite group.\n"
           "\n"
           "--json prints {\"file\", \"size\" (bytes), \"version\", \"stamp\": {\"kind\" (\"date\",\n"
           "\"version\" or \"bytes\"), \"text\", \"year\", \"month\", \"day\" (the stored bytes)},\n"
           "\"formatFlags\", \"formatFlagNames\", \"antennaConfigs\", \"networks\": {\"total\", \"inUse\",\n"
           "\"emptySlots\"}, \"transponders\", \"programs\": {\"total\", \"tv\", \"radio\"},\n"
           "\"favoriteGroups\": [{\"name\", \"tv\", \"radio\"}]}; numbers are counts.";
}

std::vector<CommandArgument> InfoCommand::Arguments() const {
    return {{"FILE", "the NDF file to describe"}};
}

int InfoCommand::Execute(const QCommandLineParser&, const QStringList& positional, std::ostream& out,
                         std::ostream& err) {
    NetworkDatabase db;
    std::vector<uint8_t> image;
    if (const NdfStatus status = LoadDatabase(positional[0], db, err, &image); status != NDF_OK) {
        return status;
    }

    const size_t networksInUse =
        std::count_if(db.networks().begin(), db.networks().end(), [](const auto& n) { return !n->IsEmptySlot(); });
    const size_t radios =
        std::count_if(db.programs().begin(), db.programs().end(), [](const auto& p) { return p->IsRadio(); });

    if (Json()) {
        QJsonArray groups;
        for (const auto& group : db.favoriteGroups()) {
            groups.append(Object({{"name", Text(NameForDisplay(group->name))},
                                  {"tv", static_cast<qint64>(group->tvList.size())},
                                  {"radio", static_cast<qint64>(group->radioList.size())}}));
        }
        QJsonArray flagNames;
        for (const std::string& name : FlagNames(db.formatFlags)) {
            flagNames.append(Text(name));
        }
        const auto count = [](size_t n) { return QJsonValue(static_cast<qint64>(n)); };
        WriteJson(out, Object({{"file", Text(DisplayPath(positional[0]))},
                               {"size", count(image.size())},
                               {"version", db.version},
                               {"stamp", Object({{"kind", Text(StampKind(db))},
                                                 {"text", Text(StampText(db))},
                                                 {"year", db.stampYear},
                                                 {"month", db.stampMonth},
                                                 {"day", db.stampDay}})},
                               {"formatFlags", static_cast<qint64>(db.formatFlags)},
                               {"formatFlagNames", flagNames},
                               {"antennaConfigs", count(db.antennaConfigs().size())},
                               {"networks", Object({{"total", count(db.networks().size())},
                                                    {"inUse", count(networksInUse)},
                                                    {"emptySlots", count(db.networks().size() - networksInUse)}})},
                               {"transponders", count(db.transponders().size())},
                               {"programs", Object({{"total", count(db.programs().size())},
                                                    {"tv", count(db.programs().size() - radios)},
                                                    {"radio", count(radios)}})},
                               {"favoriteGroups", groups}}));
        return 0;
    }
    if (Quiet()) {
        return 0;
    }
    Line(out, "File", DisplayPath(positional[0]) + " (" + std::to_string(image.size()) + " bytes)");
    Line(out, "Format version", std::to_string(db.version));
    Line(out, "Stamp", StampText(db));
    Line(out, "Format flags", FlagsText(db.formatFlags));
    Line(out, "Antenna configurations", std::to_string(db.antennaConfigs().size()));
    Line(out, "Networks",
         std::to_string(db.networks().size()) + " (" + std::to_string(networksInUse) + " in use, " +
             std::to_string(db.networks().size() - networksInUse) + " empty slots)");
    Line(out, "Transponders", std::to_string(db.transponders().size()));
    Line(out, "Programs",
         std::to_string(db.programs().size()) + " (" + std::to_string(db.programs().size() - radios) + " TV, " +
             std::to_string(radios) + " radio)");
    Line(out, "Favorite groups", std::to_string(db.favoriteGroups().size()));

    size_t nameWidth = 0;
    for (const auto& group : db.favoriteGroups()) {
        nameWidth = std::max(nameWidth, std::min<size_t>(group->name.size(), 24));
    }
    for (size_t i = 0; i < db.favoriteGroups().size(); ++i) {
        const FavoriteGroup& group = *db.favoriteGroups()[i];
        char number[32];
        std::snprintf(number, sizeof number, "%5zu  ", i + 1);
        std::string name = group.name.empty() ? "Fav" + std::to_string(i + 1) + " (no name)" : DisplayName(group.name);
        // Each stored byte is one character on the terminal.
        const size_t shown = group.name.empty() ? name.size() : group.name.size();
        name.append(shown < nameWidth ? nameWidth - shown : 0, ' ');
        out << number << name << "  " << group.tvList.size() << " TV, " << group.radioList.size() << " radio\n";
    }
    return 0;
}
