#include "ui/tfrm_jump_rslt.h"

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

namespace {

int Div(const char* code) { return FindDivision(code).value(); }

struct JumpDialog : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  JumpDialog() {
    t.EventBase = dir.file("Nats");
    t.SettingsDir = dir.path();
    t.Working = MakeSkier(t, "LAKE", "Ann", Div("OW"), "J");
    t.CurDivision = Div("OW");
    t.CurEvent = 'J';
    t.CurRound = 1;
    t.RoundCount = 3;
  }
  std::string Log() const {
    std::ifstream in(dir.file("Natslog.log"), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void Save(int round, const char* ramp, const char* speed) {
    t.CurRound = round;
    TfrmJumpRslt m(t, p);
    m.FormShow();
    m.edJ1.text = "40";
    m.edJ2.text = "41";
    m.edJ3.text = "42";
    for (std::size_t i = 0; i < m.RampListBox.items.size(); ++i)
      if (m.RampListBox.items[i] == ramp) m.RampListBox.itemIndex = static_cast<int>(i);
    for (std::size_t i = 0; i < m.SpeedListBox.items.size(); ++i)
      if (m.SpeedListBox.items[i] == speed) m.SpeedListBox.itemIndex = static_cast<int>(i);
    m.btnSaveClick();
  }
};

}  // namespace

TEST_F(JumpDialog, CodesAreStoredAndShownBack) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  EXPECT_EQ(m.caption(), "Jump Results Input");
  EXPECT_TRUE(m.edJ1.focus);
  m.edJ1.text = "P";
  m.edJ2.text = "f";
  m.edJ3.text = "Dq";
  m.btnSaveClick();
  EXPECT_EQ(t.Working.JumpDistance[1][1], 0.01);
  EXPECT_EQ(t.Working.JumpDistance[2][1], 0.02);
  EXPECT_EQ(t.Working.JumpDistance[3][1], 0.03);
  t.Working.JumpDistance[3][1] = 0.04;
  TfrmJumpRslt reopened(t, p);
  reopened.FormShow();
  EXPECT_EQ(reopened.edJ1.text, "Pass");
  EXPECT_EQ(reopened.edJ2.text, "Fall");
  EXPECT_EQ(reopened.edJ3.text, "0.04");
  EXPECT_EQ(reopened.edTie.text, "");
}

TEST_F(JumpDialog, PreparesRampSpeedTimesBoatAndClass) {
  TSkier& s = t.Working;
  s.FirstName = "Ann";
  s.JumpRamp[1] = 0.25;
  s.JumpSpeed[1] = 50;
  s.JumpTime1[2][1] = "5.20";
  s.JumpTime2[2][1] = "3.30";
  s.TrickTime1[2][1] = "2.50";
  s.JumpBoat[1] = "CC";
  s.JumpClass[1] = "2";
  TfrmJumpRslt m(t, p);
  m.FormShow();
  EXPECT_EQ(m.edName.text, "Ann LAKE");
  EXPECT_EQ(m.RampListBox.current(), "0.255");
  EXPECT_EQ(m.SpeedListBox.current(), "45");
  EXPECT_EQ(m.edPT1[1].text, "5.20");
  EXPECT_EQ(m.edPT2[1].text, "3.30");
  EXPECT_EQ(m.edPT3[1].text, "2.50");
  EXPECT_EQ(m.edPT3[0].text, "0.00");
  EXPECT_EQ(m.edPSp[5].text, "57");
  EXPECT_EQ(m.BoatListBox.current(), "CC");
  EXPECT_EQ(m.ClassListBox.current(), "CRC");

  for (auto [ramp, item] : {std::pair{0.24, "0.235"}, std::pair{0.255, "0.255"}, std::pair{0.27, "0.266"}}) {
    s.JumpRamp[1] = ramp;
    m.Prepare();
    EXPECT_EQ(m.RampListBox.current(), item) << ramp;
  }
  for (auto [speed, item] :
       {std::pair{54.0, "54"}, std::pair{45.0, "45"}, std::pair{44.0, "<45"}, std::pair{42.0, "<45"}}) {
    s.JumpSpeed[1] = speed;
    m.Prepare();
    EXPECT_EQ(m.SpeedListBox.current(), item) << speed;
  }
}

