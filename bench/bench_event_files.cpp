// Saving and opening a 299-skier event, the flushes to disk included.
#include <benchmark/benchmark.h>

#include "core/event_files.h"
#include "core/skier_ops.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void Fill299(Tournament& t) {
  BlankWorkingRecord(t);
  t.RoundCount = 3;
  auto tail = t.skiers.tailNode();
  for (int i = 0; i < 299; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string(1000 + i);  // in surname order
    s.FirstName = "F" + std::to_string(i);
    s.Division = static_cast<std::uint8_t>(6 + i % 30);
    s.SlalomEntry = "S";
    s.TrickEntry = "T";
    s.JumpEntry = "J";
    s.SlalomScore[1] = i % 50;
    t.InsertSkier(tail, s);
  }
  for (std::size_t k = 1; k <= 20; ++k) t.teams.slots[k].code = "T" + std::to_string(k);
}

// A round-2 score of the first skier, stored as a dialog stores it.
void ScoreFirstSkier(Tournament& t, double score) {
  TSkier first = *t.skiers.first();
  first.SlalomScore[2] = score;
  t.StoreSkier(first);
}

// The usual save: one score changed, so the skier file, its backup and the log are written.
void BM_SaveEvent299(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Fill299(t);
  t.EventFile = dir.file("Bench.dat");
  double score = 0;
  for (auto _ : state) {
    ScoreFirstSkier(t, ++score);
    if (!SaveEvent(t, tp.fs, tp.clock, tp.random).ok) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveEvent299)->Unit(benchmark::kMillisecond);

// Every file of the family changed: a new sanction number reaches the tournament file and both
// timing files.
void BM_SaveEvent299AllFiles(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Fill299(t);
  t.EventFile = dir.file("Bench.dat");
  int n = 0;
  for (auto _ : state) {
    ++n;
    ScoreFirstSkier(t, n);
    t.info.SanctionNo = "26CAN" + std::to_string(n % 1000);
    t.schedule.days[1].rows[1].entries = n;
    t.MarkChanged();
    if (!SaveEvent(t, tp.fs, tp.clock, tp.random).ok) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveEvent299AllFiles)->Unit(benchmark::kMillisecond);

// A save a minute after the last: a new backup set is written and the oldest of ten removed.
void BM_SaveEvent299WithBackup(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Fill299(t);
  t.EventFile = dir.file("Bench.dat");
  double score = 0;
  for (auto _ : state) {
    ScoreFirstSkier(t, ++score);
    if (++tp.clock.now.minute == 60) tp.clock.now.minute = 0, ++tp.clock.now.hour;
    if (!SaveEvent(t, tp.fs, tp.clock, tp.random).ok) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveEvent299WithBackup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenEvent299(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Fill299(t);
  t.EventFile = dir.file("Bench.dat");
  if (!SaveEvent(t, tp.fs, tp.clock, tp.random).ok) state.SkipWithError("save failed");
  Tournament u;
  for (auto _ : state) {
    if (!OpenEvent(u, tp.fs, tp.random, dir.file("Bench.dat")).ok) state.SkipWithError("open failed");
    const int count = u.SkierCount();
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_OpenEvent299)->Unit(benchmark::kMillisecond);

}  // namespace
