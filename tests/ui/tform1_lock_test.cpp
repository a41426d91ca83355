// Two program windows on one event: the second may only look, and neither loses the other's work.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/audit_log.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/officials.h"
#include "core/officials_file.h"
#include "core/recovery_file.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/tform1.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_trick_pass.h"

namespace {

namespace fs = std::filesystem;

struct Window {
  Tournament t;
  TestPlatform tp;
  TForm1 form{t, tp.platform};
  explicit Window(const TempDir& dir) { t.SettingsDir = dir.path(); }
  void Open(const std::string& path) {
    tp.files.Then(path);
    form.Open1Click();
  }
  void Score(double buoys) {
    SkierAt(t, t.skiers.first()).SlalomScore[1] = buoys;
    t.MarkChanged();
    form.Checkpoint();
  }
};

struct TwoWindowsTest : ::testing::Test {
  TempDir dir;
  std::string lake = dir.file("Lake.dat");
  std::optional<Window> a{std::in_place, dir}, b{std::in_place, dir};

  TwoWindowsTest() {
    AddSkier(a->t, a->tp, "ARNVALE", "Tomas", 16);
    a->tp.files.Then(lake);
    a->form.Save1Click();
  }
  std::string Saved() { return *a->tp.fs.ReadAll(lake); }
};

}  // namespace

TEST_F(TwoWindowsTest, TheSecondWindowOpensReadOnlyAndCannotSaveOverTheFirst) {
  a->Score(20);  // A's unsaved work, copied beside the event
  const std::string aCopy = *a->tp.fs.ReadAll(RecoveryPathOfEvent(lake));
  {
    Window starting(dir);  // a start whose last event A has open: A's copy is A's live work
    starting.t.EventFile = lake;
    starting.form.OfferRecoveryAtStartup();
    EXPECT_TRUE(starting.tp.prompter.shown.empty());
  }
  b->tp.prompter.Then(Answer::Yes);
  b->Open(lake);
  ASSERT_EQ(b->tp.prompter.shown.size(), 1u);  // no offer of A's copy as B's crash
  const ShownMessage& asked = b->tp.prompter.shown[0];
  EXPECT_EQ(asked.title, "Event in use");
  EXPECT_NE(asked.text.find("(process " + std::to_string(::getpid()) + ")"), std::string::npos) << asked.text;
  EXPECT_EQ(b->t.EventFile.str(), lake);
  EXPECT_TRUE(b->form.ReadOnly());
  EXPECT_EQ(b->form.Caption(), "Tallivar - Lake.dat (read-only)");
  EXPECT_TRUE(b->form.FormClose());  // nothing unsaved in B: A's copy stays

  const std::string before = Saved();
  b->Score(35);
  b->form.Save1Click();
  b->tp.files.Then(lake);
  b->form.SaveAs1Click();
  EXPECT_EQ(Saved(), before);
  ASSERT_EQ(b->tp.prompter.shown.size(), 3u);
  EXPECT_EQ(b->tp.prompter.shown[1].text.rfind("The event \"" + lake + "\" is open read-only: ", 0), 0u);
  EXPECT_EQ(*a->tp.fs.ReadAll(RecoveryPathOfEvent(lake)), aCopy);  // B neither wrote nor removed it

  // B keeps its changes under another name: that event is B's own.
  b->tp.files.Then(dir.file("Copy.dat"));
  b->form.SaveAs1Click();
  EXPECT_FALSE(b->form.ReadOnly());
  EXPECT_TRUE(fs::exists(dir.file("Copy.lock")));
  a.reset();  // A ends: its lock goes
  EXPECT_FALSE(fs::exists(dir.file("Lake.lock")));
}

TEST_F(TwoWindowsTest, AReadOnlyWindowWritesNoneOfTheEventsOwnFiles) {
  b->tp.prompter.Then(Answer::Yes);
  b->Open(lake);
  b->form.Checkpoint();  // as after every handler
  Tournament& t = b->t;
  Platform& p = b->tp.platform;
  const auto before = [&] {
    std::vector<std::optional<std::string>> files;
    for (const std::string& f : {OfficialsPath(t), AuditLogPath(t), dir.file("Lake.trk")})
      files.push_back(b->tp.fs.ReadAll(f));
    return files;
  };
  const auto untouched = before();

  TfrmSlalomOfc officials(t, p);
  officials.FormShow();
  officials.edT1a.SetText("Tower Judge");
  officials.btnSaveClick();
  EXPECT_FALSE(officials.closeRequested());
  EXPECT_NE(b->tp.prompter.shown.back().text.find("is open read-only"), std::string::npos);
  LogEntry(t, p.fs, p.clock, "Slalom round 1 changed");
  t.Working = *t.skiers.first();
  TfrmTrickPass pass(t, p);
  pass.FormShow();
  EXPECT_THROW(pass.btnSaveClick(), IoError);
  EXPECT_EQ(before(), untouched);

  // Saved under its own name, the work is this window's and its files are written again.
  b->tp.files.Then(dir.file("Copy.dat"));
  b->form.SaveAs1Click();
  b->form.Checkpoint();
  officials.btnSaveClick();
  EXPECT_TRUE(officials.closeRequested());
}

TEST_F(TwoWindowsTest, DecliningReadOnlyOpensNothingAndAClosedEventCanBeTaken) {
  b->tp.prompter.Then(Answer::No);
  b->Open(lake);
  EXPECT_TRUE(b->t.EventFile.empty());
  a->tp.files.Then(dir.file("Pond.dat"));
  a->form.SaveAs1Click();  // the lock moves with the name
  EXPECT_FALSE(fs::exists(dir.file("Lake.lock")));
  b->Open(lake);
  EXPECT_FALSE(b->form.ReadOnly());
  b->tp.files.Then(dir.file("Pond.dat"));
  b->form.SaveAs1Click();  // over an event A has open
  EXPECT_EQ(b->tp.prompter.shown.back().text.rfind("The event was not saved: \"" + dir.file("Pond.dat"), 0),
            0u);
}

TEST_F(TwoWindowsTest, AFamilyChangedOnDiskIsOverwrittenOnlyWhenTheScorerSaysSo) {
  // Another program writes the event behind A's back.
  Tournament other;
  TestPlatform otp;
  other.EventFile = lake;
  AddSkier(other, otp, "BRENNIK", "Sara", 16);
  AddSkier(other, otp, "CALLOWAY", "Ida", 16);
  ASSERT_TRUE(SaveShown(other, otp));
  const std::string theirs = Saved();
  a->Score(20);
  a->tp.prompter.Then(Answer::No);
  a->form.Save1Click();
  ASSERT_EQ(a->tp.prompter.shown.size(), 1u);
  EXPECT_TRUE(a->tp.prompter.shown[0].destructive);
  EXPECT_EQ(
      a->tp.prompter.shown[0].text.rfind("The files of the event \"" + lake + "\" were changed on disk", 0),
      0u);
  EXPECT_EQ(Saved(), theirs);
  EXPECT_TRUE(a->t.Unsaved);
  a->tp.prompter.Then(Answer::Yes);
  a->form.Save1Click();
  EXPECT_NE(Saved(), theirs);
  a->Score(30);
  a->form.Save1Click();  // A's own save is no change behind its back
  EXPECT_EQ(a->tp.prompter.shown.size(), 2u);
}
