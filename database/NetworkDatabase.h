// The in-memory form of one NDF file: header fields and five owning collections of records, with
// the operations that insert, delete, move and sort records while keeping every index reference
// valid, the modification stamp, and the NDF reader and writer.
#pragma once

#include "database/DatabaseEdit.h"
#include "database/Limits.h"
#include "database/NdfStatus.h"
#include "database/Records.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
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

template <class T> using RecordList = std::vector<std::unique_ptr<T>>;

class NetworkDatabase {
public:
    uint8_t version = 0;
    uint8_t stampYear = 0;
    uint8_t stampMonth = 0;
    uint8_t stampDay = 0;
    uint32_t formatFlags = 0;
    bool keepStamp = false;

    std::string pathName;       // target of Save; shown in "Save changes to %s?"
    std::string loadedPathName; // path of the file last read successfully by Open

    NetworkDatabase() = default;
    NetworkDatabase(const NetworkDatabase&) = delete;
    NetworkDatabase& operator=(const NetworkDatabase&) = delete;
    // Moving takes the records and the header; each database keeps its own change listeners.
    NetworkDatabase(NetworkDatabase&& other) noexcept;
    NetworkDatabase& operator=(NetworkDatabase&& other) noexcept;

    // ---- the collections, read only ----
    // Records have stable addresses: the tree, the editor and the channel list hold pointers to
    // them. A record's fields may be changed through these pointers; the collections themselves
    // change only through the operations below, which keep every index reference valid.
    const RecordList<AntennaConfig>& antennaConfigs() const { return antennaConfigs_; }
    const RecordList<Network>& networks() const { return networks_; }
    const RecordList<Transponder>& transponders() const { return transponders_; }
    const RecordList<Program>& programs() const { return programs_; }
    const RecordList<FavoriteGroup>& favoriteGroups() const { return favoriteGroups_; }

    // ---- change notification ----
    // Every operation below that changes the database announces one edit that can undo it to
    // each listener, in the order they were added. Without a listener nothing is recorded. Clear,
    // NewDefault, Parse and moving a database replace it whole and are not announced: whoever
    // calls them starts a new history and shows the database afresh. A listener must be removed
    // before it goes.
    void AddChangeListener(ChangeListener* listener);
    void RemoveChangeListener(ChangeListener* listener);
    const std::vector<ChangeListener*>& changeListeners() const { return listeners_; }
    // Take back (make again) a change whose edit a listener kept, and announce it to every listener.
    void UndoEdit(DatabaseEdit& edit);
    void RedoEdit(DatabaseEdit& edit);

    // ---- building a database record by record ----
    // Appends in file order, as a reader does; no reference is checked or fixed up. Without an
    // argument the new record has its defaults and is built in place.
    AntennaConfig& AppendAntennaConfig();
    AntennaConfig& AppendAntennaConfig(AntennaConfig config);
    Network& AppendNetwork();
    Network& AppendNetwork(Network network);
    Transponder& AppendTransponder();
    Transponder& AppendTransponder(Transponder transponder);
    Program& AppendProgram();
    Program& AppendProgram(Program program);
    FavoriteGroup& AppendFavoriteGroup();
    FavoriteGroup& AppendFavoriteGroup(FavoriteGroup group);

    // ---- operations on the collections ----

    // Destroys every record, empties pathName and clears keepStamp.
    void Clear();
    // Clear, then the 64-slot new database.
    NdfStatus NewDefault();

    uint8_t IndexOfNetwork(const Network* network) const;              // NO_NETWORK when absent
    uint16_t IndexOfTransponder(const Transponder* transponder) const; // NO_INDEX when absent
    uint16_t IndexOfProgram(const Program* program) const;             // NO_INDEX when absent
    // First transponder of the network slot; the transponder count when there is none.
    size_t FirstTransponderOf(uint8_t networkSlot) const;
    // Just past the run that starts at FirstTransponderOf; the transponder count when there is none.
    size_t EndTransponderOf(uint8_t networkSlot) const;

    // Record values: the record at index takes every field of value but its tree item (and a
    // program's favoriteMask). Nothing happens for an index past the collection.
    void SetAntennaConfig(size_t index, const AntennaConfig& value);
    void SetNetwork(size_t index, const Network& value);
    void SetTransponder(size_t index, const Transponder& value);
    void SetProgram(size_t index, const Program& value);
    // Sets (set true) or clears the attribute bits of mask on the programs at the given indices, as
    // one change (repeats and indices past the programs are ignored); false, with nothing recorded,
    // when no program changed.
    bool SetProgramAttributes(const std::vector<size_t>& indices, uint8_t mask, bool set);
    void SetFavoriteGroup(size_t index, const FavoriteGroup& group);
    // Replaces all favorite groups (at most 255).
    void SetFavoriteGroups(std::vector<FavoriteGroup> groups);
    void SetKeepStamp(bool keep);

