// ndftool clean: removes what rescans leave behind, as the editor's Clean Up does.
#include "cli/Commands.h"
#include "cli/JsonReport.h"
#include "cli/RescanJson.h"

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
    return "Removes programs that repeat an earlier program (same transponder and service ID, and\n"
           "where the service ID is 0 the same PIDs; their favorite entries go to the earlier one),\n"
           "transponders that repeat an earlier one of their satellite (same polarity and symbol rate,\n"
           "frequencies within 2 MHz; their programs move to it), favorite entries that name no program\n"
           "or repeat an entry of their list, and programs whose transponder does not exist. Prints\n"
           "each group with its count and one line per removed record, channels by their number in the\n"
           "TV or radio list, as in: TV 49 \"ZDF HD\" on \"Astra 1\" 19.2E 11953 H, service ID 28006: same as\n"
           "TV 12 \"ZDF\". Then saves; the stamp is handled as by sort.\n"
           "\n"
           "--json prints {\"file\", \"written\" (the file saved, or null with --dry-run), \"removed\"\n"
           "(the number of findings), \"rules\": [{\"rule\" (the group's heading), \"count\", \"found\"\n"
           "(one text per finding), \"findings\" (the same as records: \"text\", and by rule \"channel\"\n"
           "{\"list\", \"number\", \"name\"}, \"serviceId\", \"transponder\" {\"frequency\", \"polarity\",\n"
           "\"symbolRate\", \"satellite\" {\"name\", \"position\"}}, \"sameAs\", \"missingTransponder\",\n"
           "\"channelsMoved\", \"group\", \"groupName\", \"list\", \"entry\", \"program\", \"repeats\")}]}.";
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
        std::vector<std::string> found;
        QJsonArray findings;
        for (const CleanUpFinding& finding : plan.findings[rule]) {
            if (!finding.applies)
                continue;
            found.push_back(FormatCleanUpFinding(finding));
            findings.append(CleanUpFindingJson(finding));
        }
        removed += found.size();
        rules.append(Object({{"rule", Text(CleanUpRuleName(rule))},
                             {"count", static_cast<qint64>(found.size())},
                             {"found", TextArray(found)},
                             {"findings", findings}}));
    }
    WriteJson(report, Object({{"file", Text(DisplayPath(positional[0]))},
                              {"written", dryRun ? QJsonValue() : Text(DisplayPath(target, true))},
                              {"removed", static_cast<qint64>(removed)},
                              {"rules", rules}}));
    return 0;
}
