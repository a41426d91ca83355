#pragma once
// All the test doubles together, as one Platform.
#include "faulty_file_system.h"
#include "fixed_clock.h"
#include "recording_help.h"
#include "recording_printer.h"
#include "scripted_dialog_host.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompter.h"
#include "seeded_random.h"
#include "ui/platform.h"

struct TestPlatform {
  ScriptedPrompter prompter;
  ScriptedFileDialogs files;
  RecordingPrinter printer;
  FixedClock clock;
  SeededRandom random;
  ScriptedDialogHost dialogs;
  RecordingHelp help;
  FaultyFileSystem fs;
  Platform platform{prompter, files, printer, clock, random, dialogs, help, fs};

  operator Platform&() { return platform; }  // NOLINT
  operator Services() { return platform; }   // NOLINT
};
