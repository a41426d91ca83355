#include "entries/entry_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "core/skier_ops.h"
#include "core/tournament.h"
#include "support/skier_list_access.h"

namespace {

TSkier Anna(const char* paid) {
  Tournament t;
  BlankWorkingRecord(t);
  TSkier s = t.Working;
  s.FirstName = "Anna";
  s.Surname = "SMITH";
  s.Division = 17;  // W
  s.MemberId = "200012345";
  s.SlalomEntry = "S";
  s.JumpEntry = "J";
  s.Paid = paid;
  s.Team = "ON";
  s.Fed = "CAN";
  s.Bib = "12";
  return s;
}

std::string Spaces(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace

TEST(EntryLine, PiecesInTheirWidths) {
  std::string expected = "Anna" + Spaces(11) + " " + "SMITH" + Spaces(10) + "W" + Spaces(3) + " " +
                         "200012345" + Spaces(1) + "S " + "  " + "J   " + Spaces(4) + "ON " + "CAN 12";
  EXPECT_EQ(EntryLine(Anna("N")), expected);
}

TEST(EntryLine, PaidSkierTeamStandsOneColumnLeft) {
  std::string unpaid = EntryLine(Anna(""));
  std::string paid = EntryLine(Anna("Y"));
  EXPECT_EQ(paid.size() + 1, unpaid.size());
  EXPECT_EQ(unpaid.find("ON CAN 12"), paid.find("ON CAN 12") + 1);
  EXPECT_NE(paid.find("J   Y  ON CAN 12"), std::string::npos);
}

TEST(EntryLine, NoTeamNoEventsAndLongValuesNotCut) {
  TSkier s = Anna("N");
  s.Team = "";
  s.SlalomEntry = s.JumpEntry = "";
  s.TrickEntry = "T";
  s.Division = 60;  // MMP1 fills its four columns
  std::string line = EntryLine(s);
  EXPECT_EQ(line.substr(31, 5), "MMP1 ");
  EXPECT_EQ(line.substr(46), "  T " + Spaces(4) + Spaces(4) + Spaces(4) + "CAN 12");
}

TEST(EntryLineKey, NameAndDivisionOnly) {
  TSkier a = Anna("N");
  TSkier b = Anna("Y");
  b.MemberId = "999";
  EXPECT_EQ(LineKey(a), LineKey(b));
  EXPECT_EQ(LineKey(a), "Anna" + Spaces(12) + "SMITH" + Spaces(10) + "W   ");
  b.Division = 16;
  EXPECT_NE(LineKey(a), LineKey(b));
}

TEST(EntryLineKey, FindsTheFirstOfEqualKeys) {
  Tournament t;
  TSkier first = Anna("N");
  TSkier second = Anna("Y");
  second.Bib = "99";
  auto& nodes = SkierNodes(t);
  nodes.insert(std::prev(nodes.end()), first);
  nodes.insert(std::prev(nodes.end()), second);
  auto found = FindByLineKey(t.skiers, EntryLine(second));
  ASSERT_TRUE(found);
  EXPECT_EQ((*found)->Bib, "12");
  EXPECT_FALSE(FindByLineKey(t.skiers, "Nobody"));
}
