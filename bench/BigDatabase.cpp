#include "bench/BigDatabase.h"

#include "database/DisplayTables.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>

namespace {

// SplitMix64: tiny, fast and the same everywhere (the standard distributions are not).
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < bound (bound > 0); the bias is immaterial for bounds this small.
    size_t Below(size_t bound) { return static_cast<size_t>(Next() % bound); }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    template <typename T> const T& Pick(const std::vector<T>& items) { return items[Below(items.size())]; }

private:
    uint64_t state_;
};

template <typename T> void Shuffle(std::vector<T>& items, Random& random) {
    for (size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random.Below(i)]);
}

// Orbital positions in tenths of a degree east (west positions as 3600 minus the degrees west), each
// with the operator family whose satellites stand there.
struct Slot {
    uint16_t position;
    const char* family;
};

const std::vector<Slot> kKnownSlots = {
    {192, "Astra"},     {130, "Hot Bird"},   {282, "Astra"},     {235, "Astra"},      {90, "Eutelsat"},
    {70, "Eutelsat"},   {160, "Eutelsat"},   {100, "Eutelsat"},  {215, "Eutelsat"},   {360, "Eutelsat"},
    {48, "Astra"},      {390, "Hellas Sat"}, {420, "Turksat"},   {310, "Turksat"},    {260, "Badr"},
    {305, "Arabsat"},   {200, "Arabsat"},    {450, "Intelsat"},  {460, "Azerspace"},  {490, "Yamal"},
    {525, "Yahsat"},    {530, "Express"},    {550, "Yamal"},     {560, "Express"},    {570, "NSS"},
    {600, "Intelsat"},  {620, "Intelsat"},   {642, "Intelsat"},  {660, "Intelsat"},   {685, "Intelsat"},
    {705, "Eutelsat"},  {740, "Insat"},      {750, "ABS"},       {765, "Apstar"},     {785, "Thaicom"},
    {800, "Express"},   {830, "Insat"},      {852, "Intelsat"},  {875, "ChinaSat"},   {880, "ST"},
    {900, "Yamal"},     {915, "Measat"},     {922, "ChinaSat"},  {935, "Insat"},      {950, "SES"},
    {985, "ProtoStar"}, {1005, "AsiaSat"},   {1055, "AsiaSat"},  {1082, "Telkom"},    {1100, "BSAT"},
    {1130, "Koreasat"}, {1155, "ChinaSat"},  {1160, "Koreasat"}, {1222, "AsiaSat"},   {1240, "JCSAT"},
    {1250, "ChinaSat"}, {1280, "JCSAT"},     {1320, "Vinasat"},  {1340, "Apstar"},    {1380, "Apstar"},
    {1400, "Express"},  {1440, "JCSAT"},     {1460, "ABS"},      {1500, "JCSAT"},     {1520, "Optus"},
    {1540, "JCSAT"},    {1560, "Optus"},     {1600, "Optus"},    {1620, "Superbird"}, {1660, "Intelsat"},
    {1690, "Intelsat"}, {1720, "Eutelsat"},  {1800, "Intelsat"}, {3590, "Thor"},      {3592, "Intelsat"},
    {3550, "Eutelsat"}, {3530, "Nilesat"},   {3520, "Eutelsat"}, {3475, "Eutelsat"},  {3450, "Telstar"},
    {3420, "NSS"},      {3380, "Intelsat"},  {3355, "Intelsat"}, {3325, "Eutelsat"},  {3300, "Hispasat"},
    {3255, "Intelsat"}, {3225, "Telstar"},   {3195, "SES"},      {3170, "Intelsat"},  {3150, "Intelsat"},
    {3070, "Intelsat"}, {3045, "Intelsat"},  {3020, "Amazonas"}, {2990, "Amazonas"},  {2970, "Star One"},
    {2950, "Intelsat"}, {2900, "SES"},       {2880, "Star One"}, {2850, "Star One"},  {2820, "Echostar"},
    {2790, "Nimiq"},    {2770, "Galaxy"},    {2750, "AMC"},      {2730, "Galaxy"},    {2690, "SES"},
    {2660, "Nimiq"},    {2630, "Anik"},      {2610, "Galaxy"},   {2590, "Echostar"},  {2570, "Galaxy"},
    {2530, "Galaxy"},   {2500, "Echostar"},  {2450, "Echostar"}, {2430, "Galaxy"},    {2410, "Anik"},
    {2350, "Galaxy"},   {2310, "AMC"},       {2270, "Galaxy"},   {2190, "Horizons"},  {2100, "Galaxy"},
};

