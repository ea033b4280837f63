#include "cli/Commands.h"
#include "cli/NdfJson.h"

namespace {

QCommandLineOption AllowDamagedOption() {
    return QCommandLineOption(QStringLiteral("allow-damaged"),
                              QStringLiteral("Write references that name no record as they are, as \"ndftool dump\" "
                                             "shows them for a damaged file."));
}

} // namespace

const char* BuildCommand::Summary() const {
    return "Write a file from a JSON document (the inverse of dump)";
}

const char* BuildCommand::Description() const {
    return "Reads a JSON document in the form that \"ndftool dump\" prints and writes it to OUT as an\n"
           "NDF file, with the stamp exactly as given (build never stamps the current date).\n"
           "The document needs every key and no other; \"version\" must be 1. Every number must fit\n"
           "its field, every reference must name an existing record (antennaIndex, networkIndex,\n"
           "transponderIndex, the entries of tvList and radioList), names hold only U+0000..U+00FF\n"
           "and at most 255 characters, PID lists at most 255 entries. A bad document is reported\n"
           "with the record and field concerned, nothing is written, and the exit status is 3.\n"
           "\n"
           "The dump of a file with damaged references holds references that name no record; with\n"
           "--allow-damaged they are written as they are (each still has to fit its field), so that\n"
           "such a file survives dump and build unchanged.";
}

std::vector<CommandArgument> BuildCommand::Arguments() const {
    return {{"JSON", "the document to read"}, {"OUT", "the NDF file to write", ARGUMENT_OUTPUT}};
}

QList<QCommandLineOption> BuildCommand::Options() const {
    return {AllowDamagedOption()};
}

int BuildCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                          std::ostream& err) {
    const QString& jsonPath = positional[0];
    std::string document;
    if (const NdfStatus status = ReadInput(jsonPath, document, err); status != NDF_OK) {
        return status;
    }
    NetworkDatabase database;
    std::string error;
    if (!DatabaseFromJson(QByteArray::fromStdString(document), database, error, parser.isSet(AllowDamagedOption()))) {
        Fail(err, DisplayPath(jsonPath) + ": " + error);
        return EXIT_REFUSED;
    }
    Warn(err, DroppedFieldsNotice(database));
    return SaveDatabase(database, positional[1], out, err);
}
