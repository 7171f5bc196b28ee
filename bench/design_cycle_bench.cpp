// Times one design cycle as the main window runs it on every keystroke: the calculation, the
// angle report into its 518 x 237 picture and the design view into a 1920 x 1080 picture, both
// painted through QPainter.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "app/design_reading.h"
#include "app/main_window.h"
#include "bench/offscreen_benchmark_main.h"
#include "design/angle_report.h"
#include "design/calculate_design.h"
#include "drawing/design_view.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace {

using namespace varnloft;

// The picture sizes and the main window around the design-view picture.
constexpr int kViewWidth = 1920, kViewHeight = 1080;
constexpr int kWindowWidth = kViewWidth + 8, kWindowHeight = kViewHeight + 300;

struct Cycle {
  Cycle()
      : clock(LocalDateTime{2026, 12, 7, 9, 0, 0, 1}),
        window(prompts, clock, shell),
        angles(518, 237, QImage::Format_RGB32),
        view(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    window.StartUp();
  }

  void Run() {
    CalculateFromWindow(window.form, window.rec, prompts, [this] {
      QPainter painter(&angles);
      QPainterCanvas canvas(painter, 96, anglesSettings);
      DrawAngleReport(window.rec, canvas);
      anglesSettings = canvas.Settings();
    });
    QPainter painter(&view);
    QPainterCanvas canvas(painter, 96, viewSettings);
    DrawDesignView(window.rec, canvas, kWindowWidth, kWindowHeight);
    viewSettings = canvas.Settings();
  }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
  QImage angles, view;
  CanvasSettings anglesSettings, viewSettings;
};

void BM_DesignCycle(benchmark::State& state) {
  Cycle cycle;
  cycle.window.rec.SupportsExterior = state.range(0) != 0;
  for ([[maybe_unused]] auto _ : state) {
    cycle.Run();
    benchmark::DoNotOptimize(cycle.view.constBits());
  }
}
BENCHMARK(BM_DesignCycle)->Arg(1)->Arg(0)->ArgName("exterior")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
