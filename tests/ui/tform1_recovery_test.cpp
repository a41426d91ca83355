// The copy of the unsaved work kept while the scorer types, and the question that offers it back.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/event_files.h"
#include "core/file_io.h"
#include "core/recovery_file.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
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
  void Score(double buoys) {
    t.skiers.first()->SlalomScore[1] = buoys;
    t.Unsaved = true;
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
  Tournament fresh;
  fresh.SettingsDir = dir.path();
  TForm1 again{fresh, tp.platform};
  tp.files.Then(lake);
  tp.prompter.Then(Answer::Yes);
  again.Open1Click();
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  const std::string& q = tp.prompter.shown[0].text;
  EXPECT_EQ(tp.prompter.shown[0].title, "Unsaved work found");
  EXPECT_NE(q.find("written on 04/07/2026 at 09:05:03"), std::string::npos) << q;
  EXPECT_NE(q.find("The copy holds 1 skier and 1 score. The saved event holds 1 skier and 0 scores."),
            std::string::npos)
      << q;
  EXPECT_EQ(std::next(fresh.skiers.nodes.begin())->SlalomScore[1], 44);
  EXPECT_TRUE(fresh.Unsaved);
  EXPECT_EQ(again.StatusBar1.panels[0], lake);
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
       nullptr},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    tp.prompter.clear();
    Score(30);
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
  fresh.Unsaved = true;  // as the entry form does when it stores the skier
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
