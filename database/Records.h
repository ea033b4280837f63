// Record kinds of a receiver channel database: antenna configurations, networks (satellites),
// transponders, programs (services) and favorite groups, with their per-record value operations.
#pragma once

#include "database/Limits.h"
#include "database/SmallVector.h"

#include <cstdint>
#include <string>
#include <vector>

// Handle of a record's item in the network tree. The tree owns the items; records only carry the
// handle, and it is never stored in the file.
using TreeItemHandle = void*;

constexpr uint16_t PID_NONE = 0xFFFF;      // no PID
constexpr uint16_t PID_MASK = 0x1FFF;      // PID bits of a PID word
constexpr uint16_t PID_FLAG_AC3 = 0x4000;  // audio track is AC3
constexpr uint16_t PID_FLAG_SUBT = 0x4000; // teletext entry carries subtitles
constexpr uint8_t LANG_NONE = 255;         // no language
constexpr int32_t GMT_UNSET = INT32_MIN;   // 0x80000000: no GMT error set
constexpr uint16_t NO_INDEX = 0xFFFF;      // no position / no index in a 16-bit field
constexpr uint8_t NO_NETWORK = 255;        // no network slot

// formatFlags bits
constexpr uint32_t NDF_FLAG_TP_NAMES = 1u << 0;
constexpr uint32_t NDF_FLAG_NET_SKEW = 1u << 1;
constexpr uint32_t NDF_FLAG_PROG_CA = 1u << 2;

// Program attributes bits
constexpr uint8_t PA_SCRAMBLED = 1u << 0;
constexpr uint8_t PA_LOCK = 1u << 1;
constexpr uint8_t PA_SKIP = 1u << 2;
constexpr uint8_t PA_RADIO = 1u << 4;
constexpr uint8_t PA_NO_PID_UPDATE = 1u << 5;
constexpr uint8_t PA_NO_NAME_UPDATE = 1u << 6;
constexpr uint8_t PA_NO_SID_UPDATE = 1u << 7;

constexpr int NUM_LANGUAGES = 23; // language bytes 0..22 name a language

// Ordered list of (PID word, language byte) entries, kept as two parallel sequences of equal length.
struct PidList {
    SmallVector<uint16_t> pids;
    SmallVector<uint8_t> languages;

    size_t Count() const { return languages.size(); }
    bool Empty() const { return languages.empty(); }
    void Clear();
    void Append(uint16_t pid, uint8_t language);
    void Insert(size_t position, uint16_t pid, uint8_t language);
    void Remove(size_t position);
    // Bitwise OR of all PID words; 0 for an empty list.
    uint16_t OrPids() const;
    // Entry counts of both sequences, then every PID word, then every language byte.
    bool Differs(const PidList& other) const;
};

struct AntennaConfig {
    uint8_t diseqcMode = 0;
    uint8_t lnbSupply = 3;
    uint8_t switchPort = 0;
    uint8_t lnbType = 0x41;
    uint16_t lnbFreq = 0;
    uint16_t lnbFreqH = 0;

    uint8_t switchLevel() const { return diseqcMode & 0x03; }
    void setSwitchLevel(uint8_t v) { diseqcMode = static_cast<uint8_t>((diseqcMode & ~0x03) | (v & 0x03)); }
    uint8_t positionerLevel() const { return (diseqcMode >> 2) & 0x03; }
    void setPositionerLevel(uint8_t v) { diseqcMode = static_cast<uint8_t>((diseqcMode & ~0x0C) | ((v & 0x03) << 2)); }
    bool skewController() const { return (diseqcMode & 0x80) != 0; }
    void setSkewController(bool on) {
        diseqcMode = static_cast<uint8_t>(on ? (diseqcMode | 0x80) : (diseqcMode & ~0x80));
    }

