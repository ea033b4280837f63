// The in-memory form of one NDF file: header fields and five owning collections of records, with
// the operations that insert, delete, move and sort records while keeping every index reference
// valid, the modification stamp, and the NDF reader and writer.
#pragma once

#include "database/NdfStatus.h"
#include "database/Records.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// A calendar date and time of day in local time.
struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CalendarDate&) const = default;
};

// The current local date and time.
CalendarDate LocalNow();

class NetworkDatabase {
public:
    uint8_t version = 0;
    uint8_t stampYear = 0;
    uint8_t stampMonth = 0;
    uint8_t stampDay = 0;
    uint32_t formatFlags = 0;
    bool keepStamp = false;

    // Records have stable addresses: the tree, the editor and the channel list hold pointers to them.
    std::vector<std::unique_ptr<AntennaConfig>> antennaConfigs;
    std::vector<std::unique_ptr<Network>> networks;
    std::vector<std::unique_ptr<Transponder>> transponders;
    std::vector<std::unique_ptr<Program>> programs;
    std::vector<std::unique_ptr<FavoriteGroup>> favoriteGroups;

    std::string pathName;       // target of Save; shown in "Save changes to %s?"
    std::string loadedPathName; // path of the file last read successfully by Open

    NetworkDatabase() = default;
    NetworkDatabase(const NetworkDatabase&) = delete;
    NetworkDatabase& operator=(const NetworkDatabase&) = delete;
    NetworkDatabase(NetworkDatabase&&) noexcept = default;
    NetworkDatabase& operator=(NetworkDatabase&&) noexcept = default;

    // ---- operations on the collections ----

    // Destroys every record, empties pathName and clears keepStamp.
    void Clear();
    // Clear, then the 64-slot new database.
    NdfStatus NewDefault();

    uint8_t IndexOfNetwork(const Network* network) const;             // NO_NETWORK when absent
    uint16_t IndexOfTransponder(const Transponder* transponder) const; // NO_INDEX when absent
    uint16_t IndexOfProgram(const Program* program) const;             // NO_INDEX when absent
    // First transponder of the network slot; the transponder count when there is none.
    size_t FirstTransponderOf(uint8_t networkSlot) const;
    // Just past the run that starts at FirstTransponderOf; the transponder count when there is none.
    size_t EndTransponderOf(uint8_t networkSlot) const;

    // Places an already created transponder at position (or after its network's run); programs are
    // not adjusted. Returns the index used, or NO_INDEX (and drops it) when the collection is full.
    size_t InsertTransponder(std::unique_ptr<Transponder> transponder, uint16_t position);
    // Creates, inserts and fixes up programs; null when the record cannot be created.
    Transponder* AddTransponder(uint8_t networkSlot, uint16_t position);
    // Creates, inserts (or appends for NO_INDEX) and fixes up favorite groups.
    Program* AddProgram(uint16_t transponderIndex, uint16_t position);

    void DeleteProgram(size_t index);
    void DeleteTransponder(size_t index);
    void DeleteProgramsInTransponder(uint16_t transponderIndex);
    void DeleteProgramsInNetwork(uint8_t networkSlot);
    void DeleteTranspondersInNetwork(uint8_t networkSlot);

    // Moves program index between tvList (oldRadioBit 0) and radioList (1) of every group.
    void SetProgramRadio(bool oldRadioBit, uint16_t programIndex);
    // The network `moving` takes the slot of `target`, with the antenna configuration of its slot.
    // Does nothing when either is not in `networks` or a slot in between has no antenna configuration.
    void MoveNetwork(const Network* moving, const Network* target);
    // Orders networks by (position + offset) mod 3600; true when anything moved. Moves nothing when
    // there are fewer antenna configurations than networks, or more than 255 networks.
    bool SortByDegree(uint16_t offset);

    // ---- modification stamp ----

    // The stamped date at 00:00:00, or the current local date and time when the stamp holds none
    // (a version stamp, a month outside 1..12, a day the month does not have).
    CalendarDate GetStampDate() const;
    // Packs the date into the stamp; false, with the stamp unchanged, when it equals the stamp or
    // is no calendar date (month outside 1..12, a day the month does not have).
    bool SetStampDate(const CalendarDate& date);
    // "%c%03u" of the area letter and the version (e.g. "B002"); false and empty for a date stamp.
    bool GetStampVersion(std::string& text) const;
    bool SetStampVersion(const std::string& text);

    // ---- NDF file ----

    // Reads the whole file at path into image and checks it; sets loadedPathName on success.
    // (Choosing the path is the caller's business.)
    NdfStatus Open(const std::string& path, std::vector<uint8_t>& image);
    // Rebuilds the database from an image. Never reads outside it: an image whose blocks would run
    // past the trailer gives NDF_INVALID_FORMAT and leaves the database empty.
    NdfStatus Parse(const uint8_t* image, size_t length);
    NdfStatus Parse(const std::vector<uint8_t>& image) { return Parse(image.data(), image.size()); }
    // Writes the image into out (resized to fit) and returns its length; stamps today's date first
    // unless keepStamp is set. Returns 0 and writes nothing when LimitProblem() is not empty.
    size_t Serialize(std::vector<uint8_t>& out);
    // Serializes and replaces the file at path atomically; sets pathName on success.
    NdfStatus Save(const std::string& path);
    // Why the file cannot hold this database (e.g. "program 12: 300 audio PIDs, at most 255"),
    // or empty when it can.
    std::string LimitProblem() const;
};

// Test hook for the writer: every save after this call writes at most `bytes` bytes of its image
// and then fails as a full disk would. NO_SAVE_FAULT (the default) lets every write through.
constexpr size_t NO_SAVE_FAULT = std::numeric_limits<size_t>::max();
void SetSaveFaultAfterBytes(size_t bytes);

// Sum of the first length bytes plus initial, modulo 256.
uint8_t Checksum(const uint8_t* bytes, size_t length, uint8_t initial);
// Validates a whole-file image: magic, length field, version, size, trailer, checksum.
NdfStatus CheckImage(const uint8_t* image, size_t length);

constexpr size_t NDF_MIN_FILE_SIZE = 27;
constexpr int NEW_DATABASE_SLOTS = 64;
constexpr int DEFAULT_FAVORITE_GROUPS = 8;
