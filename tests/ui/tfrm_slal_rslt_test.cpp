#include "ui/tfrm_slal_rslt.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/divisions.h"
#include "core/errors.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/result_dialogs.h"
#include "ui/run_handler.h"
#include "ui/tfrm_result_list.h"

namespace {

int Div(const char* code) { return FindDivision(code).value(); }

int IndexOf(const ListBox& l, const std::string& item) {
  for (std::size_t i = 0; i < l.items.size(); ++i)
    if (l.items[i] == item) return static_cast<int>(i);
  ADD_FAILURE() << "no item " << item;
  return -1;
}

struct SlalomDialog : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  SlalomDialog() {
    t.EventBase = dir.file("Nats");
    t.SettingsDir = dir.path();
    t.Working = MakeSkier(t, "LAKE", "Ann", Div("OW"), "S");
    t.CurDivision = Div("OW");
    t.CurRound = 1;
  }
  std::string Log() const {
    std::ifstream in(dir.file("Natslog.log"), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void Choose(TfrmSlalRslt& m, const std::string& speed, const std::string& rope) {
    m.SpeedListBox.itemIndex = IndexOf(m.SpeedListBox, speed);
    m.edSpeedExit();
    m.RopeListBox.itemIndex = IndexOf(m.RopeListBox, rope);
    m.edRopeExit();
  }
};

}  // namespace

TEST_F(SlalomDialog, PreparesFromTheEditRecord) {
  TSkier& s = t.Working;
  s.SlalomBuoys[2] = 3.5;
  s.SlalomSpeed[2] = 47;
  s.SlalomRope[2] = 9.25;
  s.SlalomScore[2] = 9.5;
  s.SlalomTime1[1][2] = "17.01";
  s.SlalomTime1[8][2] = "16.99";
  s.SlalomBoat[2] = "MC";
  s.SlalomClass[2] = "3";
  t.CurRound = 2;
  TfrmSlalRslt m(t, p);
  m.FormShow();
  EXPECT_EQ(m.caption(), "Slalom Scores Input");
  EXPECT_EQ(m.edName.text, "Ann LAKE");
  EXPECT_EQ(m.edPass.text, "3.5");
  EXPECT_EQ(m.SpeedListBox.current(), "25");
  EXPECT_EQ(m.RopeListBox.current(), "18.25");
  EXPECT_EQ(m.edSlTotal.text, " 9.5");
  EXPECT_EQ(m.edTie.text, "");
  EXPECT_EQ(m.edPT1[0].text, "17.01");
  EXPECT_EQ(m.edPT1[1].text, "0.00");
  EXPECT_EQ(m.edPT1[7].text, "16.99");
  EXPECT_EQ(m.edPSc[3].text, "0");
  EXPECT_EQ(m.edPSp[3].text, "49");
  EXPECT_EQ(m.BoatListBox.current(), "MC");
  EXPECT_EQ(m.ClassListBox.current(), "WRL");
  EXPECT_TRUE(m.edPass.focus);

  s.SlalomSpeed[2] = 34;
  s.SlalomRope[2] = 10.75;
  s.SlalomBoat[2] = "QQ";
  s.SlalomClass[2] = "9";
  m.Prepare();
  EXPECT_EQ(m.SpeedListBox.current(), "34");
  EXPECT_EQ(m.RopeListBox.current(), "10.75");
  EXPECT_EQ(m.BoatListBox.current(), "XX");
  EXPECT_EQ(m.ClassListBox.current(), "1");
}

TEST_F(SlalomDialog, RopeListOffersTheLadderOnly) {
  TfrmSlalRslt m(t, p);
  EXPECT_EQ(m.RopeListBox.items, (std::vector<std::string>{"18.25", "16.00", "14.25", "13.00", "12.00",
                                                           "11.25", "10.75", "10.25", "9.75"}));
  EXPECT_EQ(m.SpeedListBox.items.front(), "58");
  EXPECT_EQ(m.SpeedListBox.items.back(), "25");
  EXPECT_EQ(m.SpeedListBox.items.size(), 12u);
}

TEST_F(SlalomDialog, LeavingAFieldRecomputesTheTotalAtOnce) {
  t.Working.Division = static_cast<std::uint8_t>(Div("OM"));
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPass.text = "2.5";
  m.edPassExit();
  EXPECT_EQ(t.Working.SlalomBuoys[1], 2.5);
  Choose(m, "58", "12.00");
  EXPECT_EQ(t.Working.SlalomSpeed[1], 58);
  EXPECT_EQ(t.Working.SlalomRope[1], 12.0);
  EXPECT_EQ(t.Working.SlalomScore[1], 44.5);
  EXPECT_EQ(m.edSlTotal.text, "44.5");
  // No total for 6.5 buoys: the last one stays and is shown.
  m.edPass.text = "6.5";
  m.edPassExit();
  EXPECT_EQ(t.Working.SlalomBuoys[1], 6.5);
  EXPECT_EQ(t.Working.SlalomScore[1], 44.5);
  EXPECT_EQ(m.edSlTotal.text, "44.5");
  m.edPass.text = "4";
  m.edPassExit();
  EXPECT_EQ(m.edSlTotal.text, "46");
  m.SpeedListBox.itemIndex = IndexOf(m.SpeedListBox, "52");
  m.edSpeedExit();
  EXPECT_EQ(t.Working.SlalomScore[1], 10.0);
  EXPECT_EQ(m.edSlTotal.text, "10");
  m.SpeedListBox.itemIndex = IndexOf(m.SpeedListBox, "49");
  m.edSpeedExit();
  EXPECT_EQ(m.edSlTotal.text, " 4");
}

TEST_F(SlalomDialog, NoSelectionMeansTheSlowestSpeedAndLongestRope) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.SpeedListBox.itemIndex = -1;
  m.edSpeedExit();
  m.RopeListBox.itemIndex = -1;
  m.edRopeExit();
  EXPECT_EQ(t.Working.SlalomSpeed[1], 25);
  EXPECT_EQ(t.Working.SlalomRope[1], 18.25);
}

