// Benchmarks of the core on the largest realistic database (and on half of it, so that the growth
// of every operation shows): loading and saving against a plain read and copy of the file, the
// delete-all operations, adding a program at the front and sorting the satellites, the after-rescan
// tools (core_bench_rescan.cpp), the export of the channel list, and the peak memory of the process
// with the largest database loaded.
//
// Each benchmark takes the size in percent of the largest database as its argument (50 and 100).
// After the runs a summary compares load and save with the yardstick and each operation at full
// size with itself at half size.
#include "bench/BigDatabase.h"
#include "database/NetworkDatabase.h"
#include "export/ChannelExport.h"

#include <benchmark/benchmark.h>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kHalf = 50;
constexpr int kFull = 100;
constexpr uint8_t kHeavySlot = 0; // the satellite that carries a third of the transponders

// The database variants the benchmarks load.
enum Variant {
    VARIANT_PLAIN, // transponders spread evenly over the satellites
    VARIANT_HEAVY, // the first satellite carries a third of them
    VARIANT_SORT,  // 255 satellites whatever the size: only transponders and programs scale
};

BigDatabaseShape ShapeOf(Variant variant, int percent) {
    BigDatabaseShape shape = BigDatabaseShape::Largest().Scaled(percent / 100.0);
    if (variant == VARIANT_HEAVY)
        shape.heavyNetworkShare = 1.0 / 3.0;
    if (variant == VARIANT_SORT)
        shape.networks = BigDatabaseShape::Largest().networks;
    return shape;
}

fs::path g_folder;

std::string PathOf(Variant variant, int percent) {
    static const char* const kNames[] = {"plain", "heavy", "sort"};
    return (g_folder / (std::string(kNames[variant]) + "-" + std::to_string(percent) + ".ndf")).string();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return bytes;
}

const std::vector<uint8_t>& ImageOf(Variant variant, int percent) {
    static std::map<std::string, std::vector<uint8_t>> cache;
    const std::string path = PathOf(variant, percent);
    auto found = cache.find(path);
    if (found == cache.end())
        found = cache.emplace(path, ReadFile(path)).first;
    return found->second;
}

void LoadInto(NetworkDatabase& db, Variant variant, int percent) {
    if (db.Parse(ImageOf(variant, percent)) != NDF_OK) {
        std::fprintf(stderr, "the generated database does not parse\n");
        std::exit(1);
    }
}

// Writes every database the benchmarks use. Runs in a child process, so that the generator's
// memory does not count in this process's peak.
void WriteDatabases() {
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (child == 0) {
        for (Variant variant : {VARIANT_PLAIN, VARIANT_HEAVY, VARIANT_SORT}) {
            for (int percent : {kHalf, kFull}) {
                NetworkDatabase db;
                BuildBigDatabase(db, ShapeOf(variant, percent));
                if (db.Save(PathOf(variant, percent)) != NDF_OK)
                    _exit(1);
            }
        }
        _exit(0);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "writing the databases failed\n");
        std::exit(1);
    }
}

struct MemoryFigures {
    double baseMiB = 0;
    double residentMiB = 0; // after loading, the image freed
    double peakMiB = 0;
    double limitMiB = 0;
    double fileMiB = 0;
};
MemoryFigures g_memory;

// The editor's load path on the largest database: the whole file read, checked, parsed, the
// image freed. Measured before anything else has grown the heap.
void MeasureLoadedMemory() {
    static NetworkDatabase loaded; // stays loaded, as in the editor
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    g_memory.baseMiB = static_cast<double>(before.ru_maxrss) / 1024.0;
    std::vector<uint8_t> image;
    const std::string path = PathOf(VARIANT_PLAIN, kFull);
    if (loaded.Open(path, image) != NDF_OK || loaded.Parse(image) != NDF_OK) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        std::exit(1);
    }
    const double fileBytes = static_cast<double>(image.size());
    std::vector<uint8_t>().swap(image);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    g_memory.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    if (statm >> pages >> resident)
        g_memory.residentMiB =
            static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    g_memory.fileMiB = fileBytes / (1024.0 * 1024.0);
    g_memory.limitMiB = 4.0 * g_memory.fileMiB + 20.0;
}

// CPU time of this thread: the operations compute only, and the machine that runs the benchmarks
// is often shared, so that wall time would measure the neighbours as well.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// ---- the yardstick, loading and saving ----

// The yardstick: the file read into a buffer and copied into a second one, both buffers kept from
// one iteration to the next (what any program that reads a file costs at least).
void BM_ReadCopy(benchmark::State& state) {
    const std::string path = PathOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    std::vector<uint8_t> image;
    std::vector<uint8_t> copy;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            state.SkipWithError("cannot open the file");
            break;
        }
        std::fseek(file, 0, SEEK_END);
        image.resize(static_cast<size_t>(std::ftell(file)));
        std::fseek(file, 0, SEEK_SET);
        const bool read = std::fread(image.data(), 1, image.size(), file) == image.size();
        std::fclose(file);
        if (!read)
            state.SkipWithError("cannot read the file");
        copy.resize(image.size());
        std::memcpy(copy.data(), image.data(), image.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(image.size() * state.iterations()));
}

