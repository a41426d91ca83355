// The served page in a real browser: a score stored after the page was shown appears on it
// without a reload.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "live/live_server.h"
#include "support/results_tournament.h"
#include "support/temp_dir.h"

TEST(LivePageInBrowser, ANewScoreAppearsWithoutAReload) {
  const char* chromium = "/usr/bin/chromium";
  if (::access(chromium, X_OK) != 0)
    GTEST_SKIP() << "no Chromium at " << chromium << ": the page is not tried in a browser";
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  LiveServer server;
  server.Publish(BuildLiveSnapshot(t, tp, {2026, 7, 4, 14, 30, 0}, true));
  t.ChangeEachSkier([](TSkier& s) {
    if (s.Surname == "CARLSEN") s.SlalomRankScore = 23.5;
  });
  const auto stored = BuildLiveSnapshot(t, tp, {2026, 7, 4, 14, 31, 0}, true);
  std::string error;
  ASSERT_TRUE(server.Start({"127.0.0.1", 0}, error)) << error;

  // The new score is stored as soon as the browser has the page; the page polls on its own.
  std::atomic<bool> done = false;
  std::thread scorer([&] {
    while (!done && server.Answered() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server.Publish(stored);
  });
  TempDir profile;
  const std::string command =
      std::string(chromium) +
      " --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir=" + profile.path() +
      " --virtual-time-budget=60000 --dump-dom http://127.0.0.1:" + std::to_string(server.Port()) +
      "/ 2>/dev/null";
  std::string dom;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) dom.append(buffer, n);
    ::pclose(pipe);
  }
  done = true;
  scorer.join();
  ASSERT_NE(dom.find("SPRING CUP"), std::string::npos) << "Chromium showed no page:\n" << dom.substr(0, 400);
  EXPECT_NE(dom.find("<td>23.50</td>"), std::string::npos) << dom;
  EXPECT_NE(dom.find("2026-07-04 14:31:00"), std::string::npos);
}
