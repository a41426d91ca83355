// Whole tasks of a scorer through the real main window and the real dialog views: setting up the
// tournament, importing entries, and entering slalom, grid and trick results.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTableWidget>
#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "core/divisions.h"
#include "core/file_io.h"
#include "scoring/trick_test_table.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/quick_grids.h"
#include "ui/tfrm_entry_list.h"
#include "ui/tfrm_import.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_jump_rslt.h"
#include "ui/tfrm_slal_rslt.h"
#include "ui/tfrm_tour_info.h"
#include "ui/tfrm_trick_pass.h"
#include "ui/tfrm_trick_rslt.h"
#include "view_dialog_host.h"

namespace {

struct ScorerFlow : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  ViewDialogHost host{tp.prompter};
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  MainWindow window{t, platform};

  ScorerFlow() {
    t.SettingsDir = dir.path();
    t.EventBase = dir.file("Lake");  // audit lines go beside the event, not into the working folder
    WireProgramDialogs(window.form(), t, platform);
    window.show();
  }
  std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static QString Row(ModelDialog& view, const void* list, int row) {
    auto* w = WidgetOf<QListWidget>(view, list);
    return row < w->count() ? w->item(row)->text() : QString();
  }
  TSkier& Slalomer(const std::string& name, int division) {
    TSkier& s = AddSkier(t, platform, name, "Al", division, "STJ");
    s.SlalomSpeed[1] = 58;
    s.SlalomRope[1] = 12;
    // Trick and jump already scored, so the slalom result completes the overall.
    s.TrickPoints = 500;
    s.JumpRankScore = 30;
    s.JumpPoints = 400;
    return s;
  }
};

}  // namespace

TEST_F(ScorerFlow, TournamentSetupFromTheMenuReachesTheStatusBarAndTheFile) {
  host.Expect<TfrmTourInfo>([](TfrmTourInfo& m, ModelDialog& view) {
    TypeText(view, &m.edtName, "Lakeside Open");
    ChooseRadio(view, &m.RadioGroup2, "IWWF Scoring");
    ChooseRow(view, &m.EvTypeList, "WRC - World Record Capable");
    Click(view, &m.btnSave);
  });
  ASSERT_TRUE(window.Trigger("New1"));
  EXPECT_TRUE(host.done());
  EXPECT_EQ(window.PanelText(2), "IWWF Rules");
  EXPECT_EQ(t.info.EventType, "I4");
  EXPECT_EQ(t.CurDivision, 56);

  tp.files.Then(dir.file("Open.dat"));
  ASSERT_TRUE(window.Trigger("Save1"));
  std::string ttl = ReadFile(dir.file("Open.ttl"));
  EXPECT_NE(ttl.find("IWSF Overall"), std::string::npos);
  EXPECT_NE(ttl.find("Lakeside Open"), std::string::npos);
  EXPECT_NE(ttl.find("Last Round Placement"), std::string::npos);
}

TEST_F(ScorerFlow, ImportedSkiersShowInTheEntryList) {
  const std::string file = dir.file("entries.csv");
  std::ofstream(file) << "Arnvale,Tomas,2017,310000101,ON,CAN,BU10,12.5,180,,0.235,\n"
                         "Brightwater,Lena,2017,310000102,ON,CAN,GU10,10.25,210,,0.235,\n"
                         "Corrick,Elis,2015,310000103,BC,CAN,BU12,18.5,420,,0.235,\n";
  host.Expect<TfrmImport>([&](TfrmImport& m, ModelDialog& view) {
    tp.files.Then(file);
    Click(view, &m.btnGetFile);
    Click(view, &m.btnImport);
  });
  ASSERT_TRUE(window.Trigger("ImportEntries1"));
  EXPECT_TRUE(tp.prompter.saw("3 skiers imported"));
  EXPECT_EQ(t.SkierCount(), 3);

  host.Expect<TfrmEntryList>([](TfrmEntryList& m, ModelDialog& view) {
    auto* list = WidgetOf<QListWidget>(view, &m.lbxNames);
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->item(0)->text().contains("ARNVALE"));
    EXPECT_TRUE(list->item(2)->text().contains("CORRICK"));
  });
  ASSERT_TRUE(window.Trigger("AddEntry1"));
  EXPECT_TRUE(host.done());
}

