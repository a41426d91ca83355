#include "printing/judging_sheets.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "core/work_list.h"
#include "printing/pass_headings.h"
#include "printing/report_catalogue.h"
#include "printing/report_page.h"

namespace {

constexpr const char* kFont = "Courier New";
constexpr int kTitlePoints = 12;
constexpr int kBodyPoints = 10;
constexpr int kPassColumns = 11;      // the widest pass heading list
constexpr int kTrickCellsPerRow = 8;  // trick boxes across the page
constexpr int kTrickCellRows = 5;     // rows of boxes per pass

// A column of a form's grid, in sixteenths of the page width, with the two lines of its heading.
// A "joined" column shares the top heading of the column before it (a pass's second sub-column),
// so the rule between them starts below that heading.
struct Column {
  double from, to;
  std::string top, bottom;
  bool joined = false;
};

// What a form is drawn of, besides its skiers.
struct FormLayout {
  Orientation orientation = Orientation::Landscape;
  std::string title;
  std::string judgeLine;
  int division = -1;  // the division a seeded form names; -1 for none
  std::vector<Column> columns;
  int rules = 16;                  // horizontal rules below the heading row
  std::vector<std::string> guide;  // the speed guide at the top right, under the national rules
};

// The page in device units, and the form's positions as fractions of it.
class Page {
 public:
  explicit Page(Printer& p) : p_(p), w_(p.PageWidth()), h_(p.PageHeight()), dpi_(p.DotsPerInch()) {}

  int Width() const { return w_; }
  int Col(double sixteenths) const { return static_cast<int>(w_ * sixteenths / 16.0); }
  int GridTop() const { return h_ / 6; }
  int RowHeight() const { return h_ / 20; }
  int RowTop(int k) const { return GridTop() + k * RowHeight(); }
  int FirstLine(int k) const { return RowTop(k) + h_ / 60; }
  int SecondLine(int k) const { return RowTop(k) + h_ / 30; }
  // Printer units of a 600-dot page, on this printer.
  int Units(int units) const { return units * dpi_ / 600; }
  int HeadingX() const { return Units(200); }
  int NameX() const { return Units(25); }
  // The y of rule k (1 to rules) below the grid's top. The first closes the heading row, one grid
  // row down; the others follow one grid row apart, or closer where that many would run off the
  // page.
  int RuleY(int k, int rules) const {
    const int spacing = rules > 1 ? std::min(RowHeight(), (h_ - 1 - RowTop(1)) / (rules - 1)) : RowHeight();
    return RowTop(1) + (k - 1) * spacing;
  }

  // Half a character of the body font: the gap between a rule and the text beside it.
  int Gap() const { return p_.TextWidth(" ") / 2; }

