// Times the geometry calculation: the built-in design, a repositioning search of several hundred
// steps, and a search that gives up after its step limit.
#include <benchmark/benchmark.h>

#include "app/design_reading.h"
#include "app/main_window.h"
#include "design/calculate_design.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace {

using namespace varnloft;

struct Fixture {
  Fixture() : clock(LocalDateTime{2026, 12, 7, 9, 0, 0, 1}), window(prompts, clock, shell) {
    window.StartUp();
  }
  void Run() {
    prompts.shown.clear();
    CalculateFromWindow(window.form, window.rec, prompts, nullptr);
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
};

void BM_CalculateBuiltInDesign(benchmark::State& state) {
  Fixture f;
  for ([[maybe_unused]] auto _ : state) {
    f.Run();
    benchmark::DoNotOptimize(f.window.rec.LegAngle);
  }
}
BENCHMARK(BM_CalculateBuiltInDesign);

void BM_CalculateTwoDeckBoardsRepositioned(benchmark::State& state) {
  Fixture f;
  f.window.form.Text("deckBoardCount.0") = "2";
  for ([[maybe_unused]] auto _ : state) {
    f.Run();
    benchmark::DoNotOptimize(f.window.rec.LegAngle);
  }
  if (!f.window.rec.LegsRepositioned) state.SkipWithError("the legs were not repositioned");
}
BENCHMARK(BM_CalculateTwoDeckBoardsRepositioned);

void BM_CalculateSearchGivesUp(benchmark::State& state) {
  Fixture f;
  f.window.form.Text("deckBoardCount.0") = "2";
  f.window.form.Text("seatToTableDistance.0") = "1000";
  for ([[maybe_unused]] auto _ : state) {
    f.Run();
    benchmark::DoNotOptimize(f.window.rec.LegAngle);
  }
  if (f.prompts.shown.size() != 2) state.SkipWithError("the search did not give up");
}
BENCHMARK(BM_CalculateSearchGivesUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
