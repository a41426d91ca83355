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

  list.lbxTeamCode.itemIndex = 0;
  list.lbxTeamCodeClick();
  tp.dialogs.Expect<TfrmTeamName>([](TfrmTeamName& m) {
    EXPECT_TRUE(m.edName.focus);
    m.edCode.text = "XX";
    m.edName.text = "Ontario Water Ski Association";
    m.btnSaveClick();
    EXPECT_TRUE(m.closeRequested());
  });
  list.btnEditClick();
  EXPECT_EQ(list.lbxTeamCode.items, (std::vector<std::string>{"ON", "BC"}));  // typing a code changes nothing
  EXPECT_EQ(list.lbxTeamName.items, (std::vector<std::string>{"Ontario Water Ski As", ""}));
  EXPECT_TRUE(t.Unsaved);
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
  EXPECT_EQ(SelectSkier(t, p).value_or(TSkier{}).Surname, "BAKER");
  EXPECT_EQ(t.Working.Surname, "BAKER");
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Nothing Selected!"});

  tp.dialogs.Expect<TfrmSkierSelect>();  // closed without choosing
  EXPECT_FALSE(SelectSkier(t, p));
}

TEST_F(TeamDialogsTest, TeamResultsShowTheStandingsAndPrintThem) {
  Skier("ADAMS", "ON").SlalomPoints = 900;
  Skier("BAKER", "BC").TrickPoints = 955.56;
  t.teams.slots[1] = {ShortString<3>("ON"), ShortString<20>("Ontario")};
  TfrmTeamRslt m(t, p);
  m.FormShow();
  EXPECT_EQ(m.Memo1.lines,
            (std::vector<std::string>{"BC                      955.6", "ON Ontario              900.0"}));

  m.btnPrintClick();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].pages[0].lines[9], "   BC                          955.6");
}
