#include "ui/tfrm_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/tournament.h"
#include "core/work_list.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

bool Select(ListBox& list, const std::string& text) {
  auto it = std::find(list.items.begin(), list.items.end(), text);
  list.itemIndex = it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin());
  return list.selected();
}

struct EntryFormTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TfrmEntry m{t, p};

  void SetUp() override {
    m.ClearStep();
    m.FormShow();
  }
  void Type(const std::string& first, const std::string& surname, const std::string& division,
            const std::string& yob = "1990") {
    m.lbedFname.text = first;
    m.lbedFnameExit();
    m.lbedSname.text = surname;
    m.lbedSnameExit();
    ASSERT_TRUE(Select(m.lbDivList, division)) << division;
    m.edBD.text = yob;
  }
  int Count() const { return t.SkierCount(); }
  const TSkier& Only() const { return *t.skiers.first(); }
};

}  // namespace

TEST_F(EntryFormTest, ControlsInTabOrderWithCaptionsAndLimits) {
  FormLayout form;
  m.Describe(form);
  std::vector<std::string> captions;
  for (const auto& i : form.items)
    if (!i.structural()) captions.push_back(i.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Skier First Name :", "Skier Surname :", "Skier IWWF ID#",
                                      "Division :", "Events :", "Slalom", "Tricks", "Jump", "Paid",
                                      "Bib Number :", "Complete", "Clear Form", "Declared Run", "Seed Scores",
                                      "Help", "Team/Prov :", "Country / Fed :", "Year of Birth:"}));
  EXPECT_EQ(m.caption(), "Skier Entry Form");
  EXPECT_EQ(m.lbedFname.maxLength, 15);
  EXPECT_EQ(m.lbedSname.maxLength, 15);
  EXPECT_EQ(m.lbedMember.maxLength, 9);
  EXPECT_EQ(m.edBib.maxLength, 3);
  EXPECT_TRUE(form.Find("Complete")->isDefault);
  TfrmEntry fresh(t, p);
  EXPECT_EQ(fresh.edBD.text, "YYYY");
}

TEST_F(EntryFormTest, ClearStepUnderNationalRules) {
  EXPECT_EQ(m.lbDivList.items.size(), 32u);
  EXPECT_EQ(m.lbDivList.itemIndex, -1);
  EXPECT_EQ(m.lbProvList.items.size(), 12u);
  EXPECT_EQ(m.lbProvList.current(), "IND");  // the default province
  EXPECT_EQ(m.lbFed.items.size(), 85u);
  EXPECT_EQ(m.lbFed.current(), "CAN");
  EXPECT_EQ(m.edBD.text, "");
  EXPECT_EQ(t.Working.Division, kNoDivision);
  EXPECT_TRUE(m.lbedFname.focus);
}

TEST_F(EntryFormTest, ListsOfTheOtherRuleSets) {
  t.settings.RulesMode = kAwsaRules;
  m.ClearStep();
  ASSERT_EQ(m.lbDivList.items.size(), 46u);
  for (std::size_t i = 0; i < 46; ++i) EXPECT_EQ(DivisionCode(m.divisionNumbers[i]), m.lbDivList.items[i]);
  EXPECT_EQ(m.lbDivList.items[24], "M35");  // the 25th item stands for M35 itself
  EXPECT_EQ(m.divisionNumbers[24], 36);
  EXPECT_EQ(m.lbProvList.items, std::vector<std::string>{"USA"});
  EXPECT_EQ(m.lbProvList.itemIndex, -1);

  t.settings.RulesMode = kIwwfRules;
  t.settings.Prov = "GER";
  m.ClearStep();
  EXPECT_EQ(m.lbDivList.items.size(), 16u);
  ASSERT_EQ(m.lbProvList.items.size(), 86u);
  EXPECT_EQ(m.lbProvList.items[0], "IND*");
  EXPECT_EQ(m.lbProvList.current(), "GER");

  t.settings.RulesMode = kAdaptedRules;
  m.ClearStep();
  EXPECT_EQ(m.lbDivList.items.size(), 26u);
  EXPECT_EQ(m.lbProvList.items.size(), 12u);
}

