#include "cli/RescanJson.h"

#include "cli/JsonReport.h"
#include "database/DisplayTables.h"

#include <QJsonArray>

namespace {

QJsonValue ListName(bool radio) {
    return radio ? QStringLiteral("radio") : QStringLiteral("TV");
}

// A channel by its list and number there, as the editor's Channel List numbers it.
QJsonObject ChannelJson(uint32_t number, bool radio, const std::string& name) {
    return Object(
        {{"list", ListName(radio)}, {"number", static_cast<qint64>(number)}, {"name", Text(NameForDisplay(name))}});
}

QJsonValue SatelliteJson(bool exists, const std::string& name, uint16_t position) {
    if (!exists)
        return QJsonValue();
    return Object({{"name", Text(NameForDisplay(name))}, {"position", Text(DescribePosition(position))}});
}

QJsonValue SlotJson(const NetworkDatabase& db, uint32_t slot) {
    if (slot >= db.networks().size() || !db.networks()[slot])
        return QJsonValue();
    const Network& network = *db.networks()[slot];
    return SatelliteJson(true, network.name, network.position);
}

QJsonObject TuningJson(uint16_t frequency, uint8_t polarity) {
    return Object({{"frequency", frequency}, {"polarity", QLatin1StringView(PolarityLetter(polarity))}});
}

// A transponder where it is received, or null when the record it names does not exist.
QJsonValue PlaceJson(const CleanUpPlace& place) {
    if (!place.transponderExists)
        return QJsonValue();
    QJsonObject object = TuningJson(place.frequency, place.polarity);
    object.insert(QStringLiteral("symbolRate"), place.symbolRate);
    object.insert(QStringLiteral("satellite"), SatelliteJson(place.satelliteExists, place.satellite, place.position));
    return object;
}

QJsonValue DiffValueJson(const DiffValue& value) {
    switch (value.kind) {
    case DiffValue::NUMBER:
        return static_cast<qint64>(value.number);
    case DiffValue::NAME:
        return Text(NameForDisplay(value.text));
    case DiffValue::LITERAL:
        return Text(value.text);
    case DiffValue::WORD:
        return QLatin1StringView(value.word);
    case DiffValue::FLAGS: {
        QJsonArray names;
        for (int bit = 0; bit < 8; ++bit) {
            if (value.number & (1 << bit))
                names.append(QLatin1StringView(AttributeName(bit)));
        }
        return names;
    }
    case DiffValue::CHANNEL:
        return ChannelJson(static_cast<uint32_t>(value.number), value.radio, value.text);
    case DiffValue::MISSING:
        return Object({{"missing", static_cast<qint64>(value.number)}});
    case DiffValue::NONE:
    default:
        return QJsonValue();
    }
}

QJsonObject SubjectJson(const DiffSubject& subject) {
    static const char* const kKinds[] = {"satellite", "transponder", "program", "group"};
    QJsonObject object = Object({{"kind", QLatin1StringView(kKinds[subject.kind])}});
    auto add = [&object](const char* key, const QJsonValue& value) { object.insert(QLatin1StringView(key), value); };
    if (subject.kind == DiffSubject::GROUP) {
        add("group", Object({{"number", static_cast<qint64>(subject.number)},
                             {"name", Text(NameForDisplay(subject.name))},
                             {"tvEntries", static_cast<qint64>(subject.tvEntries)},
                             {"radioEntries", static_cast<qint64>(subject.radioEntries)}}));
        return object;
    }
    add("satellite", SatelliteJson(subject.satelliteExists, subject.satellite, subject.position));
    if (subject.kind == DiffSubject::SATELLITE)
        return object;
    if (subject.transponderExists) {
        QJsonObject transponder = TuningJson(subject.frequency, subject.polarity);
        transponder.insert(QStringLiteral("symbolRate"), subject.symbolRate);
        add("transponder", transponder);
    } else {
        add("transponder", QJsonValue());
    }
    if (subject.kind == DiffSubject::PROGRAM) {
        add("channel", ChannelJson(subject.number, subject.radio, subject.name));
        add("serviceId", subject.serviceId);
    }
    return object;
}

} // namespace

