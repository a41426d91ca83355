#include "printing/entry_lists.h"

#include "core/divisions.h"
#include "core/text.h"

namespace {

// The counter value after a list's heading, and the count past which a page is full. The heading
// is not repeated on the following pages, so they start counting from nothing.
constexpr int kCounterAfterHeading = 11;
constexpr int kPageLimit = 60;

// Counts the lines written and breaks the page after a skier line once the page is full.
class ListPage {
 public:
  explicit ListPage(std::vector<std::string>& out) : out_(out) {}
  void Banner(const std::string& banner) {
    out_.emplace_back();
    out_.push_back(banner);
    counter_ += 2;
  }
  void Skier(std::string line) {
    out_.push_back(std::move(line));
    if (++counter_ > kPageLimit) {
      out_.emplace_back(1, '\f');
      counter_ = 0;
    }
  }

 private:
  std::vector<std::string>& out_;
  int counter_ = kCounterAfterHeading;
};

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

void Alphabetical(const Tournament& t, std::vector<std::string>& out) {
  out.insert(out.end(), {"                            COMPETITOR ENTRY LIST",
                         "                            ---------------------", "",
                         "         COMPETITOR  NAME           ID     BIB  TEAM    DIV     EVENTS    PAID",
                         "  " + std::string(76, '-')});
  ListPage page(out);
  t.skiers.ForEach([&](const TSkier& s) { page.Skier(AlphabeticalLine(s)); });
}

// Every division with skiers, the skiers without a division (code 86, "XX") last.
void ByDivision(const Tournament& t, std::vector<std::string>& out) {
  out.insert(out.end(), {"                             COMPETITOR ENTRY LIST",
                         "                             ---------------------", "",
                         "        COMPETITOR NAME             ID     BIB  TEAM    EVENTS      PAID",
                         "  " + std::string(70, '-')});
  ListPage page(out);
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

void CurrentDivision(const Tournament& t, std::vector<std::string>& out) {
  out.insert(out.end(), {"                 COMPETITOR ENTRY LIST FOR DIVISION: " +
                             RightAlign(DivisionCode(t.CurDivision), 2),
                         "                 --------------------------------------", "",
                         "        COMPETITOR  NAME            ID     BIB  TEAM    EVENTS      PAID",
                         "  " + std::string(69, '-')});
  ListPage page(out);
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division == t.CurDivision) page.Skier(DivisionLine(s));
  });
}

}  // namespace

std::vector<std::string> EntryListBody(const Tournament& t, EntryListKind kind) {
  std::vector<std::string> out;
  switch (kind) {
    case EntryListKind::Alphabetical:
      Alphabetical(t, out);
      break;
    case EntryListKind::ByDivision:
      ByDivision(t, out);
      break;
    case EntryListKind::CurrentDivision:
      CurrentDivision(t, out);
      break;
  }
  return out;
}
