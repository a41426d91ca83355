#pragma once
// The program without its window: `tallivar report`, `judging-sheet`, `export`, `results-page`,
// `check`, `--help` and `--version` (output_help.cpp tells them to the user). It starts as the
// desktop does (defaults, the settings file of the working directory or of --settings) and opens
// the event.
#include <ostream>

#include "cli/session.h"
#include "ui/platform.h"

// Whether the arguments are for the command line rather than the desktop window: the window
// starts without arguments or with the desktop's own options only; anything else, a mistyped
// command too, belongs to the command line, which says what is wrong.
bool WantsCommandLine(int argc, const char* const* argv);

// Runs the command line with the given desktop services (a console platform in the program):
// outputs of "-" and text reports go to `out` (a form feed as a line holding character 12), help
// and version too; messages go to `err`, the platform's prompter's too. PDFs are written by `pdf`
// and `drawn`. Answers the exit status.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err, Platform& p,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn = {});
// The same with the console platform: messages to `err`, safe answers, the system clock.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn = {});