// The same into memory the process has never touched: the price of the page faults that any
// fresh allocation of that size pays (the allocator's thresholds decide when a vector does).
void BM_ReadCopyFresh(benchmark::State& state) {
    const std::string path = PathOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    const size_t size = fs::file_size(path);
    for (auto _ : state) {
        void* image = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        void* copy = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        const bool ok = image != MAP_FAILED && copy != MAP_FAILED && file && std::fread(image, 1, size, file) == size;
        if (file)
            std::fclose(file);
        if (ok) {
            std::memcpy(copy, image, size);
            benchmark::DoNotOptimize(copy);
            benchmark::ClobberMemory();
        } else {
            state.SkipWithError("cannot read the file");
        }
        if (image != MAP_FAILED)
            munmap(image, size);
        if (copy != MAP_FAILED)
            munmap(copy, size);
        if (!ok)
            break;
    }
    state.SetBytesProcessed(static_cast<int64_t>(size * state.iterations()));
}

void BM_Open(benchmark::State& state) {
    const std::string path = PathOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    NetworkDatabase db;
    for (auto _ : state) {
        std::vector<uint8_t> image;
        if (db.Open(path, image) != NDF_OK)
            state.SkipWithError("Open failed");
        benchmark::DoNotOptimize(image.data());
    }
}

void BM_CheckImage(benchmark::State& state) {
    const std::vector<uint8_t>& image = ImageOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        NdfStatus status = CheckImage(image.data(), image.size());
        benchmark::DoNotOptimize(status);
    }
}

// Parsing into an empty database, as the first File Open does; freeing it afterwards is not timed.
void BM_Parse(benchmark::State& state) {
    const std::vector<uint8_t>& image = ImageOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto db = std::make_unique<NetworkDatabase>();
        if (db->Parse(image) != NDF_OK)
            state.SkipWithError("Parse failed");
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
}

// Open, Parse and free the image: what File Open does.
void BM_Load(benchmark::State& state) {
    const std::string path = PathOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto db = std::make_unique<NetworkDatabase>();
        std::vector<uint8_t> image;
        if (db->Open(path, image) != NDF_OK || db->Parse(image) != NDF_OK)
            state.SkipWithError("load failed");
        std::vector<uint8_t>().swap(image);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
}

// Parsing over a loaded database, as File Open does when a file is shown: the old records are
// freed first.
void BM_ParseOverLoaded(benchmark::State& state) {
    const std::vector<uint8_t>& image = ImageOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (db.Parse(image) != NDF_OK)
            state.SkipWithError("Parse failed");
    }
}

void BM_Serialize(benchmark::State& state) {
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        out.shrink_to_fit(); // a save starts without a buffer
        if (db.Serialize(out) == 0)
            state.SkipWithError("Serialize failed");
    }
}

// The channel list of every program, as File Export Channel List and ndftool export build it.
void BM_ExportCsv(benchmark::State& state) {
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string csv = ChannelCsv(BuildChannelExport(db, ExportScope{}));
        benchmark::DoNotOptimize(csv.data());
    }
}

void BM_ExportHtml(benchmark::State& state) {
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string html = ChannelHtml(BuildChannelExport(db, ExportScope{}), "largest.ndf");
        benchmark::DoNotOptimize(html.data());
    }
}

// Serialize and replace the file on disk, durably (the data and the rename are synced).
void BM_Save(benchmark::State& state) {
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    const std::string path = (g_folder / ("saved-" + std::to_string(state.range(0)) + ".ndf")).string();
    for (auto _ : state) {
        if (db.Save(path) != NDF_OK)
            state.SkipWithError("Save failed");
    }
}

// A second yardstick for saving: the file's bytes written to a new file and synced, nothing else.
void BM_WriteSynced(benchmark::State& state) {
    const std::vector<uint8_t>& image = ImageOf(VARIANT_PLAIN, static_cast<int>(state.range(0)));
    const std::string path = (g_folder / "written.ndf").string();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        const bool ok = file && std::fwrite(image.data(), 1, image.size(), file) == image.size() &&
                        std::fflush(file) == 0 && fsync(fileno(file)) == 0;
        if (file)
            std::fclose(file);
        if (!ok)
            state.SkipWithError("write failed");
    }
}

// ---- operations; each iteration starts from a freshly parsed database, outside the timing ----

