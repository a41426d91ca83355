#include "live/live_snapshot.h"

#include <gtest/gtest.h>

#include "printing/results_page.h"
#include "support/results_tournament.h"

TEST(LiveSnapshot, ServesThePageAsWrittenWithOnlyThePollingScriptAdded) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.MarkSaved();  // as the page beside a saved event is written
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
  // Published after a change not saved yet, the time is the change's, not a save's.
  t.MarkChanged();
  EXPECT_NE(BuildLiveSnapshot(t, tp, time, true)->html.find("<span>Updated 2026-07-04 14:30:05"), std::string::npos);
}
