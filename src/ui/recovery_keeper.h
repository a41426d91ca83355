#pragma once
// Keeps a copy of the unsaved work on disk while the scorer types: after every handler the program
// runs, a change that completed since the last copy is written to the recovery file; a clean save
// or exit removes it; at start-up and at Open a recovery file newer than the saved event is offered
// back in one question.
#include <cstdint>
#include <functional>
#include <string>

#include "core/tournament.h"
#include "ui/platform.h"

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
  // event). Damaged, not a regular file, or older than the saved event, it is set aside with one
  // line saying so; newer, the scorer is asked whether to restore it or set it aside. A copy that
  // records another event is only ever restored as that event. Answers what was restored.
  Recovered Offer(const std::string& path, const std::string& eventFile);
  // At start-up: offers the copies the settings folder lists, each against the event it records,
  // until one is restored. A copy for which `inUse` answers true is the live work of another
  // running program and is passed over (and stays listed).
  Recovered OfferListed(const std::function<bool(const std::string& copyPath)>& inUse);

 private:
  std::string PathFor(bool named) const;
  void RemoveQuietly(const std::string& path);
  // Sets the file aside and answers its new name, or empty with the reason shown.
  std::string Aside(const std::string& path, const std::string& aside);
  // `expected` is the event the copy is looked at for; null to take the event the copy records.
  Recovered OfferCopy(const std::string& path, const std::string* expected);
  // The list of live copies follows what is on disk; a list that cannot be written costs only the
  // offer at the next start, so it never interrupts the scorer.
  void List(const std::string& path);
  void Unlist(const std::string& path);

  Tournament& t_;
  Platform& p_;
  std::uint64_t copied_ = 0;  // the change count of the copy on disk
  std::string lastPath_;      // where the last copy of this work was written
  std::string listed_;        // the copy of this work known to be on the list
  bool failureShown_ = false;
};
