// Channel lists as users really have them, and a rescan of them as a receiver really writes one.
//
// BuildChannelList makes a few hundred channels over several satellites: real band frequencies
// with several channels per transponder, SD and HD twins ("ZDF" and "ZDF HD"), regional variants,
// radio, placeholder channels named ".", manual feeds without a service ID on one transponder,
// service IDs that repeat on other transponders of a satellite, locks, skips, names the user gave
// (with "Don't update name") and three favorite groups, in an order the user arranged.
//
// MakeRescan writes the same services in scan order with the changes a new scan brings: a
// satellite written at a position 0.2° apart, satellites in other slotOrder, transponders retuned by
// 3 to 5 MHz and a few by more, names in another case or with " HD" added, new service IDs,
// channels gone and new ones; no locks, skips or user names. It says which channel of the rescan
// each channel of the list became, so tests can judge a pairing.
#pragma once

#include "database/NetworkDatabase.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace realistic {

constexpr uint32_t kNone = UINT32_MAX;

struct SatelliteSpec {
    const char* name;
    uint16_t position;       // in the user's list
    uint16_t rescanPosition; // as the new scan writes it
};

// 19.2E written 19.0E, 0.8W written 1.0W, 4.8E written 4.9E by the new scan.
inline const std::vector<SatelliteSpec>& Satellites() {
    static const std::vector<SatelliteSpec> satellites = {
        {"Astra 1KR/1L/1M/1N", 192, 190}, {"Hot Bird 13B/13C/13E", 130, 130}, {"Astra 2E/2F/2G", 282, 282},
        {"Thor 5/6/7", 3592, 3590},       {"Astra 4A/SES 5", 48, 49},         {"Eutelsat 7B", 70, 70},
    };
    return satellites;
}

inline const std::vector<const char*>& TvNames() {
    static const std::vector<const char*> names = {
        "Das Erste",   "ZDF",          "RTL",          "SAT.1",          "ProSieben",   "kabel eins",
        "arte",        "3sat",         "tagesschau24", "phoenix",        "CNN Int.",    "BBC World News",
        "Eurosport 1", "ServusTV",     "DMAX",         "Tele 5",         "n-tv",        "WELT",
        "KiKA",        "ONE",          "ZDFneo",       "ZDFinfo",        "Rai 1",       "Rai 2",
        "France 24",   "TRT World",    "BR Fernsehen", "NDR FS",         "MDR",         "SWR",
        "WDR",         "hr-fernsehen", "rbb",          "Sky News",       "Al Jazeera",  "TV5Monde",
        "VOX",         "RTLZWEI",      "SUPER RTL",    "sixx",           "Nickelodeon", "Comedy Central",
        "Bibel TV",    "QVC",          "HSE",          "Euronews",       "NHK World",   "CGTN",
        "TVP Polonia", "ORF2E",        "SRF info",     "Canal 24 Horas", "Fashion TV",  "Travel XP",
    };
    return names;
}

inline const std::vector<const char*>& RadioNames() {
    static const std::vector<const char*> names = {
        "Bayern 3",       "Deutschlandfunk", "NDR 2",      "SWR3",          "1LIVE", "Radio Bob",
        "Antenne Bayern", "BBC Radio 4",     "hr3",        "Klassik Radio", "WDR 2", "FFH",
        "Bremen Eins",    "Radio Swiss Pop", "DLF Kultur", "Radio Paloma",
    };
    return names;
}

// ---- the user's list ----

// Appends a program with PIDs as broadcasters lay them out.
inline Program& AppendService(NetworkDatabase& db, uint16_t transponder, const std::string& name, uint16_t serviceId,
                              bool radio, uint16_t pidBase) {
    Program program(transponder);
    program.name = name;
    program.serviceId = serviceId;
    program.pmtPid = static_cast<uint16_t>(pidBase);
    if (!radio) {
        program.videoPids.pids.push_back(static_cast<uint16_t>(pidBase + 1));
        program.videoPids.languages.push_back(LANG_NONE);
    }
    program.audioPids.pids.push_back(static_cast<uint16_t>(pidBase + 2));
    program.audioPids.languages.push_back(6);
    program.pcrPid = static_cast<uint16_t>(pidBase + (radio ? 2 : 1));
    program.attributes = radio ? PA_RADIO : 0;
    return db.AppendProgram(std::move(program));
}

