#include "scoring/slalom.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/divisions.h"

namespace {

int Div(const std::string& code) { return FindDivision(code).value(); }

std::optional<double> National(const std::string& division, double buoys, double speed, double rope) {
  return ComputeSlalomTotal(kZetlRules, Div(division), buoys, speed, rope);
}

std::optional<double> International(const std::string& division, double buoys, double speed, double rope) {
  return ComputeSlalomTotal(kIwwfRules, Div(division), buoys, speed, rope);
}

}  // namespace

TEST(SlalomTotal, SpeedAndRopeLaddersUnderNationalRules) {
  EXPECT_EQ(National("OM", 2.5, 58, 12.00), 44.5);
  EXPECT_EQ(National("OM", 4, 52, 18.25), 10.0);
  EXPECT_EQ(National("W65", 3, 49, 11.25), 75.0);
  EXPECT_EQ(National("OW", 2.5, 55, 12.00), 44.5);
  // The first rope at the top speed follows on from the last full pass below it.
  EXPECT_EQ(National("OM", 6, 58, 18.25), 24.0);
  EXPECT_EQ(National("OM", 6, 55, 18.25), 18.0);
  EXPECT_EQ(National("OM", 0, 58, 18.25), 18.0);
  // The starting speed itself scores only the buoys.
  EXPECT_EQ(National("OM", 3.25, 49, 18.25), 3.25);
}

TEST(SlalomTotal, BelowTheTopSpeedTheRopeIsNotLookedAt) {
  EXPECT_EQ(National("OM", 4, 52, 9.25), 10.0);
  EXPECT_EQ(National("OM", 4, 52, 10.75), 10.0);
}

TEST(SlalomTotal, ShortestRopeOfTheDivisionAtItsTopSpeed) {
  EXPECT_EQ(National("BU10", 2, 49, 10.75), 86.0);
  EXPECT_EQ(National("BU10", 2, 49, 10.25), std::nullopt);
  EXPECT_EQ(National("BU14", 1, 55, 10.25), 1 + 54 + 42.0);
  EXPECT_EQ(National("BU14", 1, 55, 9.75), std::nullopt);
  EXPECT_EQ(National("OM", 1, 58, 9.75), 1 + 18 + 48.0);
}

TEST(SlalomTotal, RopeOffTheLadderAtTopSpeedGivesNoTotal) {
  EXPECT_EQ(National("OM", 1, 58, 9.25), std::nullopt);
  EXPECT_EQ(National("OM", 1, 58, 12.5), std::nullopt);
}

TEST(SlalomTotal, SpeedsOffTheDivisionLadderGiveNoTotal) {
  EXPECT_EQ(National("OM", 2, 61, 18.25), std::nullopt);
  EXPECT_EQ(National("OM", 2, 47, 18.25), std::nullopt);
  // Below the division's starting speed.
  EXPECT_EQ(National("OM", 2, 46, 18.25), std::nullopt);
  EXPECT_EQ(National("W35", 2, 37, 18.25), std::nullopt);
  EXPECT_EQ(National("W35", 2, 40, 18.25), 2.0);
}

TEST(SlalomTotal, BuoysAboveSixGiveNoTotal) {
  EXPECT_EQ(National("OM", 6.5, 52, 18.25), std::nullopt);
  EXPECT_EQ(National("OM", 7, 58, 12.00), std::nullopt);
  EXPECT_EQ(National("OM", 6, 52, 18.25), 12.0);
}

TEST(SlalomTotal, RopeOnlyRowsUnderInternationalRules) {
  EXPECT_EQ(International("IM", 1.5, 58, 10.75), 37.5);
  EXPECT_EQ(International("IM", 1.5, 25, 10.75), 37.5);
  EXPECT_EQ(International("IM", 2, 40, 13.00), 20.0);
  EXPECT_EQ(International("MU21", 0, 58, 18.25), 0.0);
  EXPECT_EQ(International("IW", 1, 55, 9.25), std::nullopt);
}

TEST(SlalomTotal, SpeedRowsUnderInternationalRules) {
  EXPECT_EQ(International("W65", 3, 40, 18.25), 3.0);
  EXPECT_EQ(International("W65", 3, 49, 11.25), 3 + 18 + 30.0);
  EXPECT_EQ(International("MU17", 2, 58, 9.75), 2 + 6 + 48.0);
  EXPECT_EQ(International("MU17", 2, 52, 18.25), std::nullopt);
}

