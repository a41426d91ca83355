#pragma once
// The program without its window: `tallivar report NAME EVENT.dat [selection] [--pdf FILE]`,
// `tallivar report --list`, `judging-sheet`, `export`, `results-page`, `check`, `--help` and
// `--version`. It starts
// as the desktop does (defaults, the settings file of the working directory) and opens the event.
#include <functional>
#include <ostream>
#include <string>

#include "cli/sheet_command.h"
#include "platform/platform.h"
#include "printing/report_page.h"

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the event cannot be opened or the report fails
inline constexpr int kExitUsage = 2;   // the arguments are wrong

// Whether the arguments ask for the command line rather than the desktop window.
bool WantsCommandLine(int argc, const char* const* argv);

// Writes a document's printed pages to a PDF file; answers an error message, empty on success.
using PdfWriter = std::function<std::string(const ReportDocument& doc, const std::string& path)>;

// Runs the command line with the given desktop services (a console platform in the program):
// text reports go to `out`, one line each (a form feed as a line holding character 12), help and
// version too; messages go to `err` through the platform's prompter. The drawn judging forms go
// to PDF through `drawn`. Answers the exit status.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err, Platform& p,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn = {});
// The same with the console platform: messages to `err`, safe answers, the system clock.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn = {});
