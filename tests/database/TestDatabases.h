// Databases for the tests, built record by record, and a printable form of every record so that
// whole databases can be compared with readable differences.
#pragma once

#include "database/CollectionAccess.h"
#include "database/NetworkDatabase.h"

#include <cstdint>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace testdb {

// The collections themselves, for tests that plant damage no operation would make (records cut
// off, swapped or left without their references).
template <class T> RecordList<T>& Raw(NetworkDatabase& db) {
    return Records<T>(db);
}

// An identity carried in treeItem: records keep it through moves and copies, so a comparison sees
// which record ended up where.
inline TreeItemHandle Tag(size_t id) {
    return reinterpret_cast<TreeItemHandle>(static_cast<uintptr_t>(id + 1));
}

inline AntennaConfig& AddAntenna(NetworkDatabase& db, uint8_t lnbType = 0x41) {
    AntennaConfig& config = db.AppendAntennaConfig();
    config.lnbType = lnbType;
    return config;
}

inline Network& AddNetwork(NetworkDatabase& db, const std::string& name, uint16_t position) {
    auto network = std::make_unique<Network>();
    network->name = name;
    network->position = position;
    network->antennaIndex = static_cast<uint8_t>(db.networks().size());
    network->treeItem = Tag(1000 + db.networks().size());
    return db.AppendNetwork(*network);
}

inline Transponder& AddTransponder(NetworkDatabase& db, uint8_t networkIndex, uint16_t frequency = 11000) {
    auto transponder = std::make_unique<Transponder>();
    transponder->InitTransponder(networkIndex, frequency, 0);
    transponder->symbolRate = 27500;
    transponder->treeItem = Tag(2000 + db.transponders().size());
    return db.AppendTransponder(*transponder);
}

inline Program& AddProgram(NetworkDatabase& db, uint16_t transponderIndex) {
    auto program = std::make_unique<Program>(transponderIndex);
    program->name = "P" + std::to_string(db.programs().size());
    program->serviceId = static_cast<uint16_t>(db.programs().size());
    program->treeItem = Tag(100000 + db.programs().size());
    return db.AppendProgram(*program);
}

inline FavoriteGroup& AddGroup(NetworkDatabase& db, std::vector<uint16_t> tv, std::vector<uint16_t> radio = {}) {
    auto group = std::make_unique<FavoriteGroup>();
    group->name = "G" + std::to_string(db.favoriteGroups().size());
    group->tvList = std::move(tv);
    group->radioList = std::move(radio);
    return db.AppendFavoriteGroup(*group);
}

// ---- printable records ----

inline std::string Show(const AntennaConfig& a) {
    std::ostringstream out;
    out << int(a.diseqcMode) << ' ' << int(a.lnbSupply) << ' ' << int(a.switchPort) << ' ' << int(a.lnbType) << ' '
        << a.lnbFreq << ' ' << a.lnbFreqH;
    return out.str();
}

inline std::string Show(const Network& n) {
    std::ostringstream out;
    out << '"' << n.name << "\" pos " << n.position << " id " << int(n.positionerId) << " ant " << int(n.antennaIndex)
        << " skew " << int(n.skewV) << '/' << int(n.skewH) << " tag " << n.treeItem;
    return out.str();
}

inline std::string Show(const Transponder& t) {
    std::ostringstream out;
    out << '"' << t.name << "\" " << t.frequency << ' ' << t.symbolRate << ' ' << int(t.polFec) << ' '
        << int(t.freqDrift) << " net " << int(t.networkIndex) << " gmt " << t.gmtError << " tag " << t.treeItem;
    return out.str();
}

inline std::string Show(const PidList& list) {
    std::ostringstream out;
    out << '[';
    for (uint16_t pid : list.pids)
        out << pid << ' ';
    out << '|';
    for (uint8_t language : list.languages)
        out << ' ' << int(language);
    out << ']';
    return out.str();
}

