// Paths travel through the core as the file system's own bytes; on Windows, whose file system
// names are UTF-16, as UTF-8, which the core opens as wide paths. The editor and ndftool both
// convert through these functions, which need Qt Core only.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>
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

// The same path for std::filesystem, which on Windows takes UTF-16.
inline std::filesystem::path ToFileSystemPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(ToNativePath(path));
#endif
}
