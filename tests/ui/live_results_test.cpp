// The live results of the desktop: what the keeper publishes after changes, and the dialog that
// starts and stops the server, both against a server without a socket.
#include <gtest/gtest.h>

#include <regex>
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
  std::string failure;  // the next builds throw this while set

  LiveKeeperTest() {
    keeper.SetBuilder([this](Tournament&, Platform&, const DateTime&) {
      if (!failure.empty()) throw std::runtime_error(failure);
      auto s = std::make_shared<LiveSnapshot>();
      s->html = "build " + std::to_string(++builds);
      return std::shared_ptr<const LiveSnapshot>(s);
    });
  }
  void Start() {
    std::string error;
    ASSERT_TRUE(keeper.Start({"0.0.0.0", 8080}, error)) << error;
  }
  void Change() { t.Unsaved = true; }
  std::size_t published() const { return log->published.size(); }
};

TEST_F(LiveKeeperTest, PublishesOncePerCompletedChangeWhileServing) {
  Change();
  keeper.Checkpoint();
  EXPECT_EQ(builds, 0) << "nothing is built while no server runs";
  Start();
  EXPECT_EQ(published(), 1u) << "a start serves the event as it stands";
  keeper.Checkpoint();
  EXPECT_EQ(published(), 1u);
  Change();
  keeper.Checkpoint();
  keeper.Checkpoint();
  EXPECT_EQ(published(), 2u);
  EXPECT_EQ(log->published.back()->html, "build 2");
  keeper.EventReplaced();  // opened or saved: no change counted, but the page is not the same
  keeper.Checkpoint();
  EXPECT_EQ(published(), 3u);
  keeper.Stop();
  Change();
  keeper.Checkpoint();
  EXPECT_EQ(builds, 3);
}

TEST_F(LiveKeeperTest, AFailedBuildIsToldOnceAndNeverThrown) {
  Start();
  failure = "disk full";
  for (int i = 0; i < 3; ++i) {
    Change();
    EXPECT_NO_THROW(keeper.Checkpoint());
  }
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("disk full"), std::string::npos);
  EXPECT_EQ(tp.prompter.shown[0].title, "Live Results");
  failure.clear();
  Change();
  keeper.Checkpoint();
  EXPECT_EQ(published(), 2u) << "the next change after the failure is served";
}

TEST_F(LiveKeeperTest, TheRealSnapshotIsProvisionalAndCarriesTheTimeOfTheChange) {
  keeper.SetBuilder(
      [](Tournament& tour, Platform& p, const DateTime& at) { return BuildLiveSnapshot(tour, p, at, true); });
  AddSkier(t, tp, "ARNVALE", "Tomas", 16);
  tp.clock.now = {2026, 7, 4, 14, 37, 9};
  Start();
  ASSERT_EQ(published(), 1u);
  const std::string& json = log->published[0]->json;
  EXPECT_TRUE(std::regex_search(json, std::regex(R"("provisional"\s*:\s*true)"))) << json;
  EXPECT_NE(json.find("2026-07-04T14:37:09"), std::string::npos) << json;
  EXPECT_NE(json.find("ARNVALE"), std::string::npos) << json;
}

struct LiveDialogTest : LiveKeeperTest {
  std::vector<InterfaceAddress> interfaces{{"127.0.0.1", true, true}, {"192.168.4.20", true, false}};
  TfrmLiveResults dialog{keeper, [this] { return interfaces; }};

  LiveDialogTest() { dialog.FormShow(); }
};

