// Design files and the undo history as a user meets them at 1920 x 1080: saving a design (the
// file's text, then the write through a temporary file with its flush to the disk), opening one
// (reading, checking and putting it into the window; then with the design its activation runs),
// and Undo and Redo with their redraw of the angle report and the design view.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/preset_commands.h"
#include "bench/drawn_program.h"
#include "bench/offscreen_benchmark_main.h"
#include "document/design_file.h"

namespace {

using namespace varnloft;

// A design with something of everything: a preset, typed texts, the interior side; the file
// dialogs answer with one file in a scratch folder.
struct Program : DrawnProgram {
  Program() {
    window.HandleUserEvent([&] { window.presets().ApplyPreset("Adultwheelchairbothends1"); });
    window.HandleUserEvent([&] { window.design().TypeIntoBox("seatToTableDistance.0", "4"); });
    window.HandleUserEvent([&] { window.design().ClickSupportSide("interiorSupports"); });
    file = folder.filePath("bench.varnloft").toStdString();
  }
  std::string AskSaveDesignFile(const std::string&) override { return file; }
  std::string AskOpenDesignFile() override { return file; }
  QTemporaryDir folder;
  std::string file;
};

void BM_DesignFileText(benchmark::State& state) {
  Program p;
  const DesignDocument design = CaptureDesignState(p.window.form, p.window.rec);
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(WriteDesignFile(design, p.window.rec, {}));
}
BENCHMARK(BM_DesignFileText)->Unit(benchmark::kMicrosecond);

void BM_SaveDesign(benchmark::State& state) {
  Program p;
  for ([[maybe_unused]] auto _ : state) {
    if (!p.window.files().SaveDesignAs()) state.SkipWithError("the design was not saved");
  }
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMicrosecond);

void BM_OpenDesign(benchmark::State& state) {
  Program p;
  p.window.files().SaveDesignAs();
  for ([[maybe_unused]] auto _ : state) {
    if (!p.window.files().OpenDesignFile(p.file).opened)
      state.SkipWithError("the design was refused");
  }
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMicrosecond);

void BM_OpenDesignAndDesign(benchmark::State& state) {
  Program p;
  p.window.files().SaveDesignAs();
  for ([[maybe_unused]] auto _ : state) {
    p.window.HandleUserEvent([&] { p.window.files().OpenDesign(); });
    p.prompts.shown.clear();
  }
}
BENCHMARK(BM_OpenDesignAndDesign)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state) {
  Program p;
  p.window.HandleUserEvent([&] { p.window.presets().ApplyPreset("TallBoy1"); });
  bool undo = true;
  for ([[maybe_unused]] auto _ : state) {
    p.window.HandleUserEvent([&] { undo ? p.window.files().Undo() : p.window.files().Redo(); });
    undo = !undo;
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

void BM_StepTaken(benchmark::State& state) {
  // The cost a step adds to its action: the snapshot before, the comparison after.
  Program p;
  bool tall = false;
  for ([[maybe_unused]] auto _ : state) {
    tall = !tall;
    p.window.HandleUserEvent(
        [&] { p.window.design().TypeIntoBox("overallLength.0", tall ? "7" : "6"); });
  }
}
BENCHMARK(BM_StepTaken)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return varnloft::RunOffscreenBenchmarks(argc, argv);
}
