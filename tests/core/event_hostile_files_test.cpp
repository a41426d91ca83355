#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "core/event_files.h"
#include "core/skier_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

// A good three-skier family under `base` in `dir`, made by a save.
void SaveGoodEvent(const TempDir& dir, const std::string& base) {
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file(base + ".dat");
  ASSERT_TRUE(SaveShown(t, tp));
}

std::string Record(const std::string& bytes, std::size_t n) { return bytes.substr(n * 2208, 2208); }

void Poke(const std::string& path, std::size_t offset, std::uint8_t value) {
  std::string b = *Slurp(path);
  b[offset] = static_cast<char>(value);
  Spit(path, b);
}

std::string RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::string b(n, '\0');
  for (char& c : b) c = static_cast<char>(gen() & 0xff);
  return b;
}

std::vector<std::string> TtlLines(const TempDir& dir) {
  std::vector<std::string> lines;
  std::string text = *Slurp(dir.file("Bad.ttl"));
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

void WriteTtl(const TempDir& dir, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  Spit(dir.file("Bad.ttl"), text);
}

struct HostileCase {
  const char* name;
  std::function<void(const TempDir&)> spoil;  // works on the good family "Bad"
  // Empty: the file opens with defaults; otherwise the refusal's reason, after the file name.
  std::string refusal;
  const char* refusedFile = "Bad.dat";
  std::function<void(const Tournament&)> check = [](const Tournament&) {};
  bool reasonIsPrefix = false;  // for bytes whose first fault is not known in advance
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileEventFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileEventFile, GivesAMessageOrADefaultAndKeepsTheOpenEvent) {
  const HostileCase& c = GetParam();
  TempDir dir;
  SaveGoodEvent(dir, "Bad");
  c.spoil(dir);

  TestPlatform tp;
  Tournament t;
  AddSkier(t, tp, "KEEP", "Me", 20);
  t.info.EventName = "Open Event";
  t.EventFile = dir.file("Open.dat");
  t.MarkChanged();
  const std::string before = SkierFileBytes(t.skiers);

  bool opened = OpenShown(t, tp, dir.file("Bad.dat"));
  if (c.refusal.empty()) {
    EXPECT_TRUE(opened);
    c.check(t);
    return;
  }
  EXPECT_FALSE(opened);
  const std::string expected = "\"" + dir.file(c.refusedFile) + "\" is not a valid event file: " + c.refusal;
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  if (c.reasonIsPrefix)
    EXPECT_EQ(tp.prompter.shown[0].text.substr(0, expected.size()), expected);
  else
    EXPECT_EQ(tp.prompter.shown[0].text, expected);
  EXPECT_EQ(SkierFileBytes(t.skiers), before);
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.info.EventName, "Open Event");
  EXPECT_EQ(t.EventFile, dir.file("Open.dat"));
  EXPECT_TRUE(t.Unsaved);
}

