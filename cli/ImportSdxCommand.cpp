#include "cli/Commands.h"
#include "import/SatcodxImport.h"
#include "ui/NativePath.h"

#include <QTemporaryFile>

namespace {

std::string Counted(size_t count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

} // namespace

const char* ImportSdxCommand::Summary() const {
    return "Fill a network from a SATCODX listing";
}

const char* ImportSdxCommand::Description() const {
    return "Reads the SATCODX listing (.SDX) and fills network slot NETWORK_SLOT (counted from 0) of\n"
           "FILE: every SATCODX 03 line sets the network's name and orbital position and adds its\n"
           "transponder unless the network already has one with the same frequency, polarity and\n"
           "symbol rate. Then saves (today's date as the stamp unless the file carries a version\n"
           "stamp) and prints how many lines matched and how many transponders were added.";
}

std::vector<CommandArgument> ImportSdxCommand::Arguments() const {
    return {{"FILE", "the NDF file to change"},
            {"NETWORK_SLOT", "the network slot to fill, from 0", ARGUMENT_VALUE},
            {"LISTING", "the SATCODX listing to read"}};
}

QList<QCommandLineOption> ImportSdxCommand::Options() const {
    return {OutputOption()};
}

int ImportSdxCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                              std::ostream& err) {
    const QString& path = positional[0];
    const QString& listing = positional[2];
    bool isNumber = false;
    const uint slot = positional[1].toUInt(&isNumber, 10);
    if (!isNumber) {
        return UsageError(err, "NETWORK_SLOT \"" + positional[1].toStdString() + "\" is not a slot number");
    }
    const QString target = TargetOf(parser, path, err);
    if (target.isEmpty()) {
        return EXIT_USAGE;
    }

    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(path, database, err); status != NDF_OK) {
        return status;
    }
    if (slot >= database.networks().size()) {
        const std::string range = database.networks().empty()
                                      ? std::string("it has no networks")
                                      : "its slots are 0.." + std::to_string(database.networks().size() - 1);
        return UsageError(err, "network slot " + std::to_string(slot) + " names no network of " + DisplayPath(path) +
                                   ": " + range);
    }

    // The import reads a file line by line: a listing on standard input goes through a temporary copy.
    QString listingPath = listing;
    QTemporaryFile copy;
    if (IsStandardStream(listing)) {
        std::string text;
        if (const NdfStatus read = ReadInput(listing, text, err); read != NDF_OK) {
            return read;
        }
        if (!copy.open() ||
            copy.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
            !copy.flush()) {
            Fail(err, "standard input: " + std::string(StatusMessage(NDF_FILE_CRASHED)) + " (" +
                          copy.errorString().toStdString() + ")");
            return NDF_FILE_CRASHED;
        }
        listingPath = copy.fileName();
    }
    SatcodxImportResult result;
    const NdfStatus status = ImportSatcodx(database, *database.networks()[slot], ToNativePath(listingPath), &result);
    if (status != NDF_OK) {
        const std::string cause = status == NDF_NO_FILE_FOUND ? ReadFailureCause(listing) : std::string();
        Fail(err, DisplayPath(listing) + ": " + StatusMessage(status) + (cause.empty() ? "" : " (" + cause + ")"));
        return status;
    }
    if (const NdfStatus saved = SaveDatabase(database, target, out, err); saved != NDF_OK) {
        return saved;
    }
    Report(out, err, target) << Counted(result.matchedLines, "line", "lines") << " matched, "
                             << Counted(result.addedTransponders, "transponder", "transponders") << " added.\n";
    return 0;
}
