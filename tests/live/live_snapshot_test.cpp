#include "live/live_snapshot.h"

#include <gtest/gtest.h>

#include "printing/results_page.h"
#include "support/results_tournament.h"

TEST(LiveSnapshot, ServesThePageAsWrittenWithOnlyThePollingScriptAdded) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  const DateTime time{2026, 7, 4, 14, 30, 5};
  const auto snapshot = BuildLiveSnapshot(t, tp, time, true);
  const std::string written = ResultsPageHtml(t, tp, time);

  const auto script = snapshot->html.find("<script>");
  ASSERT_NE(script, std::string::npos);
  const auto end = snapshot->html.find("</script>\n", script);
  ASSERT_NE(end, std::string::npos);
  std::string withoutScript = snapshot->html;
  withoutScript.erase(script, end + 10 - script);
  EXPECT_EQ(withoutScript, written);
  // The script knows which results it shows, and loads nothing from elsewhere.
  const std::string code = snapshot->html.substr(script, end - script);
  EXPECT_NE(code.find(snapshot->jsonEtag.substr(1, snapshot->jsonEtag.size() - 2)), std::string::npos);
  EXPECT_EQ(code.find("http"), std::string::npos);
  EXPECT_EQ(code.find("//"), std::string::npos);
}
