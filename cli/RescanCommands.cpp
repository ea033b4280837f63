// ndftool apply-order: the order and favorite groups of a reference file, over the core's matching.
#include "cli/Commands.h"
#include "cli/JsonReport.h"

#include "rescan/ApplyOrder.h"

namespace {

QCommandLineOption OrderOnlyOption() {
    return QCommandLineOption(QStringLiteral("order-only"),
                              QStringLiteral("Keep FILE's favorite groups (renumbered); take only the channel order."));
}

} // namespace

// ---- apply-order ----

const char* ApplyOrderCommand::Summary() const {
    return "Take the channel order and favorite groups of another file";
}

const char* ApplyOrderCommand::Description() const {
    return "Pairs the programs of FILE with those of REFERENCE: by network position, polarity, service ID\n"
           "and a frequency within 2 MHz, then by name at the same position. The paired programs take\n"
           "REFERENCE's channel order, the others follow in their order; the favorite groups become\n"
           "REFERENCE's first eight, each entry given to its partner in FILE. Prints what was paired and\n"
           "saves; the stamp is handled as by sort.";
}

std::vector<CommandArgument> ApplyOrderCommand::Arguments() const {
    return {{"REFERENCE", "the NDF file whose order and groups to take"}, {"FILE", "the NDF file to arrange"}};
}

QList<QCommandLineOption> ApplyOrderCommand::Options() const {
    return {OutputOption(), OrderOnlyOption()};
}

int ApplyOrderCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                               std::ostream& err) {
    const QString target = TargetOf(parser, positional[1], err);
    if (target.isEmpty())
        return EXIT_USAGE;
    NetworkDatabase reference;
    if (const NdfStatus status = LoadDatabase(positional[0], reference, err); status != NDF_OK)
        return status;
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[1], database, err); status != NDF_OK)
        return status;
    const ApplyOrderPlan plan = PlanApplyOrder(reference, database);
    ApplyOrder(database, plan, true, !parser.isSet(OrderOnlyOption()));
    if (const NdfStatus status = SaveDatabase(database, target, out, err); status != NDF_OK)
        return status;
    Report(out, err, target) << ApplyOrderSummary(plan, DisplayPath(positional[1])) << '\n';
    return 0;
}
