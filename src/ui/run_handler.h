#pragma once
// Runs one dialog handler. A number that does not convert or a failed file operation stops the
// handler where it happened; its message is shown and the steps already done stay done.
#include <functional>

#include "platform/prompter.h"

// Answers false when the handler stopped on an error.
bool RunHandler(Prompter& prompt, const std::function<void()>& handler);
