// Paths travel through the core as the file system's own bytes; on Windows, whose file system
// names are UTF-16, as UTF-8, which the core opens as wide paths.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

inline std::string ToNativePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

inline QString FromNativePath(const std::string& path) {
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}
