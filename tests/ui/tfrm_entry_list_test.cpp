#include "ui/tfrm_entry_list.h"

#include <gtest/gtest.h>

#include <string>

#include "core/skier_ops.h"
#include "core/tournament.h"
#include "entries/entry_lines.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

struct EntryListTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TfrmEntryList m{t, p};

  TSkier& Add(const std::string& surname, const std::string& first, int division,
              const std::string& bib = "") {
    TSkier& s = AddSkier(t, p, surname, first, division);
    s.Bib = bib;
    s.BirthYear = "1990";
    return s;
  }
  void Pick(int line) {
    m.FormShow();
    m.lbxNames.itemIndex = line;
  }
};

}  // namespace

TEST_F(EntryListTest, OneLinePerSkierInListOrder) {
  FormLayout form;
  m.Describe(form);
  EXPECT_EQ(m.caption(), "Tallivar Entry List");
  EXPECT_NE(form.Find("Add Entry"), nullptr);
  EXPECT_NE(form.Find("Delete Entry"), nullptr);
  EXPECT_NE(form.Find("DIV             ID                EVENTS - PAID -   TEAM - FED - BIB"), nullptr);
  m.FormShow();
  EXPECT_TRUE(m.lbxNames.items.empty());
  Add("ZED", "Zoe", 17);
  Add("ABLE", "Al", 16);
  m.FormShow();
  ASSERT_EQ(m.lbxNames.items.size(), 2u);
  EXPECT_EQ(m.lbxNames.items[0].substr(0, 20), "Al              ABLE");
  EXPECT_TRUE(m.lbxNames.fixedPitch);
}

TEST_F(EntryListTest, NothingSelectedMessages) {
  m.FormShow();
  m.btnEditClick();
  m.btnDeleteClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Select a Skier!", "Nothing Selected!"}));
}

TEST_F(EntryListTest, StaleLineIsNotFound) {
  Add("SMITH", "Anna", 17);
  Pick(0);
  SkierAt(t, t.skiers.first()).Surname = "SMYTHE";
  m.btnEditClick();
  m.btnDeleteClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Skier name not found - Internal Error",
                                                           "Skier name not found - Internal Pointer Error"}));
  EXPECT_EQ(t.SkierCount(), 1);
}

TEST_F(EntryListTest, DeleteAsksAndActsOnTheFirstOfEqualKeys) {
  Add("SMITH", "Anna", 17, "1");
  TSkier twin = SkierNodes(t).front();
  twin = *t.skiers.first();
  twin.Bib = "2";
  SkierNodes(t).insert(t.skiers.tailNode(), twin);
  Pick(1);  // the second line, same key
  tp.prompter.Then(Answer::No);
  m.btnDeleteClick();
  EXPECT_EQ(t.SkierCount(), 2);
  EXPECT_EQ(tp.prompter.shown.back().title, "Warning");
  EXPECT_EQ(tp.prompter.shown.back().text, "Deleting entry!");
  tp.prompter.Then(Answer::Yes);
  m.btnDeleteClick();
  ASSERT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->Bib, "2");
  EXPECT_EQ(m.lbxNames.items.size(), 1u);
}

TEST_F(EntryListTest, EditOfEqualKeysOpensTheFirst) {
  Add("SMITH", "Anna", 17, "1");
  TSkier twin = *t.skiers.first();
  twin.Bib = "2";
  SkierNodes(t).insert(t.skiers.tailNode(), twin);
  Pick(1);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    EXPECT_EQ(f.edBib.text, "1");
    EXPECT_EQ(t.SkierCount(), 1);  // out of the list while edited
    tp.prompter.Then(Answer::No);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 2);
  EXPECT_EQ(t.skiers.first()->Bib, "1");
  EXPECT_EQ(std::next(t.skiers.first())->Bib, "2");
}

TEST_F(EntryListTest, EditAnsweringNoLeavesTheListAsItWas) {
  Add("ABLE", "Al", 16, "4");
  Add("SMITH", "Anna", 17, "9");
  Add("ZED", "Zoe", 36, "3");
  t.MarkSaved();
  std::vector<std::string> before;
  for (const auto& s : SkierNodes(t)) before.push_back(EntryLine(s) + "#" + std::to_string(s.EntryNo));
  Pick(1);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.lbedSname.text = "JONES";
    f.edBib.text = "77";
    f.chkPaid.checked = true;
    tp.prompter.Then(Answer::No);
    EXPECT_TRUE(f.FormCloseQuery());
    EXPECT_EQ(tp.prompter.shown.back().text, "Keep the current changes?");
    EXPECT_EQ(tp.prompter.shown.back().title, "Warning!");
    EXPECT_EQ(tp.prompter.shown.back().buttons, Buttons::YesNo);
  });
  m.btnEditClick();
  std::vector<std::string> after;
  for (const auto& s : SkierNodes(t)) after.push_back(EntryLine(s) + "#" + std::to_string(s.EntryNo));
  EXPECT_EQ(after, before);
  EXPECT_EQ(t.SkierCount(), 3);
}

