#include "ui/tfrm_tour_info.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/work_list.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/setup_lists.h"

namespace {

struct TourInfoTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TourInfoTest() {
    t.SettingsDir = dir.path();
    t.EventBase = dir.file("Nats");
    std::string ini = "[TALLIVAR]\r\nCountry = CAN\r\n\r\n[VOND]\r\n;Records 2026\r\n";
    for (int d = 0; d < 50; ++d) ini += "D    12.50 09000 55.0\r\n";
    std::ofstream(dir.file("TALLIVAR.INI"), std::ios::binary) << ini;
  }
  std::string Log() {
    std::ifstream in(dir.file("Natslog.log"), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  // Opens the dialog, then fills the fields a scorer must fill to complete it.
  void Fill(TfrmTourInfo& m) {
    m.FormShow();
    m.edtName.text = "Summer Classic";
    m.edtSDate.text = "20260704";
    m.edtReg.text = "26CAN014";
  }
};

TEST_F(TourInfoTest, ShowPutsTheValuesIntoTheControls) {
  t.info.EventName = "Provincials";
  t.info.EventType = "E";
  t.settings.RulesMode = kAwsaRules;
  t.settings.PlaceMode = 'T';
  t.settings.TeamMode = "SUM";
  t.settings.SiteCode = "CAN7733";
  t.RoundCount = 3;
  TfrmTourInfo m(t, p);
  m.Changed = true;
  m.FormShow();
  EXPECT_EQ(m.caption(), "Tournament Setup");
  EXPECT_EQ(m.edtName.text, "Provincials");
  EXPECT_EQ(m.edtSDate.text, "YYYYMMDD");
  EXPECT_EQ(m.edtReg.text, "YYCAN00");
  EXPECT_EQ(m.RadioGroup1.itemIndex, 2);
  EXPECT_EQ(m.RadioGroup2.itemIndex, 2);  // AWSA is the third choice
  EXPECT_EQ(m.RadioGroup3.itemIndex, 2);
  EXPECT_EQ(m.RadioGroup4.itemIndex, 3);
  ASSERT_EQ(m.EvTypeList.items.size(), 4u);
  EXPECT_EQ(m.EvTypeList.current(), "E - AWSA Record");
  EXPECT_EQ(m.SiteCodeList.current(), "CAN7733 - Predator Bay, Calgary");
  EXPECT_FALSE(m.Changed);
  EXPECT_EQ(m.edtName.maxLength, 80);
  EXPECT_EQ(m.edtEDate.maxLength, 8);
  EXPECT_EQ(m.edtReg.maxLength, 8);
}

TEST_F(TourInfoTest, ShowMapsModesAndIwwfForcesItsOwn) {
  struct Case {
    char place;
    const char* team;
    int placeItem;
    int teamItem;
  };
  for (Case c : {Case{'L', "BEST3", 0, 2}, Case{'B', "IWSF", 1, 1}, Case{'F', "VOND", 3, 0}, Case{'X', "Q", 1, 0}}) {
    t.settings.PlaceMode = c.place;
    t.settings.TeamMode = c.team;
    TfrmTourInfo m(t, p);
    m.FormShow();
    EXPECT_EQ(m.RadioGroup3.itemIndex, c.placeItem) << c.place;
    EXPECT_EQ(m.RadioGroup4.itemIndex, c.teamItem) << c.team;
    EXPECT_EQ(m.RadioGroup2.itemIndex, 0);
    EXPECT_EQ(m.EvTypeList.items.size(), 24u);
    EXPECT_EQ(m.EvTypeList.current(), "Club - Regular Sanction");
  }
  t.settings.RulesMode = kIwwfRules;
  t.settings.PlaceMode = 'T';
  t.settings.TeamMode = "SUM";
  TfrmTourInfo m(t, p);
  m.FormShow();
  EXPECT_EQ(m.RadioGroup2.itemIndex, 1);
  EXPECT_EQ(m.RadioGroup3.itemIndex, 0);
  EXPECT_EQ(m.RadioGroup4.itemIndex, 1);
  EXPECT_EQ(m.RadioGroup1.itemIndex, 1);
  EXPECT_EQ(m.EvTypeList.items, (std::vector<std::string>{"WRL - World Ranking List", "WRC - World Record Capable"}));
}

TEST_F(TourInfoTest, IwwfScoringCompletesAsWorldRecordCapableInDivisionIm) {
  AddSkier(t, p, "HALL", "Ann", 56, "S");
  AddSkier(t, p, "COLE", "Bob", 16, "S");
  TfrmTourInfo m(t, p);
  Fill(m);
  m.RadioGroup2.itemIndex = 1;
  m.RadioGroup2Click();
  EXPECT_EQ(m.RadioGroup3.itemIndex, 0);
  EXPECT_EQ(m.RadioGroup4.itemIndex, 1);
  EXPECT_EQ(m.RadioGroup1.itemIndex, 1);
  EXPECT_TRUE(m.Changed);
  ASSERT_EQ(m.EvTypeList.items.size(), 2u);
  EXPECT_FALSE(m.EvTypeList.selected());  // "R1" is no IWWF event type
  m.EvTypeList.itemIndex = 1;
  m.btnSaveClick();
  EXPECT_FALSE(m.Changed);
  EXPECT_EQ(m.lblDone.caption, "Setup stored: IWWF rules, 2 rounds.");
  EXPECT_EQ(t.info.EventType, "I4");
  EXPECT_EQ(t.info.ClassDigit, '4');
  EXPECT_EQ(DivisionCode(t.CurDivision), "IM");
  EXPECT_EQ(t.RulesMode(), kIwwfRules);
  EXPECT_EQ(t.RoundCount, 2);
  EXPECT_EQ(t.PlaceMode(), 'L');
  EXPECT_EQ(t.settings.TeamMode, "IWSF");
  EXPECT_EQ(t.settings.Country, "CAN");  // IWWF leaves the country as it is
  // The records are only read under the national rules.
  EXPECT_TRUE(tp.prompter.saw("INI file not found, scoring errors may occur!"));
  const WorkList list = StartOrder(t, t.Selected());
  ASSERT_EQ(list.skiers.size(), 1u);
  EXPECT_EQ(list.skiers[0].Surname, "HALL");
}

TEST_F(TourInfoTest, AwsaScoringSetsUsaAndKeepsTheClass) {
  t.info.ClassDigit = '3';
  TfrmTourInfo m(t, p);
  Fill(m);
  m.RadioGroup2.itemIndex = 2;
  m.RadioGroup2Click();
  EXPECT_EQ(m.RadioGroup3.itemIndex, 0);
  EXPECT_EQ(m.RadioGroup4.itemIndex, 2);
  EXPECT_EQ(m.RadioGroup1.itemIndex, 1);
  m.EvTypeList.itemIndex = 3;
  m.btnSaveClick();
  EXPECT_EQ(t.settings.Country, "USA");
  EXPECT_EQ(t.RulesMode(), kAwsaRules);
  EXPECT_EQ(t.info.EventType, "R");
  EXPECT_EQ(t.info.ClassDigit, '3');
  EXPECT_EQ(t.settings.TeamMode, "BEST3");
}

TEST_F(TourInfoTest, NationalEventTypesStoreLevelLetterAndClass) {
  const auto& lines = EventTypeChoices(kZetlRules);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[23].line, "Nationals - World Record Capable");
  EXPECT_EQ(lines[12].line, "Easterns - Regular Sanction");
  t.settings.RulesMode = kAwsaRules;
  t.settings.Country = "USA";
  TfrmTourInfo m(t, p);
  Fill(m);
  m.RadioGroup2.itemIndex = 0;
  m.RadioGroup2Click();
  m.EvTypeList.itemIndex = 4 * 1 + (2 - 1);
  EXPECT_EQ(m.EvTypeList.current(), "Provincials - Canadian Record Capable");
  m.SiteCodeList.itemIndex = 9;
  m.btnSaveClick();
  EXPECT_EQ(t.info.EventType, "P2");
  EXPECT_EQ(t.info.ClassDigit, '2');
  EXPECT_EQ(t.settings.Country, "CAN");
  EXPECT_EQ(t.settings.SiteCode, "CAN4365");
  EXPECT_TRUE(t.tables.RecordsLoaded);
  EXPECT_DOUBLE_EQ(t.tables.Records[6][1], 9000);
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(Log(), "04/07/2026, 09:05:03 Summer Classic 20260704 CAN4365 26CAN014\r\n");
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(TourInfoTest, AdaptedRulesKeepTheNationalEventTypeAndStartAtDivisionSixty) {
  t.info.EventType = "W3";
  TfrmTourInfo m(t, p);
  Fill(m);
  m.RadioGroup2.itemIndex = 3;
  m.RadioGroup2Click();
  EXPECT_EQ(m.RadioGroup4.itemIndex, 0);
  EXPECT_EQ(m.EvTypeList.current(), "Westerns - World Ranking List");
  m.btnSaveClick();
  EXPECT_EQ(t.RulesMode(), kAdaptedRules);
  EXPECT_EQ(t.CurDivision, 60);
  EXPECT_EQ(t.info.EventType, "W3");
}

TEST_F(TourInfoTest, PlaceholderSanctionAndUnassignedSiteWarnButAreStored) {
  TfrmTourInfo m(t, p);
  Fill(m);
  m.edtReg.text = "YYCAN000";
  m.EvTypeList.itemIndex = 23;
  m.SiteCodeList.itemIndex = -1;
  m.btnSaveClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Please enter the ZETL Event Sanction Number!",
                                                           "Please check the ZETL Site Code"}));
  EXPECT_EQ(t.info.SanctionNo, "YYCAN000");
  EXPECT_EQ(t.settings.SiteCode, "CAN0000");
  EXPECT_EQ(t.info.EventType, "N4");
  EXPECT_TRUE(t.Unsaved);
  EXPECT_NE(Log().find("CAN0000 YYCAN000"), std::string::npos);
}

