#include "cli/Commands.h"
#include "cli/NdfJson.h"

#include <algorithm>

namespace {

// References that name no record: loading takes them, build refuses them without --allow-damaged.
size_t ReferencesPastTheirCollections(const NetworkDatabase& db) {
    size_t count = 0;
    for (const auto& network : db.networks())
        count += network->antennaIndex >= db.antennaConfigs().size() ? 1 : 0;
    for (const auto& transponder : db.transponders())
        count += transponder->networkIndex >= db.networks().size() ? 1 : 0;
    for (const auto& program : db.programs())
        count += program->transponderIndex >= db.transponders().size() ? 1 : 0;
    for (const auto& group : db.favoriteGroups()) {
        for (const auto* list : {&group->tvList, &group->radioList})
            count += static_cast<size_t>(std::count_if(list->begin(), list->end(),
                                                       [&](uint16_t entry) { return entry >= db.programs().size(); }));
    }
    return count;
}

} // namespace

const char* DumpCommand::Summary() const {
    return "Print a file as one JSON document";
}

const char* DumpCommand::Description() const {
    return "Prints the database of FILE, as loaded, as one JSON document on standard output: the\n"
           "header fields (version, stampYear, stampMonth, stampDay, formatFlags) and the arrays\n"
           "antennaConfigs, networks, transponders, programs and favoriteGroups, one object of stored\n"
           "fields per record. Names show each byte as the character U+0000..U+00FF of the same value;\n"
           "a position is the stored number, tenths of a degree east (3592 is 0.8W).\n"
           "A file without favorite groups loads, and so dumps, the 8 default groups.\n"
           "\"ndftool build\" turns the document back into the same file.\n"
           "\n"
           "A file with references that name no record (see \"ndftool check\") is dumped as it is,\n"
           "with a warning: its document builds back only with \"ndftool build --allow-damaged\".";
}

std::vector<CommandArgument> DumpCommand::Arguments() const {
    return {{"FILE", "the NDF file to dump"}};
}

int DumpCommand::Execute(const QCommandLineParser&, const QStringList& positional, std::ostream& out,
                         std::ostream& err) {
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[0], database, err); status != NDF_OK) {
        return status;
    }
    if (const size_t damaged = ReferencesPastTheirCollections(database); damaged != 0) {
        Warn(err, DisplayPath(positional[0]) + " has " + std::to_string(damaged) +
                      (damaged == 1 ? " reference that names no record" : " references that name no record") +
                      " (\"ndftool check\" lists them); the document builds back only with "
                      "\"ndftool build --allow-damaged\"");
    }
    return WriteOutput(DatabaseToJson(database), out, err);
}
