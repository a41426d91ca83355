// The provisional results page written after every save, for a full-sized tournament: 299 skiers in
// 30 divisions with their running order. It must stay well under the time a save takes (20 ms).
#include <benchmark/benchmark.h>

#include "printing/results_page.h"
#include "support/large_tournament.h"
#include "support/test_platform.h"

namespace {

void BM_ResultsPage(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  BuildLargeTournament(t, tp.prompter);
  t.CurEvent = 'S';
  t.CurRound = 1;
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string page = ResultsPageHtml(t, tp, DateTime{2026, 6, 14, 15, 42, 7});
    bytes = page.size();
    benchmark::DoNotOptimize(page);
  }
  state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ResultsPage)->Unit(benchmark::kMillisecond);

}  // namespace
