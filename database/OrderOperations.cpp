// Reordering: the channel order, a program's move between the TV and radio lists of the favorite
// groups, and the order of the networks with their antenna configurations; with the edits that
// take each of these back exactly.
#include "database/CollectionAccess.h"

#include <algorithm>
#include <numeric>

namespace {

// ---- the channel order ----

// Puts the programs in newOrder (the old index of each new position) and renumbers every favorite
// entry that names a program.
void ApplyProgramOrder(NetworkDatabase& db, const std::vector<uint32_t>& newOrder) {
    RecordList<Program>& programs = Records<Program>(db);
    const size_t count = programs.size();
    std::vector<uint32_t> newIndex(count);
    RecordList<Program> reordered(count);
    for (size_t j = 0; j < count; ++j) {
        newIndex[newOrder[j]] = static_cast<uint32_t>(j);
        reordered[j] = std::move(programs[newOrder[j]]);
    }
    programs.swap(reordered);
    for (auto& group : Records<FavoriteGroup>(db)) {
        for (auto* list : {&group->tvList, &group->radioList}) {
            for (uint16_t& entry : *list) {
                if (entry < count)
                    entry = static_cast<uint16_t>(newIndex[entry]);
            }
        }
    }
}

std::vector<uint32_t> Inverse(const std::vector<uint32_t>& order) {
    std::vector<uint32_t> inverse(order.size());
    for (size_t j = 0; j < order.size(); ++j)
        inverse[order[j]] = static_cast<uint32_t>(j);
    return inverse;
}

class ProgramOrderEdit final : public DatabaseEdit {
public:
    explicit ProgramOrderEdit(std::vector<uint32_t> newOrder) : newOrder_(std::move(newOrder)) {}
    void Undo(NetworkDatabase& db) override { ApplyProgramOrder(db, Inverse(newOrder_)); }
    void Redo(NetworkDatabase& db) override { ApplyProgramOrder(db, newOrder_); }
    size_t Bytes() const override { return sizeof(*this) + newOrder_.capacity() * sizeof(uint32_t); }
    ChangeKind Kind() const override { return static_cast<ChangeKind>(CHANGE_RECORDS | CHANGE_FAVORITES); }

private:
    std::vector<uint32_t> newOrder_;
};

// ---- TV and radio lists ----

// In every group the first occurrence of the program leaves the list of its old kind for the end
// of the other list; the position it left is kept for undo (-1 where the group did not hold it).
std::vector<int64_t> MoveBetweenLists(NetworkDatabase& db, bool oldRadioBit, uint16_t programIndex) {
    std::vector<int64_t> left;
    for (auto& group : Records<FavoriteGroup>(db)) {
        std::vector<uint16_t>& from = oldRadioBit ? group->radioList : group->tvList;
        std::vector<uint16_t>& to = oldRadioBit ? group->tvList : group->radioList;
        const auto found = std::find(from.begin(), from.end(), programIndex);
        if (found == from.end()) {
            left.push_back(-1);
            continue;
        }
        left.push_back(found - from.begin());
        from.erase(found);
        to.push_back(programIndex);
    }
    return left;
}

class RadioEdit final : public DatabaseEdit {
public:
    RadioEdit(bool oldRadioBit, uint16_t programIndex, std::vector<int64_t> left)
        : oldRadioBit_(oldRadioBit), programIndex_(programIndex), left_(std::move(left)) {}
    void Undo(NetworkDatabase& db) override {
        RecordList<FavoriteGroup>& groups = Records<FavoriteGroup>(db);
        for (size_t g = 0; g < left_.size(); ++g) {
            if (left_[g] < 0)
                continue;
            std::vector<uint16_t>& from = oldRadioBit_ ? groups[g]->radioList : groups[g]->tvList;
            std::vector<uint16_t>& to = oldRadioBit_ ? groups[g]->tvList : groups[g]->radioList;
            to.pop_back();
            from.insert(from.begin() + left_[g], programIndex_);
        }
    }
    void Redo(NetworkDatabase& db) override { MoveBetweenLists(db, oldRadioBit_, programIndex_); }
    size_t Bytes() const override { return sizeof(*this) + left_.capacity() * sizeof(int64_t); }
    ChangeKind Kind() const override { return CHANGE_FAVORITES; }

private:
    bool oldRadioBit_;
    uint16_t programIndex_;
    std::vector<int64_t> left_;
};

// ---- the network order ----

// order[s] is the old slot of the network that goes to slot s; the antenna configurations move
// with their slots. Every network in `touched` (by new slot) takes its new slot as antennaIndex,
// and every transponder follows its network.
struct NetworkOrder {
    std::vector<size_t> order;
    std::vector<bool> touched;
};

void ApplyNetworkOrder(NetworkDatabase& db, const NetworkOrder& move) {
    RecordList<Network>& networks = Records<Network>(db);
    RecordList<AntennaConfig>& antennas = Records<AntennaConfig>(db);
    const size_t count = move.order.size();
    std::vector<size_t> finalSlot(count);
    RecordList<Network> sortedNetworks(count);
    RecordList<AntennaConfig> sortedAntennas(count);
    for (size_t s = 0; s < count; ++s) {
        finalSlot[move.order[s]] = s;
        sortedNetworks[s] = std::move(networks[move.order[s]]);
        // The callers move no slot past the antenna configurations.
        if (move.order[s] < antennas.size())
            sortedAntennas[s] = std::move(antennas[move.order[s]]);
    }
    for (size_t s = 0; s < count; ++s) {
        networks[s] = std::move(sortedNetworks[s]);
        if (s < antennas.size())
            antennas[s] = std::move(sortedAntennas[s]);
        if (move.touched[s])
            networks[s]->antennaIndex = static_cast<uint8_t>(s);
    }
    for (auto& transponder : Records<Transponder>(db)) {
        if (transponder->networkIndex < count)
            transponder->networkIndex = static_cast<uint8_t>(finalSlot[transponder->networkIndex]);
    }
}

class NetworkOrderEdit final : public DatabaseEdit {
public:
    NetworkOrderEdit(NetworkOrder move, std::vector<uint8_t> oldAntennaIndex)
        : move_(std::move(move)), oldAntennaIndex_(std::move(oldAntennaIndex)) {}
    void Undo(NetworkDatabase& db) override {
        NetworkOrder back;
        back.order.resize(move_.order.size());
        for (size_t s = 0; s < move_.order.size(); ++s)
            back.order[move_.order[s]] = s;
        back.touched.assign(move_.order.size(), false);
        ApplyNetworkOrder(db, back);
        RecordList<Network>& networks = Records<Network>(db);
        for (size_t s = 0; s < oldAntennaIndex_.size(); ++s)
            networks[s]->antennaIndex = oldAntennaIndex_[s];
    }
    void Redo(NetworkDatabase& db) override { ApplyNetworkOrder(db, move_); }
    size_t Bytes() const override { return sizeof(*this) + move_.order.capacity() * (sizeof(size_t) + 1); }
    ChangeKind Kind() const override { return CHANGE_RECORDS; }

private:
    NetworkOrder move_;
    std::vector<uint8_t> oldAntennaIndex_;
};

void MoveNetworks(NetworkDatabase& db, NetworkOrder move) {
    std::vector<uint8_t> oldAntennaIndex;
    for (const auto& network : Records<Network>(db))
        oldAntennaIndex.push_back(network->antennaIndex);
    oldAntennaIndex.resize(move.order.size());
    ApplyNetworkOrder(db, move);
    if (CollectionAccess::Recording(db))
        CollectionAccess::Record(db, std::make_unique<NetworkOrderEdit>(std::move(move), std::move(oldAntennaIndex)));
}

} // namespace

