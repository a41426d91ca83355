#include "core/skier_file.h"

#include <charconv>
#include <cstring>

#include "core/divisions.h"
#include "core/text.h"

namespace {

constexpr std::string_view kHeadName = "AAAAA";
constexpr std::string_view kTailName = "zzzzz";

struct Problem {
  std::string text;
  bool found() const { return !text.empty(); }
};

template <std::size_t N>
void CheckText(Problem& p, const ShortString<N>& s, const char* field) {
  if (!p.found() && !s.lengthValid())
    p.text = std::string(field) + " has a length of " + std::to_string(s.len) + ", more than its " +
             std::to_string(N) + " characters";
}

template <std::size_t N, std::size_t R>
void CheckTexts(Problem& p, const PerRound<ShortString<N>, R>& a, const char* field) {
  for (std::size_t i = 1; i <= R; ++i) CheckText(p, a[i], field);
}

void CheckTimes(Problem& p, const PerRound<PerRound<ShortString<5>>, 10>& times, const char* field) {
  for (std::size_t pass = 1; pass <= 10; ++pass) CheckTexts(p, times[pass], field);
}

void CheckDivision(Problem& p, std::uint8_t division, const char* field) {
  if (!p.found() && division > kNoDivision)
    p.text = std::string(field) + " is " + std::to_string(division) + ", not a division number";
}

void CheckDivisions(Problem& p, const PerRound<std::uint8_t>& a, const char* field) {
  for (std::size_t r = 1; r <= 4; ++r) CheckDivision(p, a[r], field);
}

void CheckEntryBlock(Problem& p, const TSkier& s) {
  CheckText(p, s.Surname, "the surname");
  CheckText(p, s.FirstName, "the first name");
  CheckText(p, s.BirthYear, "the birth year");
  CheckText(p, s.MemberId, "the member number");
  CheckText(p, s.Bib, "the bib");
  CheckDivision(p, s.Division, "the division");
  CheckText(p, s.Fed, "the federation");
  CheckText(p, s.Team, "the team");
  CheckText(p, s.SlalomEntry, "the slalom entry");
  CheckText(p, s.TrickEntry, "the trick entry");
  CheckText(p, s.JumpEntry, "the jump entry");
  CheckText(p, s.Paid, "the paid mark");
}

void CheckEventBlocks(Problem& p, const TSkier& s) {
  CheckDivisions(p, s.SlalomRoundDiv, "a slalom round division");
  CheckTimes(p, s.SlalomTime1, "a slalom time");
  CheckTimes(p, s.SlalomTime2, "a slalom time");
  CheckTexts(p, s.SlalomClass, "a slalom class");
  CheckTexts(p, s.SlalomBoat, "a slalom boat");
  CheckDivisions(p, s.TrickRoundDiv, "a trick round division");
  CheckTimes(p, s.TrickTime1, "a trick time");
  CheckTimes(p, s.TrickTime2, "a trick time");
  CheckTexts(p, s.TrickClass, "a trick class");
  CheckTexts(p, s.TrickBoat, "a trick boat");
  CheckDivisions(p, s.JumpRoundDiv, "a jump round division");
  CheckTimes(p, s.JumpTime1, "a jump time");
  CheckTimes(p, s.JumpTime2, "a jump time");
  CheckTexts(p, s.JumpClass, "a jump class");
  CheckTexts(p, s.JumpBoat, "a jump boat");
}

// Every double of the record is a score, distance, speed, rope, ramp, seed or points value: a NaN,
// an infinity or an absurd size would wipe placements and points of a whole division.
void CheckNumber(Problem& p, double v, const std::string& field) {
  if (p.found() || IsPlausibleNumber(v)) return;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  p.text = field + " is " + std::string(buf, res.ptr) + ", not a number below " +
           std::to_string(static_cast<long>(kFileNumberLimit)) + " in size";
}

void CheckRounds(Problem& p, const PerRound<double>& a, const std::string& field) {
  for (int r = 1; r <= 4 && !p.found(); ++r) CheckNumber(p, a[r], field + " of round " + std::to_string(r));
}

void CheckNumbers(Problem& p, const TSkier& s) {
  CheckRounds(p, s.SlalomBuoys, "the slalom buoys");
  CheckRounds(p, s.SlalomSpeed, "the slalom speed");
  CheckRounds(p, s.SlalomScore, "the slalom score");
  CheckRounds(p, s.SlalomRope, "the slalom rope");
  CheckRounds(p, s.SlalomUnused5, "an unused slalom value");
  CheckNumber(p, s.SlalomSeed, "the slalom seed");
  CheckNumber(p, s.SlalomRankScore, "the slalom rank score");
  CheckNumber(p, s.SlalomPoints, "the slalom points");
  CheckRounds(p, s.TrickPass1, "the trick pass 1 points");
  CheckRounds(p, s.TrickPass2, "the trick pass 2 points");
  CheckRounds(p, s.TrickScore, "the trick score");
  CheckRounds(p, s.TrickUnused4, "an unused trick value");
  CheckRounds(p, s.TrickUnused5, "an unused trick value");
  CheckNumber(p, s.TrickSeed, "the trick seed");
  CheckNumber(p, s.TrickRankScore, "the trick rank score");
  CheckNumber(p, s.TrickPoints, "the trick points");
  for (int j = 1; j <= 3; ++j) CheckRounds(p, s.JumpDistance[j], "jump distance " + std::to_string(j));
  CheckRounds(p, s.JumpRamp, "the jump ramp");
  CheckRounds(p, s.JumpSpeed, "the jump speed");
  CheckNumber(p, s.JumpSeed, "the jump seed");
  CheckNumber(p, s.JumpRankScore, "the jump rank score");
  CheckNumber(p, s.JumpPoints, "the jump points");
  CheckNumber(p, s.OverallScore, "the overall score");
}

bool IsHead(const TSkier& s) { return s.Surname.view() == kHeadName && s.FirstName.view() == kHeadName; }
bool IsTail(const TSkier& s) { return s.Surname.view() == kTailName; }

// The list is searched in surname order when skiers are entered; a file out of that order would
// have them entered twice.
std::string CheckPlace(const TSkier& s, std::size_t i, std::size_t count, const TSkier* previousSkier) {
  if (i == 0) return s.Surname.view() == kHeadName ? "" : "the first record is not the head of the list";
  if (i == count - 1) return IsTail(s) ? "" : "the last record is not the end of the list";
  if (IsTail(s)) return "the end of the list stands inside the list";
  if (IsHead(s)) return "the head of the list stands inside the list";
  if (previousSkier && previousSkier->Surname.compare(s.Surname) > 0)
    return "the surname \"" + s.Surname.str() + "\" sorts before \"" + previousSkier->Surname.str() +
           "\" of the record before it; the skiers are not in surname order";
  return "";
}

}  // namespace

