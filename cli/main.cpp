#include "cli/Ndftool.h"
#include "database/AtomicFile.h"

#include <QCoreApplication>

#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    IgnoreFileSizeSignal(); // a file-size limit fails the write with a message instead
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ndftool"));
#ifdef _WIN32
    // Databases pass through "-" byte for byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return RunNdftool(QCoreApplication::arguments().mid(1), std::cin, std::cout, std::cerr);
}
