// Reading NDF files: the whole file into one image, the image checks, and the records from it.
#include "database/AtomicFile.h"
#include "database/DisplayTables.h"
#include "database/NdfLayout.h"
#include "database/NetworkDatabase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace {

// "NDF" and a zero byte; the caller makes sure that four bytes are there.
bool HasMagic(const uint8_t* p) {
    return p[0] == kNdfMagic[0] && p[1] == kNdfMagic[1] && p[2] == kNdfMagic[2] && p[3] == 0;
}

// The one cursor of the reader. Every read checks the bounds before it takes a byte; after the
// first short read the cursor stays failed and every further read gives 0.
class Cursor {
public:
    Cursor(const uint8_t* data, size_t begin, size_t end) : data_(data), pos_(begin), end_(end) {}

    bool Ok() const { return ok_; }

    uint8_t U8() {
        if (!Take(1))
            return 0;
        return data_[pos_++];
    }
    uint16_t U16() {
        if (!Take(2))
            return 0;
        const auto value = static_cast<uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return value;
    }
    uint32_t U32() {
        if (!Take(4))
            return 0;
        const uint32_t value = ReadLe32(data_ + pos_);
        pos_ += 4;
        return value;
    }
    void Name(std::string& out) {
        const size_t n = U8();
        if (!Take(n))
            return;
        out.assign(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
    }
    void PidListOf(PidList& list) {
        const size_t k = U8();
        if (!Take(3 * k))
            return;
        list.languages.assign(data_ + pos_, data_ + pos_ + k);
        pos_ += k;
        list.pids.resize(k);
        for (size_t i = 0; i < k; ++i)
            list.pids[i] = U16();
    }
    void IndexList(std::vector<uint16_t>& list) {
        const size_t n = U16();
        if (!Take(2 * n))
            return;
        list.resize(n);
        for (size_t i = 0; i < n; ++i)
            list[i] = U16();
    }

private:
    bool Take(size_t n) {
        if (ok_ && end_ - pos_ >= n)
            return true;
        ok_ = false;
        return false;
    }

    const uint8_t* data_;
    size_t pos_;
    size_t end_;
    bool ok_ = true;
};

// Reads the five blocks; false as soon as a record would run past the readable region.
bool ReadBlocks(NetworkDatabase& db, Cursor& in) {
    const uint32_t flags = db.formatFlags;

    const size_t antennaCount = in.U8();
    for (size_t i = 0; i < antennaCount && in.Ok(); ++i) {
        AntennaConfig& antenna = db.AppendAntennaConfig();
        antenna.diseqcMode = in.U8();
        antenna.lnbSupply = in.U8();
        antenna.switchPort = in.U8();
        antenna.lnbType = in.U8();
        antenna.lnbFreq = in.U16();
        antenna.lnbFreqH = in.U16();
    }

    const size_t networkCount = in.U8();
    for (size_t i = 0; i < networkCount && in.Ok(); ++i) {
        Network& network = db.AppendNetwork();
        in.Name(network.name);
        network.position = in.U16();
        network.positionerId = in.U8();
        network.antennaIndex = in.U8();
        if (flags & NDF_FLAG_NET_SKEW) {
            network.skewV = in.U8();
            network.skewH = in.U8();
        }
    }

    const size_t transponderCount = in.U16();
    for (size_t i = 0; i < transponderCount && in.Ok(); ++i) {
        Transponder& transponder = db.AppendTransponder();
        if (flags & NDF_FLAG_TP_NAMES)
            in.Name(transponder.name);
        transponder.frequency = in.U16();
        transponder.symbolRate = in.U16();
        transponder.polFec = in.U8();
        transponder.freqDrift = in.U8();
        transponder.networkIndex = in.U8();
        transponder.gmtError = static_cast<int32_t>(in.U32());
    }

    const size_t programCount = in.U16();
    for (size_t i = 0; i < programCount && in.Ok(); ++i) {
        Program& program = db.AppendProgram();
        in.Name(program.name);
        program.serviceId = in.U16();
        program.pmtPid = in.U16();
        program.pcrPid = in.U16();
        in.PidListOf(program.videoPids);
        in.PidListOf(program.audioPids);
        in.PidListOf(program.teletextPids);
        program.caMask = (flags & NDF_FLAG_PROG_CA) ? in.U32() : 0;
        program.attributes = in.U8();
        program.attributes2 = in.U8();
        program.transponderIndex = in.U16();
    }

    const size_t groupCount = in.U8();
    for (size_t i = 0; i < groupCount && in.Ok(); ++i) {
        FavoriteGroup& group = db.AppendFavoriteGroup();
        in.Name(group.name);
        in.IndexList(group.tvList);
        in.IndexList(group.radioList);
    }
    return in.Ok();
}

} // namespace

