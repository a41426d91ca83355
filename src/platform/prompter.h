#pragma once
// Modal message boxes: a text, a title and a set of answers.
#include <string>
#include <string_view>

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

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
};
