// The records behind the clean and diff reports as JSON: each finding and each difference with
// its text and the fields a script needs, so that nothing has to be parsed out of the text.
#pragma once

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"

#include <QJsonObject>

// {"text", then by rule: "channel", "serviceId", "transponder", "sameAs", "missingTransponder",
// "channelsMoved", "group", "groupName", "list", "entry", "program", "repeats"}.
QJsonObject CleanUpFindingJson(const CleanUpFinding& finding);

// {"text", "subject": {"kind", "satellite", "transponder", "channel", "serviceId", "group"},
// "changes": [{"field", "a", "b"}]}.
QJsonObject DiffLineJson(const DiffLine& line);

// A channel of apply-order's lists, numbered as given: {"text", "list", "number", "name",
// "satellite", "frequency", "polarity", "serviceId", "favorites"}.
QJsonObject PlannedChannelJson(const NetworkDatabase& db, const PlannedChannel& channel, uint32_t number,
                               const std::string& text);

// A satellite of the reference and its partner: {"reference", "here" (each {"name", "position"}, or
// null), "referenceChannels", "paired", "channelsHere"}.
QJsonObject PlannedSatelliteJson(const NetworkDatabase& reference, const NetworkDatabase& here,
                                 const PlannedSatellite& satellite);
