#pragma once
// What the event's own logic uses of the computer: files, messages, the clock and random numbers.
// The desktop's Platform hands these on; the logic never sees its dialogs, printer or help.
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "platform/random.h"

struct Services {
  FileSystem& fs;
  Prompter& prompt;
  Clock& clock;
  Random& random;
};
