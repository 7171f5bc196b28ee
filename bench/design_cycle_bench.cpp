// Times one design cycle as the main window runs it on every keystroke: the design of the
// document, the angle report into its 518 x 237 picture and the design view into a 1920 x 1080
// picture, both painted through QPainter.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/offscreen_benchmark_main.h"
#include "design/angle_report.h"
#include "document/design_cycle.h"
#include "document/design_document.h"
#include "drawing/design_view.h"
#include "platform/qt/qpainter_canvas.h"

namespace {

using namespace varnloft;

// The picture sizes and the main window around the design-view picture.
constexpr int kViewWidth = 1920, kViewHeight = 1080;
constexpr int kWindowWidth = kViewWidth + 8, kWindowHeight = kViewHeight + 300;

struct Cycle {
  Cycle()
      : angles(518, 237, QImage::Format_RGB32),
        view(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    rec.ThousandsSeparator.assign(1, ',');
  }

  // The window keeps the design's record and tidied document, and draws both pictures from it.
  void Run() {
    DesignOutcome outcome = Design(document, OverlapAnswer::Yes, rec);
    document = std::move(outcome.document);
    rec = std::move(outcome.record);
    {
      QPainter painter(&angles);
      QPainterCanvas canvas(painter, 96, anglesSettings);
      DrawAngleReport(rec, canvas);
      anglesSettings = canvas.Settings();
    }
    QPainter painter(&view);
    QPainterCanvas canvas(painter, 96, viewSettings);
    DrawDesignView(rec, canvas, kWindowWidth, kWindowHeight);
    viewSettings = canvas.Settings();
  }

  DesignDocument document = AdultStandardDocument(true);
  DesignRecord rec;
  QImage angles, view;
  CanvasSettings anglesSettings, viewSettings;
};

void BM_DesignCycle(benchmark::State& state) {
  Cycle cycle;
  cycle.document.supportsExterior = state.range(0) != 0;
  for ([[maybe_unused]] auto _ : state) {
    cycle.Run();
    benchmark::DoNotOptimize(cycle.view.constBits());
  }
  if (cycle.rec.LastCalculationFailed) state.SkipWithError("the design failed");
}
BENCHMARK(BM_DesignCycle)->Arg(1)->Arg(0)->ArgName("exterior")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
