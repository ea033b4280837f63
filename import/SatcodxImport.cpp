#include "import/SatcodxImport.h"

#include "database/AtomicFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// One read of the listing: at most this many characters, the line end included. A longer physical
// line is taken as several pieces; the continuations normally fail the line filter.
constexpr size_t kPieceLength = 128;

// Columns of a SATCODX line.
constexpr size_t kVersionColumn = 8;
constexpr size_t kNameColumn = 10;
constexpr size_t kNameWidth = 18;
constexpr size_t kFrequencyColumn = 33;
constexpr size_t kFrequencyWidth = 6;
constexpr size_t kPolarityColumn = 42;
constexpr size_t kPositionColumn = 51;
constexpr size_t kPositionWidth = 4;
constexpr size_t kSymbolRateColumn = 69;
constexpr size_t kSymbolRateWidth = 5;
constexpr size_t kShortestUsableLine = kSymbolRateColumn + kSymbolRateWidth;

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads a physical line in pieces of at most kPieceLength characters.
class PieceReader {
public:
    explicit PieceReader(InputFile& file) : file_(file) {}

    // False at the end of the file or on a read error (see failed()).
    bool Next(std::string& piece) {
        startsLine_ = nextStartsLine_;
        piece.clear();
        while (piece.size() < kPieceLength) {
            if (pos_ == end_ && !Fill())
                break;
            const char c = buffer_[pos_++];
            piece.push_back(c);
            if (c == '\n')
                break;
        }
        nextStartsLine_ = !piece.empty() && piece.back() == '\n';
        return !piece.empty();
    }

    bool failed() const { return file_.Failed(); }
    // The last piece begins a physical line (it is no continuation of a longer one).
    bool startsLine() const { return startsLine_; }

private:
    bool Fill() {
        pos_ = 0;
        end_ = file_.Read(buffer_, sizeof buffer_);
        return end_ > 0;
    }

    InputFile& file_;
    char buffer_[64 * 1024];
    size_t pos_ = 0;
    size_t end_ = 0;
    bool startsLine_ = true;
    bool nextStartsLine_ = true;
};

// The line filter: "SATCODX" in any letter case at columns 0-6, then "03" or "05" at columns 8-9.
// Version 105 listings keep the columns of version 103 for every field read here.
bool PassesFilter(const std::string& line) {
    static constexpr char kTag[] = "SATCODX";
    if (line.size() < kVersionColumn + 2)
        return false;
    for (size_t i = 0; i < sizeof kTag - 1; ++i) {
        if (ToUpperAscii(line[i]) != kTag[i])
            return false;
    }
    const char tens = line[kVersionColumn];
    const char units = line[kVersionColumn + 1];
    return tens == '0' && (units == '3' || units == '5');
}

// An unsigned decimal number read from the columns [column, column + width) the way "%u" reads
// it: leading white space, an optional sign, digits. Only the low 16 bits are kept. False when the
// columns hold no digits.
bool ReadNumber(const std::string& line, size_t column, size_t width, uint16_t& value) {
    size_t i = column;
    const size_t end = column + width;
    while (i < end && IsWhiteSpace(line[i]))
        ++i;
    bool negative = false;
    if (i < end && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    uint32_t number = 0;
    const size_t firstDigit = i;
    while (i < end && line[i] >= '0' && line[i] <= '9') {
        number = number * 10u + static_cast<uint32_t>(line[i] - '0');
        ++i;
    }
    if (i == firstDigit)
        return false;
    if (negative)
        number = 0u - number;
    value = static_cast<uint16_t>(number);
    return true;
}

struct ListingLine {
    std::string name;
    uint16_t frequency = 0;
    uint8_t polarity = 0;
    uint16_t position = 0;
    uint16_t symbolRate = 0;
};

// Reads the columns of a line that passed the filter. False when the line is too short to hold
// them or a number column is blank: such a line is skipped entirely.
bool ReadColumns(const std::string& line, ListingLine& out) {
    if (line.size() < kShortestUsableLine)
        return false;
    if (!ReadNumber(line, kFrequencyColumn, kFrequencyWidth, out.frequency) ||
        !ReadNumber(line, kPositionColumn, kPositionWidth, out.position) ||
        !ReadNumber(line, kSymbolRateColumn, kSymbolRateWidth, out.symbolRate))
        return false;
    // The code of the polarity digit minus that of "0", kept as one byte.
    out.polarity = static_cast<uint8_t>(line[kPolarityColumn] - '0');
    size_t nameEnd = kNameColumn + kNameWidth;
    while (nameEnd > kNameColumn && IsWhiteSpace(line[nameEnd - 1]))
        --nameEnd;
    out.name.assign(line, kNameColumn, nameEnd - kNameColumn);
    return true;
}

// Frequency, polarity byte and symbol rate packed into one key of the duplicate test.
uint64_t TransponderKey(uint16_t frequency, uint8_t polarity, uint16_t symbolRate) {
    return (uint64_t{frequency} << 24) | (uint64_t{polarity} << 16) | symbolRate;
}

// The keys under which a transponder is found by the duplicate test. A line's polarity digit
// matches bits 0-1 of polFec, so a transponder with any FEC is found under its polarity. A
// polarity byte above 3 cannot match two bits; it matches the whole polFec instead, so that a
// listing repeating such a line still adds its transponder once.
void AddKeys(std::unordered_set<uint64_t>& keys, const Transponder& transponder) {
    keys.insert(TransponderKey(transponder.frequency, transponder.polarity(), transponder.symbolRate));
    keys.insert(TransponderKey(transponder.frequency, transponder.polFec, transponder.symbolRate));
}

bool IsBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), IsWhiteSpace);
}

} // namespace