QJsonObject CleanUpFindingJson(const CleanUpFinding& finding) {
    QJsonObject object = Object({{"text", Text(FormatCleanUpFinding(finding))}});
    auto add = [&object](const char* key, const QJsonValue& value) { object.insert(QLatin1StringView(key), value); };
    switch (finding.key.rule) {
    case CLEAN_DUPLICATE_PROGRAMS:
    case CLEAN_ORPHAN_PROGRAMS:
        add("channel", ChannelJson(finding.channel.number, finding.channel.radio, finding.channel.name));
        add("serviceId", finding.serviceId);
        add("transponder", PlaceJson(finding.place));
        if (finding.key.rule == CLEAN_DUPLICATE_PROGRAMS)
            add("sameAs", ChannelJson(finding.other.number, finding.other.radio, finding.other.name));
        else
            add("missingTransponder", static_cast<qint64>(finding.missingTransponder));
        break;
    case CLEAN_DUPLICATE_TRANSPONDERS:
    case CLEAN_EMPTY_TRANSPONDERS:
        add("transponder", PlaceJson(finding.place));
        if (finding.key.rule == CLEAN_DUPLICATE_TRANSPONDERS) {
            add("sameAs", TuningJson(finding.keeperFrequency, finding.keeperPolarity));
            add("channelsMoved", static_cast<qint64>(finding.channelsMoved));
        }
        break;
    case CLEAN_BROKEN_FAVORITES:
        add("group", static_cast<qint64>(finding.group));
        add("groupName", Text(NameForDisplay(finding.groupName)));
        add("list", ListName(finding.key.radio));
        add("entry", static_cast<qint64>(finding.key.position) + 1);
        if (finding.namesNothing)
            add("program", static_cast<qint64>(finding.entry));
        else
            add("repeats", ChannelJson(finding.other.number, finding.other.radio, finding.other.name));
        break;
    default:
        break;
    }
    return object;
}

QJsonObject DiffLineJson(const DiffLine& line) {
    QJsonArray changes;
    for (const DiffChange& change : line.changes) {
        changes.append(Object({{"field", QLatin1StringView(DiffFieldName(change.field))},
                               {"a", DiffValueJson(change.a)},
                               {"b", DiffValueJson(change.b)}}));
    }
    return Object({{"text", Text(FormatDiffLine(line))}, {"subject", SubjectJson(line.subject)}, {"changes", changes}});
}

QJsonObject PlannedChannelJson(const NetworkDatabase& db, const PlannedChannel& channel, uint32_t number,
                               const std::string& text) {
    QJsonArray favorites;
    for (const uint8_t group : channel.groups)
        favorites.append(Text(NameForDisplay(GroupName(db, group))));
    return Object({{"text", Text(text)},
                   {"list", ListName(channel.radio)},
                   {"number", static_cast<qint64>(number)},
                   {"name", Text(NameForDisplay(channel.name))},
                   {"satellite", SlotJson(db, channel.satellite)},
                   {"frequency", channel.hasTransponder ? QJsonValue(channel.frequency) : QJsonValue()},
                   {"polarity", channel.hasTransponder ? QJsonValue(QLatin1StringView(PolarityLetter(channel.polarity)))
                                                       : QJsonValue()},
                   {"serviceId", channel.serviceId},
                   {"favorites", favorites}});
}

QJsonObject PlannedSatelliteJson(const NetworkDatabase& reference, const NetworkDatabase& here,
                                 const PlannedSatellite& satellite) {
    const bool inReference = satellite.referenceSlot != NO_PARTNER;
    const bool isHere = satellite.targetSlot != NO_PARTNER;
    return Object({{"reference", SlotJson(reference, satellite.referenceSlot)},
                   {"here", SlotJson(here, satellite.targetSlot)},
                   {"referenceChannels", inReference ? static_cast<qint64>(satellite.referenceChannels) : QJsonValue()},
                   {"paired", inReference ? static_cast<qint64>(satellite.paired) : QJsonValue()},
                   {"channelsHere", isHere ? static_cast<qint64>(satellite.targetChannels) : QJsonValue()}});
}
