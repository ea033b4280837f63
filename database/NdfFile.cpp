#include "database/DisplayTables.h"
#include "database/NetworkDatabase.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define DISHLINE_HAVE_UNISTD 1
#endif

namespace fs = std::filesystem;

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kLengthFieldEnd = 8; // the magic and the length field
constexpr size_t kTrailerSize = 4; // "END" and the checksum
constexpr size_t kMaxCount8 = 0xFF;
constexpr size_t kMaxCount16 = 0xFFFF;
constexpr size_t kMaxNameBytes = 0xFF;
constexpr size_t kMaxPidEntries = 0xFF;

uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void WriteLe32(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

// ---- reading ----

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

// ---- writing ----

size_t PidListSize(const PidList& list) {
    return 1 + 3 * list.Count();
}

size_t ImageSize(const NetworkDatabase& db) {
    const uint32_t flags = db.formatFlags;
    size_t size = kHeaderSize + 1 + 8 * db.antennaConfigs().size();
    size += 1;
    for (const auto& network : db.networks())
        size += 1 + network->name.size() + ((flags & NDF_FLAG_NET_SKEW) ? 6 : 4);
    size += 2;
    for (const auto& transponder : db.transponders())
        size += ((flags & NDF_FLAG_TP_NAMES) ? 1 + transponder->name.size() : 0) + 11;
    size += 2;
    for (const auto& program : db.programs()) {
        size += 1 + program->name.size() + 6 + PidListSize(program->videoPids) + PidListSize(program->audioPids) +
                PidListSize(program->teletextPids) + ((flags & NDF_FLAG_PROG_CA) ? 4 : 0) + 4;
    }
    size += 1;
    for (const auto& group : db.favoriteGroups())
        size += 1 + group->name.size() + 2 + 2 * group->tvList.size() + 2 + 2 * group->radioList.size();
    return size + kTrailerSize;
}

// Writes into a buffer sized to the whole image beforehand. Every write checks the room left, so
// a size computed wrongly ends in a refused image, never in a write past the buffer.
class Writer {
public:
    Writer(uint8_t* begin, uint8_t* end) : p_(begin), end_(end) {}

    // Every byte was written and none was refused.
    bool Complete() const { return !overflow_ && p_ == end_; }
    void U8(uint8_t value) {
        if (Room(1))
            *p_++ = value;
    }
    void U16(uint16_t value) {
        if (!Room(2))
            return;
        p_[0] = static_cast<uint8_t>(value);
        p_[1] = static_cast<uint8_t>(value >> 8);
        p_ += 2;
    }
    void U32(uint32_t value) {
        U16(static_cast<uint16_t>(value));
        U16(static_cast<uint16_t>(value >> 16));
    }
    void Bytes(const void* bytes, size_t count) {
        if (count == 0 || !Room(count))
            return;
        std::memcpy(p_, bytes, count);
        p_ += count;
    }
    // Names are limited before writing starts; the length byte always matches the bytes written.
    void Name(const std::string& name) {
        U8(static_cast<uint8_t>(name.size()));
        Bytes(name.data(), name.size());
    }
    // The entry count is that of the language bytes; a PID word that the list lacks is written
    // as PID_NONE, so the record always holds exactly the entries its count announces.
    void PidListOf(const PidList& list) {
        const size_t k = list.Count();
        U8(static_cast<uint8_t>(k));
        Bytes(list.languages.data(), k);
        for (size_t i = 0; i < k; ++i)
            U16(i < list.pids.size() ? list.pids[i] : PID_NONE);
    }
    void IndexList(const std::vector<uint16_t>& list) {
        U16(static_cast<uint16_t>(list.size()));
        for (uint16_t entry : list)
            U16(entry);
    }

private:
    bool Room(size_t count) {
        if (static_cast<size_t>(end_ - p_) >= count)
            return true;
        overflow_ = true;
        return false;
    }

    uint8_t* p_;
    uint8_t* end_;
    bool overflow_ = false;
};

// Builds the image of a database that LimitProblem accepts. Returns 0, with the database and out
// untouched, when the buffer cannot be had.
size_t BuildImage(const NetworkDatabase& db, std::vector<uint8_t>& out) {
    const size_t size = ImageSize(db);
    std::vector<uint8_t> image;
    try {
        image.resize(size);
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }

    const uint32_t flags = db.formatFlags;
    Writer w(image.data(), image.data() + image.size());
    for (int i = 0; i < 3; ++i)
        w.U8(static_cast<uint8_t>(kNdfMagic[i]));
    w.U8(0);
    w.U32(0); // length, stored below
    w.U8(1);
    w.U8(db.stampYear);
    w.U8(db.stampMonth);
    w.U8(db.stampDay);
    w.U32(flags);

    w.U8(static_cast<uint8_t>(db.antennaConfigs().size()));
    for (const auto& antenna : db.antennaConfigs()) {
        w.U8(antenna->diseqcMode);
        w.U8(antenna->lnbSupply);
        w.U8(antenna->switchPort);
        w.U8(antenna->lnbType);
        w.U16(antenna->lnbFreq);
        w.U16(antenna->lnbFreqH);
    }

    w.U8(static_cast<uint8_t>(db.networks().size()));
    for (const auto& network : db.networks()) {
        w.Name(network->name);
        w.U16(network->position);
        w.U8(network->positionerId);
        w.U8(network->antennaIndex);
        if (flags & NDF_FLAG_NET_SKEW) {
            w.U8(network->skewV);
            w.U8(network->skewH);
        }
    }

    w.U16(static_cast<uint16_t>(db.transponders().size()));
    for (const auto& transponder : db.transponders()) {
        if (flags & NDF_FLAG_TP_NAMES)
            w.Name(transponder->name);
        w.U16(transponder->frequency);
        w.U16(transponder->symbolRate);
        w.U8(transponder->polFec);
        w.U8(transponder->freqDrift);
        w.U8(transponder->networkIndex);
        w.U32(static_cast<uint32_t>(transponder->gmtError));
    }

    w.U16(static_cast<uint16_t>(db.programs().size()));
    for (const auto& program : db.programs()) {
        w.Name(program->name);
        w.U16(program->serviceId);
        w.U16(program->pmtPid);
        w.U16(program->pcrPid);
        w.PidListOf(program->videoPids);
        w.PidListOf(program->audioPids);
        w.PidListOf(program->teletextPids);
        if (flags & NDF_FLAG_PROG_CA)
            w.U32(program->caMask);
        w.U8(program->attributes);
        w.U8(program->attributes2);
        w.U16(program->transponderIndex);
    }

    w.U8(static_cast<uint8_t>(db.favoriteGroups().size()));
    for (const auto& group : db.favoriteGroups()) {
        w.Name(group->name);
        w.IndexList(group->tvList);
        w.IndexList(group->radioList);
    }

    w.U8('E');
    w.U8('N');
    w.U8('D');
    w.U8(0); // checksum, stored below
    if (!w.Complete())
        return 0;
    WriteLe32(image.data() + 4, static_cast<uint32_t>(image.size()));
    image.back() = Checksum(image.data(), image.size() - 1, 1);
    out = std::move(image);
    return out.size();
}

std::string Limit(const char* what, size_t count, size_t most) {
    return std::to_string(count) + " " + what + ", at most " + std::to_string(most);
}

std::string NameProblem(const char* kind, size_t index, const std::string& name) {
    if (name.size() <= kMaxNameBytes)
        return {};
    return std::string(kind) + " " + std::to_string(index + 1) + ": name of " + std::to_string(name.size()) +
           " bytes, at most " + std::to_string(kMaxNameBytes);
}

std::string PidListProblem(size_t program, const char* what, const PidList& list) {
    if (list.Count() <= kMaxPidEntries)
        return {};
    return "program " + std::to_string(program + 1) + ": " + std::to_string(list.Count()) + " " + what +
           " PIDs, at most " + std::to_string(kMaxPidEntries);
}

// ---- replacing a file ----

std::atomic<size_t> g_saveFaultAfter{NO_SAVE_FAULT};

// Makes a completed rename durable; file systems that cannot sync a folder are let be.
void SyncFolder(const fs::path& folder) {
#ifdef DISHLINE_HAVE_UNISTD
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#else
    (void)folder;
#endif
}

// A name for the temporary file beside the target that no other save is using. Only the start of
// the target's name goes into it, so that a target with a long name still gets a valid one.
std::string TemporaryName(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "." + target.filename().string().substr(0, 32) + ".save-" +
           std::to_string(static_cast<unsigned long long>(ticks)) + "-" + std::to_string(counter++) + "-" +
           std::to_string(attempt);
}

// Writes bytes to a new file beside the target and renames it over the target, so that a failed
// save never leaves a truncated file where the previous one was.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    fs::path target(path);
    if (target.filename().empty())
        return false;
    // Save through a symbolic link rather than replacing the link itself.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists && !fs::is_regular_file(existing))
        return false;
#ifdef DISHLINE_HAVE_UNISTD
    // A write-protected file stays protected, as it would against writing it in place.
    if (exists && access(target.c_str(), W_OK) != 0)
        return false;
#endif

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    std::FILE* file = nullptr;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = folder / TemporaryName(target, attempt);
        errno = 0;
        file = std::fopen(temporary.string().c_str(), "wbx");
        if (!file && errno != EEXIST)
            return false;
    }
    if (!file)
        return false;

    const size_t allowed = std::min(bytes.size(), g_saveFaultAfter.load());
    bool ok = allowed == 0 || std::fwrite(bytes.data(), 1, allowed, file) == allowed;
    ok = ok && allowed == bytes.size() && std::fflush(file) == 0;
