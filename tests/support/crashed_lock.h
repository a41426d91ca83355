#pragma once
// The lock a program leaves on its event when it is killed: it names a process that has ended.
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/event_lock.h"

inline long EndedProcess() {
  pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// Replaces the event's lock with the one a killed program on this computer would have left.
inline void LeaveCrashedLock(const std::string& eventFile) {
  LockHolder h = ThisProgram(DateTime{});
  h.process = EndedProcess();
  std::ofstream(EventLockPath(eventFile), std::ios::binary | std::ios::trunc) << LockFileText(h);
}
