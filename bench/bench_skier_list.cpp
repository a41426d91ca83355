// Inserting a full event's entries and selecting every division.
#include <benchmark/benchmark.h>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/work_list.h"
#include "support/test_platform.h"

namespace {

void Fill(Tournament& t, Prompter& prompt) {
  BlankWorkingRecord(t);
  for (int i = 0; i < 299; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string((i * 7919) % 1000);
    s.FirstName = "F" + std::to_string(i);
    s.Division = static_cast<std::uint8_t>(6 + i % 30);
    s.SlalomEntry = "S";
    s.SlalomSeed = (i * 37) % 50;
    prompt.ShowEach(InsertOrReplace(t, s).messages);
  }
}

void BM_Insert299(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  for (auto _ : state) {
    InitSkierList(t);
    Fill(t, tp.prompter);
    const int count = t.SkierCount();
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_Insert299)->Unit(benchmark::kMicrosecond);

void BM_SelectEveryDivision(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  Fill(t, tp.prompter);
  for (auto _ : state) {
    for (int d = 0; d < 86; ++d) {
      Outcome told;
      WorkList list = DrawnStartOrder(t, tp.random, {d, t.CurEvent, t.CurRound}, told);
      benchmark::DoNotOptimize(list.skiers.data());
    }
  }
}
BENCHMARK(BM_SelectEveryDivision)->Unit(benchmark::kMicrosecond);

}  // namespace
