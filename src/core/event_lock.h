#pragma once
// One scorer per event: while an event is open for changes, a lock file beside it ("<base>.lock")
// names who has it. The lock file is made in one step that fails when it is there already, so two
// programs never both take it. A lock left by a program that stopped without closing the event (a
// crash, a power cut) is recognised on the computer that made it and taken over.
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

struct LockHolder {
  std::string computer;
  std::string user;
  long process = 0;
  std::string bootId;  // changes at every start of the computer
  std::string since;   // "08/12/2026 16:05:03"
  std::string key;     // tells apart two holders in one process
};

std::string EventLockPath(const std::string& eventFile);
// "08/12/2026 16:05:03"
std::string LockTimeText(const DateTime& d);
// This program as a holder taking a lock now, with a key of its own.
LockHolder ThisProgram(const DateTime& now);
std::string LockFileText(const LockHolder& h);
// Answers false for a text that is no lock of this program's.
bool ParseLockFile(std::string_view text, LockHolder& out);
// Whether the holder's program has stopped. Only the computer that made the lock can tell: the
// computer was started again since, or the process is gone.
bool HolderStopped(const LockHolder& holder, const LockHolder& self);
// "anna on the computer lakepc (process 4242) since 08/12/2026 16:05:03"
std::string HolderText(const LockHolder& h);

struct LockAttempt {
  bool taken = false;
  bool tookOver = false;  // a lock whose program had stopped was replaced
  LockHolder holder;      // who has the event, when it was not taken
};

// Takes the event's lock for `self`; a lock that is `self`'s already counts as taken. Throws
// IoError when the lock cannot be made or looked at.
LockAttempt TakeEventLock(FileSystem& fs, const std::string& lockPath, const LockHolder& self);
// Who has the event now, when someone else does and their program runs; nothing otherwise.
bool HeldByAnother(FileSystem& fs, const std::string& lockPath, const LockHolder& self, LockHolder* holder);
// Removes the lock if it still is `self`'s. Throws IoError.
void ReleaseEventLock(FileSystem& fs, const std::string& lockPath, const LockHolder& self);
