// The help texts carry the wordings the program promises elsewhere, word for word.
#include <gtest/gtest.h>

#include <string>

#include "help/help_topics.h"

namespace {

std::string TextOf(int topic) {
  std::string all;
  for (const auto& line : HelpTopicLines(topic)) all += line + "\n";
  return all;
}

}  // namespace

TEST(HelpTexts, CarryTheRuleSetWordingsAndTheSettingsWarnings) {
  const struct {
    int topic;
    const char* wording;
  } cases[] = {
      {kHelpOverallRules, "ZETL Rules 1000pt overall scoring."},
      {kHelpOverallRules, "AWSA Rules 1000pt overall scoring."},
      {kHelpOverallRules, "IWWF Rules 1000pt overall scoring."},
      {kHelpOverallRules, "Adapted based overall scoring."},
      {kHelpPreferences, "WARNING-DO NOT change settings after entering results!"},
      {kHelpPreferences, "Scoring errors may occur."},
      {kHelpOverallRules, "WARNING-DO NOT change settings after entering results!"},
  };
  for (const auto& c : cases) EXPECT_NE(TextOf(c.topic).find(c.wording), std::string::npos) << c.wording;
  EXPECT_EQ(TextOf(kHelpOverallRules).find("performance standards"), std::string::npos);
}
