// Times the build packet of the built-in design written into a PDF file at 600 dpi as File >
// Export > Build packet and the driver's --export-packet write it (the press of Design not
// included): the printed plans, the materials with their cheapest cutting plan, the cutting
// diagrams and the full-size templates, laid out twice (once to count the pages). Also the
// packet laid out on a recording sink, and the plan sheet and design view written as SVG files.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench/designed_document.h"
#include "bench/offscreen_benchmark_main.h"
#include "packet/build_packet.h"
#include "packet/exported_pictures.h"
#include "packet/packet_contents.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/svg_file.h"
#include "platform/recording_page_sink.h"
#include "platform/shell.h"

namespace {

using namespace varnloft;

using Designed = DesignedDocument;  // the built-in design (its supports on the exterior)

void BM_BuildPacketIntoPdf(benchmark::State& state) {
  Designed d;
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath("packet.pdf").toStdString();
  PdfDocumentInfo info;
  info.paper = state.range(0) ? PaperSize::A4 : PaperSize::Letter;
  info.creator = PacketCreator();
  const PacketContents contents =
      PacketContentsFor(d.rec, d.document.species, d.Context(),
                        DefaultMaterialsSettings(d.rec.ImperialUnits), kPdfDotsPerInch);
  const LocalDateTime now = d.clock.Now();
  info.title = PacketTitle(contents.plans, now);
  for ([[maybe_unused]] auto _ : state) {
    const std::string error = PrintToPdfFile(
        path, info, nullptr, [&](PageSink& sink) { WriteBuildPacket(d.rec, sink, contents, now); });
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_BuildPacketIntoPdf)->Arg(0)->Arg(1)->ArgName("a4")->Unit(benchmark::kMillisecond);

void BM_BuildPacketRecorded(benchmark::State& state) {
  Designed d;
  const PacketContents contents =
      PacketContentsFor(d.rec, d.document.species, d.Context(),
                        DefaultMaterialsSettings(d.rec.ImperialUnits), kPdfDotsPerInch);
  for ([[maybe_unused]] auto _ : state) {
    RecordingPageSink sink(4934, 6434);
    WriteBuildPacket(d.rec, sink, contents, d.clock.Now());
    benchmark::DoNotOptimize(sink.Pages());
  }
}
BENCHMARK(BM_BuildPacketRecorded)->Unit(benchmark::kMillisecond);

void BM_PictureIntoSvg(benchmark::State& state) {
  Designed d;
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath("picture.svg").toStdString();
  const ExportedPicture picture = state.range(0) ? PlanSheetPicture(d.rec, d.Context())
                                                 : DesignViewPicture(d.rec, 1912, 780, 1920, 1080);
  SvgPicture svg;
  svg.width = picture.width;
  svg.height = picture.height;
  for ([[maybe_unused]] auto _ : state) {
    const std::string error = WriteSvgFile(path, svg, picture.draw);
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_PictureIntoSvg)->Arg(0)->Arg(1)->ArgName("plan")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
