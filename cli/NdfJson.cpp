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

// ---------------------------------------------------------------- writing

void AppendInteger(std::string& text, int64_t value) {
    char buffer[24];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

// The ISO-8859-1 view of the bytes as a JSON string. Control characters (C0 and C1) are escaped so
// that the output stays readable; everything else is the character itself in UTF-8.
void AppendName(std::string& text, const std::string& bytes) {
    static const char hex[] = "0123456789ABCDEF";
    text += '"';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '"':
            text += "\\\"";
            break;
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        default:
            if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
                text += "\\u00";
                text += hex[byte >> 4];
                text += hex[byte & 0x0F];
            } else if (byte < 0x80) {
                text += c;
            } else {
                text += static_cast<char>(0xC0 | (byte >> 6));
                text += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
    }
    text += '"';
}

// One JSON object, one member per line, closing brace at the object's own indentation.
class ObjectOut {
public:
    ObjectOut(std::string& text, size_t indent) : text_(text), indent_(indent) { text_ += '{'; }

    std::string& Key(const char* key) {
        text_ += first_ ? "\n" : ",\n";
        first_ = false;
        text_.append(indent_ + 2, ' ');
        text_ += '"';
        text_ += key;
        text_ += "\": ";
        return text_;
    }
    void Integer(const char* key, int64_t value) { AppendInteger(Key(key), value); }
    void Name(const char* key, const std::string& name) { AppendName(Key(key), name); }
    void End() {
        if (!first_) {
            text_ += '\n';
            text_.append(indent_, ' ');
        }
        text_ += '}';
    }

private:
    std::string& text_;
    size_t indent_;
    bool first_ = true;
};

// Collections are members of the root object: their records sit at indentation 4.
template <typename Record, typename WriteRecord>
void WriteCollection(ObjectOut& root, const char* key, const std::vector<std::unique_ptr<Record>>& records,
                     WriteRecord writeRecord) {
    std::string& text = root.Key(key);
    if (records.empty()) {
        text += "[]";
        return;
    }
    text += '[';
    for (size_t i = 0; i < records.size(); ++i) {
        text += i == 0 ? "\n    " : ",\n    ";
        ObjectOut object(text, 4);
        writeRecord(object, *records[i]);
        object.End();
    }
    text += "\n  ]";
}

void WritePidList(ObjectOut& object, const char* key, const PidList& list) {
    std::string& text = object.Key(key);
    text += '[';
    const size_t count = list.Count();
    for (size_t i = 0; i < count; ++i) {
        text += i == 0 ? "{\"pid\": " : ", {\"pid\": ";
        // The two sequences have equal length; guard anyway rather than read past one.
        AppendInteger(text, i < list.pids.size() ? list.pids[i] : PID_NONE);
        text += ", \"language\": ";
        AppendInteger(text, list.languages[i]);
        text += '}';
    }
    text += ']';
}

void WriteIndexList(ObjectOut& object, const char* key, const std::vector<uint16_t>& list) {
    std::string& text = object.Key(key);
    text += '[';
    for (size_t i = 0; i < list.size(); ++i) {
        if (i != 0) {
            text += ", ";
        }
        AppendInteger(text, list[i]);
    }
    text += ']';
}

} // namespace

std::string DatabaseToJson(const NetworkDatabase& db) {
    std::string text;
    // Roughly what a program takes; saves most of the regrowth on large databases.
    text.reserve(4096 + db.programs().size() * 400 + db.transponders().size() * 200);

    ObjectOut root(text, 0);
    // The document's own format, not the database's version byte: every file is written as version 1.
    root.Integer("version", JSON_FORMAT_VERSION);
    root.Integer("stampYear", db.stampYear);
    root.Integer("stampMonth", db.stampMonth);
    root.Integer("stampDay", db.stampDay);
    root.Integer("formatFlags", db.formatFlags);
    WriteCollection(root, "antennaConfigs", db.antennaConfigs(), [](ObjectOut& o, const AntennaConfig& a) {
        o.Integer("diseqcMode", a.diseqcMode);
        o.Integer("lnbSupply", a.lnbSupply);
        o.Integer("switchPort", a.switchPort);
        o.Integer("lnbType", a.lnbType);
        o.Integer("lnbFreq", a.lnbFreq);
        o.Integer("lnbFreqH", a.lnbFreqH);
    });
    WriteCollection(root, "networks", db.networks(), [](ObjectOut& o, const Network& n) {
        o.Name("name", n.name);
        o.Integer("position", n.position);
        o.Integer("positionerId", n.positionerId);
        o.Integer("antennaIndex", n.antennaIndex);
        o.Integer("skewV", n.skewV);
        o.Integer("skewH", n.skewH);
    });
    WriteCollection(root, "transponders", db.transponders(), [](ObjectOut& o, const Transponder& t) {
        o.Name("name", t.name);
        o.Integer("frequency", t.frequency);
        o.Integer("symbolRate", t.symbolRate);
        o.Integer("polFec", t.polFec);
        o.Integer("freqDrift", t.freqDrift);
        o.Integer("networkIndex", t.networkIndex);
        o.Integer("gmtError", t.gmtError);
    });
    WriteCollection(root, "programs", db.programs(), [](ObjectOut& o, const Program& p) {
        o.Name("name", p.name);
        o.Integer("serviceId", p.serviceId);
        o.Integer("pmtPid", p.pmtPid);
        o.Integer("pcrPid", p.pcrPid);
        WritePidList(o, "videoPids", p.videoPids);
        WritePidList(o, "audioPids", p.audioPids);
        WritePidList(o, "teletextPids", p.teletextPids);
        o.Integer("caMask", p.caMask);
        o.Integer("attributes", p.attributes);
        o.Integer("attributes2", p.attributes2);
        o.Integer("transponderIndex", p.transponderIndex);
    });
    WriteCollection(root, "favoriteGroups", db.favoriteGroups(), [](ObjectOut& o, const FavoriteGroup& g) {
        o.Name("name", g.name);
        WriteIndexList(o, "tvList", g.tvList);
        WriteIndexList(o, "radioList", g.radioList);
    });
    root.End();
    text += '\n';
    return text;
}

std::string DroppedFieldsNotice(const NetworkDatabase& db) {
    std::string notice;
    if ((db.formatFlags & NDF_FLAG_TP_NAMES) == 0) {
        for (size_t i = 0; i < db.transponders().size(); ++i) {
            if (!db.transponders()[i]->name.empty()) {
                notice += "transponders[" + std::to_string(i) +
                          "].name and other transponder names are not stored: formatFlags lacks NDF_FLAG_TP_NAMES\n";
                break;
            }
        }
    }
    if ((db.formatFlags & NDF_FLAG_NET_SKEW) == 0) {
        for (size_t i = 0; i < db.networks().size(); ++i) {
            const Network& network = *db.networks()[i];
            if (network.skewV != Network().skewV || network.skewH != Network().skewH) {
                notice += "networks[" + std::to_string(i) +
                          "] and other skew angles are not stored: formatFlags lacks NDF_FLAG_NET_SKEW\n";
                break;
            }
        }
    }
    if ((db.formatFlags & NDF_FLAG_PROG_CA) == 0) {
        for (size_t i = 0; i < db.programs().size(); ++i) {
            if (db.programs()[i]->caMask != 0) {
                notice += "programs[" + std::to_string(i) +
                          "].caMask and other CA masks are not stored: formatFlags lacks NDF_FLAG_PROG_CA\n";
                break;
            }
        }
    }
    return notice;
}
