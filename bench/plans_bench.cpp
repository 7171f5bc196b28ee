// Times the plans of the built-in design: the plan sheet drawn into its 681 x 1014 picture as
// the Plans button draws it, and the printed plans written into a PDF file at 600 dpi on US
// Letter as the driver's --print-pdf writes them (Print's recalculation not included).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/designed_document.h"
#include "bench/offscreen_benchmark_main.h"
#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/picture.h"

namespace {

using namespace varnloft;

using Designed = DesignedDocument;  // the built-in design (its supports on the exterior)

void BM_PlanSheetIntoPicture(benchmark::State& state) {
  Designed d;
  if (!d.designed) state.SkipWithError("the built-in design failed");
  Picture sheet(kPlanSheetWidth, kPlanSheetHeight);
  for ([[maybe_unused]] auto _ : state) {
    sheet.Draw([&](Canvas& canvas) { DrawPlanSheet(d.rec, canvas, d.Context()); });
    benchmark::DoNotOptimize(sheet.Image().constBits());
  }
}
BENCHMARK(BM_PlanSheetIntoPicture)->Unit(benchmark::kMillisecond);

void BM_PrintedPlansIntoPdf(benchmark::State& state) {
  Designed d;
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath("plans.pdf").toStdString();
  const PaperSize paper = state.range(0) ? PaperSize::A4 : PaperSize::Letter;
  for ([[maybe_unused]] auto _ : state) {
    const std::string error = PrintToPdfFile(
        path, paper, nullptr, [&](PageSink& sink) { PrintPlans(d.rec, sink, d.Context()); });
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_PrintedPlansIntoPdf)->Arg(0)->Arg(1)->ArgName("a4")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
