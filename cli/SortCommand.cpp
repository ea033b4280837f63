#include "cli/Commands.h"

QCommandLineOption OutputOption() {
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Write the result to OUT instead of replacing FILE; needed when FILE is "
                                             "\"-\". \"-o -\" writes standard output, and the report goes "
                                             "to standard error."),
                              QStringLiteral("OUT"));
}

const char* SortCommand::Summary() const {
    return "Sort the networks by orbital position";
}

const char* SortCommand::Description() const {
    return "Orders the networks of FILE by orbital position from 180.0 degrees west eastwards (each with\n"
           "its antenna configuration; empty slots stay in place), then saves. Saving stamps today's\n"
           "date unless the file carries a version stamp, which is kept.";
}

std::vector<CommandArgument> SortCommand::Arguments() const {
    return {{"FILE", "the NDF file to sort"}};
}

QList<QCommandLineOption> SortCommand::Options() const {
    return {OutputOption()};
}

int SortCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                         std::ostream& err) {
    const QString target = TargetOf(parser, positional[0], err);
    if (target.isEmpty()) {
        return EXIT_USAGE;
    }
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[0], database, err); status != NDF_OK) {
        return status;
    }
    // Each network moves with the antenna configuration of its slot; without one per slot the core
    // moves nothing, which must not pass for "already in order".
    if (database.antennaConfigs().size() < database.networks().size()) {
        Fail(err, DisplayPath(positional[0]) + ": cannot sort " + std::to_string(database.networks().size()) +
                      " networks with only " + std::to_string(database.antennaConfigs().size()) +
                      " antenna configurations; nothing was written");
        return EXIT_REFUSED;
    }
    // 1800: positions from 180.0 degrees on come first, so the order runs from 180 west eastwards.
    const bool moved = database.SortByDegree(1800);
    if (const NdfStatus status = SaveDatabase(database, target, out, err); status != NDF_OK) {
        return status;
    }
    Report(out, err, target) << (moved ? "Networks sorted by orbital position.\n"
                                       : "Networks were already in order.\n");
    return 0;
}
