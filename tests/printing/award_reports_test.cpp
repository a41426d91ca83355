// The awards, injury, rating and record sheets against text written by hand.
#include "printing/award_reports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/file_io.h"
#include "support/results_tournament.h"
#include "support/skier_list_access.h"

namespace {

std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/reports/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return SplitLines(ss.str());
}

void ExpectLines(const ReportDocument& doc, const std::string& file) {
  auto expected = Expected(file);
  ASSERT_FALSE(expected.empty()) << file;
  ASSERT_EQ(doc.lines.size(), expected.size()) << file;
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(doc.lines[i], expected[i]) << file << " line " << i + 1;
}

TSkier& Named(Tournament& t, const char* surname) {
  for (auto& s : SkierNodes(t))
    if (s.Surname == surname) return s;
  throw std::logic_error(surname);
}

struct OtherReports : ::testing::Test {
  TestPlatform tp;
  Tournament t;
  OtherReports() { sample::BuildResultsTournament(t, tp); }
  ReportDocument Build(const char* name, ReportOptions options = {}) {
    auto doc = BuildReport(name, t, tp, options);
    EXPECT_TRUE(doc) << name;
    return doc ? *doc : ReportDocument{};
  }
};

ReportOptions Skier(const char* name) { return ReportOptions{{{"skier", name}}}; }

}  // namespace

TEST_F(OtherReports, AwardsSummaryWithTiesAndWithoutAdaptedDivisions) {
  Named(t, "DAHL").SlalomPlace = 1;  // shares first place in slalom with AAS
  Named(t, "BERG").TrickPlace = 2;   // shares second place in trick with DAHL
  auto doc = Build("awards-summary");
  ExpectLines(doc, "awards_summary.txt");
  EXPECT_EQ(doc.orientation, Orientation::Landscape);
  EXPECT_EQ(doc.fontSize, 10);
}

TEST_F(OtherReports, AwardsSummaryPrintsALongNameWhole) {
  TSkier& foss = Named(t, "FOSS");
  foss.FirstName = "Emil-Kristoffer";
  foss.Surname = "FOSSEKLEIVHAUG";  // 30 characters with the space; still sorts where FOSS did
  const std::string name = "Emil-Kristoffer FOSSEKLEIVHAUG";
  auto doc = Build("awards-summary");
  ASSERT_GT(doc.lines.size(), 4u);
  EXPECT_EQ(doc.lines[4], " 1  " + std::string(60, ' ') + name + " " + name);
}

TEST_F(OtherReports, InjurySummaryCountsRidesOfEveryRound) {
  Tournament lake;
  lake.RoundCount = 3;
  lake.info.EventName = "LAKE OPEN";
  lake.info.StartDate = "20260801";
  lake.info.SanctionNo = "26ZET07";
  lake.info.ChiefOfComp = "ANNA BERG";
  lake.info.SafetyDirector = "EVA HOLM";
  const char* events[] = {"STJ", "STJ", "STJ", "STJ", "SJ", "SJ", "SJ", "S", "S", "S"};
  for (int i = 0; i < 10; ++i)
    AddSkier(lake, tp, "SKIER" + std::string(1, char('A' + i)), "Ann", sample::kW, events[i]);
  auto doc = BuildReport("injury-summary", lake, tp);
  ASSERT_TRUE(doc);
  ExpectLines(*doc, "injury_summary.txt");
  ASSERT_EQ(doc->bitmaps.size(), 1u);
  EXPECT_EQ(doc->bitmaps[0].resource, "zetllogo2015");
}

TEST_F(OtherReports, RatingSheetOfTheNamedSkier) {
  TSkier& aas = Named(t, "AAS");
  aas.JumpRamp[1] = 0.235;
  aas.JumpSpeed[1] = 57;
  aas.JumpRamp[2] = 0.271;
  aas.JumpSpeed[2] = 57;
  auto doc = Build("rating-sheet", Skier("lars aas"));
  ExpectLines(doc, "rating_sheet.txt");
  EXPECT_EQ(doc.bitmaps.size(), 1u);
}

TEST_F(OtherReports, RecordDataOfTheCurrentRoundAndEvent) {
  TSkier& aas = Named(t, "AAS");
  aas.BirthYear = "1990";
  aas.SlalomTime1[1][2] = "16.55";
  aas.SlalomTime2[1][2] = "17.02";
  aas.SlalomTime1[4][2] = "16.60";
  aas.SlalomTime2[4][2] = "16.98";
  aas.SlalomTime1[2][1] = "15.00";  // another round: not on the sheet
  ExpectLines(Build("record-data", Skier("Lars AAS")), "record_data_slalom.txt");

  t.CurEvent = 'J';
  t.CurRound = 1;
  auto jump = Build("record-data", Skier("Lars AAS"));
  auto at = std::find(jump.lines.begin(), jump.lines.end(), "JUMP 1             JUMP 2             JUMP 3");
  ASSERT_NE(at, jump.lines.end());
  EXPECT_EQ(*(at + 1), "  40.2               41.0               FALL");

  t.CurEvent = 'T';
  EXPECT_TRUE(Build("record-data", Skier("Lars AAS")).lines.empty());
  EXPECT_EQ(tp.prompter.shown.back().text, "No printout available for Tricks");
  EXPECT_FALSE(PrintNamedReport(tp.printer, "record-data", t, tp, Skier("Lars AAS")));
  EXPECT_TRUE(tp.printer.documents.empty());
}

TEST_F(OtherReports, AnUnknownSkierPrintsNothing) {
  EXPECT_THROW(Build("rating-sheet", Skier("Nobody HERE")), std::runtime_error);
  EXPECT_THROW(Build("rating-sheet"), std::runtime_error);
}
