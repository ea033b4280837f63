// The ndftool subcommands.
#pragma once

#include "cli/Command.h"

// check FILE [--strict] [--json]: the file's status text ("OK", "Bad checksum", ...) on standard output, then
// one line per damaged reference; exit status = the status code (1 with --strict when references are damaged).
class CheckCommand : public Command {
public:
    const char* Name() const override { return "check"; }
    bool OffersJson() const override { return true; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// info FILE: a readable summary of the header and the collections.
class InfoCommand : public Command {
public:
    const char* Name() const override { return "info"; }
    bool OffersJson() const override { return true; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// dump FILE: the database as one JSON document.
class DumpCommand : public Command {
public:
    const char* Name() const override { return "dump"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// build JSON OUT [--allow-damaged]: the inverse of dump; writes nothing unless the whole document is sound.
class BuildCommand : public Command {
public:
    const char* Name() const override { return "build"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// new OUT: the 64-slot new database.
class NewCommand : public Command {
public:
    const char* Name() const override { return "new"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// sort FILE [-o OUT]: networks by orbital position, from 180.0 degrees west eastwards.
class SortCommand : public Command {
public:
    const char* Name() const override { return "sort"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// import-sdx FILE NETWORK_SLOT LISTING [-o OUT]: fills one network from a SATCODX listing.
class ImportSdxCommand : public Command {
public:
    const char* Name() const override { return "import-sdx"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// apply-order REFERENCE FILE [-o OUT] [--order-only]: the channel order and favorite groups of
// REFERENCE, given to the matching programs of FILE.
class ApplyOrderCommand : public Command {
public:
    const char* Name() const override { return "apply-order"; }
    bool OffersJson() const override { return true; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// clean FILE [-o OUT] [--dry-run] [--empty-transponders]: removes duplicate and broken records.
class CleanCommand : public Command {
public:
    const char* Name() const override { return "clean"; }
    bool OffersJson() const override { return true; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// diff A B [--exit-code]: what differs between two files.
class DiffCommand : public Command {
public:
    const char* Name() const override { return "diff"; }
    bool OffersJson() const override { return true; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// export FILE [--format csv|html] [--scope SCOPE] [-o OUT]: the channel list as CSV or a web page.
class ExportCommand : public Command {
public:
    const char* Name() const override { return "export"; }
    const char* Summary() const override;
    const char* Description() const override;
    std::vector<CommandArgument> Arguments() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    int Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                std::ostream& err) override;
};

// The -o option of the commands that save in place by default.
QCommandLineOption OutputOption();
