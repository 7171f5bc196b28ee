// Each design action as a user sees it at 1920 x 1080: the handler, the calculation, the angle
// report and the design view drawn into the picture through QPainter.
#include <benchmark/benchmark.h>

#include "app/design_commands.h"
#include "app/option_commands.h"
#include "app/preset_commands.h"
#include "bench/drawn_program.h"
#include "bench/offscreen_benchmark_main.h"

namespace {

using namespace varnloft;

using Program = DrawnProgram;

void BM_DesignButton(benchmark::State& state) {
  Program p;
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.design().PressDesign(); });
}
BENCHMARK(BM_DesignButton)->Unit(benchmark::kMillisecond);

void BM_Preset(benchmark::State& state) {
  Program p;
  bool tall = false;
  for ([[maybe_unused]] auto _ : state) {
    tall = !tall;
    p.Run([&] { p.window.presets().ApplyPreset(tall ? "TallBoy1" : "AdultStandard1"); });
  }
}
BENCHMARK(BM_Preset)->Unit(benchmark::kMillisecond);

void BM_MeasureSwitch(benchmark::State& state) {
  Program p;
  bool metric = false;
  for ([[maybe_unused]] auto _ : state) {
    metric = !metric;
    p.Run([&] {
      metric ? p.window.presets().SwitchToMetric() : p.window.presets().SwitchToImperial();
    });
  }
}
BENCHMARK(BM_MeasureSwitch)->Unit(benchmark::kMillisecond);

void BM_SupportSide(benchmark::State& state) {
  Program p;
  bool interior = false;
  for ([[maybe_unused]] auto _ : state) {
    interior = !interior;
    p.Run([&] {
      p.window.design().ClickSupportSide(interior ? "interiorSupports" : "exteriorSupports");
    });
  }
}
BENCHMARK(BM_SupportSide)->Unit(benchmark::kMillisecond);

void BM_ModelScaleToggle(benchmark::State& state) {
  Program p;
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.options().ToggleModelScale(); });
}
BENCHMARK(BM_ModelScaleToggle)->Unit(benchmark::kMillisecond);

void BM_RepositionGivesUp(benchmark::State& state) {
  Program p;
  p.window.form.Text("deckBoardCount.0") = "2";
  p.window.form.Text("seatToTableDistance.0") = "1000";
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.design().PressDesign(); });
}
BENCHMARK(BM_RepositionGivesUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
