// One ndftool subcommand: its help, its option parsing and its work. Output goes to the streams the
// caller hands in, so that tests can run commands in process.
#pragma once

#include "database/NetworkDatabase.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

// Exit status for usage and every error that has no NdfStatus of its own.
constexpr int EXIT_USAGE = 1;

struct CommandArgument {
    const char* name;        // e.g. "FILE"
    const char* description; // one line
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

    // Parses the arguments that follow the command name and runs the command; returns the exit status.
    int Run(const QStringList& arguments, std::ostream& out, std::ostream& err);
    std::string HelpText() const;

protected:
    // Runs with parsed options; positional holds exactly Arguments().size() entries.
    virtual int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                        std::ostream& err) = 0;

    // Writes "ndftool: <message>" on a line of its own.
    static void Fail(std::ostream& err, const std::string& message);
    // Reports a usage problem with a pointer to the help; returns EXIT_USAGE.
    int UsageError(std::ostream& err, const std::string& message) const;

    // Reads and parses an NDF file; on failure reports it and returns its status (never NDF_OK).
    static NdfStatus LoadDatabase(const QString& path, NetworkDatabase& database, std::ostream& err,
                                  std::vector<uint8_t>* image = nullptr);
    // Saves the database to path; on failure reports it and returns its status.
    static NdfStatus SaveDatabase(NetworkDatabase& database, const QString& path, std::ostream& err);
};

// A path as the file functions of the core take it: the local 8-bit encoding, UTF-8 on Windows.
std::string LocalPath(const QString& path);
// A path for messages (UTF-8).
std::string DisplayPath(const QString& path);
