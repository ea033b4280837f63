// The --json reports of ndftool: one indented JSON object on standard output.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// A UTF-8 text of the core (names already in their display form) as a JSON string.
inline QJsonValue Text(const std::string& text) {
    return QString::fromStdString(text);
}

inline QJsonArray TextArray(const std::vector<std::string>& lines) {
    QJsonArray array;
    for (const std::string& line : lines) {
        array.append(Text(line));
    }
    return array;
}

// An object from ASCII keys, in the given order of reading (QJsonObject sorts them on output).
inline QJsonObject Object(std::initializer_list<std::pair<const char*, QJsonValue>> members) {
    QJsonObject object;
    for (const auto& [key, value] : members) {
        object.insert(QLatin1StringView(key), value);
    }
    return object;
}

inline void WriteJson(std::ostream& out, const QJsonObject& object) {
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    out.write(bytes.constData(), bytes.size());
}
