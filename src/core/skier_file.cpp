#include "core/skier_file.h"

#include <cstring>

#include "core/divisions.h"

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

}  // namespace

std::string SkierFileBytes(const SkierList& list) {
  std::string bytes;
  bytes.resize(list.nodes.size() * kSkierRecordSize);
  std::size_t at = 0;
  for (const TSkier& s : list.nodes) {
    std::memcpy(bytes.data() + at, &s, kSkierRecordSize);
    at += kSkierRecordSize;
  }
  return bytes;
}

std::string CheckSkierRecord(const TSkier& s) {
  Problem p;
  CheckEntryBlock(p, s);
  CheckEventBlocks(p, s);
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
    if (problem.empty() && i == 0 && s.Surname.view() != kHeadName)
      problem = "the first record is not the head of the list";
    if (problem.empty() && i == count - 1 && s.Surname.view() != kTailName)
      problem = "the last record is not the end of the list";
    if (!problem.empty()) {
      why = "record " + std::to_string(i + 1) + ": " + problem;
      return false;
    }
    records.push_back(s);
  }
  out = std::move(records);
  return true;
}
