// The real main window, driven through its menu commands with scripted answers.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "core/event_files.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

struct MainWindowTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  MainWindow window{t, tp.platform};

  MainWindowTest() {
    t.SettingsDir = dir.path();
    window.show();
  }
  std::string Path(const std::string& name) const { return dir.file(name); }
  QString Panel(int i) const { return window.PanelText(i); }
  QAction* Action(const QString& caption) const {
    for (QAction* menu : window.menuBar()->actions())
      for (QAction* a : menu->menu()->actions())
        if (a->text() == caption) return a;
    return nullptr;
  }
};

}  // namespace

TEST_F(MainWindowTest, StartsWithTheInitialStatusBar) {
  EXPECT_EQ(Panel(0), "untitled.dat");
  EXPECT_EQ(Panel(1), "Div:M  Event:S  Round:1");
  EXPECT_EQ(Panel(2), "ZETL Rules");
  // "[*]" is where the title shows the unsaved-changes mark.
  EXPECT_EQ(window.windowTitle(), "Tallivar - untitled.dat[*]");
  EXPECT_FALSE(window.isWindowModified());
}

TEST_F(MainWindowTest, MenuBarCarriesTheCommandsWithTheirShortcuts) {
  QStringList titles;
  for (QAction* menu : window.menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Entry", "e&Vent", "&Results", "&Help"}));
  ASSERT_NE(Action("&Open..."), nullptr);
  EXPECT_EQ(Action("&Open...")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(Action("&Save")->shortcut(), QKeySequence("Ctrl+S"));
  // Dialogs not wired in yet are there but disabled.
  ASSERT_NE(Action("&Skier Entry"), nullptr);
  EXPECT_FALSE(Action("&Skier Entry")->isEnabled());
  EXPECT_TRUE(Action("&Clear All Entries")->isEnabled());
}

TEST_F(MainWindowTest, SaveOnANewEventAsksForAName) {
  tp.files.Then(Path("Nats.dat"));
  Action("&Save")->trigger();
  EXPECT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(Panel(0).toStdString(), Path("Nats.dat"));
  EXPECT_EQ(window.windowTitle(), "Tallivar - Nats.dat[*]");
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_TRUE(std::filesystem::exists(Path("Nats.dat")));
}

TEST_F(MainWindowTest, OpenOfASavedEventUpdatesTheEventAndRulesPanels) {
  {
    Tournament saved;
    saved.settings.RulesMode = 2;
    saved.EventFile = Path("World.dat");
    AddSkier(saved, tp.platform, "SMITH", "John", 16);
    ASSERT_TRUE(SaveShown(saved, tp.platform));
  }
  tp.files.Then(Path("World.dat"));
  ASSERT_TRUE(window.Trigger("Open1"));
  EXPECT_EQ(Panel(0).toStdString(), Path("World.dat"));
  EXPECT_EQ(Panel(2), "IWWF Rules");
}

TEST_F(MainWindowTest, ClearAllEntriesRenamesTheEventPanel) {
  AddSkier(t, tp.platform, "SMITH", "John", 16);
  tp.prompter.Then(Answer::Ok);
  Action("&Clear All Entries")->trigger();
  EXPECT_EQ(Panel(0), "Untitled");
  EXPECT_EQ(t.SkierCount(), 0);
}

TEST_F(MainWindowTest, ExitAnsweredYesSavesAndKeepsRunningTheSecondExitEnds) {
  tp.files.Then(Path("Nats.dat"));
  window.Trigger("Save1");
  AddSkier(t, tp.platform, "SMITH", "John", 16);
  t.MarkChanged();
  tp.prompter.Then(Answer::Yes);
  window.Trigger("Exit1");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(std::filesystem::file_size(Path("Nats.dat")), 3u * 2208u);
  window.Trigger("Exit1");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
}

TEST_F(MainWindowTest, ClosingWithUnsavedDataAsks) {
  t.MarkChanged();
  tp.prompter.Then(Answer::No);
  window.close();
  EXPECT_FALSE(window.isVisible());
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_EQ(tp.prompter.shown[0].text, "You have unsaved data! Save now?");
}

TEST_F(MainWindowTest, ClosingStaysOpenWhenTheSaveFails) {
  tp.files.Then(Path("Nats.dat"));
  window.Trigger("Save1");
  t.MarkChanged();
  tp.fs.failAt = tp.fs.steps + 1;
  tp.prompter.Then(Answer::Yes);
  window.close();
  EXPECT_TRUE(window.isVisible());
  tp.fs.failAt = 0;
}

namespace {

void WriteSettings(const std::string& path, const std::string& scoring, const std::string& lastFile) {
  std::ofstream out(path);
  out << "[TALLIVAR]\nCountry = CAN\nScoring = " << scoring << "\nLastFile = " << lastFile
      << "\nTeam = BEST3\nPlace = Best Score Placement\nProv = ON\nSiteCode = CAN0000\n";
}

}  // namespace

TEST_F(MainWindowTest, StartUpTakesTheLastEventButStillShowsUntitled) {
  WriteSettings(Path("TALLIVAR.INI"), "IWSF", "/lake/Nats.dat");
  ReadStartupSettings(t, tp.platform, window);
  EXPECT_EQ(t.EventFile.str(), "/lake/Nats.dat");
  EXPECT_EQ(Panel(0), "untitled.dat");
  EXPECT_EQ(Panel(2), "IWWF Rules");
}

TEST_F(MainWindowTest, StartUpWithTheShippedSettings) {
  std::filesystem::copy_file(TALLIVAR_SOURCE_DIR "/data/TALLIVAR.INI", Path("TALLIVAR.INI"));
  ReadStartupSettings(t, tp.platform, window);
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(Panel(0), "untitled.dat");
  EXPECT_EQ(Panel(1), "Div:M  Event:S  Round:1");
  EXPECT_EQ(Panel(2), "ZETL Rules");
}
