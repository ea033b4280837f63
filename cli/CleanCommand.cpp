// ndftool clean: removes what rescans leave behind, as the editor's Clean Up does.
#include "cli/Commands.h"
#include "cli/JsonReport.h"

#include "rescan/CleanUp.h"

namespace {

QCommandLineOption DryRunOption() {
    return QCommandLineOption(QStringLiteral("dry-run"), QStringLiteral("Report what would go; write nothing."));
}

QCommandLineOption EmptyTranspondersOption() {
    return QCommandLineOption(QStringLiteral("empty-transponders"),
                              QStringLiteral("Remove the transponders without programs too."));
}

} // namespace

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
           "then saves; the stamp is handled as by sort.\n"
           "\n"
           "--json prints {\"file\", \"written\" (the file saved, or null with --dry-run), \"removed\"\n"
           "(the number of findings), \"rules\": [{\"rule\" (the group's heading), \"count\", \"found\"\n"
           "(one text per finding)}]}.";
}

std::vector<CommandArgument> CleanCommand::Arguments() const {
    return {{"FILE", "the NDF file to clean"}};
}

QList<QCommandLineOption> CleanCommand::Options() const {
    return {OutputOption(), DryRunOption(), EmptyTranspondersOption()};
}

int CleanCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                          std::ostream& err) {
    const bool dryRun = parser.isSet(DryRunOption());
    const QString target = dryRun ? QString() : TargetOf(parser, positional[0], err);
    if (!dryRun && target.isEmpty())
        return EXIT_USAGE;
    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[0], database, err); status != NDF_OK)
        return status;
    CleanUpOptions options;
    options.on[CLEAN_EMPTY_TRANSPONDERS] = parser.isSet(EmptyTranspondersOption());
    const CleanUpPlan plan = FindCleanUp(database, options);
    if (!dryRun) {
        ApplyCleanUp(database, plan);
        if (const NdfStatus status = SaveDatabase(database, target, out, err); status != NDF_OK)
            return status;
    }
    std::ostream& report = Report(out, err, target);
    if (!Json()) {
        report << CleanUpReport(plan);
        return 0;
    }
    QJsonArray rules;
    size_t removed = 0;
    for (int rule = 0; rule < CLEAN_RULE_COUNT; ++rule) {
        if (!plan.options.on[rule])
            continue;
        removed += plan.Count(rule);
        rules.append(Object({{"rule", Text(CleanUpRuleName(rule))},
                             {"count", static_cast<qint64>(plan.Count(rule))},
                             {"found", TextArray(plan.found[rule])}}));
    }
    WriteJson(report, Object({{"file", Text(DisplayPath(positional[0]))},
                              {"written", dryRun ? QJsonValue() : Text(DisplayPath(target, true))},
                              {"removed", static_cast<qint64>(removed)},
                              {"rules", rules}}));
    return 0;
}
