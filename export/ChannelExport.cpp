#include "export/ChannelExport.h"

#include "database/DisplayTables.h"

#include <cstdio>

const char* const kExportHeadings[EXPORT_COLUMN_COUNT] = {"No.",        "Name",      "Type",     "Satellite",
                                                          "Position",   "Frequency", "Polarity", "Symbol Rate",
                                                          "Service ID", "CA",        "Favorites"};

namespace {

// The name a favorite group is shown by: "Fav%u" with its number when it has none.
std::string GroupName(const NetworkDatabase& database, size_t group) {
    const std::string& name = database.favoriteGroups()[group]->name;
    return name.empty() ? "Fav" + std::to_string(group + 1) : name;
}

// For every program, the names of the groups that list it, in group order, ", " between them. A
// program listed twice in one group names it once.
std::vector<std::string> FavoriteTexts(const NetworkDatabase& database) {
    const size_t programCount = database.programs().size();
    std::vector<std::string> texts(programCount);
    std::vector<size_t> lastGroup(programCount, SIZE_MAX);
    for (size_t g = 0; g < database.favoriteGroups().size(); ++g) {
        const FavoriteGroup& group = *database.favoriteGroups()[g];
        const std::string name = GroupName(database, g);
        for (const std::vector<uint16_t>* list : {&group.tvList, &group.radioList}) {
            for (const uint16_t entry : *list) {
                if (entry >= programCount || lastGroup[entry] == g)
                    continue;
                lastGroup[entry] = g;
                std::string& text = texts[entry];
                if (!text.empty())
                    text += ", ";
                text += name;
            }
        }
    }
    return texts;
}

class RowMaker {
public:
    explicit RowMaker(const NetworkDatabase& database) : database_(database), favorites_(FavoriteTexts(database)) {}

    // The transponder of a program and its network; null for a reference that names none.
    const Transponder* TransponderOf(const Program& program) const {
        const auto& transponders = database_.transponders();
        return program.transponderIndex < transponders.size() ? transponders[program.transponderIndex].get() : nullptr;
    }
    const Network* NetworkOf(const Transponder* transponder) const {
        if (transponder == nullptr || transponder->networkIndex >= database_.networks().size())
            return nullptr;
        return database_.networks()[transponder->networkIndex].get();
    }

    ChannelRow Make(size_t programIndex, size_t number, bool radio) const {
        const Program& program = *database_.programs()[programIndex];
        ChannelRow row;
        row.radio = radio;
        auto& cells = row.cells;
        cells[EXPORT_NUMBER] = std::to_string(number);
        cells[EXPORT_NAME] = program.name;
        cells[EXPORT_TYPE] = radio ? "Radio" : "TV";
        const Transponder* transponder = TransponderOf(program);
        if (const Network* network = NetworkOf(transponder)) {
            cells[EXPORT_SATELLITE] = network->name;
            cells[EXPORT_POSITION] = FormatPosition(*network);
        }
        if (transponder != nullptr) {
            cells[EXPORT_FREQUENCY] = std::to_string(transponder->frequency);
            cells[EXPORT_POLARITY] = PolarityLetter(transponder->polarity());
            cells[EXPORT_SYMBOL_RATE] = std::to_string(transponder->symbolRate);
        }
        cells[EXPORT_SERVICE_ID] = std::to_string(program.serviceId);
        FormatCaNames(program.caMask, cells[EXPORT_CA]);
        cells[EXPORT_FAVORITES] = favorites_[programIndex];
        return row;
    }

private:
    const NetworkDatabase& database_;
    std::vector<std::string> favorites_;
};

void AddGroupRows(const NetworkDatabase& database, const RowMaker& maker, size_t group, ChannelExport& list) {
    const FavoriteGroup& favorite = *database.favoriteGroups()[group];
    for (const bool radio : {false, true}) {
        const std::vector<uint16_t>& entries = radio ? favorite.radioList : favorite.tvList;
        for (size_t place = 0; place < entries.size(); ++place) {
            if (entries[place] < database.programs().size())
                list.rows.push_back(maker.Make(entries[place], place + 1, radio));
        }
    }
}

void AddListRows(const NetworkDatabase& database, const RowMaker& maker, const ExportScope& scope,
                 ChannelExport& list) {
    const bool oneSatellite = scope.kind == SCOPE_SATELLITE;
    const Network* satellite = oneSatellite ? database.networks()[scope.index].get() : nullptr;
    std::vector<ChannelRow> radioRows;
    size_t tvNumber = 0;
    size_t radioNumber = 0;
    for (size_t k = 0; k < database.programs().size(); ++k) {
        const Program& program = *database.programs()[k];
        const bool radio = program.IsRadio();
        const size_t number = radio ? ++radioNumber : ++tvNumber;
        if (radio ? !list.coversRadio : !list.coversTv)
            continue;
        if (oneSatellite && maker.NetworkOf(maker.TransponderOf(program)) != satellite)
            continue;
        (radio ? radioRows : list.rows).push_back(maker.Make(k, number, radio));
    }
    list.rows.insert(list.rows.end(), std::make_move_iterator(radioRows.begin()),
                     std::make_move_iterator(radioRows.end()));
}

} // namespace

bool ScopeIsValid(const NetworkDatabase& database, const ExportScope& scope) {
    switch (scope.kind) {
    case SCOPE_ALL:
    case SCOPE_TV:
    case SCOPE_RADIO:
        return true;
    case SCOPE_SATELLITE:
        return scope.index < database.networks().size();
    case SCOPE_GROUP:
        return scope.index < database.favoriteGroups().size();
    }
    return false;
}

std::string StampText(const NetworkDatabase& database) {
    std::string version;
    if (database.GetStampVersion(version))
        return version;
    // Bytes that hold no date read as today's date: the page then shows none rather than a wrong
    // one. A date that matches the bytes field by field can only be the stamp's own.
    const CalendarDate date = database.GetStampDate();
    if (!(database.stampYear & 0x80) || date.year != 2000 + (database.stampYear & 0x7F) ||
        date.month != database.stampMonth || date.day != database.stampDay)
        return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month % 100, date.day % 100);
    return text;
}

ChannelExport BuildChannelExport(const NetworkDatabase& database, const ExportScope& scope) {
    ChannelExport list;
    list.stamp = StampText(database);
    if (!ScopeIsValid(database, scope))
        return list;
    const RowMaker maker(database);
    switch (scope.kind) {
    case SCOPE_ALL:
        list.scopeText = "All channels";
        break;
    case SCOPE_TV:
        list.scopeText = "TV channels";
        list.coversRadio = false;
        break;
    case SCOPE_RADIO:
        list.scopeText = "Radio channels";
        list.coversTv = false;
        break;
    case SCOPE_SATELLITE: {
        const Network& network = *database.networks()[scope.index];
        list.scopeText = "Satellite " + network.name + " (" + FormatPosition(network) + ")";
        break;
    }
    case SCOPE_GROUP:
        list.scopeText = "Favorite group " + GroupName(database, scope.index);
        AddGroupRows(database, maker, scope.index, list);
        return list;
    }
    AddListRows(database, maker, scope, list);
    return list;
}
