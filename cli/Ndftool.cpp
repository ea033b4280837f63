#include "cli/Ndftool.h"
#include "cli/Commands.h"

#include <memory>

namespace {

std::vector<std::unique_ptr<Command>> MakeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<DumpCommand>());
    commands.push_back(std::make_unique<BuildCommand>());
    commands.push_back(std::make_unique<NewCommand>());
    commands.push_back(std::make_unique<SortCommand>());
    commands.push_back(std::make_unique<ImportSdxCommand>());
    commands.push_back(std::make_unique<ApplyOrderCommand>());
    commands.push_back(std::make_unique<CleanCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    return commands;
}

Command* FindCommand(const std::vector<std::unique_ptr<Command>>& commands, const QString& name) {
    for (const auto& command : commands) {
        if (name == QLatin1StringView(command->Name())) {
            return command.get();
        }
    }
    return nullptr;
}

int Unknown(std::ostream& err, const std::string& what) {
    err << "ndftool: " << what << "\nRun \"ndftool --help\" for the list of commands.\n";
    return EXIT_USAGE;
}

} // namespace

std::string NdftoolHelpText() {
    std::string text = "Usage: ndftool COMMAND [options] ARGUMENTS...\n"
                       "\n"
                       "Checks, describes, converts and edits NDF channel database files.\n"
                       "\n"
                       "Commands:\n";
    for (const auto& command : MakeCommands()) {
        std::string name = command->Name();
        name.resize(12, ' ');
        text += "  " + name + command->Summary() + "\n";
    }
    text += "\n"
            "Run \"ndftool COMMAND --help\" for the arguments and options of a command.\n"
            "\n"
            "A FILE argument of \"-\" reads standard input, \"-o -\" writes standard output.\n"
            "Every command takes --quiet (-q): nothing is printed but errors. check, info,\n"
            "apply-order, diff and clean take --json: the report as one JSON object.\n"
            "\n"
            "Exit status:\n"
            "  0   success\n"
            "  1   found where asked: damaged references (check --strict), favorites not placed\n"
            "      (apply-order --strict), differences (diff --exit-code, diff --quiet)\n"
            "  2   usage error: unknown command or option, missing, empty or bad argument\n"
            "  3   input that cannot be used: a JSON document that build refuses, networks\n"
            "      that sort cannot move\n"
            "  5   Insufficient memory         9   Invalid NDF format\n"
            "  6   No file found               10  Bad checksum\n"
            "  7   File crashed                11  NDF Version not supported\n"
            "  8   Creating file failed        12  Too many records for the NDF format\n"
            "      (5 to 12: the status of the file that could not be read or written)\n";
    return text;
}

int RunNdftool(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) {
        return Unknown(err, "no command given");
    }
    const QString& first = arguments.first();
    const std::vector<std::unique_ptr<Command>> commands = MakeCommands();

    if (first == QStringLiteral("-h") || first == QStringLiteral("--help") || first == QStringLiteral("help")) {
        if (arguments.size() == 1) {
            out << NdftoolHelpText();
            return 0;
        }
        if (first == QStringLiteral("help") && arguments.size() == 2) {
            if (Command* command = FindCommand(commands, arguments[1])) {
                out << command->HelpText();
                return 0;
            }
            return Unknown(err, "unknown command \"" + arguments[1].toStdString() + "\"");
        }
        return Unknown(err, "unexpected argument \"" + arguments[1].toStdString() + "\"");
    }
    if (first == QStringLiteral("--version")) {
        out << "ndftool " << DISHLINE_VERSION << '\n';
        return 0;
    }
    if (first.startsWith(QLatin1Char('-'))) {
        return Unknown(err, "unknown option \"" + first.toStdString() + "\"; a command comes first");
    }
    Command* command = FindCommand(commands, first);
    if (command == nullptr) {
        return Unknown(err, "unknown command \"" + first.toStdString() + "\"");
    }
    return command->Run(arguments.mid(1), in, out, err);
}