 private:
  Printer& p_;
  int w_, h_, dpi_;
};

std::vector<Column> PassGroups(double from, int count, const char* name, const char* first,
                               const char* second) {
  std::vector<Column> columns;
  for (int i = 0; i < count; ++i) {
    const double at = from + 2 * i;
    columns.push_back({at, at + 1, std::string(name) + std::to_string(i + 1), first});
    columns.push_back({at + 1, at + 2, "", second, true});
  }
  return columns;
}

// The heading columns, the pass or jump groups, and the total column, left to right.
std::vector<Column> Joined(std::vector<Column> head, const std::vector<Column>& groups, const Column& total) {
  head.insert(head.end(), groups.begin(), groups.end());
  head.push_back(total);
  return head;
}

std::vector<Column> SlalomColumns() {
  return Joined({{0, 3, "SKIER NAME", ""}, {3, 4, " Speed", " /Rope"}},
                PassGroups(4, 5, "Pass ", " Score", " Time"), {14, 16, " TOTAL", ""});
}

std::vector<Column> JumpBoatColumns() {
  return Joined(
      {{0, 3, "SKIER NAME", ""}, {3, 4, " Speed", " /Path"}, {4, 5, "Letter", ""}, {5, 6, "RTB/F", ""}},
      PassGroups(6, 4, "Jump ", "Time", "Dist."), {14, 16, "BEST", ""});
}

std::vector<Column> JumpMasterColumns() {
  return Joined({{0, 3, "SKIER NAME", ""}, {3, 6, "Start", "Options"}},
                PassGroups(6, 4, "Jump ", "Times", "Dist."), {14, 16, "BEST", ""});
}

// The seeded slalom forms: the name column, one column per pass heading, the total.
std::vector<Column> SeededSlalomColumns(double nameWidth, const std::vector<std::string>& headings,
                                        const char* totalBottom) {
  std::vector<Column> c{{0, nameWidth, "SKIER NAME / PASS", ""}};
  for (int i = 0; i < kPassColumns; ++i) {
    const auto at = static_cast<std::size_t>(i);
    c.push_back(
        {nameWidth + i, nameWidth + i + 1, at < headings.size() ? RightAlign(headings[at], 5) : "", ""});
  }
  c.push_back({nameWidth + kPassColumns, 16, "TOTAL", totalBottom});
  return c;
}

const std::vector<std::string> kBlankSlalomGuide{
    "Speeds/Divs:",
    "28-49 W7-9,M8-9      25-49 BU10,GU10   28-52 GU12-U14",
    "28-55 WU17,BU12-U14     28-58 MU17      49-58 EM,M,MU21",
    "46-55 EW,W,WU21,M3-6    40-55 W3        40-52 W5-6    ",
    "43-52 M7     40-55 W3-4     40-52 W4-6     ",
};
const std::vector<std::string> kBlankJumpGuide{
    "ZTL Age Div Max Speeds:",
    "57: EM,M,MU21,M3",
    "54: EW,W,WU21,M4",
    "51: MU17,WU17,M5-8,W3-6",
    "48: W7,M9,BU14   45: BU10-12,GU10-14,W8-9",
};
const std::vector<std::string> kSeededJumpGuide{
    "Div Max Speeds:",
    "57:  EM,M,MU21,M35+",
    "54:  EW,W,WU21,M45+",
    "51:  MU17,WU17,M55 to M70,W35 to W45",
    "48:  M75+    45: BU10-U14,GU10-U14,W70+",
};

const char* kJudgePos = "JUDGE NAME/POS________________________";
const char* kJudge = "JUDGE NAME ________________________";

FormLayout BlankLayout(const Tournament& t, JudgingForm form) {
  const bool zetl = t.RulesMode() == kZetlRules;
  FormLayout f;
  switch (form) {
    case JudgingForm::SlalomScoring:
      f = {Orientation::Landscape, "SLALOM - SCORING/TIMING SHEET", kJudgePos, -1, SlalomColumns(), 16, {}};
      if (zetl) f.guide = kBlankSlalomGuide;
      break;
    case JudgingForm::SlalomRecap:
      f = {Orientation::Landscape, "SLALOM - RECAP SHEET", kJudge, -1, SlalomColumns(), 20, {}};
      break;
    case JudgingForm::JumpBoat:
      f = {Orientation::Landscape, "JUMP - BOAT SCORING", kJudgePos, -1, JumpBoatColumns(), 16, {}};
      if (zetl) f.guide = kBlankJumpGuide;
      break;
    case JudgingForm::JumpMaster:
      f = {Orientation::Landscape, "JUMP - MASTER SCORING SHEET", kJudge, -1, JumpMasterColumns(), 7, {}};
      break;
    case JudgingForm::Trick:
      f = {Orientation::Portrait,
           "TRICK EVENT SHEET",
           "JUDGE NAME _______________________    SKIER NAME _______________________",
           -1,
           {},
           0,
           {}};
      break;
  }
  return f;
}

FormLayout SeededLayout(const Tournament& t, int division, JudgingForm form) {
  const int rules = SkiersPerPage(form) + 1;  // the rows of the skiers and the rule below the last
  const int mode = t.RulesMode();
  FormLayout f;
  switch (form) {
    case JudgingForm::SlalomScoring:
      f = {Orientation::Portrait,
           "SLALOM - SCORING/TIMING SHEET",
           kJudgePos,
           division,
           SeededSlalomColumns(4, ScoringPassHeadings(mode, division), "Score"),
           rules,
           {}};
      break;
    case JudgingForm::SlalomRecap:
      f = {Orientation::Landscape,
           "SLALOM - RECAP SHEET",
           kJudge,
           division,
           SeededSlalomColumns(3, RecapPassHeadings(mode, division), ""),
           rules,
           {}};
      break;
    case JudgingForm::JumpBoat:
      f = {Orientation::Landscape,
           "JUMP EVENT - BOAT SCORING SHEET",
           kJudgePos,
           division,
           JumpBoatColumns(),
           rules,
           {}};
      if (mode == kZetlRules) f.guide = kSeededJumpGuide;
      break;
    case JudgingForm::JumpMaster:
      f = {Orientation::Landscape,
           "JUMP - MASTER SCORE SHEET",
           kJudge,
           division,
           JumpMasterColumns(),
           rules,
           {}};
      break;
    case JudgingForm::Trick:
      // The trick sheet names the division in the lines about its skier.
      f = {Orientation::Portrait, "TRICK EVENT SHEET", kJudge, -1, {}, 0, {}};
      break;
  }
  return f;
}

// Draws one form's lines and headings on the current page.
class FormPainter {
 public:
  FormPainter(Printer& p, const Tournament& t, const FormLayout& f) : p_(p), t_(t), f_(f), page_(p) {}