// Parsing leaves a half-size database in the processor's caches and a full-size one largely
// outside them, which would make a linear operation look worse than linear. Each operation starts
// with caches that hold none of the database, as after the user's other work in the editor.
void EvictCaches() {
    static std::vector<uint8_t> scratch(64u << 20);
    for (size_t i = 0; i < scratch.size(); i += 64)
        scratch[i] = static_cast<uint8_t>(scratch[i] + 1);
    benchmark::ClobberMemory();
}

template <typename Operation> void TimeOperation(benchmark::State& state, Variant variant, Operation operation) {
    const int percent = static_cast<int>(state.range(0));
    NetworkDatabase db;
    for (auto _ : state) {
        LoadInto(db, variant, percent);
        EvictCaches();
        const double start = ThreadSeconds();
        operation(db);
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

void BM_DeleteTranspondersInNetwork(benchmark::State& state) {
    TimeOperation(state, VARIANT_HEAVY, [](NetworkDatabase& db) { db.DeleteTranspondersInNetwork(kHeavySlot); });
}

void BM_DeleteProgramsInNetwork(benchmark::State& state) {
    TimeOperation(state, VARIANT_HEAVY, [](NetworkDatabase& db) { db.DeleteProgramsInNetwork(kHeavySlot); });
}

void BM_DeleteProgramsInTransponder(benchmark::State& state) {
    TimeOperation(state, VARIANT_HEAVY, [](NetworkDatabase& db) {
        db.DeleteProgramsInTransponder(static_cast<uint16_t>(db.FirstTransponderOf(kHeavySlot)));
    });
}

void BM_SortByDegree(benchmark::State& state) {
    TimeOperation(state, VARIANT_SORT, [&](NetworkDatabase& db) {
        if (!db.SortByDegree(1800))
            state.SkipWithError("nothing to sort");
    });
}

// Adding a program at the front moves every program and renumbers every favorite entry. The
// database is one program short of full so that the add succeeds.
void BM_AddProgramAtFront(benchmark::State& state) {
    NetworkDatabase db;
    LoadInto(db, VARIANT_PLAIN, static_cast<int>(state.range(0)));
    db.DeleteProgram(db.programs().size() - 1);
    for (auto _ : state) {
        const double start = ThreadSeconds();
        Program* added = db.AddProgram(0, 0);
        state.SetIterationTime(ThreadSeconds() - start);
        if (!added) {
            state.SkipWithError("AddProgram failed");
            break;
        }
        db.DeleteProgram(0);
    }
}

// ---- summary ----

// Keeps the median of every benchmark (or its only run) in seconds, keyed by "name/percent": the
// wall time and the CPU time (for the operations timed by hand both are the thread's CPU time).
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type == Run::RT_Aggregate)
                continue;
            const std::string key = run.run_name.function_name + "/" + run.run_name.args;
            if (!median && times.count(key) != 0 && run.repetitions > 1)
                continue; // the median replaces the single runs
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            Times t{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit};
            if (run.run_name.time_type == "manual_time")
                t.cpu = t.real; // the CPU figure of these includes the untimed set-up
            times[key] = t;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    const Times* Find(const std::string& name, int percent) const {
        const auto found = times.find(name + "/" + std::to_string(percent));
        return found == times.end() ? nullptr : &found->second;
    }
};

const char* Verdict(bool ok) {
    return ok ? "within" : "MISSED";
}

