// The lock check when an event is opened: taking the lock and letting it go, and finding the lock
// of another running program.
#include <benchmark/benchmark.h>

#include "core/event_lock.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void BM_TakeAndReleaseLock(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  const LockHolder self = ThisProgram(tp.clock.now);
  const std::string lock = EventLockPath(dir.file("Bench.dat"));
  for (auto _ : state) {
    if (!TakeEventLock(tp.fs, lock, self).taken) state.SkipWithError("lock not taken");
    ReleaseEventLock(tp.fs, lock, self);
  }
}
BENCHMARK(BM_TakeAndReleaseLock)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_LockHeldByAnother(benchmark::State& state) {
  TempDir dir;
  TestPlatform tp;
  const std::string lock = EventLockPath(dir.file("Bench.dat"));
  TakeEventLock(tp.fs, lock, ThisProgram(tp.clock.now));
  const LockHolder self = ThisProgram(tp.clock.now);
  for (auto _ : state)
    if (TakeEventLock(tp.fs, lock, self).taken) state.SkipWithError("lock taken twice");
}
BENCHMARK(BM_LockHeldByAnother)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