TEST_F(SlalomDialog, UnscoredDivisionKeepsTheTypedTotal) {
  t.Working.Division = static_cast<std::uint8_t>(Div("W2"));
  t.Working.SlalomScore[1] = 12.5;
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPass.text = "3";
  m.edPassExit();
  Choose(m, "55", "16.00");
  EXPECT_EQ(t.Working.SlalomScore[1], 12.5);
  EXPECT_EQ(m.edSlTotal.text, "12.5");
}

TEST_F(SlalomDialog, CheckPassTimesColoursEachTime) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPSp[0].text = "55";
  m.edPT1[0].text = "17.04";
  m.edPSc[0].text = "6";
  m.edPSp[1].text = "55";
  m.edPT1[1].text = "17.05";
  m.edPSc[1].text = "6";
  m.edPSp[2].text = "50";
  m.edPT1[2].text = "17.00";
  m.edPSc[2].text = "6";
  // "5.5" counts five full buoys: 15.10 is in the 5-buoy window at 55.
  m.edPSp[3].text = "55";
  m.edPT1[3].text = "15.10";
  m.edPSc[3].text = "5.5";
  m.edPT1[4].red = true;  // "0.00" is not looked at
  m.edPT1[0].red = true;  // a time back in its window turns normal again
  m.CheckButtonClick();
  EXPECT_FALSE(m.edPT1[0].red);
  EXPECT_TRUE(m.edPT1[1].red);
  EXPECT_TRUE(m.edPT1[2].red);
  EXPECT_FALSE(m.edPT1[3].red);
  EXPECT_TRUE(m.edPT1[4].red);
  EXPECT_FALSE(m.edPT1[5].red);
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(t.Working.SlalomTime1[1][1], "0.00");
}

TEST_F(SlalomDialog, CheckPassTimesWithAnEmptyFieldColoursNothing) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPSp[0].text = "55";
  m.edPT1[0].text = "17.05";
  m.edPSc[0].text = "6";
  m.edPSc[6].text = "";
  m.CheckButtonClick();
  EXPECT_TRUE(tp.prompter.saw("Speed/Time input must be numeric only!"));
  EXPECT_FALSE(m.edPT1[0].red);
  m.edPSc[6].text = "0";
  m.edPSp[2].text = "4 9";
  tp.prompter.clear();
  m.CheckButtonClick();
  EXPECT_TRUE(tp.prompter.saw("Speed/Time input must be numeric only!"));
  EXPECT_FALSE(m.edPT1[0].red);
}

TEST_F(SlalomDialog, OkStoresTheRoundAndWritesTheAuditLine) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPT1[0].text = "17.04";
  m.edPT1[1].text = "17.00";
  m.edPT1[7].text = "16.955";
  m.edPass.text = "2.5";
  m.edPassExit();
  Choose(m, "55", "12.00");
  EXPECT_EQ(m.edSlTotal.text, "44.5");
  m.BoatListBox.itemIndex = 2;
  m.ClassListBox.itemIndex = 3;
  m.btnSaveClick();
  const TSkier& s = t.Working;
  EXPECT_EQ(s.SlalomScore[1], 44.5);
  EXPECT_EQ(s.SlalomBuoys[1], 2.5);
  EXPECT_EQ(s.SlalomTime1[1][1], "17.04");
  EXPECT_EQ(s.SlalomTime1[8][1], "16.95");
  EXPECT_EQ(s.SlalomBoat[1], "ML");
  EXPECT_EQ(s.SlalomClass[1], "4");
  EXPECT_TRUE(t.Unsaved);
  EXPECT_TRUE(m.closeRequested());
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(Log(),
            "04/07/2026, 09:05:03 LAKE,Ann OW Rnd1 17.04,17.00,0.00,0.00,0.00,0.00,44.5 2.5@12/55\r\n");
}

