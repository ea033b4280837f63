// The commands for after a rescan: apply-order, clean and diff, over the core's matching.
#include "cli/Commands.h"

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"

namespace {

QCommandLineOption OrderOnlyOption() {
    return QCommandLineOption(QStringLiteral("order-only"),
                              QStringLiteral("Keep FILE's favorite groups (renumbered); take only the channel order."));
}

QCommandLineOption DryRunOption() {
    return QCommandLineOption(QStringLiteral("dry-run"), QStringLiteral("Report what would go; write nothing."));
}

QCommandLineOption EmptyTranspondersOption() {
    return QCommandLineOption(QStringLiteral("empty-transponders"),
                              QStringLiteral("Remove the transponders without programs too."));
}

QCommandLineOption ExitCodeOption() {
    return QCommandLineOption(QStringLiteral("exit-code"),
                              QStringLiteral("Exit with 1 when the files differ, 0 when they do not."));
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
    NetworkDatabase reference;
    if (const NdfStatus status = LoadDatabase(positional[0], reference, err); status != NDF_OK)
        return status;
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[1], database, err); status != NDF_OK)
        return status;
    const ApplyOrderPlan plan = PlanApplyOrder(reference, database);
    ApplyOrder(database, plan, true, !parser.isSet(OrderOnlyOption()));
    const QString target = parser.isSet(OutputOption()) ? parser.value(OutputOption()) : positional[1];
    if (const NdfStatus status = SaveDatabase(database, target, err); status != NDF_OK)
        return status;
    out << ApplyOrderSummary(plan, DisplayPath(positional[1])) << '\n';
    return 0;
}

// ---- clean ----

const char* CleanCommand::Summary() const {
    return "Remove duplicate and broken records";
}

const char* CleanCommand::Description() const {
    return "Removes programs that repeat an earlier program (same transponder and service ID; their\n"
           "favorite entries go to the earlier one), transponders that repeat an earlier one of their\n"
           "network (same frequency, polarity and symbol rate; their programs move to it), favorite\n"
           "entries that name no program or repeat an entry of their list, and programs whose\n"
           "transponder does not exist. Prints each group with its count and the removed records,\n"
           "then saves; the stamp is handled as by sort.";
}

std::vector<CommandArgument> CleanCommand::Arguments() const {
    return {{"FILE", "the NDF file to clean"}};
}

QList<QCommandLineOption> CleanCommand::Options() const {
    return {OutputOption(), DryRunOption(), EmptyTranspondersOption()};
}

int CleanCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                          std::ostream& err) {
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[0], database, err); status != NDF_OK)
        return status;
    CleanUpOptions options;
    options.on[CLEAN_EMPTY_TRANSPONDERS] = parser.isSet(EmptyTranspondersOption());
    const CleanUpPlan plan = FindCleanUp(database, options);
    if (!parser.isSet(DryRunOption())) {
        ApplyCleanUp(database, plan);
        const QString target = parser.isSet(OutputOption()) ? parser.value(OutputOption()) : positional[0];
        if (const NdfStatus status = SaveDatabase(database, target, err); status != NDF_OK)
            return status;
    }
    out << CleanUpReport(plan);
    return 0;
}

// ---- diff ----

const char* DiffCommand::Summary() const {
    return "Show what differs between two files";
}

const char* DiffCommand::Description() const {
    return "Compares satellites by slot, transponders by position, polarity and frequency (within 2 MHz),\n"
           "programs as apply-order pairs them, the channel order (the fewest programs that moved, with\n"
           "their old and new channel numbers) and the favorite groups by number. Prints one line per\n"
           "difference under a heading with its count, or \"No differences.\"; stamps are not compared.";
}

std::vector<CommandArgument> DiffCommand::Arguments() const {
    return {{"A", "the first NDF file"}, {"B", "the second NDF file"}};
}

QList<QCommandLineOption> DiffCommand::Options() const {
    return {ExitCodeOption()};
}

int DiffCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                         std::ostream& err) {
    NetworkDatabase a;
    if (const NdfStatus status = LoadDatabase(positional[0], a, err); status != NDF_OK)
        return status;
    NetworkDatabase b;
    if (const NdfStatus status = LoadDatabase(positional[1], b, err); status != NDF_OK)
        return status;
    const DatabaseDiff diff = CompareDatabases(a, b);
    out << diff.Text();
    return parser.isSet(ExitCodeOption()) && !diff.Empty() ? 1 : 0;
}
