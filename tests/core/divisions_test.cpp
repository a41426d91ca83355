#include <gtest/gtest.h>

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
