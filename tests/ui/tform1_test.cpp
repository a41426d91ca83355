#include "ui/tform1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/divisions.h"
#include "core/event_files.h"
#include "core/skier_ops.h"
#include "core/tournament.h"
#include "help/help_topics.h"
#include "printing/results_page.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;

struct MainFormTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TForm1 form{t, p};
  std::vector<std::string> textExports, csvExports;

  MainFormTest() {
    t.SettingsDir = dir.path();
    form.hooks.runTextExport = [this] { textExports.push_back(t.TxtExportFile.str()); };
    form.hooks.runCsvExport = [this] { csvExports.push_back(t.CsvExportFile.str()); };
  }
  std::string Path(const std::string& name) const { return dir.file(name); }
  // An event that has been saved under a name, as after a first Save.
  void NameEvent(const std::string& name) {
    tp.files.Then(Path(name));
    form.Save1Click();
    ASSERT_EQ(form.StatusBar1.panels[0], Path(name));
  }
  const MenuCommand* Find(const std::string& name) {
    menus = form.Menus();
    for (const auto& m : menus)
      for (const auto& i : m.items)
        if (i.name == name) return &i;
    return nullptr;
  }
  std::vector<Menu> menus;
};

std::uintmax_t SizeOf(const std::string& path) { return fs::exists(path) ? fs::file_size(path) : 0; }

}  // namespace

TEST_F(MainFormTest, StartsWithTheInitialPanelTexts) {
  EXPECT_EQ(form.StatusBar1.panels[0], "untitled.dat");
  EXPECT_EQ(form.StatusBar1.panels[1], "Div:M  Event:S  Round:1");
  EXPECT_EQ(form.StatusBar1.panels[2], "ZETL Rules");
  EXPECT_EQ(form.StatusBar1.widths, (std::array<int, 3>{375, 175, 50}));
  EXPECT_EQ(form.Caption(), "Tallivar - untitled.dat");
}

TEST_F(MainFormTest, RulesPanelTextPerRuleSet) {
  EXPECT_EQ(RulesPanelText(0), "ZETL Rules");
  EXPECT_EQ(RulesPanelText(1), "AWSA Rules");
  EXPECT_EQ(RulesPanelText(2), "IWWF Rules");
  EXPECT_EQ(RulesPanelText(3), "Adapted Rules");
  // Any other value leaves the panel as it was.
  form.hooks.showTourInfo = [this] { t.settings.RulesMode = 7; };
  form.New1Click();
  EXPECT_EQ(form.StatusBar1.panels[2], "ZETL Rules");
}

TEST_F(MainFormTest, MenusHaveTheirCaptionsSeparatorsAndShortcuts) {
  std::vector<Menu> m = form.Menus();
  ASSERT_EQ(m.size(), 5u);
  std::vector<std::string> titles;
  for (const auto& menu : m) titles.push_back(menu.caption);
  EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Entry", "e&Vent", "&Results", "&Help"}));
  std::vector<std::string> file;
  for (const auto& i : m[0].items) file.push_back(i.separator() ? "-" : i.caption);
  EXPECT_EQ(file, (std::vector<std::string>{"&New", "&Open...", "&Save", "Save &As...", "-", "&Print...",
                                            "P&rint Setup...", "-", "Preferences", "E&xit"}));
  std::vector<std::string> entry, event, results, help;
  for (const auto& i : m[1].items) entry.push_back(i.caption);
  for (const auto& i : m[2].items) event.push_back(i.caption);
  for (const auto& i : m[3].items) results.push_back(i.caption);
  for (const auto& i : m[4].items) help.push_back(i.caption);
  EXPECT_EQ(entry, (std::vector<std::string>{"&Skier Entry", "Import Entries", "&List Entries...",
                                             "&Clear All Entries", "Clear &All Scores", "&Team Names"}));
  EXPECT_EQ(event,
            (std::vector<std::string>{"&Seeding", "&Judging/Scoring Sheets ...", "Starting Lists ...",
                                      "Start Lists of &All Divisions", "&Event Schedule", "&Officials ..."}));
  EXPECT_EQ(results, (std::vector<std::string>{"&Input Results", "&View Results", "&Team Results",
                                               "Export to &Textfile", "Export to &CSV File",
                                               "&Print Results ...", "&Results Page", "&Live Results..."}));
  EXPECT_EQ(help, (std::vector<std::string>{"&User Guide", "&Show Setup", "&About..."}));
  EXPECT_EQ(Find("Open1")->shortcut, "Ctrl+O");
  EXPECT_EQ(Find("Save1")->shortcut, "Ctrl+S");
}

