#pragma once
// The main of the benchmarks that draw: text needs Qt's font database, so a GUI application
// (a QApplication for those that make widgets), but never a display.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace varnloft {

template <class Application = QGuiApplication>
int RunOffscreenBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;  // the benchmark's own options are not Qt's
  Application app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace varnloft
