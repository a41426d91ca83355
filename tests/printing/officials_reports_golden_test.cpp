// The officials reports and the summary file against text written by hand.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/divisions.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/officials.h"
#include "printing/report_catalogue.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/reports/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return SplitLines(ss.str());
}

constexpr int kOM = 54, kW = 17, kIM = 56;

struct OfficialsReports : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  Tournament t;

  void SetUp() override {
    t.info.EventName = "Lake Cup";
    t.info.StartDate = "20260704";
    t.info.ChiefOfComp = "Ann Chief";
    t.info.Scorer = "Sam Scorer";
    t.info.TechController = "Tia Tech";
    t.info.SafetyDirector = "Sue Safe";
    t.EventFile = dir.file("Cup.dat");
    t.EventBase = dir.file("Cup");
    OfficialsRecord w, om, im, adapted;
    w.Slot(1, 2, 1) = "Judge Jane";
    om.Slot(2, 1, 1) = "Judge Jane";
    om.Slot(2, 1, 6) = "Bob Boat";
    om.Slot(2, 1, 7) = "Eve Timer";
    om.Slot(2, 2, 1) = "Tom Trick";
    om.Slot(2, 2, 8) = "Tim Timer";
    om.Slot(2, 3, 4) = "Max Board";
    om.Slot(2, 3, 6) = "Dan Driver";
    om.Slot(4, 1, 1) = "Fourth Round";  // the summary stops after round 3
    im.Slot(2, 1, 2) = "Ken Tower";
    adapted.Slot(1, 1, 1) = "Ada Adapted";  // the summary covers divisions 0..59 only
    WriteOfficials(t, tp.fs, kW, w);
    WriteOfficials(t, tp.fs, kOM, om);
    WriteOfficials(t, tp.fs, kIM, im);
    WriteOfficials(t, tp.fs, 60, adapted);
  }
};

}  // namespace

TEST_F(OfficialsReports, EachReportAsWrittenByHand) {
  struct Case {
    const char* report;
    int rules, rounds, division, round;
    const char* file;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"officials-division", kAwsaRules, 3, kOM, 2, "officials_division.txt", {}},
      {"officials-detailed",
       kIwwfRules,
       2,
       kOM,
       1,
       "officials_detailed.txt",
       {"This may be a very long printout...up to 15 pages.."}},
      {"officials-summary", kAwsaRules, 3, kOM, 1, "officials_summary.txt", {}},
  };
  for (const Case& c : cases) {
    tp.prompter.shown.clear();
    t.settings.RulesMode = c.rules;
    t.RoundCount = c.rounds;
    t.CurDivision = c.division;
    t.CurRound = c.round;
    auto doc = BuildReport(c.report, t, tp);
    ASSERT_TRUE(doc) << c.report;
    EXPECT_EQ(doc->lines, Expected(c.file)) << c.report;
    EXPECT_EQ(doc->orientation, Orientation::Portrait);
    EXPECT_EQ(doc->fontSize, 10);
    EXPECT_EQ(tp.prompter.texts(), c.messages) << c.report;
  }
}

TEST_F(OfficialsReports, SaveWritesTheSummaryFile) {
  ASSERT_TRUE(SaveShown(t, tp));
  std::ifstream in(dir.file("Cup_officials.txt"), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  std::string expected;
  for (const auto& line : Expected("officials_summary.txt")) expected += line + "\r\n";
  EXPECT_EQ(ss.str(), expected);
}
