#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/divisions.h"

TEST(Divisions, CodesOfOddNumbers) {
  EXPECT_EQ(DivisionCode(86), "XX");
  EXPECT_EQ(DivisionCode(58), "XX");
  EXPECT_EQ(DivisionCode(59), "XX");
  EXPECT_EQ(DivisionCode(200), "XX");
  EXPECT_EQ(DivisionCode(144), "M");  // 144 AND 127 = 16
  EXPECT_EQ(DivisionCode(0), "B1");
  EXPECT_EQ(DivisionCode(36), "M35");
  EXPECT_EQ(DivisionCode(57), "IW");
  EXPECT_EQ(DivisionCode(60), "MMP1");
  EXPECT_EQ(DivisionCode(72), "MV3");
  EXPECT_EQ(DivisionCode(85), "WV3");
}

TEST(Divisions, NumberLookupIsCaseSensitiveAndLeavesUnknownCodes) {
  int n = 5;
  DivisionNumber("m35", n);
  EXPECT_EQ(n, 5);
  DivisionNumber("M35", n);
  EXPECT_EQ(n, 36);
  DivisionNumber("XX", n);
  EXPECT_EQ(n, 86);
  DivisionNumber("WMP3xyz", n);  // only the first four characters count
  EXPECT_EQ(n, 75);
}

TEST(Divisions, EveryCodeRoundTrips) {
  for (int d = 0; d < 86; ++d) {
    if (d == 58 || d == 59) continue;
    int n = -1;
    DivisionNumber(DivisionCode(d), n);
    EXPECT_EQ(n, d) << DivisionCode(d);
  }
}

TEST(Divisions, OfferedListsPerRuleSet) {
  auto zetl = DivisionsOffered(kZetlRules);
  ASSERT_EQ(zetl.size(), 32u);
  EXPECT_EQ(zetl[0].text, "BU10");
  EXPECT_EQ(zetl[0].number, 6);
  EXPECT_EQ(zetl[12].text, "M35+");
  EXPECT_EQ(zetl[12].number, 36);
  EXPECT_EQ(zetl[31].text, "OW");
  EXPECT_EQ(zetl[31].number, 55);

  auto awsa = DivisionsOffered(kAwsaRules);
  ASSERT_EQ(awsa.size(), 46u);
  EXPECT_EQ(awsa[6].text, "M1");
  EXPECT_EQ(awsa[44].text, "IM");
  EXPECT_EQ(awsa[45].number, 57);
  for (const auto& d : awsa) EXPECT_EQ(DivisionCode(d.number), d.text);

  auto iwwf = DivisionsOffered(kIwwfRules);
  ASSERT_EQ(iwwf.size(), 16u);
  EXPECT_EQ(iwwf[6].text, "IM");
  EXPECT_EQ(iwwf[6].number, 56);
  EXPECT_EQ(iwwf[15].text, "W65+");
  EXPECT_EQ(iwwf[15].number, 43);

  auto adapted = DivisionsOffered(kAdaptedRules);
  ASSERT_EQ(adapted.size(), 26u);
  EXPECT_EQ(adapted[1].text, "WMP1");
  EXPECT_EQ(adapted[1].number, 73);
  EXPECT_EQ(adapted[25].text, "WV3");
  EXPECT_EQ(adapted[25].number, 85);
}

TEST(Divisions, DefaultSpeeds) {
  EXPECT_FALSE(DefaultSlalomSpeed(19).has_value());  // W1 keeps both
  EXPECT_FALSE(DefaultJumpSpeed(19).has_value());
  EXPECT_EQ(DefaultSlalomSpeed(56), 58.0);  // IM
  EXPECT_FALSE(DefaultJumpSpeed(56).has_value());
  EXPECT_EQ(DefaultSlalomSpeed(16), 49.0);
  EXPECT_EQ(DefaultJumpSpeed(16), 57.0);
  EXPECT_EQ(DefaultSlalomSpeed(6), 25.0);
  EXPECT_EQ(DefaultJumpSpeed(6), 42.0);
  EXPECT_EQ(DefaultSlalomSpeed(70), 46.0);
  EXPECT_FALSE(DefaultJumpSpeed(70).has_value());
  EXPECT_FALSE(DefaultSlalomSpeed(86).has_value());
}

TEST(Divisions, EventNames) {
  EXPECT_EQ(EventName('S'), "Slalom");
  EXPECT_EQ(EventName('T'), "Trick");
  EXPECT_EQ(EventName("J"), "Jump");
}

namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::vector<int> Numbers(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> out;
  for (auto [first, last] : runs)
    for (int n = first; n <= last; ++n) out.push_back(n);
  return out;
}

}  // namespace

