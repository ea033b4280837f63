#include "cli/Commands.h"
#include "cli/NdfJson.h"

const char* DumpCommand::Summary() const {
    return "Print a file as one JSON document";
}

const char* DumpCommand::Description() const {
    return "Prints the database of FILE, as loaded, as one JSON document on standard output: the\n"
           "header fields (version, stampYear, stampMonth, stampDay, formatFlags) and the arrays\n"
           "antennaConfigs, networks, transponders, programs and favoriteGroups, one object of stored\n"
           "fields per record. Names show each byte as the character U+0000..U+00FF of the same value.\n"
           "A file without favorite groups loads, and so dumps, the 8 default groups.\n"
           "\"ndftool build\" turns the document back into the same file.";
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
    const std::string document = DatabaseToJson(database);
    out.write(document.data(), static_cast<std::streamsize>(document.size()));
    out.flush();
    if (!out) {
        Fail(err, "writing the document failed");
        return EXIT_USAGE;
    }
    return 0;
}
