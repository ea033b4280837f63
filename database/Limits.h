// What an NDF file can hold, and the defaults every part of the program shares.
#pragma once

#include <cstddef>
#include <cstdint>

// A name is stored behind a one-byte length.
constexpr size_t MAX_NAME_BYTES = 255;
// A PID list is stored behind a one-byte entry count.
constexpr size_t MAX_PID_ENTRIES = 255;
// Antenna configurations, networks and favorite groups are counted in 8 bits.
constexpr size_t MAX_COUNT8 = 0xFF;
// Transponders, programs and the entries of a favorite list are counted in 16 bits; 0xFFFF is
// also the no-index value, so 0xFFFE is the largest index an operation creates.
constexpr size_t MAX_COUNT16 = 0xFFFF;
// The editor offers this many favorite groups (a program's favoriteMask has eight bits).
constexpr int MAX_FAVORITE_GROUPS = 8;
// Skew angles of a network whose file carries none, and of a new network.
constexpr uint8_t DEFAULT_SKEW_V = 106;
constexpr uint8_t DEFAULT_SKEW_H = 33;
// Antenna configurations and networks of a new database.
constexpr int NEW_DATABASE_SLOTS = 64;
