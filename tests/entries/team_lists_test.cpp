#include "entries/team_lists.h"

#include <gtest/gtest.h>

#include "core/divisions.h"

TEST(TeamLists, PerRuleSet) {
  std::vector<std::string> feds{"ARG", "AUS", "CAN"};
  auto national = TeamCodesOffered(kZetlRules, feds);
  ASSERT_EQ(national.size(), 12u);
  EXPECT_EQ(national.front(), "AB");
  EXPECT_EQ(national[7], "QC");
  EXPECT_EQ(national.back(), "INT");
  EXPECT_EQ(TeamCodesOffered(kAdaptedRules, feds), national);
  EXPECT_EQ(TeamCodesOffered(kAwsaRules, feds), std::vector<std::string>{"USA"});
  EXPECT_EQ(TeamCodesOffered(kIwwfRules, feds), (std::vector<std::string>{"IND*", "ARG", "AUS", "CAN"}));
  EXPECT_TRUE(PreselectsDefaultProvince(kZetlRules));
  EXPECT_TRUE(PreselectsDefaultProvince(kIwwfRules));
  EXPECT_FALSE(PreselectsDefaultProvince(kAwsaRules));
  EXPECT_EQ(IndexOfItem(national, "ON"), 6);
  EXPECT_EQ(IndexOfItem(national, "XYZ"), -1);
}
