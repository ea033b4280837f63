// Inside the core only: how the operations of NetworkDatabase and their edits reach the
// collections, and the helpers they share. No file outside database/ includes this header.
#pragma once

#include "database/NetworkDatabase.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct CollectionAccess {
    static RecordList<AntennaConfig>& List(NetworkDatabase& db, const AntennaConfig*) { return db.antennaConfigs_; }
    static RecordList<Network>& List(NetworkDatabase& db, const Network*) { return db.networks_; }
    static RecordList<Transponder>& List(NetworkDatabase& db, const Transponder*) { return db.transponders_; }
    static RecordList<Program>& List(NetworkDatabase& db, const Program*) { return db.programs_; }
    static RecordList<FavoriteGroup>& List(NetworkDatabase& db, const FavoriteGroup*) { return db.favoriteGroups_; }
    static void Record(NetworkDatabase& db, std::unique_ptr<DatabaseEdit> edit) { db.Record(std::move(edit)); }
    static bool Recording(const NetworkDatabase& db) { return db.Recording(); }
};

// The collection of a record kind: Records<Program>(db) is the programs.
template <class T> RecordList<T>& Records(NetworkDatabase& db) {
    return CollectionAccess::List(db, static_cast<const T*>(nullptr));
}
template <class T> const RecordList<T>& Records(const NetworkDatabase& db) {
    return CollectionAccess::List(const_cast<NetworkDatabase&>(db), static_cast<const T*>(nullptr));
}

// A record takes another's value; the links that belong to the live record (its tree item, a
// program's favoriteMask) stay.
inline void AssignValue(AntennaConfig& target, const AntennaConfig& value) {
    target = value;
}
inline void AssignValue(FavoriteGroup& target, const FavoriteGroup& value) {
    target = value;
}
template <class T> void AssignValue(T& target, const T& value) {
    const TreeItemHandle item = target.treeItem;
    target = value;
    target.treeItem = item;
}
inline void AssignValue(Program& target, const Program& value) {
    const TreeItemHandle item = target.treeItem;
    const uint8_t mask = target.favoriteMask;
    target = value;
    target.treeItem = item;
    target.favoriteMask = mask;
}

// Memory a record holds, for the undo history's accounting.
inline size_t RecordBytes(const AntennaConfig&) {
    return sizeof(AntennaConfig);
}
inline size_t RecordBytes(const Network& n) {
    return sizeof(Network) + n.name.capacity();
}
inline size_t RecordBytes(const Transponder& t) {
    return sizeof(Transponder) + t.name.capacity();
}
inline size_t RecordBytes(const Program& p) {
    return sizeof(Program) + p.name.capacity() +
           3 * (p.videoPids.Count() + p.audioPids.Count() + p.teletextPids.Count());
}
inline size_t RecordBytes(const FavoriteGroup& g) {
    return sizeof(FavoriteGroup) + g.name.capacity() + 2 * (g.tvList.capacity() + g.radioList.capacity());
}

// Sorted, without repeats, only indices below count.
inline std::vector<size_t> NormalizeIndices(std::vector<size_t> indices, size_t count) {
    std::vector<bool> seen(count, false);
    std::vector<size_t> kept;
    kept.reserve(indices.size());
    for (const size_t i : indices) {
        if (i < count && !seen[i]) {
            seen[i] = true;
            kept.push_back(i);
        }
    }
    if (kept.size() == indices.size() && std::is_sorted(kept.begin(), kept.end()))
        return kept;
    kept.clear();
    for (size_t i = 0; i < count; ++i) {
        if (seen[i])
            kept.push_back(i);
    }
    return kept;
}
