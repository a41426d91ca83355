#include "ui/tfrm_preferences.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/settings_file.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/setup_lists.h"

namespace {

const char* const kHead = "; Tallivar settings\r\n; keep this line\r\n";
const char* const kTables = "[VOND]\r\n;Records 2026\r\nBU10  12.50 01200 20.0\r\n[AWSA_NOPS]\r\nline\r\n";

struct PreferencesTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  PreferencesTest() {
    t.SettingsDir = dir.path();
    std::ofstream(dir.file("TALLIVAR.INI"), std::ios::binary)
        << kHead
        << "[TALLIVAR]\r\nCountry = CAN\r\nScoring = VOND\r\nLastFile = \r\nTeam = BEST3\r\n"
           "Place = Best Score Placement\r\nProv = ON\r\nSiteCode = CAN0000\r\n\r\n"
        << kTables;
  }
  std::string Ini() {
    std::ifstream in(dir.file("TALLIVAR.INI"), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static int Index(const std::vector<std::string>& items, const std::string& v) {
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == v) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(PreferencesTest, ShowSelectsTheCurrentDefaults) {
  t.settings.Country = "NZL";
  t.settings.Prov = "QC";
  t.settings.SiteCode = "CAN7437";
  t.settings.RulesMode = kIwwfRules;
  TfrmPreferences m(t, p);
  EXPECT_EQ(m.caption(), "Tallivar Preferences");
  EXPECT_EQ(m.lbedSiteCodePref.text, "CANxxxx");
  m.FormShow();
  EXPECT_EQ(m.lbFed.current(), "NZL");
  EXPECT_EQ(m.lbProv.current(), "QC");
  EXPECT_EQ(m.rgOverall.itemIndex, 1);
  EXPECT_EQ(m.rgOverall.items[1], "IWWF Rules");
  EXPECT_EQ(m.lbedSiteCodePref.text, "CAN7437");
  EXPECT_EQ(m.lbFed.items.size(), 85u);
  EXPECT_EQ(m.lbProv.items.size(), 10u);
  t.settings.RulesMode = kAwsaRules;
  t.settings.Prov = "IND";  // the start-up default is no province of the list
  m.FormShow();
  EXPECT_EQ(m.rgOverall.itemIndex, 2);
  EXPECT_FALSE(m.lbProv.selected());
}

TEST_F(PreferencesTest, AwsaBecomesTheStartupDefaultWhileTheOpenEventKeepsItsRules) {
  TfrmPreferences m(t, p);
  m.FormShow();
  m.lbFed.itemIndex = Index(m.lbFed.items, "USA");
  m.lbProv.itemIndex = Index(m.lbProv.items, "BC");
  m.rgOverall.itemIndex = 2;
  m.lbedSiteCodePref.text = "CAN7733";
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_TRUE(m.closeRequested());
  EXPECT_EQ(t.RulesMode(), kZetlRules);
  EXPECT_EQ(t.settings.TeamMode, "BEST3");
  EXPECT_EQ(t.PlaceMode(), 'L');
  EXPECT_EQ(t.settings.Country, "USA");
  EXPECT_EQ(t.settings.Prov, "BC");
  EXPECT_EQ(t.settings.SiteCode, "CAN7733");

  const std::string ini = Ini();
  EXPECT_NE(ini.find("\r\nScoring = AWSA\r\n"), std::string::npos);
  EXPECT_EQ(ini.rfind(kHead, 0), 0u);
  ASSERT_GE(ini.size(), std::string(kTables).size());
  EXPECT_EQ(ini.substr(ini.size() - std::string(kTables).size()), kTables);

  // What was written reads back as the values chosen.
  Tournament back;
  back.SettingsDir = dir.path();
  Shown(p.prompt, ReadSettings(back, p.fs));
  EXPECT_EQ(back.settings.Country, "USA");
  EXPECT_EQ(back.settings.RulesMode, kAwsaRules);
  EXPECT_EQ(back.settings.TeamMode, "BEST3");
  EXPECT_EQ(back.settings.PlaceMode, 'L');
  EXPECT_EQ(back.settings.Prov, "BC");
  EXPECT_EQ(back.settings.SiteCode, "CAN7733");
}

TEST_F(PreferencesTest, NothingSelectedFallsBackWithAMessage) {
  TfrmPreferences m(t, p);
  m.FormShow();
  m.lbFed.itemIndex = -1;
  m.lbProv.itemIndex = -1;
  m.btnSaveClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"No Federation selected!", "No Prov selected!"}));
  EXPECT_EQ(t.settings.Country, "CAN");
  EXPECT_EQ(t.settings.Prov, "AB");
  EXPECT_NE(Ini().find("\r\nProv = AB\r\n"), std::string::npos);
}

TEST_F(PreferencesTest, EachRuleChoiceSetsItsModes) {
  struct Case {
    int item;
    const char* scoring;
    const char* team;
    char place;
  };
  for (Case c : {Case{0, "Scoring = VOND", "VOND", 'F'}, Case{1, "Scoring = IWSF", "IWSF", 'L'},
                 Case{3, "Scoring = ADAPT", "SUM", 'T'}}) {
    t.settings.RulesMode = kAwsaRules;
    t.settings.TeamMode = "SUM";
    t.settings.PlaceMode = 'T';
    TfrmPreferences m(t, p);
    m.FormShow();
    m.rgOverall.itemIndex = c.item;
    m.btnSaveClick();
    EXPECT_EQ(t.RulesMode(), kAwsaRules) << c.item;
    EXPECT_EQ(t.settings.TeamMode, c.team) << c.item;
    EXPECT_EQ(t.PlaceMode(), c.place) << c.item;
    EXPECT_NE(Ini().find(std::string("\r\n") + c.scoring + "\r\n"), std::string::npos) << c.item;
  }
}

TEST_F(PreferencesTest, SiteCodeIsCutToEightAndAnEmptyEditKeepsIt) {
  TfrmPreferences m(t, p);
  m.FormShow();
  m.lbedSiteCodePref.text = "CAN12345678";
  m.btnSaveClick();
  EXPECT_EQ(t.settings.SiteCode, "CAN12345");
  m.lbedSiteCodePref.text = "";
  m.btnSaveClick();
  EXPECT_EQ(t.settings.SiteCode, "CAN12345");
}

TEST_F(PreferencesTest, AFailedWriteStillLeavesTheOpenEventsRules) {
  TfrmPreferences m(t, p);
  m.FormShow();
  m.rgOverall.itemIndex = 1;
  tp.fs.failAt = 1;
  EXPECT_THROW(m.btnSaveClick(), IoError);
  EXPECT_EQ(t.RulesMode(), kZetlRules);
  EXPECT_FALSE(m.closeRequested());
}

}  // namespace
