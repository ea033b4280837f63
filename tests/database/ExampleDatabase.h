// The small database of samples/example.ndf: four satellites with their antenna configurations,
// six transponders, nine programs and the eight favorite groups. MakeExampleNdf writes it; a test
// checks that the committed file is still exactly its image.
#pragma once

#include "database/DisplayTables.h"
#include "database/NetworkDatabase.h"

#include <memory>
#include <string>
#include <vector>

namespace example {

inline uint8_t PolFec(uint8_t polarity, uint8_t fec) {
    return static_cast<uint8_t>(polarity | fec << 4);
}

inline void BuildExampleDatabase(NetworkDatabase& db) {
    db.Clear();
    db.version = 1;
    db.formatFlags = NDF_FLAG_TP_NAMES | NDF_FLAG_NET_SKEW | NDF_FLAG_PROG_CA;
    db.SetStampVersion("A001");
    db.keepStamp = true;

    struct Satellite {
        const char* name;
        uint16_t position;
    };
    const Satellite satellites[] = {
        {"Astra 19.2E", 192}, {"Hot Bird 13.0E", 130}, {"Thor 0.8W", 3592}, {"Hispasat 30.0W", 3300}};
    for (const Satellite& satellite : satellites) {
        const auto slot = static_cast<uint8_t>(db.networks().size());
        auto antenna = std::make_unique<AntennaConfig>();
        antenna->setSwitchLevel(1); // DiSEqC 1.0, one port per satellite
        antenna->setPort10(slot);
        db.AppendAntennaConfig(*antenna);
        auto network = std::make_unique<Network>();
        network->name = satellite.name;
        network->position = satellite.position;
        network->antennaIndex = slot;
        db.AppendNetwork(*network);
    }

    struct Tp {
        uint8_t network;
        const char* name;
        uint16_t frequency, symbolRate;
        uint8_t polFec;
        int32_t gmtError;
    };
    const Tp transponders[] = {
        {0, "1KR", 11494, 22000, PolFec(1, 2), GMT_UNSET}, {0, "1N", 12188, 27500, PolFec(1, 3), 60},
        {1, "HB9", 10992, 27500, PolFec(0, 2), GMT_UNSET}, {1, "HB8", 11034, 27500, PolFec(0, 3), GMT_UNSET},
        {2, "T6", 10872, 25000, PolFec(0, 5), GMT_UNSET},  {3, "", 11931, 27500, PolFec(1, 3), GMT_UNSET},
    };
    for (const Tp& t : transponders) {
        auto transponder = std::make_unique<Transponder>();
        transponder->InitTransponder(t.network, t.frequency, t.polFec);
        transponder->name = t.name;
        transponder->symbolRate = t.symbolRate;
        transponder->gmtError = t.gmtError;
        db.AppendTransponder(*transponder);
    }

    struct Prog {
        uint16_t transponder;
        const char* name;
        uint16_t serviceId, firstPid;
        uint8_t attributes;
        uint32_t caMask;
    };
    const Prog programs[] = {
        {0, "Example News", 28106, 0x100, 0, 0},
        {0, "Example Movies", 28107, 0x110, PA_SCRAMBLED, (1u << 0) | (1u << 3)},
        {1, "Example Sport", 6201, 0x200, 0, 0},
        {1, "Example Radio", 6202, 0x210, PA_RADIO, 0},
        {2, "Kids Channel", 8101, 0x300, 0, 0},
        {3, "Music Hits", 8201, 0x400, 0, 0},
        {3, "Jazz Radio", 8202, 0x410, PA_RADIO, 0},
        {4, "Nordic Info", 3101, 0x500, PA_SCRAMBLED, 1u << 7},
        {4, "Documentaries", 3102, 0x510, PA_LOCK, 0},
    };
    for (const Prog& p : programs) {
        auto program = std::make_unique<Program>(p.transponder);
        program->name = p.name;
        program->serviceId = p.serviceId;
        program->pmtPid = p.firstPid;
        program->pcrPid = static_cast<uint16_t>(p.firstPid + 1);
        if (!(p.attributes & PA_RADIO)) {
            program->videoPids.Append(static_cast<uint16_t>(p.firstPid + 1), LANG_NONE);
            program->teletextPids.Append(static_cast<uint16_t>(p.firstPid + 4), LANG_NONE);
        }
        program->audioPids.Append(static_cast<uint16_t>(p.firstPid + 2), 0); // ENG
        if (p.serviceId == 28106)
            program->audioPids.Append(static_cast<uint16_t>((p.firstPid + 3) | PID_FLAG_AC3), 6); // GER, AC3
        program->attributes = p.attributes;
        program->caMask = p.caMask;
        db.AppendProgram(*program);
    }

    const std::vector<std::vector<uint16_t>> tv = {{0, 7}, {1, 8}, {}, {2}, {5}, {4}, {8}, {0}};
    const std::vector<std::vector<uint16_t>> radio = {{}, {}, {}, {}, {3, 6}, {}, {}, {}};
    for (size_t g = 0; g < 8; ++g) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = kDefaultFavoriteNames[g];
        group->tvList = tv[g];
        group->radioList = radio[g];
        db.AppendFavoriteGroup(*group);
    }
}

} // namespace example
