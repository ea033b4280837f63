#include "cli/Commands.h"

const char* NewCommand::Summary() const {
    return "Write a new database with 64 empty network slots";
}

const char* NewCommand::Description() const {
    return "Writes the new database to OUT: 64 empty network slots, each with a default antenna\n"
           "configuration, no transponders, programs or favorite groups, format flags 4, and today's\n"
           "date as the stamp. An existing OUT is replaced.";
}

std::vector<CommandArgument> NewCommand::Arguments() const {
    return {{"OUT", "the NDF file to write", ARGUMENT_OUTPUT}};
}

int NewCommand::Execute(const QCommandLineParser&, const QStringList& positional, std::ostream& out,
                        std::ostream& err) {
    NetworkDatabase database;
    database.NewDefault();
    return SaveDatabase(database, positional[0], out, err);
}
