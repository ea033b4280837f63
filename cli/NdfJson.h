// The JSON form of a database, written by "ndftool dump" and read by "ndftool build".
//
// One object with the header fields and the five collections; every record is an object of its stored
// fields. Numbers are JSON numbers; names show each byte as the Unicode character of the same value
// (U+0000..U+00FF), which is lossless both ways. Keys come in a fixed order so that dumps compare.
#pragma once

#include "database/NetworkDatabase.h"

#include <QByteArray>

#include <string>

// The only format version the reader accepts, and the one the writer always writes.
constexpr uint8_t JSON_FORMAT_VERSION = 1;

// The document of a database, with a final line end.
std::string DatabaseToJson(const NetworkDatabase& database);

// Reads a document into database (replacing its contents; keepStamp is set so that saving writes the
// stamp as given). Every key is required and no other key is allowed; every number must fit its field
// and every reference must name an existing record, unless allowDamaged lets references past their
// collection through as a damaged file holds them. On failure returns false, leaves database empty and
// sets error to "<where>: <what>", e.g. "programs[12].audioPids[1].pid: 70000 is outside 0..65535".
bool DatabaseFromJson(const QByteArray& document, NetworkDatabase& database, std::string& error,
                      bool allowDamaged = false);

// Fields that the file will not hold under the document's formatFlags (a transponder name without
// NDF_FLAG_TP_NAMES, ...): one line per kind, naming the first record concerned. Empty when none.
std::string DroppedFieldsNotice(const NetworkDatabase& database);