void PrintSummary(const SummaryReporter& r) {
    std::printf("\n==== Summary (medians) ====\n");
    std::printf("Peak memory with the largest database loaded (ru_maxrss): %.1f MiB (%.1f MiB before loading, "
                "%.1f MiB resident once the image is freed); file %.2f MiB; limit 4 x file + 20 MiB = %.1f MiB: %s\n",
                g_memory.peakMiB, g_memory.baseMiB, g_memory.residentMiB, g_memory.fileMiB, g_memory.limitMiB,
                Verdict(g_memory.peakMiB <= g_memory.limitMiB));

    const auto* yard = r.Find("BM_ReadCopy", kFull);
    if (yard && yard->cpu > 0) {
        const auto* fresh = r.Find("BM_ReadCopyFresh", kFull);
        std::printf("\nFull size against the yardstick, read + copy of the file: %.3f ms wall, %.3f ms CPU",
                    yard->real * 1e3, yard->cpu * 1e3);
        if (fresh && fresh->cpu > 0)
            std::printf(" (into untouched memory: %.3f ms wall, %.3f ms CPU)", fresh->real * 1e3, fresh->cpu * 1e3);
        // Open reads into a new buffer, whose pages the process has never touched: the fresh read
        // and copy is the yardstick that pays the same page faults; the warm one is shown beside it.
        std::printf(".\nLoad and save within 25x the yardstick, judged on CPU time against the read and copy into "
                    "fresh memory:\n");
        std::printf("  %-30s %11s %11s %9s %9s %12s\n", "", "wall", "CPU", "x wall", "x CPU", "x CPU fresh");
        for (const char* name : {"BM_Open", "BM_CheckImage", "BM_Parse", "BM_Load", "BM_ParseOverLoaded",
                                 "BM_Serialize", "BM_Save", "BM_WriteSynced"}) {
            const auto* t = r.Find(name, kFull);
            if (!t)
                continue;
            const double cpu = t->cpu / yard->cpu;
            const bool target = std::strcmp(name, "BM_Load") == 0 || std::strcmp(name, "BM_Save") == 0;
            std::printf("  %-30s %8.3f ms %8.3f ms %8.2fx %8.2fx", name + 3, t->real * 1e3, t->cpu * 1e3,
                        t->real / yard->real, cpu);
            if (fresh && fresh->cpu > 0)
                std::printf(" %11.2fx", t->cpu / fresh->cpu);
            const double judged = fresh && fresh->cpu > 0 ? t->cpu / fresh->cpu : cpu;
            std::printf("  %s\n", target ? Verdict(judged <= 25.0) : "");
        }
    }

    std::printf("\nAfter-rescan tools at full size against a shuffled copy, wall time (at most 300 ms each):\n");
    for (const char* name : {"BM_RescanMatch", "BM_RescanApplyOrder", "BM_RescanCleanUp", "BM_RescanDiff"}) {
        if (const auto* t = r.Find(name, kFull))
            std::printf("  %-30s %8.3f ms  %s\n", name + 3, t->real * 1e3, Verdict(t->real <= 0.3));
    }
    if (const auto* csv = r.Find("BM_ExportCsv", kFull)) {
        std::printf("\nCSV export of the channel list at full size: %.1f ms wall, %.1f ms CPU (at most 1 s): %s\n",
                    csv->real * 1e3, csv->cpu * 1e3, Verdict(csv->real <= 1.0));
    }

    std::printf("\nGrowth from half to full size, CPU time (database operations linear: at most 2.5x):\n");
    std::printf("  %-30s %11s %11s %9s\n", "", "half", "full", "ratio");
    std::map<std::string, bool> names;
    for (const auto& [key, value] : r.times)
        names[key.substr(0, key.find('/'))] = true;
    for (const auto& [name, unused] : names) {
        const auto* half = r.Find(name, kHalf);
        const auto* full = r.Find(name, kFull);
        if (!half || !full || half->cpu <= 0)
            continue;
        const double ratio = full->cpu / half->cpu;
        const bool yardstick = name == "BM_ReadCopy" || name == "BM_ReadCopyFresh" || name == "BM_WriteSynced";
        // The growth limit is the database operations'; loading and saving are held to the yardstick
        // above (a fresh database at full size also pays first-touch page faults the half size
        // finds already mapped, see ParseOverLoaded for the parse alone).
        const bool operation = name == "BM_AddProgramAtFront" || name == "BM_SortByDegree" ||
                               name.rfind("BM_Delete", 0) == 0 || name.rfind("BM_Rescan", 0) == 0;
        std::printf("  %-30s %8.3f ms %8.3f ms %8.2fx  %s\n", name.c_str() + 3, half->cpu * 1e3, full->cpu * 1e3, ratio,
                    yardstick   ? "(yardstick)"
                    : operation ? Verdict(ratio <= 2.5)
                                : "");
    }
}

} // namespace

BENCHMARK(BM_ReadCopy)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ReadCopyFresh)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Open)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CheckImage)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Parse)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Load)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ParseOverLoaded)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Serialize)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Save)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_WriteSynced)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportCsv)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportHtml)->Arg(kHalf)->Arg(kFull)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_DeleteTranspondersInNetwork)
    ->Arg(kHalf)
    ->Arg(kFull)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(5);
BENCHMARK(BM_DeleteProgramsInNetwork)
    ->Arg(kHalf)
    ->Arg(kFull)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(5);
BENCHMARK(BM_DeleteProgramsInTransponder)
    ->Arg(kHalf)
    ->Arg(kFull)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(5);
BENCHMARK(BM_AddProgramAtFront)
    ->Arg(kHalf)
    ->Arg(kFull)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(200)
    ->Repetitions(5);
BENCHMARK(BM_SortByDegree)
    ->Arg(kHalf)
    ->Arg(kFull)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(5);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const char* folder = std::getenv("DISHLINE_BENCH_DIR");
    g_folder = folder && *folder ? fs::path(folder)
                                 : fs::temp_directory_path() / ("dishline-bench-" + std::to_string(getpid()));
    fs::create_directories(g_folder);

    WriteDatabases();
    MeasureLoadedMemory();

    SummaryReporter reporter(isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_Defaults
                                                    : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();

    if (!(folder && *folder)) {
        std::error_code ec;
        fs::remove_all(g_folder, ec);
    }
    return 0;
}
