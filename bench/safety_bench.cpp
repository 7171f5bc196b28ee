// Times the safety check of the built-in table from its built model (weight, footprint, the ten
// tipping cases, the three members, the wheelchair ends), and the same with its report written.
#include <benchmark/benchmark.h>

#include "model3d/build_table_model.h"
#include "safety/safety_check.h"
#include "safety/safety_json.h"
#include "tests/support/built_in_design.h"

namespace {

using namespace varnloft;

void BM_CheckSafety(benchmark::State& state) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const TableModel model = BuildTableModel(rec);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(CheckSafety(rec, model));
}
BENCHMARK(BM_CheckSafety)->Unit(benchmark::kMicrosecond);

// The preset with two wheelchair ends, whose knee spaces clip every piece.
void BM_CheckSafetyTwoWheelchairEnds(benchmark::State& state) {
  const DesignRecord rec = testing::PresetDesign(2, true, true);
  const TableModel model = BuildTableModel(rec);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(CheckSafety(rec, model));
}
BENCHMARK(BM_CheckSafetyTwoWheelchairEnds)->Unit(benchmark::kMicrosecond);

void BM_CheckSafetyAndJson(benchmark::State& state) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const TableModel model = BuildTableModel(rec);
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(SafetyJson(CheckSafety(rec, model)));
}
BENCHMARK(BM_CheckSafetyAndJson)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
