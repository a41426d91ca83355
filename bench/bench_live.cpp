// Live results for a full-sized tournament (299 skiers in 30 divisions): the snapshot is built
// after every stored score on the scorer's thread and must stay under 5 ms; the server must answer
// a shore full of phones (600 requests, 24 at a time, over loopback) with a p95 under 100 ms.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "live/live_server.h"
#include "support/large_tournament.h"
#include "support/test_platform.h"

namespace {

void BM_LiveSnapshot(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  BuildLargeTournament(t, tp.prompter);
  t.CurEvent = 'S';
  t.CurRound = 1;
  std::size_t html = 0, json = 0;
  for (auto _ : state) {
    auto snapshot = BuildLiveSnapshot(t, tp, DateTime{2026, 6, 14, 15, 42, 7}, true);
    html = snapshot->html.size();
    json = snapshot->json.size();
    benchmark::DoNotOptimize(snapshot);
  }
  state.counters["html_bytes"] = static_cast<double>(html);
  state.counters["json_bytes"] = static_cast<double>(json);
}
BENCHMARK(BM_LiveSnapshot)->Unit(benchmark::kMillisecond);

// Each phone alternates between the page and the JSON, on a connection of its own per request as
// a phone coming back after a while does.
void BM_LiveServerLoad(benchmark::State& state) {
  TestPlatform tp;
  Tournament t;
  BuildLargeTournament(t, tp.prompter);
  LiveServer server;
  server.Publish(BuildLiveSnapshot(t, tp, DateTime{2026, 6, 14, 15, 42, 7}, true));
  std::string error;
  if (!server.Start({"127.0.0.1", 0}, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  constexpr int kRequests = 600, kAtATime = 24;
  std::vector<double> latencies;
  int answered = 0;
  for (auto _ : state) {
    std::vector<double> times(kRequests, -1);
    std::atomic<int> next = 0;
    std::vector<std::thread> phones;
    for (int i = 0; i < kAtATime; ++i)
      phones.emplace_back([&] {
        for (int n; (n = next++) < kRequests;) {
          httplib::Client c("127.0.0.1", server.Port());
          c.set_read_timeout(10, 0);
          const auto start = std::chrono::steady_clock::now();
          const auto r = c.Get(n % 2 ? "/results.json" : "/");
          if (r && r->status == 200)
            times[n] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
      });
    for (auto& p : phones) p.join();
    answered = static_cast<int>(std::count_if(times.begin(), times.end(), [](double ms) { return ms >= 0; }));
    latencies.insert(latencies.end(), times.begin(), times.end());
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["answered"] = answered;
  state.counters["requests"] = kRequests;
  state.counters["p95_ms"] = latencies.empty() ? 0 : latencies[latencies.size() * 95 / 100];
  state.counters["max_ms"] = latencies.empty() ? 0 : latencies.back();
  if (answered != kRequests) state.SkipWithError("not every request was answered");
}
BENCHMARK(BM_LiveServerLoad)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
