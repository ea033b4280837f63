// Fixed text tables and the formatters that turn record fields into the short texts of the tree,
// the forms, the audio dialog and the channel list.
#pragma once

#include "database/Limits.h"
#include "database/Records.h"

#include <cstdint>
#include <string>

extern const char* const kPolarityLetters[4]; // "V", "H", "R", "L"
extern const char* const kPolarityNames[4];   // "Vert", "Horz", "Circular Right", "Circular Left"
extern const char* const kFecNames[6];        // "Auto", "1/2", ... "7/8"
extern const char* const kLanguageCodes[24];  // "ENG" .. "TUR", "(Unknown)"
extern const char* const kNdfMagic;           // "NDF"
// "News" .. "Info", the groups of a file that holds none.
extern const char* const kDefaultFavoriteNames[MAX_FAVORITE_GROUPS];

// "%d.%d" of the position modulo 3600 in tenths: 192 gives "19.2".
std::string FormatPosition(const Network& network);
// "%d.%03d (%s)" of frequency / 1000, frequency % 1000 and the polarity letter: "12.188 (H)".
std::string FormatTransponderLabel(const Transponder& transponder);
// A position east or west of Greenwich, for reports and exports: 192 gives "19.2E", 3592 "0.8W".
std::string DescribePosition(uint16_t position);
// Letter of a polarity value; only bits 0-1 count.
const char* PolarityLetter(uint8_t polarity);
// Code of a language byte (0..23); an empty text for any other byte.
const char* LanguageCode(uint8_t language);
// Appends the names of the set bits 0..10 and 30 to text, "/" between names; never clears text.
void FormatCaNames(uint32_t mask, std::string& text);
// The name's bytes in the ISO-8859-1 view, written as UTF-8 for a terminal or a report: byte 0xE9
// gives "é"; control characters become '?'.
std::string NameForDisplay(const std::string& bytes);
