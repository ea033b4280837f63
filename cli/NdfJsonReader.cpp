// Reading "ndftool build"'s JSON document into a database, every field and reference checked.
#include "cli/NdfJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1StringView>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

// Where a value sits in the document, as a chain up to the root; turned into text only for a message.
struct Where {
    const Where* parent = nullptr;
    const char* key = nullptr; // a member, "" for the document itself; nullptr for an array element
    size_t index = 0;

    std::string Text() const {
        if (key != nullptr && *key == '\0') {
            return std::string();
        }
        std::string prefix = parent != nullptr ? parent->Text() : std::string();
        if (key != nullptr) {
            return prefix.empty() ? std::string(key) : prefix + "." + key;
        }
        return prefix + "[" + std::to_string(index) + "]";
    }
};

Where MemberOf(const Where* parent, const char* key) {
    return Where{parent, key, 0};
}

Where ElementOf(const Where* parent, size_t index) {
    return Where{parent, nullptr, index};
}

std::string NumberText(double value) {
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Describe(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return value.toBool() ? "true" : "false";
    case QJsonValue::Double:
        return "the number " + NumberText(value.toDouble());
    case QJsonValue::String:
        return "a string";
    case QJsonValue::Array:
        return "an array";
    case QJsonValue::Object:
        return "an object";
    default:
        return "nothing";
    }
}

class Reader {
public:
    std::string error;
    bool allowDamaged = false;

    bool Fail(const Where& where, const std::string& what) {
        if (error.empty()) {
            const std::string place = where.Text();
            error = (place.empty() ? std::string("document") : place) + ": " + what;
        }
        return false;
    }

    // Every key present and no other.
    bool Keys(const QJsonObject& object, const Where& where, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            if (!object.contains(QLatin1StringView(key))) {
                return Fail(MemberOf(&where, key), "missing");
            }
        }
        if (static_cast<size_t>(object.size()) == keys.size()) {
            return true;
        }
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            bool known = false;
            for (const char* key : keys) {
                known = known || it.key() == QLatin1StringView(key);
            }
            if (!known) {
                return Fail(where, "unknown key \"" + it.key().toStdString() + "\"");
            }
        }
        return true;
    }

    bool Object(const QJsonValue& value, const Where& where, QJsonObject& object) {
        if (!value.isObject()) {
            return Fail(where, "expected an object, found " + Describe(value));
        }
        object = value.toObject();
        return true;
    }

    bool Array(const QJsonValue& value, const Where& where, size_t maxCount, QJsonArray& array) {
        if (!value.isArray()) {
            return Fail(where, "expected an array, found " + Describe(value));
        }
        array = value.toArray();
        if (static_cast<size_t>(array.size()) > maxCount) {
            return Fail(where, std::to_string(array.size()) + " entries, at most " + std::to_string(maxCount));
        }
        return true;
    }

    bool Integer(const QJsonValue& value, const Where& where, int64_t min, int64_t max, int64_t& result) {
        if (!value.isDouble()) {
            return Fail(where, "expected an integer, found " + Describe(value));
        }
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::floor(number) != number) {
            return Fail(where, NumberText(number) + " is not an integer");
        }
        if (number < static_cast<double>(min) || number > static_cast<double>(max)) {
            return Fail(where, NumberText(number) + " is outside " + std::to_string(min) + ".." + std::to_string(max));
        }
        result = static_cast<int64_t>(number);
        return true;
    }

    template <typename T> bool Field(const QJsonObject& object, const Where& where, const char* key, T& field) {
        int64_t number = 0;
        if (!Integer(object.value(QLatin1StringView(key)), MemberOf(&where, key), std::numeric_limits<T>::min(),
                     std::numeric_limits<T>::max(), number)) {
            return false;
        }
        field = static_cast<T>(number);
        return true;
    }

    // An index into a collection of count records.
    template <typename T>
    bool Reference(const QJsonValue& value, const Where& where, size_t count, const char* collection, T& field) {
        int64_t number = 0;
        if (!Integer(value, where, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), number)) {
            return false;
        }
        if (static_cast<size_t>(number) >= count && !allowDamaged) {
            if (count == 0) {
                return Fail(where, std::to_string(number) + " refers to nothing: " + collection +
                                       " is empty (--allow-damaged writes it as it is)");
            }
            return Fail(where, std::to_string(number) + " is outside 0.." + std::to_string(count - 1) +
                                   ", the indices of " + collection + " (--allow-damaged writes it as it is)");
        }
        field = static_cast<T>(number);
        return true;
    }

    bool Name(const QJsonObject& object, const Where& where, const char* key, std::string& name) {
        const Where at = MemberOf(&where, key);
        const QJsonValue value = object.value(QLatin1StringView(key));
        if (!value.isString()) {
            return Fail(at, "expected a string, found " + Describe(value));
        }
        const QString text = value.toString();
        name.clear();
        name.reserve(static_cast<size_t>(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i].unicode();
            if (unit > 0xFF) {
                char32_t code = unit;
                if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                    code = QChar::surrogateToUcs4(unit, text[i + 1].unicode());
                }
                char hex[16];
                const std::to_chars_result result =
                    std::to_chars(hex, hex + sizeof hex, static_cast<uint32_t>(code), 16);
                std::string codeText(hex, result.ptr);
                for (char& c : codeText) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
                codeText.insert(0, codeText.size() < 4 ? 4 - codeText.size() : 0, '0');
                return Fail(at, "character " + std::to_string(i + 1) + " is U+" + codeText +
                                    "; a name holds only U+0000..U+00FF, one byte each");
            }
            name += static_cast<char>(unit);
        }
        if (name.size() > MAX_NAME_BYTES) {
            return Fail(at, std::to_string(name.size()) + " characters, at most " + std::to_string(MAX_NAME_BYTES));
        }
        return true;
    }

    bool PidEntries(const QJsonObject& record, const Where& where, const char* key, PidList& list) {
        const Where at = MemberOf(&where, key);
        QJsonArray array;
        if (!Array(record.value(QLatin1StringView(key)), at, MAX_PID_ENTRIES, array)) {
            return false;
        }
        list.pids.reserve(static_cast<size_t>(array.size()));
        list.languages.reserve(static_cast<size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i) {
            const Where entryAt = ElementOf(&at, static_cast<size_t>(i));
            QJsonObject entry;
            uint16_t pid = 0;
            uint8_t language = 0;
            if (!Object(array.at(i), entryAt, entry) || !Keys(entry, entryAt, {"pid", "language"}) ||
                !Field(entry, entryAt, "pid", pid) || !Field(entry, entryAt, "language", language)) {
                return false;
            }
            list.Append(pid, language);
        }
        return true;
    }

    bool IndexList(const QJsonObject& record, const Where& where, const char* key, size_t programCount,
                   std::vector<uint16_t>& list) {
        const Where at = MemberOf(&where, key);
        QJsonArray array;
        if (!Array(record.value(QLatin1StringView(key)), at, MAX_COUNT16, array)) {
            return false;
        }
        list.resize(static_cast<size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!Reference(array.at(i), ElementOf(&at, static_cast<size_t>(i)), programCount, "programs",
                           list[static_cast<size_t>(i)])) {
                return false;
            }
        }
        return true;
    }

    // Reads the array at root[key] (at most maxCount entries), one record per element.
    template <typename Record, typename ReadRecord>
    bool Collection(const QJsonObject& root, const char* key, size_t maxCount, NetworkDatabase& db,
                    Record& (NetworkDatabase::*append)(Record), ReadRecord readRecord) {
        const Where at = MemberOf(nullptr, key);
        QJsonArray array;
        if (!Array(root.value(QLatin1StringView(key)), at, maxCount, array)) {
            return false;
        }
        for (qsizetype i = 0; i < array.size(); ++i) {
            const Where recordAt = ElementOf(&at, static_cast<size_t>(i));
            QJsonObject object;
            Record record;
            if (!Object(array.at(i), recordAt, object) || !readRecord(object, recordAt, record)) {
                return false;
            }
            (db.*append)(std::move(record));
        }
        return true;
    }
};

