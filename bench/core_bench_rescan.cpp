// The after-rescan tools of the core on the largest database against a shuffled copy of itself:
// matching the programs, applying the order, the clean-up and the comparison. Part of core_bench,
// whose summary judges them (at most 300 ms each, linear growth).
#include "bench/ShuffledCopy.h"
#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

const std::vector<uint8_t>& Image(int percent) {
    static std::map<int, std::vector<uint8_t>> images;
    auto found = images.find(percent);
    if (found == images.end())
        found = images.emplace(percent, BigDatabaseImage(BigDatabaseShape::Largest().Scaled(percent / 100.0))).first;
    return found->second;
}

void Load(NetworkDatabase& db, int percent, bool shuffled) {
    db.Parse(Image(percent));
    if (shuffled)
        ShufflePrograms(db);
}

void BM_RescanMatch(benchmark::State& state) {
    NetworkDatabase reference, target;
    Load(reference, static_cast<int>(state.range(0)), false);
    Load(target, static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(MatchPrograms(reference, target).byKey);
}

void BM_RescanApplyOrder(benchmark::State& state) {
    NetworkDatabase reference, target;
    Load(reference, static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        state.PauseTiming();
        Load(target, static_cast<int>(state.range(0)), true);
        state.ResumeTiming();
        if (!ApplyOrder(target, PlanApplyOrder(reference, target), ApplyOrderOptions()))
            state.SkipWithError("nothing applied");
    }
}

void BM_RescanCleanUp(benchmark::State& state) {
    NetworkDatabase target;
    CleanUpOptions all;
    all.on[CLEAN_EMPTY_TRANSPONDERS] = true;
    for (auto _ : state) {
        state.PauseTiming();
        Load(target, static_cast<int>(state.range(0)), true);
        state.ResumeTiming();
        ApplyCleanUp(target, FindCleanUp(target, all));
    }
}

void BM_RescanDiff(benchmark::State& state) {
    NetworkDatabase a, b;
    Load(a, static_cast<int>(state.range(0)), false);
    Load(b, static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareDatabases(a, b).Text().size());
}

} // namespace

BENCHMARK(BM_RescanMatch)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_RescanApplyOrder)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);
BENCHMARK(BM_RescanCleanUp)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);
BENCHMARK(BM_RescanDiff)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5);