TEST_F(EntryListTest, EditAnsweringYesStoresTheForm) {
  Add("SMITH", "Anna", 17, "9");
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.lbedSname.text = "Jones";
    tp.prompter.Then(Answer::Yes);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->Surname, "JONES");
  EXPECT_EQ(m.lbxNames.items.size(), 1u);
}

TEST_F(EntryListTest, EditYesWithABlockingErrorKeepsTheFormOpen) {
  Add("SMITH", "Anna", 17, "9");
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.edBD.text = "";
    tp.prompter.Then(Answer::Yes);
    EXPECT_FALSE(f.FormCloseQuery());
    EXPECT_TRUE(tp.prompter.saw("Please enter skier year of birth, YYYY!"));
    tp.prompter.Then(Answer::No);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->BirthYear, "1990");
}

TEST_F(EntryListTest, CompleteInEditThenNoKeepsOneSkier) {
  Add("SMITH", "Anna", 17, "9");
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.lbedSname.text = "JONES";
    f.btnSaveClick();
    EXPECT_EQ(f.lbedSname.text, "JONES");  // edit mode keeps the form as it is
    tp.prompter.Then(Answer::No);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 1);
  // No puts the skier back as the form found it, not as last completed.
  EXPECT_EQ(t.skiers.first()->Surname, "SMITH");
  EXPECT_EQ(t.skiers.first()->Bib, "9");
}

TEST_F(EntryListTest, EveryStoreOfAnEditReplacesTheEarlierOne) {
  Add("SMITH", "Anna", 17, "9");
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.lbedSname.text = "JONES";
    f.btnSaveClick();
    f.lbedSname.text = "BROWN";
    f.lbDivList.itemIndex = 10;  // M
    tp.prompter.Then(Answer::Yes);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->Surname, "BROWN");
  EXPECT_EQ(t.skiers.first()->Division, 16);
}

TEST_F(EntryListTest, EditWithTheSurnameEmptiedIsNotClosedOnYes) {
  Add("SMITH", "Anna", 17, "9");
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    f.lbedSname.text = "";
    tp.prompter.Then(Answer::Yes);
    EXPECT_FALSE(f.FormCloseQuery());
    tp.prompter.Then(Answer::No);
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnEditClick();
  ASSERT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->Surname, "SMITH");
}

TEST_F(EntryListTest, EditOfM35UnderNationalRulesShowsM35Plus) {
  Add("SMITH", "Bob", 36);
  Pick(0);
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    EXPECT_EQ(f.lbDivList.current(), "M35+");
    tp.prompter.Then(Answer::No);
    f.FormCloseQuery();
  });
  m.btnEditClick();
}

TEST_F(EntryListTest, AddOpensAClearedFormAndRebuilds) {
  t.Working.Surname = "LEFTOVER";
  tp.dialogs.Expect<TfrmEntry>([&](TfrmEntry& f) {
    EXPECT_EQ(f.mode, TfrmEntry::Mode::Add);
    EXPECT_TRUE(t.Working.Surname.empty());
    f.lbedFname.text = "Anna";
    f.lbedSname.text = "SMITH";
    f.lbDivList.itemIndex = 11;  // W
    f.edBD.text = "1990";
    f.btnSaveClick();
    EXPECT_TRUE(f.FormCloseQuery());
  });
  m.btnAddClick();
  ASSERT_EQ(m.lbxNames.items.size(), 1u);
  EXPECT_EQ(LineKey(m.lbxNames.items[0]), LineKey(*t.skiers.first()));
  EXPECT_EQ(t.skiers.first()->Division, 17);
}

TEST_F(EntryListTest, DoubleClickEditsAndHelpShowsItsTopic) {
  FormLayout form;
  m.Describe(form);
  m.FormShow();
  for (const auto& i : form.items)
    if (i.kind == FormItem::Kind::ListBox) i.onDoubleClick();
  EXPECT_TRUE(tp.prompter.saw("Select a Skier!"));
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{kHelpEntryList});
}