const std::vector<const char*> kFamilies = {
    "Astra", "Eutelsat", "Intelsat", "SES",     "Express", "Yamal",  "ABS",     "Apstar",
    "Amos",  "Arabsat",  "Nilesat",  "Thaicom", "Measat",  "Galaxy", "Telstar", "ChinaSat",
    "Optus", "JCSAT",    "Koreasat", "Palapa",  "KazSat",  "Paksat", "Insat",   "Belintersat",
};

std::string PositionName(const char* family, uint16_t position) {
    const bool west = position > 1800;
    const unsigned tenths = west ? 3600u - position : position;
    return std::string(family) + " " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) +
           (west ? "W" : "E");
}

// Names in the file's single-byte code page: "\xD6" is a capital O with diaeresis, and so on.
const std::vector<std::string> kTvNames = {
    "Das Erste",
    "ZDF",
    "RTL",
    "SAT.1",
    "ProSieben",
    "VOX",
    "kabel eins",
    "RTLZWEI",
    "3sat",
    "arte",
    "phoenix",
    "KiKA",
    "ZDFneo",
    "ONE",
    "tagesschau24",
    "BR Fernsehen",
    "hr-fernsehen",
    "MDR",
    "NDR",
    "rbb",
    "SWR",
    "WDR",
    "ORF1",
    "ORF2",
    "ServusTV",
    "SRF 1",
    "SRF zwei",
    "BBC One",
    "BBC Two",
    "ITV",
    "Channel 4",
    "Sky News",
    "TF1",
    "France 2",
    "France 3",
    "M6",
    "Canal+",
    "TV5MONDE",
    "Rai 1",
    "Rai 2",
    "Rai 3",
    "Canale 5",
    "Italia 1",
    "La 1",
    "La 2",
    "Antena 3",
    "Cuatro",
    "Telecinco",
    "RTP 1",
    "TVP 1",
    "Polsat",
    "TVN",
    "\xC8T1",
    "Nova",
    "M1",
    "TRT 1",
    "Show TV",
    "Kanal D",
    "ERT1",
    "Al Jazeera",
    "Al Arabiya",
    "MBC 1",
    "Dubai TV",
    "Euronews",
    "CNN",
    "Bloomberg",
    "DW",
    "France 24",
    "NHK World",
    "CGTN",
    "Eurosport",
    "Sky Sport",
    "DAZN",
    "Discovery",
    "National Geographic",
    "History",
    "Animal Planet",
    "MTV",
    "VH1",
    "Nickelodeon",
    "Cartoon Network",
    "Disney Channel",
    "Comedy Central",
    "Kinowelt",
    "Heimatkanal",
    "Fashion TV",
    "QVC",
    "HSE",
    "Bibel TV",
    "Sonnenklar",
};

const std::vector<std::string> kRadioNames = {
    "Bayern 1",
    "Bayern 3",
    "hr3",
    "SWR3",
    "WDR 2",
    "1LIVE",
    "NDR 2",
    "Antenne Bayern",
    "Deutschlandfunk",
    "DLF Kultur",
    "Radio Bremen",
    "MDR JUMP",
    "\xD6"
    "1",
    "\xD6"
    "3",
    "FM4",
    "Radio SRF 1",
    "BBC Radio 2",
    "BBC Radio 4",
    "France Inter",
    "RTL Radio",
    "Rai Radio 1",
    "RNE",
    "Polskie Radio",
    "TRT FM",
    "Klassik Radio",
    "Radio Maria",
    "Schlager Radio",
    "Sunshine Live",
    "Radio Swiss Jazz",
    "Energy",
};

const std::vector<std::string> kVariants = {
    "",
    "",
    "",
    "",
    " HD",
    " HD",
    " 2",
    " +1",
    " International",
    " Europe",
    " Deutschland",
    " \xD6sterreich",
    " Schweiz",
    " M\xFCnchen",
    " S\xFC"
    "d",
    " Nord",
    " UHD",
};

const std::vector<uint16_t> kSymbolRates = {22000, 27500, 27500, 29900, 30000, 23000, 27000, 6111, 3333, 45000};

size_t ScaledCount(size_t count, double scale) {
    return std::max<size_t>(1, static_cast<size_t>(std::llround(static_cast<double>(count) * scale)));
}

