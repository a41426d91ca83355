#pragma once
// Keeps a copy of the unsaved work on disk while the scorer types: after every handler the program
// runs, a change that completed since the last copy is written to the recovery file; a clean save
// or exit removes it; at start-up and at Open a recovery file newer than the saved event is offered
// back in one question.
#include <cstdint>
#include <string>

#include "core/tournament.h"
#include "platform/platform.h"

enum class Recovered { Nothing, NamedEvent, NewEvent };

class RecoveryKeeper {
 public:
  RecoveryKeeper(Tournament& t, Platform& p);

  // Writes the whole work when a change completed since the last copy; `named` says whether the
  // event has a file name (its copy then lies beside it). Cheap when nothing changed. A copy that
  // cannot be written is reported once in a session and never stops the work.
  void Checkpoint(bool named);
  // The work is saved, or the program ends with nothing unsaved: the copies are not needed now.
  void Discard(bool named);
  // Another event was opened: the copy of the work before it stays where it is.
  void Forget();
  // Looks at the recovery file at `path`, against the saved event `eventFile` (empty for a new
  // event). Damaged, or older than the saved event, it is set aside; newer, the scorer is asked
  // whether to restore it or set it aside. Answers what was restored.
  Recovered Offer(const std::string& path, const std::string& eventFile);

 private:
  std::string PathFor(bool named) const;
  void RemoveQuietly(const std::string& path);
  // Sets the file aside and answers its new name, or empty with the reason shown.
  std::string Aside(const std::string& path, const std::string& aside);

  Tournament& t_;
  Platform& p_;
  std::uint64_t copied_ = 0;  // the change count of the copy on disk
  std::string lastPath_;      // where the last copy of this work was written
  bool failureShown_ = false;
};
