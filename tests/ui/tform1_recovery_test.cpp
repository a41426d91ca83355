// The copy of the unsaved work kept while the scorer types, and the question that offers it back.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/event_files.h"
#include "core/file_io.h"
#include "core/recovery_file.h"
#include "support/crashed_lock.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/quick_grids.h"
#include "ui/tform1.h"

namespace {

namespace fs = std::filesystem;

struct RecoveryTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  TForm1 form{t, tp.platform};
  std::string lake = dir.file("Lake.dat");
  std::string copy = dir.file("Lake.recovery");

  RecoveryTest() {
    t.SettingsDir = dir.path();
    AddSkier(t, tp, "ARNVALE", "Tomas", 16);
    tp.files.Then(lake);
    form.Save1Click();  // a named, saved event with one skier and no score
  }
  // The program starts again after this one stopped and opens the event, answering the offer.
  struct Restarted {
    Tournament t;
    TForm1 form;
    explicit Restarted(RecoveryTest& test) : form(t, test.tp.platform) {
      t.SettingsDir = test.dir.path();
      LeaveCrashedLock(test.lake);
      test.tp.files.Then(test.lake);
      test.tp.prompter.Then(Answer::Yes);
      form.Open1Click();
    }
  };
  void Score(double buoys) {
    SkierAt(t, t.skiers.first()).SlalomScore[1] = buoys;
    t.MarkChanged();
    form.Checkpoint();
  }
};

}  // namespace

TEST_F(RecoveryTest, EachCompletedChangeIsCopiedAndACleanSaveRemovesTheCopy) {
  form.Checkpoint();
  EXPECT_FALSE(fs::exists(copy));  // nothing unsaved
  Score(20);
  ASSERT_TRUE(fs::exists(copy));
  const int steps = tp.fs.steps;
  form.Checkpoint();  // no change since: nothing written
  EXPECT_EQ(tp.fs.steps, steps);
  form.Save1Click();
  EXPECT_FALSE(fs::exists(copy));
}

TEST_F(RecoveryTest, AFailedCopyIsReportedOnceAndLeavesTheSavedEventAlone) {
  const std::string saved = *tp.fs.ReadAll(lake);
  for (int i = 1; i <= 3; ++i) {
    tp.fs.failAt = tp.fs.steps + 2;  // the write of the copy's temporary file
    Score(10 * i);
  }
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  EXPECT_NE(tp.prompter.shown[0].text.find("could not be written"), std::string::npos);
  EXPECT_EQ(*tp.fs.ReadAll(lake), saved);
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_FALSE(fs::exists(TempNameFor(copy)));
}

TEST_F(RecoveryTest, OpenOffersANewerCopyAndRestoresItUnsaved) {
  Score(44);
  Restarted again(*this);
  Tournament& fresh = again.t;
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  const std::string& q = tp.prompter.shown[0].text;
  EXPECT_EQ(tp.prompter.shown[0].title, "Unsaved work found");
  EXPECT_NE(q.find("written on 04/07/2026 at 09:05:03"), std::string::npos) << q;
  EXPECT_NE(q.find("The copy holds 1 skier and 1 score. The saved event holds 1 skier and 0 scores."),
            std::string::npos)
      << q;
  EXPECT_EQ(std::next(SkierNodes(fresh).begin())->SlalomScore[1], 44);
  EXPECT_TRUE(fresh.Unsaved);
  EXPECT_EQ(again.form.StatusBar1.panels[0], lake);
}