void AddNetworks(NetworkDatabase& db, size_t count, Random& random) {
    // Known positions first, then further half-degree positions nobody uses yet.
    std::vector<Slot> slots(kKnownSlots.begin(), kKnownSlots.begin() + std::min(count, kKnownSlots.size()));
    std::set<uint16_t> used;
    for (const Slot& slot : slots)
        used.insert(slot.position);
    while (slots.size() < count && used.size() < 720) {
        const auto position = static_cast<uint16_t>(random.Below(720) * 5);
        if (used.insert(position).second)
            slots.push_back({position, random.Pick(kFamilies)});
    }
    Shuffle(slots, random);

    for (size_t i = 0; i < slots.size(); ++i) {
        auto network = std::make_unique<Network>();
        network->name = PositionName(slots[i].family, slots[i].position);
        network->position = slots[i].position;
        network->positionerId = static_cast<uint8_t>(random.Chance(20) ? 1 + random.Below(60) : 0);
        network->antennaIndex = static_cast<uint8_t>(i);
        network->skewV = static_cast<uint8_t>(96 + random.Below(20));
        network->skewH = static_cast<uint8_t>(28 + random.Below(10));
        db.AppendNetwork(*network);

        auto antenna = std::make_unique<AntennaConfig>();
        if (random.Chance(30)) {
            antenna->setPositionerLevel(2); // USALS
        } else {
            antenna->setSwitchLevel(random.Chance(70) ? 1 : 2);
            antenna->setPort10(static_cast<uint8_t>(i % 4));
            antenna->setPort11(static_cast<uint8_t>(i % 16));
        }
        if (random.Chance(10)) {
            antenna->lnbType = 0x00; // single LNB, custom oscillator
            antenna->lnbFreq = 5150;
        }
        db.AppendAntennaConfig(*antenna);
    }
}

void AddTransponders(NetworkDatabase& db, size_t count, double heavyShare, Random& random) {
    const size_t networks = db.networks().size();
    std::vector<size_t> perNetwork(networks, 0);
    size_t rest = count;
    size_t evenFrom = 0;
    if (heavyShare > 0.0 && networks > 1) {
        perNetwork[0] = std::min(count, static_cast<size_t>(std::llround(static_cast<double>(count) * heavyShare)));
        rest -= perNetwork[0];
        evenFrom = 1;
    }
    const size_t evenNetworks = networks - evenFrom;
    for (size_t n = evenFrom; n < networks; ++n)
        perNetwork[n] = rest / evenNetworks + ((n - evenFrom) < rest % evenNetworks ? 1 : 0);

    for (size_t n = 0; n < networks; ++n) {
        // A satellite's transponders climb through the Ku band, alternating polarity.
        for (size_t k = 0; k < perNetwork[n]; ++k) {
            auto transponder = std::make_unique<Transponder>();
            const auto frequency = static_cast<uint16_t>(10700 + (k * 19 + n * 7) % 2050);
            const auto polarity = static_cast<uint8_t>(random.Chance(5) ? 2 + k % 2 : k % 2);
            const auto fec = static_cast<uint8_t>(random.Below(6));
            transponder->InitTransponder(static_cast<uint8_t>(n), frequency, static_cast<uint8_t>(fec << 4 | polarity));
            transponder->symbolRate = random.Pick(kSymbolRates);
            if (random.Chance(3))
                transponder->freqDrift = static_cast<uint8_t>(random.Below(8));
            db.AppendTransponder(*transponder);
        }
    }
}

