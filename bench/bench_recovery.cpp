// Copying the unsaved work of a 299-skier event to its recovery file after a change, the flushes
// to disk included: the scorer waits on this after every stored score.
#include <benchmark/benchmark.h>

#include "core/file_io.h"
#include "core/recovery_file.h"
#include "core/skier_ops.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void BM_WriteRecovery299(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  BlankWorkingRecord(t);
  t.RoundCount = 3;
  auto tail = t.skiers.tailNode();
  for (int i = 0; i < 299; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string(1000 + i);
    s.Division = static_cast<std::uint8_t>(6 + i % 30);
    s.SlalomEntry = "S";
    s.SlalomScore[1] = i % 50;
    t.InsertSkier(tail, s);
  }
  t.EventFile = dir.file("Bench.dat");
  const std::string path = RecoveryPathOfEvent(t.EventFile.str());
  double score = 0;
  for (auto _ : state) {
    TSkier first = *t.skiers.first();
    first.SlalomScore[2] = ++score;
    t.StoreSkier(first);
    WriteFileSafely(tp.fs, path, RecoveryFileBytes(t, true, tp.clock.Now()));
  }
}
BENCHMARK(BM_WriteRecovery299)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
