// Arbitrary bytes as a SATCODX listing imported into a small database: the import never reads
// outside its lines, and the database stays consistent (every reference valid, each network's
// transponders in one run, programs still on their own transponders) and can be written and read.
#include "database/NetworkDatabase.h"
#include "fuzz/FuzzTarget.h"
#include "import/SatcodxImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_satcodx: %s\n", what);
        std::abort();
    }
}

// The listing is handed over as a file; one per process, rewritten for every input. A memory-backed
// folder keeps the disk out of the loop.
const std::string& ListingPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::string folder = tmp && *tmp ? tmp : (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        std::string p = folder + "/dishline-fuzz-" + std::to_string(getpid()) + ".sdx";
        std::atexit([] { std::remove(ListingPath().c_str()); });
        return p;
    }();
    return path;
}

constexpr uint8_t kTarget = 1; // the network the listing fills; others' transponders follow its run

// Four networks; networks 0, 1 and 3 have transponders (network 2 none), each transponder one or two
// programs, and the favorite lists point at programs.
void Build(NetworkDatabase& db) {
    db.Clear();
    db.formatFlags = NDF_FLAG_PROG_CA;
    for (uint8_t slot = 0; slot < 4; ++slot) {
        Network network;
        network.antennaIndex = slot;
        db.AppendNetwork(network);
        db.AppendAntennaConfig();
    }
    const uint8_t runs[] = {0, 0, 1, 1, 3};
    const uint16_t frequencies[] = {11362, 11420, 10714, 10729, 12515};
    for (size_t i = 0; i < sizeof runs; ++i) {
        auto transponder = std::make_unique<Transponder>();
        transponder->InitTransponder(runs[i], frequencies[i], static_cast<uint8_t>(i % 2));
        transponder->symbolRate = 22000;
        db.AppendTransponder(*transponder);
        for (size_t k = 0; k <= i % 2; ++k) {
            auto program = std::make_unique<Program>(static_cast<uint16_t>(i));
            program->name = "P" + std::to_string(db.programs().size());
            db.AppendProgram(*program);
        }
    }
    for (int g = 0; g < MAX_FAVORITE_GROUPS; ++g) {
        auto group = std::make_unique<FavoriteGroup>();
        group->name = "G" + std::to_string(g);
        group->tvList = {static_cast<uint16_t>(g % db.programs().size()), 0};
        db.AppendFavoriteGroup(*group);
    }
    db.keepStamp = true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(ListingPath().c_str(), "wb");
    Require(file != nullptr, "cannot create the listing file");
    Require(std::fwrite(data, 1, size, file) == size, "cannot write the listing file");
    std::fclose(file);

    NetworkDatabase db;
    Build(db);
    std::vector<const Transponder*> ownTransponder; // the transponder each program was on
    for (const auto& program : db.programs())
        ownTransponder.push_back(db.transponders()[program->transponderIndex].get());
    const std::vector<uint16_t> firstList = db.favoriteGroups()[0]->tvList;
    const size_t before = db.transponders().size();

    SatcodxImportResult result;
    Require(ImportSatcodx(db, *db.networks()[kTarget], ListingPath(), &result) == NDF_OK, "the import failed");
    Require(db.transponders().size() == before + result.addedTransponders, "the count of added transponders is off");
    Require(result.addedTransponders <= result.matchedLines, "more transponders added than lines read");
    Require(db.networks().size() == 4 && db.antennaConfigs().size() == 4, "networks or antenna configurations changed");
    Require(db.networks()[kTarget]->name.size() <= 18, "the network name is longer than its columns");

    // Every reference valid; each network's transponders in one run, runs in the original order.
    std::vector<bool> runClosed(db.networks().size(), false);
    for (size_t i = 0; i < db.transponders().size(); ++i) {
        const uint8_t n = db.transponders()[i]->networkIndex;
        Require(n < db.networks().size(), "a transponder refers to no network");
        Require(!runClosed[n], "a network's transponders are split");
        if (i + 1 == db.transponders().size() || db.transponders()[i + 1]->networkIndex != n)
            runClosed[n] = true;
    }
    for (size_t p = 0; p < db.programs().size(); ++p) {
        const uint16_t t = db.programs()[p]->transponderIndex;
        Require(t < db.transponders().size(), "a program refers to no transponder");
        Require(db.transponders()[t].get() == ownTransponder[p], "a program moved to another transponder");
    }
    Require(db.favoriteGroups()[0]->tvList == firstList, "a favorite list changed");

    // The filled network holds no transponder twice.
    const size_t runBegin = db.FirstTransponderOf(kTarget);
    const size_t runEnd = db.EndTransponderOf(kTarget);
    Require(runEnd - runBegin == 2 + result.addedTransponders, "the added transponders are not in the network's run");
    for (size_t i = runBegin; i < runEnd; ++i) {
        for (size_t j = i + 1; j < runEnd; ++j) {
            const Transponder& a = *db.transponders()[i];
            const Transponder& b = *db.transponders()[j];
            Require(!(a.frequency == b.frequency && a.polFec == b.polFec && a.symbolRate == b.symbolRate),
                    "a transponder was added twice");
        }
    }

    std::vector<uint8_t> image;
    Require(db.Serialize(image) > 0, "the filled database cannot be written");
    NetworkDatabase reread;
    Require(reread.Parse(image) == NDF_OK, "the written database does not parse");
    Require(reread.transponders().size() == db.transponders().size() &&
                reread.networks()[kTarget]->name == db.networks()[kTarget]->name,
            "the written database reads back differently");
    return 0;
}