void AddPrograms(NetworkDatabase& db, size_t count, Random& random) {
    const size_t transponders = db.transponders().size();
    if (transponders == 0)
        return; // programs need a transponder to refer to
    std::vector<std::unique_ptr<Program>> programs;
    programs.reserve(count);
    uint16_t serviceId = 0;
    for (size_t i = 0; i < count; ++i) {
        const auto transponder = static_cast<uint16_t>(i * transponders / count);
        auto program = std::make_unique<Program>(transponder);
        const bool radio = random.Chance(20);
        program->name = (radio ? random.Pick(kRadioNames) : random.Pick(kTvNames)) + random.Pick(kVariants);
        serviceId = static_cast<uint16_t>(
            i > 0 && programs.back()->transponderIndex == transponder ? serviceId + 1 : 100 + random.Below(28000));
        program->serviceId = serviceId;
        const auto base = static_cast<uint16_t>(0x100 + 0x10 * random.Below(0x180));
        program->pmtPid = static_cast<uint16_t>(0x20 + random.Below(0xFE0));
        if (radio) {
            program->attributes = PA_RADIO;
            program->pcrPid = base;
            program->audioPids.Append(base, static_cast<uint8_t>(random.Below(NUM_LANGUAGES)));
        } else {
            program->pcrPid = base;
            program->videoPids.Append(base, LANG_NONE);
            // One to three audio tracks: mostly one, a second language often, AC3 now and then.
            const size_t tracks = random.Chance(60) ? 1 : (random.Chance(75) ? 2 : 3);
            for (size_t t = 0; t < tracks; ++t) {
                const auto pid = static_cast<uint16_t>(base + 1 + t);
                const bool ac3 = t > 0 && random.Chance(40);
                program->audioPids.Append(static_cast<uint16_t>(pid | (ac3 ? PID_FLAG_AC3 : 0)),
                                          static_cast<uint8_t>(random.Below(NUM_LANGUAGES)));
            }
            if (random.Chance(50))
                program->teletextPids.Append(static_cast<uint16_t>(base + 8), LANG_NONE);
        }
        if (random.Chance(30)) {
            program->attributes |= PA_SCRAMBLED;
            program->caMask = static_cast<uint32_t>(1u << random.Below(11)) | (random.Chance(30) ? 1u << 8 : 0u);
        }
        if (random.Chance(2))
            program->attributes |= PA_LOCK;
        programs.push_back(std::move(program));
    }
    // A twentieth of the channels moved to the front, as users order the ones they watch most.
    std::vector<bool> favored(count);
    for (size_t i = 0; i < count; ++i)
        favored[i] = random.Chance(5);
    std::vector<std::unique_ptr<Program>> ordered;
    ordered.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        if (favored[i])
            ordered.push_back(std::move(programs[i]));
    }
    for (size_t i = 0; i < count; ++i) {
        if (!favored[i])
            ordered.push_back(std::move(programs[i]));
    }
    for (auto& program : ordered)
        db.AppendProgram(std::move(*program));
}

void AddFavoriteGroups(NetworkDatabase& db, size_t groups, size_t entries, Random& random) {
    const size_t programs = db.programs().size();
    std::vector<uint16_t> pool(programs);
    for (size_t i = 0; i < programs; ++i)
        pool[i] = static_cast<uint16_t>(i);
    for (size_t g = 0; g < groups; ++g) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = g < 8 ? kDefaultFavoriteNames[g] : "Group " + std::to_string(g + 1);
        // Distinct programs, in the order the user added them.
        const size_t take = std::min(entries, programs);
        for (size_t i = 0; i < take; ++i) {
            std::swap(pool[i], pool[i + random.Below(programs - i)]);
            const uint16_t program = pool[i];
            (db.programs()[program]->IsRadio() ? group->radioList : group->tvList).push_back(program);
        }
        db.AppendFavoriteGroup(*group);
    }
}

} // namespace

BigDatabaseShape BigDatabaseShape::Scaled(double scale) const {
    BigDatabaseShape shape = *this;
    shape.networks = ScaledCount(networks, scale);
    shape.transponders = ScaledCount(transponders, scale);
    shape.programs = ScaledCount(programs, scale);
    shape.favoriteEntries = ScaledCount(favoriteEntries, scale);
    return shape;
}

void BuildBigDatabase(NetworkDatabase& db, const BigDatabaseShape& shape, uint64_t seed) {
    db.Clear();
    db.version = 1;
    db.stampYear = 0; // version "B002"
    db.stampMonth = 1;
    db.stampDay = 2;
    db.keepStamp = true;
    db.formatFlags = NDF_FLAG_PROG_CA | NDF_FLAG_NET_SKEW;

    Random random(seed);
    AddNetworks(db, std::min<size_t>(shape.networks, NO_NETWORK), random);
    AddTransponders(db, std::min<size_t>(shape.transponders, 0xFFFF), shape.heavyNetworkShare, random);
    AddPrograms(db, std::min<size_t>(shape.programs, 0xFFFF), random);
    AddFavoriteGroups(db, std::min<size_t>(shape.favoriteGroups, 255), shape.favoriteEntries, random);
}

std::vector<uint8_t> BigDatabaseImage(const BigDatabaseShape& shape, uint64_t seed) {
    NetworkDatabase db;
    BuildBigDatabase(db, shape, seed);
    std::vector<uint8_t> image;
    db.Serialize(image);
    return image;
}