TEST_F(TourInfoTest, MissingEventTypeStopsAfterTheRecordsAreRead) {
  t.info.EventType = "Z9";
  TfrmTourInfo m(t, p);
  Fill(m);
  m.edtReg.text = "YYCAN000";
  m.RadioGroup1.itemIndex = 3;
  m.SiteCodeList.itemIndex = 1;
  ASSERT_FALSE(m.EvTypeList.selected());
  EXPECT_FALSE(m.ApplyTournamentSetup());
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Event Sanction Level Not Selected!"});
  // Steps before the check have taken effect.
  EXPECT_EQ(t.info.EventName, "Summer Classic");
  EXPECT_EQ(t.RoundCount, 4);
  EXPECT_EQ(t.settings.SiteCode, "CAN0725");
  EXPECT_TRUE(t.tables.RecordsLoaded);
  // Those after it have not, but what took effect is a change to keep.
  EXPECT_EQ(t.info.EventType, "Z9");
  EXPECT_TRUE(t.Unsaved);
  EXPECT_EQ(Log(), "");
  m.btnSaveClick();
  EXPECT_EQ(m.lblDone.caption, "Setup not complete: choose an event type.");
}

TEST_F(TourInfoTest, SiteCodesStoreWhatTheLineShows) {
  ASSERT_EQ(SiteCodeLines().size(), 23u);
  EXPECT_EQ(SiteCodeAt(0), "CAN0000");
  EXPECT_EQ(SiteCodeAt(2), "CAN2266");
  EXPECT_EQ(SiteCodeAt(3), "CAN2652");
  EXPECT_EQ(SiteCodeAt(4), "CAN2748");
  EXPECT_EQ(SiteCodeAt(5), "CAN2874");
  EXPECT_EQ(SiteCodeAt(22), "CAN8232");
  EXPECT_EQ(SiteCodeAt(-1), "CAN0000");
  // A code from the preferences that the list cannot show survives Complete.
  t.settings.SiteCode = "CAN9001";
  TfrmTourInfo m(t, p);
  Fill(m);
  EXPECT_FALSE(m.SiteCodeList.selected());
  m.btnSaveClick();
  EXPECT_EQ(t.settings.SiteCode, "CAN9001");
  m.SiteCodeList.itemIndex = 0;
  m.btnSaveClick();
  EXPECT_EQ(t.settings.SiteCode, "CAN0000");
}