TEST_F(RecoveryTest, ScoresTypedInAGridSurviveACrashBeforeComplete) {
  AddSkier(t, tp, "BRENNIK", "Sara", 16, "S");
  t.CurDivision = 16;
  {
    TBasicSlalomForm grid(t, tp.platform);
    grid.FormShow();
    for (int row = 1; row <= 2; ++row) {
      grid.grid.row = row;
      grid.grid.col = TBasicSlalomForm::Total;
      grid.GridSelect();
      grid.KeyEntry(row == 1 ? '3' : '5');
      form.Checkpoint();  // after every key, as the program does
    }
  }  // the program stops with the grid open: nothing was stored
  EXPECT_EQ(CountScores(t.skiers.nodes()), 0);
  Restarted again(*this);
  const Tournament& fresh = again.t;
  EXPECT_NE(tp.prompter.shown.at(0).text.find("The copy holds 2 skiers and 2 scores."), std::string::npos);
  // Stored as Complete would have: placed, and in the audit log.
  std::vector<std::pair<double, int>> scoresAndPlaces;
  for (auto s = std::next(fresh.skiers.nodes().begin()); s != std::prev(fresh.skiers.nodes().end()); ++s)
    scoresAndPlaces.emplace_back(s->SlalomScore[1], s->SlalomPlace);
  std::sort(scoresAndPlaces.begin(), scoresAndPlaces.end());
  EXPECT_EQ(scoresAndPlaces, (std::vector<std::pair<double, int>>{{3, 2}, {5, 1}}));
  const std::string log = *tp.fs.ReadAll(dir.file("Lakelog.log"));
  EXPECT_NE(log.find("ARNVALE"), std::string::npos) << log;
  EXPECT_NE(log.find("BRENNIK"), std::string::npos) << log;
  EXPECT_TRUE(fresh.gridEdits.skiers.empty());
}

TEST_F(RecoveryTest, ACopyNotWantedOrDamagedOrOlderIsSetAsideNeverDeleted) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    Answer answer;  // Ok: no question expected
    const char* message;
  } cases[] = {
      {"declined", [] {}, Answer::No, "Restore the unsaved work?"},
      {"damaged", [this] { fs::resize_file(copy, 100); }, Answer::Ok, "is damaged"},
      {"older than the save",
       [this] { fs::last_write_time(copy, fs::last_write_time(lake) - std::chrono::hours(1)); }, Answer::Ok,
       "is older than the saved event and was set aside as"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    tp.prompter.clear();
    Score(30);
    LeaveCrashedLock(lake);
    c.prepare();
    if (c.answer != Answer::Ok) tp.prompter.Then(c.answer);
    Tournament fresh;
    TForm1 again{fresh, tp.platform};
    tp.files.Then(lake);
    again.Open1Click();
    EXPECT_FALSE(fresh.Unsaved);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(c.message ? tp.prompter.shown.size() == 1 &&
                                tp.prompter.shown[0].text.find(c.message) != std::string::npos
                          : tp.prompter.shown.empty());
    fs::rename(dir.file("Lake.recovery.2026-07-04_09-05-03"), dir.file(std::string("aside-") + c.name));
  }
}

TEST_F(RecoveryTest, ANewEventIsCopiedToTheWorkingDirectoryAndRestoredWithoutAName) {
  Tournament fresh;
  fresh.SettingsDir = dir.path();
  TForm1 newForm{fresh, tp.platform};
  AddSkier(fresh, tp, "CORRICK", "Elis", 18);
  fresh.MarkChanged();  // as the entry form does when it stores the skier
  newForm.Checkpoint();
  ASSERT_TRUE(fs::exists(dir.file("untitled.recovery")));

  Tournament later;
  later.SettingsDir = dir.path();
  later.EventFile = lake;  // the last event of the settings file, whose copy there is none
  TForm1 start{later, tp.platform};
  tp.prompter.Then(Answer::Yes);
  start.OfferRecoveryAtStartup();
  EXPECT_NE(tp.prompter.shown.at(0).text.find("a new event that has no file name yet"), std::string::npos);
  // A new event was never saved: no answer may promise it stays "as it was saved".
  EXPECT_EQ(tp.prompter.shown.at(0).text.find("as it was saved"), std::string::npos);
  EXPECT_NE(tp.prompter.shown.at(0).text.find("starts with an empty new event"), std::string::npos);
  EXPECT_EQ(Surnames(later), Surnames(fresh));
  EXPECT_EQ(start.StatusBar1.panels[0], kUntitled);

  tp.files.Then(dir.file("New.dat"));
  start.Save1Click();
  EXPECT_FALSE(fs::exists(dir.file("untitled.recovery")));
}