uint8_t Checksum(const uint8_t* bytes, size_t length, uint8_t initial) {
    unsigned sum = initial;
    for (size_t i = 0; i < length; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum);
}

NdfStatus CheckImage(const uint8_t* image, size_t length) {
    if (image == nullptr || length < 4 || !HasMagic(image))
        return NDF_INVALID_FORMAT;
    if (length < NDF_LENGTH_FIELD_END || ReadLe32(image + 4) != length)
        return NDF_INVALID_FORMAT;
    if (length < 9)
        return NDF_INVALID_FORMAT;
    if (image[8] != 1)
        return NDF_VERSION_UNSUPPORTED;
    if (length < NDF_MIN_FILE_SIZE)
        return NDF_INVALID_FORMAT;
    if (image[length - 4] != 'E' || image[length - 3] != 'N' || image[length - 2] != 'D')
        return NDF_INVALID_FORMAT;
    if (Checksum(image, length - 1, 1) != image[length - 1])
        return NDF_BAD_CHECKSUM;
    return NDF_OK;
}

NdfStatus NetworkDatabase::Open(const std::string& path, std::vector<uint8_t>& image) {
    std::vector<uint8_t>().swap(image);
    InputFile file;
    if (!file.Open(path))
        return NDF_NO_FILE_FOUND;
    const uint64_t size = file.Size();

    // The magic and the length field are checked first, from the head of the file alone: a file
    // that is no database, or larger than its length field can describe, is refused before any
    // memory is taken for it. These are the first two checks of CheckImage, with its status.
    uint8_t head[NDF_LENGTH_FIELD_END];
    const auto headLength = static_cast<size_t>(std::min<uint64_t>(size, sizeof head));
    if (file.Read(head, headLength) < headLength)
        return NDF_FILE_CRASHED;
    if (size > UINT32_MAX || headLength < NDF_LENGTH_FIELD_END || !HasMagic(head) || ReadLe32(head + 4) != size)
        return NDF_INVALID_FORMAT;

    try {
        image.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return NDF_INSUFFICIENT_MEMORY;
    }
    std::memcpy(image.data(), head, headLength);
    const size_t rest = image.size() - headLength;
    if (file.Read(image.data() + headLength, rest) < rest) {
        std::vector<uint8_t>().swap(image);
        return NDF_FILE_CRASHED;
    }
    const NdfStatus status = CheckImage(image.data(), image.size());
    if (status != NDF_OK) {
        std::vector<uint8_t>().swap(image);
        return status;
    }
    loadedPathName = path;
    return NDF_OK;
}

NdfStatus NetworkDatabase::Parse(const uint8_t* image, size_t length) {
    // The database is replaced whole; that is no change an undo history could take back.
    std::vector<ChangeListener*> listeners;
    listeners.swap(listeners_);
    const NdfStatus status = ParseImage(image, length);
    listeners_.swap(listeners);
    return status;
}

NdfStatus NetworkDatabase::ParseImage(const uint8_t* image, size_t length) {
    Clear();
    if (image == nullptr || length < NDF_MIN_FILE_SIZE)
        return NDF_INVALID_FORMAT;
    version = image[8];
    if (version != 1)
        return NDF_VERSION_UNSUPPORTED;
    stampYear = image[9];
    stampMonth = image[10];
    stampDay = image[11];
    keepStamp = stampYear == 0; // a version stamp is kept
    formatFlags = ReadLe32(image + 12);

    // The blocks must end before the trailer.
    Cursor in(image, NDF_HEADER_SIZE, length - NDF_TRAILER_SIZE);
    try {
        if (!ReadBlocks(*this, in)) {
            Clear();
            return NDF_INVALID_FORMAT;
        }
        if (favoriteGroups_.empty()) {
            for (const char* name : kDefaultFavoriteNames)
                AppendFavoriteGroup().name = name;
        }
    } catch (const std::bad_alloc&) {
        Clear();
        return NDF_INSUFFICIENT_MEMORY;
    }
    pathName = loadedPathName;
    return NDF_OK;
}
