// What differs between two databases, in the terms a user thinks of: satellites, transponders and
// programs paired by what they are (satellites by position, transponders by satellite, polarity
// and frequency, programs as the matching pairs them), the channel order and the favorite groups.
// The stamp and the format flags are no part of it. The result is records; the editor and ndftool
// word them, each in its own language.
#pragma once

#include "database/NetworkDatabase.h"

#include <functional>
#include <string>
#include <vector>

enum DiffSection {
    DIFF_SATELLITES_ONLY_A,
    DIFF_SATELLITES_ONLY_B,
    DIFF_SATELLITES_CHANGED,
    DIFF_TRANSPONDERS_ONLY_A,
    DIFF_TRANSPONDERS_ONLY_B,
    DIFF_TRANSPONDERS_CHANGED,
    DIFF_PROGRAMS_ONLY_A,
    DIFF_PROGRAMS_ONLY_B,
    DIFF_PROGRAMS_CHANGED,
    DIFF_PROGRAMS_MOVED,
    DIFF_GROUPS_ONLY_A,
    DIFF_GROUPS_ONLY_B,
    DIFF_GROUPS_CHANGED,
    DIFF_SECTION_COUNT
};

// "Satellites only in A", "Programs moved", ...
const char* DiffSectionTitle(int section);

enum DiffField {
    DIFF_NAME,
    DIFF_POSITION,
    DIFF_POSITIONER_ID,
    DIFF_SKEW_V,
    DIFF_SKEW_H,
    DIFF_ANTENNA_CONFIGURATION,
    DIFF_DISEQC_MODE,
    DIFF_LNB_SUPPLY,
    DIFF_SWITCH_PORT,
    DIFF_LNB_TYPE,
    DIFF_LNB_FREQUENCY,
    DIFF_LNB_FREQUENCY_HIGH,
    DIFF_FREQUENCY,
    DIFF_SYMBOL_RATE,
    DIFF_POLARITY,
    DIFF_FEC,
    DIFF_FREQUENCY_DRIFT,
    DIFF_GMT_ERROR,
    DIFF_TRANSPONDER,
    DIFF_SERVICE_ID,
    DIFF_PMT_PID,
    DIFF_PCR_PID,
    DIFF_VIDEO_PIDS,
    DIFF_AUDIO_PIDS,
    DIFF_TELETEXT_PIDS,
    DIFF_CA_MASK,
    DIFF_ATTRIBUTES,
    DIFF_ATTRIBUTES2,
    DIFF_CHANNEL,         // a program's number in its TV or radio list
    DIFF_TV_ENTRY,        // a favorite entry in one file's TV list only
    DIFF_RADIO_ENTRY,     // the same for the radio list
    DIFF_TV_ORDER,        // the entries both files have stand in another order
    DIFF_RADIO_ORDER,
    DIFF_FIELD_COUNT
};

// "name", "symbol rate", "attributes", ... (entries and orders are worded by FormatDiffLine).
const char* DiffFieldName(int field);

// The names of the program attribute bits, from bit 0: "Scrambled", "Lock", "Skip", ...
const char* AttributeName(int bit);

struct DiffValue {
    enum Kind : uint8_t {
        NONE,    // no value (the side a favorite entry is missing from, or an order change)
        NUMBER,  // shown in decimal
        NAME,    // a stored name, shown quoted
        LITERAL, // shown as it is: "19.2E", "11953 H", "[101/3, 102/3 AC3]"
        FLAGS,   // attribute bits, shown by name
        WORD,    // an English word the user's language has its own for: "present", "unset", ...
        CHANNEL, // a channel number in the TV or radio list, with the name when there is one
        MISSING, // a record that does not exist: its index in the pattern of `word`
    };
    Kind kind = NONE;
    long long number = 0;
    std::string text;
    const char* word = "";
    bool radio = false; // CHANNEL: in the radio list

};

struct DiffChange {
    DiffField field = DIFF_NAME;
    DiffValue a; // the value in A
    DiffValue b; // the value in B
};

// What a line is about. Satellites show their name and position; transponders their satellite,
// frequency and polarity; programs their channel number, name, place and service ID; groups their
// number and name.
struct DiffSubject {
    enum Kind : uint8_t { SATELLITE, TRANSPONDER, PROGRAM, GROUP };
    Kind kind = SATELLITE;
    bool satelliteExists = true;
    std::string satellite;
    uint16_t position = 0;
    bool transponderExists = true;
    uint16_t frequency = 0;
    uint8_t polarity = 0;
    uint16_t symbolRate = 0;
    std::string name; // the program's or the group's
    bool radio = false;
    uint32_t number = 0; // the program's channel number; the group's number from 1
    uint16_t serviceId = 0;
    size_t tvEntries = 0;
    size_t radioEntries = 0;
};

struct DiffLine {
    DiffSection section = DIFF_SATELLITES_ONLY_A;
    DiffSubject subject; // as in A, or in B for what only B has
    std::vector<DiffChange> changes;
};

struct DatabaseDiff {
    // Grouped by section in the order of DiffSection, each in its file's order.
    std::vector<DiffLine> lines;

    bool Empty() const { return lines.empty(); }
    // The lines of one section.
    size_t Count(int section) const;
    // "Title: count" and the lines indented by two blanks, section after section; "No differences."
    // when there are none. In English unless words are given.
    using Words = std::function<std::string(const char* english)>;
    std::string Text(const Words& words = nullptr) const;
};

// One line's text without its indentation: "TV 3 \"ZDF\": name \"ZDF\" -> \"ZDF HD\", attributes
// Lock -> Lock, Skip"; the words give the user's language for the English texts of the "Compare"
// context.
std::string FormatDiffLine(const DiffLine& line, const DatabaseDiff::Words& words = nullptr);

// Satellites pair by position (equal first, then the nearest within the matching's tolerance),
// whatever their slots; transponders within paired satellites by polarity and a frequency within
// the matching's tolerance; the symbol rate is compared, not matched, so that a retuned transponder
// is one changed line. Programs that moved are the fewest whose relative channel order changed:
// all but a longest run of matched programs that kept their relative order.
DatabaseDiff CompareDatabases(const NetworkDatabase& a, const NetworkDatabase& b);
