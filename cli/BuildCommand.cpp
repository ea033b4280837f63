#include "cli/Commands.h"
#include "cli/NdfJson.h"

#include <QFile>

#include <cstdio>

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
           "with the record and field concerned, and nothing is written. JSON \"-\" reads standard input.";
}

std::vector<CommandArgument> BuildCommand::Arguments() const {
    return {{"JSON", "the document to read (\"-\" for standard input)"}, {"OUT", "the NDF file to write"}};
}

int BuildCommand::Execute(const QCommandLineParser&, const QStringList& positional, std::ostream&, std::ostream& err) {
    const QString& jsonPath = positional[0];
    const QString& outPath = positional[1];

    QFile file;
    bool opened = false;
    if (jsonPath == QStringLiteral("-")) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(jsonPath);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        Fail(err, DisplayPath(jsonPath) + ": " + StatusMessage(NDF_NO_FILE_FOUND) + " (" +
                      file.errorString().toStdString() + ")");
        return NDF_NO_FILE_FOUND;
    }
    const QByteArray document = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Fail(err, DisplayPath(jsonPath) + ": " + StatusMessage(NDF_FILE_CRASHED) + " (" +
                      file.errorString().toStdString() + ")");
        return NDF_FILE_CRASHED;
    }

    NetworkDatabase database;
    std::string error;
    if (!DatabaseFromJson(document, database, error)) {
        Fail(err, DisplayPath(jsonPath) + ": " + error);
        return EXIT_USAGE;
    }
    const std::string notice = DroppedFieldsNotice(database);
    size_t start = 0;
    while (start < notice.size()) {
        const size_t end = notice.find('\n', start);
        Fail(err, "warning: " + notice.substr(start, end - start));
        start = end + 1;
    }
    return SaveDatabase(database, outPath, err);
}