TEST_F(LiveDialogTest, StartsOnTheLakesNetworkWithTheAddressAndItsCode) {
  EXPECT_EQ(dialog.rgReach.itemIndex, kReachLakeNetwork);
  EXPECT_EQ(dialog.edPort.text, "8080");
  EXPECT_EQ(dialog.lblStatus.caption, "Stopped");
  EXPECT_FALSE(dialog.btnStop.enabled);
  EXPECT_EQ(dialog.qrAddress.size, 0);

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
  EXPECT_EQ(dialog.btnStart.caption, "Re&start");

  dialog.btnStopClick();
  EXPECT_FALSE(keeper.Running());
  EXPECT_EQ(dialog.lblStatus.caption, "Stopped");
  EXPECT_TRUE(dialog.lbAddresses.items.empty());
  EXPECT_EQ(dialog.qrAddress.size, 0);
}

TEST_F(LiveDialogTest, ThisComputerOnlyListensOnLoopbackWithNoCodeForPhones) {
  dialog.rgReach.itemIndex = kReachThisComputer;
  dialog.btnStartClick();
  ASSERT_EQ(log->starts.size(), 1u);
  EXPECT_EQ(log->starts[0].address, "127.0.0.1");
  EXPECT_EQ(dialog.lbAddresses.items, std::vector<std::string>{"http://127.0.0.1:8080/"});
  EXPECT_EQ(dialog.qrAddress.size, 0);
  EXPECT_EQ(dialog.lblStatus.caption, "Serving since 09:05:03, to this computer only.");
  // The server outlives the dialog; the next one shows it as it was left.
  TfrmLiveResults again{keeper, [this] { return interfaces; }};
  again.FormShow();
  EXPECT_EQ(again.rgReach.itemIndex, kReachThisComputer);
  EXPECT_EQ(again.lbAddresses.items.size(), 1u);
}

TEST_F(LiveDialogTest, AStartThatFailsOrABadPortSaysWhy) {
  const struct {
    std::string port, refusal, status;
  } cases[] = {
      {"", "", "Not started: the port must be a number from 1 to 65535."},
      {"0", "", "Not started: the port must be a number from 1 to 65535."},
      {"65536", "", "Not started: the port must be a number from 1 to 65535."},
      {"80a", "", "Not started: the port must be a number from 1 to 65535."},
      {"8080", "Port 8080 is taken.", "Not started: Port 8080 is taken."},
  };
  for (const auto& c : cases) {
    log->refusal = c.refusal;
    dialog.edPort.text = c.port;
    dialog.btnStartClick();
    EXPECT_EQ(dialog.lblStatus.caption, c.status) << c.port;
    EXPECT_FALSE(dialog.btnStop.enabled) << c.port;
  }
  EXPECT_EQ(log->starts.size(), 1u) << "only a valid port reaches the server";
}

TEST_F(LiveDialogTest, OnNoNetworkTheScorerIsToldToJoinOne) {
  interfaces = {{"127.0.0.1", true, true}, {"10.0.0.5", false, false}};
  dialog.btnStartClick();
  EXPECT_TRUE(dialog.lbAddresses.items.empty());
  EXPECT_EQ(dialog.qrAddress.size, 0);
  EXPECT_NE(dialog.lblStatus.caption.find("join the lake's network"), std::string::npos);
}

}  // namespace

namespace {

// The main window hands the server every completed change, an open and a save, as a scorer works.
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
  t.Unsaved = true;
  form.Checkpoint();
  ASSERT_EQ(log->published.size(), 2u);
  sample::SlalomResult(s, 3.5, 1000, 1);  // as the recomputation after the slalom dialog leaves it
  t.Unsaved = true;
  form.Checkpoint();
  form.Checkpoint();
  ASSERT_EQ(log->published.size(), 3u);
  EXPECT_NE(log->published.back()->json.find("\"3.50\""), std::string::npos)
      << "unsaved, yet served" << log->published.back()->json;
  tp.files.Then(dir.file("Lake.dat"));
  form.Save1Click();
  form.Checkpoint();
  EXPECT_EQ(log->published.size(), 4u);
  tp.files.Then(dir.file("Lake.dat"));
  form.Open1Click();
  form.Checkpoint();
  EXPECT_EQ(log->published.size(), 5u);
}

}  // namespace
