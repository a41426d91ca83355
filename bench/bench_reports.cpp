// Every report of the catalogue built for a 299-skier tournament in 30 divisions, as the printing
// dialog and the command line build them.
#include <benchmark/benchmark.h>

#include "printing/report_catalogue.h"
#include "support/large_tournament.h"
#include "support/test_platform.h"

namespace {

void BM_Report(benchmark::State& state, const std::string& name) {
  TestPlatform tp;
  Tournament t;
  BuildLargeTournament(t, tp.prompter);
  t.CurDivision = 16;
  t.CurRound = 2;
  for (auto _ : state) {
    auto doc = BuildReport(name, t, tp);
    benchmark::DoNotOptimize(doc->lines.size());
  }
}

const bool registered = [] {
  for (const auto& entry : ReportCatalogue())
    benchmark::RegisterBenchmark(("BM_Report/" + entry.name).c_str(), BM_Report, entry.name)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
