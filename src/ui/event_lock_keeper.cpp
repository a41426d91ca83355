#include "ui/event_lock_keeper.h"

#include <filesystem>

#include "core/errors.h"
#include "core/event_files.h"

namespace {

// Two spellings of one file (relative, with "..", through a link) are the same event.
bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  if (a == b) return true;
  std::error_code ec1, ec2;
  auto ca = std::filesystem::weakly_canonical(a, ec1), cb = std::filesystem::weakly_canonical(b, ec2);
  return !ec1 && !ec2 && ca == cb;
}

std::string OpenQuestion(const std::string& eventFile, const LockHolder& h) {
  return "The event \"" + eventFile + "\" is open in Tallivar already: " + HolderText(h) +
         ".\n\nTwo copies of Tallivar saving one event overwrite each other's work, so only one may change "
         "it."
         "\n\nOpen it read-only? You can look at it, print it and export its results, but not save over it."
         "\n\nIf that Tallivar is no longer running (its computer was switched off), delete \"" +
         EventLockPath(eventFile) + "\" and open the event again.";
}

}  // namespace

EventLockKeeper::EventLockKeeper(Platform& p) : p_(p), self_(ThisProgram(p.clock.Now())) {}

const LockHolder& EventLockKeeper::Self() {
  self_.since = LockTimeText(p_.clock.Now());
  return self_;
}

EventLockKeeper::~EventLockKeeper() {
  Release(pending_);
  Release(held_);
}

void EventLockKeeper::Release(const std::string& eventFile) {
  if (eventFile.empty()) return;
  try {
    ReleaseEventLock(p_.fs, EventLockPath(eventFile), self_);
  } catch (const IoError&) {
    // A lock left behind names this process; once it has ended, the next open takes it over.
  }
}

Opening EventLockKeeper::Take(const std::string& eventFile) {
  if (SameFile(eventFile, held_)) return Opening::Editable;
  LockAttempt a;
  try {
    a = TakeEventLock(p_.fs, EventLockPath(eventFile), Self());
  } catch (const IoError& e) {
    p_.prompt.Show("The event \"" + eventFile +
                   "\" could not be locked for this program alone, so it opens "
                   "read-only.\n" +
                   e.what());
    readOnlyHolder_ = {};
    return Opening::ReadOnly;
  }
  if (a.taken) {
    pending_ = eventFile;
    return Opening::Editable;
  }
  if (p_.prompt.Ask(OpenQuestion(eventFile, a.holder), "Event in use", Buttons::YesNo) != Answer::Yes)
    return Opening::Cancelled;
  readOnlyHolder_ = a.holder;
  return Opening::ReadOnly;
}

void EventLockKeeper::Opened(const std::string& eventFile, Opening how) {
  if (how == Opening::Editable && !pending_.empty()) {
    Release(held_);
    held_ = pending_;
  }
  if (how == Opening::ReadOnly) {
    Release(held_);
    held_.clear();
  }
  pending_.clear();
  readOnly_ = how == Opening::ReadOnly;
  readOnlyOf_ = readOnly_ ? eventFile : "";
  Remember(eventFile);
}

void EventLockKeeper::OpenFailed(const std::string&) {
  Release(pending_);
  pending_.clear();
}

void EventLockKeeper::Restored(const std::string& eventFile) {
  LockAttempt a;
  try {
    a = TakeEventLock(p_.fs, EventLockPath(eventFile), Self());
  } catch (const IoError& e) {
    a.holder = {};
    p_.prompt.Show("The event \"" + eventFile + "\" could not be locked: " + e.what());
  }
  if (a.taken) {
    pending_ = eventFile;
    Opened(eventFile, Opening::Editable);
    return;
  }
  if (!a.holder.computer.empty())
    p_.prompt.Show("The event \"" + eventFile + "\" is open in Tallivar already: " + HolderText(a.holder) +
                   ".\nThe restored work is open read-only; use Save As to keep it under another name.");
  readOnlyHolder_ = a.holder;
  Opened(eventFile, Opening::ReadOnly);
}

bool EventLockKeeper::HeldByAnother(const std::string& eventFile) {
  try {
    return ::HeldByAnother(p_.fs, EventLockPath(eventFile), self_, nullptr);
  } catch (const IoError&) {
    return false;  // a lock that cannot be read is reported when the event is opened
  }
}

EventLockKeeper::Stamps EventLockKeeper::StampsOf(const std::string& eventFile) {
  const std::string ttl = EventBaseOf(eventFile) + ".ttl";
  return {{p_.fs.ModifiedTime(eventFile), p_.fs.Size(eventFile)}, {p_.fs.ModifiedTime(ttl), p_.fs.Size(ttl)}};
}

void EventLockKeeper::Remember(const std::string& eventFile) {
  stampsOf_ = eventFile;
  stamps_ = StampsOf(eventFile);
}

bool EventLockKeeper::ChangedOnDisk(const std::string& eventFile) {
  return SameFile(eventFile, stampsOf_) && StampsOf(eventFile) != stamps_;
}

bool EventLockKeeper::MaySave(const std::string& eventFile) {
  if (readOnly_ && SameFile(eventFile, readOnlyOf_)) {
    std::string who = readOnlyHolder_.computer.empty() ? "it could not be locked for this program alone"
                                                       : HolderText(readOnlyHolder_) + " has it open";
    p_.prompt.Show("The event \"" + eventFile + "\" is open read-only: " + who +
                   ".\nIt was not saved. Use Save As to keep your changes under another name.");
    return false;
  }
  if (!SameFile(eventFile, held_)) {
    LockAttempt a;
    try {
      a = TakeEventLock(p_.fs, EventLockPath(eventFile), Self());
    } catch (const IoError& e) {
      p_.prompt.Show("The event was not saved: \"" + eventFile + "\" could not be locked.\n" + e.what());
      return false;
    }
    if (!a.taken) {
      p_.prompt.Show("The event was not saved: \"" + eventFile + "\" is open in Tallivar by " +
                     HolderText(a.holder) + ".\nChoose another name.");
      return false;
    }
    pending_ = eventFile;
    return true;
  }
  if (!ChangedOnDisk(eventFile)) return true;
  return p_.prompt.AskDestructive(
             "The files of the event \"" + eventFile +
                 "\" were changed on disk since Tallivar read them, by another program or another copy of "
                 "Tallivar.\n\nSaving now replaces those changes with the event as it is here. Overwrite "
                 "them?",
             "Warning", Buttons::YesNo) == Answer::Yes;
}

void EventLockKeeper::Saved(const std::string& eventFile) {
  if (!pending_.empty()) {
    // Save As: the lock moves to the new name.
    Release(held_);
    held_ = pending_;
    pending_.clear();
    readOnly_ = false;
    readOnlyOf_.clear();
  }
  Remember(eventFile);
}

void EventLockKeeper::SaveFailed(const std::string&) {
  Release(pending_);
  pending_.clear();
}