#ifdef DISHLINE_HAVE_UNISTD
    ok = ok && fsync(fileno(file)) == 0;
#endif
    if (ok && exists) {
        // The new file takes the place of the old one with its owner and permissions, as far as
        // this process may give them.
#ifdef DISHLINE_HAVE_UNISTD
        struct stat old {};
        if (stat(target.c_str(), &old) == 0 && fchown(fileno(file), old.st_uid, old.st_gid) != 0) {
            // Not permitted: the file belongs to whoever saved it.
        }
#endif
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, ec);
    }
    ok = std::fclose(file) == 0 && ok;
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temporary, ec);
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace

void SetSaveFaultAfterBytes(size_t bytes) {
    g_saveFaultAfter.store(bytes);
}

// ---- status codes ----

const char* StatusMessage(int status) {
    switch (status) {
    case NDF_OK:
        return "OK";
    case NDF_CANCELED:
        return "Canceled";
    case NDF_INSUFFICIENT_MEMORY:
        return "Insufficient memory";
    case NDF_NO_FILE_FOUND:
        return "No file found";
    case NDF_FILE_CRASHED:
        return "File crashed";
    case NDF_CREATE_FAILED:
        return "Creating file failed";
    case NDF_INVALID_FORMAT:
        return "Invalid NDF format";
    case NDF_BAD_CHECKSUM:
        return "Bad checksum";
    case NDF_VERSION_UNSUPPORTED:
        return "NDF Version not supported";
    case NDF_TOO_LARGE:
        return "Too many records for the NDF format";
    default:
        return "Unknown error";
    }
}

