// The records behind the clean and diff reports as JSON: each finding and each difference with
// its text and the fields a script needs, so that nothing has to be parsed out of the text.
#pragma once

#include "rescan/CleanUp.h"
#include "rescan/Compare.h"

#include <QJsonObject>

// {"text", then by rule: "channel", "serviceId", "transponder", "sameAs", "missingTransponder",
// "channelsMoved", "group", "groupName", "list", "entry", "program", "repeats"}.
QJsonObject CleanUpFindingJson(const CleanUpFinding& finding);

// {"text", "subject": {"kind", "satellite", "transponder", "channel", "serviceId", "group"},
// "changes": [{"field", "a", "b"}]}.
QJsonObject DiffLineJson(const DiffLine& line);
