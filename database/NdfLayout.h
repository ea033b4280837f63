// The fixed parts of an NDF image that the reader and the writer share. Internal to database/.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t NDF_HEADER_SIZE = 16;
constexpr size_t NDF_LENGTH_FIELD_END = 8; // the magic and the length field
constexpr size_t NDF_TRAILER_SIZE = 4;     // "END" and the checksum

inline uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

inline void WriteLe32(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}
