// The three stamp bytes of a database header as one value, for tests of the stamp.
#pragma once

#include "database/NetworkDatabase.h"

#include <cstdint>
#include <ostream>

namespace stamptest {

struct Stamp {
    uint8_t year, month, day;
    bool operator==(const Stamp&) const = default;
};

// How a failing comparison shows a stamp.
inline std::ostream& operator<<(std::ostream& out, const Stamp& s) {
    return out << int(s.year) << '/' << int(s.month) << '/' << int(s.day);
}

inline Stamp StampOf(const NetworkDatabase& db) {
    return {db.stampYear, db.stampMonth, db.stampDay};
}

inline void SetStamp(NetworkDatabase& db, Stamp stamp) {
    db.stampYear = stamp.year;
    db.stampMonth = stamp.month;
    db.stampDay = stamp.day;
}

} // namespace stamptest
