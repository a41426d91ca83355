#include "printing/entry_lists.h"

#include "core/divisions.h"
#include "core/text.h"

namespace {

// The counter value after a list's heading, and the count past which a page is full.
constexpr int kCounterAfterHeading = 11;
constexpr int kPageLimit = 60;

// Counts the lines written and breaks the page after the skier line that fills it. The heading is
// not repeated on the following pages, so they start counting from nothing. The form feed waits
// until something follows it, so a list that just fills its last page ends without a blank sheet.
class ListPage {
 public:
  explicit ListPage(PageWriter& w) : w_(w) {
    w_.SetRule(PageBreakRule::Passes, kPageLimit);
    w_.count = kCounterAfterHeading;
  }
  void Banner(const std::string& banner) {
    BreakIfDue();
    w_.HeaderLine("");
    w_.HeaderLine(banner);
  }
  void Skier(const std::string& line) {
    BreakIfDue();
    w_.HeaderLine(line);
    breakDue_ = w_.Full(0);
  }

 private:
  void BreakIfDue() {
    if (!breakDue_) return;
    w_.FormFeed();
    w_.count = 0;
    breakDue_ = false;
  }
  PageWriter& w_;
  bool breakDue_ = false;
};

void Heading(PageWriter& w, std::initializer_list<std::string> lines) {
  for (const auto& line : lines) w.HeaderLine(line);
}

std::string Names(const TSkier& s) { return "  " + PadRight(s.Surname, 15) + PadRight(s.FirstName, 15); }

std::string Identity(const TSkier& s) {
  return RightAlign(s.MemberId, 10) + RightAlign(s.Bib, 4) + RightAlign(s.Team, 5);
}

std::string AlphabeticalLine(const TSkier& s) {
  return Names(s) + Identity(s) + RightAlign(DivisionCode(s.Division), 7) + RightAlign(s.SlalomEntry, 7) +
         RightAlign(s.TrickEntry, 2) + RightAlign(s.JumpEntry, 2) + RightAlign(s.Paid, 9);
}

std::string DivisionLine(const TSkier& s) {
  return Names(s) + Identity(s) + RightAlign(s.SlalomEntry, 6) + RightAlign(s.TrickEntry, 2) +
         RightAlign(s.JumpEntry, 2) + RightAlign(s.Paid, 10);
}

void Alphabetical(const Tournament& t, PageWriter& w) {
  Heading(w, {"                            COMPETITOR ENTRY LIST",
              "                            ---------------------", "",
              "         COMPETITOR  NAME           ID     BIB  TEAM    DIV     EVENTS    PAID",
              "  " + std::string(76, '-')});
  ListPage page(w);
  t.skiers.ForEach([&](const TSkier& s) { page.Skier(AlphabeticalLine(s)); });
}

// Every division with skiers in code order, the skiers without a division (code 86, "XX") last.
void ByDivision(const Tournament& t, PageWriter& w) {
  Heading(w, {"                             COMPETITOR ENTRY LIST",
              "                             ---------------------", "",
              "        COMPETITOR NAME             ID     BIB  TEAM    EVENTS      PAID",
              "  " + std::string(70, '-')});
  ListPage page(w);
  std::vector<std::vector<const TSkier*>> byDivision(kDivisionCount);
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division < kDivisionCount) byDivision[s.Division].push_back(&s);
  });
  for (int d = 0; d < kDivisionCount; ++d) {
    const auto& skiers = byDivision[static_cast<std::size_t>(d)];
    if (skiers.empty()) continue;
    page.Banner("  ***** " + DivisionCode(d) + " *****");
    for (const TSkier* s : skiers) page.Skier(DivisionLine(*s));
  }
}

void CurrentDivision(const Tournament& t, int division, PageWriter& w) {
  Heading(w, {"                 COMPETITOR ENTRY LIST FOR DIVISION: " + RightAlign(DivisionCode(division), 2),
              "                 --------------------------------------", "",
              "        COMPETITOR  NAME            ID     BIB  TEAM    EVENTS      PAID",
              "  " + std::string(69, '-')});
  ListPage page(w);
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division == division) page.Skier(DivisionLine(s));
  });
}

ReportDocument Printed(ReportContext& c, EntryListKind kind) {
  return EntryListDocument(c.t, c.p.clock.Now(), kind, c.selection.division);
}

ReportDocument Viewed(ReportContext& c, EntryListKind kind) {
  ReportDocument doc;
  doc.title = "View Entry";
  doc.lines = EntryViewLines(c.t, kind, c.selection.division);
  return doc;
}

}  // namespace

ReportDocument EntryListDocument(const Tournament& t, const DateTime& now, EntryListKind kind, int division) {
  ReportDocument doc;
  doc.title = "Competitor Entry List";
  doc.orientation = Orientation::Portrait;
  doc.fontSize = 10;
  PageWriter w(doc);
  StandardHeader(w, t, now);
  switch (kind) {
    case EntryListKind::Alphabetical:
      Alphabetical(t, w);
      break;
    case EntryListKind::ByDivision:
      ByDivision(t, w);
      break;
    case EntryListKind::CurrentDivision:
      CurrentDivision(t, division, w);
      break;
  }
  return doc;
}

const char* EntryListReportName(EntryListKind kind) {
  switch (kind) {
    case EntryListKind::ByDivision:
      return "entry-list-by-division";
    case EntryListKind::CurrentDivision:
      return "entry-list-division";
    case EntryListKind::Alphabetical:
      break;
  }
  return "entry-list-alphabetical";
}

ReportDocument EntryListAlphabetical(ReportContext& c) { return Printed(c, EntryListKind::Alphabetical); }
ReportDocument EntryListByDivision(ReportContext& c) { return Printed(c, EntryListKind::ByDivision); }
ReportDocument EntryListDivision(ReportContext& c) { return Printed(c, EntryListKind::CurrentDivision); }
ReportDocument EntryViewAlphabetical(ReportContext& c) { return Viewed(c, EntryListKind::Alphabetical); }
ReportDocument EntryViewByDivision(ReportContext& c) { return Viewed(c, EntryListKind::ByDivision); }
ReportDocument EntryViewDivision(ReportContext& c) { return Viewed(c, EntryListKind::CurrentDivision); }