bool ReadDocument(Reader& in, const QJsonObject& root, NetworkDatabase& db) {
    const Where top{nullptr, "", 0};
    const Where versionAt = MemberOf(nullptr, "version");
    uint8_t version = 0;
    if (!in.Keys(root, top,
                 {"version", "stampYear", "stampMonth", "stampDay", "formatFlags", "antennaConfigs", "networks",
                  "transponders", "programs", "favoriteGroups"}) ||
        !in.Field(root, top, "version", version)) {
        return false;
    }
    if (version != JSON_FORMAT_VERSION) {
        return in.Fail(versionAt, "format version " + std::to_string(version) + " is not supported (only 1)");
    }
    db.version = version;
    if (!in.Field(root, top, "stampYear", db.stampYear) || !in.Field(root, top, "stampMonth", db.stampMonth) ||
        !in.Field(root, top, "stampDay", db.stampDay) || !in.Field(root, top, "formatFlags", db.formatFlags)) {
        return false;
    }

    const bool antennasRead = in.Collection(
        root, "antennaConfigs", MAX_COUNT8, db, &NetworkDatabase::AppendAntennaConfig,
        [&](const QJsonObject& o, const Where& at, AntennaConfig& a) {
            return in.Keys(o, at, {"diseqcMode", "lnbSupply", "switchPort", "lnbType", "lnbFreq", "lnbFreqH"}) &&
                   in.Field(o, at, "diseqcMode", a.diseqcMode) && in.Field(o, at, "lnbSupply", a.lnbSupply) &&
                   in.Field(o, at, "switchPort", a.switchPort) && in.Field(o, at, "lnbType", a.lnbType) &&
                   in.Field(o, at, "lnbFreq", a.lnbFreq) && in.Field(o, at, "lnbFreqH", a.lnbFreqH);
        });
    if (!antennasRead) {
        return false;
    }

    const size_t antennaCount = db.antennaConfigs().size();
    const bool networksRead = in.Collection(
        root, "networks", MAX_COUNT8, db, &NetworkDatabase::AppendNetwork,
        [&](const QJsonObject& o, const Where& at, Network& n) {
            return in.Keys(o, at, {"name", "position", "positionerId", "antennaIndex", "skewV", "skewH"}) &&
                   in.Name(o, at, "name", n.name) && in.Field(o, at, "position", n.position) &&
                   in.Field(o, at, "positionerId", n.positionerId) &&
                   in.Reference(o.value(QLatin1StringView("antennaIndex")), MemberOf(&at, "antennaIndex"), antennaCount,
                                "antennaConfigs", n.antennaIndex) &&
                   in.Field(o, at, "skewV", n.skewV) && in.Field(o, at, "skewH", n.skewH);
        });
    if (!networksRead) {
        return false;
    }

    const size_t networkCount = db.networks().size();
    const bool transpondersRead = in.Collection(
        root, "transponders", MAX_COUNT16, db, &NetworkDatabase::AppendTransponder,
        [&](const QJsonObject& o, const Where& at, Transponder& t) {
            return in.Keys(o, at,
                           {"name", "frequency", "symbolRate", "polFec", "freqDrift", "networkIndex", "gmtError"}) &&
                   in.Name(o, at, "name", t.name) && in.Field(o, at, "frequency", t.frequency) &&
                   in.Field(o, at, "symbolRate", t.symbolRate) && in.Field(o, at, "polFec", t.polFec) &&
                   in.Field(o, at, "freqDrift", t.freqDrift) &&
                   in.Reference(o.value(QLatin1StringView("networkIndex")), MemberOf(&at, "networkIndex"), networkCount,
                                "networks", t.networkIndex) &&
                   in.Field(o, at, "gmtError", t.gmtError);
        });
    if (!transpondersRead) {
        return false;
    }

    const size_t transponderCount = db.transponders().size();
    const bool programsRead = in.Collection(
        root, "programs", MAX_COUNT16, db, &NetworkDatabase::AppendProgram,
        [&](const QJsonObject& o, const Where& at, Program& p) {
            return in.Keys(o, at,
                           {"name", "serviceId", "pmtPid", "pcrPid", "videoPids", "audioPids", "teletextPids", "caMask",
                            "attributes", "attributes2", "transponderIndex"}) &&
                   in.Name(o, at, "name", p.name) && in.Field(o, at, "serviceId", p.serviceId) &&
                   in.Field(o, at, "pmtPid", p.pmtPid) && in.Field(o, at, "pcrPid", p.pcrPid) &&
                   in.PidEntries(o, at, "videoPids", p.videoPids) && in.PidEntries(o, at, "audioPids", p.audioPids) &&
                   in.PidEntries(o, at, "teletextPids", p.teletextPids) && in.Field(o, at, "caMask", p.caMask) &&
                   in.Field(o, at, "attributes", p.attributes) && in.Field(o, at, "attributes2", p.attributes2) &&
                   in.Reference(o.value(QLatin1StringView("transponderIndex")), MemberOf(&at, "transponderIndex"),
                                transponderCount, "transponders", p.transponderIndex);
        });
    if (!programsRead) {
        return false;
    }

    const size_t programCount = db.programs().size();
    return in.Collection(root, "favoriteGroups", MAX_COUNT8, db, &NetworkDatabase::AppendFavoriteGroup,
                         [&](const QJsonObject& o, const Where& at, FavoriteGroup& g) {
                             return in.Keys(o, at, {"name", "tvList", "radioList"}) && in.Name(o, at, "name", g.name) &&
                                    in.IndexList(o, at, "tvList", programCount, g.tvList) &&
                                    in.IndexList(o, at, "radioList", programCount, g.radioList);
                         });
}

} // namespace

bool DatabaseFromJson(const QByteArray& document, NetworkDatabase& database, std::string& error, bool allowDamaged) {
    database.Clear();
    error.clear();

    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const qsizetype offset = std::clamp<qsizetype>(parseError.offset, 0, document.size());
        const qsizetype lineStart = document.lastIndexOf('\n', offset - 1) + 1;
        const qsizetype line = document.left(offset).count('\n') + 1;
        error = "JSON syntax error at line " + std::to_string(line) + ", column " +
                std::to_string(offset - lineStart + 1) + ": " + parseError.errorString().toStdString();
        return false;
    }
    if (!json.isObject()) {
        error = "document: expected a JSON object, found " + std::string(json.isArray() ? "an array" : "nothing");
        return false;
    }

    Reader reader;
    reader.allowDamaged = allowDamaged;
    NetworkDatabase built;
    if (!ReadDocument(reader, json.object(), built)) {
        error = reader.error;
        return false;
    }
    built.keepStamp = true;
    database = std::move(built);
    return true;
}