NdfStatus ReadSatcodx(const NetworkDatabase& database, const Network& network, const std::string& path,
                      SatcodxPreview& preview) {
    preview = SatcodxPreview{};

    // Only a record of this database has a slot that new transponders can refer to. Anything else is
    // the caller's mistake: the file is not even opened.
    const uint8_t slot = database.IndexOfNetwork(&network);
    if (slot == NO_NETWORK)
        return NDF_NO_FILE_FOUND;

    // A folder, a device or a pipe is no listing (and a pipe would keep the import waiting).
    InputFile file;
    if (!file.Open(path))
        return NDF_NO_FILE_FOUND;

    // The duplicate test sees the network's first run and the transponders this listing adds.
    const size_t runBegin = database.FirstTransponderOf(slot);
    const size_t runEnd = database.EndTransponderOf(slot);
    std::unordered_set<uint64_t> known;
    for (size_t i = runBegin; i < runEnd && i < database.transponders().size(); ++i)
        AddKeys(known, *database.transponders()[i]);

    SatcodxPreview read;
    read.slot = slot;
    auto reader = std::make_unique<PieceReader>(file);
    std::string piece;
    ListingLine line;
    while (reader->Next(piece)) {
        while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r'))
            piece.pop_back();
        if (!PassesFilter(piece) || !ReadColumns(piece, line)) {
            if (reader->startsLine() && !IsBlank(piece))
                ++read.skippedLines;
            continue;
        }
        ++read.matchedLines;
        read.name = line.name;
        read.position = line.position;
        read.usable = true;

        const uint64_t key = TransponderKey(line.frequency, line.polarity, line.symbolRate);
        if (known.count(key) != 0) {
            ++read.duplicateLines;
            continue;
        }
        if (database.transponders().size() + read.added.size() >= MAX_COUNT16) {
            ++read.skippedLines;
            continue;
        }
        Transponder transponder;
        transponder.InitTransponder(slot, line.frequency, line.polarity);
        transponder.symbolRate = line.symbolRate;
        transponder.treeItem = nullptr;
        AddKeys(known, transponder);
        read.added.push_back(std::move(transponder));
    }
    // A read error leaves no half-read preview behind.
    if (reader->failed())
        return NDF_NO_FILE_FOUND;
    preview = std::move(read);
    return NDF_OK;
}

size_t ApplySatcodx(NetworkDatabase& database, const SatcodxPreview& preview) {
    if (preview.slot >= database.networks().size())
        return 0;
    const Network& network = *database.networks()[preview.slot];
    // Only a real change reaches the database, so that an import that changes nothing records nothing.
    if (preview.usable && (network.name != preview.name || network.position != preview.position)) {
        Network changed = network;
        changed.name = preview.name;
        changed.position = preview.position;
        database.SetNetwork(preview.slot, changed);
    }
    // The new transponders close the network's first run; the programs after it move along.
    if (preview.added.empty() || !database.InsertTransponders(database.EndTransponderOf(preview.slot), preview.added))
        return 0;
    return preview.added.size();
}

NdfStatus ImportSatcodx(NetworkDatabase& database, Network& network, const std::string& path,
                        SatcodxImportResult* result) {
    if (result)
        *result = SatcodxImportResult{};
    SatcodxPreview preview;
    const NdfStatus status = ReadSatcodx(database, network, path, preview);
    if (status != NDF_OK)
        return status;
    const size_t added = ApplySatcodx(database, preview);
    if (result)
        *result = SatcodxImportResult{preview.matchedLines, added};
    return NDF_OK;
}
