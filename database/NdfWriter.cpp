// Writing NDF files: the limits of the format, the image of a database, and the save.
#include "database/AtomicFile.h"
#include "database/DisplayTables.h"
#include "database/NdfLayout.h"
#include "database/NetworkDatabase.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

namespace {

constexpr size_t kMaxCount8 = 0xFF;
constexpr size_t kMaxCount16 = 0xFFFF;
constexpr size_t kMaxNameBytes = 0xFF;
constexpr size_t kMaxPidEntries = 0xFF;

size_t PidListSize(const PidList& list) {
    return 1 + 3 * list.Count();
}

size_t ImageSize(const NetworkDatabase& db) {
    const uint32_t flags = db.formatFlags;
    size_t size = NDF_HEADER_SIZE + 1 + 8 * db.antennaConfigs().size();
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
    return size + NDF_TRAILER_SIZE;
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

// Builds the image of a database that LimitProblem accepts, exactly as it stands: stamping is
// PrepareForSave's business. Returns 0, with out untouched, when the buffer cannot be had.
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

} // namespace

void NetworkDatabase::PrepareForSave() {
    // Saving is no edit of the user's: today's stamp and the masks the file drops are not recorded.
    std::vector<ChangeListener*> listeners;
    listeners.swap(listeners_);
    if (!keepStamp)
        SetStampDate(LocalNow());
    if (!(formatFlags & NDF_FLAG_PROG_CA)) {
        for (auto& program : programs_)
            program->caMask = 0; // what the file cannot hold is not kept in memory either
    }
    listeners_.swap(listeners);
}

size_t NetworkDatabase::Serialize(std::vector<uint8_t>& out) {
    if (!LimitProblem().empty())
        return 0;
    PrepareForSave();
    return BuildImage(*this, out);
}

size_t NetworkDatabase::SerializeUnchanged(std::vector<uint8_t>& out) const {
    if (!LimitProblem().empty())
        return 0;
    return BuildImage(*this, out);
}

NdfStatus NetworkDatabase::Save(const std::string& path, std::error_code* cause) {
    if (cause)
        cause->clear();
    if (!LimitProblem().empty())
        return NDF_TOO_LARGE;
    if (path.empty())
        return NDF_CREATE_FAILED;
    PrepareForSave();
    std::vector<uint8_t> image;
    if (BuildImage(*this, image) == 0)
        return NDF_INSUFFICIENT_MEMORY;
    if (!ReplaceFileAtomically(path, image, cause))
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
