#pragma once
// Everything the dialogs and commands use of the computer, passed by reference: the services the
// logic takes (Services) and the desktop's own file dialogs, printer, help and dialog host.
#include "core/outcome.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "platform/random.h"
#include "platform/services.h"

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

  // Shows what an operation told, one message after the other; answers whether it went well.
  bool Shown(const Outcome& outcome) const {
    prompt.ShowEach(outcome.messages);
    return outcome.ok;
  }
};