TEST_F(SlalomDialog, OkTakesTheTotalAsTyped) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPass.text = "2.5";
  m.edPassExit();
  Choose(m, "55", "12.00");
  m.edSlTotal.text = "38.5";
  m.btnSaveClick();
  EXPECT_EQ(t.Working.SlalomScore[1], 38.5);
}

TEST_F(SlalomDialog, SlowPassWithAHighScoreAsksForARecheckAndSaves) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPass.text = "3";
  m.SpeedListBox.itemIndex = IndexOf(m.SpeedListBox, "28");
  m.RopeListBox.itemIndex = IndexOf(m.RopeListBox, "16.00");
  m.edSlTotal.text = " 3";
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Please re-check score/rope/speed values for this skier!"));
  EXPECT_TRUE(m.closeRequested());
  EXPECT_EQ(t.Working.SlalomSpeed[1], 28);
  EXPECT_EQ(t.Working.SlalomRope[1], 16.0);
  tp.prompter.clear();
  TfrmSlalRslt again(t, p);
  again.FormShow();
  again.SpeedListBox.itemIndex = IndexOf(again.SpeedListBox, "31");
  again.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(SlalomDialog, NationalRecordCheckOnlyInRankedClasses) {
  std::ofstream(dir.file("TALLIVAR.INI")) << "[TALLIVAR]\r\n";
  t.tables.Records[static_cast<std::size_t>(Div("OW"))][0] = 40;
  t.Working.SlalomSpeed[1] = 55;
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edSlTotal.text = "44.5";
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());  // class 1

  t.info.ClassDigit = '3';
  TfrmSlalRslt ranked(t, p);
  ranked.FormShow();
  ranked.edSlTotal.text = "44.5";
  ranked.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Possible Canadian Record!! May require a Record Application"));

  tp.prompter.clear();
  t.settings.RulesMode = kIwwfRules;
  TfrmSlalRslt other(t, p);
  other.FormShow();
  other.edSlTotal.text = "44.5";
  other.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(SlalomDialog, RunoffPlaceIsAppliedOnceAndReadBack) {
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edSlTotal.text = "30";
  m.edTie.text = "3";
  m.btnSaveClick();
  EXPECT_DOUBLE_EQ(t.Working.SlalomScore[1], 29.998);
  const double stored = t.Working.SlalomScore[1];
  EXPECT_NE(Log().find(",29.998 "), std::string::npos);

  TfrmSlalRslt reopened(t, p);
  reopened.FormShow();
  EXPECT_EQ(reopened.edTie.text, "3");
  EXPECT_EQ(reopened.edSlTotal.text, "30");
  reopened.btnSaveClick();
  EXPECT_EQ(t.Working.SlalomScore[1], stored);

  // Taking the place out restores the announced total.
  TfrmSlalRslt cleared(t, p);
  cleared.FormShow();
  cleared.edTie.text = "";
  cleared.btnSaveClick();
  EXPECT_EQ(t.Working.SlalomScore[1], 30.0);
}

TEST_F(SlalomDialog, RunoffPlacesTwoAndFourReadBack) {
  for (auto [place, total] : {std::pair{"2", "44.5"}, std::pair{"4", " 7.25"}, std::pair{"7", "30"}}) {
    TfrmSlalRslt m(t, p);
    m.FormShow();
    m.edSlTotal.text = total;
    m.edTie.text = place;
    m.btnSaveClick();
    TfrmSlalRslt reopened(t, p);
    reopened.FormShow();
    EXPECT_EQ(reopened.edTie.text, place);
    EXPECT_EQ(reopened.edSlTotal.text, total);
  }
}