TEST_F(JumpDialog, RampAndSpeedCarryToTheLaterRounds) {
  Save(2, "0.255", "<45");
  EXPECT_EQ(t.Working.JumpRamp[2], 0.255);
  EXPECT_EQ(t.Working.JumpRamp[3], 0.255);
  EXPECT_EQ(t.Working.JumpSpeed[3], 42.0);
  EXPECT_EQ(t.Working.JumpRamp[1], 0.235);
  EXPECT_EQ(t.Working.JumpRamp[4], 0.235);
  EXPECT_EQ(t.Working.JumpSpeed[4], 45.0);

  Save(3, "0.266", "51");
  EXPECT_EQ(t.Working.JumpRamp[3], 0.266);
  EXPECT_EQ(t.Working.JumpRamp[4], 0.235);
  EXPECT_EQ(t.Working.JumpSpeed[4], 45.0);

  Save(1, "0.235", "57");
  EXPECT_EQ(t.Working.JumpRamp[2], 0.235);
  EXPECT_EQ(t.Working.JumpRamp[3], 0.235);
  EXPECT_EQ(t.Working.JumpSpeed[3], 57.0);
  EXPECT_EQ(t.Working.JumpSpeed[4], 45.0);

  t.RoundCount = 1;
  Save(1, "0.266", "54");
  EXPECT_EQ(t.Working.JumpRamp[2], 0.235);
}

TEST_F(JumpDialog, OkWritesTheAuditLine) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edJ1.text = "41.5";
  m.edJ2.text = "F";
  m.edJ3.text = "42.8";
  m.edPT1[0].text = "5.20";
  m.edPT2[0].text = "3.30";
  m.edPT3[0].text = "2.50";
  m.edPT1[1].text = "5.21";
  m.edPT2[1].text = "3.31";
  m.edPT3[1].text = "2.51";
  m.edPT1[5].text = "5.2345";
  m.RampListBox.itemIndex = 0;
  m.SpeedListBox.itemIndex = 1;
  m.BoatListBox.itemIndex = 1;
  m.ClassListBox.itemIndex = 2;
  m.btnSaveClick();
  const TSkier& s = t.Working;
  EXPECT_EQ(s.JumpTime1[1][1], "5.20");
  EXPECT_EQ(s.JumpTime2[2][1], "3.31");
  EXPECT_EQ(s.TrickTime1[2][1], "2.51");
  EXPECT_EQ(s.JumpTime1[6][1], "5.234");
  EXPECT_EQ(s.JumpBoat[1], "MC");
  EXPECT_EQ(s.JumpClass[1], "3");
  EXPECT_EQ(s.JumpSpeed[1], 54.0);
  EXPECT_TRUE(t.Unsaved);
  EXPECT_TRUE(m.closeRequested());
  EXPECT_EQ(
      Log(),
      "04/07/2026, 09:05:03 LAKE,Ann OW Rnd1 5.20,3.30,2.50,41.5m 5.21,3.31,2.51,0.02m 0.00,0.00,0.00,42.8m, "
      "0.235/54\r\n");
}

TEST_F(JumpDialog, CheckTimesUsesTheSegmentWindows) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edPSp[0].text = "45";
  m.edPT1[0].text = "6.69";
  m.edPT2[0].text = "4.25";
  m.edPT3[0].text = "3.40";
  m.edPSp[1].text = "46";
  m.edPT1[1].text = "9.99";
  m.edPSp[2].text = "42";
  m.edPT1[2].text = "1.00";
  m.edPT3[3].red = true;  // "0.00" is not looked at
  m.CheckButtonClick();
  EXPECT_TRUE(m.edPT1[0].red);
  EXPECT_FALSE(m.edPT2[0].red);
  EXPECT_TRUE(m.edPT3[0].red);
  EXPECT_FALSE(m.edPT1[1].red);
  EXPECT_FALSE(m.edPT1[2].red);
  EXPECT_TRUE(m.edPT3[3].red);
  m.edPT1[0].text = "6.68";
  m.CheckButtonClick();
  EXPECT_FALSE(m.edPT1[0].red);
  EXPECT_TRUE(tp.prompter.shown.empty());

  m.edPT1[0].text = "6.69";
  m.edPT2[4].text = "";
  m.CheckButtonClick();
  EXPECT_TRUE(tp.prompter.saw("Speed/Time input must be numeric only!"));
  EXPECT_FALSE(m.edPT1[0].red);
}

