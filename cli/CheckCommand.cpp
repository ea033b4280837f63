#include "cli/Commands.h"
#include "cli/JsonReport.h"
#include "database/Integrity.h"
#include "ui/NativePath.h"

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
           "0 for a sound file, 6 for a missing one, 9, 10 or 11 for a damaged one. Where the system\n"
           "tells why a file cannot be opened (\"Is a directory\", \"Permission denied\"), standard\n"
           "error says so.\n"
           "\n"
           "A file that loads is then searched for damaged references, each reported on a line of its\n"
           "own as record[index].field = value: a network's antennaIndex past the antenna\n"
           "configurations, fewer antenna configurations than networks, a transponder's networkIndex\n"
           "past the networks, a transponder that splits its network's transponders in two, a\n"
           "program's transponderIndex past the transponders, a favorite entry past the programs,\n"
           "more than 8 favorite groups. They change the exit status only with --strict.\n"
           "\n"
           "--json prints {\"file\", \"status\" (the code), \"message\" (the status text), \"cause\"\n"
           "(the system's reason, or null), \"damagedReferences\": [{\"kind\", \"index\", \"field\",\n"
           "\"value\", \"problem\", \"text\"}]}.";
}

std::vector<CommandArgument> CheckCommand::Arguments() const {
    return {{"FILE", "the NDF file to check"}};
}

QList<QCommandLineOption> CheckCommand::Options() const {
    return {StrictOption()};
}

int CheckCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                          std::ostream& err) {
    const QString& path = positional[0];
    NetworkDatabase database;
    std::vector<uint8_t> image;
    NdfStatus status = NDF_OK;
    if (IsStandardStream(path)) {
        std::string bytes;
        status = ReadInput(path, bytes, err);
        image.assign(bytes.begin(), bytes.end());
        if (status == NDF_OK) {
            status = CheckImage(image.data(), image.size());
        }
    } else {
        status = database.Open(ToNativePath(path), image);
    }
    if (status == NDF_OK) {
        status = database.Parse(image);
    }
    const std::string cause = status == NDF_NO_FILE_FOUND ? ReadFailureCause(path) : std::string();
    if (!cause.empty()) {
        Fail(err, DisplayPath(path) + ": " + StatusMessage(status) + " (" + cause + ")");
    }
    const std::vector<DamagedReference> damaged =
        status == NDF_OK ? FindDamagedReferences(database) : std::vector<DamagedReference>();

    if (Json()) {
        QJsonArray references;
        for (const DamagedReference& damage : damaged) {
            references.append(Object({{"kind", Text(damage.kind)},
                                      {"index", static_cast<qint64>(damage.index)},
                                      {"field", Text(damage.field)},
                                      {"value", static_cast<qint64>(damage.value)},
                                      {"problem", Text(damage.problem)},
                                      {"text", Text(FormatDamagedReference(damage))}}));
        }
        WriteJson(out, Object({{"file", Text(DisplayPath(path))},
                               {"status", static_cast<int>(status)},
                               {"message", Text(StatusMessage(status))},
                               {"cause", cause.empty() ? QJsonValue() : Text(cause)},
                               {"damagedReferences", references}}));
    } else {
        // The status is the answer here, not a failure of the tool: it goes to standard output.
        std::ostream& report = Report(out, err);
        report << StatusMessage(status) << '\n';
        for (const DamagedReference& damage : damaged) {
            report << FormatDamagedReference(damage) << '\n';
        }
    }
    if (status != NDF_OK) {
        return status;
    }
    return !damaged.empty() && parser.isSet(StrictOption()) ? EXIT_FOUND : 0;
}
