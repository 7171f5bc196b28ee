// Times the materials of a design as the Materials window computes them after every design:
// pieces, the cheapest cutting plan of every lumber (proven within the step budget), the near
// misses, hardware and totals. Every preset in both measures, and a 16 ft table with 15 deck
// boards and 5 seat boards a side (4.8 m in metric).
#include <benchmark/benchmark.h>

#include <string>

#include "materials/materials.h"
#include "tests/materials/preset_designs.h"

namespace {

using namespace varnloft;

void Run(benchmark::State& state, const DesignRecord& rec) {
  const MaterialsSettings settings = DefaultMaterialsSettings(rec.ImperialUnits);
  Materials m;
  for ([[maybe_unused]] auto _ : state) {
    m = BuildMaterials(rec, settings);
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

}  // namespace

BENCHMARK_MAIN();
