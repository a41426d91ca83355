// `tallivar serve` as the scorer runs it: the real program, a real client, real signals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "live/served_event.h"

#ifdef TALLIVAR_EXECUTABLE

namespace {

using namespace std::chrono_literals;

// The program with its standard output and error on pipes.
class Program {
 public:
  Program(const std::vector<std::string>& args, const std::string& folder) {
    int out[2], err[2];
    EXPECT_EQ(::pipe(out), 0);
    EXPECT_EQ(::pipe(err), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<char*> argv{const_cast<char*>(TALLIVAR_EXECUTABLE)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&pid_, TALLIVAR_EXECUTABLE, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~Program() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    ::close(out_);
    ::close(err_);
  }
  // Reads standard output until it holds `text`; false when it does not within the time.
  bool WaitForOutput(const std::string& text, std::chrono::seconds limit = 30s) {
    return WaitFor(out_, output, text, limit);
  }
  bool WaitForError(const std::string& text, std::chrono::seconds limit = 30s) {
    return WaitFor(err_, errors, text, limit);
  }
  // The exit status, or -1 when the program has not ended within the time.
  int Wait(std::chrono::seconds limit = 30s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        WaitFor(out_, output, "\x01", 0s);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  }
  void Signal(int signal) const { ::kill(pid_, signal); }
  std::string output, errors;

 private:
  static bool WaitFor(int fd, std::string& text, const std::string& wanted, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
      if (text.find(wanted) != std::string::npos) return true;
      pollfd p{fd, POLLIN, 0};
      if (::poll(&p, 1, 100) > 0) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return text.find(wanted) != std::string::npos;
        text.append(buffer, static_cast<std::size_t>(n));
      }
    } while (std::chrono::steady_clock::now() < end);
    return text.find(wanted) != std::string::npos;
  }
  pid_t pid_ = -1;
  int out_ = -1, err_ = -1;
  bool exited_ = false;
};

int PortIn(const std::string& output) {
  std::smatch m;
  return std::regex_search(output, m, std::regex("http://127\\.0\\.0\\.1:([0-9]+)/")) ? std::stoi(m[1]) : 0;
}

// The JSON once it holds `text`; empty when it does not within the time.
std::string JsonHolding(int port, const std::string& text, std::chrono::seconds limit) {
  httplib::Client c("127.0.0.1", port);
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    const auto r = c.Get("/results.json");
    if (r && r->body.find(text) != std::string::npos) return r->body;
    std::this_thread::sleep_for(200ms);
  }
  return {};
}

struct ServeCommand : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  std::string event;
  void SetUp() override {
    event = SaveSampleEvent(dir, tp);
    std::filesystem::copy_file(TALLIVAR_SOURCE_DIR "/data/TALLIVAR.INI", dir.file("TALLIVAR.INI"));
  }
};

}  // namespace

TEST_F(ServeCommand, ServesASaveWithinSecondsKeepsTheLastGoodResultsAndStopsOnSigterm) {
  Program serve({"serve", "spring.dat", "--port", "0"}, dir.path());
  ASSERT_TRUE(serve.WaitForOutput("Ctrl+C")) << serve.output << serve.errors;
  const int port = PortIn(serve.output);
  ASSERT_GT(port, 0) << serve.output;
  EXPECT_NE(JsonHolding(port, "\"score\":\"17.00\"", 10s), "");

  // A save from the desktop: the new score is served within five seconds (more only on a
  // loaded test machine).
  const auto saved = std::chrono::steady_clock::now();
  ASSERT_TRUE(SaveCarlsenSlalom(tp, event, 23.5));
  EXPECT_NE(JsonHolding(port, "\"score\":\"23.50\"", 30s), "");
  EXPECT_LT(std::chrono::steady_clock::now() - saved, 15s);

  // A skier file torn in half: said once, and the last good results stay served.
  std::ofstream(event, std::ios::binary | std::ios::trunc) << std::string(1000, 'x');
  EXPECT_TRUE(serve.WaitForError("cannot be read now"));
  std::this_thread::sleep_for(3s);
  EXPECT_NE(JsonHolding(port, "\"score\":\"23.50\"", 5s), "");
  std::ofstream(event, std::ios::binary | std::ios::app) << std::string(1000, 'y');
  std::this_thread::sleep_for(3s);
  serve.WaitForError("\x01", 0s);
  const auto first = serve.errors.find("cannot be read now");
  EXPECT_EQ(serve.errors.find("cannot be read now", first + 1), std::string::npos) << serve.errors;

  serve.Signal(SIGTERM);
  EXPECT_EQ(serve.Wait(), 0);
  EXPECT_NE(serve.output.find("Stopped."), std::string::npos);
}

TEST_F(ServeCommand, CtrlCStopsItAndATakenPortIsAnError) {
  Program first({"serve", "spring.dat", "--port", "0"}, dir.path());
  ASSERT_TRUE(first.WaitForOutput("Ctrl+C")) << first.errors;
  const int port = PortIn(first.output);

  Program second({"serve", "spring.dat", "--port", std::to_string(port)}, dir.path());
  EXPECT_EQ(second.Wait(), 1);
  EXPECT_TRUE(second.WaitForError("already in use", 5s)) << second.errors;

  first.Signal(SIGINT);
  EXPECT_EQ(first.Wait(), 0);
}

#endif
