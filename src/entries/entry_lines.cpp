#include "entries/entry_lines.h"

#include "core/divisions.h"
#include "core/text.h"

std::string EntryLine(const TSkier& s) {
  std::string line = PadRight(s.FirstName.view(), 15) + " " + PadRight(s.Surname.view(), 15);
  line += PadRight(DivisionCode(s.Division), 4) + " " + PadRight(s.MemberId.view(), 10);
  line += s.SlalomEntry == "S" ? "S " : "  ";
  line += s.TrickEntry == "T" ? "T " : "  ";
  line += s.JumpEntry == "J" ? "J   " : "    ";
  // A paid mark takes one column less than the blank, so a paid skier's team stands further left.
  line += s.Paid == "Y" ? "Y  " : "    ";
  line += s.Team.empty() ? std::string("    ") : s.Team.str() + " ";
  line += s.Fed.str() + " " + s.Bib.str();
  return line;
}

std::string LineKey(std::string_view line) { return std::string(line.substr(0, kLineKeyLength)); }

std::string LineKey(const TSkier& s) { return LineKey(EntryLine(s)); }

std::optional<SkierList::Node> FindByLineKey(const SkierList& list, std::string_view line) {
  if (!list.initialised()) return std::nullopt;
  const std::string key = LineKey(line);
  for (auto it = list.first(); it != list.tailNode(); ++it)
    if (LineKey(*it) == key) return it;
  return std::nullopt;
}
