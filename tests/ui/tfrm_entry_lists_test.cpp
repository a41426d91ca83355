#include "ui/tfrm_entry_lists.h"

#include <gtest/gtest.h>

#include "support/entry_list_tournament.h"
#include "ui/program_dialogs.h"

namespace {

struct EntryListsTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TfrmEntryLists m{t, p};
  EntryListsTest() { AddEntryListSkiers(t, p); }

  // Presses "View List" and answers with the memo's lines.
  std::vector<std::string> View() {
    std::vector<std::string> shown;
    tp.dialogs.Expect<TEntryListsView>([&](TEntryListsView& v) { shown = v.EntryViews.lines; });
    m.btnViewClick();
    return shown;
  }
};

}  // namespace

TEST_F(EntryListsTest, WithoutAChoicePrintDoesNothingAndViewShowsTheLastLines) {
  m.btnPrintClick();
  EXPECT_TRUE(tp.printer.documents.empty());
  EXPECT_TRUE(View().empty());

  m.rgEntry.itemIndex = 2;
  const auto division = View();
  ASSERT_FALSE(division.empty());
  EXPECT_EQ(division.front(), "COMPETITOR ENTRY LIST - CURRENT DIVISION");
  m.rgEntry.itemIndex = -1;
  EXPECT_EQ(View(), division);
}

TEST_F(EntryListsTest, EachChoiceViewsAndPrintsItsOwnList) {
  const char* titles[] = {"COMPETITOR ENTRY LIST - ALL COMPETITORS", "COMPETITOR ENTRY LIST - BY DIVISION",
                          "COMPETITOR ENTRY LIST - CURRENT DIVISION"};
  for (int i = 0; i < 3; ++i) {
    m.rgEntry.itemIndex = i;
    EXPECT_EQ(View().front(), titles[i]);
    m.btnPrintClick();
    ASSERT_EQ(tp.printer.documents.size(), static_cast<std::size_t>(i + 1));
    const RecordedDocument& doc = tp.printer.documents.back();
    EXPECT_EQ(doc.font, "Courier New");
    EXPECT_EQ(doc.fontSize, 10);
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
  }
  EXPECT_EQ(tp.printer.AllLines().size(), 6u + 5u + 2u) << "the current division M holds two skiers";
}

TEST_F(EntryListsTest, HelpAndTheMenuCommand) {
  FormLayout form;
  m.Describe(form);
  EXPECT_EQ(m.caption(), "Review Entry Lists");
  for (const char* caption : {"Select an Entry List to Print/View", "Print List", "View List", "Help"})
    EXPECT_NE(form.Find(caption), nullptr) << caption;
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{24});

  TForm1 main(t, p);
  WireProgramDialogs(main, t, p);
  tp.dialogs.Expect<TfrmEntryLists>();
  main.ListEntries1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}
