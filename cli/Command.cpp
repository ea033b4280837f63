#include "cli/Command.h"
#include "cli/Commands.h"
#include "ui/NativePath.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

bool IsStandardStream(const QString& path) {
    return path == QStringLiteral("-");
}

std::string DisplayPath(const QString& path, bool written) {
    if (IsStandardStream(path)) {
        return written ? "standard output" : "standard input";
    }
    return path.toStdString();
}

namespace {

std::string ErrorText(std::errc error) {
    return std::make_error_code(error).message();
}

// The system's words for a failed look at path; empty when the look succeeded.
std::string StatusFailure(const fs::path& path, fs::file_status& status) {
    std::error_code error;
    status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return ErrorText(std::errc::no_such_file_or_directory);
    }
    return error ? error.message() : std::string();
}

} // namespace

std::string ReadFailureCause(const QString& path) {
    fs::file_status status;
    if (std::string cause = StatusFailure(ToFileSystemPath(path), status); !cause.empty()) {
        return cause;
    }
    if (fs::is_directory(status)) {
        return ErrorText(std::errc::is_a_directory);
    }
    if (!fs::is_regular_file(status)) {
        return "not a regular file";
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? std::string() : file.errorString().toStdString();
}

std::string WriteFailureCause(const QString& path, size_t size) {
    const fs::path target = ToFileSystemPath(path);
    fs::file_status status;
    StatusFailure(target, status);
    if (fs::is_directory(status)) {
        return ErrorText(std::errc::is_a_directory);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (std::string cause = StatusFailure(folder, status); !cause.empty()) {
        return cause;
    }
    if (!fs::is_directory(status)) {
        return ErrorText(std::errc::not_a_directory);
    }
#ifndef _WIN32
    // Permission denied, read-only file system.
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return std::error_code(errno, std::generic_category()).message();
    }
#endif
    std::error_code error;
    const fs::space_info space = fs::space(folder, error);
    if (!error && space.available < size) {
        return ErrorText(std::errc::no_space_on_device);
    }
    return std::string();
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

QCommandLineOption QuietOption() {
    return QCommandLineOption(
        QStringList{QStringLiteral("q"), QStringLiteral("quiet")},
        QStringLiteral("Print nothing but errors; data asked for on standard output is still written."));
}

QCommandLineOption JsonOption() {
    return QCommandLineOption(QStringLiteral("json"),
                              QStringLiteral("Print the report as one JSON object (its members are listed above)."));
}

// Discards what is written to it.
std::ostream& NullStream() {
    static std::ostream stream(nullptr);
    return stream;
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
            std::string description = argument.description;
            if (argument.kind == ARGUMENT_INPUT) {
                description += " (\"-\": standard input)";
            } else if (argument.kind == ARGUMENT_OUTPUT) {
                description += " (\"-\": standard output)";
            }
            rows.emplace_back(argument.name, description);
        }
        AppendColumns(text, rows);
    }

    text += "\nOptions:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    QList<QCommandLineOption> options = Options();
    if (OffersJson()) {
        options.append(JsonOption());
    }
    options.append(QuietOption());
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
    text += "\nExit status: see \"ndftool --help\".\n";
    return text;
}

int Command::Run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    in_ = &in;
    QCommandLineParser parser;
    const QCommandLineOption help = HelpOption();
    parser.addOption(help);
    parser.addOption(QuietOption());
    if (OffersJson()) {
        parser.addOption(JsonOption());
    }
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
    quiet_ = parser.isSet(QuietOption());
    json_ = OffersJson() && parser.isSet(JsonOption());
    if (quiet_ && json_) {
        return UsageError(err, "--json and --quiet exclude each other");
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
    int readsStandardInput = 0;
    for (qsizetype i = 0; i < positional.size(); ++i) {
        const CommandArgument& argument = expected[static_cast<size_t>(i)];
        // The core reads an empty path as "ask the user", which a command line cannot do.
        if (positional[i].isEmpty()) {
            return UsageError(err, std::string(argument.name) + " is empty");
        }
        if (argument.kind == ARGUMENT_INPUT && IsStandardStream(positional[i])) {
            ++readsStandardInput;
        }
    }
    if (readsStandardInput > 1) {
        return UsageError(err, "standard input (\"-\") can be read for one argument only");
    }
    return Execute(parser, positional, out, err);
}

void Command::Fail(std::ostream& err, const std::string& message) {
    err << "ndftool: " << message << '\n';
}

void Command::Warn(std::ostream& err, const std::string& text) const {
    if (quiet_) {
        return;
    }
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        Fail(err, "warning: " + text.substr(start, end - start));
        start = end + 1;
    }
}

int Command::UsageError(std::ostream& err, const std::string& message) const {
    Fail(err, std::string(Name()) + ": " + message);
    err << "Run \"ndftool " << Name() << " --help\" for its usage.\n";
    return EXIT_USAGE;
}