const HostileCase kCases[] = {
    {"Missing", [](const TempDir& d) { std::remove(d.file("Bad.dat").c_str()); }, "there is no such file"},
    {"Empty", [](const TempDir& d) { Spit(d.file("Bad.dat"), ""); },
     "it holds 0 records, fewer than the two list ends"},
    {"OneRecord", [](const TempDir& d) { Spit(d.file("Bad.dat"), Record(*Slurp(d.file("Bad.dat")), 0)); },
     "it holds 1 records, fewer than the two list ends"},
    {"Truncated",
     [](const TempDir& d) { Spit(d.file("Bad.dat"), Slurp(d.file("Bad.dat"))->substr(0, 5000)); },
     "its size of 5000 bytes is not a whole number of 2208-byte records"},
    {"OneByteShortOfARecord", [](const TempDir& d) { Spit(d.file("Bad.dat"), std::string(2207, 'A')); },
     "its size of 2207 bytes is not a whole number of 2208-byte records"},
    {"RandomBytes", [](const TempDir& d) { Spit(d.file("Bad.dat"), RandomBytes(4 * 2208, 7)); },
     "record 1: ", "Bad.dat", [](const Tournament&) {}, true},
    {"NameLength200", [](const TempDir& d) { Poke(d.file("Bad.dat"), 2 * 2208, 200); },
     "record 3: the surname has a length of 200, more than its 15 characters"},
    {"TeamLength9", [](const TempDir& d) { Poke(d.file("Bad.dat"), 2208 + 65, 9); },
     "record 2: the team has a length of 9, more than its 3 characters"},
    {"TimeLength6", [](const TempDir& d) { Poke(d.file("Bad.dat"), 2208 + 1692 + 6 * 3, 6); },
     "record 2: a jump time has a length of 6, more than its 5 characters"},
    {"DivisionOutOfRange", [](const TempDir& d) { Poke(d.file("Bad.dat"), 2208 + 60, 90); },
     "record 2: the division is 90, not a division number"},
    {"RoundDivisionOutOfRange", [](const TempDir& d) { Poke(d.file("Bad.dat"), 3 * 2208 + 1688 + 3, 255); },
     "record 4: a jump round division is 255, not a division number"},
    {"HeadMissing",
     [](const TempDir& d) { Spit(d.file("Bad.dat"), Slurp(d.file("Bad.dat"))->substr(2208)); },
     "record 1: the first record is not the head of the list"},
    {"TailMissing",
     [](const TempDir& d) {
       std::string b = *Slurp(d.file("Bad.dat"));
       Spit(d.file("Bad.dat"), b.substr(0, b.size() - 2208));
     },
     "record 4: the last record is not the end of the list"},
    // A damaged schedule costs only the day tables.
    {"ScheduleWrongSize", [](const TempDir& d) { Spit(d.file("Bad.sch"), std::string(3999, '\0')); }, "", "",
     [](const Tournament& t) { EXPECT_EQ(t.schedule.days[1].rows[1].division, 86); }},
    {"ScheduleOfFiveRecords", [](const TempDir& d) { Spit(d.file("Bad.sch"), std::string(5000, '\0')); }, "",
     "",
     [](const Tournament& t) {
       EXPECT_EQ(t.schedule.days[1].rows[1].division, 86);
       EXPECT_EQ(t.SkierCount(), 3);
     }},
    {"ScheduleRowsOfGarbage", [](const TempDir& d) { Spit(d.file("Bad.sch"), RandomBytes(4000, 3)); }, "", "",
     [](const Tournament& t) {
       for (std::size_t day = 1; day <= 4; ++day)
         for (std::size_t r = 1; r <= 50; ++r) {
           const ScheduleRow& row = t.schedule.days[day].rows[r];
           EXPECT_LE(row.division, 86);
           EXPECT_TRUE(row.event.lengthValid() && row.start.lengthValid() && row.end.lengthValid());
         }
     }},
    {"TournamentFileOfFiveLines",
     [](const TempDir& d) {
       auto l = TtlLines(d);
       l.resize(5);
       WriteTtl(d, l);
     },
     "", "",
     [](const Tournament& t) {
       EXPECT_EQ(t.info.EventName, "Lake Cup");
       EXPECT_TRUE(t.info.ChiefOfComp.empty());
       EXPECT_EQ(t.RoundCount, 1);
       EXPECT_EQ(t.settings.RulesMode, 2);
       EXPECT_EQ(t.EntryCounter, 17);  // the highest entry number of the skiers read
       EXPECT_EQ(t.SkierCount(), 3);
     }},
    {"NonNumericCounters",
     [](const TempDir& d) {
       auto l = TtlLines(d);
       l[12] = "x";
       l[13] = "12a";
       l[15] = "zz";
       l[16] = "-3";
       l[17] = "";
       WriteTtl(d, l);
     },
     "", "",
     [](const Tournament& t) {
       EXPECT_EQ(t.RoundCount, 1);
       EXPECT_EQ(t.EntryCounter, 17);
       EXPECT_EQ(t.schedule.slalomMinutes, 5);
       EXPECT_EQ(t.schedule.trickMinutes, 4);
       EXPECT_EQ(t.schedule.jumpMinutes, 7);
       EXPECT_EQ(t.info.SanctionNo, "26CAN123");
     }},
    {"RoundsOutOfRange",
     [](const TempDir& d) {
       auto l = TtlLines(d);
       l[12] = "9";
       WriteTtl(d, l);
     },
     "", "", [](const Tournament& t) { EXPECT_EQ(t.RoundCount, 1); }},
    {"LinesOf10000Characters",
     [](const TempDir& d) {
       auto l = TtlLines(d);
       for (auto& line : l) line += std::string(10000, '9');
       WriteTtl(d, l);
     },
     "", "",
     [](const Tournament& t) {
       EXPECT_EQ(t.info.EventName.size(), 80u);
       EXPECT_EQ(t.info.StartDate, "20260704");
       EXPECT_EQ(t.RoundCount, 3);
       EXPECT_EQ(t.EntryCounter, 17);  // a counter too large for an integer is no counter
       EXPECT_EQ(t.schedule.slalomMinutes, 69);  // two characters of "6999…"
       EXPECT_EQ(t.settings.SiteCode, "CAN7688999");
       EXPECT_TRUE(t.teams.slots[1].code.empty());  // "[TEAMS]" is never found
     }},
    {"TournamentFileOfRandomBytes", [](const TempDir& d) { Spit(d.file("Bad.ttl"), RandomBytes(20000, 11)); }, "", "",
     [](const Tournament& t) {
       EXPECT_GE(t.RoundCount, 1);
       EXPECT_LE(t.RoundCount, 4);
       EXPECT_EQ(t.SkierCount(), 3);
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileEventFile, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
