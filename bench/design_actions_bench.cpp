// Each design action as a user sees it at 1920 x 1080: the handler, the calculation, the angle
// report and the design view drawn into the picture through QPainter.
#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "bench/offscreen_benchmark_main.h"
#include "design/angle_report.h"
#include "drawing/design_view.h"
#include "platform/qt/picture.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace {

using namespace varnloft;

struct Program {
  Program()
      : clock(LocalDateTime{2026, 12, 7, 9, 0, 0, 1}),
        window(prompts, clock, shell),
        view(1920 - 8, 1080 - 300),
        angles(518, 237) {
    window.form.windowWidth = 1920;
    window.form.windowHeight = 1080;
    window.hooks.drawDesignView = [this] {
      view.Draw([this](Canvas& c) { DrawDesignView(window.rec, c, 1920, 1080); });
    };
    window.hooks.drawAngleReport = [this] {
      angles.Draw([this](Canvas& c) { DrawAngleReport(window.rec, c); });
    };
    window.FormCreate();
    window.HandleUserEvent([&] { window.FormActivate(); });
  }
  void Run(const std::function<void()>& action) {
    window.HandleUserEvent(action);
    prompts.shown.clear();
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
  Picture view;
  Picture angles;
};

void BM_DesignButton(benchmark::State& state) {
  Program p;
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.PressDesign(); });
}
BENCHMARK(BM_DesignButton)->Unit(benchmark::kMillisecond);

void BM_Preset(benchmark::State& state) {
  Program p;
  bool tall = false;
  for ([[maybe_unused]] auto _ : state) {
    tall = !tall;
    p.Run([&] { p.window.ApplyPreset(tall ? "TallBoy1" : "AdultStandard1"); });
  }
}
BENCHMARK(BM_Preset)->Unit(benchmark::kMillisecond);

void BM_MeasureSwitch(benchmark::State& state) {
  Program p;
  bool metric = false;
  for ([[maybe_unused]] auto _ : state) {
    metric = !metric;
    p.Run([&] { metric ? p.window.SwitchToMetric() : p.window.SwitchToImperial(); });
  }
}
BENCHMARK(BM_MeasureSwitch)->Unit(benchmark::kMillisecond);

void BM_SupportSide(benchmark::State& state) {
  Program p;
  bool interior = false;
  for ([[maybe_unused]] auto _ : state) {
    interior = !interior;
    p.Run([&] { p.window.ClickSupportSide(interior ? "RadioButton2" : "RadioButton1"); });
  }
}
BENCHMARK(BM_SupportSide)->Unit(benchmark::kMillisecond);

void BM_ModelScaleToggle(benchmark::State& state) {
  Program p;
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.ToggleModelScale(); });
}
BENCHMARK(BM_ModelScaleToggle)->Unit(benchmark::kMillisecond);

void BM_RepositionGivesUp(benchmark::State& state) {
  Program p;
  p.window.form.Text("ComboBox8") = "2";
  p.window.form.Text("Edit17") = "1000";
  for ([[maybe_unused]] auto _ : state) p.Run([&] { p.window.PressDesign(); });
}
BENCHMARK(BM_RepositionGivesUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