TEST_F(JumpDialog, RunoffGoesOnTheLongestJumpOnceAndIsReadBack) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edJ1.text = "41.5";
  m.edJ2.text = "f";
  m.edJ3.text = "42.8";
  m.edTie.text = "2";
  m.btnSaveClick();
  EXPECT_DOUBLE_EQ(t.Working.JumpDistance[3][1], 42.799);
  EXPECT_EQ(t.Working.JumpDistance[1][1], 41.5);
  const double stored = t.Working.JumpDistance[3][1];

  TfrmJumpRslt reopened(t, p);
  reopened.FormShow();
  EXPECT_EQ(reopened.edTie.text, "2");
  EXPECT_EQ(reopened.edJ3.text, "42.8");
  reopened.btnSaveClick();
  EXPECT_EQ(t.Working.JumpDistance[3][1], stored);

  // The best jump need not be the last one; it is the one that ranks.
  TfrmJumpRslt first(t, p);
  first.FormShow();
  first.edJ1.text = "44";
  first.edJ3.text = "42";
  first.edTie.text = "3";
  first.btnSaveClick();
  EXPECT_DOUBLE_EQ(t.Working.JumpDistance[1][1], 43.998);
  EXPECT_EQ(t.Working.JumpDistance[3][1], 42.0);
  TfrmJumpRslt again(t, p);
  again.FormShow();
  EXPECT_EQ(again.edTie.text, "3");
  EXPECT_EQ(again.edJ1.text, "44");
  EXPECT_EQ(again.edJ3.text, "42");
}

TEST_F(JumpDialog, RunoffWithNoDistanceLeavesTheCodes) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edJ1.text = "F";
  m.edJ2.text = "F";
  m.edJ3.text = "F";
  m.edTie.text = "2";
  m.btnSaveClick();
  EXPECT_EQ(t.Working.JumpDistance[3][1], 0.02);
}

TEST_F(JumpDialog, EntryThatIsNoNumberStopsWithTheEarlierJumpsStored) {
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edJ1.text = "38.5";
  m.edJ2.text = "abc";
  m.edJ3.text = "40";
  EXPECT_FALSE(RunHandler(tp.prompter, [&] { m.btnSaveClick(); }));
  EXPECT_TRUE(tp.prompter.saw("'abc' is not a valid number"));
  EXPECT_EQ(t.Working.JumpDistance[1][1], 38.5);
  EXPECT_EQ(t.Working.JumpDistance[2][1], 0.0);
  EXPECT_EQ(t.Working.JumpDistance[3][1], 0.0);
  EXPECT_FALSE(t.Unsaved);
  EXPECT_FALSE(m.closeRequested());
  EXPECT_EQ(Log(), "");
}

TEST_F(JumpDialog, NationalRecordCheckUsesTheBestJump) {
  std::ofstream(dir.file("TALLIVAR.INI")) << "[TALLIVAR]\r\n";
  t.tables.Records[static_cast<std::size_t>(Div("OW"))][2] = 42;
  t.info.ClassDigit = '4';
  TfrmJumpRslt m(t, p);
  m.FormShow();
  m.edJ1.text = "42.5";
  m.edJ2.text = "P";
  m.edJ3.text = "30";
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Possible Canadian Record!! May require a Record Application"));
  tp.prompter.clear();
  TfrmJumpRslt shorter(t, p);
  shorter.FormShow();
  shorter.edJ1.text = "41.9";
  shorter.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(JumpDialog, KeyboardOrderAndHelp) {
  TfrmJumpRslt m(t, p);
  FormLayout form;
  m.Describe(form);
  std::vector<std::string> order;
  for (const auto& item : form.items)
    if (item.kind == FormItem::Kind::Edit || item.kind == FormItem::Kind::ListBox)
      order.push_back(item.caption);
  ASSERT_GE(order.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(order.begin() + 1, order.begin() + 6),
            (std::vector<std::string>{"Jump 1", "Jump2", "Jump 3", "Ramp", "Speed"}));
  const FormItem* ok = form.Find("OK");
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->isDefault);
  form.Find("Help")->onClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{41});
}

TEST_F(JumpDialog, ResultListOpensIt) {
  tp.dialogs.Expect<TfrmJumpRslt>([](TfrmJumpRslt& m) {
    m.edJ1.text = "35";
    m.btnSaveClick();
  });
  ShowResultDialog(t, p, 'J');
  EXPECT_EQ(t.Working.JumpDistance[1][1], 35.0);
  EXPECT_TRUE(tp.dialogs.script.empty());
}
