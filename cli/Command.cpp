#include "cli/Command.h"

#include <QFile>

#include <algorithm>

std::string LocalPath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString(); // UTF-8, which the core opens as a wide path
#else
    return QFile::encodeName(path).toStdString();
#endif
}

std::string DisplayPath(const QString& path) {
    return path.toStdString();
}

namespace {

void AppendColumns(std::string& text, const std::vector<std::pair<std::string, std::string>>& rows) {
    size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.first.size());
    }
    for (const auto& row : rows) {
        text += "  ";
        text += row.first;
        text.append(width - row.first.size() + 2, ' ');
        text += row.second;
        text += '\n';
    }
}

QCommandLineOption HelpOption() {
    return QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("Show this help."));
}

} // namespace

std::string Command::HelpText() const {
    std::string text = "Usage: ndftool ";
    text += Name();
    text += " [options]";
    const std::vector<CommandArgument> arguments = Arguments();
    for (const CommandArgument& argument : arguments) {
        text += ' ';
        text += argument.name;
    }
    text += "\n\n";
    text += Description();
    text += '\n';

    if (!arguments.empty()) {
        text += "\nArguments:\n";
        std::vector<std::pair<std::string, std::string>> rows;
        for (const CommandArgument& argument : arguments) {
            rows.emplace_back(argument.name, argument.description);
        }
        AppendColumns(text, rows);
    }

    text += "\nOptions:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    QList<QCommandLineOption> options = Options();
    options.append(HelpOption());
    for (const QCommandLineOption& option : options) {
        std::string names;
        for (const QString& name : option.names()) {
            if (!names.empty()) {
                names += ", ";
            }
            names += (name.size() == 1 ? "-" : "--") + name.toStdString();
        }
        if (!option.valueName().isEmpty()) {
            names += " " + option.valueName().toStdString();
        }
        rows.emplace_back(names, option.description().toStdString());
    }
    AppendColumns(text, rows);
    return text;
}

int Command::Run(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption help = HelpOption();
    parser.addOption(help);
    for (const QCommandLineOption& option : Options()) {
        parser.addOption(option);
    }
    // The parser takes the program name first.
    if (!parser.parse(QStringList{QStringLiteral("ndftool")} + arguments)) {
        return UsageError(err, parser.errorText().toStdString());
    }
    if (parser.isSet(help)) {
        out << HelpText();
        return 0;
    }

    const QStringList positional = parser.positionalArguments();
    const std::vector<CommandArgument> expected = Arguments();
    if (static_cast<size_t>(positional.size()) < expected.size()) {
        return UsageError(err, std::string("missing ") + expected[static_cast<size_t>(positional.size())].name);
    }
    if (static_cast<size_t>(positional.size()) > expected.size()) {
        return UsageError(err, "unexpected argument \"" +
                                   positional[static_cast<qsizetype>(expected.size())].toStdString() + "\"");
    }
    for (qsizetype i = 0; i < positional.size(); ++i) {
        // The core reads an empty path as "ask the user", which a command line cannot do.
        if (positional[i].isEmpty()) {
            return UsageError(err, std::string(expected[static_cast<size_t>(i)].name) + " is empty");
        }
    }
    return Execute(parser, positional, out, err);
}

void Command::Fail(std::ostream& err, const std::string& message) {
    err << "ndftool: " << message << '\n';
}

int Command::UsageError(std::ostream& err, const std::string& message) const {
    Fail(err, std::string(Name()) + ": " + message);
    err << "Run \"ndftool " << Name() << " --help\" for its usage.\n";
    return EXIT_USAGE;
}

NdfStatus Command::LoadDatabase(const QString& path, NetworkDatabase& database, std::ostream& err,
                                std::vector<uint8_t>* image) {
    std::vector<uint8_t> ownImage;
    std::vector<uint8_t>& bytes = image != nullptr ? *image : ownImage;
    NdfStatus status = database.Open(LocalPath(path), bytes);
    if (status == NDF_OK) {
        status = database.Parse(bytes);
    }
    if (status != NDF_OK) {
        Fail(err, DisplayPath(path) + ": " + StatusMessage(status));
    }
    return status;
}

NdfStatus Command::SaveDatabase(NetworkDatabase& database, const QString& path, std::ostream& err) {
    std::error_code cause;
    const NdfStatus status = database.Save(LocalPath(path), &cause);
    if (status != NDF_OK) {
        std::string message = DisplayPath(path) + ": " + StatusMessage(status);
        const std::string problem = status == NDF_TOO_LARGE ? database.LimitProblem()
                                    : cause                 ? cause.message()
                                                            : std::string();
        if (!problem.empty()) {
            message += " (" + problem + ")";
        }
        Fail(err, message);
    }
    return status;
}
