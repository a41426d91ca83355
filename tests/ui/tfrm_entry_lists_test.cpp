#include "ui/tfrm_entry_lists.h"

#include <gtest/gtest.h>

#include "support/skier_builders.h"
#include "ui/program_dialogs.h"

namespace {

struct EntryListsTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TfrmEntryLists m{t, p};
  EntryListsTest() {
    AddSkier(t, p, "ADAMS", "Tom", 16);
    AddSkier(t, p, "BAKER", "Eva", 17);
    t.CurDivision = 16;
  }

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
  EXPECT_EQ(division.size(), 4u) << "heading, columns, rule and ADAMS";
  m.rgEntry.itemIndex = -1;
  EXPECT_EQ(View(), division);
}

TEST_F(EntryListsTest, EachChoiceViewsAndPrintsItsOwnList) {
  const char* titles[] = {"COMPETITOR ENTRY LIST - ALL COMPETITORS", "COMPETITOR ENTRY LIST - BY DIVISION",
                          "COMPETITOR ENTRY LIST - CURRENT DIVISION"};
  const std::size_t printedLines[] = {6 + 5 + 2, 6 + 5 + 2 * 3, 6 + 5 + 1};
  for (int i = 0; i < 3; ++i) {
    m.rgEntry.itemIndex = i;
    EXPECT_EQ(View().front(), titles[i]);
    m.btnPrintClick();
    ASSERT_EQ(tp.printer.documents.size(), static_cast<std::size_t>(i + 1));
    const RecordedDocument& doc = tp.printer.documents.back();
    EXPECT_EQ(doc.font, "Courier New");
    EXPECT_EQ(doc.fontSize, 10);
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    EXPECT_EQ(tp.printer.AllLines().size(), printedLines[i]) << i;
  }
}

TEST_F(EntryListsTest, HelpAndTheMenuCommand) {
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{24});

  TForm1 main(t, p);
  WireProgramDialogs(main, t, p);
  tp.dialogs.Expect<TfrmEntryLists>();
  main.ListEntries1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}