  // The title block, the speed guide and the empty grid. `headLines` are the seeded trick sheet's
  // lines about its skier (written after the tournament name, before the judge line).
  void EmptyForm(const std::vector<std::string>& headLines = {}) {
    p_.SetFont(kFont, kTitlePoints);
    const int titleStep = p_.TextHeight("X") * 5 / 4;
    int y = page_.RowHeight() / 2;
    p_.TextOut(page_.HeadingX(), y, f_.title);
    y += titleStep;
    p_.TextOut(page_.HeadingX(), y, t_.info.EventName.view());
    y += titleStep;
    p_.SetFont(kFont, kBodyPoints);
    const int step = p_.TextHeight("X") * 5 / 4;
    if (f_.division >= 0) {
      p_.TextOut(page_.HeadingX(), y, "Division: " + DivisionCode(f_.division));
      y += step;
    }
    for (const auto& line : headLines) {
      p_.TextOut(page_.HeadingX(), y, line);
      y += step;
    }
    p_.TextOut(page_.HeadingX(), y, f_.judgeLine);
    Guide(step);
    if (f_.columns.empty())
      TrickBlocks();
    else
      Grid();
  }

  // The two lines of a skier in row k: first name, then surname and bib.
  void SkierRow(int k, const TSkier& s) {
    p_.TextOut(page_.NameX(), page_.FirstLine(k), Name15(s.FirstName.view()));
    p_.TextOut(page_.NameX(), page_.SecondLine(k), Name15(s.Surname.view()) + s.Bib.str());
  }

 private:
  void Guide(int step) {
    if (f_.guide.empty()) return;
    int widest = 0;
    for (const auto& line : f_.guide) widest = std::max(widest, p_.TextWidth(line));
    const int x = std::max(page_.Width() / 2, page_.Width() - page_.HeadingX() - widest);
    int y = page_.RowHeight() / 2;
    for (const auto& line : f_.guide) {
      p_.TextOut(x, y, line);
      y += step;
    }
  }

  void Grid() {
    const int top = page_.GridTop(), bottom = page_.RuleY(f_.rules, f_.rules);
    const int right = page_.Width() - 1, gap = page_.Gap();
    p_.Line(0, top, right, top);
    for (int k = 1; k <= f_.rules; ++k) p_.Line(0, page_.RuleY(k, f_.rules), right, page_.RuleY(k, f_.rules));
    p_.Line(0, top, 0, bottom);
    p_.Line(right, top, right, bottom);
    for (const auto& c : f_.columns) {
      const int x = page_.Col(c.from);
      if (c.from > 0) p_.Line(x, c.joined ? (page_.FirstLine(0) + page_.SecondLine(0)) / 2 : top, x, bottom);
      if (!c.top.empty()) p_.TextOut(x + gap, page_.FirstLine(0), c.top);
      if (!c.bottom.empty()) p_.TextOut(x + gap, page_.SecondLine(0), c.bottom);
    }
  }

  // The trick sheet: a block per pass, each a title, rows of numbered boxes a judge writes the
  // tricks in, one box per trick, and a line for the pass's points.
  void TrickBlocks() {
    const int right = page_.Width() - 1, gap = page_.Gap();
    int row = 0;
    for (const char* pass : {"FIRST PASS", "SECOND PASS"}) {
      p_.TextOut(page_.HeadingX(), page_.FirstLine(row), pass);
      const int top = page_.RowTop(row + 1), bottom = page_.RowTop(row + 1 + kTrickCellRows);
      for (int r = 0; r <= kTrickCellRows; ++r)
        p_.Line(0, page_.RowTop(row + 1 + r), right, page_.RowTop(row + 1 + r));
      for (int c = 0; c <= kTrickCellsPerRow; ++c) {
        const int x = c == kTrickCellsPerRow ? right : page_.Col(16.0 * c / kTrickCellsPerRow);
        p_.Line(x, top, x, bottom);
      }
      for (int r = 0; r < kTrickCellRows; ++r)
        for (int c = 0; c < kTrickCellsPerRow; ++c)
          p_.TextOut(page_.Col(16.0 * c / kTrickCellsPerRow) + gap, page_.RowTop(row + 1 + r) + gap,
                     std::to_string(r * kTrickCellsPerRow + c + 1));
      p_.TextOut(page_.HeadingX(), page_.FirstLine(row + 1 + kTrickCellRows),
                 std::string(pass) + " POINTS ____________    JUDGE INITIALS ______");
      row += kTrickCellRows + 2;
    }
  }