TEST_F(MainFormTest, ACommandIsEnabledOnlyOnceItsDialogIsWired) {
  EXPECT_FALSE(Find("AddEntry1")->enabled);
  EXPECT_FALSE(Find("New1")->enabled);
  EXPECT_TRUE(Find("Save1")->enabled);
  EXPECT_TRUE(Find("ClearAllEntries1")->enabled);
  int shown = 0;
  form.hooks.showEntryList = [&shown] { ++shown; };
  const MenuCommand* entry = Find("AddEntry1");
  ASSERT_TRUE(entry->enabled);
  entry->action();
  EXPECT_EQ(shown, 1);
  // Input Results needs the dialog the tournament class uses.
  t.info.ClassDigit = '1';
  form.hooks.showResultList = [] {};
  EXPECT_FALSE(Find("InputResults1")->enabled);
  t.info.ClassDigit = 'C';
  EXPECT_TRUE(Find("InputResults1")->enabled);
}

TEST_F(MainFormTest, SaveOnANewEventAsksForANameAndWritesNoExports) {
  AddSkier(t, p, "SMITH", "John", 16);
  t.MarkChanged();
  tp.files.Then(Path("Nats.dat"));
  form.Save1Click();
  ASSERT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(tp.files.saved[0].filter, "Tallivar Event Data (*.dat)|*.dat");
  EXPECT_EQ(tp.files.saved[0].defaultExt, "dat");
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Nats.dat"));
  EXPECT_EQ(t.EventFile.str(), Path("Nats.dat"));
  EXPECT_EQ(SizeOf(Path("Nats.dat")), 3u * 2208u);
  EXPECT_FALSE(t.Unsaved);
  EXPECT_TRUE(textExports.empty());
  EXPECT_TRUE(csvExports.empty());
  EXPECT_EQ(form.Caption(), "Tallivar - Nats.dat");
}

TEST_F(MainFormTest, SaveOnANamedEventWritesBothExportsUnderItsBase) {
  NameEvent("Nats.dat");
  form.Save1Click();  // no dialog this time
  EXPECT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(textExports, (std::vector<std::string>{Path("Nats.txt")}));
  EXPECT_EQ(csvExports, (std::vector<std::string>{Path("Nats.csv")}));
  EXPECT_TRUE(t.TxtExportFile.empty());
  EXPECT_TRUE(t.CsvExportFile.empty());
  EXPECT_TRUE(fs::exists(Path("Nats.bak")));
}