TEST(DivisionTables, CatalogueNumberByNumber) {
  const auto codes = Words(
      "B1 G1 B2 G2 B3 G3 BU10 GU10 BU12 GU12 BU14 GU14 MU17 WU17 MU21 WU21 M W "
      "M1 W1 M2 W2 M3 W3 M4 W4 M5 W5 M6 W6 M7 W7 M8 W8 M9 W9 "
      "M35 W35 M45 W45 M55 W55 M65 W65 M70 W70 M75 W75 M80 W80 EM EW AM AW OM OW IM IW XX XX "
      "MMP1 MMP2 MMP3 MMP4 MMP5 MA ML MAL1 MAL2 MLP MV1 MV2 MV3 "
      "WMP1 WMP2 WMP3 WMP4 WMP5 WA WL WAL1 WAL2 WLP WV1 WV2 WV3 XX");
  ASSERT_EQ(codes.size(), 87u);
  for (int n = 0; n <= kNoDivision; ++n) EXPECT_EQ(DivisionCode(n), codes[static_cast<std::size_t>(n)]) << n;
}

TEST(DivisionTables, OfferedListsEntryByEntry) {
  struct Case {
    int rules;
    std::string texts;
    std::vector<int> numbers;
  } cases[] = {
      {kZetlRules,
       "BU10 GU10 BU12 GU12 BU14 GU14 MU17 WU17 MU21 WU21 M W M35+ W35+ M45+ W45+ M55+ W55+ M65+ W65+ "
       "M70+ W70+ M75+ W75+ M80+ W80+ EM EW AM AW OM OW",
       Numbers({{6, 17}, {36, 55}})},
      {kAwsaRules,
       "B1 G1 B2 G2 B3 G3 M1 W1 M2 W2 M3 W3 M4 W4 M5 W5 M6 W6 M7 W7 M8 W8 M9 W9 M35 W35 M45 W45 M55 W55 "
       "M65 W65 M70 W70 M75 W75 M80 W80 EM EW AM AW OM OW IM IW",
       Numbers({{0, 5}, {18, 57}})},
      {kIwwfRules, "BU14 GU14 MU17 WU17 MU21 WU21 IM IW M35+ W35+ M45+ W45+ M55+ W55+ M65+ W65+",
       Numbers({{10, 15}, {56, 57}, {36, 43}})},
      {kAdaptedRules,
       "MMP1 WMP1 MMP2 WMP2 MMP3 WMP3 MMP4 WMP4 MMP5 WMP5 MA WA ML WL MAL1 WAL1 MAL2 WAL2 MLP WLP "
       "MV1 WV1 MV2 WV2 MV3 WV3",
       {}},
  };
  for (int men = 60; men <= 72; ++men) cases[3].numbers.insert(cases[3].numbers.end(), {men, men + 13});
  for (const Case& c : cases) {
    const auto offered = DivisionsOffered(c.rules);
    const auto texts = Words(c.texts);
    ASSERT_EQ(offered.size(), texts.size()) << c.rules;
    ASSERT_EQ(offered.size(), c.numbers.size()) << c.rules;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(offered[i].text, texts[i]) << c.rules << " entry " << i;
      EXPECT_EQ(offered[i].number, c.numbers[i]) << c.rules << " entry " << i;
    }
  }
}

TEST(DivisionTables, DefaultSpeedsRowByRow) {
  constexpr double keep = 0;
  struct Row {
    std::vector<int> numbers;
    double slalom, jump;
  } rows[] = {
      {{0, 1}, 25, keep},
      {{2, 3, 4, 5}, 28, 45},
      {{6, 7}, 25, 42},
      {{8, 9}, 28, 45},
      {{10}, 28, 48},
      {{11}, 28, 45},
      {{12, 13}, 28, 51},
      {{14, 16, 18, 20}, 49, 57},
      {{15, 17}, 46, 54},
      {{19, 21}, keep, keep},
      {{22}, 46, 57},
      {{23, 25, 27, 29}, 40, 51},
      {{24, 26}, 46, 54},
      {{28}, 46, 51},
      {{30}, 43, 51},
      {{31}, 28, 48},
      {{32, 34}, 40, 48},
      {{33, 35}, 28, 45},
      {{36}, 46, 57},
      {{37, 39, 41}, 40, 51},
      {{38}, 46, 54},
      {{40}, 46, 51},
      {{42, 44}, 43, 51},
      {{43}, 28, 48},
      {{45, 47}, 28, 45},
      {{46}, 28, 48},
      {{48, 49}, 28, keep},
      {{50, 54}, 49, 57},
      {{51, 55}, 46, 54},
      {{52, 53}, 28, 45},
      {{56}, 58, keep},
      {{57}, 55, keep},
      {Numbers({{60, 85}}), 46, keep},
  };
  auto speed = [&](std::optional<double> s) { return s.value_or(keep); };
  for (const Row& row : rows)
    for (int n : row.numbers) {
      EXPECT_EQ(speed(DefaultSlalomSpeed(n)), row.slalom) << DivisionCode(n);
      EXPECT_EQ(speed(DefaultJumpSpeed(n)), row.jump) << DivisionCode(n);
    }
}
