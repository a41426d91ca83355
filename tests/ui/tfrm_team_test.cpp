#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/skier_ops.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"
#include "ui/tfrm_skier_select.h"
#include "ui/tfrm_team_list.h"
#include "ui/tfrm_team_rslt.h"

namespace {

constexpr int kM = 16, kW = 17;

struct TeamDialogsTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  TSkier& Skier(const std::string& surname, const char* team, int division = kM) {
    TSkier& s = AddSkier(t, p, surname, "Al", division);
    s.Team = team;
    return s;
  }
  void Rename(TfrmTeamList& list, int line, const std::string& typedCode, const std::string& name) {
    list.lbxTeamCode.itemIndex = line;
    list.lbxTeamCodeClick();
    tp.dialogs.Expect<TfrmTeamName>([=](TfrmTeamName& m) {
      EXPECT_TRUE(m.edName.focus);
      m.edCode.text = typedCode;
      m.edName.text = name;
      m.btnSaveClick();
      EXPECT_TRUE(m.closeRequested());
    });
    list.btnEditClick();
  }
};

}  // namespace

TEST_F(TeamDialogsTest, TeamListNamesTheCodeOfTheEditedLine) {
  Skier("ADAMS", "ON");
  Skier("BAKER", "ON");
  Skier("CLARK", "BC");
  TfrmTeamList list(t, p);
  list.FormShow();
  EXPECT_EQ(list.lbxTeamCode.items, (std::vector<std::string>{"ON", "BC"}));

  list.lbxTeamName.itemIndex = 1;
  list.lbxTeamNameClick();
  EXPECT_EQ(list.lbxTeamCode.itemIndex, 1);

  Rename(list, 0, "XX", "Ontario Water Ski Association");
  EXPECT_EQ(list.lbxTeamCode.items, (std::vector<std::string>{"ON", "BC"}));  // typing a code changes nothing
  EXPECT_EQ(list.lbxTeamName.items, (std::vector<std::string>{"Ontario Water Ski As", ""}));
  EXPECT_TRUE(t.Unsaved);

  // The only BC skier leaves and comes back: the name follows its code, not a line.
  Rename(list, 1, "BC", "British Columbia");
  DeleteSkier(t, std::prev(t.skiers.tailNode()));
  Skier("AARON", "QC");
  list.Rebuild();
  EXPECT_EQ(list.lbxTeamCode.items, (std::vector<std::string>{"QC", "ON"}));
  EXPECT_EQ(list.lbxTeamName.items, (std::vector<std::string>{"", "Ontario Water Ski As"}));
  Skier("CLARK", "BC");
  list.Rebuild();
  EXPECT_EQ(list.lbxTeamName.items,
            (std::vector<std::string>{"", "Ontario Water Ski As", "British Columbia"}));
}

TEST_F(TeamDialogsTest, TeamListTellsWhatIsMissing) {
  Skier("ADAMS", "");
  TfrmTeamList list(t, p);
  list.FormShow();
  list.btnEditClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{kNoTeamIds, "Nothing Selected!"}));
}

TEST_F(TeamDialogsTest, SkierSelectAnswersTheConfirmedSkierOrNone) {
  Skier("ADAMS", "ON");
  Skier("BAKER", "ON", kW);
  tp.dialogs.Expect<TfrmSkierSelect>([](TfrmSkierSelect& m) {
    EXPECT_EQ(m.lbxSkiers.items, (std::vector<std::string>{"Al ADAMS M", "Al BAKER W"}));
    m.btnConfirmClick();
    EXPECT_FALSE(m.closeRequested());
    m.lbxSkiers.itemIndex = 1;
    m.btnConfirmClick();
  });
  auto picked = SelectSkier(t, p);
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->Surname, "BAKER");
  EXPECT_EQ(t.Working.Surname, "BAKER");
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Nothing Selected!"});

  tp.dialogs.Expect<TfrmSkierSelect>();  // closed without choosing
  EXPECT_FALSE(SelectSkier(t, p));
  EXPECT_EQ(t.Working.Surname, "BAKER");
}

TEST_F(TeamDialogsTest, TeamResultsShowTheStandingsAndPrintThem) {
  Skier("ADAMS", "ON").SlalomPoints = 900;
  Skier("BAKER", "BC").TrickPoints = 955.56;
  t.teams.slots[1] = {ShortString<3>("ON"), ShortString<20>("Ontario")};
  TfrmTeamRslt m(t, p);
  FormLayout form;
  m.Describe(form);
  EXPECT_NE(form.Find("Print  Details"), nullptr);
  m.FormShow();
  EXPECT_EQ(m.caption(), "Team Scoring Results");
  EXPECT_EQ(m.lblHeading.caption, "TEAM    TEAM NAME                          SCORE");
  EXPECT_EQ(m.Memo1.lines,
            (std::vector<std::string>{"BC                      955.6", "ON Ontario              900.0"}));

  m.btnPrintClick();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].pages[0].lines[9], "   BC                          955.6");
}