TEST_F(TourInfoTest, TwoRoundPlacementsAskForTwoRounds) {
  TfrmTourInfo m(t, p);
  m.FormShow();
  for (int item : {0, 1}) {
    m.RadioGroup1.itemIndex = 3;
    m.RadioGroup3.itemIndex = item;
    m.RadioGroup3Click();
    EXPECT_EQ(m.RadioGroup1.itemIndex, 1) << item;
  }
  for (int item : {2, 3}) {
    m.RadioGroup1.itemIndex = 3;
    m.RadioGroup3.itemIndex = item;
    m.RadioGroup3Click();
    EXPECT_EQ(m.RadioGroup1.itemIndex, 3) << item;
  }
  m.btnSaveClick();
  EXPECT_EQ(t.RoundCount, 4);
  EXPECT_EQ(t.PlaceMode(), 'F');
}

TEST_F(TourInfoTest, ClearFormAndTheClosePrompt) {
  TfrmTourInfo m(t, p);
  Fill(m);
  EXPECT_TRUE(m.FormCloseQuery());  // nothing changed: no question
  EXPECT_TRUE(tp.prompter.shown.empty());

  m.btnClearClick();
  EXPECT_EQ(m.edtName.text, "");
  EXPECT_EQ(m.edtSDate.text, "YYYYMMDD");
  EXPECT_EQ(m.edtEDate.text, "YYYYMMDD");
  EXPECT_EQ(m.edtReg.text, "YYCAN000");
  EXPECT_TRUE(m.Changed);

  tp.prompter.Then(Answer::Cancel);
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(t.info.SanctionNo, "YYCAN00");  // not applied
  tp.prompter.Then(Answer::No);
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_FALSE(t.Unsaved);

  tp.prompter.Then(Answer::Yes);
  EXPECT_TRUE(m.FormCloseQuery());
  ASSERT_FALSE(tp.prompter.shown.empty());
  EXPECT_EQ(tp.prompter.shown[0].text, "You have unsaved data! Save Now?");
  EXPECT_EQ(tp.prompter.shown[0].title, "Warning!");
  EXPECT_EQ(tp.prompter.shown[0].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(t.info.SanctionNo, "YYCAN000");
  EXPECT_EQ(t.info.EndDate, "YYYYMMDD");
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(TourInfoTest, LayoutWiresEveryEditToChanged) {
  TfrmTourInfo m(t, p);
  m.FormShow();
  FormLayout form;
  m.Describe(form);
  int edits = 0;
  for (const auto& item : form.items) {
    if (item.kind != FormItem::Kind::Edit) continue;
    ++edits;
    m.Changed = false;
    m.lblDone.caption = "Setup stored: ZETL rules, 1 round.";
    ASSERT_TRUE(item.onChange) << item.caption;
    item.onChange();
    EXPECT_TRUE(m.Changed) << item.caption;
    EXPECT_EQ(m.lblDone.caption, "") << item.caption;
  }
  EXPECT_EQ(edits, 9);
  const FormItem* save = form.Find("Complete");
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->isDefault);
  ASSERT_NE(form.Find("Help"), nullptr);
  form.Find("Help")->onClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{kHelpTournamentInfo});
}

TEST_F(TourInfoTest, AuditLogFailurePropagatesAfterTheValuesAreStored) {
  TfrmTourInfo m(t, p);
  Fill(m);
  m.EditChange();
  tp.fs.failAt = 1;
  EXPECT_THROW(m.btnSaveClick(), IoError);
  EXPECT_EQ(t.info.EventName, "Summer Classic");
  EXPECT_TRUE(m.Changed);
}

}  // namespace
