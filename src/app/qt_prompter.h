#pragma once
// Message boxes with the program's exact texts, titles and answers.
#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

class QtPrompter : public Prompter {
 public:
  Answer Ask(std::string_view text, std::string_view title, Buttons buttons) override;
  QPointer<QWidget> parent;
};