bool NetworkDatabase::ReorderPrograms(const std::vector<uint32_t>& newOrder) {
    const size_t count = programs_.size();
    if (newOrder.size() != count)
        return false;
    std::vector<bool> seen(count, false);
    for (const uint32_t index : newOrder) {
        if (index >= count || seen[index])
            return false;
        seen[index] = true;
    }
    ApplyProgramOrder(*this, newOrder);
    if (Recording())
        Record(std::make_unique<ProgramOrderEdit>(newOrder));
    return true;
}

void NetworkDatabase::SetProgramRadio(bool oldRadioBit, uint16_t programIndex) {
    std::vector<int64_t> left = MoveBetweenLists(*this, oldRadioBit, programIndex);
    if (Recording() && std::any_of(left.begin(), left.end(), [](int64_t position) { return position >= 0; }))
        Record(std::make_unique<RadioEdit>(oldRadioBit, programIndex, std::move(left)));
}

void NetworkDatabase::MoveNetwork(const Network* moving, const Network* target) {
    const size_t a = IndexOfNetwork(moving);
    const size_t c = IndexOfNetwork(target);
    // Every slot from a to c moves in both collections; a short antenna collection cannot follow.
    if (a == NO_NETWORK || c == NO_NETWORK || std::max(a, c) >= antennaConfigs_.size())
        return;
    NetworkOrder move;
    move.order.resize(networks_.size());
    std::iota(move.order.begin(), move.order.end(), size_t{0});
    const auto first = static_cast<std::ptrdiff_t>(std::min(a, c));
    const auto last = static_cast<std::ptrdiff_t>(std::max(a, c)) + 1;
    if (c < a)
        std::rotate(move.order.begin() + first, move.order.begin() + last - 1, move.order.begin() + last);
    else if (c > a)
        std::rotate(move.order.begin() + first, move.order.begin() + first + 1, move.order.begin() + last);
    move.touched.assign(networks_.size(), false);
    for (auto s = first; s < last; ++s)
        move.touched[static_cast<size_t>(s)] = true;
    MoveNetworks(*this, std::move(move));
}