TEST_F(EntryFormTest, NameChecksOnLeavingEachField) {
  m.lbedSname.text = "O'Brien-Lake";
  m.lbedSnameExit();
  m.lbedFname.text = "Mary-Ann";
  m.lbedFnameExit();
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(t.Working.Surname, "O'Brien-Lake");
  EXPECT_EQ(t.Working.FirstName, "Mary-Ann");

  for (const char* bad : {"Van Dyk", "Ann2", ""}) {
    tp.prompter.clear();
    m.lbedSname.text = bad;
    m.lbedSnameExit();
    m.lbedFname.text = bad;
    m.lbedFnameExit();
    EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Name must alphabetic characters only!",
                                                             "Name must be alphabet characters only!"}))
        << bad;
    EXPECT_TRUE(m.lbedSname.focus);
    EXPECT_TRUE(m.lbedFname.focus);
  }
  EXPECT_EQ(t.Working.Surname, "O'Brien-Lake");

  tp.prompter.clear();
  m.lbedSname.text = "Abcdefghijklmnop";  // pasted past the field's limit
  m.lbedSnameExit();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Name length exceeds 15 characters!"});
}

TEST_F(EntryFormTest, CompleteStoresTheEntryAndClearsForTheNext) {
  Type("anna", "smith", "W");
  m.lbedMember.text = "200012345";
  m.chkSlalom.checked = m.chkJump.checked = true;
  m.edBib.text = "12";
  Select(m.lbProvList, "ON");
  t.EntryCounter = 7;
  t.info.ClassDigit = 'C';
  m.btnSaveClick();
  EXPECT_TRUE(tp.prompter.shown.empty());
  ASSERT_EQ(Count(), 1);
  const TSkier& s = Only();
  EXPECT_EQ(s.Surname, "SMITH");
  EXPECT_EQ(s.FirstName, "anna");
  EXPECT_EQ(s.Division, 17);
  EXPECT_EQ(s.MemberId, "200012345");
  EXPECT_EQ(s.BirthYear, "1990");
  EXPECT_EQ(s.SlalomEntry, "S");
  EXPECT_EQ(s.TrickEntry, "");
  EXPECT_EQ(s.JumpEntry, "J");
  EXPECT_EQ(s.Paid, "");
  EXPECT_EQ(s.Bib, "12");
  EXPECT_EQ(s.Team, "ON");
  EXPECT_EQ(s.Fed, "CAN");
  EXPECT_EQ(s.EntryNo, 8);
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(s.SlalomRoundDiv[r], 17);
    EXPECT_EQ(s.JumpRoundDiv[r], 17);
    EXPECT_EQ(s.TrickClass[r], "C");
    EXPECT_EQ(s.SlalomSpeed[r], 46.0);  // W's default boat speeds
    EXPECT_EQ(s.JumpSpeed[r], 54.0);
  }
  EXPECT_TRUE(t.Unsaved);
  // Cleared for the next skier.
  EXPECT_EQ(m.lbedSname.text, "");
  EXPECT_EQ(m.lbDivList.itemIndex, -1);
  EXPECT_FALSE(m.chkSlalom.checked);
}

TEST_F(EntryFormTest, YearOfBirthStillYYYYPasses) {
  Type("Anna", "SMITH", "W", "YYYY");
  m.btnSaveClick();
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Only().BirthYear, "YYYY");
}

TEST_F(EntryFormTest, BlockingChecksStoreNothingAndKeepTheTypedValues) {
  m.lbedFname.text = "Anna";
  m.lbedSname.text = "SMITH";
  m.edBD.text = "";
  m.btnSaveClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Please select a skier division!",
                                                           "Please enter skier year of birth, YYYY!"}));
  EXPECT_EQ(Count(), 0);
  EXPECT_TRUE(m.errorFlag);
  EXPECT_TRUE(m.edBD.focus);
  EXPECT_FALSE(m.lbDivList.focus);
  EXPECT_EQ(m.lbedSname.text, "SMITH");

  // With the year given, the missing division is the last word, and its list takes the focus.
  m.edBD.focus = false;
  m.edBD.text = "1990";
  m.btnSaveClick();
  EXPECT_TRUE(m.lbDivList.focus);
  EXPECT_FALSE(m.edBD.focus);
  EXPECT_EQ(Count(), 0);
}

