// ndftool diff: what differs between two files, as the editor's Compare with File shows it.
#include "cli/Commands.h"
#include "cli/JsonReport.h"
#include "cli/RescanJson.h"

#include "rescan/Compare.h"
#include "rescan/ProgramMatching.h"

namespace {

QCommandLineOption ExitCodeOption() {
    return QCommandLineOption(QStringLiteral("exit-code"),
                              QStringLiteral("Exit with 1 when the files differ, 0 when they do not (--quiet "
                                             "implies it)."));
}

} // namespace

// ---- diff ----

const char* DiffCommand::Summary() const {
    return "Show what differs between two files";
}

const char* DiffCommand::Description() const {
    static const std::string text =
        "Pairs what the files hold, " + MatchingToleranceWords() +
        ": satellites by position\n"
        "(equal, else the nearest within the tolerance) whatever their slots, transponders within\n"
        "paired satellites by polarity and frequency within the tolerance (a retuned transponder is one\n"
        "changed line, its old and new frequency), programs as apply-order pairs them, the channel\n"
        "order (the fewest programs that moved, with their old and new channel numbers) and the\n"
        "favorite groups by number. Prints one line per difference under a heading with its count, or\n"
        "\"No differences.\"; stamps are not compared. Channels are named by their number in the TV or\n"
        "radio list, positions as 19.2E or 0.8W, attributes by name (Lock, Skip, Scrambled, ...), all\n"
        "numbers in decimal.\n"
        "\n"
        "--json prints {\"a\", \"b\" (the files), \"different\" (true or false), \"sections\":\n"
        "[{\"title\", \"count\", \"lines\" (one text per difference), \"items\" (the same as records:\n"
        "\"text\", \"subject\" {\"kind\" (satellite, transponder, program or group), \"satellite\" {\"name\",\n"
        "\"position\"}, \"transponder\" {\"frequency\", \"polarity\", \"symbolRate\"}, \"channel\" {\"list\",\n"
        "\"number\", \"name\"}, \"serviceId\", \"group\" {\"number\", \"name\", \"tvEntries\",\n"
        "\"radioEntries\"}}, \"changes\": [{\"field\", \"a\", \"b\"}], values as numbers, texts, lists of\n"
        "attribute names, channels, or {\"missing\": index})}]}.";
    return text.c_str();
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
    if (Json()) {
        QJsonArray sections;
        for (int section = 0; section < DIFF_SECTION_COUNT; ++section) {
            std::vector<std::string> lines;
            QJsonArray items;
            for (const DiffLine& line : diff.lines) {
                if (line.section != section)
                    continue;
                lines.push_back(FormatDiffLine(line));
                items.append(DiffLineJson(line));
            }
            if (lines.empty())
                continue;
            sections.append(Object({{"title", Text(DiffSectionTitle(section))},
                                    {"count", static_cast<qint64>(lines.size())},
                                    {"lines", TextArray(lines)},
                                    {"items", items}}));
        }
        WriteJson(out, Object({{"a", Text(DisplayPath(positional[0]))},
                               {"b", Text(DisplayPath(positional[1]))},
                               {"different", !diff.Empty()},
                               {"sections", sections}}));
    } else {
        Report(out, err) << diff.Text();
    }
    const bool exitCode = parser.isSet(ExitCodeOption()) || Quiet();
    return exitCode && !diff.Empty() ? EXIT_FOUND : 0;
}
