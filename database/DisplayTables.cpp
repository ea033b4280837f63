#include "database/DisplayTables.h"

#include <cstdio>
#include <iterator>

const char* const kPolarityLetters[4] = {"V", "H", "R", "L"};
const char* const kPolarityNames[4] = {"Vert", "Horz", "Circular Right", "Circular Left"};
const char* const kFecNames[6] = {"Auto", "1/2", "2/3", "3/4", "5/6", "7/8"};
const char* const kLanguageCodes[24] = {"ENG", "FRA", "SWE", "FIN", "HUN", "CZE", "GER", "POR",
                                        "SPA", "ITA", "DAN", "RUS", "ARA", "BUL", "CAT", "DUT",
                                        "EGY", "GRE", "EST", "NOR", "POL", "RUM", "TUR", "(Unknown)"};
const char* const kDefaultFavoriteNames[MAX_FAVORITE_GROUPS] = {"News",  "Movies",   "Drama",     "Hobby",
                                                                "Music", "Cartoons", "Education", "Info"};
const char* const kNdfMagic = "NDF";

namespace {

const char* const kCaNames[11] = {"VICS",   "SECA",  "IRDT", "NAGR",  "ALPHAC", "BETAC",
                                  "CRYPTO", "CONAX", "NDS",  "PWRVU", "SKYC"};
constexpr int kCaUnknownBit = 30;

} // namespace

std::string FormatPosition(const Network& network) {
    const unsigned p = network.position % 3600u;
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u", p / 10, p % 10);
    return text;
}

std::string FormatTransponderLabel(const Transponder& transponder) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%03u (%s)", transponder.frequency / 1000u, transponder.frequency % 1000u,
                  PolarityLetter(transponder.polFec));
    return text;
}

const char* PolarityLetter(uint8_t polarity) {
    return kPolarityLetters[polarity & 0x03];
}

const char* LanguageCode(uint8_t language) {
    return language < std::size(kLanguageCodes) ? kLanguageCodes[language] : "";
}

void FormatCaNames(uint32_t mask, std::string& text) {
    auto append = [&text](const char* name) {
        if (!text.empty())
            text += '/';
        text += name;
    };
    for (int bit = 0; bit < static_cast<int>(std::size(kCaNames)); ++bit) {
        if (mask & (1u << bit))
            append(kCaNames[bit]);
    }
    if (mask & (1u << kCaUnknownBit))
        append("UNKNOWN");
}

std::string NameForDisplay(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
            text += '?';
        } else if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string DescribePosition(uint16_t position) {
    const unsigned tenths = position % 3600u;
    const bool west = tenths > 1800;
    const unsigned shown = west ? 3600 - tenths : tenths;
    return std::to_string(shown / 10) + "." + std::to_string(shown % 10) + (west ? "W" : "E");
}
