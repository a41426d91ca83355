#pragma once
// Shows what an operation gathered through the test's prompter, as the desktop does, so a test
// reads the messages where the scorer would see them; answers whether the operation went well.
#include <string>

#include "core/event_files.h"
#include "core/outcome.h"
#include "platform/prompter.h"
#include "platform/services.h"

inline bool Shown(Prompter& prompt, const Outcome& outcome) {
  prompt.ShowEach(outcome.messages);
  return outcome.ok;
}

inline bool OpenShown(Tournament& t, const Services& p, const std::string& path) {
  return Shown(p.prompt, OpenEvent(t, p.fs, p.random, path));
}

inline bool SaveShown(Tournament& t, const Services& p) {
  return Shown(p.prompt, SaveEvent(t, p.fs, p.clock, p.random));
}