TEST_F(EntryFormTest, MissingFederationTakesTheDefaultCountryAndStores) {
  Type("Anna", "SMITH", "W");
  m.lbFed.itemIndex = -1;
  m.lbProvList.itemIndex = -1;
  t.Working.Team = "BC";
  m.btnSaveClick();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Please select a Federation!"});
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Only().Fed, "CAN");
  EXPECT_EQ(Only().Team, "BC");  // no team chosen keeps the entry's own
}

TEST_F(EntryFormTest, TwoCompletesForTheSameSkierLeaveOne) {
  Type("Anna", "SMITH", "W");
  m.btnSaveClick();
  Type("ANNA", "Smith", "W");
  m.edBib.text = "7";
  m.btnSaveClick();
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Only().Bib, "7");
  Type("Anna", "SMITH", "M");
  m.btnSaveClick();
  EXPECT_EQ(Count(), 2);
}

TEST_F(EntryFormTest, W1KeepsItsSpeeds) {
  t.settings.RulesMode = kAwsaRules;
  m.ClearStep();
  Type("Anna", "SMITH", "W1");
  m.btnSaveClick();
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Only().SlalomSpeed[1], 25.0);  // the new-record defaults
  EXPECT_EQ(Only().JumpSpeed[1], 45.0);

  TSkier edited = Only();
  edited.SlalomSpeed[2] = 52.0;
  t.Working = edited;
  t.RemoveSkier(t.skiers.first());
  m.mode = TfrmEntry::Mode::Edit;
  m.FillFromRecord(edited);
  m.FormShow();
  m.btnSaveClick();
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Only().SlalomSpeed[2], 52.0);
}

TEST_F(EntryFormTest, AStoredSkierStartsInTheCurrentDivision) {
  t.CurDivision = 17;
  t.CurEvent = 'S';
  Type("Anna", "SMITH", "W");
  m.chkSlalom.checked = true;
  m.btnSaveClick();
  const WorkList list = StartOrder(t, t.Selected());
  ASSERT_EQ(list.skiers.size(), 1u);
  EXPECT_EQ(list.skiers[0].Surname, "SMITH");
}

TEST_F(EntryFormTest, FillFromRecordShowsTheRecord) {
  TSkier s = MakeSkier(t, "LAKE", "Ann", 36, "SJ");  // M35
  s.Paid = "Y";
  s.TrickEntry = "Y";
  s.Team = "QC";
  s.Fed = "FRA";
  s.Bib = "5";
  s.BirthYear = "1980";
  m.FillFromRecord(s);
  EXPECT_EQ(m.lbDivList.current(), "M35+");
  EXPECT_TRUE(m.chkSlalom.checked && m.chkTrick.checked && m.chkJump.checked && m.chkPaid.checked);
  EXPECT_EQ(m.lbProvList.current(), "QC");
  EXPECT_EQ(m.lbFed.current(), "FRA");
  EXPECT_EQ(m.edBib.text, "5");
  EXPECT_EQ(m.edBD.text, "1980");
}

TEST_F(EntryFormTest, AddModeClosesWithoutAQuestion) {
  Type("Anna", "SMITH", "W");
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(Count(), 0);
}

TEST_F(EntryFormTest, SeedAndDeclaredButtonsNeedTheirHooks) {
  FormLayout form;
  m.Describe(form);
  EXPECT_FALSE(m.btnSeeds.enabled);
  EXPECT_FALSE(m.btnDeclared.enabled);
  int seeds = 0, declared = 0;
  m.openSeedScores = [&] { ++seeds; };
  m.openDeclaredRun = [&] { ++declared; };
  m.FormShow();
  EXPECT_TRUE(m.btnSeeds.enabled && m.btnDeclared.enabled);
  form.Find("Seed Scores")->onClick();
  form.Find("Declared Run")->onClick();
  EXPECT_EQ(seeds, 1);
  EXPECT_EQ(declared, 1);

  t.Working.FirstName = "Alexandrinas";
  t.Working.Surname = "VANDERWATERING";
  t.Working.Division = 37;
  EXPECT_EQ(m.DeclaredCaption(), "AlexandrinasVANDERWATERING W35");
  t.Working.Surname = "VANDERWATERINGS";
  EXPECT_EQ(m.DeclaredCaption(), "AlexandrinasVANDERWATERINGS W3");
}

TEST_F(EntryFormTest, HelpShowsTheEntryFormTopic) {
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{kHelpEntryForm});
}
