// The help window's model and its topic texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "help/help_topics.h"
#include "ui/tfrm_help.h"

TEST(HelpWindow, ShowsATopicInAReadOnlyMemoAndCloses) {
  TfrmHelp help(kHelpEventResults);
  EXPECT_EQ(help.caption(), "Tallivar Help");
  EXPECT_TRUE(help.Memo1.readOnly);
  ASSERT_FALSE(help.Memo1.lines.empty());
  EXPECT_EQ(help.Memo1.lines[0], "Entering an Event Result");
  FormLayout form;
  help.Describe(form);
  ASSERT_NE(form.Find("Close"), nullptr);
  form.Find("Close")->onClick();
  EXPECT_TRUE(help.closeRequested());
}

TEST(HelpWindow, EveryTopicTheDialogsNameHasItsOwnText) {
  // The numbers the dialogs' Help buttons and the main menu use.
  for (int topic : {1, 5, 6, 20, 21, 22, 40, 41, 43, 44, 48, 401, 411, 412})
    EXPECT_TRUE(HasHelpTopic(topic)) << topic;
  std::vector<int> seen;
  for (const auto& topic : HelpTopics()) {
    EXPECT_EQ(std::count(seen.begin(), seen.end(), topic.number), 0) << "topic " << topic.number << " twice";
    seen.push_back(topic.number);
    EXPECT_GT(HelpTopicLines(topic.number).size(), 3u) << topic.number;
  }
}

TEST(HelpWindow, AnUnknownTopicShowsTheGeneralText) {
  EXPECT_FALSE(HasHelpTopic(9999));
  auto lines = HelpTopicLines(9999);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "Tallivar Help");
  TfrmHelp import(kHelpImportLayout);
  EXPECT_EQ(import.Memo1.lines[0], "SKIER IMPORT");
}
