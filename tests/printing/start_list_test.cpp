// The start lists against lists written by hand: seeds in a division, equal seeds in surname
// order, jump ramp groups, the typed division list and the all-division list.
#include "printing/start_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/skier_ops.h"
#include "core/work_list.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr int kM = 16, kW = 17, kBU14 = 10, kEM = 50, kMMP1 = 60;

std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

struct StartListTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  void SetUp() override {
    t.info.EventName = "Lakeside Open";
    Add("CHO", "Lee", kM, "S", "101", "AB").SlalomSeed = 4.25;
    Add("BAKER", "Tom", kM, "S", "12", "ON").SlalomSeed = 18.5;
    Add("ADAMS", "Ian", kM, "S", "7", "BC").SlalomSeed = 18.5;
    Add("JUMPER", "Only", kM, "J", "9", "ON");
    Jumper("FINN", "Ada", "3", "QC", 30, 0.235);
    Jumper("GRAY", "Bea", "44", "NS", 10, 0.255);
    Jumper("HOLT", "Cat", "", "", 20, 0.266);
    Jumper("IVES", "Dee", "120", "MB", 5, 0.275);
  }
  TSkier& Add(const char* surname, const char* first, int division, const char* events, const char* bib,
              const char* team) {
    TSkier& s = AddSkier(t, p, surname, first, division, events);
    s.Bib = bib;
    s.Team = team;
    return s;
  }
  void Jumper(const char* surname, const char* first, const char* bib, const char* team, double seed,
              double ramp) {
    TSkier& s = Add(surname, first, kW, "J", bib, team);
    s.JumpSeed = seed;
    s.JumpRamp[1] = ramp;
  }
};

}  // namespace

TEST_F(StartListTest, PrintedListAndPreviewMatchTheHandWrittenPages) {
  auto doc = StartListDocument(t, t.Selected(), p, StartListChoice::Current, "");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->lines, Expected("start_list_m_slalom.txt"));
  t.CurEvent = 'J';
  auto lines = StartListLines(t, t.Selected(), p, StartListChoice::Several, "w", true);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, Expected("start_preview_w_jump.txt"));
  EXPECT_EQ(t.Selected(), (Selection{t.CurDivision, 'J', 1}));  // the selection as it was
}

TEST(StartListDivisions, TypedListIsCutAtCommasWithoutTrimming) {
  struct Case {
    const char* text;
    std::vector<int> divisions;
  };
  for (const Case& c : {Case{"m,w", {kM, kW}}, Case{"m, w", {kM}}, Case{"BU14,EM,M", {kBU14, kEM, kM}},
                        Case{"bu14", {}}, Case{"M35X", {}}, Case{"XX,,", {}}, Case{"", {}}})
    EXPECT_EQ(ParseDivisionList(c.text), c.divisions) << c.text;
}

TEST_F(StartListTest, NoDivisionNamedStopsWithAMessage) {
  for (const char* text : {"", "zz, m"}) {
    tp.prompter.clear();
    EXPECT_FALSE(StartListLines(t, t.Selected(), p, StartListChoice::Several, text, false)) << text;
    EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"No valid divisions found"});
  }
}

TEST_F(StartListTest, AllDivisionsLeaveOutAdaptedAndPrintOneEmptyLinePerCode) {
  Add("PARA", "Pat", kMMP1, "S", "5", "ON");
  auto printed = StartListLines(t, t.Selected(), p, StartListChoice::All, "", false);
  auto preview = StartListLines(t, t.Selected(), p, StartListChoice::All, "", true);
  ASSERT_TRUE(printed && preview);
  // One division with slalom entrants: 5 heading lines, 3 skiers, its empty line.
  EXPECT_EQ(printed->size(), 9u + 60u);
  EXPECT_EQ(preview->size(), 3u + 3u + 1u);
  for (const auto& line : *printed) EXPECT_EQ(line.find("PARA"), std::string::npos);
}

TEST_F(StartListTest, FinalShowsFirstRoundScoresOfFinalistsOnly) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  for (auto& s : SkierNodes(t)) {
    if (s.Surname == "CHO") s.SlalomFinalist = 1, s.SlalomScore[1] = 31.5;
    if (s.Surname == "ADAMS") s.SlalomFinalist = 1, s.SlalomScore[1] = 12;
  }
  auto lines = StartListLines(t, t.Selected(), p, StartListChoice::Current, "", true);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 6u);
  EXPECT_EQ((*lines)[3].substr(0, 10), "     12.00");
  EXPECT_EQ((*lines)[4].substr(0, 10), "     31.50");
}

TEST_F(StartListTest, CatalogueTakesTheTypedListOrAll) {
  ReportOptions typed{{{"divisions", "m,w"}}}, all{{{"all", ""}}};
  t.CurEvent = 'J';
  // M has one jumper, W four: two blocks of 5 + n + 1 lines, each followed by an empty line.
  EXPECT_EQ(BuildReport("start-list", t, p, typed)->lines.size(), 8u + 11u);
  EXPECT_EQ(BuildReport("start-list-preview", t, p, all)->lines.front(), "STARTING LIST - DIVISION  M");
}
