// ndftool apply-order: the order and favorite groups of a reference file, over the core's matching.
#include "cli/Commands.h"
#include "cli/JsonReport.h"
#include "cli/RescanJson.h"

#include "rescan/ApplyOrder.h"

namespace {

QCommandLineOption OrderOnlyOption() {
    return QCommandLineOption(QStringLiteral("order-only"),
                              QStringLiteral("Keep FILE's favorite groups (renumbered); take only the channel order."));
}

} // namespace

// ---- apply-order ----

namespace {

QCommandLineOption NoOrderOption() {
    return QCommandLineOption(QStringLiteral("no-order"), QStringLiteral("Keep FILE's channel order."));
}

QCommandLineOption NoGroupsOption() {
    return QCommandLineOption(QStringLiteral("no-groups"),
                              QStringLiteral("Keep FILE's favorite groups (renumbered with the order)."));
}

QCommandLineOption NoMarksOption() {
    return QCommandLineOption(QStringLiteral("no-marks"),
                              QStringLiteral("Keep FILE's locks, skips and \"Don't update\" marks, and its names."));
}

QCommandLineOption NamesOption() {
    return QCommandLineOption(QStringLiteral("names"), QStringLiteral("Take every name from REFERENCE."));
}

QCommandLineOption StrictOption() {
    return QCommandLineOption(QStringLiteral("strict"),
                              QStringLiteral("Exit with 1 when a favorite of REFERENCE could not be placed."));
}

QCommandLineOption ApplyDryRunOption() {
    return QCommandLineOption(QStringLiteral("dry-run"), QStringLiteral("Report what would be done; write nothing."));
}

// "TV 12 "ZDF HD", "Astra 1KR" 19.2E, 11954 H, SID 28006, favorites: Main, Sport": one channel
// of a list, numbered as in its file.
std::string DescribeChannel(const NetworkDatabase& db, const PlannedChannel& channel, uint32_t number) {
    std::string line =
        std::string(channel.radio ? "Radio " : "TV ") + std::to_string(number) + " " + Quoted(channel.name) + ", ";
    if (channel.satellite != NO_PARTNER) {
        const Network& network = *db.networks()[channel.satellite];
        line += Quoted(network.name) + " " + DescribePosition(network.position);
    } else {
        line += "no satellite";
    }
    if (channel.hasTransponder)
        line += ", " + std::to_string(channel.frequency) + " " + PolarityLetter(channel.polarity);
    line += ", SID " + std::to_string(channel.serviceId);
    for (size_t g = 0; g < channel.groups.size(); ++g)
        line += (g == 0 ? ", favorites: " : ", ") + NameForDisplay(GroupName(db, channel.groups[g]));
    return line;
}

std::string DescribeSatellite(const NetworkDatabase& db, uint32_t slot) {
    const Network& network = *db.networks()[slot];
    return Quoted(network.name) + " " + DescribePosition(network.position);
}

} // namespace

const char* ApplyOrderCommand::Summary() const {
    return "Take the channel order, favorites, locks and kept names of another file";
}

const char* ApplyOrderCommand::Description() const {
    static const std::string text =
        "Pairs the channels of FILE with those of REFERENCE, " + MatchingToleranceWords() +
        ":\n"
        "satellites by equal position, else the nearest within the tolerance; then, TV and radio apart,\n"
        "channels by polarity, service ID and frequency within the tolerance, by a service ID found once\n"
        "on the satellite in both files, and by name without regard to case, surrounding spaces and a\n"
        "trailing \" HD\", \" SD\" or \" UHD\". Channels without a service ID pair by name and PIDs only.\n"
        "\n"
        "The paired channels take REFERENCE's channel order, the others follow in their order; the\n"
        "favorite groups become REFERENCE's first eight, each entry given to its partner; each paired\n"
        "channel takes its partner's locks, skips and \"Don't update\" marks, and its name where that\n"
        "has \"Don't update name\". Prints a summary line, the channels of REFERENCE not found in FILE\n"
        "(numbered as in REFERENCE, with their favorite groups) and the channels of FILE without a\n"
        "partner (numbered as written), one per line, and saves; the stamp is handled as by sort. A\n"
        "satellite of REFERENCE with channels and no partner in FILE is warned about.\n"
        "\n"
        "--json prints {\"reference\", \"file\", \"written\" (the file saved, or null with --dry-run),\n"
        "\"referenceChannels\", \"paired\": {\"total\", \"byKey\", \"byServiceId\", \"byName\"},\n"
        "\"favoriteEntriesNotPlaced\", \"satellites\": [{\"reference\", \"here\" (each {\"name\",\n"
        "\"position\"} or null), \"referenceChannels\", \"paired\", \"channelsHere\"}], \"notFound\" and\n"
        "\"withoutPartner\": [{\"text\", \"list\", \"number\", \"name\", \"satellite\", \"frequency\",\n"
        "\"polarity\", \"serviceId\", \"favorites\"}]}.";
    return text.c_str();
}

std::vector<CommandArgument> ApplyOrderCommand::Arguments() const {
    return {{"REFERENCE", "the NDF file whose arrangement to take"}, {"FILE", "the NDF file to arrange"}};
}

