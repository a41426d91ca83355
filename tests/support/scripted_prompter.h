#pragma once
// A prompter that records every message and answers questions from a script. A question the test
// did not expect fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/prompter.h"

struct ShownMessage {
  std::string text;
  std::string title;
  Buttons buttons;
  bool destructive = false;
};

class ScriptedPrompter : public Prompter {
 public:
  std::vector<ShownMessage> shown;
  std::deque<Answer> answers;

  ScriptedPrompter& Then(Answer a) {
    answers.push_back(a);
    return *this;
  }

  Answer Ask(std::string_view text, std::string_view title, Buttons buttons) override {
    shown.push_back({std::string(text), std::string(title), buttons});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: \"" << text << "\" (" << title << ")";
      return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  Answer AskDestructive(std::string_view text, std::string_view title, Buttons buttons) override {
    Answer a = Ask(text, title, buttons);
    shown.back().destructive = true;
    return a;
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown) out.push_back(m.text);
    return out;
  }
  bool saw(std::string_view text) const {
    for (const auto& m : shown)
      if (m.text == text) return true;
    return false;
  }
  void clear() { shown.clear(); }
};
