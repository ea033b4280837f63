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
            "Exit status: 0 on success; 1 for usage errors and bad JSON documents; otherwise the\n"
            "status code of the file that could not be read or written: 6 no file found, 7 file\n"
            "crashed, 8 creating file failed, 9 invalid NDF format, 10 bad checksum, 11 NDF version\n"
            "not supported, 12 database too large for the file format.\n";
    return text;
}

int RunNdftool(const QStringList& arguments, std::ostream& out, std::ostream& err) {
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
    return command->Run(arguments.mid(1), out, err);
}
