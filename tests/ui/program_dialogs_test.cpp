#include "ui/program_dialogs.h"

#include <gtest/gtest.h>

#include "core/skier_ops.h"
#include "core/work_list.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"
#include "ui/quick_grids.h"
#include "ui/tabout_box.h"
#include "ui/tfrm_declared_pass.h"
#include "ui/tfrm_entry_list.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_import.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_preferences.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_setup_info.h"
#include "ui/tfrm_tour_info.h"

namespace {

struct WiredMenus : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TForm1 form{t, p};
  WiredMenus() { WireProgramDialogs(form, t, p); }

  const MenuCommand* Command(const std::string& name) {
    static std::vector<Menu> menus;
    menus = form.Menus();
    for (const auto& m : menus)
      for (const auto& c : m.items)
        if (c.name == name) return &c;
    return nullptr;
  }
};

}  // namespace

TEST_F(WiredMenus, EveryBuiltDialogIsReachable) {
  for (const char* name :
       {"New1", "Preferences1", "AddEntry1", "ImportEntries1", "InputResults1", "SetUpInfo1", "About1",
        "ExporttoTextfile1", "ExporttoCSVFile1", "EventOfficials1"}) {
    const MenuCommand* c = Command(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_TRUE(c->enabled) << name;
  }
  tp.dialogs.Expect<TfrmTourInfo>()
      .Expect<TfrmPreferences>()
      .Expect<TfrmEntryList>()
      .Expect<TfrmImport>()
      .Expect<TfrmSetupInfo>()
      .Expect<TAboutBox>()
      .Expect<TfrmJumpOfc>();
  form.New1Click();
  form.Preferences1Click();
  form.AddEntry1Click();
  form.ImportEntries1Click();
  form.SetUpInfo1Click();
  form.About1Click();
  t.CurEvent = 'J';  // the officials of the event in hand
  form.EventOfficials1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}

TEST_F(WiredMenus, AllStartListsPrintEveryDivisionOfTheEventInOneJob) {
  AddSkier(t, p, "HALL", "Ann", 17, "S");
  AddSkier(t, p, "COLE", "Bob", 16, "S");
  AddSkier(t, p, "DALE", "Cid", 16, "T");  // not in this event
  const MenuCommand* c = Command("AllStartLists1");
  ASSERT_NE(c, nullptr);
  ASSERT_TRUE(c->enabled);
  c->action();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  std::string text;
  for (const auto& page : tp.printer.documents[0].pages)
    for (const auto& line : page.lines) text += line + "\n";
  EXPECT_NE(text.find("HALL"), std::string::npos);
  EXPECT_NE(text.find("COLE"), std::string::npos);
  EXPECT_EQ(text.find("DALE"), std::string::npos);
}

TEST_F(WiredMenus, AStartListOfAFinalNotShownYetDrawsItsLotOnceForEveryLaterList) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  t.CurDivision = 16;  // the final of division W has not been shown
  for (const char* name : {"AHO", "BERG", "CRANE", "DAHL"})
    AddSkier(t, p, name, "Ann", 17, "S").SlalomFinalist = 1;
  t.MarkSaved();
  Command("AllStartLists1")->action();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_TRUE(t.Unsaved);  // the draw is kept with the event
  std::vector<std::string> printed;
  for (const auto& line : tp.printer.documents[0].pages.at(0).lines)
    for (const char* name : {"AHO", "BERG", "CRANE", "DAHL"})
      if (line.find(name) != std::string::npos) printed.push_back(name);
  std::vector<std::string> later;
  for (const TSkier& s : StartOrder(t, {17, 'S', 2}).skiers) later.push_back(s.Surname.str());
  EXPECT_EQ(printed, later);
}

TEST_F(WiredMenus, EntryFormOpensTheDeclaredPass) {
  tp.dialogs.Expect<TfrmEntryList>([&](TfrmEntryList& list) {
    ASSERT_TRUE(static_cast<bool>(list.entryForm.openDeclaredRun));
    tp.dialogs.Expect<TfrmDeclaredPass>();
    list.entryForm.openDeclaredRun();
  });
  form.AddEntry1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}

TEST_F(WiredMenus, InputResultsOpensTheGridOfClassOneAndFollowsTheEventChange) {
  t.info.ClassDigit = '1';
  t.CurDivision = 16;
  AddSkier(t, p, "A", "1", 16, "SJ");
  tp.dialogs
      .Expect<TBasicSlalomForm>([&](TBasicSlalomForm& g) {
        g.btnOptionsClick();
        EXPECT_TRUE(g.closeRequested());
      })
      .Expect<TfrmOptions>([&](TfrmOptions&) { t.CurEvent = 'J'; })
      .Expect<TfrmBasicJump>();
  form.InputResults1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
  EXPECT_EQ(t.CurEvent, 'J');
}

TEST_F(WiredMenus, InputResultsOpensTheResultListForOtherClasses) {
  t.info.ClassDigit = '3';
  tp.dialogs.Expect<TfrmResultList>();
  form.InputResults1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}
