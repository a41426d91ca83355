// The complete official results of a 299-skier tournament printed to a PDF file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "app/report_pdf.h"
#include "app/resources.h"
#include "printing/report_catalogue.h"
#include "support/large_tournament.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void BM_OfficialResultsPdf(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  BuildLargeTournament(t, tp.prompter);
  TempDir dir;
  for (auto _ : state) {
    auto doc = BuildReport("official-results", t, tp);
    std::string error = WriteReportPdf(*doc, dir.file("official.pdf"));
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_OfficialResultsPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  InitTallivarResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
