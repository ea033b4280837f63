// Databases built in memory for the Channel List tests; standard library only, so that the
// session's tests need no Qt.
#pragma once

#include "channellist/ChannelListState.h"
#include "database/NetworkDatabase.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace cltest {

struct TestDatabase {
    NetworkDatabase db;

    uint8_t AddNetwork(const std::string& name) {
        auto network = std::make_unique<Network>();
        network->name = name;
        db.AppendNetwork(*network);
        return static_cast<uint8_t>(db.networks().size() - 1);
    }
    uint16_t AddTransponder(uint8_t network, uint16_t frequency, uint8_t polarity) {
        auto transponder = std::make_unique<Transponder>();
        transponder->InitTransponder(network, frequency, polarity);
        db.AppendTransponder(*transponder);
        return static_cast<uint16_t>(db.transponders().size() - 1);
    }
    uint16_t AddProgram(const std::string& name, uint16_t transponder, bool radio = false, uint32_t caMask = 0) {
        auto program = std::make_unique<Program>(transponder);
        program->name = name;
        program->caMask = caMask;
        program->attributes = radio ? PA_RADIO : 0;
        db.AppendProgram(*program);
        return static_cast<uint16_t>(db.programs().size() - 1);
    }
    void AddGroup(const std::string& name, std::vector<uint16_t> tv = {}, std::vector<uint16_t> radio = {}) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = name;
        group->tvList = std::move(tv);
        group->radioList = std::move(radio);
        db.AppendFavoriteGroup(*group);
    }
    std::vector<std::string> ProgramNames() const {
        std::vector<std::string> names;
        for (const auto& program : db.programs())
            names.push_back(program->name);
        return names;
    }
    // The names of the programs a favorite list designates.
    std::vector<std::string> ListNames(const std::vector<uint16_t>& list) const {
        std::vector<std::string> names;
        for (const uint16_t entry : list)
            names.push_back(entry < db.programs().size() ? db.programs()[entry]->name : "?");
        return names;
    }
};

// Networks Astra, Hotbird, an unused one and a radio-only one; eight favorite groups of which
// "News", an unnamed third group and "Music" have members.
inline void FillSample(TestDatabase& data) {
    const uint8_t astra = data.AddNetwork("Astra");
    const uint8_t hotbird = data.AddNetwork("Hotbird");
    data.AddNetwork("Unused");
    const uint8_t radioSat = data.AddNetwork("RadioSat");
    const uint16_t t0 = data.AddTransponder(astra, 11778, 1);
    const uint16_t t1 = data.AddTransponder(astra, 12000, 0);
    const uint16_t t2 = data.AddTransponder(hotbird, 10992, 3);
    const uint16_t t3 = data.AddTransponder(radioSat, 11300, 2);
    data.AddProgram("Das Erste", t0);                // 0
    data.AddProgram("Radio Eins", t0, true);         // 1
    data.AddProgram("arte", t1, false, 0x40000003u); // 2: VICS, SECA, UNKNOWN
    data.AddProgram("BBC", t2);                      // 3
    data.AddProgram("zdf", t0);                      // 4
    data.AddProgram("Klassik", t3, true);            // 5
    data.AddProgram("Cnn", t2);                      // 6
    data.AddGroup("News", {6, 3});
    data.AddGroup("Movies");
    data.AddGroup("", {0, 3});
    data.AddGroup("Music", {}, {5});
    for (const char* name : {"Cartoons", "Education", "Info", "Sport"})
        data.AddGroup(name);
}

// Every field of a session state, comparable with ==.
inline auto Fields(const ChannelListState& s) {
    std::vector<std::tuple<std::string, std::vector<uint16_t>, std::vector<uint16_t>>> groups;
    for (const FavoriteGroup& g : s.workingGroups)
        groups.emplace_back(g.name, g.tvList, g.radioList);
    return std::make_tuple(s.workingOrder, s.deleted, groups, s.favoriteMasks, s.marks, s.names, s.currentTab,
                           s.groupKind, s.groupIndex, s.rows, s.changeFlags, s.sortState, s.sortShown);
}

} // namespace cltest
