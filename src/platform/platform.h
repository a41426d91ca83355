#pragma once
// Everything the logic needs from the desktop, passed by reference.
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "platform/random.h"
#include "platform/services.h"

// Shows the dialog models; it lives with them.
class DialogHost;

struct Platform {
  Prompter& prompt;
  FileDialogs& files;
  Printer& printer;
  Clock& clock;
  Random& random;
  DialogHost& dialogs;
  HelpViewer& help;
  FileSystem& fs;

  operator Services() const { return {fs, prompt, clock, random}; }  // NOLINT: the logic takes these
};
