// What differs between two databases, in the terms a user thinks of: satellites by slot,
// transponders and programs by what they carry (matched as ProgramMatching does), the channel
// order and the favorite groups. The stamp and the format flags are no part of it.
#pragma once

#include "database/NetworkDatabase.h"

#include <string>
#include <vector>

struct DatabaseDiff {
    struct Section {
        std::string title; // "Programs only in A"
        std::vector<std::string> lines;
    };
    // Only the sections with lines, in a fixed order.
    std::vector<Section> sections;

    bool Empty() const { return sections.empty(); }
    // "Title: count" and the lines indented by two blanks, section after section; "No differences."
    // when there are none.
    std::string Text() const;
};

// Transponders match by network position, polarity and a frequency within the tolerance of the
// program matching; the symbol rate is compared, not matched, so that a retuned rate shows as a
// change of the transponder. Programs that moved are the fewest whose relative channel order
// changed: all but a longest run of matched programs that kept their relative order.
DatabaseDiff CompareDatabases(const NetworkDatabase& a, const NetworkDatabase& b);
