// Finding and removing what rescans leave behind: programs and transponders stored twice,
// favorite entries that name nothing or name a program twice, programs whose transponder is gone
// and, on request, transponders without programs.
#pragma once

#include "database/NetworkDatabase.h"

#include <string>
#include <vector>

enum CleanUpRule {
    CLEAN_DUPLICATE_PROGRAMS,     // same transponder and service ID as an earlier program
    CLEAN_DUPLICATE_TRANSPONDERS, // same network, frequency, polarity and symbol rate as an earlier one
    CLEAN_BROKEN_FAVORITES,       // entries that name no program, and repeats within one list
    CLEAN_ORPHAN_PROGRAMS,        // programs whose transponder does not exist
    CLEAN_EMPTY_TRANSPONDERS,     // transponders without programs
    CLEAN_RULE_COUNT
};

// "duplicate programs", "duplicate transponders", ...
const char* CleanUpRuleName(int rule);

struct CleanUpOptions {
    // All on but the transponders without programs, which a user may keep for a later scan.
    bool on[CLEAN_RULE_COUNT] = {true, true, true, true, false};
};

struct CleanUpPlan {
    CleanUpOptions options;
    // What each rule removes, one text per record or entry ("\"ZDF\" on \"Astra 1\" 11953 H ...").
    // Every rule is looked at, on or off; a rule's findings take the other rules that are on into
    // account (programs of a removed duplicate transponder join the earlier one's, for instance).
    std::vector<std::string> found[CLEAN_RULE_COUNT];

    // Per transponder: the earlier transponder it repeats, or its own index.
    std::vector<uint32_t> transponderKeeper;
    // Per program: the earlier program it repeats, or its own index.
    std::vector<uint32_t> programKeeper;
    std::vector<size_t> duplicateTransponders;
    std::vector<size_t> emptyTransponders;
    std::vector<size_t> duplicatePrograms;
    std::vector<size_t> orphanPrograms;

    size_t Count(int rule) const { return found[rule].size(); }
    // Nothing to remove under the rules that are on.
    bool NothingToDo() const;
};

CleanUpPlan FindCleanUp(const NetworkDatabase& db, const CleanUpOptions& options = CleanUpOptions());

// Removes what the plan, made for this database as it is, found under its rules that are on:
// programs of duplicate transponders move to the earlier transponder, favorite entries of
// duplicate programs to the earlier program, then the records go, broken favorite entries last.
// True when anything changed.
bool ApplyCleanUp(NetworkDatabase& db, const CleanUpPlan& plan);

// One line per rule in the order of the list ("duplicate programs: 3"), each followed by its
// findings indented by two blanks; only the rules that are on.
std::string CleanUpReport(const CleanUpPlan& plan);