TEST_F(MainFormTest, CancelledOrFailedSaveChangesNothing) {
  t.EventFile = Path("Last.dat");  // as ReadSettings leaves it
  t.MarkChanged();
  tp.files.Then(std::nullopt);
  form.Save1Click();
  EXPECT_EQ(form.StatusBar1.panels[0], "untitled.dat");
  tp.fs.failAt = 1;
  tp.files.Then(Path("Nats.dat"));
  form.Save1Click();
  EXPECT_FALSE(tp.prompter.shown.empty());  // the failure was reported
  EXPECT_EQ(form.StatusBar1.panels[0], "untitled.dat");
  EXPECT_EQ(t.EventFile.str(), Path("Last.dat"));
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(MainFormTest, OpenShowsTheEventAndItsRules) {
  t.settings.RulesMode = 1;
  AddSkier(t, p, "SMITH", "John", 16);
  ASSERT_TRUE((t.EventFile = Path("Awsa.dat"), SaveShown(t, p)));

  Tournament fresh;
  TForm1 other(fresh, p);
  tp.files.Then(Path("Awsa.dat"));
  other.Open1Click();
  ASSERT_EQ(tp.files.opened.size(), 1u);
  EXPECT_EQ(tp.files.opened[0].filter, "Tallivar Event Data (*.dat)|*.dat|All files (*.*)|*.*");
  EXPECT_EQ(other.StatusBar1.panels[0], Path("Awsa.dat"));
  EXPECT_EQ(other.StatusBar1.panels[2], "AWSA Rules");
  EXPECT_EQ(fresh.SkierCount(), 1);
}

TEST_F(MainFormTest, AFailedOrCancelledOpenKeepsShowingTheOpenEvent) {
  NameEvent("Nats.dat");
  std::ofstream(Path("Broken.dat")) << "not a skier file";
  tp.files.Then(Path("Broken.dat"));
  form.Open1Click();
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Nats.dat"));
  EXPECT_EQ(t.EventFile.str(), Path("Nats.dat"));
  tp.files.Then(std::nullopt);
  form.Open1Click();
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Nats.dat"));
}

TEST_F(MainFormTest, SaveAsPresetsTheOldNameAndTakesTheTrickPassesAlong) {
  NameEvent("Nats.dat");
  std::ofstream(Path("Nats.trk"), std::ios::binary) << std::string(2 * 1922, 'x');
  t.settings.RulesMode = 3;
  tp.files.Then(Path("Copy.dat"));
  form.SaveAs1Click();
  ASSERT_EQ(tp.files.saved.size(), 2u);
  EXPECT_EQ(tp.files.saved[1].presetName, Path("Nats.dat"));
  EXPECT_EQ(SizeOf(Path("Copy.trk")), 2u * 1922u);
  EXPECT_TRUE(fs::exists(Path("Copy.dat")));
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Copy.dat"));
  EXPECT_EQ(form.StatusBar1.panels[2], "Adapted Rules");
  EXPECT_EQ(textExports, (std::vector<std::string>{Path("Copy.txt")}));
  EXPECT_EQ(csvExports, (std::vector<std::string>{Path("Copy.csv")}));
}

TEST_F(MainFormTest, ExportNamesSetBySaveAsServeALaterExitThatSaves) {
  NameEvent("Nats.dat");
  tp.files.Then(Path("Copy.dat"));
  form.SaveAs1Click();
  t.MarkChanged();
  tp.prompter.Then(Answer::Yes);
  form.Exit1Click();
  EXPECT_EQ(textExports, (std::vector<std::string>{Path("Copy.txt"), Path("Copy.txt")}));
  EXPECT_EQ(csvExports, (std::vector<std::string>{Path("Copy.csv"), Path("Copy.csv")}));
}

TEST_F(MainFormTest, SaveAsCancelledWritesNothing) {
  tp.files.Then(std::nullopt);
  form.SaveAs1Click();
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_EQ(form.StatusBar1.panels[0], "untitled.dat");
}

TEST_F(MainFormTest, ExitWithoutUnsavedDataEndsAtOnce) {
  form.Exit1Click();
  EXPECT_TRUE(form.exitRequested());
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(MainFormTest, ExitAnsweredYesOnANamedEventSavesAndKeepsRunning) {
  NameEvent("Nats.dat");
  AddSkier(t, p, "SMITH", "John", 16);
  t.MarkChanged();
  tp.prompter.Then(Answer::Yes);
  form.Exit1Click();
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_EQ(tp.prompter.shown[0].text, "You have unsaved data! Save Now?");
  EXPECT_EQ(tp.prompter.shown[0].title, "Warning");
  EXPECT_EQ(tp.prompter.shown[0].buttons, Buttons::YesNoCancel);
  EXPECT_FALSE(form.exitRequested());
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(SizeOf(Path("Nats.dat")), 3u * 2208u);
  // The export names stood empty, so no export ran.
  EXPECT_TRUE(textExports.empty());
  form.Exit1Click();
  EXPECT_TRUE(form.exitRequested());
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
}

TEST_F(MainFormTest, ExitAnsweredYesOnANewEventAsksForAName) {
  t.MarkChanged();
  tp.prompter.Then(Answer::Yes);
  tp.files.Then(Path("New.dat"));
  form.Exit1Click();
  EXPECT_EQ(form.StatusBar1.panels[0], Path("New.dat"));
  EXPECT_FALSE(form.exitRequested());
}

TEST_F(MainFormTest, ExitAnsweredNoEndsAndCancelStays) {
  t.MarkChanged();
  tp.prompter.Then(Answer::Cancel);
  form.Exit1Click();
  EXPECT_FALSE(form.exitRequested());
  tp.prompter.Then(Answer::No);
  form.Exit1Click();
  EXPECT_TRUE(form.exitRequested());
  // Closing the window after that asks nothing more.
  EXPECT_TRUE(form.FormClose());
  EXPECT_EQ(tp.prompter.shown.size(), 2u);
}

TEST_F(MainFormTest, ClosingTheWindowWithUnsavedData) {
  EXPECT_TRUE(form.FormClose());  // nothing unsaved, nothing asked
  NameEvent("Nats.dat");
  t.MarkChanged();
  tp.prompter.Then(Answer::No);
  EXPECT_TRUE(form.FormClose());
  EXPECT_EQ(tp.prompter.shown.back().text, "You have unsaved data! Save now?");
  EXPECT_EQ(tp.prompter.shown.back().buttons, Buttons::YesNo);
  EXPECT_TRUE(t.Unsaved);
  tp.prompter.Then(Answer::Yes);
  EXPECT_TRUE(form.FormClose());
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(textExports, (std::vector<std::string>{Path("Nats.txt")}));
}

TEST_F(MainFormTest, ClosingAfterAFailedSaveKeepsTheWindowOpen) {
  NameEvent("Nats.dat");
  t.MarkChanged();
  tp.fs.failAt = tp.fs.steps + 1;
  tp.prompter.Then(Answer::Yes);
  EXPECT_FALSE(form.FormClose());
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(MainFormTest, ClearAllEntriesAsksAndThenSaveOverwritesTheLastEvent) {
  NameEvent("Nats.dat");
  AddSkier(t, p, "SMITH", "John", 16);
  tp.prompter.Then(Answer::Cancel);
  form.ClearAllEntries1Click();
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(tp.prompter.shown.back().text, "Are you sure you want to delete all skiers ?!");
  EXPECT_EQ(tp.prompter.shown.back().title, "Warning!");
  EXPECT_EQ(tp.prompter.shown.back().buttons, Buttons::OkCancel);
  tp.prompter.Then(Answer::Ok);
  form.ClearAllEntries1Click();
  EXPECT_EQ(t.SkierCount(), 0);
  EXPECT_EQ(form.StatusBar1.panels[0], "Untitled");
  form.Save1Click();  // no dialog: the files of the event are overwritten
  EXPECT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(SizeOf(Path("Nats.dat")), 2u * 2208u);
}

TEST_F(MainFormTest, ClearAllEntriesOnANeverSavedEventStillAsksForAName) {
  tp.prompter.Then(Answer::Ok);
  form.ClearAllEntries1Click();
  tp.files.Then(Path("Fresh.dat"));
  form.Save1Click();
  EXPECT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Fresh.dat"));
}

TEST_F(MainFormTest, ClearAllScoresAsksAndKeepsTheSkiers) {
  TSkier& s = AddSkier(t, p, "SMITH", "John", 16);
  s.SlalomScore[1] = 12.5;
  tp.prompter.Then(Answer::Cancel);
  form.ClearAllScores1Click();
  EXPECT_EQ(std::next(SkierNodes(t).begin())->SlalomScore[1], 12.5);
  EXPECT_EQ(tp.prompter.shown.back().text, "Delete all score data, keep skier names!");
  tp.prompter.Then(Answer::Ok);
  form.ClearAllScores1Click();
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(std::next(SkierNodes(t).begin())->SlalomScore[1], 0.0);
}

TEST_F(MainFormTest, ExportToTextfile) {
  tp.files.Then(std::nullopt);
  form.ExporttoTextfile1Click();
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_TRUE(textExports.empty());
  tp.files.Then(Path("Results.txt"));
  form.ExporttoTextfile1Click();
  EXPECT_EQ(tp.files.saved.back().filter, "Tallivar textfile results (*.txt)|*.txt");
  EXPECT_EQ(tp.files.saved.back().defaultExt, "txt");
  EXPECT_TRUE(tp.prompter.saw("Saving results to \".txt\" file.."));
  EXPECT_EQ(textExports, (std::vector<std::string>{Path("Results.txt")}));
}

TEST_F(MainFormTest, ExportToCsvAnnouncesTheFileOfTheRuleSet) {
  const std::vector<std::string> expected = {
      "Saving results to \".csv\" file..", "Saving results to \".pdf\" file..",
      "Saving results to \".txt\" file..", "Saving results to \".csv\" file.."};
  for (int mode = 0; mode < 4; ++mode) {
    t.settings.RulesMode = mode;
    tp.files.Then(Path("Out.csv"));
    form.ExporttoCSVFile1Click();
    EXPECT_EQ(tp.prompter.shown.back().text, expected[static_cast<std::size_t>(mode)]) << mode;
  }
  EXPECT_EQ(tp.files.saved.back().filter, "Tallivar Export File (*.csv)|*.csv");
  EXPECT_EQ(csvExports.size(), 4u);
  EXPECT_EQ(csvExports.back(), Path("Out.csv"));
  // A cancelled dialog leaves the export name empty and writes nothing.
  tp.files.Then(std::nullopt);
  form.ExporttoCSVFile1Click();
  EXPECT_TRUE(t.CsvExportFile.empty());
  EXPECT_EQ(csvExports.size(), 4u);
}

TEST_F(MainFormTest, InputResultsOpensTheResultListUnlessTheClassIsOne) {
  int lists = 0;
  std::vector<char> grids;
  form.hooks.showResultList = [&lists] { ++lists; };
  form.hooks.showQuickEntry = [&grids](char e) { grids.push_back(e); };
  t.info.ClassDigit = 'C';
  form.InputResults1Click();
  EXPECT_EQ(lists, 1);
  EXPECT_TRUE(grids.empty());
}

TEST_F(MainFormTest, InputResultsFollowsAnEventChangedInsideAGrid) {
  std::vector<char> grids;
  t.info.ClassDigit = '1';
  t.CurEvent = 'S';
  form.hooks.showResultList = [] { ADD_FAILURE() << "the result list is for other classes"; };
  form.hooks.showQuickEntry = [this, &grids](char e) {
    grids.push_back(e);
    if (grids.size() == 1) t.CurEvent = 'J';  // the scorer switched to jump in the slalom grid
  };
  form.InputResults1Click();
  EXPECT_EQ(grids, (std::vector<char>{'S', 'J'}));
}

TEST_F(MainFormTest, NewShowsTheSetupAndThenItsRules) {
  form.hooks.showTourInfo = [this] { t.settings.RulesMode = 2; };
  AddSkier(t, p, "SMITH", "John", 16);
  form.New1Click();
  EXPECT_EQ(form.StatusBar1.panels[2], "IWWF Rules");
  EXPECT_EQ(t.SkierCount(), 1);
}

TEST_F(MainFormTest, PrintHelpAndTheSelectionPanel) {
  form.Print1Click();
  form.PrintSetup1Click();
  EXPECT_EQ(tp.printer.printDialogs, 1);
  EXPECT_EQ(tp.printer.setupDialogs, 1);
  form.UserGuideClick();
  EXPECT_EQ(tp.help.topics, (std::vector<int>{kHelpUserGuide}));
  EXPECT_EQ(form.StatusBar1.panels[1], "Div:M  Event:S  Round:1");
  t.Select({*FindDivision("MU17"), 'J', 2});
  form.RefreshStatus();
  EXPECT_EQ(form.StatusBar1.panels[1], "Div:MU17\t   Event:J\t   Round:2");
}

TEST_F(MainFormTest, AFailedSaveAsKeepsTheOldNamesAndCopiesNothing) {
  NameEvent("Nats.dat");
  std::ofstream(Path("Nats.trk"), std::ios::binary) << std::string(1922, 'x');
  tp.fs.failAt = tp.fs.steps + 1;
  tp.files.Then(Path("Copy.dat"));
  form.SaveAs1Click();
  EXPECT_EQ(form.StatusBar1.panels[0], Path("Nats.dat"));
  EXPECT_EQ(t.EventFile.str(), Path("Nats.dat"));
  EXPECT_EQ(t.EventBase.str(), Path("Nats"));
  EXPECT_FALSE(fs::exists(Path("Copy.trk")));
  EXPECT_TRUE(textExports.empty());
}

TEST_F(MainFormTest, EverySaveWritesTheResultsPageAndAPageThatCannotBeWrittenIsOnlyAWarning) {
  form.hooks.writeResultsPage = [this] { return WriteResultsPageBesideEvent(t, p); };
  const std::string page = Path("Nats-results.html");
  NameEvent("Nats.dat");
  ASSERT_TRUE(fs::exists(page));
  ASSERT_NE(Find("ResultsPage1"), nullptr);
  EXPECT_TRUE(Find("ResultsPage1")->enabled);

  // A folder where the page goes: the save still stands, and the warning names the page.
  fs::remove(page);
  fs::create_directory(page);
  AddSkier(t, p, "JONES", "Ann", 17);
  t.MarkChanged();
  tp.prompter.clear();
  form.Save1Click();
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(SizeOf(Path("Nats.dat")), 3u * 2208u);
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find(page), std::string::npos);

  // The menu command writes it again once the way is clear, and says where.
  fs::remove(page);
  tp.prompter.clear();
  Find("ResultsPage1")->action();
  EXPECT_TRUE(fs::is_regular_file(page));
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find(page), std::string::npos);
}
