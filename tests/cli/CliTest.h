// Helpers for running ndftool in process over real files in a temporary folder.
#pragma once

#include "cli/Ndftool.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

struct ToolResult {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs ndftool with the arguments, and input as its standard input.
inline ToolResult NdftoolWithInput(const std::string& input, std::initializer_list<std::string> arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ToolResult result;
    result.code = RunNdftool(list, in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline ToolResult Ndftool(std::initializer_list<std::string> arguments) {
    return NdftoolWithInput(std::string(), arguments);
}

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

inline bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// A fresh temporary folder per test.
class CliTest : public ::testing::Test {
protected:
    QTemporaryDir folder;

    std::string Path(const std::string& name) const {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }

    // Names in the folder, for checking that a failed command left nothing behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path().toStdString())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// Builds NDF images byte by byte, independently of the writer under test.
class NdfBytes {
public:
    explicit NdfBytes(uint32_t flags = 0, uint8_t stampYear = 0, uint8_t stampMonth = 1, uint8_t stampDay = 2) {
        Raw("NDF").U8(0).U32(0).U8(1).U8(stampYear).U8(stampMonth).U8(stampDay).U32(flags);
    }

    NdfBytes& U8(unsigned v) {
        bytes_.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    NdfBytes& U16(unsigned v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    NdfBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    NdfBytes& Raw(const std::string& s) {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }
    NdfBytes& Name(const std::string& s) { return U8(static_cast<unsigned>(s.size())).Raw(s); }
    // Count, languages, then PID words.
    NdfBytes& Pids(const std::vector<std::pair<uint16_t, uint8_t>>& entries) {
        U8(static_cast<unsigned>(entries.size()));
        for (const auto& entry : entries) {
            U8(entry.second);
        }
        for (const auto& entry : entries) {
            U16(entry.first);
        }
        return *this;
    }
    NdfBytes& Antenna(unsigned diseqc, unsigned supply, unsigned port, unsigned type, unsigned freq, unsigned freqH) {
        return U8(diseqc).U8(supply).U8(port).U8(type).U16(freq).U16(freqH);
    }

    // Appends "END" and the checksum and stores the length.
    std::vector<uint8_t> Finish() const {
        std::vector<uint8_t> image = bytes_;
        image.insert(image.end(), {'E', 'N', 'D', 0});
        const auto length = static_cast<uint32_t>(image.size());
        for (int i = 0; i < 4; ++i) {
            image[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
        }
        unsigned sum = 1;
        for (size_t i = 0; i + 1 < image.size(); ++i) {
            sum += image[i];
        }
        image.back() = static_cast<uint8_t>(sum);
        return image;
    }

private:
    std::vector<uint8_t> bytes_;
};

// A small sound file with the given stamp and flags (by default every optional field), holding:
// antenna configurations 0..2; networks "Astra 1" (19.2, slot 0), "Hot Bird" (13.0, slot 1),
// "Thor" (0.8 west, slot 2); transponders on networks [0, 0, 1, 2]; programs "Das Erste" (TV,
// transponder 0), "Radio 1" (radio, transponder 2), "NRK1" (TV, transponder 3); two favorite groups.
inline std::vector<uint8_t> SampleFile(uint8_t stampYear = 0, uint8_t stampMonth = 1, uint8_t stampDay = 2,
                                       uint32_t flags = 7) {
    const bool names = (flags & 1) != 0;
    const bool skew = (flags & 2) != 0;
    const bool ca = (flags & 4) != 0;
    NdfBytes f(flags, stampYear, stampMonth, stampDay);
    f.U8(3);
    f.Antenna(0x81, 0x07, 0x31, 0x41, 0, 0);
    f.Antenna(0x05, 0xF3, 0x0C, 0x80, 9750, 10750);
    f.Antenna(0x00, 0x01, 0x00, 0x05, 10600, 0);
    auto network = [&](const std::string& name, unsigned position, unsigned positioner, unsigned antenna,
                       unsigned skewV, unsigned skewH) {
        f.Name(name).U16(position).U8(positioner).U8(antenna);
        if (skew) {
            f.U8(skewV).U8(skewH);
        }
    };
    f.U8(3);
    network("Astra 1", 192, 0, 0, 100, 30);
    network("Hot Bird", 130, 3, 1, 106, 33);
    network("Thor", 3592, 0, 2, 179, 0);
    auto transponder = [&](const std::string& name, unsigned frequency, unsigned symbolRate, unsigned polFec,
                           unsigned drift, unsigned network, int32_t gmtError) {
        if (names) {
            f.Name(name);
        }
        f.U16(frequency).U16(symbolRate).U8(polFec).U8(drift).U8(network).U32(static_cast<uint32_t>(gmtError));
    };
    f.U16(4);
    transponder("Transponder A", 11778, 27500, 0x30, 0, 0, INT32_MIN);
    transponder("", 12188, 27500, 0x21, 2, 0, -3600);
    transponder("HB", 10992, 27500, 0x0D, 255, 1, 7200);
    transponder("", 11325, 24500, 0x51, 0, 2, 0);
    auto caMask = [&](uint32_t mask) {
        if (ca) {
            f.U32(mask);
        }
    };
    f.U16(3);
    f.Name("Das Erste").U16(28106).U16(100).U16(101);
    f.Pids({{101, 255}}).Pids({{102, 6}, {0x4000 | 106, 0}}).Pids({{104, 255}});
    caMask(0x40000009);
    f.U8(0x01).U8(0x5A).U16(0);
    f.Name("Radio 1").U16(7).U16(0xFFFF).U16(0xFFFF);
    f.Pids({}).Pids({{0xA123, 30}}).Pids({});
    caMask(0);
    f.U8(0x10).U8(0).U16(2);
    f.Name("NRK1").U16(1101).U16(1024).U16(512);
    f.Pids({{512, 255}}).Pids({{640, 19}}).Pids({{0x4000 | 700, 255}});
    caMask(0x80000000u);
    f.U8(0xE3).U8(0xFF).U16(3);
    f.U8(2);
    f.Name("News").U16(2).U16(2).U16(0).U16(0);
    f.Name("Radio").U16(0).U16(1).U16(1);
    return f.Finish();
}

// One SATCODX line with its fields in their columns (74 characters and a line end).
inline std::string SdxLine(const std::string& name, unsigned frequency, char polarity, unsigned position,
                           unsigned symbolRate, const std::string& tag = "SATCODX103") {
    std::string line(74, ' ');
    line.replace(0, tag.size(), tag);
    line.replace(10, std::min<size_t>(name.size(), 18), name.substr(0, 18));
    const std::string frequencyText = std::to_string(frequency);
    line.replace(33 + 6 - frequencyText.size(), frequencyText.size(), frequencyText);
    line[42] = polarity;
    const std::string positionText = std::to_string(position);
    line.replace(51 + 4 - positionText.size(), positionText.size(), positionText);
    const std::string rateText = std::to_string(symbolRate);
    line.replace(69 + 5 - rateText.size(), rateText.size(), rateText);
    return line + "\n";
}
