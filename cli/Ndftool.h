// ndftool: the command-line companion of the editor. The executable is a thin main around RunNdftool,
// so tests run every command in process.
#pragma once

#include <QStringList>

#include <istream>
#include <ostream>
#include <string>

// Runs ndftool with the arguments that follow the program name; returns the exit status.
// "-" file arguments read in (standard input); normal output goes to out, messages prefixed with
// "ndftool: " to err.
int RunNdftool(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

// The text of "ndftool --help".
std::string NdftoolHelpText();