bool NetworkDatabase::SortByDegree(uint16_t offset) {
    const size_t count = networks_.size();
    // Each moved network takes the antenna configuration of its slot along, and slots are 8-bit
    // numbers: without a configuration for every slot, or with more networks than the file's
    // count field holds, nothing is moved.
    if (antennaConfigs_.size() < count || count > NO_NETWORK)
        return false;

    std::vector<uint16_t> key(count);
    std::vector<bool> empty(count);
    for (size_t i = 0; i < count; ++i) {
        key[i] = static_cast<uint16_t>((static_cast<uint32_t>(networks_[i]->position) + offset) % 3600u);
        empty[i] = networks_[i]->IsEmptySlot();
    }

    // Run the selection sort on slot numbers: order[s] is the original slot of the network that
    // is in slot s. Every network in a rotated range has its antennaIndex set to its new slot.
    NetworkOrder move;
    move.order.resize(count);
    std::iota(move.order.begin(), move.order.end(), size_t{0});
    std::vector<bool> touched(count, false);
    bool changed = false;
    for (size_t i = 0; i < count; ++i) {
        if (empty[move.order[i]])
            continue;
        uint16_t best = key[move.order[i]];
        size_t found = count;
        for (size_t j = i + 1; j < count; ++j) {
            if (!empty[move.order[j]] && key[move.order[j]] < best) {
                best = key[move.order[j]];
                found = j;
            }
        }
        if (found == count)
            continue;
        const auto from = move.order.begin() + static_cast<std::ptrdiff_t>(i);
        const auto to = move.order.begin() + static_cast<std::ptrdiff_t>(found);
        std::rotate(from, to, to + 1);
        for (size_t s = i; s <= found; ++s)
            touched[move.order[s]] = true;
        changed = true;
    }
    if (!changed)
        return false;
    move.touched.resize(count);
    for (size_t s = 0; s < count; ++s)
        move.touched[s] = touched[move.order[s]];
    MoveNetworks(*this, std::move(move));
    return true;
}
