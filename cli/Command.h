// One ndftool subcommand: its help, its option parsing and its work. Input and output go through the
// streams the caller hands in, so that tests can run commands in process.
#pragma once

#include "database/NetworkDatabase.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Exit statuses besides 0 and the NdfStatus codes (5..12) of a file that cannot be read or written.
constexpr int EXIT_FOUND = 1;   // a difference or damage was found, where the command was asked to tell
constexpr int EXIT_USAGE = 2;   // a usage error: unknown command or option, missing or bad argument
constexpr int EXIT_REFUSED = 3; // the input is readable but cannot be used: a bad JSON document, ...

// "-" as a file argument: standard input where a file is read, standard output where one is written.
bool IsStandardStream(const QString& path);

enum ArgumentKind {
    ARGUMENT_INPUT,  // a file that is read; "-" reads standard input
    ARGUMENT_OUTPUT, // a file that is written; "-" writes standard output
    ARGUMENT_VALUE,  // anything else
};

struct CommandArgument {
    const char* name;        // e.g. "FILE"
    const char* description; // one line
    ArgumentKind kind = ARGUMENT_INPUT;
};

class Command {
public:
    virtual ~Command() = default;

    virtual const char* Name() const = 0;
    // One line for the command list of "ndftool --help".
    virtual const char* Summary() const = 0;
    // The paragraph under the usage line of "ndftool <name> --help".
    virtual const char* Description() const = 0;
    virtual std::vector<CommandArgument> Arguments() const = 0;
    virtual QList<QCommandLineOption> Options() const { return {}; }
    // Whether the command offers --json, a machine-readable form of its report.
    virtual bool OffersJson() const { return false; }

    // Parses the arguments that follow the command name and runs the command; returns the exit status.
    // "-" arguments read from in and write to out.
    int Run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);
    std::string HelpText() const;

protected:
    // Runs with parsed options; positional holds exactly Arguments().size() entries.
    virtual int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                        std::ostream& err) = 0;

    // Set by Run from --quiet and --json.
    bool Quiet() const { return quiet_; }
    bool Json() const { return json_; }

    // Writes "ndftool: <message>" on a line of its own.
    static void Fail(std::ostream& err, const std::string& message);
    // Writes "ndftool: warning: <line>" for each line of text, unless --quiet is set.
    void Warn(std::ostream& err, const std::string& text) const;
    // Reports a usage problem with a pointer to the help; returns EXIT_USAGE.
    int UsageError(std::ostream& err, const std::string& message) const;
    // Where the report of a command goes: nowhere with --quiet, to standard error while the
    // database itself goes to standard output, to out otherwise.
    std::ostream& Report(std::ostream& out, std::ostream& err, const QString& target = QString()) const;

    // Reads and parses an NDF file ("-": standard input); on failure reports it, with its cause where the
    // system tells it, and returns its status (never NDF_OK).
    NdfStatus LoadDatabase(const QString& path, NetworkDatabase& database, std::ostream& err,
                           std::vector<uint8_t>* image = nullptr);
    // Reads a whole file ("-": standard input) into bytes; on failure reports it and returns its status.
    NdfStatus ReadInput(const QString& path, std::string& bytes, std::ostream& err);
    // Saves the database to path ("-": out); on failure reports it and returns its status.
    NdfStatus SaveDatabase(NetworkDatabase& database, const QString& path, std::ostream& out, std::ostream& err);
    // Writes bytes to out; on failure reports "standard output: Creating file failed (cause)".
    static NdfStatus WriteOutput(const std::string& bytes, std::ostream& out, std::ostream& err);
    // Reports that target could not be written, with the cause where it can be found.
    static void FailWrite(std::ostream& err, const QString& target, NdfStatus status, size_t size = 0);
    // The target of a command that changes FILE: -o OUT when given, else FILE itself. Empty, after a
    // usage error was reported, when OUT is empty or FILE is standard input and no -o was given.
    QString TargetOf(const QCommandLineParser& parser, const QString& file, std::ostream& err) const;

    std::istream* in_ = nullptr;

private:
    bool quiet_ = false;
    bool json_ = false;
};

// A path for messages (UTF-8); "standard input" or "standard output" for "-".
std::string DisplayPath(const QString& path, bool written = false);
// Why a file could not be opened for reading, as the system words it ("Is a directory", "Permission
// denied"); empty when the system does not say.
std::string ReadFailureCause(const QString& path);
// Why a file of size bytes could not be written at path ("No such file or directory", "Is a
// directory", "Permission denied", "No space left on device"); empty when nothing explains it.
std::string WriteFailureCause(const QString& path, size_t size);
