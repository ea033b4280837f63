// Finding and removing what rescans leave behind: programs and transponders stored twice,
// favorite entries that name nothing or name a program twice, programs whose transponder is gone
// and, on request, transponders without programs. The findings are records; the editor and
// ndftool word them, each in its own language.
#pragma once

#include "database/NetworkDatabase.h"

#include <compare>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

enum CleanUpRule {
    CLEAN_DUPLICATE_PROGRAMS,     // same transponder and service ID as an earlier program (service ID 0: same PIDs)
    CLEAN_DUPLICATE_TRANSPONDERS, // one satellite, polarity and symbol rate, within kDuplicateTransponderTolerance
    CLEAN_BROKEN_FAVORITES,       // entries that name no program, and repeats within one list
    CLEAN_ORPHAN_PROGRAMS,        // programs whose transponder does not exist
    CLEAN_EMPTY_TRANSPONDERS,     // transponders without programs
    CLEAN_RULE_COUNT
};

// "duplicate programs", "duplicate transponders", ...
const char* CleanUpRuleName(int rule);

// Which finding: its rule and record (program or transponder index, or the favorite group), and
// for a favorite entry its list and position. Stays the same when the database is searched again.
struct CleanUpKey {
    uint8_t rule = 0;
    uint32_t index = 0;
    bool radio = false;
    uint32_t position = 0;

    // Written out: clang 14 warns about a defaulted <=>.
    bool operator<(const CleanUpKey& o) const {
        return std::tie(rule, index, radio, position) < std::tie(o.rule, o.index, o.radio, o.position);
    }
    bool operator==(const CleanUpKey& o) const {
        return std::tie(rule, index, radio, position) == std::tie(o.rule, o.index, o.radio, o.position);
    }
};

struct CleanUpOptions {
    // All on but the transponders without programs, which a user may keep for a later scan.
    bool on[CLEAN_RULE_COUNT] = {true, true, true, true, false};
    // Findings kept although their rule is on.
    std::set<CleanUpKey> kept;

    bool Applies(const CleanUpKey& key) const { return key.rule < CLEAN_RULE_COUNT && on[key.rule] && !kept.count(key); }
};

// A channel as the Channel List and the export number it: within its TV or radio list, from 1.
struct CleanUpChannel {
    uint32_t number = 0;
    bool radio = false;
    std::string name;
};

// Where a program is received, or a transponder found: its satellite and its tuning.
struct CleanUpPlace {
    bool transponderExists = false;
    bool satelliteExists = false;
    std::string satellite;
    uint16_t position = 0;
    uint16_t frequency = 0;
    uint8_t polarity = 0;
    uint16_t symbolRate = 0;
};

struct CleanUpFinding {
    CleanUpKey key;
    bool applies = false; // removed when the plan is applied

    // Duplicate and orphan programs: the channel, its service ID and where it is received.
    CleanUpChannel channel;
    uint16_t serviceId = 0;
    // Duplicate programs: the earlier channel that stays. Repeated favorite entries: the channel named.
    CleanUpChannel other;
    // Programs: their transponder; transponders: themselves.
    CleanUpPlace place;
    // Orphan programs: the transponder index they name.
    uint32_t missingTransponder = 0;
    // Duplicate transponders: the earlier transponder's frequency and the channels that move there.
    uint16_t keeperFrequency = 0;
    uint8_t keeperPolarity = 0;
    uint32_t channelsMoved = 0;
    // Favorite entries: the group (from 1), its name, and the entry's value when it names no program.
    uint32_t group = 0;
    std::string groupName;
    bool namesNothing = false;
    uint32_t entry = 0;
};

struct CleanUpPlan {
    CleanUpOptions options;
    // Every rule is looked at, on or off, in database order; a finding's effects (programs of a
    // merged transponder joining the earlier one's, say) count only where it applies.
    std::vector<CleanUpFinding> findings[CLEAN_RULE_COUNT];

    // Per transponder: the earlier transponder it merges into, or its own index.
    std::vector<uint32_t> transponderKeeper;
    // Per program: the earlier program it merges into, or its own index.
    std::vector<uint32_t> programKeeper;
    // The records that go, each sorted.
    std::vector<size_t> duplicateTransponders;
    std::vector<size_t> emptyTransponders;
    std::vector<size_t> duplicatePrograms;
    std::vector<size_t> orphanPrograms;

    size_t Count(int rule) const { return findings[rule].size(); }
    // The findings of a rule that are removed.
    size_t Applied(int rule) const;
    // Nothing to remove under the findings that apply.
    bool NothingToDo() const;
};

CleanUpPlan FindCleanUp(const NetworkDatabase& db, const CleanUpOptions& options = CleanUpOptions());

// Removes what the plan, made for this database as it is, found and applies: programs of
// duplicate transponders move to the earlier transponder, favorite entries of duplicate programs to
// the earlier program, broken favorite entries go, then the records. True when anything changed.
bool ApplyCleanUp(NetworkDatabase& db, const CleanUpPlan& plan);

// Gives the user's language for an English text of the clean-up (msgid of the "CleanUp" context);
// ndftool passes none and keeps the English.
using CleanUpWords = std::function<std::string(const char* english)>;

// One line for a finding: "TV 49 \"ZDF HD\" on \"Astra 1\" 19.2E 11953 H, service ID 28006: same
// as TV 12 \"ZDF\"", "\"Astra 1\" 19.2E 11954 H, symbol rate 27500: same as 11953 H, 12 channels
// move there", "Group 2 \"Sport\", TV list entry 5: program 412 does not exist", ...
std::string FormatCleanUpFinding(const CleanUpFinding& finding, const CleanUpWords& words = nullptr);

// One line per rule that is on, in the order of the list ("duplicate programs: 3"), each followed
// by its findings that apply, indented by two blanks.
std::string CleanUpReport(const CleanUpPlan& plan);