TEST_F(ScorerFlow, SlalomResultThroughTheResultListPlacesTheSkier) {
  t.info.ClassDigit = '3';
  t.CurDivision = 54;  // OM
  Slalomer("FIRST", 54);
  Slalomer("SECOND", 54).SlalomScore[1] = 40;
  host.Expect<TfrmResultList>([&](TfrmResultList& m, ModelDialog& view) {
    ChooseRow(view, &m.lbResult, Row(view, &m.lbResult, 0));
    Click(view, &m.btnEdit);
    EXPECT_TRUE(Row(view, &m.lbScores, 0).contains("44.5"));
    Click(view, &m.btnClose);
  });
  host.Expect<TfrmSlalRslt>([](TfrmSlalRslt& m, ModelDialog& view) {
    TypeText(view, &m.edPass, "2.5");
    ChooseRow(view, &m.SpeedListBox, "58");
    ChooseRow(view, &m.RopeListBox, "12.00");
    Click(view, &m.btnSave);
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  const TSkier& first = *t.skiers.first();
  EXPECT_EQ(first.SlalomScore[1], 44.5);
  EXPECT_EQ(first.SlalomPlace, 1);
  EXPECT_EQ(std::next(t.skiers.first())->SlalomPlace, 2);
  EXPECT_DOUBLE_EQ(first.SlalomPoints, 1000);
  EXPECT_DOUBLE_EQ(first.OverallScore, 1900);
  EXPECT_EQ(first.OverallPlace, 1);
  EXPECT_TRUE(t.Unsaved);
}

// Keys go wherever the focus is, as at the keyboard.
void Keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
void Key(Qt::Key key, int times = 1) {
  for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key);
}

TEST_F(ScorerFlow, SlalomResultFromTheKeyboardAlone) {
  t.info.ClassDigit = '3';
  t.CurDivision = 54;
  TSkier& s = Slalomer("FIRST", 54);
  s.SlalomSpeed[1] = 49;
  s.SlalomRope[1] = 18.25;
  host.Expect<TfrmResultList>([&](TfrmResultList& m, ModelDialog& view) {
    ChooseRow(view, &m.lbResult, Row(view, &m.lbResult, 0));
    Click(view, &m.btnEdit);
    Click(view, &m.btnClose);
  });
  host.Expect<TfrmSlalRslt>([](TfrmSlalRslt&, ModelDialog& view) {
    QApplication::setActiveWindow(&view);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    Keys("2.5");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Up, 3);  // 49 -> 58 km/h
    Key(Qt::Key_Tab);
    Key(Qt::Key_Down, 4);  // 18.25 -> 12.00 m
    Key(Qt::Key_Return);
    EXPECT_FALSE(view.isVisible());
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  EXPECT_EQ(t.skiers.first()->SlalomSpeed[1], 58);
  EXPECT_EQ(t.skiers.first()->SlalomRope[1], 12);
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 44.5);
}

TEST_F(ScorerFlow, JumpResultFromTheKeyboardAlone) {
  t.info.ClassDigit = '3';
  t.CurDivision = 16;
  t.CurEvent = 'J';
  AddSkier(t, platform, "HOPPER", "Jo", 16, "J");
  host.Expect<TfrmResultList>([&](TfrmResultList& m, ModelDialog& view) {
    ChooseRow(view, &m.lbResult, Row(view, &m.lbResult, 0));
    Click(view, &m.btnEdit);
    EXPECT_TRUE(Row(view, &m.lbScores, 0).contains("40"));
    Click(view, &m.btnClose);
  });
  host.Expect<TfrmJumpRslt>([](TfrmJumpRslt&, ModelDialog& view) {
    QApplication::setActiveWindow(&view);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    Keys("38.5");
    Key(Qt::Key_Tab);
    Keys("f");
    Key(Qt::Key_Tab);
    Keys("40");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Down);  // ramp 0.235 -> 0.255
    Key(Qt::Key_Tab);
    Key(Qt::Key_Up);  // speed 45 -> 48 km/h
    Key(Qt::Key_Return);
    EXPECT_FALSE(view.isVisible());
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  const TSkier& s = *t.skiers.first();
  EXPECT_EQ(s.JumpDistance[1][1], 38.5);
  EXPECT_DOUBLE_EQ(s.JumpDistance[2][1], 0.02);
  EXPECT_EQ(s.JumpDistance[3][1], 40);
  EXPECT_EQ(s.JumpRamp[1], 0.255);
  EXPECT_EQ(s.JumpSpeed[1], 48);
  EXPECT_EQ(s.JumpPlace, 1);
}

TEST_F(ScorerFlow, SlalomRoundTypedIntoTheGrid) {
  t.CurDivision = 54;  // class "1": Input Results opens the grid
  Slalomer("FIRST", 54);
  Slalomer("SECOND", 54);
  host.Expect<TBasicSlalomForm>([](TBasicSlalomForm& m, ModelDialog& view) {
    TypeInCell(view, &m.grid, 1, TBasicSlalomForm::LastPass, "2.5");
    TypeInCell(view, &m.grid, 2, TBasicSlalomForm::LastPass, "4");
    auto* table = WidgetOf<QTableWidget>(view, &m.grid);
    EXPECT_EQ(table->item(1, TBasicSlalomForm::Total)->text(), "44.5");
    EXPECT_EQ(table->item(2, TBasicSlalomForm::Total)->text(), "46");
    Click(view, &m.btnSave);
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  EXPECT_EQ(t.skiers.first()->SlalomPlace, 2);
  EXPECT_EQ(std::next(t.skiers.first())->SlalomPlace, 1);
  EXPECT_DOUBLE_EQ(std::next(t.skiers.first())->SlalomPoints, 1000);
  EXPECT_DOUBLE_EQ(std::next(t.skiers.first())->OverallScore, 1900);
  EXPECT_EQ(std::next(t.skiers.first())->OverallPlace, 1);
  EXPECT_EQ(t.skiers.first()->OverallPlace, 2);
}

TEST_F(ScorerFlow, AfterCompleteEveryGridRowIsStillItsSkier) {
  t.CurDivision = 54;
  Slalomer("FIRST", 54).SlalomSeed = 20;
  Slalomer("SECOND", 54).SlalomSeed = 10;  // skis first
  AddSkier(t, platform, "TRICKONLY", "Al", 54, "T");
  host.Expect<TBasicSlalomForm>([](TBasicSlalomForm& m, ModelDialog& view) {
    auto* table = WidgetOf<QTableWidget>(view, &m.grid);
    auto names = [table] {
      QStringList out;
      for (int r = 1; r <= 3; ++r) out << (table->item(r, 0) ? table->item(r, 0)->text() : QString());
      return out.join(",").toStdString();
    };
    const std::string rows = "SECOND,FIRST,";
    EXPECT_EQ(names(), rows);
    TypeInCell(view, &m.grid, 2, TBasicSlalomForm::LastPass, "2.5");  // FIRST now leads overall
    Click(view, &m.btnSave);
    EXPECT_EQ(names(), rows);
    TypeInCell(view, &m.grid, 1, TBasicSlalomForm::LastPass, "4");
    EXPECT_EQ(table->item(1, TBasicSlalomForm::Total)->text(), "46");
    EXPECT_EQ(table->item(2, TBasicSlalomForm::Total)->text(), "44.5");
    Click(view, &m.btnSave);
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  const TSkier& first = *t.skiers.first();
  EXPECT_EQ(first.Surname, "FIRST");
  EXPECT_EQ(first.SlalomScore[1], 44.5);
  EXPECT_EQ(std::next(t.skiers.first())->SlalomScore[1], 46);
  EXPECT_EQ(std::next(t.skiers.first(), 2)->SlalomScore[1], 0);  // not entered, never scored
}

TEST_F(ScorerFlow, TrickPassScoredTrickByTrick) {
  std::string ini;
  for (const auto& l : TrickTestLines()) ini += l + "\r\n";
  WriteFileSafely(tp.fs, dir.file("TALLIVAR.INI"), ini);
  t.EventFile = dir.file("Nats.dat");
  t.EventBase = dir.file("Nats");
  t.info.ClassDigit = '3';
  t.CurEvent = 'T';
  t.CurDivision = FindDivision("OW").value();
  AddSkier(t, platform, "LAKE", "Ann", t.CurDivision, "T");
  host.Expect<TfrmResultList>([&](TfrmResultList& m, ModelDialog& view) {
    ChooseRow(view, &m.lbResult, Row(view, &m.lbResult, 0));
    Click(view, &m.btnEdit);
    EXPECT_EQ(Row(view, &m.lbScores, 0).trimmed(), "310");
    Click(view, &m.btnClose);
  });
  host.Expect<TfrmTrickRslt>([](TfrmTrickRslt& m, ModelDialog& view) {
    Click(view, &m.btnPass1);
    EXPECT_EQ(WidgetOf<QLineEdit>(view, &m.edPass1Total)->text(), "310");
    EXPECT_EQ(WidgetOf<QLineEdit>(view, &m.edTrickTotal)->text(), "310");
    Click(view, &m.btnSave);
  });
  host.Expect<TfrmTrickPass>([](TfrmTrickPass& m, ModelDialog& view) {
    const char* codes[] = {"TS", "S", "RTS", "B"};
    for (int r = 1; r <= 4; ++r) TypeInCell(view, &m.TGrid1, r, 2, codes[r - 1]);
    EXPECT_EQ(WidgetOf<QTableWidget>(view, &m.TGrid1)->item(4, 5)->text(), "310");
    Click(view, &m.btnSavScor);
  });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
  EXPECT_EQ(t.skiers.first()->TrickScore[1], 310);
}
