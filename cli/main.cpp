#include "cli/Ndftool.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ndftool"));
    return RunNdftool(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