TEST(SlalomTotal, UnscoredDivisionsAndRuleSets) {
  for (const char* d : {"W2", "AM", "B1", "M3", "IM"})
    EXPECT_EQ(National(d, 2, 46, 18.25), std::nullopt) << d;
  EXPECT_EQ(ComputeSlalomTotal(kZetlRules, 60, 2, 46, 18.25), std::nullopt);
  EXPECT_EQ(ComputeSlalomTotal(kZetlRules, kNoDivision, 2, 49, 18.25), std::nullopt);
  EXPECT_EQ(International("OM", 2, 58, 12.00), std::nullopt);
  for (int rules : {int{kAwsaRules}, int{kAdaptedRules}})
    for (int division = 0; division <= kNoDivision; ++division)
      for (double speed : kSlalomSpeeds)
        EXPECT_EQ(ComputeSlalomTotal(rules, division, 2, speed, 12.00), std::nullopt)
            << rules << "/" << division;
}

TEST(SlalomTimes, ToleranceWindowEdgesAreInclusive) {
  EXPECT_TRUE(SlalomTimeAccepted(55, 6, 16.86));
  EXPECT_TRUE(SlalomTimeAccepted(55, 6, 17.04));
  EXPECT_FALSE(SlalomTimeAccepted(55, 6, 17.05));
  EXPECT_FALSE(SlalomTimeAccepted(55, 6, 16.85));
  EXPECT_TRUE(SlalomTimeAccepted(25, 0, 3.71));
  EXPECT_TRUE(SlalomTimeAccepted(25, 6, 38.70));
  EXPECT_TRUE(SlalomTimeAccepted(58, 0, 1.71));
  EXPECT_FALSE(SlalomTimeAccepted(58, 0, 1.72));
  EXPECT_TRUE(SlalomTimeAccepted(43, 3, 12.78));
  EXPECT_FALSE(SlalomTimeAccepted(43, 4, 12.78));
}

TEST(SlalomTimes, NoWindowOffTheLadder) {
  EXPECT_FALSE(SlalomTimeAccepted(50, 6, 17.00));
  EXPECT_FALSE(SlalomTimeAccepted(50, 0, 1.90));
  EXPECT_FALSE(SlalomTimeAccepted(55, 7, 17.00));
  EXPECT_FALSE(SlalomTimeAccepted(55, -1, 1.75));
}

TEST(NumericText, DigitsAndPointsOnly) {
  EXPECT_TRUE(IsNumericText("49"));
  EXPECT_TRUE(IsNumericText("17.04"));
  EXPECT_TRUE(IsNumericText("."));
  EXPECT_FALSE(IsNumericText(""));
  EXPECT_FALSE(IsNumericText(" 49"));
  EXPECT_FALSE(IsNumericText("-1"));
  EXPECT_FALSE(IsNumericText("4,9"));
  EXPECT_FALSE(IsNumericText("1e3"));
}

TEST(RunoffPlace, KeptInTheThousandthsAndReadBack) {
  EXPECT_DOUBLE_EQ(WithRunoff(30, 3), 29.998);
  EXPECT_EQ(RunoffPlaceOf(WithRunoff(30, 3)), 3);
  EXPECT_EQ(WithoutRunoff(WithRunoff(30, 3)), 30.0);
  EXPECT_EQ(RunoffPlaceOf(WithRunoff(44.5, 2)), 2);
  EXPECT_EQ(WithoutRunoff(WithRunoff(44.5, 2)), 44.5);
  EXPECT_EQ(RunoffPlaceOf(WithRunoff(7.25, 4)), 4);
  EXPECT_EQ(WithoutRunoff(WithRunoff(7.25, 4)), 7.25);
  // The winner's place leaves no trace; results of two decimals carry no place.
  EXPECT_EQ(WithRunoff(30, 1), 30.0);
  for (double plain : {30.0, 44.5, 30.99, 12.01, 0.0, 86.0}) EXPECT_EQ(RunoffPlaceOf(plain), 0) << plain;
  // Every place lowers the result the same way; up to place 10 it reads back.
  for (int place = 2; place <= 10; ++place) {
    EXPECT_DOUBLE_EQ(WithRunoff(30, place), 30 - (place - 1) * 0.001) << place;
    EXPECT_EQ(RunoffPlaceOf(WithRunoff(30, place)), place) << place;
    EXPECT_EQ(RunoffPlaceOf(WithRunoff(44.5, place)), place) << place;
    EXPECT_EQ(WithoutRunoff(WithRunoff(44.5, place)), 44.5) << place;
  }
  EXPECT_DOUBLE_EQ(WithRunoff(30, 12), 29.989);
  EXPECT_EQ(WithRunoff(30, 0), 30.0);
  EXPECT_EQ(WithRunoff(30, -2), 30.0);
}
