// The live results of the desktop: what the keeper publishes after changes, and the dialog that
// starts and stops the server, both against a server without a socket.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_live_outlet.h"
#include "support/results_tournament.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/tform1.h"
#include "ui/tfrm_live_results.h"

namespace {

struct LiveKeeperTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  std::unique_ptr<FakeLiveOutlet> fake = std::make_unique<FakeLiveOutlet>();
  std::shared_ptr<FakeLiveOutlet::Log> log = fake->log;
  LiveResultsKeeper keeper{t, tp.platform, std::move(fake)};
  int builds = 0;
  std::string failure;  // the builds throw this while set

  LiveKeeperTest() {
    keeper.SetBuilder([this](Tournament&, Platform&, const DateTime&) {
      if (!failure.empty()) throw std::runtime_error(failure);
      ++builds;
      return std::make_shared<const LiveSnapshot>();
    });
  }
  void ChangeAndCheckpoint() {
    t.MarkChanged();
    keeper.Checkpoint();
  }
};

TEST_F(LiveKeeperTest, PublishesOncePerCompletedChangeWhileServingAndTellsAFailureOnce) {
  ChangeAndCheckpoint();
  EXPECT_EQ(builds, 0) << "nothing is built while no server runs";
  std::string error;
  ASSERT_TRUE(keeper.Start({"0.0.0.0", 8080}, error));
  EXPECT_EQ(log->published.size(), 1u) << "a start serves the event as it stands";
  keeper.Checkpoint();
  ChangeAndCheckpoint();
  keeper.Checkpoint();
  EXPECT_EQ(log->published.size(), 2u);
  keeper.EventReplaced();  // opened or saved: no change counted, yet the page differs
  keeper.Checkpoint();
  EXPECT_EQ(log->published.size(), 3u);

  failure = "disk full";
  for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(ChangeAndCheckpoint());
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("disk full"), std::string::npos);
  failure.clear();
  ChangeAndCheckpoint();
  EXPECT_EQ(log->published.size(), 4u) << "the next change after a failure is served";
}

struct LiveDialogTest : LiveKeeperTest {
  std::vector<InterfaceAddress> interfaces{{"127.0.0.1", true, true}, {"192.168.4.20", true, false}};
  TfrmLiveResults dialog{keeper, [this] { return interfaces; }};
  LiveDialogTest() { dialog.FormShow(); }
};

TEST_F(LiveDialogTest, StartsOnTheLakesNetworkWithTheAddressAndItsCodeAndStops) {
  EXPECT_EQ(dialog.rgReach.itemIndex, kReachLakeNetwork);
  EXPECT_EQ(dialog.lblStatus.caption, "Stopped");
  EXPECT_FALSE(dialog.btnStop.enabled);
  tp.clock.now = {2026, 7, 4, 10, 11, 12};
  dialog.edPort.text = "8090";
  dialog.btnStartClick();
  ASSERT_EQ(log->starts.size(), 1u);
  EXPECT_EQ(log->starts[0].address, "0.0.0.0");
  EXPECT_EQ(log->starts[0].port, 8090);
  EXPECT_EQ(dialog.lbAddresses.items, std::vector<std::string>{"http://192.168.4.20:8090/"});
  EXPECT_EQ(dialog.qrAddress.text, "http://192.168.4.20:8090/");
  EXPECT_GT(dialog.qrAddress.size, 21);
  EXPECT_EQ(dialog.lblStatus.caption, "Serving since 10:11:12 on the lake's network.");
  EXPECT_TRUE(dialog.btnStop.enabled);
  dialog.btnStopClick();
  EXPECT_EQ(dialog.lblStatus.caption, "Stopped");
  EXPECT_EQ(dialog.qrAddress.size, 0);
}

TEST_F(LiveDialogTest, ThisComputerOnlyListensOnLoopbackWithNoCodeAndIsRemembered) {
  dialog.rgReach.itemIndex = kReachThisComputer;
  dialog.btnStartClick();
  EXPECT_EQ(log->starts.at(0).address, "127.0.0.1");
  EXPECT_EQ(dialog.lbAddresses.items, std::vector<std::string>{"http://127.0.0.1:8080/"});
  EXPECT_EQ(dialog.qrAddress.size, 0);
  TfrmLiveResults again{keeper, [this] { return interfaces; }};
  again.FormShow();
  EXPECT_EQ(again.rgReach.itemIndex, kReachThisComputer);
}

TEST_F(LiveDialogTest, AStartThatFailsOrABadPortSaysWhy) {
  const std::string badPort = "Not started: the port must be a number from 1 to 65535.";
  const struct {
    std::string port, refusal, status;
  } cases[] = {
      {"", "", badPort},
      {"0", "", badPort},
      {"65536", "", badPort},
      {"80a", "", badPort},
      {"8080", "Port 8080 is taken.", "Not started: Port 8080 is taken."},
  };
  for (const auto& c : cases) {
    log->refusal = c.refusal;
    dialog.edPort.text = c.port;
    dialog.btnStartClick();
    EXPECT_EQ(dialog.lblStatus.caption, c.status) << c.port;
  }
  EXPECT_EQ(log->starts.size(), 1u) << "only a valid port reaches the server";
}

// The main window hands the server each completed change, an open and a save, as a scorer works.
TEST(LiveResultsOfTheMainWindow, FollowStoredScoresOpensAndSaves) {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  t.SettingsDir = dir.path();
  TForm1 form{t, tp.platform};
  auto log = UseFakeOutlet(form.live());
  std::string error;
  ASSERT_TRUE(form.live().Start({"0.0.0.0", 8080}, error));
  TSkier& s = AddSkier(t, tp, "ARNVALE", "Tomas", 16);
  sample::SlalomResult(s, 3.5, 1000, 1);  // as the recomputation after the slalom dialog leaves it
  tp.clock.now = {2026, 7, 4, 14, 37, 9};
  t.MarkChanged();
  form.Checkpoint();
  form.Checkpoint();
  ASSERT_EQ(log->published.size(), 2u);
  const std::string& json = log->published.back()->json;
  for (const char* shown : {"\"3.50\"", "\"provisional\":true", "2026-07-04T14:37:09"})
    EXPECT_NE(json.find(shown), std::string::npos) << shown << " in " << json;
  tp.files.Then(dir.file("Lake.dat"));
  form.Save1Click();
  form.Checkpoint();
  EXPECT_EQ(log->published.size(), 3u);
  tp.files.Then(dir.file("Lake.dat"));
  form.Open1Click();
  form.Checkpoint();
  EXPECT_EQ(log->published.size(), 4u);
}

}  // namespace
