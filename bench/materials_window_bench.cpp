// Times the Materials window after a design, as the program lists it: the materials worked out on
// the worker thread, then the lists and the cutting diagram shown on the UI thread, for the
// built-in design and a 16 ft table with 15 deck boards and 5 seat boards a side.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/materials_setup.h"
#include "app/qt/materials_window.h"
#include "bench/offscreen_benchmark_main.h"
#include "platform/testing/scripted_prompts.h"
#include "tests/materials/preset_designs.h"

namespace {

using namespace varnloft;

void List(benchmark::State& state, const DesignRecord& rec) {
  ScriptedPrompts prompts;
  MaterialsSetup setup;
  MaterialsWindow window(rec, setup, prompts);
  window.show();
  window.WaitUntilListed();
  for ([[maybe_unused]] auto _ : state) {
    window.DesignChanged();
    if (!window.WaitUntilListed()) state.SkipWithError("not listed in 10 s");
  }
  state.counters["boards"] = static_cast<double>(window.materials().boards.size());
}

void BM_ListBuiltInDesign(benchmark::State& state) {
  List(state, testing::PresetRecord(0, true));
}
BENCHMARK(BM_ListBuiltInDesign)->Unit(benchmark::kMillisecond);

void BM_ListSixteenFootTable(benchmark::State& state) {
  List(state,
       testing::PresetRecord(
           0, true,
           {{"overallLength:0", "16"}, {"deckBoardCount:0", "15"}, {"seatBoardCount:0", "5"}}));
}
BENCHMARK(BM_ListSixteenFootTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks<QApplication>(argc, argv);
}
