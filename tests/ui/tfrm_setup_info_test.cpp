#include "ui/tfrm_setup_info.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "support/skier_builders.h"
#include "ui/tabout_box.h"

namespace {

TEST(SetupInfo, NationalRulesListTheRecords) {
  Tournament t;
  t.RoundCount = 2;
  t.EventFile = "/events/Nats.dat";
  t.info.SanctionNo = "26CAN014";
  t.info.ClassDigit = '2';
  TestPlatform tp;
  for (int i = 0; i < 17; ++i) AddSkier(t, tp, "SKIER" + std::to_string(100 + i), "Al", 16);
  t.settings.PlaceMode = 'T';
  t.tables.RecordsTitle = "Records 2026";
  t.tables.Records[6] = {12.5, 1200, 20};
  t.tables.Records[55] = {3.25, 10850, 68.9};
  TfrmSetupInfo m(t);
  EXPECT_EQ(m.caption(), "Tallivar Options and Settings");
  m.Memo1.lines = {"stale"};
  m.FormShow();
  EXPECT_TRUE(m.Memo1.readOnly);
  EXPECT_TRUE(m.Memo1.fixedPitch);
  const auto& l = m.Memo1.lines;
  ASSERT_EQ(l.size(), 9u + 3u + 50u);
  EXPECT_EQ(l[0], "Overall scoring is based on...ZTL Rules");
  EXPECT_EQ(l[1], "Event Placement is based on..total rounds score");
  EXPECT_EQ(l[2], "Team scoring is based on..ZETL rules");
  EXPECT_EQ(l[3], "   Default country is...CAN");
  EXPECT_EQ(l[4], "   Number of rounds...2");
  EXPECT_EQ(l[5], "   Current file is../events/Nats.dat");
  EXPECT_EQ(l[6], "   Event Registration Code is..26CAN014");
  EXPECT_EQ(l[7], "   Event Type is..Canadian Record Capable");
  EXPECT_EQ(l[8], "   Number of entries is...17");
  EXPECT_EQ(l[9], "");
  EXPECT_EQ(l[10], "Current Canadian Records - Records 2026");
  EXPECT_EQ(l[11], "Div  Slalom    Trick   Jump");
  // Numbers end under the last letter of their heading.
  EXPECT_EQ(l[12], "BU10   12.5     1200     20");
  EXPECT_EQ(l[12 + 49], "OW     3.25    10850   68.9");
  EXPECT_EQ(l[13].substr(0, 5), "GU10 ");
}

TEST(SetupInfo, OtherRulesHaveNoRecordsTable) {
  struct Case {
    int rules;
    char place;
    char cls;
    const char* overall;
    const char* placement;
    const char* team;
    const char* type;
  };
  for (Case c : {Case{kAwsaRules, 'L', '3', "AWSA Rules", "final round score", "sum or best3",
                      "   Event Type is..World Ranking List"},
                 Case{kIwwfRules, 'B', '4', "IWWF Rules", "best round score", "IWWF rules",
                      "   Event Type is..World Record Capable"},
                 Case{kAdaptedRules, 'F', '1', "Adapted Rules", "first round score", "sum or best3",
                      "   Event Type is..Regular Sanction"},
                 Case{7, 'Q', '7', "unknown", "unknown", "sum or best3", nullptr}}) {
    Tournament t;
    t.settings.RulesMode = c.rules;
    t.settings.PlaceMode = c.place;
    t.info.ClassDigit = c.cls;
    auto l = SetupInfoLines(t);
    ASSERT_EQ(l.size(), c.type ? 9u : 8u) << c.rules;
    EXPECT_EQ(l[0], std::string("Overall scoring is based on...") + c.overall);
    EXPECT_EQ(l[1], std::string("Event Placement is based on..") + c.placement);
    EXPECT_EQ(l[2], std::string("Team scoring is based on..") + c.team);
    if (c.type) {
      EXPECT_EQ(l[7], c.type);
    }
    EXPECT_EQ(l.back(), "   Number of entries is...0");
  }
}

TEST(AboutBox, NameVersionAndComment) {
  TAboutBox m;
  EXPECT_EQ(m.caption(), "About Tallivar");
  FormLayout form;
  m.Describe(form);
  EXPECT_NE(form.Find("Version 2022.1.1"), nullptr);
  EXPECT_NE(form.Find("Tallivar is a simple scoring program for water ski tournaments under ZETL or IWWF Rules"),
            nullptr);
  const FormItem* ok = form.Find("OK");
  ASSERT_NE(ok, nullptr);
  ok->onClick();
  EXPECT_TRUE(m.closeRequested());
}

}  // namespace