    uint8_t powerMode() const { return lnbSupply & 0x03; }
    void setPowerMode(uint8_t v) { lnbSupply = static_cast<uint8_t>((lnbSupply & ~0x03) | (v & 0x03)); }
    bool tone22k() const { return (lnbSupply & 0x04) != 0; }
    void setTone22k(bool on) { lnbSupply = static_cast<uint8_t>(on ? (lnbSupply | 0x04) : (lnbSupply & ~0x04)); }
    bool switch12V() const { return (lnbSupply & 0x08) != 0; }
    void setSwitch12V(bool on) { lnbSupply = static_cast<uint8_t>(on ? (lnbSupply | 0x08) : (lnbSupply & ~0x08)); }

    // Port for DiSEqC level "1.0" (bits 0-1) and for level "1.1" (bits 4-7).
    uint8_t port10() const { return switchPort & 0x03; }
    void setPort10(uint8_t v) { switchPort = static_cast<uint8_t>((switchPort & ~0x03) | (v & 0x03)); }
    uint8_t port11() const { return (switchPort >> 4) & 0x0F; }
    void setPort11(uint8_t v) { switchPort = static_cast<uint8_t>((switchPort & 0x0F) | ((v & 0x0F) << 4)); }

    uint8_t loIndex() const { return lnbType & 0x0F; }
    void setLoIndex(uint8_t v) { lnbType = static_cast<uint8_t>((lnbType & 0xF0) | (v & 0x0F)); }
    uint8_t lnbKind() const { return (lnbType >> 6) & 0x03; }

    // Effective local-oscillator frequencies: a table entry when loIndex is a table index, else the custom values.
    uint16_t LnbFreqLow() const;
    uint16_t LnbFreqHigh() const;
    // Chooses between a table index and custom values for the given frequencies (high 0 means Single).
    void SetLnbFreqs(uint16_t low, uint16_t high);
    bool Differs(const AntennaConfig& other) const;
};

// LNB frequency table of a kind (0 Single, 1 Universal, 2 OCS, 3 none): its length and entries.
int LnbTableLength(uint8_t lnbKind);
uint16_t LnbTableEntry(uint8_t lnbKind, int index);

struct Network {
    std::string name;
    uint16_t position = 0; // tenths of a degree east, below 3600
    uint8_t positionerId = 0;
    uint8_t antennaIndex = 0;
    uint8_t skewV = DEFAULT_SKEW_V;
    uint8_t skewH = DEFAULT_SKEW_H;
    TreeItemHandle treeItem = nullptr;

    // Position 0 with an empty name, or a name that starts with '-' or a blank.
    bool IsEmptySlot() const;
    bool Differs(const Network& other, bool comparePositionerId, bool compareSkew) const;
};

struct Transponder {
    std::string name;
    uint16_t frequency = 0;
    uint16_t symbolRate = 0;
    uint8_t polFec = 0;
    uint8_t freqDrift = 0;
    uint8_t networkIndex = 0;
    int32_t gmtError = GMT_UNSET;
    TreeItemHandle treeItem = nullptr;

    uint8_t polarity() const { return polFec & 0x03; }
    uint8_t fec() const { return (polFec >> 4) & 0x0F; }

    // Empty name, the three given values, symbol rate 0, drift 0, GMT_UNSET; treeItem is kept.
    void InitTransponder(uint8_t network, uint16_t frequencyMHz, uint8_t polarityAndFec);
    bool Differs(const Transponder& other) const;
};

struct Program {
    std::string name;
    uint16_t serviceId = 0;
    uint16_t pmtPid = PID_NONE;
    uint16_t pcrPid = PID_NONE;
    PidList videoPids;
    PidList audioPids;
    PidList teletextPids;
    uint32_t caMask = 0;
    uint8_t attributes = 0;
    uint8_t attributes2 = 0;
    uint16_t transponderIndex = 0;
    uint8_t favoriteMask = 0; // channel list scratch; never stored or compared
    TreeItemHandle treeItem = nullptr;

    Program() = default;
    explicit Program(uint16_t transponder) : transponderIndex(transponder) {}

    bool IsRadio() const { return (attributes & PA_RADIO) != 0; }
    bool Differs(const Program& other) const;
};

struct FavoriteGroup {
    std::string name;
    std::vector<uint16_t> tvList;
    std::vector<uint16_t> radioList;
};
