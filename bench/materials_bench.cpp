// Times the materials of a design as the Materials window computes them after every design:
// pieces, the cheapest cutting plan of every lumber (proven within the step budget), the near
// misses, hardware and totals. Every preset in both measures, and a 16 ft table with 15 deck
// boards and 5 seat boards a side (4.8 m in metric). Then the slowest design the lists offer, and
// how soon a stop ends its work.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "materials/materials.h"
#include "tests/materials/preset_designs.h"

namespace {

using namespace varnloft;

void Run(benchmark::State& state, const DesignRecord& rec) {
  const MaterialsSettings settings = DefaultMaterialsSettings(rec.ImperialUnits);
  Materials m;
  for ([[maybe_unused]] auto _ : state) {
    m = BuildMaterialsAfresh(rec, settings);
    benchmark::DoNotOptimize(m.boards.data());
  }
  if (!m.problem.empty()) state.SkipWithError(m.problem.c_str());
  if (!m.optimal) state.SkipWithError("the plan is not proven cheapest");
  state.counters["steps"] = static_cast<double>(m.steps);
  state.counters["boards"] = m.totals.boards;
}

void BM_PresetMaterials(benchmark::State& state) {
  const bool imperial = state.range(1) != 0;
  Run(state, testing::PresetRecord(static_cast<size_t>(state.range(0)), imperial));
  state.SetLabel(PresetDesigns().at(static_cast<size_t>(state.range(0))).menuItem);
}
BENCHMARK(BM_PresetMaterials)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {1, 0}})
    ->ArgNames({"preset", "imperial"})
    ->Unit(benchmark::kMillisecond);

void BM_SixteenFootTable(benchmark::State& state) {
  const bool imperial = state.range(0) != 0;
  // In metric, the longest stock length: 4.8 m.
  const DesignRecord rec = testing::PresetRecord(0, imperial,
                                                 {{"overallLength:0", imperial ? "16" : "4"},
                                                  {"overallLength:1", imperial ? "0" : "800"},
                                                  {"deckBoardCount:0", "15"},
                                                  {"seatBoardCount:0", "5"}});
  Run(state, rec);
}
BENCHMARK(BM_SixteenFootTable)->Arg(1)->Arg(0)->ArgName("imperial")->Unit(benchmark::kMillisecond);

// The slowest of 6,000 designs the lists offer (every preset at 2 to 16 ft, 2 to 15 deck boards,
// 1 to 5 seat boards a side, both measures): an Adult Econo table 2 ft (600 mm) long, all of
// 2 X 4, with 5 deck and 5 seat boards. Millions of search steps, still proven cheapest.
DesignRecord SlowestListed(bool imperial) {
  return testing::PresetRecord(3, imperial,
                               {{"overallLength:0", imperial ? "2" : "0"},
                                {"overallLength:1", imperial ? "0" : "600"},
                                {"deckBoardCount:0", "5"},
                                {"seatBoardCount:0", "5"}});
}

void BM_SlowestListedDesign(benchmark::State& state) {
  Run(state, SlowestListed(state.range(0) != 0));
}
BENCHMARK(BM_SlowestListedDesign)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("imperial")
    ->Unit(benchmark::kMillisecond);

// From the stop flag set, 5 ms into the slowest design, to BuildMaterials returning: how long a
// new design waits for the work it replaces.
void BM_StopLatency(benchmark::State& state) {
  const DesignRecord rec = SlowestListed(false);
  const MaterialsSettings settings = DefaultMaterialsSettings(false);
  for ([[maybe_unused]] auto _ : state) {
    std::atomic<bool> stop{false};
    std::chrono::steady_clock::time_point stopped, returned;
    std::thread worker([&] {
      const Materials m = BuildMaterialsAfresh(rec, settings, &stop);
      returned = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(m.stopped);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    stopped = std::chrono::steady_clock::now();
    stop = true;
    worker.join();
    state.SetIterationTime(std::chrono::duration<double>(returned - stopped).count());
  }
}
BENCHMARK(BM_StopLatency)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
