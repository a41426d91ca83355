#pragma once
// The report page: what every printed report shares. A report is built as a ReportDocument (its
// fixed-pitch text lines and the few items drawn on the page, such as the federation logo); the
// printer, the print preview, a PDF and the command line all take that same document.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/selection.h"
#include "core/skier.h"
#include "core/tournament.h"
#include "core/work_list.h"
#include "platform/printer.h"
#include "platform/services.h"

// The lists a report prints, with the message of an overfull division: every skier of the
// division, or the selection's start order with the lots already drawn.
WorkList FillDivisionList(const Tournament& t, Prompter& prompt, int division);
WorkList ListStartOrder(const Tournament& t, Prompter& prompt, const Selection& selection);

// The line that stands for a form feed in a document's lines (a line holding character 12).
inline constexpr std::string_view kFormFeed = "\f";

// A font size change that takes effect from a given line of the document on.
struct FontChange {
  std::size_t atLine = 0;
  int pointSize = 10;
};

// A bitmap drawn on the page that holds line `atLine`. Positions are device units of a 600-dot
// printer page; `left` counts from the centre of the page, so "centred" survives any page width.
struct DrawnBitmap {
  std::size_t atLine = 0;
  int left = 0;  // from the page centre
  int top = 0;   // from the top of the printable area
  int width = 0;
  int height = 0;
  std::string resource;
};

struct ReportDocument {
  std::string title;  // the print job's name
  Orientation orientation = Orientation::Portrait;
  int fontSize = 10;
  std::vector<std::string> lines;  // kFormFeed lines separate pages
  std::vector<FontChange> fontChanges;
  std::vector<DrawnBitmap> bitmaps;

  // The pages as lists of lines, split at the form feeds.
  std::vector<std::vector<std::string>> Pages() const;
};

// How a report decides that the page is full.
enum class PageBreakRule {
  Passes,   // a break comes once the counter is above the limit
  Reaches,  // a break comes once the counter has reached the limit
  Never,    // one long stream, no breaks
};

// Writes a report's lines while keeping the line counter. A report gives its page header once;
// when a body line would go onto a full page, the writer first writes a form feed and the header
// again (the header sets the counter itself).
class PageWriter {
 public:
  explicit PageWriter(ReportDocument& doc) : doc_(doc) {}

  void SetRule(PageBreakRule rule, int limit) {
    rule_ = rule;
    limit_ = limit;
  }
  // The page header, written at once by StartPage and again after every break. The counter starts
  // at 0 before it, so a header that does not set the counter counts its own lines.
  void SetHeader(std::function<void(PageWriter&)> header) { header_ = std::move(header); }
  void StartPage();

  // A body line: breaks first when the page is full, then writes and counts the line.
  void Line(std::string_view text);
  // A header line: written and counted, never breaks.
  void HeaderLine(std::string_view text);
  // A line that stays on the page of the line before it (the rest of a block that was checked
  // with BreakIfFull): written and counted, never breaks.
  void LineInBlock(std::string_view text) { HeaderLine(text); }
  // Breaks now if `extra` more lines would make the page full (for blocks that stay together).
  void BreakIfFull(int extra = 0);
  void FormFeed();
  void SetFontSize(int pointSize);
  void Draw(DrawnBitmap bitmap);

  int count = 0;  // the line counter; headers set it
  int pages = 1;

  ReportDocument& doc() { return doc_; }
  bool Full(int extra) const;

 private:
  ReportDocument& doc_;
  PageBreakRule rule_ = PageBreakRule::Never;
  int limit_ = 0;
  std::function<void(PageWriter&)> header_;
  bool inHeader_ = false;
};

// ---- Fields ---------------------------------------------------------------------------------

// A name part cut or padded to 15 characters.
std::string Name15(std::string_view text);
// Surname and first name, each cut or padded to 15.
std::string SkierName(const TSkier& s);
// A place right-aligned in width; blanks of the width when below 1.
std::string Place(int place, int width);
// A jump distance w.d, or its code word ("PASS", "FALL", "DSQ") right-aligned in width.
std::string JumpField(double distance, int width, int decimals);
// The code word of a jump value, or empty for a real distance.
std::string JumpCodeWord(double distance);
// The longest of a round's three stored jump values as printed: a round of codes only shows the
// highest code (so a fall and a pass print "FALL"), an empty round 0.
double LongestJump(const TSkier& s, int round);
// "hh:mm:ss" and "dd/mm/yyyy" of the clock's local time.
std::string ClockTime(const DateTime& now);
std::string ClockDate(const DateTime& now);

// ---- Shared blocks --------------------------------------------------------------------------

// The event name right-aligned in (length ÷ 2) + 48 characters: centred about column 48.
std::string CentredEventName(std::string_view name);
// The six-line standard header block; adds 6 to the counter.
void StandardHeader(PageWriter& w, const Tournament& t, const DateTime& now);
// " ****** CODE ******"
std::string DivisionSeparator(int division);
// The divisions an all-division report visits: catalogue order 0..59 (never the adapted ones),
// only those with at least one skier.
std::vector<int> DivisionsWithSkiers(const Tournament& t);

// ---- Sending -------------------------------------------------------------------------------

// Sends a document to the printer: font "Courier New" at the document's size, its orientation,
// every line (a form feed line as a form feed) with its font changes and drawn bitmaps. Returns
// false when the user cancelled the print job.
bool SendToPrinter(Printer& printer, const ReportDocument& doc);
