// ndftool diff: what differs between two files, as the editor's Compare with File shows it.
#include "cli/Commands.h"
#include "cli/JsonReport.h"

#include "rescan/Compare.h"

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
    return "Compares satellites by slot, transponders by position, polarity and frequency (within 2 MHz),\n"
           "programs as apply-order pairs them, the channel order (the fewest programs that moved, with\n"
           "their old and new channel numbers) and the favorite groups by number. Prints one line per\n"
           "difference under a heading with its count, or \"No differences.\"; stamps are not compared.\n"
           "Positions are written as 19.2E or 0.8W.\n"
           "\n"
           "--json prints {\"a\", \"b\" (the files), \"different\" (true or false), \"sections\":\n"
           "[{\"title\", \"count\", \"lines\" (one text per difference)}]}.";
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
        for (const DatabaseDiff::Section& section : diff.sections) {
            sections.append(Object({{"title", Text(section.title)},
                                    {"count", static_cast<qint64>(section.lines.size())},
                                    {"lines", TextArray(section.lines)}}));
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
