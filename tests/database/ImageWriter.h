// Builds NDF images byte by byte for the tests, independently of the writer under test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ImageWriter {
    std::vector<uint8_t> bytes;

    // Magic, a length placeholder, version, stamp and flags.
    explicit ImageWriter(uint32_t flags = 0, uint8_t version = 1, uint8_t year = 0, uint8_t month = 1,
                         uint8_t day = 2) {
        Raw("NDF");
        U8(0).U32(0).U8(version).U8(year).U8(month).U8(day).U32(flags);
    }

    ImageWriter& U8(uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    ImageWriter& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
    ImageWriter& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
    ImageWriter& Raw(const std::string& s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    ImageWriter& Name(const std::string& s) { return U8(static_cast<uint8_t>(s.size())).Raw(s); }
    // Count, languages, then PID words.
    ImageWriter& Pids(const std::vector<std::pair<uint16_t, uint8_t>>& entries) {
        U8(static_cast<uint8_t>(entries.size()));
        for (const auto& e : entries)
            U8(e.second);
        for (const auto& e : entries)
            U16(e.first);
        return *this;
    }

    // Appends "END" and the checksum, and stores the length.
    std::vector<uint8_t> Finish() const {
        std::vector<uint8_t> image = bytes;
        image.insert(image.end(), {'E', 'N', 'D', 0});
        const auto length = static_cast<uint32_t>(image.size());
        for (int i = 0; i < 4; ++i)
            image[4 + i] = static_cast<uint8_t>(length >> (8 * i));
        unsigned sum = 1;
        for (size_t i = 0; i + 1 < image.size(); ++i)
            sum += image[i];
        image.back() = static_cast<uint8_t>(sum);
        return image;
    }
};
