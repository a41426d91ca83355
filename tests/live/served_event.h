#pragma once
// The scored sample event on disk, and a new slalom score for Mia Carlsen saved into it the way the
// desktop saves.
#include <string>

#include "core/event_files.h"
#include "support/saved_event.h"
#include "support/shown_outcome.h"

inline bool SaveCarlsenSlalom(Platform& p, const std::string& event, double score) {
  Tournament t;
  if (!OpenShown(t, p, event)) return false;
  t.ChangeEachSkier([score](TSkier& s) {
    if (s.Surname == "CARLSEN") s.SlalomRankScore = score;
  });
  return SaveShown(t, p);
}
