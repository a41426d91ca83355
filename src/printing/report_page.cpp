#include "printing/report_page.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/divisions.h"
#include "core/text.h"

std::vector<std::vector<std::string>> ReportDocument::Pages() const {
  std::vector<std::vector<std::string>> pages(1);
  for (const auto& line : lines) {
    if (line == kFormFeed)
      pages.emplace_back();
    else
      pages.back().push_back(line);
  }
  return pages;
}

// ---- PageWriter ---------------------------------------------------------------------------

void PageWriter::StartPage() {
  if (!header_) return;
  inHeader_ = true;
  count = 0;
  header_(*this);
  inHeader_ = false;
}

bool PageWriter::Full(int extra) const {
  switch (rule_) {
    case PageBreakRule::Passes:
      return count + extra > limit_;
    case PageBreakRule::Reaches:
      return count + extra >= limit_;
    case PageBreakRule::Never:
      return false;
  }
  return false;
}

void PageWriter::BreakIfFull(int extra) {
  if (inHeader_ || !Full(extra)) return;
  FormFeed();
  StartPage();
}

void PageWriter::Line(std::string_view text) {
  BreakIfFull(0);
  HeaderLine(text);
}

void PageWriter::HeaderLine(std::string_view text) {
  doc_.lines.emplace_back(text);
  ++count;
}

void PageWriter::FormFeed() {
  doc_.lines.emplace_back(kFormFeed);
  ++pages;
}

void PageWriter::SetFontSize(int pointSize) {
  if (doc_.lines.empty() && doc_.fontChanges.empty()) {
    doc_.fontSize = pointSize;
    return;
  }
  doc_.fontChanges.push_back({doc_.lines.size(), pointSize});
}

void PageWriter::Draw(DrawnBitmap bitmap) {
  bitmap.atLine = doc_.lines.size();
  doc_.bitmaps.push_back(std::move(bitmap));
}

// ---- Fields -------------------------------------------------------------------------------

std::string Name15(std::string_view text) {
  return PadRight(text.substr(0, std::min<std::size_t>(text.size(), 15)), 15);
}

std::string SkierName(const TSkier& s) { return Name15(s.Surname.view()) + Name15(s.FirstName.view()); }

std::string Place(int place, int width) {
  if (place < 1) return std::string(static_cast<std::size_t>(std::max(width, 0)), ' ');
  return IntField(place, width);
}

std::string JumpCodeWord(double distance) {
  if (distance > 0.005 && distance < 0.015) return "PASS";
  if (distance >= 0.015 && distance < 0.025) return "FALL";
  if (distance >= 0.025 && distance < 0.035) return "DSQ";
  return "";
}

std::string JumpField(double distance, int width, int decimals) {
  std::string word = JumpCodeWord(distance);
  if (!word.empty()) return RightAlign(word, width);
  return Fixed(distance, width, decimals);
}

double LongestJump(const TSkier& s, int round) {
  double best = 0;
  for (int j = 1; j <= 3; ++j) best = std::max(best, s.JumpDistance[j][round]);
  return best;
}

std::string ClockTime(const DateTime& n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", n.hour, n.minute, n.second);
  return buf;
}

std::string ClockDate(const DateTime& n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", n.day, n.month, n.year);
  return buf;
}

// ---- Shared blocks --------------------------------------------------------------------------

std::string CentredEventName(std::string_view name) {
  return RightAlign(name, static_cast<int>(name.size()) / 2 + 48);
}

namespace {

std::string OfficialLine(std::string_view caption, std::string_view name) {
  return std::string(caption) + std::string(name) +
         RightAlign("______________________", 40 - static_cast<int>(name.size()));
}

}  // namespace

void StandardHeader(PageWriter& w, const Tournament& t, const DateTime& now) {
  w.HeaderLine(CentredEventName(t.info.EventName.view()));
  w.HeaderLine(RightAlign(" Posted: ", 40) + ClockTime(now) + "   " + ClockDate(now));
  w.HeaderLine("");
  w.HeaderLine(OfficialLine(" Chief of Comp: ", t.info.ChiefOfComp.view()));
  w.HeaderLine(OfficialLine(" Calculator   : ", t.info.Scorer.view()));
  w.HeaderLine("");
}

std::string DivisionSeparator(int division) { return " ****** " + DivisionCode(division) + " ******"; }

std::vector<int> DivisionsWithSkiers(const Tournament& t) {
  std::vector<bool> has(60, false);
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division < 60) has[s.Division] = true;
  });
  std::vector<int> out;
  for (int d = 0; d < 60; ++d)
    if (has[static_cast<std::size_t>(d)]) out.push_back(d);
  return out;
}

// ---- Sending -------------------------------------------------------------------------------

bool SendToPrinter(Printer& printer, const ReportDocument& doc) {
  if (!printer.BeginDoc(doc.title)) return false;
  printer.SetOrientation(doc.orientation);
  printer.SetFont("Courier New", doc.fontSize);
  // Drawn positions are given for a 600-dot page; scale them to this printer.
  const double scale = printer.DotsPerInch() / 600.0;
  auto dots = [&](int v) { return static_cast<int>(v * scale); };
  std::size_t nextFont = 0, nextBitmap = 0;
  auto drawPending = [&](std::size_t lineIndex) {
    while (nextFont < doc.fontChanges.size() && doc.fontChanges[nextFont].atLine <= lineIndex)
      printer.SetFont("Courier New", doc.fontChanges[nextFont++].pointSize);
    while (nextBitmap < doc.bitmaps.size() && doc.bitmaps[nextBitmap].atLine <= lineIndex) {
      const DrawnBitmap& b = doc.bitmaps[nextBitmap++];
      printer.StretchBitmap(printer.PageWidth() / 2 + dots(b.left), dots(b.top), dots(b.width),
                            dots(b.height), b.resource);
    }
  };
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    drawPending(i);
    if (doc.lines[i] == kFormFeed)
      printer.FormFeed();
    else
      printer.WriteLine(doc.lines[i]);
  }
  drawPending(doc.lines.size());
  printer.EndDoc();
  return true;
}

WorkList ListStartOrder(const Tournament& t, Prompter& prompt, const Selection& selection) {
  WorkList list = StartOrder(t, selection);
  if (list.overfull) prompt.Show(OverfullMessage(selection.division));
  return list;
}

WorkList FillDivisionList(const Tournament& t, Prompter& prompt, int division) {
  WorkList list = DivisionList(t, division);
  if (list.overfull) prompt.Show(OverfullMessage(division));
  return list;
}
