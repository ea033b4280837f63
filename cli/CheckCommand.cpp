#include "cli/Commands.h"
#include "database/Integrity.h"

namespace {

QCommandLineOption StrictOption() {
    return QCommandLineOption(QStringLiteral("strict"),
                              QStringLiteral("Exit with status 1 when the file is OK but has damaged references."));
}

} // namespace

const char* CheckCommand::Summary() const {
    return "Check a file and print its status (\"OK\", \"Bad checksum\", ...)";
}

const char* CheckCommand::Description() const {
    return "Reads FILE, checks its header, length, trailer and checksum, then its records, and prints\n"
           "the result (\"OK\", \"No file found\", \"Invalid NDF format\", \"Bad checksum\",\n"
           "\"NDF Version not supported\", ...) on standard output. The exit status is the status code:\n"
           "0 for a sound file, 6 for a missing one, 9, 10 or 11 for a damaged one.\n"
           "\n"
           "A file that loads is then searched for damaged references, each reported on a line of its\n"
           "own as record[index].field = value: a network's antennaIndex past the antenna\n"
           "configurations, fewer antenna configurations than networks, a transponder's networkIndex\n"
           "past the networks, a transponder that splits its network's transponders in two, a\n"
           "program's transponderIndex past the transponders, a favorite entry past the programs,\n"
           "more than 8 favorite groups. They change the exit status only with --strict.";
}

std::vector<CommandArgument> CheckCommand::Arguments() const {
    return {{"FILE", "the NDF file to check"}};
}

QList<QCommandLineOption> CheckCommand::Options() const {
    return {StrictOption()};
}

int CheckCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                          std::ostream&) {
    NetworkDatabase database;
    std::vector<uint8_t> image;
    NdfStatus status = database.Open(LocalPath(positional[0]), image);
    if (status == NDF_OK) {
        status = database.Parse(image);
    }
    // The status is the answer here, not a failure of the tool: it goes to standard output.
    out << StatusMessage(status) << '\n';
    if (status != NDF_OK) {
        return status;
    }
    const std::vector<DamagedReference> damaged = FindDamagedReferences(database);
    for (const DamagedReference& damage : damaged) {
        out << FormatDamagedReference(damage) << '\n';
    }
    return !damaged.empty() && parser.isSet(StrictOption()) ? EXIT_USAGE : 0;
}