QList<QCommandLineOption> ApplyOrderCommand::Options() const {
    return {OutputOption(), NoOrderOption(), NoGroupsOption(),  NoMarksOption(),
            NamesOption(),  StrictOption(),  OrderOnlyOption(), ApplyDryRunOption()};
}

int ApplyOrderCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                               std::ostream& err) {
    const bool dryRun = parser.isSet(ApplyDryRunOption());
    const QString target = dryRun ? QString() : TargetOf(parser, positional[1], err);
    if (!dryRun && target.isEmpty())
        return EXIT_USAGE;
    NetworkDatabase reference;
    if (const NdfStatus status = LoadDatabase(positional[0], reference, err); status != NDF_OK)
        return status;
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[1], database, err); status != NDF_OK)
        return status;
    const bool orderOnly = parser.isSet(OrderOnlyOption());
    ApplyOrderOptions options;
    options.order = !parser.isSet(NoOrderOption());
    options.groups = !parser.isSet(NoGroupsOption()) && !orderOnly;
    options.marks = !parser.isSet(NoMarksOption()) && !orderOnly;
    options.names = parser.isSet(NamesOption());
    const ApplyOrderPlan plan = PlanApplyOrder(reference, database);
    const std::string referenceName = DisplayPath(positional[0]);
    const std::string fileName = DisplayPath(positional[1]);
    for (const PlannedSatellite& satellite : plan.satellites) {
        if (satellite.referenceSlot != NO_PARTNER && satellite.targetSlot == NO_PARTNER && satellite.referenceChannels)
            Warn(err, "satellite " + DescribeSatellite(reference, satellite.referenceSlot) + " of " + referenceName +
                          " has no partner in " + fileName + ": its " + std::to_string(satellite.referenceChannels) +
                          " channels are not placed");
    }
    // The channels here keep their numbers unless the order changes: then they follow the paired ones.
    std::vector<uint32_t> numberOf(database.programs().size());
    {
        uint32_t counts[2] = {0, 0};
        for (size_t j = 0; j < numberOf.size(); ++j) {
            const uint32_t t = options.order ? plan.newOrder[j] : static_cast<uint32_t>(j);
            numberOf[t] = ++counts[database.programs()[t]->IsRadio() ? 1 : 0];
        }
    }
    if (!dryRun) {
        ApplyOrder(database, plan, options);
        if (const NdfStatus status = SaveDatabase(database, target, out, err); status != NDF_OK)
            return status;
    }
    const ProgramMatching& m = plan.matching;
    std::ostream& report = Report(out, err, target);
    const int status = parser.isSet(StrictOption()) && options.groups && plan.favoritesNotPlaced > 0 ? EXIT_FOUND : 0;
    if (Json()) {
        QJsonArray satellites, notFound, withoutPartner;
        for (const PlannedSatellite& satellite : plan.satellites)
            satellites.append(PlannedSatelliteJson(reference, database, satellite));
        for (const PlannedChannel& channel : plan.notFoundHere)
            notFound.append(PlannedChannelJson(reference, channel, channel.number,
                                               DescribeChannel(reference, channel, channel.number)));
        for (const PlannedChannel& channel : plan.withoutPartner)
            withoutPartner.append(PlannedChannelJson(database, channel, numberOf[channel.program],
                                                     DescribeChannel(database, channel, numberOf[channel.program])));
        WriteJson(report, Object({{"reference", Text(referenceName)},
                                  {"file", Text(fileName)},
                                  {"written", dryRun ? QJsonValue() : Text(DisplayPath(target, true))},
                                  {"referenceChannels", static_cast<qint64>(reference.programs().size())},
                                  {"paired", Object({{"total", static_cast<qint64>(m.Matched())},
                                                     {"byKey", static_cast<qint64>(m.byKey)},
                                                     {"byServiceId", static_cast<qint64>(m.byServiceId)},
                                                     {"byName", static_cast<qint64>(m.byName)}})},
                                  {"favoriteEntriesNotPlaced", static_cast<qint64>(plan.favoritesNotPlaced)},
                                  {"satellites", satellites},
                                  {"notFound", notFound},
                                  {"withoutPartner", withoutPartner}}));
        return status;
    }
    report << "Paired " << m.Matched() << " of " << reference.programs().size() << " channels of " << referenceName
           << " (" << m.byKey << " by key, " << m.byServiceId << " by service ID, " << m.byName << " by name); "
           << "not found in " << fileName << ": " << plan.notFoundHere.size()
           << ", without a partner: " << plan.withoutPartner.size()
           << ", favorite entries not placed: " << plan.favoritesNotPlaced << "\n";
    report << "Channels of " << referenceName << " not found in " << fileName << ": " << plan.notFoundHere.size()
           << "\n";
    for (const PlannedChannel& channel : plan.notFoundHere)
        report << "  " << DescribeChannel(reference, channel, channel.number) << "\n";
    report << "Channels of " << fileName << " without a partner: " << plan.withoutPartner.size() << "\n";
    for (const PlannedChannel& channel : plan.withoutPartner)
        report << "  " << DescribeChannel(database, channel, numberOf[channel.program]) << "\n";
    return status;
}
