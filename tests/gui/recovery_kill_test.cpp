// Scores typed through the real dialogs survive a killed program: a child process types them and
// is killed with SIGKILL while the result list is still open; the next start offers them back.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QListWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/main_window.h"
#include "app/startup.h"
#include "core/event_files.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_slal_rslt.h"
#include "view_dialog_host.h"

extern char** environ;

namespace {

constexpr const char* kChildDir = "TALLIVAR_KILLED_SCORER_DIR";

std::string Scores(const Tournament& t) {
  std::ostringstream out;
  t.skiers.ForEach([&](const TSkier& s) { out << s.Surname.str() << "=" << s.SlalomScore[1] << ";"; });
  return out.str();
}

QString Row(ModelDialog& view, const void* list, int row) {
  return WidgetOf<QListWidget>(view, list)->item(row)->text();
}

}  // namespace

// The child's part: runs only when the test below starts it.
TEST(KilledScorer, TypesScoresAndWaitsToBeKilled) {
  const char* dirEnv = std::getenv(kChildDir);
  if (!dirEnv) GTEST_SKIP() << "started by RecoveryAfterKill only";
  const std::string dir = dirEnv;
  Tournament t;
  TestPlatform tp;
  ViewDialogHost host{tp.prompter};
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  MainWindow window{t, platform};
  t.SettingsDir = dir;
  t.CurDivision = 54;
  WireProgramDialogs(window.form(), t, platform);
  host.afterHandler = [&window] { window.form().Checkpoint(); };
  window.show();
  tp.files.Then(dir + "/Lake.dat");
  ASSERT_TRUE(window.Trigger("Open1"));
  t.info.ClassDigit = '3';

  host.Expect<TfrmResultList>([&](TfrmResultList& m, ModelDialog& view) {
    for (int row = 0; row < 2; ++row) {
      ChooseRow(view, &m.lbResult, Row(view, &m.lbResult, row));
      Click(view, &m.btnEdit);
    }
    // Both scores are stored and the list is still open: the power goes now.
    std::ofstream(dir + "/typed.tmp") << Scores(t);
    std::rename((dir + "/typed.tmp").c_str(), (dir + "/typed").c_str());
    for (;;) ::pause();
  });
  const char* passes[] = {"2.5", "4"};
  for (const char* pass : passes)
    host.Expect<TfrmSlalRslt>([pass](TfrmSlalRslt& m, ModelDialog& view) {
      TypeText(view, &m.edPass, pass);
      ChooseRow(view, &m.SpeedListBox, "58");
      ChooseRow(view, &m.RopeListBox, "12.00");
      Click(view, &m.btnSave);
    });
  window.Trigger("InputResults1");
}

TEST(RecoveryAfterKill, ScoresTypedBeforeTheKillAreOfferedBackAndRestored) {
  TempDir dir;
  const std::string lake = dir.file("Lake.dat");
  {
    Tournament t;
    TestPlatform tp;
    for (const char* name : {"FIRST", "SECOND"}) {
      TSkier& s = AddSkier(t, tp, name, "Al", 54, "S");
      s.SlalomSpeed[1] = 58;
      s.SlalomRope[1] = 12;
    }
    t.EventFile = lake;
    ASSERT_TRUE(SaveShown(t, tp));
  }

  const std::string env = std::string(kChildDir) + "=" + dir.path();
  std::vector<char*> envp;
  for (char** e = environ; *e; ++e) envp.push_back(*e);
  envp.push_back(const_cast<char*>(env.c_str()));
  envp.push_back(nullptr);
  char exe[] = "/proc/self/exe";
  char filter[] = "--gtest_filter=KilledScorer.*";
  char* argv[] = {exe, filter, nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, exe, nullptr, nullptr, argv, envp.data()), 0);

  const std::string typedFile = dir.file("typed");
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!std::ifstream(typedFile) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended by itself";
  std::string typed;
  std::getline(std::ifstream(typedFile), typed);
  ASSERT_NE(typed.find("FIRST=44.5;"), std::string::npos) << typed;

  // The next start: nothing names Lake.dat (the settings file has no last event); the copy is
  // found all the same.
  Tournament t;
  TestPlatform tp;
  MainWindow window{t, tp.platform};
  t.SettingsDir = dir.path();
  tp.prompter.Then(Answer::Yes);
  OfferRecoveredWork(window);
  ASSERT_EQ(tp.prompter.shown.size(), 1U);
  const std::string& question = tp.prompter.shown[0].text;
  EXPECT_NE(
      question.find("The copy holds 2 skiers and 2 scores. The saved event holds 2 skiers and 0 scores."),
      std::string::npos)
      << question;
  EXPECT_EQ(Scores(t), typed);
  EXPECT_TRUE(t.Unsaved);
  EXPECT_EQ(window.PanelText(0).toStdString(), lake);
}
