// The three result files of a small ZETL tournament against files written by hand: three divisions,
// three events, two rounds, tied places, an event not entered, and pass, fall and disqualification
// jumps.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "results/exports.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

constexpr int kMU17 = 12, kM = 16, kW = 17;
constexpr double kPass = 0.01, kFall = 0.02, kDsq = 0.03;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The expected file is kept with plain line ends; the export must end every line with CR LF.
std::string ExpectedWithCrLf(const std::string& name) {
  std::string text = ReadFile(std::string(TALLIVAR_TEST_DATA) + "/expected/" + name);
  EXPECT_FALSE(text.empty()) << name;
  std::string out;
  for (const auto& line : SplitLines(text)) out += line + "\r\n";
  return out;
}

void Identity(TSkier& s, const char* team, const char* member, const char* born) {
  s.Team = team;
  s.MemberId = member;
  s.BirthYear = born;
  for (int r = 1; r <= 4; ++r) {
    s.SlalomRoundDiv[r] = s.TrickRoundDiv[r] = s.JumpRoundDiv[r] = s.Division;
    s.SlalomClass[r] = s.TrickClass[r] = s.JumpClass[r] = "1";
  }
}

void Slalom(TSkier& s, int r, double buoys, double speed, double rope, double score) {
  s.SlalomBuoys[r] = buoys;
  s.SlalomSpeed[r] = speed;
  s.SlalomRope[r] = rope;
  s.SlalomScore[r] = score;
}

void Jumps(TSkier& s, int r, double j1, double j2, double j3) {
  s.JumpDistance[1][r] = j1;
  s.JumpDistance[2][r] = j2;
  s.JumpDistance[3][r] = j3;
}

void Standing(TSkier& s, int sp, double spts, int tp, double tpts, int jp, double jpts, double overall, int op) {
  s.SlalomPlace = sp;
  s.SlalomPoints = spts;
  s.TrickPlace = tp;
  s.TrickPoints = tpts;
  s.JumpPlace = jp;
  s.JumpPoints = jpts;
  s.OverallScore = overall;
  s.OverallPlace = op;
}

void BuildTournament(Tournament& t, Platform& p, const TempDir& dir) {
  t.settings.RulesMode = 0;
  t.settings.SiteCode = "CAN0725";
  t.RoundCount = 2;
  t.info.EventName = "Lake Cup";
  t.info.StartDate = "20260704";
  t.info.EndDate = "20260705";
  t.info.Scorer = "Ann Lee";
  t.info.ChiefOfComp = "Bob Ray";
  t.info.TechController = "Cy Dunn";
  t.info.ChiefDriver = "Di Fox";
  t.info.SafetyDirector = "Ed Kim";
  t.info.SanctionNo = "26CAN01";
  t.info.EventType = "N3";
  t.EventFile = dir.file("cup.dat");
  t.EventBase = dir.file("cup");

  TSkier& a = AddSkier(t, p, "ADAMS*", "JOHN", kM);
  Identity(a, "ONT", "1001", "1990");
  Slalom(a, 1, 2.5, 58, 11.25, 38.5);
  Slalom(a, 2, 3, 58, 10.75, 45);
  a.SlalomClass[1] = a.SlalomClass[2] = "3";
  a.TrickScore[1] = 4500;
  a.TrickScore[2] = 5200;
  a.TrickClass[1] = "4";
  Jumps(a, 1, 45.2, kFall, 47.8);
  Jumps(a, 2, kPass, kPass, kPass);
  a.JumpClass[1] = "3";
  Standing(a, 1, 1000, 1, 1000, 1, 800, 2800, 1);

  TSkier& b = AddSkier(t, p, "BAKER", "Tom", kM, "ST");
  Identity(b, "QC", "", "1985");
  Slalom(b, 1, 4, 55, 12, 28);
  Slalom(b, 2, 0, 58, 18.25, 0);
  b.TrickScore[1] = 3100;
  Standing(b, 4, 622.22, 3, 596.15, 0, 0, 0, 0);

  TSkier& c = AddSkier(t, p, "CARTER", "Ray", kM);
  Identity(c, "ONT", "1003", "1992");
  Slalom(c, 1, 1.5, 58, 11.25, 37.5);
  Slalom(c, 2, 5, 55, 12, 29);
  c.TrickScore[1] = 3800;
  c.TrickScore[2] = 4160;
  Jumps(c, 1, 38.0, 40.0, 0.0);
  Jumps(c, 2, 41.0, kFall, 0.0);
  Standing(c, 2, 833.33, 2, 800, 2, 466.67, 2100, 2);

  TSkier& d = AddSkier(t, p, "DAVIS", "Sam", kM);
  Identity(d, "BC", "1004", "1988");
  Slalom(d, 1, 1.5, 58, 11.25, 37.5);
  Slalom(d, 2, 0, 58, 11.25, 0);
  d.TrickScore[1] = 3100;
  Jumps(d, 1, kPass, 36.6, kFall);
  Jumps(d, 2, 39.9, 0.0, 0.0);
  Standing(d, 2, 833.33, 3, 596.15, 3, 670.52, 833.33 + 596.15 + 670.52, 2);

  TSkier& e = AddSkier(t, p, "EVANS", "MARY ANN", kW, "S");
  Identity(e, "NS", "2001", "2001");
  Slalom(e, 1, 3.5, 55, 13, 21.5);
  Slalom(e, 2, 2, 55, 12, 26);
  Standing(e, 1, 1000, 0, 0, 0, 0, 0, 0);

  TSkier& f = AddSkier(t, p, "FORD", "Leo", kMU17, "J");
  Identity(f, "AB", "3001", "2010");
  Jumps(f, 1, kPass, kFall, kDsq);
  Jumps(f, 2, 28.4, kFall, 0.0);
  Standing(f, 0, 0, 0, 0, 1, 1000, 0, 0);
}

struct GoldenExport : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  void SetUp() override { BuildTournament(t, p, dir); }
};

TEST_F(GoldenExport, OfficialResultsTextFile) {
  t.TxtExportFile = dir.file("cup.txt");
  Shown(p.prompt, RunTextExport(t, p.fs));
  EXPECT_EQ(ReadFile(dir.file("cup.txt")), ExpectedWithCrLf("official_results_zetl.txt"));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(GoldenExport, ResultsCsvAndRankingFiles) {
  t.CsvExportFile = dir.file("results.csv");
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_EQ(ReadFile(dir.file("results.csv")), ExpectedWithCrLf("results_zetl.csv"));
  EXPECT_EQ(ReadFile(dir.file("cup_iwwf.txt")), ExpectedWithCrLf("ranking_zetl_iwwf.txt"));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(GoldenExport, ExportingLeavesTheRecordsAsTyped) {
  t.TxtExportFile = dir.file("cup.txt");
  t.CsvExportFile = dir.file("results.csv");
  t.MarkSaved();
  std::vector<TSkier> before(SkierNodes(t).begin(), SkierNodes(t).end());
  Shown(p.prompt, RunTextExport(t, p.fs));
  Shown(p.prompt, RunCsvExport(t, p.fs));
  const TSkier& first = *t.skiers.first();
  EXPECT_EQ(first.Surname.str(), "ADAMS*");
  EXPECT_EQ(first.FirstName.str(), "JOHN");
  ASSERT_EQ(SkierNodes(t).size(), before.size());
  auto it = SkierNodes(t).begin();
  for (const TSkier& old : before) EXPECT_EQ(std::memcmp(&old, &*it++, sizeof(TSkier)), 0);
  EXPECT_FALSE(t.Unsaved);
}

}  // namespace
