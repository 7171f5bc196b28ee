// Times the 3D model of the built-in table: building it from the design record, its fit check,
// one orbit step drawn by the software renderer at 1920 x 1080 (assembled and exploded), and
// the three file formats made in memory.
#include <benchmark/benchmark.h>

#include "model3d/build_table_model.h"
#include "model3d/fit_check.h"
#include "model3d/model_files.h"
#include "model3d/table_renderer.h"
#include "tests/support/built_in_design.h"

namespace {

using namespace varnloft;

void BM_BuildTableModel(benchmark::State& state) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(BuildTableModel(rec));
}
BENCHMARK(BM_BuildTableModel)->Unit(benchmark::kMicrosecond);

void BM_FitCheck(benchmark::State& state) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const TableModel model = BuildTableModel(rec);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(CheckFit(model, rec.Lengths()));
}
BENCHMARK(BM_FitCheck)->Unit(benchmark::kMicrosecond);

// A 16 ft table with 15 deck boards and 5 seat boards a side: the largest design the lists offer.
void BM_FitCheckLargestListedTable(benchmark::State& state) {
  testing::InputTexts texts = testing::BuiltInTexts();
  texts["overallLength"][0] = "16";
  texts["deckBoardCount"][0] = "15";
  texts["seatBoardCount"][0] = "5";
  const DesignRecord rec = testing::CalculatedDesign(texts);
  const TableModel model = BuildTableModel(rec);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(CheckFit(model, rec.Lengths()));
}
BENCHMARK(BM_FitCheckLargestListedTable)->Unit(benchmark::kMicrosecond);

// One step of a drag: the camera turns two degrees and the whole picture is drawn again.
// Argument: the explode factor in percent.
void BM_OrbitFrame1920x1080(benchmark::State& state) {
  const TableModel model = BuildTableModel(testing::BuiltInDesign(true));
  RenderOptions options;
  options.explode = state.range(0) / 100.0;
  OrbitCamera camera;
  camera.FitView(ExplodedBounds(model, options.explode), 1920, 1080);
  RenderTarget target;
  target.Resize(1920, 1080);
  for ([[maybe_unused]] auto _ : state) {
    camera.Orbit(2, 0);
    RenderTable(model, camera, options, target);
    benchmark::DoNotOptimize(target.rgba.data());
  }
}
BENCHMARK(BM_OrbitFrame1920x1080)
    ->Arg(0)
    ->Arg(60)
    ->ArgName("explode%")
    ->Unit(benchmark::kMillisecond);

void BM_ModelFiles(benchmark::State& state) {
  const TableModel model = BuildTableModel(testing::BuiltInDesign(true));
  for ([[maybe_unused]] auto _ : state) {
    benchmark::DoNotOptimize(ObjText(model, "table.mtl"));
    benchmark::DoNotOptimize(StlBytes(model));
    benchmark::DoNotOptimize(GlbBytes(model));
  }
}
BENCHMARK(BM_ModelFiles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