std::ostream& Command::Report(std::ostream& out, std::ostream& err, const QString& target) const {
    if (quiet_) {
        return NullStream();
    }
    return IsStandardStream(target) ? err : out;
}

QString Command::TargetOf(const QCommandLineParser& parser, const QString& file, std::ostream& err) const {
    if (parser.isSet(OutputOption())) {
        const QString target = parser.value(OutputOption());
        if (target.isEmpty()) {
            UsageError(err, "OUT is empty");
        }
        return target;
    }
    if (IsStandardStream(file)) {
        UsageError(err, "FILE is standard input: give -o OUT (\"-o -\" writes standard output)");
        return QString();
    }
    return file;
}

NdfStatus Command::ReadInput(const QString& path, std::string& bytes, std::ostream& err) {
    if (IsStandardStream(path)) {
        bytes.assign(std::istreambuf_iterator<char>(*in_), std::istreambuf_iterator<char>());
        if (in_->bad()) {
            Fail(err, "standard input: " + std::string(StatusMessage(NDF_FILE_CRASHED)));
            return NDF_FILE_CRASHED;
        }
        return NDF_OK;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const std::string cause = ReadFailureCause(path);
        Fail(err,
             DisplayPath(path) + ": " + StatusMessage(NDF_NO_FILE_FOUND) + (cause.empty() ? "" : " (" + cause + ")"));
        return NDF_NO_FILE_FOUND;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Fail(err, DisplayPath(path) + ": " + StatusMessage(NDF_FILE_CRASHED) + " (" + file.errorString().toStdString() +
                      ")");
        return NDF_FILE_CRASHED;
    }
    bytes.assign(content.constData(), static_cast<size_t>(content.size()));
    return NDF_OK;
}

NdfStatus Command::LoadDatabase(const QString& path, NetworkDatabase& database, std::ostream& err,
                                std::vector<uint8_t>* image) {
    std::vector<uint8_t> ownImage;
    std::vector<uint8_t>& bytes = image != nullptr ? *image : ownImage;
    NdfStatus status = NDF_OK;
    if (IsStandardStream(path)) {
        std::string text;
        if (const NdfStatus read = ReadInput(path, text, err); read != NDF_OK) {
            return read;
        }
        bytes.assign(text.begin(), text.end());
        status = CheckImage(bytes.data(), bytes.size());
    } else {
        status = database.Open(ToNativePath(path), bytes);
    }
    if (status == NDF_OK) {
        status = database.Parse(bytes);
    }
    if (status != NDF_OK) {
        const std::string cause = status == NDF_NO_FILE_FOUND ? ReadFailureCause(path) : std::string();
        Fail(err, DisplayPath(path) + ": " + StatusMessage(status) + (cause.empty() ? "" : " (" + cause + ")"));
    }
    return status;
}

NdfStatus Command::WriteOutput(const std::string& bytes, std::ostream& out, std::ostream& err) {
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        const int error = errno;
        const std::string cause =
            error != 0 ? " (" + std::error_code(error, std::generic_category()).message() + ")" : std::string();
        Fail(err, "standard output: " + std::string(StatusMessage(NDF_CREATE_FAILED)) + cause);
        return NDF_CREATE_FAILED;
    }
    return NDF_OK;
}

void Command::FailWrite(std::ostream& err, const QString& target, NdfStatus status, size_t size) {
    const std::string cause = WriteFailureCause(target, size);
    Fail(err, DisplayPath(target, true) + ": " + StatusMessage(status) + (cause.empty() ? "" : " (" + cause + ")"));
}

NdfStatus Command::SaveDatabase(NetworkDatabase& database, const QString& path, std::ostream& out, std::ostream& err) {
    NdfStatus status = NDF_OK;
    std::vector<uint8_t> image;
    std::error_code cause; // the system's reason for a failed save, where it gives one
    if (IsStandardStream(path)) {
        status = database.Serialize(image) == 0 ? NDF_TOO_LARGE : NDF_OK;
        if (status == NDF_OK) {
            return WriteOutput(std::string(image.begin(), image.end()), out, err);
        }
    } else {
        status = database.Save(ToNativePath(path), &cause);
    }
    if (status == NDF_TOO_LARGE) {
        const std::string problem = database.LimitProblem();
        Fail(err,
             DisplayPath(path, true) + ": " + StatusMessage(status) + (problem.empty() ? "" : " (" + problem + ")"));
    } else if (status != NDF_OK && cause) {
        Fail(err, DisplayPath(path, true) + ": " + StatusMessage(status) + " (" + cause.message() + ")");
    } else if (status != NDF_OK) {
        database.Serialize(image);
        FailWrite(err, path, status, image.size());
    }
    return status;
}
