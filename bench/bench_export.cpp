// The exports a scorer waits on after every save: the official results text file and the CSV export
// (results file and ranking list) of a 40-skier tournament with three rounds.
#include <benchmark/benchmark.h>

#include <string>

#include "core/skier_ops.h"
#include "results/export_csv.h"
#include "results/export_ranking.h"
#include "results/export_text.h"
#include "results/exports.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void Fill(Tournament& t, Prompter& prompt) {
  t.RoundCount = 3;
  t.info.EventName = "Bench Cup";
  BlankWorkingRecord(t);
  const int divisions[] = {10, 11, 12, 13, 14, 15, 16, 17};
  for (int i = 0; i < 40; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string((i * 7919) % 1000) + (i % 5 == 0 ? "*" : "");
    s.FirstName = "FIRST" + std::to_string(i);
    s.MemberId = std::to_string(1000 + i);
    s.Team = "T" + std::to_string(i % 6);
    s.Division = static_cast<std::uint8_t>(divisions[i % 8]);
    s.SlalomEntry = "S";
    s.TrickEntry = "T";
    s.JumpEntry = "J";
    for (int r = 1; r <= 3; ++r) {
      s.SlalomRoundDiv[r] = s.Division;
      s.SlalomBuoys[r] = (i + r) % 6;
      s.SlalomScore[r] = 10 + (i * 3 + r) % 30;
      s.TrickScore[r] = 1000 + 37 * i + r;
      s.JumpDistance[1][r] = 20 + (i % 20) + r * 0.5;
      s.JumpDistance[2][r] = 0.02;
    }
    s.SlalomPlace = 1 + i / 8;
    s.TrickPlace = 1 + i / 8;
    s.JumpPlace = 1 + i / 8;
    s.OverallScore = 3000 - 10 * i;
    s.OverallPlace = 1 + i / 8;
    prompt.ShowEach(InsertOrReplace(t, s).messages);
  }
}

void BM_BuildExportLines(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  Fill(t, tp.prompter);
  for (auto _ : state) {
    auto a = OfficialResultsLines(t);
    auto b = ResultsCsvLines(t);
    auto c = RankingLines(t);
    benchmark::DoNotOptimize(a.size() + b.size() + c.size());
  }
}
BENCHMARK(BM_BuildExportLines)->Unit(benchmark::kMicrosecond);

// With the files written safely to disk (each one flushed before it replaces the old one).
void BM_WriteAllExports(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  TempDir dir;
  Fill(t, tp.prompter);
  t.EventFile = dir.file("bench.dat");
  t.EventBase = dir.file("bench");
  t.TxtExportFile = dir.file("bench.txt");
  t.CsvExportFile = dir.file("bench.csv");
  for (auto _ : state) {
    if (!RunTextExport(t, tp.fs).ok || !RunCsvExport(t, tp.fs).ok) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_WriteAllExports)->Unit(benchmark::kMillisecond);

}  // namespace
