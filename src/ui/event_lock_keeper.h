#pragma once
// One scorer per event, for the main window: the lock of the open event, a second open of an
// event someone else has (read-only, or not at all), and a save that would overwrite what changed
// on disk since the event was read.
#include <cstdint>
#include <optional>
#include <string>

#include "core/event_lock.h"
#include "ui/platform.h"

enum class Opening { Editable, ReadOnly, Cancelled };

class EventLockKeeper {
 public:
  explicit EventLockKeeper(Platform& p);
  ~EventLockKeeper();  // the program ends: the lock goes
  EventLockKeeper(const EventLockKeeper&) = delete;
  EventLockKeeper& operator=(const EventLockKeeper&) = delete;

  // Before `eventFile` is opened: takes its lock, or says who has it and asks whether to open it
  // read-only.
  Opening Take(const std::string& eventFile);
  // The open that Take allowed succeeded: the event before it is let go.
  void Opened(const std::string& eventFile, Opening how);
  // The open failed: a lock taken for it is let go again.
  void OpenFailed(const std::string& eventFile);
  // Work of `eventFile` was restored at start-up: its lock is taken; when someone else has the event,
  // it stays read-only and the scorer is told.
  void Restored(const std::string& eventFile);
  // Whether a running program has the event; its copy of the unsaved work is then its own.
  bool HeldByAnother(const std::string& eventFile);

  // Before a save to `eventFile`: false, with the reason shown, when the event is open read-only,
  // someone else has that file, or the scorer does not want to overwrite what changed on disk.
  bool MaySave(const std::string& eventFile);
  void Saved(const std::string& eventFile);
  void SaveFailed(const std::string& eventFile);

  bool readOnly() const { return readOnly_; }

 private:
  struct Stamp {
    std::optional<std::int64_t> time, size;
    bool operator==(const Stamp&) const = default;
  };
  struct Stamps {
    Stamp skierFile, tournamentFile;
    bool operator==(const Stamps&) const = default;
  };
  // This program, taking a lock now.
  const LockHolder& Self();
  Stamps StampsOf(const std::string& eventFile);
  void Remember(const std::string& eventFile);
  void Release(const std::string& eventFile);
  bool ChangedOnDisk(const std::string& eventFile);

  Platform& p_;
  LockHolder self_;
  std::string held_;     // the event file whose lock this program has; empty for none
  std::string pending_;  // a lock taken for an open or save that has not finished yet
  bool readOnly_ = false;
  std::string readOnlyOf_;
  LockHolder readOnlyHolder_;
  std::string stampsOf_;
  Stamps stamps_;
};
