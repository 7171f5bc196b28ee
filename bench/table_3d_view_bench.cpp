// Times the 3D view's widget path at 1920 x 1080: one orbit step drawn by the renderer and
// painted by the widget into a screen-format image (what a drag costs per frame), the paint
// alone (the widget's share), and the scene the window builds after every design while open.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/qt/table_3d_view.h"
#include "app/table_3d_scene.h"
#include "bench/offscreen_benchmark_main.h"
#include "tests/support/built_in_design.h"

namespace {

using namespace varnloft;

// The widget at 1920 x 1080 showing the built-in table, painting into an image in the format
// of a screen's backing store.
struct ShownView {
  ShownView() : scene(SceneOf(testing::BuiltInDesign(true))), screen(1920, 1080, kScreenFormat) {
    view.resize(1920, 1080);
    view.SetScene(&scene);
    view.ResetView();
  }
  void Paint() {
    QPainter painter(&screen);
    view.render(&painter);
  }
  static constexpr QImage::Format kScreenFormat = QImage::Format_ARGB32_Premultiplied;
  Table3dScene scene;
  Table3dView view;
  QImage screen;
};

void BM_OrbitStepPainted1920x1080(benchmark::State& state) {
  ShownView shown;
  shown.view.SetExplode(state.range(0) / 100.0);
  for ([[maybe_unused]] auto _ : state) {
    shown.view.OrbitBy(5, 0);  // 2 degrees
    shown.Paint();
    benchmark::DoNotOptimize(shown.screen.constBits());
  }
}
BENCHMARK(BM_OrbitStepPainted1920x1080)
    ->Arg(0)
    ->Arg(60)
    ->ArgName("explode%")
    ->Unit(benchmark::kMillisecond);

// The same picture painted again without drawing it anew: the widget's own cost.
void BM_PaintOnly1920x1080(benchmark::State& state) {
  ShownView shown;
  shown.Paint();
  for ([[maybe_unused]] auto _ : state) {
    shown.Paint();
    benchmark::DoNotOptimize(shown.screen.constBits());
  }
}
BENCHMARK(BM_PaintOnly1920x1080)->Unit(benchmark::kMillisecond);

void BM_SceneOfADesign(benchmark::State& state) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(SceneOf(rec));
}
BENCHMARK(BM_SceneOfADesign)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks<QApplication>(argc, argv);
}