TEST_F(SlalomDialog, NumberThatDoesNotConvertStopsWithTheStepsBeforeItDone) {
  t.Working.SlalomScore[1] = 12;
  TfrmSlalRslt m(t, p);
  m.FormShow();
  m.edPass.text = "abc";
  EXPECT_FALSE(RunHandler(tp.prompter, [&] { m.edPassExit(); }));
  EXPECT_TRUE(tp.prompter.saw("'abc' is not a valid number"));

  m.edPass.text = "2";
  m.SpeedListBox.itemIndex = IndexOf(m.SpeedListBox, "52");
  m.edSlTotal.text = "20";
  m.edTie.text = "x";
  m.edPT1[0].text = "15.00";
  EXPECT_FALSE(RunHandler(tp.prompter, [&] { m.btnSaveClick(); }));
  EXPECT_EQ(t.Working.SlalomBuoys[1], 2.0);
  EXPECT_EQ(t.Working.SlalomScore[1], 20.0);
  EXPECT_EQ(t.Working.SlalomSpeed[1], 52.0);
  EXPECT_EQ(t.Working.SlalomTime1[1][1], "0.00");
  EXPECT_FALSE(t.Unsaved);
  EXPECT_FALSE(m.closeRequested());
  EXPECT_EQ(Log(), "");

  m.edPass.text = "abc";
  try {
    m.btnSaveClick();
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid number");
  }
}

TEST_F(SlalomDialog, HelpOpensTheResultsInputTopic) {
  TfrmSlalRslt m(t, p);
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{41});
}

TEST_F(SlalomDialog, WholeResultFromTheKeyboardInTabOrder) {
  // Walks the controls the way Tab does, as the view wires them, and presses Enter at the end.
  t.Working.Division = static_cast<std::uint8_t>(Div("OM"));
  TfrmSlalRslt m(t, p);
  m.FormShow();
  FormLayout form;
  m.Describe(form);
  std::vector<std::string> order;
  const FormItem* ok = nullptr;
  for (const auto& item : form.items) {
    if (item.kind == FormItem::Kind::Edit || item.kind == FormItem::Kind::ListBox)
      order.push_back(item.caption);
    if (item.isDefault) ok = &item;
  }
  ASSERT_GE(order.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(order.begin() + 1, order.begin() + 5),
            (std::vector<std::string>{"Last Pass", "Final Speed", "Final Rope", "Slalom Total"}));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->caption, "OK");

  m.edPass.text = "2.5";
  form.Find("Last Pass")->onExit();
  m.SpeedListBox.itemIndex = 0;
  form.Find("Final Speed")->onClick();
  m.RopeListBox.itemIndex = 4;
  form.Find("Final Rope")->onClick();
  EXPECT_EQ(m.edSlTotal.text, "44.5");
  ok->onClick();
  EXPECT_EQ(t.Working.SlalomScore[1], 44.5);
  EXPECT_TRUE(m.closeRequested());
}

TEST_F(SlalomDialog, ResultListOpensItForSlalomAndJump) {
  EXPECT_TRUE(HasResultDialog('S'));
  EXPECT_TRUE(HasResultDialog('J'));
  EXPECT_FALSE(HasResultDialog('X'));
  t.Working.SlalomScore[1] = 44.5;
  tp.dialogs.Expect<TfrmSlalRslt>([](TfrmSlalRslt& m) {
    EXPECT_EQ(m.edSlTotal.text, "44.5");
    m.edSlTotal.text = "40";
    m.btnSaveClick();
  });
  ShowResultDialog(t, p, 'S');
  EXPECT_EQ(t.Working.SlalomScore[1], 40.0);
  EXPECT_TRUE(tp.dialogs.script.empty());
}

TEST_F(SlalomDialog, ResultFromTheResultListPlacesTheSkier) {
  TSkier& first = AddSkier(t, p, "ABEL", "Al", Div("OM"), "S");
  first.SlalomScore[1] = 10;
  AddSkier(t, p, "BRANT", "Bo", Div("OM"), "S");
  t.CurDivision = Div("OM");
  t.CurEvent = 'S';
  TfrmResultList list(t, p);
  list.FormShow();
  ASSERT_EQ(list.lbResult.items.size(), 2u);
  int brant = list.lbResult.items[0] == "Bo BRANT" ? 0 : 1;
  list.lbResult.itemIndex = brant;
  list.lbResultClick();
  tp.dialogs.Expect<TfrmSlalRslt>([this](TfrmSlalRslt& m) {
    EXPECT_EQ(m.edName.text, "Bo BRANT");
    m.edPass.text = "2.5";
    m.edPassExit();
    Choose(m, "58", "12.00");
    m.btnSaveClick();
  });
  list.btnEditClick();
  EXPECT_TRUE(tp.dialogs.script.empty());
  for (const auto& s : SkierNodes(t)) {
    if (s.Surname == "BRANT") {
      EXPECT_EQ(s.SlalomScore[1], 44.5);
      EXPECT_EQ(s.SlalomPlace, 1);
    }
    if (s.Surname == "ABEL") {
      EXPECT_EQ(s.SlalomPlace, 2);
    }
  }
  EXPECT_NE(Log().find("BRANT,Bo OM Rnd1 "), std::string::npos);
}