TEST_F(RecoveryTest, StartOffersTheCopyOfTheEventLastWorkedOnWithoutBeingToldWhere) {
  Score(44);
  LeaveCrashedLock(lake);
  Tournament later;
  later.SettingsDir = dir.path();  // the settings file names no last event
  TForm1 start{later, tp.platform};
  tp.prompter.Then(Answer::Yes);
  start.OfferRecoveryAtStartup();
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  EXPECT_NE(tp.prompter.shown[0].text.find("the event \"" + lake + "\""), std::string::npos);
  EXPECT_EQ(std::next(SkierNodes(later).begin())->SlalomScore[1], 44);
  EXPECT_EQ(start.StatusBar1.panels[0], lake);

  start.Save1Click();  // the work is saved: nothing is offered at the next start
  EXPECT_FALSE(fs::exists(copy));
  Tournament third;
  third.SettingsDir = dir.path();
  TForm1 again{third, tp.platform};
  tp.prompter.clear();
  again.OfferRecoveryAtStartup();
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(RecoveryTest, ACopyOfAnotherEventIsNeverRestoredAsThisOne) {
  const std::string pondFile = dir.file("Pond.dat");
  Tournament pond;
  pond.SettingsDir = dir.path();
  TForm1 pondForm{pond, tp.platform};
  AddSkier(pond, tp, "POND", "Pia", 16);
  tp.files.Then(pondFile);
  pondForm.Save1Click();
  SkierAt(pond, pond.skiers.first()).SlalomScore[1] = 12;
  pond.MarkChanged();
  pondForm.Checkpoint();
  LeaveCrashedLock(pondFile);
  for (Answer answer : {Answer::No, Answer::Yes}) {
    SCOPED_TRACE(answer == Answer::Yes ? "restored" : "declined");
    // Pond's unsaved work lies where Lake's copy would.
    fs::copy_file(dir.file("Pond.recovery"), copy, fs::copy_options::overwrite_existing);
    LeaveCrashedLock(lake);
    tp.prompter.clear();
    tp.prompter.Then(answer);
    Tournament fresh;
    fresh.SettingsDir = dir.path();
    TForm1 again{fresh, tp.platform};
    tp.files.Then(lake);
    again.Open1Click();
    ASSERT_EQ(tp.prompter.shown.size(), 1U);
    const std::string& q = tp.prompter.shown[0].text;
    EXPECT_NE(q.find("work on the event \"" + pondFile + "\""), std::string::npos) << q;
    EXPECT_NE(q.find("belongs to another event"), std::string::npos) << q;
    const std::string event = answer == Answer::Yes ? pondFile : lake;
    EXPECT_EQ(fresh.EventFile.str(), event);
    EXPECT_EQ(again.StatusBar1.panels[0], event);
    EXPECT_EQ(Surnames(fresh), answer == Answer::Yes ? Surnames(pond) : Surnames(t));
    EXPECT_EQ(fs::exists(copy), answer == Answer::Yes);
  }
}

TEST_F(RecoveryTest, AFifoInPlaceOfTheCopyIsSetAsideWithoutBeingRead) {
  ::alarm(20);  // a read that waits on the FIFO fails the test instead of hanging it
  ASSERT_EQ(::mkfifo(copy.c_str(), 0644), 0);
  LeaveCrashedLock(lake);
  Tournament fresh;
  TForm1 again{fresh, tp.platform};
  tp.files.Then(lake);
  again.Open1Click();
  ::alarm(0);
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  EXPECT_NE(tp.prompter.shown[0].text.find("is not a regular file"), std::string::npos);
  EXPECT_FALSE(fresh.Unsaved);
  EXPECT_FALSE(fs::exists(copy));
}
