#pragma once
// What every command shares: where it writes, how it says what went wrong, the settings file it
// reads and the one way an event is opened with a selection.
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/tournament.h"
#include "printing/report_page.h"
#include "ui/platform.h"

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the event cannot be opened, or an output cannot be made
inline constexpr int kExitUsage = 2;   // the arguments are wrong

// Every message of the command line starts with it.
inline constexpr const char* kMessagePrefix = "tallivar: ";
// The output name that stands for standard output.
inline constexpr const char* kStandardOutput = "-";

// Writes a document's printed pages to a PDF file; answers an error message, empty on success.
using PdfWriter = std::function<std::string(const ReportDocument& doc, const std::string& path)>;
// Draws a document on the printer it is given (one that writes `path`) and answers whether
// anything was printed; the writer answers an error message, empty when the file was written.
using DrawnPdfWriter =
    std::function<std::string(const std::string& path, const std::function<bool(Printer&)>& print)>;

struct Session {
  std::ostream& out;
  std::ostream& err;
  Platform& p;
  PdfWriter pdf;
  DrawnPdfWriter drawn;
  // The settings file the commands read; empty for TALLIVAR.INI of the working directory.
  std::string settingsFile;
};

// The current division, event and round as the line gives them; empty or 0 for the default.
struct SelectionArgs {
  std::string division, event;
  int round = 0;
};

// Says "tallivar: message" on standard error and answers kExitFailed.
int Fail(const Session& s, const std::string& message);

// Says "tallivar: message" and the usage synopsis on standard error; answers kExitUsage.
int UsageError(const Session& s, const std::string& message);

// Checks the selection's division code; a message for the usage error, or nothing.
std::optional<std::string> SelectionProblem(const SelectionArgs& selection);

// Reads the settings, opens the event and sets the selection (the form's event when the line
// gives none and `defaultEvent` is set), then draws the lots of the selected round's finals that
// are not drawn yet, which every output shows. False when the event cannot be opened; the reason
// was said.
bool OpenSelected(Session& s, Tournament& t, const std::string& eventFile, const SelectionArgs& selection,
                  char defaultEvent = 0);

// When the event was last saved: the skier file's modification time (now when it cannot be told).
DateTime SavedAt(const std::string& eventFile, Platform& p);

// The one door of every output file: `write` makes it and answers an error message, empty on
// success; `explain` adds what the file's folder tells when the writer cannot say why.
int WriteTo(Session& s, const std::string& target, const std::function<std::string()>& write, bool explain);

// Every output goes through these, and never over a file the open event `t` is read from or the
// settings file. A text output "-" is standard output, as the terminal reads it: the bytes
// unchanged. Answers the exit status; a failure names the file and the reason.
int WriteOutput(Session& s, const Tournament& t, const std::string& target, const std::string& bytes);
// A PDF file written by `write` (which answers an error message, empty on success).
int WritePdfOutput(Session& s, const Tournament& t, const std::string& target,
                   const std::function<std::string()>& write);