  Printer& p_;
  const Tournament& t_;
  const FormLayout& f_;
  Page page_;
};

const char* WrongEventMessage(char event) {
  if (event == 'J') return "  Jump must be current event!";
  if (event == 'T') return "  Tricks must be current event!";
  return "  Slalom must be current event!";
}

bool Begin(Printer& printer, const FormLayout& f) {
  if (!printer.BeginDoc(f.title)) return false;
  printer.SetOrientation(f.orientation);
  printer.SetFont(kFont, kBodyPoints);
  return true;
}

std::vector<std::string> TrickSkierLines(int division, const TSkier* s) {
  const std::string name = s ? TrimRight(s->FirstName.view()) + " " + TrimRight(s->Surname.view()) : "";
  return {DivisionCode(division) + "   Tricks    SKIER: " + name, "     Bib# " + (s ? s->Bib.str() : "")};
}

}  // namespace

// The names are the report catalogue's, in the order of the enum.
const std::vector<std::string>& JudgingFormNames() {
  static const std::vector<std::string> names = [] {
    const auto forms = CatalogueOf(OutputKind::Form);
    std::vector<std::string> out(forms.size());
    for (const ReportEntry* entry : forms) out.at(static_cast<std::size_t>(entry->form)) = entry->name;
    return out;
  }();
  return names;
}

char JudgingFormEvent(JudgingForm form) {
  switch (form) {
    case JudgingForm::SlalomScoring:
    case JudgingForm::SlalomRecap:
      return 'S';
    case JudgingForm::JumpBoat:
    case JudgingForm::JumpMaster:
      return 'J';
    case JudgingForm::Trick:
      return 'T';
  }
  return 'S';
}

int SkiersPerPage(JudgingForm form) {
  switch (form) {
    case JudgingForm::SlalomScoring:
    case JudgingForm::JumpBoat:
      return 15;
    case JudgingForm::SlalomRecap:
    case JudgingForm::JumpMaster:
      return 7;
    case JudgingForm::Trick:
      return 1;
  }
  return 1;
}

int MostSkiers(JudgingForm form) {
  switch (SkiersPerPage(form)) {
    case 15:
      return 60;
    case 7:
      return 49;
    default:
      return kWorkListSize;
  }
}

bool PrintBlankForm(Printer& printer, const Tournament& t, JudgingForm form) {
  const FormLayout f = BlankLayout(t, form);
  if (!Begin(printer, f)) return false;
  FormPainter(printer, t, f).EmptyForm();
  printer.EndDoc();
  return true;
}

bool PrintSeededForm(Printer& printer, const Tournament& t, const Services& p, JudgingForm form) {
  const char event = JudgingFormEvent(form);
  const Selection sel = t.Selected();
  if (sel.event != event) {
    p.prompt.Show(WrongEventMessage(event));
    return false;
  }
  const std::vector<TSkier> list = ListStartOrder(t, p.prompt, sel).skiers;
  const FormLayout f = SeededLayout(t, sel.division, form);
  if (!Begin(printer, f)) return false;
  FormPainter painter(printer, t, f);
  const int count = std::min(static_cast<int>(list.size()), MostSkiers(form));
  if (form == JudgingForm::Trick) {
    for (int i = 1; i <= std::max(count, 1); ++i) {
      if (i > 1) printer.NewPage();
      painter.EmptyForm(
          TrickSkierLines(sel.division, count > 0 ? &list[static_cast<std::size_t>(i - 1)] : nullptr));
    }
  } else {
    const int perPage = SkiersPerPage(form);
    painter.EmptyForm();
    for (int i = 0; i < count; ++i) {
      if (i > 0 && i % perPage == 0) {
        printer.NewPage();
        painter.EmptyForm();
      }
      painter.SkierRow(i % perPage + 1, list[static_cast<std::size_t>(i)]);
    }
  }
  printer.EndDoc();
  return true;
}
