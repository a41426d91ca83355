#pragma once
// Modal message boxes: a text, a title and a set of answers.
#include <string>
#include <string_view>
#include <vector>

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// The answer that changes nothing: what a question closed without a choice answers, and what the
// command line answers for the user.
inline Answer SafeAnswer(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Ask(std::string_view text, std::string_view title, Buttons buttons) = 0;
  // A question whose first answer (Yes, OK) destroys data: Enter gives the safe answer (No, Cancel).
  virtual Answer AskDestructive(std::string_view text, std::string_view title, Buttons buttons) {
    return Ask(text, title, buttons);
  }
  // A plain message with an OK button, titled like the program.
  void Show(std::string_view text) { Ask(text, "Tallivar", Buttons::Ok); }
  // What an operation gathered for the scorer, one message after the other.
  void ShowEach(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) Show(text);
  }
};
