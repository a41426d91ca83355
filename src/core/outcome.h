#pragma once
// What an operation has for the scorer, word for word and in the order it arose, and whether it
// did what was asked. The logic only gathers these: the desktop shows each in a message box, the
// command line writes them to standard error.
#include <string>
#include <utility>
#include <vector>

struct Outcome {
  bool ok = true;
  std::vector<std::string> messages;

  void Tell(std::string text) { messages.push_back(std::move(text)); }
  // The operation stopped: `text` says why.
  Outcome& Fail(std::string text) {
    ok = false;
    Tell(std::move(text));
    return *this;
  }
  // Takes over the messages of a step, after those already gathered; the step's failure is the
  // caller's to judge.
  void Append(const Outcome& step) {
    messages.insert(messages.end(), step.messages.begin(), step.messages.end());
  }
};