// About 60 to 80 channels per satellite, in an order the user arranged, with marks and three
// favorite groups. The same seed gives the same list.
inline void BuildChannelList(NetworkDatabase& db, uint32_t seed = 1) {
    std::mt19937 random(seed);
    auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    db.Clear();
    db.version = 2;
    const auto& satellites = Satellites();
    for (size_t s = 0; s < satellites.size(); ++s) {
        AntennaConfig& config = db.AppendAntennaConfig();
        config.lnbType = 0x41;
        Network network;
        network.name = satellites[s].name;
        network.position = satellites[s].position;
        network.antennaIndex = static_cast<uint8_t>(s);
        db.AppendNetwork(network);
    }
    const auto& tv = TvNames();
    const auto& radio = RadioNames();
    for (size_t s = 0; s < satellites.size(); ++s) {
        const size_t transponders = 10 + below(4);
        uint16_t serviceId = static_cast<uint16_t>(1000 + 1000 * s);
        for (size_t k = 0; k < transponders; ++k) {
            // A real band plan: 29.5 MHz steps with alternating polarity, so 59 MHz on one polarity.
            Transponder transponder;
            transponder.InitTransponder(static_cast<uint8_t>(s), static_cast<uint16_t>(10729 + k * 59 / 2),
                                        static_cast<uint8_t>(((k % 2) ? 0 : 1) | (3 << 4)));
            transponder.symbolRate = k % 3 == 0 ? 22000 : 27500;
            const auto tp = static_cast<uint16_t>(db.transponders().size());
            db.AppendTransponder(transponder);
            const size_t services = 3 + below(6);
            uint16_t pid = 0x100;
            for (size_t i = 0; i < services; ++i, pid = static_cast<uint16_t>(pid + 0x10)) {
                const bool isRadio = below(5) == 0;
                std::string name = isRadio ? radio[below(radio.size())] : tv[below(tv.size())];
                if (!isRadio && below(3) == 0)
                    name += " HD";
                else if (below(6) == 0)
                    name += " " + std::to_string(1 + below(4)); // regional or numbered variants
                AppendService(db, tp, name, ++serviceId, isRadio, pid);
            }
            if (k == 2 || k == 7) // placeholders, one of them on a transponder the rescan retunes
                AppendService(db, tp, ".", ++serviceId, false, static_cast<uint16_t>(pid + 0x40));
            if (k == 5) { // two manual feeds without a service ID, told apart by their PIDs only
                AppendService(db, tp, "Feed", 0, false, 0x1F00);
                AppendService(db, tp, "Feed", 0, false, 0x1E00);
            }
            if (k == 7) // a service ID that another transponder of the satellite also carries
                AppendService(db, tp, "Info Kanal", static_cast<uint16_t>(1000 + 1000 * s + 1), false,
                              static_cast<uint16_t>(pid + 0x50));
        }
    }
    // The user's marks and names.
    for (size_t p = 0; p < db.programs().size(); ++p) {
        Program& program = *db.programs()[p];
        if (below(17) == 0)
            program.attributes |= PA_LOCK;
        if (below(13) == 0)
            program.attributes |= PA_SKIP;
        if (below(31) == 0 && program.serviceId != 0 && program.name != ".") {
            program.name = "Mine " + std::to_string(p);
            program.attributes |= PA_NO_NAME_UPDATE;
        }
        if (below(29) == 0)
            program.attributes |= PA_NO_PID_UPDATE;
        if (below(37) == 0)
            program.attributes |= PA_NO_SID_UPDATE;
    }
    // The user's order: a few dozen favorites first, the rest as scanned with some moved.
    std::vector<uint32_t> order(db.programs().size());
    for (uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    const size_t top = std::min<size_t>(40, order.size());
    std::sort(order.begin() + static_cast<std::ptrdiff_t>(top), order.end());
    for (size_t moves = order.size() / 10; moves > 0; --moves) {
        const size_t from = top + below(order.size() - top);
        const size_t to = top + below(order.size() - top);
        const uint32_t moving = order[from];
        order.erase(order.begin() + static_cast<std::ptrdiff_t>(from));
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(to), moving);
    }
    db.ReorderPrograms(order);
    // Three groups: the top channels, a mix, and radio.
    std::vector<FavoriteGroup> groups(3);
    groups[0].name = "Main";
    groups[1].name = "Sport & News";
    groups[2].name = "Radio";
    for (uint16_t p = 0; p < db.programs().size(); ++p) {
        const bool isRadio = db.programs()[p]->IsRadio();
        if (p < 25)
            (isRadio ? groups[0].radioList : groups[0].tvList).push_back(p);
        if (below(9) == 0)
            (isRadio ? groups[1].radioList : groups[1].tvList).push_back(p);
        if (isRadio && below(2) == 0)
            groups[2].radioList.push_back(p);
    }
    std::reverse(groups[1].tvList.begin(), groups[1].tvList.end());
    db.SetFavoriteGroups(std::move(groups));
}