uint8_t Checksum(const uint8_t* bytes, size_t length, uint8_t initial) {
    unsigned sum = initial;
    for (size_t i = 0; i < length; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum);
}

NdfStatus CheckImage(const uint8_t* image, size_t length) {
    if (image == nullptr || length < 4 || !HasMagic(image))
        return NDF_INVALID_FORMAT;
    if (length < kLengthFieldEnd || ReadLe32(image + 4) != length)
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

// ---- NetworkDatabase: file operations ----

NdfStatus NetworkDatabase::Open(const std::string& path, std::vector<uint8_t>& image) {
    std::vector<uint8_t>().swap(image);
    if (path.empty())
        return NDF_NO_FILE_FOUND;
    std::error_code ec;
    // Folders, devices and pipes are no database files (and opening a pipe could wait forever).
    if (!fs::is_regular_file(fs::status(path, ec)))
        return NDF_NO_FILE_FOUND;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return NDF_NO_FILE_FOUND;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        std::fclose(file);
        return NDF_NO_FILE_FOUND;
    }

    // The magic and the length field are checked first, from the head of the file alone: a file
    // that is no database, or larger than its length field can describe, is refused before any
    // memory is taken for it. These are the first two checks of CheckImage, with its status.
    uint8_t head[kLengthFieldEnd];
    const auto headLength = static_cast<size_t>(std::min<std::uintmax_t>(size, sizeof head));
    if (std::fread(head, 1, headLength, file) < headLength) {
        std::fclose(file);
        return NDF_FILE_CRASHED;
    }
    if (size > UINT32_MAX || headLength < kLengthFieldEnd || !HasMagic(head) || ReadLe32(head + 4) != size) {
        std::fclose(file);
        return NDF_INVALID_FORMAT;
    }

    try {
        image.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return NDF_INSUFFICIENT_MEMORY;
    }
    std::memcpy(image.data(), head, headLength);
    const size_t rest = image.size() - headLength;
    const size_t got = std::fread(image.data() + headLength, 1, rest, file);
    std::fclose(file);
    if (got < rest) {
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
    ChangeListener* listener = listener_;
    listener_ = nullptr;
    const NdfStatus status = ParseImage(image, length);
    listener_ = listener;
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
    Cursor in(image, kHeaderSize, length - kTrailerSize);
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

void NetworkDatabase::PrepareForSave() {
    // Saving is no edit of the user's: today's stamp and the masks the file drops are not recorded.
    ChangeListener* listener = listener_;
    listener_ = nullptr;
    if (!keepStamp)
        SetStampDate(LocalNow());
    if (!(formatFlags & NDF_FLAG_PROG_CA)) {
        for (auto& program : programs_)
            program->caMask = 0; // what the file cannot hold is not kept in memory either
    }
    listener_ = listener;
}

size_t NetworkDatabase::Serialize(std::vector<uint8_t>& out) {
    if (!LimitProblem().empty())
        return 0;
    PrepareForSave();
    return BuildImage(*this, out);
}

NdfStatus NetworkDatabase::Save(const std::string& path) {
    if (!LimitProblem().empty())
        return NDF_TOO_LARGE;
    if (path.empty())
        return NDF_CREATE_FAILED;
    PrepareForSave();
    std::vector<uint8_t> image;
    if (BuildImage(*this, image) == 0)
        return NDF_INSUFFICIENT_MEMORY;
    if (!ReplaceFile(path, image))
        return NDF_CREATE_FAILED;
    pathName = path;
    return NDF_OK;
}

std::string NetworkDatabase::LimitProblem() const {
    if (antennaConfigs_.size() > kMaxCount8)
        return Limit("antenna configurations", antennaConfigs_.size(), kMaxCount8);
    if (networks_.size() > kMaxCount8)
        return Limit("networks", networks_.size(), kMaxCount8);
    if (transponders_.size() > kMaxCount16)
        return Limit("transponders", transponders_.size(), kMaxCount16);
    if (programs_.size() > kMaxCount16)
        return Limit("programs", programs_.size(), kMaxCount16);
    if (favoriteGroups_.size() > kMaxCount8)
        return Limit("favorite groups", favoriteGroups_.size(), kMaxCount8);

    std::string problem;
    for (size_t i = 0; i < networks_.size() && problem.empty(); ++i)
        problem = NameProblem("network", i, networks_[i]->name);
    // Transponder names are written only when the file carries them.
    if (formatFlags & NDF_FLAG_TP_NAMES) {
        for (size_t i = 0; i < transponders_.size() && problem.empty(); ++i)
            problem = NameProblem("transponder", i, transponders_[i]->name);
    }
    for (size_t i = 0; i < programs_.size() && problem.empty(); ++i) {
        const Program& program = *programs_[i];
        problem = NameProblem("program", i, program.name);
        if (problem.empty())
            problem = PidListProblem(i, "video", program.videoPids);
        if (problem.empty())
            problem = PidListProblem(i, "audio", program.audioPids);
        if (problem.empty())
            problem = PidListProblem(i, "teletext", program.teletextPids);
    }
    for (size_t i = 0; i < favoriteGroups_.size() && problem.empty(); ++i) {
        const FavoriteGroup& group = *favoriteGroups_[i];
        problem = NameProblem("favorite group", i, group.name);
        const std::string prefix = "favorite group " + std::to_string(i + 1) + ": ";
        if (problem.empty() && group.tvList.size() > kMaxCount16)
            problem = prefix + Limit("TV entries", group.tvList.size(), kMaxCount16);
        if (problem.empty() && group.radioList.size() > kMaxCount16)
            problem = prefix + Limit("radio entries", group.radioList.size(), kMaxCount16);
    }
    return problem;
}
