// `tallivar serve` as the scorer runs it: the real program, a real client, real signals.
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <thread>

#include "live/served_event.h"

#ifdef TALLIVAR_EXECUTABLE

namespace {

using namespace std::chrono_literals;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool Eventually(const std::function<bool()>& condition, std::chrono::seconds limit = 30s) {
  for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    if (condition()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return condition();
}

struct ServeCommand : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  std::string event = SaveSampleEvent(dir, tp);
  std::vector<pid_t> running;

  void SetUp() override {
    std::filesystem::copy_file(TALLIVAR_SOURCE_DIR "/data/TALLIVAR.INI", dir.file("TALLIVAR.INI"));
  }
  void TearDown() override {
    for (pid_t pid : running) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
  }
  // `tallivar serve spring.dat --port PORT` with its output in NAME.out and NAME.err.
  pid_t Serve(const std::string& port, const std::string& name) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, dir.file(name + ".out").c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addopen(&files, 2, dir.file(name + ".err").c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addchdir_np(&files, dir.path().c_str());
    const char* argv[] = {TALLIVAR_EXECUTABLE, "serve", "spring.dat", "--port", port.c_str(), nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &files, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    running.push_back(pid);
    return pid;
  }
  int PortOf(const std::string& name) {
    std::smatch m;
    std::string out;
    Eventually([&] { return (out = Slurp(dir.file(name + ".out"))).find("Ctrl+C") != std::string::npos; });
    return std::regex_search(out, m, std::regex("http://127\\.0\\.0\\.1:([0-9]+)/")) ? std::stoi(m[1]) : 0;
  }
  int ExitStatus(pid_t pid) {
    int status = -1;
    Eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; });
    std::erase(running, pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

bool Serves(int port, const std::string& text) {
  const auto r = httplib::Client("127.0.0.1", port).Get("/results.json");
  return r && r->body.find(text) != std::string::npos;
}

}  // namespace

TEST_F(ServeCommand, ServesASaveWithinSecondsKeepsTheLastGoodResultsAndStopsOnSigterm) {
  const pid_t serve = Serve("0", "serve");
  const int port = PortOf("serve");
  ASSERT_GT(port, 0) << Slurp(dir.file("serve.err"));
  EXPECT_TRUE(Serves(port, "\"score\":\"17.00\""));

  // Within five seconds of a save, more only on a loaded test machine.
  const auto saved = std::chrono::steady_clock::now();
  ASSERT_TRUE(SaveCarlsenSlalom(tp, event, 23.5));
  EXPECT_TRUE(Eventually([&] { return Serves(port, "\"score\":\"23.50\""); }));
  EXPECT_LT(std::chrono::steady_clock::now() - saved, 15s);

  // A skier file torn in half, then torn differently: said once, the last good results still served.
  std::ofstream(event, std::ios::binary | std::ios::trunc) << std::string(1000, 'x');
  EXPECT_TRUE(Eventually(
      [&] { return Slurp(dir.file("serve.err")).find("cannot be read now") != std::string::npos; }));
  std::ofstream(event, std::ios::binary | std::ios::app) << std::string(1000, 'y');
  std::this_thread::sleep_for(3s);
  EXPECT_TRUE(Serves(port, "\"score\":\"23.50\""));
  const std::string errors = Slurp(dir.file("serve.err"));
  EXPECT_EQ(errors.find("cannot be read now", errors.find("cannot be read now") + 1), std::string::npos)
      << errors;

  ::kill(serve, SIGTERM);
  EXPECT_EQ(ExitStatus(serve), 0);
  EXPECT_NE(Slurp(dir.file("serve.out")).find("Stopped."), std::string::npos);
}

TEST_F(ServeCommand, CtrlCStopsItAndATakenPortIsAnError) {
  const pid_t first = Serve("0", "first");
  const int port = PortOf("first");
  const pid_t second = Serve(std::to_string(port), "second");
  EXPECT_EQ(ExitStatus(second), 1);
  EXPECT_NE(Slurp(dir.file("second.err")).find("already in use"), std::string::npos);
  ::kill(first, SIGINT);
  EXPECT_EQ(ExitStatus(first), 0);
}

#endif