    // The index of the antenna configuration a network naming `slot` uses, creating default
    // configurations up to that slot when they are missing. The file holds at most 255
    // configurations, so slot 255 gets a new configuration at the end. NO_NETWORK when no
    // configuration can be created.
    uint8_t EnsureAntennaConfig(uint8_t slot);

    // Places an already created transponder at position (or after its network's run); programs are
    // not adjusted. Returns the index used, or NO_INDEX (and drops it) when the collection is full.
    size_t InsertTransponder(std::unique_ptr<Transponder> transponder, uint16_t position);
    // Inserts a run of transponders at position (at most the transponder count) and moves every
    // program reference at or after it along, so that programs keep their transponders. False,
    // with nothing changed, when the run does not fit the file's count.
    bool InsertTransponders(size_t position, std::vector<Transponder> run);
    // Creates, inserts and fixes up programs; null when the record cannot be created.
    Transponder* AddTransponder(uint8_t networkSlot, uint16_t position);
    // Creates, inserts (or appends for NO_INDEX) and fixes up favorite groups.
    Program* AddProgram(uint16_t transponderIndex, uint16_t position);

    void DeleteProgram(size_t index);
    // Deletes the programs at the given indices (any order; repeats and indices past the programs
    // are ignored) in one pass; favorite entries of deleted programs go, the others are renumbered.
    void DeletePrograms(const std::vector<size_t>& indices);
    void DeleteTransponder(size_t index);
    // Deletes the transponders at the given indices with all their programs, in one pass.
    void DeleteTransponders(const std::vector<size_t>& indices);
    void DeleteProgramsInTransponder(uint16_t transponderIndex);
    void DeleteProgramsInNetwork(uint8_t networkSlot);
    void DeleteTranspondersInNetwork(uint8_t networkSlot);

    // A new channel order: newOrder[j] is the index of the program that goes to position j. Every
    // favorite entry that names a program is renumbered; entries that name none stay as they are.
    // False, with nothing changed, when newOrder is no permutation of the program indices.
    bool ReorderPrograms(const std::vector<uint32_t>& newOrder);
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
    // Stamps today's date unless keepStamp is set and, when the file carries no CA masks, clears
    // them as the file will; then writes the image into out (resized to fit) and returns its
    // length. Returns 0 and writes nothing when LimitProblem() is not empty.
    size_t Serialize(std::vector<uint8_t>& out);
    // The image of the database exactly as it stands, stamp and masks untouched, into out; its
    // length, or 0 with nothing written when LimitProblem() is not empty or memory runs out.
    size_t SerializeUnchanged(std::vector<uint8_t>& out) const;
    // Serializes and replaces the file at path atomically; sets pathName on success. A failure to
    // write gives NDF_CREATE_FAILED and, in cause, the system's reason where there is one.
    NdfStatus Save(const std::string& path, std::error_code* cause = nullptr);
    // Why the file cannot hold this database (e.g. "program 12: 300 audio PIDs, at most 255"),
    // or empty when it can.
    std::string LimitProblem() const;

private:
    friend struct CollectionAccess;
    void Record(std::unique_ptr<DatabaseEdit> edit);
    NdfStatus ParseImage(const uint8_t* image, size_t length);
    // What every save does to the database before its image is built: today's stamp unless
    // keepStamp is set, and no CA masks where the file carries none.
    void PrepareForSave();
    bool Recording() const { return !listeners_.empty(); }

    RecordList<AntennaConfig> antennaConfigs_;
    RecordList<Network> networks_;
    RecordList<Transponder> transponders_;
    RecordList<Program> programs_;
    RecordList<FavoriteGroup> favoriteGroups_;
    std::vector<ChangeListener*> listeners_;
};

// Sum of the first length bytes plus initial, modulo 256.
uint8_t Checksum(const uint8_t* bytes, size_t length, uint8_t initial);
// Validates a whole-file image: magic, length field, version, size, trailer, checksum.
NdfStatus CheckImage(const uint8_t* image, size_t length);

constexpr size_t NDF_MIN_FILE_SIZE = 27;