// Every field but favoriteMask, which is no part of the record's value.
inline std::string Show(const Program& p) {
    std::ostringstream out;
    out << '"' << p.name << "\" sid " << p.serviceId << " pmt " << p.pmtPid << " pcr " << p.pcrPid << " v "
        << Show(p.videoPids) << " a " << Show(p.audioPids) << " t " << Show(p.teletextPids) << " ca " << p.caMask
        << " attr " << int(p.attributes) << '/' << int(p.attributes2) << " tp " << p.transponderIndex << " tag "
        << p.treeItem;
    return out.str();
}

inline std::string Show(const FavoriteGroup& g) {
    std::ostringstream out;
    out << '"' << g.name << "\" tv";
    for (uint16_t entry : g.tvList)
        out << ' ' << entry;
    out << " radio";
    for (uint16_t entry : g.radioList)
        out << ' ' << entry;
    return out.str();
}

template <class T> std::vector<std::string> ShowAll(const std::vector<std::unique_ptr<T>>& records) {
    std::vector<std::string> shown;
    for (const auto& record : records)
        shown.push_back(Show(*record));
    return shown;
}

template <class T> std::vector<std::string> ShowAll(const std::vector<T>& records) {
    std::vector<std::string> shown;
    for (const auto& record : records)
        shown.push_back(Show(record));
    return shown;
}

// The whole database as text, header fields first.
struct Picture {
    std::vector<std::string> header, antennas, networks, transponders, programs, groups;
    bool operator==(const Picture&) const = default;
};

inline Picture Take(const NetworkDatabase& db) {
    Picture picture;
    picture.header = {std::to_string(db.version),
                      std::to_string(db.stampYear),
                      std::to_string(db.stampMonth),
                      std::to_string(db.stampDay),
                      std::to_string(db.formatFlags),
                      std::to_string(db.keepStamp),
                      db.pathName};
    picture.antennas = ShowAll(db.antennaConfigs());
    picture.networks = ShowAll(db.networks());
    picture.transponders = ShowAll(db.transponders());
    picture.programs = ShowAll(db.programs());
    picture.groups = ShowAll(db.favoriteGroups());
    return picture;
}

inline std::ostream& operator<<(std::ostream& out, const Picture& picture) {
    auto part = [&out](const char* title, const std::vector<std::string>& lines) {
        out << '\n' << title << ':';
        for (const auto& line : lines)
            out << "\n  " << line;
    };
    part("header", picture.header);
    part("antennas", picture.antennas);
    part("networks", picture.networks);
    part("transponders", picture.transponders);
    part("programs", picture.programs);
    part("groups", picture.groups);
    return out;
}

// A database with every kind of reference, some of them damaged: transponders of networks that do
// not exist, programs on transponders that do not exist (0xFFFF among them), favorite entries past
// the programs, repeated entries, and more than eight groups now and then. Transponder runs are
// shuffled, so a network's transponders need not be contiguous.
inline void FillRandom(NetworkDatabase& db, uint32_t seed) {
    std::mt19937 random(seed);
    auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    db.Clear();
    const size_t networkCount = 1 + below(6);
    for (size_t i = 0; i < networkCount; ++i) {
        AddAntenna(db);
        AddNetwork(db, "N" + std::to_string(i), static_cast<uint16_t>(below(3600)));
    }
    const size_t transponderCount = below(14);
    for (size_t i = 0; i < transponderCount; ++i)
        AddTransponder(db, static_cast<uint8_t>(below(networkCount + 2)), static_cast<uint16_t>(10700 + i));
    const size_t programCount = below(30);
    for (size_t i = 0; i < programCount; ++i) {
        const uint16_t transponder = below(12) == 0 ? NO_INDEX : static_cast<uint16_t>(below(transponderCount + 2));
        AddProgram(db, transponder).attributes = below(3) == 0 ? PA_RADIO : 0;
    }
    const size_t groupCount = below(11);
    for (size_t g = 0; g < groupCount; ++g) {
        std::vector<uint16_t> lists[2];
        for (auto& list : lists) {
            const size_t entries = below(8);
            for (size_t e = 0; e < entries; ++e)
                list.push_back(below(15) == 0 ? NO_INDEX : static_cast<uint16_t>(below(programCount + 3)));
        }
        AddGroup(db, lists[0], lists[1]);
    }
}

} // namespace testdb
