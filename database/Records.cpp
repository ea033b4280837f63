#include "database/Records.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

// ---- PidList ----

void PidList::Clear() {
    pids.clear();
    languages.clear();
}

void PidList::Append(uint16_t pid, uint8_t language) {
    pids.push_back(pid);
    languages.push_back(language);
}

void PidList::Insert(size_t position, uint16_t pid, uint8_t language) {
    // A position past the end appends; each sequence is clamped on its own so that a list whose
    // sequences drifted apart never inserts out of range.
    pids.insert(pids.begin() + static_cast<std::ptrdiff_t>(std::min(position, pids.size())), pid);
    languages.insert(languages.begin() + static_cast<std::ptrdiff_t>(std::min(position, languages.size())), language);
}

void PidList::Remove(size_t position) {
    if (position < pids.size())
        pids.erase(pids.begin() + static_cast<std::ptrdiff_t>(position));
    if (position < languages.size())
        languages.erase(languages.begin() + static_cast<std::ptrdiff_t>(position));
}

uint16_t PidList::OrPids() const {
    uint16_t result = 0;
    for (uint16_t pid : pids)
        result = static_cast<uint16_t>(result | pid);
    return result;
}

bool PidList::Differs(const PidList& other) const {
    // Vector equality compares the length first, then the elements: counts, PID words, languages.
    return pids != other.pids || languages != other.languages;
}

// ---- LNB frequency table ----

namespace {

constexpr uint16_t kSingleTable[] = {0, 5150, 9750, 10000, 10050, 10600, 10750, 11200, 11475};
constexpr uint16_t kUniversalTable[] = {9750, 10600, 10750};
constexpr uint16_t kOcsTable[] = {5150, 5750, 5700};

// Kinds whose table starts with a low oscillator (index 0 is not selectable by loIndex).
bool HasLowOscillator(uint8_t kind) {
    return kind == 1 || kind == 2;
}

} // namespace

int LnbTableLength(uint8_t lnbKind) {
    switch (lnbKind) {
    case 0:
        return static_cast<int>(std::size(kSingleTable));
    case 1:
        return static_cast<int>(std::size(kUniversalTable));
    case 2:
        return static_cast<int>(std::size(kOcsTable));
    default:
        return 0;
    }
}

uint16_t LnbTableEntry(uint8_t lnbKind, int index) {
    if (index < 0 || index >= LnbTableLength(lnbKind))
        return 0;
    switch (lnbKind) {
    case 0:
        return kSingleTable[index];
    case 1:
        return kUniversalTable[index];
    default:
        return kOcsTable[index];
    }
}

// ---- AntennaConfig ----

namespace {

bool IsTableIndex(uint8_t kind, uint8_t index) {
    return index > 0 && index < LnbTableLength(kind);
}

} // namespace

uint16_t AntennaConfig::LnbFreqLow() const {
    const uint8_t kind = lnbKind();
    if (IsTableIndex(kind, loIndex()))
        return kind == 0 ? LnbTableEntry(kind, loIndex()) : LnbTableEntry(kind, 0);
    return lnbFreq;
}

uint16_t AntennaConfig::LnbFreqHigh() const {
    const uint8_t kind = lnbKind();
    if (IsTableIndex(kind, loIndex()))
        return LnbTableEntry(kind, loIndex());
    return kind == 0 ? lnbFreq : lnbFreqH;
}

void AntennaConfig::SetLnbFreqs(uint16_t low, uint16_t high) {
    if (high == 0) {
        for (int k = 1; k < LnbTableLength(0); ++k) {
            if (LnbTableEntry(0, k) == low) {
                lnbType = static_cast<uint8_t>(k);
                return;
            }
        }
        lnbType = 0;
        lnbFreq = low;
        return;
    }
    const uint8_t kind = lnbKind();
    if (HasLowOscillator(kind) && low == LnbTableEntry(kind, 0)) {
        for (int k = 1; k < LnbTableLength(kind); ++k) {
            if (LnbTableEntry(kind, k) == high) {
                setLoIndex(static_cast<uint8_t>(k));
                return;
            }
        }
    }
    setLoIndex(0);
    lnbFreq = low;
    lnbFreqH = high;
}

bool AntennaConfig::Differs(const AntennaConfig& other) const {
    if (switchLevel() != other.switchLevel() || positionerLevel() != other.positionerLevel() ||
        skewController() != other.skewController() || powerMode() != other.powerMode() ||
        tone22k() != other.tone22k() || switch12V() != other.switch12V())
        return true;
    // A port counts only for the switch level that uses it, as set in this record.
    if ((switchLevel() & 0x01) && port10() != other.port10())
        return true;
    if ((switchLevel() & 0x02) && port11() != other.port11())
        return true;
    if (lnbKind() != other.lnbKind())
        return true;
    if (LnbFreqLow() != other.LnbFreqLow())
        return true;
    return lnbKind() != 0 && LnbFreqHigh() != other.LnbFreqHigh();
}

// ---- Network ----

bool Network::IsEmptySlot() const {
    return position == 0 && (name.empty() || name[0] == '-' || name[0] == ' ');
}

bool Network::Differs(const Network& other, bool comparePositionerId, bool compareSkew) const {
    if (name != other.name || position != other.position)
        return true;
    if (comparePositionerId && positionerId != other.positionerId)
        return true;
    return compareSkew && (skewV != other.skewV || skewH != other.skewH);
}

// ---- Transponder ----

void Transponder::InitTransponder(uint8_t network, uint16_t frequencyMHz, uint8_t polarityAndFec) {
    name.clear();
    networkIndex = network;
    frequency = frequencyMHz;
    polFec = polarityAndFec;
    symbolRate = 0;
    freqDrift = 0;
    gmtError = GMT_UNSET;
}

bool Transponder::Differs(const Transponder& other) const {
    return name != other.name || frequency != other.frequency || symbolRate != other.symbolRate ||
           polFec != other.polFec || freqDrift != other.freqDrift || gmtError != other.gmtError;
}

// ---- Program ----

bool Program::Differs(const Program& other) const {
    return name != other.name || serviceId != other.serviceId || pmtPid != other.pmtPid || pcrPid != other.pcrPid ||
           videoPids.Differs(other.videoPids) || audioPids.Differs(other.audioPids) ||
           teletextPids.Differs(other.teletextPids) || caMask != other.caMask || attributes != other.attributes ||
           attributes2 != other.attributes2;
}
