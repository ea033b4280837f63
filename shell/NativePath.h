// Paths travel through the core as the file system's own bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

inline std::string ToNativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline QString FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
