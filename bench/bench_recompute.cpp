// The full recomputation after one saved score, in a 299-skier event of 30 divisions.
#include <benchmark/benchmark.h>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/work_list.h"
#include "results/recompute.h"
#include "support/test_platform.h"

namespace {

void FillEvent(Tournament& t, Prompter& prompt) {
  BlankWorkingRecord(t);
  for (int i = 0; i < 299; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string((i * 7919) % 1000);
    s.FirstName = "F" + std::to_string(i);
    s.Division = static_cast<std::uint8_t>(6 + i % 30);
    s.SlalomEntry = "S";
    s.TrickEntry = "T";
    s.JumpEntry = "J";
    s.SlalomFinalist = static_cast<std::uint8_t>(i % 2);
    for (int r = 1; r <= 2; ++r) {
      auto round = static_cast<std::size_t>(r);
      s.SlalomScore[round] = (i * 13 + r) % 60;
      s.TrickScore[round] = 100.0 * ((i * 17 + r) % 70);
      s.JumpDistance[1][round] = 20 + (i * 11 + r) % 40;
      s.JumpDistance[2][round] = 20 + (i * 7 + r) % 40;
    }
    s.SlalomSeed = (i * 37) % 50;
    prompt.ShowEach(InsertOrReplace(t, s).messages);
  }
}

void Recompute(benchmark::State& state, char placeMode, char event, int round) {
  TestPlatform tp;
  Tournament t;
  t.settings.PlaceMode = placeMode;
  FillEvent(t, tp.prompter);
  t.CurDivision = 16;
  t.CurEvent = event;
  t.CurRound = round;
  Outcome told;
  WorkList list = DrawnStartOrder(t, tp.random, t.Selected(), told);
  double score = 0;
  for (auto _ : state) {
    // One saved score: the first skier's result changes, then everything that depends on it, and
    // the window's list is filled again.
    list.skiers.front().SlalomScore[static_cast<std::size_t>(round)] = score;
    list.skiers.front().JumpDistance[1][static_cast<std::size_t>(round)] = 30 + score;
    score = score > 50 ? 0 : score + 0.5;
    RecomputeAfterScore(t, tp.platform, list);
    list = StartOrder(t, t.Selected());
    benchmark::DoNotOptimize(list.skiers.data());
  }
}

void BM_RecomputeSlalomBestScore(benchmark::State& state) { Recompute(state, 'B', 'S', 1); }
void BM_RecomputeJumpFirstRound(benchmark::State& state) { Recompute(state, 'F', 'J', 1); }
void BM_RecomputeSlalomLastRoundFinal(benchmark::State& state) { Recompute(state, 'L', 'S', 2); }
void BM_RecomputeSlalomTotal(benchmark::State& state) { Recompute(state, 'T', 'S', 1); }
BENCHMARK(BM_RecomputeSlalomBestScore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecomputeJumpFirstRound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecomputeSlalomLastRoundFinal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecomputeSlalomTotal)->Unit(benchmark::kMicrosecond);

}  // namespace
