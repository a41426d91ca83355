#include "entries/entry_views.h"

#include "core/divisions.h"
#include "core/text.h"

namespace {

constexpr const char* kDivisionColumns = "COMPETITOR  NAME           ID     BIB  TEAM  EVENTS  PAID";

std::string Events(const TSkier& s) {
  return PadRight(s.SlalomEntry, 1) + " " + PadRight(s.TrickEntry, 1) + " " + PadRight(s.JumpEntry, 1) +
         "  " + s.Paid.str();
}

std::string AllLine(const TSkier& s) {
  return PadRight(s.Surname, 12) + " " + PadRight(s.FirstName, 12) + " " + PadRight(s.MemberId, 10) + " " +
         PadRight(s.Bib, 3) + " " + PadRight(s.Team, 4) + "  " + DivisionCode(s.Division) + "  " + Events(s);
}

// The division lines have no space between surname and first name; a full 12-letter surname runs
// straight into the first name.
std::string DivisionLine(const TSkier& s) {
  return PadRight(s.Surname, 12) + PadRight(s.FirstName, 12) + " " + PadRight(s.MemberId, 10) + " " +
         PadRight(s.Bib, 3) + " " + PadRight(s.Team, 4) + "   " + Events(s);
}

void AddDivision(const Tournament& t, int division, std::vector<std::string>& out) {
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division == division) out.push_back(DivisionLine(s));
  });
}

bool HasSkierIn(const Tournament& t, int division) {
  bool found = false;
  t.skiers.ForEach([&](const TSkier& s) { found = found || s.Division == division; });
  return found;
}

}  // namespace

std::vector<std::string> EntryViewLines(const Tournament& t, EntryListKind kind, int division) {
  std::vector<std::string> out;
  switch (kind) {
    case EntryListKind::Alphabetical:
      out = {"COMPETITOR ENTRY LIST - ALL COMPETITORS",
             "COMPETITOR  NAME           ID     BIB  TEAM   DIV  EVENTS  PAID", std::string(63, '-')};
      t.skiers.ForEach([&](const TSkier& s) { out.push_back(AllLine(s)); });
      break;
    case EntryListKind::ByDivision:
      out = {"COMPETITOR ENTRY LIST - BY DIVISION", kDivisionColumns, std::string(57, '-')};
      // Skiers without a division stay out of the screen view; the printed list shows them.
      for (int d = 0; d < kNoDivision; ++d) {
        if (!HasSkierIn(t, d)) continue;
        out.push_back("  ***** " + DivisionCode(d) + " *****");
        AddDivision(t, d, out);
      }
      break;
    case EntryListKind::CurrentDivision:
      out = {"COMPETITOR ENTRY LIST - CURRENT DIVISION", kDivisionColumns, std::string(57, '-')};
      AddDivision(t, division, out);
      break;
  }
  return out;
}
