#pragma once
// The scored sample tournament saved as an event file family in a fresh folder.
#include "core/event_files.h"
#include "support/results_tournament.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"

inline std::string SaveSampleEvent(const TempDir& dir, Platform& p) {
  Tournament t;
  sample::BuildResultsTournament(t, p);
  t.EventFile = dir.file("spring.dat");
  t.EventBase = dir.file("spring");
  SaveShown(t, p);
  return t.EventFile.str();
}
