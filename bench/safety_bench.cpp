// Times the safety check of the built-in table from its built model (weight, footprint, the ten
// tipping cases, the three members, the wheelchair ends), the same with its report written, and
// the suggestions of a failing design (each a few designs of a variation, checked).
#include <benchmark/benchmark.h>

#include "design/preset_table.h"
#include "document/design_cycle.h"
#include "document/safety_suggestions.h"
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

// Every suggestion of a failing preset: "Adult wheelchair both ends" (preset 2), whose seats sag
// beyond the limit (lumber up, the longest overall length, the heaviest person held), and
// "Childrens wheelchair both ends" (preset 7), whose ends fail all four figures (the table
// height, the table top boards, each end's overhang, and all of them together).
void SuggestFor(benchmark::State& state, size_t preset) {
  const bool imperial = state.range(0) != 0;
  DesignDocument document = AdultStandardDocument(imperial);
  for (const auto& [role, texts] : PresetTexts(preset, imperial)) document.Texts(role) = texts;
  const DesignOutcome outcome = Design(document, OverlapAnswer::NotAsked);
  const SafetyCheck check = CheckSafety(outcome.record, BuildTableModel(outcome.record));
  if (check.ok) state.SkipWithError("the preset passes: nothing to suggest");
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(SuggestSafetyChanges(outcome.document, outcome.record, check));
}

void BM_SuggestSafetyChanges(benchmark::State& state) {
  SuggestFor(state, 2);
}
BENCHMARK(BM_SuggestSafetyChanges)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_SuggestWheelchairChanges(benchmark::State& state) {
  SuggestFor(state, 7);
}
BENCHMARK(BM_SuggestWheelchairChanges)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
