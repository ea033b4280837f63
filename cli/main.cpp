#include "cli/Ndftool.h"
#include "database/AtomicFile.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    IgnoreFileSizeSignal(); // a file-size limit fails the write with a message instead
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ndftool"));
    return RunNdftool(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