// ---- the rescan ----

// The name in lower case without a trailing " HD": SD and HD twins share it.
inline std::string BaseName(std::string name) {
    for (char& c : name)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (name.size() > 3 && name.compare(name.size() - 3, 3, " hd") == 0)
        name.resize(name.size() - 3);
    return name;
}

struct RescanChanges {
    bool positions = true;      // 19.2E written 19.0E and the like; satellites in other slotOrder
    bool retunes = true;        // transponders 3 to 5 MHz apart, a few beyond the tolerance
    bool renames = true;        // another case, " HD" added or dropped, spaces around
    bool serviceIds = true;     // new service IDs
    bool removals = true;       // channels gone
    bool additions = true;      // new channels
    bool dropSatellite = false; // the last satellite not scanned at all
};

struct Rescan {
    // Per channel of the list: the channel of the rescan it became, or kNone when it is gone.
    std::vector<uint32_t> partnerOfList;
    size_t added = 0;
};

// Writes rescan from list (built by BuildChannelList) with the given changes.
inline Rescan MakeRescan(const NetworkDatabase& list, NetworkDatabase& rescan, const RescanChanges& changes = {},
                         uint32_t seed = 7) {
    std::mt19937 random(seed);
    auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    rescan.Clear();
    rescan.version = list.version;
    Rescan result;
    result.partnerOfList.assign(list.programs().size(), kNone);
    const auto& satellites = Satellites();

    // Slots: the scan finds the satellites in another order.
    std::vector<size_t> slotOrder(list.networks().size());
    for (size_t n = 0; n < slotOrder.size(); ++n)
        slotOrder[n] = n;
    if (changes.positions)
        std::reverse(slotOrder.begin(), slotOrder.end());
    if (changes.dropSatellite)
        slotOrder.erase(std::find(slotOrder.begin(), slotOrder.end(), slotOrder.size() - 1));
    uint16_t freshServiceId = 60000;
    for (size_t slot = 0; slot < slotOrder.size(); ++slot) {
        const size_t n = slotOrder[slot];
        AntennaConfig& config = rescan.AppendAntennaConfig();
        config.lnbType = 0x41;
        Network network = *list.networks()[n];
        network.treeItem = nullptr;
        network.antennaIndex = static_cast<uint8_t>(slot);
        if (changes.positions && n < satellites.size())
            network.position = satellites[n].rescanPosition;
        rescan.AppendNetwork(network);
        // Transponders of the satellite, in frequency order, and the programs of each in service ID order.
        std::vector<std::pair<uint16_t, size_t>> transponders;
        for (size_t t = 0; t < list.transponders().size(); ++t) {
            if (list.transponders()[t]->networkIndex == n)
                transponders.emplace_back(list.transponders()[t]->frequency, t);
        }
        for (size_t k = 0; k < transponders.size(); ++k) {
            const size_t t = transponders[k].second;
            Transponder transponder = *list.transponders()[t];
            transponder.treeItem = nullptr;
            transponder.networkIndex = static_cast<uint8_t>(slot);
            if (changes.retunes && k % 3 == 1) // 10 MHz for the fifth: beyond the tolerance
                transponder.frequency = static_cast<uint16_t>(transponder.frequency + (k == 4 ? 10 : k % 2 ? 3 : -4));
            const auto tp = static_cast<uint16_t>(rescan.transponders().size());
            rescan.AppendTransponder(transponder);
            std::vector<size_t> programs;
            for (size_t p = 0; p < list.programs().size(); ++p) {
                if (list.programs()[p]->transponderIndex == t)
                    programs.push_back(p);
            }
            std::stable_sort(programs.begin(), programs.end(), [&](size_t x, size_t y) {
                return list.programs()[x]->serviceId < list.programs()[y]->serviceId;
            });
            // The manual feeds come back in the other order.
            std::stable_sort(programs.begin(), programs.end(), [&](size_t x, size_t y) {
                return (list.programs()[x]->serviceId == 0 ? list.programs()[x]->pmtPid : 0) <
                       (list.programs()[y]->serviceId == 0 ? list.programs()[y]->pmtPid : 0);
            });
            for (const size_t p : programs) {
                const Program& old = *list.programs()[p];
                const bool userNamed = (old.attributes & PA_NO_NAME_UPDATE) != 0;
                const bool special = old.serviceId == 0 || old.name == "." || old.name == "Info Kanal" || userNamed;
                if (changes.removals && !special && below(30) == 0)
                    continue;
                Program program = old;
                program.treeItem = nullptr;
                program.transponderIndex = tp;
                program.attributes = static_cast<uint8_t>(old.attributes & (PA_RADIO | PA_SCRAMBLED));
                if (userNamed) // the broadcast name comes back
                    program.name = "Broadcast " + std::to_string(old.serviceId);
                // A new service ID or a retune beyond the tolerance leave the name to find the
                // channel by; only names that are unique on the satellite are given either.
                bool uniqueName = !special;
                for (size_t q = 0; q < list.programs().size() && uniqueName; ++q) {
                    const Program& other = *list.programs()[q];
                    uniqueName = q == p || other.transponderIndex >= list.transponders().size() ||
                                 list.transponders()[other.transponderIndex]->networkIndex != n ||
                                 other.IsRadio() != old.IsRadio() || BaseName(other.name) != BaseName(old.name);
                }
                if (changes.serviceIds && uniqueName && below(8) == 0)
                    program.serviceId = ++freshServiceId;
                if (changes.renames && !special && !userNamed) {
                    switch (below(10)) {
                    case 0:
                        for (char& c : program.name)
                            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
                        break;
                    case 1:
                        if (program.name.size() > 3 && program.name.substr(program.name.size() - 3) == " HD")
                            program.name.resize(program.name.size() - 3);
                        else if (!old.IsRadio())
                            program.name += " HD";
                        break;
                    case 2:
                        program.name = " " + program.name + "  ";
                        break;
                    default:
                        break;
                    }
                }
                result.partnerOfList[p] = static_cast<uint32_t>(rescan.programs().size());
                rescan.AppendProgram(std::move(program));
            }
            if (changes.additions && k % 4 == 3) {
                AppendService(rescan, tp, "New Channel " + std::to_string(rescan.programs().size()), ++freshServiceId,
                              false, 0x800);
                ++result.added;
            }
        }
    }
    return result;
}

} // namespace realistic
