#include "core/event_lock.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>
#include <vector>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"

namespace {

const char* const kFirstLine = "Tallivar event lock";

std::string ComputerName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "unknown";
  return name;
}

std::string UserName() {
  if (const passwd* pw = ::getpwuid(::geteuid()); pw != nullptr && pw->pw_name != nullptr) return pw->pw_name;
  const char* env = std::getenv("USER");
  return env != nullptr ? env : "unknown";
}

std::string BootId() {
  std::ifstream in("/proc/sys/kernel/random/boot_id");
  std::string id;
  std::getline(in, id);
  return id;
}

std::string NewKey() {
  std::random_device rd;
  char text[20];
  std::snprintf(text, sizeof text, "%08x%08x", rd(), rd());
  return text;
}

bool ProcessRuns(long process) {
  if (process <= 0) return false;
  // EPERM: the process is there but belongs to someone else.
  return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

// The lock as it is on disk: nothing when there is none, a holder with no process when it is no
// lock of ours (a damaged one).
std::optional<LockHolder> ReadLock(FileSystem& fs, const std::string& lockPath) {
  auto text = fs.ReadAll(lockPath);
  if (!text) return std::nullopt;
  LockHolder h;
  if (!ParseLockFile(*text, h)) return LockHolder{};
  return h;
}

bool Create(FileSystem& fs, const std::string& lockPath, const LockHolder& self) {
  int h = fs.OpenNew(lockPath);
  if (h < 0) return false;
  try {
    fs.Write(h, LockFileText(self));
    fs.Close(h);
  } catch (const IoError& e) {
    try {
      fs.Remove(lockPath);
    } catch (const IoError&) {
    }
    throw IoError("Could not write \"" + lockPath + "\": " + e.what());
  }
  return true;
}

}  // namespace

std::string EventLockPath(const std::string& eventFile) { return EventBaseOf(eventFile) + ".lock"; }

std::string LockTimeText(const DateTime& d) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", d.day, d.month, d.year, d.hour, d.minute,
                d.second);
  return text;
}

LockHolder ThisProgram(const DateTime& now) {
  return {ComputerName(), UserName(), static_cast<long>(::getpid()), BootId(), LockTimeText(now), NewKey()};
}

std::string LockFileText(const LockHolder& h) {
  return std::string(kFirstLine) + "\ncomputer=" + h.computer + "\nuser=" + h.user +
         "\nprocess=" + std::to_string(h.process) + "\nboot=" + h.bootId + "\nsince=" + h.since +
         "\nkey=" + h.key + "\n";
}

bool ParseLockFile(std::string_view text, LockHolder& out) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty() || lines[0] != kFirstLine) return false;
  LockHolder h;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (name == "computer") h.computer = value;
    if (name == "user") h.user = value;
    if (name == "process") h.process = std::strtol(value.c_str(), nullptr, 10);
    if (name == "boot") h.bootId = value;
    if (name == "since") h.since = value;
    if (name == "key") h.key = value;
  }
  if (h.process <= 0 || h.computer.empty()) return false;
  out = h;
  return true;
}

bool HolderStopped(const LockHolder& holder, const LockHolder& self) {
  if (holder.process <= 0) return true;  // a lock cut off while it was made
  if (holder.computer != self.computer) return false;
  if (!holder.bootId.empty() && !self.bootId.empty() && holder.bootId != self.bootId) return true;
  return !ProcessRuns(holder.process);
}

std::string HolderText(const LockHolder& h) {
  return h.user + " on the computer " + h.computer + " (process " + std::to_string(h.process) + ") since " +
         h.since;
}

LockAttempt TakeEventLock(FileSystem& fs, const std::string& lockPath, const LockHolder& self) {
  LockAttempt a;
  // Twice at most: a stopped holder's lock is replaced once; another program taking the event in
  // between wins.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (Create(fs, lockPath, self)) {
      a.taken = true;
      return a;
    }
    auto holder = ReadLock(fs, lockPath);
    if (!holder) continue;  // released in between
    if (holder->key == self.key && holder->process == self.process && holder->computer == self.computer) {
      a.taken = true;
      return a;
    }
    a.holder = *holder;
    if (!HolderStopped(*holder, self)) {
      a.tookOver = false;
      return a;
    }
    fs.Remove(lockPath);
    a.tookOver = true;
  }
  a.tookOver = false;
  return a;  // taken and given up again in between: the scorer is told who had it last
}

bool HeldByAnother(FileSystem& fs, const std::string& lockPath, const LockHolder& self, LockHolder* holder) {
  auto h = ReadLock(fs, lockPath);
  if (!h || h->key == self.key || HolderStopped(*h, self)) return false;
  if (holder != nullptr) *holder = *h;
  return true;
}

void ReleaseEventLock(FileSystem& fs, const std::string& lockPath, const LockHolder& self) {
  auto h = ReadLock(fs, lockPath);
  if (h && h->key == self.key && h->process == self.process) fs.Remove(lockPath);
}
