#pragma once
// Shows what an operation gathered through the test's prompter, as the desktop does, so a test
// reads the messages where the scorer would see them; answers whether the operation went well.
#include "core/outcome.h"
#include "platform/prompter.h"

inline bool Shown(Prompter& prompt, const Outcome& outcome) {
  prompt.ShowEach(outcome.messages);
  return outcome.ok;
}