std::string SkierFileBytes(const SkierList& list) {
  std::string bytes;
  bytes.resize(list.nodes().size() * kSkierRecordSize);
  std::size_t at = 0;
  for (const TSkier& s : list.nodes()) {
    std::memcpy(bytes.data() + at, &s, kSkierRecordSize);
    at += kSkierRecordSize;
  }
  return bytes;
}

std::string CheckSkierRecord(const TSkier& s) {
  Problem p;
  CheckEntryBlock(p, s);
  CheckEventBlocks(p, s);
  CheckNumbers(p, s);
  return p.text;
}

bool ParseSkierFile(std::string_view bytes, std::list<TSkier>& out, std::string& why) {
  out.clear();
  if (bytes.size() % kSkierRecordSize != 0) {
    why = "its size of " + std::to_string(bytes.size()) + " bytes is not a whole number of " +
          std::to_string(kSkierRecordSize) + "-byte records";
    return false;
  }
  const std::size_t count = bytes.size() / kSkierRecordSize;
  if (count < 2) {
    why = "it holds " + std::to_string(count) + " records, fewer than the two list ends";
    return false;
  }
  std::list<TSkier> records;
  for (std::size_t i = 0; i < count; ++i) {
    TSkier s{};
    std::memcpy(&s, bytes.data() + i * kSkierRecordSize, kSkierRecordSize);
    std::string problem = CheckSkierRecord(s);
    const TSkier* previousSkier = i >= 2 ? &records.back() : nullptr;
    if (problem.empty()) problem = CheckPlace(s, i, count, previousSkier);
    if (!problem.empty()) {
      why = "record " + std::to_string(i + 1) + ": " + problem;
      return false;
    }
    records.push_back(s);
  }
  out = std::move(records);
  return true;
}
