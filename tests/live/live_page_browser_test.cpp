// The served page in a real browser: a score stored after the page was shown appears on it
// without a reload.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "live/live_server.h"
#include "support/results_tournament.h"
#include "support/temp_dir.h"

namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

}  // namespace

TEST(LivePageInBrowser, ANewScoreAppearsWithoutAReload) {
  if (::access(kChromium, X_OK) != 0)
    GTEST_SKIP() << "no Chromium at " << kChromium << ": the page is not tried in a browser";
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  const DateTime time{2026, 7, 4, 14, 30, 0};
  LiveServer server;
  server.Publish(BuildLiveSnapshot(t, tp, time, true));
  for (auto& s : t.skiers.nodes)
    if (s.Surname == "CARLSEN") s.SlalomRankScore = 23.5;
  const auto stored = BuildLiveSnapshot(t, tp, {2026, 7, 4, 14, 31, 0}, true);
  std::string error;
  ASSERT_TRUE(server.Start({"127.0.0.1", 0}, error)) << error;

  // The new score is stored as soon as the browser has the page; it polls on its own afterwards.
  std::atomic<bool> done = false;
  std::thread scorer([&] {
    while (!done && server.Answered() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server.Publish(stored);
  });
  TempDir profile;
  const std::string dom =
      Output(std::string(kChromium) +
             " --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir=" + profile.path() +
             " --virtual-time-budget=60000 --dump-dom http://127.0.0.1:" + std::to_string(server.Port()) +
             "/ 2>/dev/null");
  done = true;
  scorer.join();
  ASSERT_NE(dom.find("SPRING CUP"), std::string::npos) << "Chromium showed no page:\n" << dom.substr(0, 400);
  EXPECT_NE(dom.find("<td>23.50</td>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("2026-07-04 14:31:00"), std::string::npos);
  EXPECT_GE(server.Answered(), 3u);  // the page, at least one look at the JSON, the page again
}
