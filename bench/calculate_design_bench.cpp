// Times the design of a document: the built-in design, a repositioning search of several hundred
// steps, and a search that gives up after its step limit.
#include <benchmark/benchmark.h>

#include "document/design_cycle.h"
#include "document/design_document.h"

namespace {

using namespace varnloft;

struct Fixture {
  Fixture() { previous.ThousandsSeparator.assign(1, ','); }
  DesignOutcome Run() const { return Design(document, OverlapAnswer::Yes, previous); }
  DesignDocument document = AdultStandardDocument(true);
  DesignRecord previous;
};

void BM_CalculateBuiltInDesign(benchmark::State& state) {
  Fixture f;
  for ([[maybe_unused]] auto _ : state) {
    const DesignOutcome outcome = f.Run();
    benchmark::DoNotOptimize(outcome.record.LegAngle);
  }
  if (!f.Run().Designed()) state.SkipWithError("the built-in design failed");
}
BENCHMARK(BM_CalculateBuiltInDesign);

void BM_CalculateTwoDeckBoardsRepositioned(benchmark::State& state) {
  Fixture f;
  f.document.Texts("deckBoardCount") = {"2"};
  for ([[maybe_unused]] auto _ : state) {
    const DesignOutcome outcome = f.Run();
    benchmark::DoNotOptimize(outcome.record.LegAngle);
  }
  if (!f.Run().record.LegsRepositioned) state.SkipWithError("the legs were not repositioned");
}
BENCHMARK(BM_CalculateTwoDeckBoardsRepositioned);

void BM_CalculateSearchGivesUp(benchmark::State& state) {
  Fixture f;
  f.document.Texts("deckBoardCount") = {"2"};
  f.document.Texts("seatToTableDistance")[0] = "1000";
  for ([[maybe_unused]] auto _ : state) {
    const DesignOutcome outcome = f.Run();
    benchmark::DoNotOptimize(outcome.record.LegAngle);
  }
  if (f.Run().notices.empty()) state.SkipWithError("the search did not give up");
}
BENCHMARK(BM_CalculateSearchGivesUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
