#pragma once
// Message boxes with the program's exact texts, titles and answers.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

// The icon a message deserves from what it says: critical for errors, a warning for a "Warning"
// title or text, a question for a question, information for the rest.
QMessageBox::Icon MessageIcon(std::string_view text, std::string_view title, Buttons buttons);

class QtPrompter : public Prompter {
 public:
  Answer Ask(std::string_view text, std::string_view title, Buttons buttons) override;
  Answer AskDestructive(std::string_view text, std::string_view title, Buttons buttons) override;
  QPointer<QWidget> parent;
  // The box being shown, if any (tests answer it).
  static QMessageBox* Current();

 private:
  Answer Run(std::string_view text, std::string_view title, Buttons buttons, bool safeDefault);
};
