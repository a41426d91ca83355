// "Current Activity Settings": the division lists of the rule sets and how a choice is taken.
#include "ui/tfrm_options.h"

#include <gtest/gtest.h>

#include "core/work_list.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

class Options : public ::testing::Test {
 protected:
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void Show(TfrmOptions& m) {
    m.ResetClose();
    m.FormShow();
  }
  int ItemOf(const TfrmOptions& m, const std::string& text) {
    for (std::size_t i = 0; i < m.lbDivList.items.size(); ++i)
      if (m.lbDivList.items[i] == text) return static_cast<int>(i);
    return -1;
  }
  void Pick(TfrmOptions& m, const std::string& text) {
    m.lbDivList.itemIndex = ItemOf(m, text);
    ASSERT_GE(m.lbDivList.itemIndex, 0) << text;
    m.lbDivListClick();
  }
};

TEST(SelectionStatus, ShowsCodeEventAndRoundSeparatedByTabs) {
  Tournament t;
  t.CurDivision = *FindDivision("MU17");
  t.CurEvent = 'S';
  t.CurRound = 1;
  EXPECT_EQ(SelectionStatusText(t), "Div:MU17\t   Event:S\t   Round:1");
}

TEST_F(Options, IwwfListHasSixteenItemsAndImSelectsIm) {
  t.settings.RulesMode = kIwwfRules;
  AddSkier(t, p, "SMITH", "John", Div("IM"));
  TfrmOptions m(t, p);
  Show(m);
  ASSERT_EQ(m.lbDivList.items.size(), 16u);
  EXPECT_EQ(m.lbDivList.items.front(), "BU14");
  EXPECT_EQ(m.lbDivList.items.back(), "W65+");
  Pick(m, "IM");
  m.btnSaveClick();
  EXPECT_EQ(t.CurDivision, Div("IM"));
  EXPECT_EQ(StartOrder(t, t.Selected()).skiers.size(), 1u) << "the new division's skier starts";
  EXPECT_EQ(SelectionStatusText(t), "Div:IM\t   Event:S\t   Round:1");
  EXPECT_TRUE(m.closeRequested());
}

TEST_F(Options, AwsaListHasFortySixItemsEachSelectingTheDivisionItShows) {
  t.settings.RulesMode = kAwsaRules;
  TfrmOptions m(t, p);
  Show(m);
  ASSERT_EQ(m.lbDivList.items.size(), 46u);
  const std::vector<std::string> firstSix{"B1", "G1", "B2", "G2", "B3", "G3"};
  EXPECT_EQ(std::vector<std::string>(m.lbDivList.items.begin(), m.lbDivList.items.begin() + 6), firstSix);
  EXPECT_EQ(m.lbDivList.items[6], "M1");
  EXPECT_EQ(m.lbDivList.items.back(), "IW");
  for (const std::string& text : std::vector<std::string>(m.lbDivList.items)) {
    Show(m);
    Pick(m, text);
    m.btnSaveClick();
    EXPECT_EQ(DivisionCode(t.CurDivision), text);
  }
}

TEST_F(Options, ZetlListMapsPlusItemsToTheirDivisions) {
  t.CurDivision = Div("M35");
  TfrmOptions m(t, p);
  Show(m);
  ASSERT_EQ(m.lbDivList.items.size(), 32u);
  EXPECT_EQ(m.lbDivList.items.front(), "BU10");
  EXPECT_EQ(m.lbDivList.items.back(), "OW");
  EXPECT_FALSE(m.lbDivList.selected()) << "no item equals the code M35";
  Pick(m, "W55+");
  m.btnSaveClick();
  EXPECT_EQ(t.CurDivision, Div("W55"));

  Show(m);
  EXPECT_FALSE(m.lbDivList.selected());
  Pick(m, "GU12");
  m.btnSaveClick();
  Show(m);
  EXPECT_EQ(m.lbDivList.current(), "GU12");
}

TEST_F(Options, CurrentDivisionAndEventAndRoundArePreselected) {
  t.settings.RulesMode = kAdaptedRules;
  t.CurDivision = Div("WMP2");
  t.CurEvent = 'J';
  t.CurRound = 4;
  TfrmOptions m(t, p);
  Show(m);
  ASSERT_EQ(m.lbDivList.items.size(), 26u);
  EXPECT_EQ(m.lbDivList.items[1], "WMP1");
  EXPECT_EQ(m.lbDivList.current(), "WMP2");
  EXPECT_EQ(m.rgEvent.itemIndex, 2);
  EXPECT_EQ(m.rgRound.itemIndex, 3);
  // Applying the preselected item keeps the division.
  m.btnSaveClick();
  EXPECT_EQ(t.CurDivision, Div("WMP2"));
}

TEST_F(Options, EventAndRoundAreTakenAtOnceButTheDivisionOnlyOnApply) {
  t.CurDivision = Div("M");
  t.RoundCount = 3;
  TfrmOptions m(t, p);
  Show(m);
  m.rgEvent.itemIndex = 1;
  m.rgEventClick();
  EXPECT_EQ(t.CurEvent, 'T');
  EXPECT_EQ(SelectionStatusText(t), "Div:M\t   Event:T\t   Round:1");
  m.rgRound.itemIndex = 2;
  m.rgRoundClick();
  Pick(m, "WU17");
  // Closed with the window's close box: no Apply.
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(t.CurEvent, 'T');
  EXPECT_EQ(t.CurRound, 3);
  EXPECT_EQ(t.CurDivision, Div("M"));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(Options, RoundBeyondTheSetupIsWarnedAboutAndStillTaken) {
  t.RoundCount = 2;
  TfrmOptions m(t, p);
  Show(m);
  m.rgRound.itemIndex = 2;
  m.rgRoundClick();
  EXPECT_TRUE(tp.prompter.saw("Round selection not in Tournament setup!"));
  EXPECT_EQ(t.CurRound, 3);
  EXPECT_EQ(SelectionStatusText(t), "Div:M\t   Event:S\t   Round:3");
}

TEST_F(Options, ApplyWithoutADivisionChangesNothing) {
  t.CurDivision = Div("M35");
  TfrmOptions m(t, p);
  Show(m);
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Division Not Selected!"));
  EXPECT_EQ(t.CurDivision, Div("M35"));
  EXPECT_EQ(SelectionStatusText(t), "Div:M35\t   Event:S\t   Round:1");
  EXPECT_FALSE(m.closeRequested());
}

TEST_F(Options, HelpShowsTopicFive) {
  TfrmOptions m(t, p);
  Show(m);
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{5});
}

}  // namespace
