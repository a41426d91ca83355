#include "scoring/trick_credit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scoring/trick_typing.h"
#include "trick_test_table.h"

namespace {

struct Pass {
  std::vector<TrickTableEntry> table = TrickTestTable();
  TrickRows rows;
  TrickRows pass1;
  int pass = 1;
  bool declared = false;
  TrickRules Rules() { return TrickRules{table, pass, &pass1, declared}; }
  // Types the codes into rows 1, 2, … the way the grid does.
  Pass& Codes(const std::vector<std::string>& codes) {
    for (std::size_t i = 0; i < codes.size(); ++i)
      SetTrickCode(rows, static_cast<int>(i) + 1, codes[i], Rules());
    return *this;
  }
  std::string Credit(int r) { return rows[r].credit; }
  int Points(int r) { return rows[r].points; }
};

}  // namespace

TEST(TrickCredit, FirstTrickReverseIsOutOfSequence) {
  Pass p;
  p.Codes({"RB"});
  EXPECT_EQ(p.Credit(1), "OS");
  EXPECT_EQ(p.Points(1), 0);
}

TEST(TrickCredit, SameCodeTwiceIsARepeatUnlessTheFirstDidNotCount) {
  Pass p;
  p.Codes({"S", "B", "S"});
  EXPECT_EQ(p.Credit(3), "REP");
  EXPECT_EQ(p.Points(3), 0);
  EXPECT_EQ(p.Points(1), 20);

  for (const char* exempt : {"S", "NC", "OC"}) {
    Pass q;
    q.Codes({"S"});
    q.rows[1].credit = exempt;
    SetTrickCode(q.rows, 2, "S", q.Rules());
    EXPECT_EQ(q.Credit(2), "Y") << exempt;
    EXPECT_EQ(q.Points(2), 20) << exempt;
  }
}

TEST(TrickCredit, SameCodeOnTheOtherSkiCountIsNoRepeat) {
  Pass p;
  p.Codes({"S"});
  p.rows[2].skis = "1";
  SetTrickCode(p.rows, 2, "S", p.Rules());
  EXPECT_EQ(p.Credit(2), "Y");
  EXPECT_EQ(p.Points(2), 40);
}

TEST(TrickCredit, EvenRuleDigitReverseMustFollowItsBase) {
  Pass right;
  right.Codes({"B", "RB"});
  EXPECT_EQ(right.Credit(2), "Y");
  EXPECT_EQ(right.Points(2), 30);

  Pass between;
  between.Codes({"B", "S", "RB"});
  EXPECT_EQ(between.Credit(3), "OS");
  EXPECT_EQ(between.Points(3), 0);
}

TEST(TrickCredit, OddRuleDigitReverseStandsTwoAfterItsBase) {
  Pass two;
  two.Codes({"TS", "S", "RTS"});
  EXPECT_EQ(two.Credit(3), "Y");
  EXPECT_EQ(two.Points(3), 130);

  Pass next;
  next.Codes({"S", "TS", "RTS"});
  EXPECT_EQ(next.Credit(3), "OS");

  // Trick number 5 may be reversed anywhere after the first row.
  Pass five;
  five.Codes({"S", "B", "RO"});
  EXPECT_EQ(five.Credit(3), "Y");
  EXPECT_EQ(five.Points(3), 45);
}

TEST(TrickCredit, RepeatGroupCountsTheTrickNumberNotTheCode) {
  Pass p;
  p.Codes({"WB", "WO"});
  EXPECT_EQ(p.Credit(2), "REP");
  EXPECT_EQ(p.Points(2), 0);
  // A reverse of the group repeats when the trick before it was a repeat.
  SetTrickCode(p.rows, 3, "RWB", p.Rules());
  EXPECT_EQ(p.Credit(3), "REP");
}

TEST(TrickCredit, AGroupTrickAfterAnExemptIdenticalOneIsStillARepeat) {
  for (const char* exempt : {"S", "NC", "OC"}) {
    Pass p;
    p.Codes({"WB"});
    p.rows[1].credit = exempt;
    SetTrickCode(p.rows, 2, "WB", p.Rules());
    EXPECT_EQ(p.Credit(2), "REP") << exempt;
    EXPECT_EQ(p.Points(2), 0) << exempt;
  }
}

TEST(TrickCredit, PassTwoRepeatingAPassOneTrick) {
  Pass p;
  p.Codes({"S", "BB"});
  p.pass1 = p.rows;
  p.rows = TrickRows{};
  p.pass = 2;
  p.Codes({"B", "BB"});
  EXPECT_EQ(p.Credit(1), "Y");
  EXPECT_EQ(p.Credit(2), "REP");
  EXPECT_EQ(p.Points(2), 0);
}

TEST(TrickCredit, ARepeatIsLiftedWhenItsCauseIsRetyped) {
  Pass p;
  p.Codes({"S", "B", "S"});
  ASSERT_EQ(p.Credit(3), "REP");
  SetTrickCode(p.rows, 1, "F", p.Rules());
  EXPECT_EQ(p.Credit(3), "Y");
  EXPECT_EQ(p.Points(3), 20);
}

TEST(TrickCredit, DeclaredRulesRepeatGroupAndReverseValues) {
  Pass p;
  p.declared = true;
  p.Codes({"RBB"});
  EXPECT_EQ(p.Credit(1), "OS");
  EXPECT_EQ(p.Points(1), 0);

  Pass d;
  d.declared = true;
  d.Codes({"BB", "RBB"});
  EXPECT_EQ(d.Credit(2), "Y");
  EXPECT_EQ(d.Points(2), 40);

  // The reverse of trick number 5 on one ski is worth 90 whatever the table says (55 here).
  Pass one;
  one.declared = true;
  for (int r = 1; r <= kTrickRowCount; ++r) one.rows[r].skis = "1";
  one.Codes({"S", "RO"});
  EXPECT_EQ(one.Credit(2), "Y");
  EXPECT_EQ(one.Points(2), 90);
  Pass two;
  two.declared = true;
  two.Codes({"S", "RO"});
  EXPECT_EQ(two.Points(2), 40);

  // Trick number 5 joins the repeat group, and "NC" does not exempt a repeat.
  Pass group;
  group.declared = true;
  group.Codes({"O", "RO"});
  EXPECT_EQ(group.Credit(2), "Y");
  SetTrickCode(group.rows, 3, "O", group.Rules());
  EXPECT_EQ(group.Credit(3), "REP");
  Pass nc;
  nc.declared = true;
  nc.Codes({"S"});
  nc.rows[1].credit = "NC";
  SetTrickCode(nc.rows, 2, "S", nc.Rules());
  EXPECT_EQ(nc.Credit(2), "REP");
}

TEST(TrickTyping, FallEndsThePass) {
  Pass p;
  p.Codes({"S", "B", "RB", "F", "BB", "O", "TS"});
  std::string buffer;
  EXPECT_TRUE(TypeCredit(p.rows, 5, 'F', buffer, p.Rules()));
  EXPECT_EQ(p.Credit(5), "F");
  for (int r = 5; r <= 30; ++r) EXPECT_EQ(p.Points(r), 0) << r;
  for (int r = 6; r <= 30; ++r) EXPECT_EQ(p.Credit(r), "") << r;
  EXPECT_EQ(p.Points(4), 30);
  EXPECT_EQ(PassTotal(p.rows), 20 + 30 + 30 + 30);
}

TEST(TrickTyping, HornMakesTheLaterTricksOutOfCourse) {
  Pass p;
  p.Codes({"S", "B", "BB"});
  std::string buffer;
  TypeCredit(p.rows, 2, 'H', buffer, p.Rules());
  EXPECT_EQ(p.Credit(2), "H");
  EXPECT_EQ(p.Credit(3), "OC");
  EXPECT_EQ(p.Credit(4), "");  // the first row without a credit stops it
  EXPECT_EQ(PassTotal(p.rows), 20);
}

TEST(TrickTyping, TwoLetterCredits) {
  Pass p;
  p.Codes({"S", "B"});
  std::string buffer;
  TypeCredit(p.rows, 1, 'N', buffer, p.Rules());
  EXPECT_EQ(p.Credit(1), "N");
  EXPECT_EQ(p.Points(1), 20);
  TypeCredit(p.rows, 1, 'C', buffer, p.Rules());
  EXPECT_EQ(p.Credit(1), "NC");
  EXPECT_EQ(p.Points(1), 0);
  buffer.clear();
  TypeCredit(p.rows, 2, 'D', buffer, p.Rules());  // no "N" or "O" first: kept as typed, points stay
  EXPECT_EQ(p.Credit(2), "D");
  EXPECT_EQ(p.Points(2), 30);
  TypeCredit(p.rows, 2, 'Y', buffer, p.Rules());
  EXPECT_EQ(p.Credit(2), "Y");
  EXPECT_FALSE(TypeCredit(p.rows, 2, 'X', buffer, p.Rules()));
  TypeCredit(p.rows, 2, 'R', buffer, p.Rules());
  EXPECT_EQ(p.Credit(2), "R");
  EXPECT_EQ(p.Points(2), 0);
}

TEST(TrickTyping, SkiCountChangesThisRowAndEveryLaterRow) {
  Pass p;
  for (int r = 1; r <= kTrickRowCount; ++r) p.rows[r].skis = "1";
  p.Codes({"S", "O", "S", "O"});
  ASSERT_EQ(p.Credit(3), "REP");
  SetSkiCount(p.rows, 3, '2', p.Rules());
  EXPECT_EQ(p.rows[2].skis, "1");
  for (int r = 3; r <= 30; ++r) EXPECT_EQ(p.rows[r].skis, "2") << r;
  EXPECT_EQ(p.Credit(3), "Y");  // 2S is no repeat of 1S
  EXPECT_EQ(p.Points(3), 20);
  EXPECT_EQ(p.Points(4), 40);
  EXPECT_EQ(p.Points(1), 40);
}

TEST(TrickTyping, SkiCountKeepsAFallRowAtNothing) {
  Pass p;
  p.Codes({"S", "B"});
  std::string buffer;
  TypeCredit(p.rows, 2, 'F', buffer, p.Rules());
  SetSkiCount(p.rows, 1, '1', p.Rules());
  EXPECT_EQ(p.Points(1), 40);
  EXPECT_EQ(p.Points(2), 0);
  EXPECT_EQ(p.Credit(2), "F");
}

TEST(TrickTyping, CodeCharacters) {
  for (char c : std::string("579BDFILORSTW")) EXPECT_TRUE(IsTrickCodeChar(c)) << c;
  for (char c : std::string("XA0Y s,")) EXPECT_FALSE(IsTrickCodeChar(c)) << c;
}

TEST(TrickTyping, InsertOnTheLastRowClearsOnlyIt) {
  Pass p;
  for (int r = 1; r <= kTrickRowCount; ++r) SetTrickCode(p.rows, r, r % 2 ? "S" : "B", p.Rules());
  TrickRows before = p.rows;
  InsertTrickRow(p.rows, 30);
  for (int r = 1; r < 30; ++r) EXPECT_EQ(p.rows[r], before[r]) << r;
  EXPECT_EQ(p.rows[30].code, "");
  EXPECT_EQ(p.rows[30].credit, "");
  EXPECT_EQ(p.rows[30].points, 0);
  EXPECT_EQ(p.rows[30].skis, "2");
}

TEST(TrickTyping, InsertAndDeleteMoveWholeRows) {
  Pass p;
  p.Codes({"S", "B", "BB"});
  p.rows[30].skis = "1";
  p.rows[29].skis = "1";
  InsertTrickRow(p.rows, 2);
  EXPECT_EQ(p.rows[1].code, "S");
  EXPECT_EQ(p.rows[2].code, "");
  EXPECT_EQ(p.rows[3].code, "B");
  EXPECT_EQ(p.rows[3].points, 30);
  EXPECT_EQ(p.rows[4].code, "BB");
  DeleteTrickRow(p.rows, 1);
  EXPECT_EQ(p.rows[1].code, "");
  EXPECT_EQ(p.rows[2].code, "B");
  EXPECT_EQ(p.rows[3].code, "BB");
  EXPECT_EQ(p.rows[30].credit, "Y");
  EXPECT_EQ(p.rows[30].skis, "1");
  EXPECT_EQ(p.rows[30].code, "");
}

// Two different codes of one trick number: a repeat only inside the group (12, 22, 27, 28; a
// declaration adds 5).
TEST(TrickCredit, RepeatGroupRowByRow) {
  for (bool declared : {false, true})
    for (int n = 1; n <= 40; ++n) {
      const bool group = n == 12 || n == 22 || n == 27 || n == 28 || (declared && n == 5);
      Pass p;
      p.declared = declared;
      p.rows[1] = {"2", "B", "Y", 30, n, 0, 1};
      p.rows[2] = {"2", "S", "Y", 20, n, 0, 1};
      ApplyCreditRules(p.rows, 2, p.Rules());
      EXPECT_EQ(p.Credit(2), group ? "REP" : "Y") << "trick " << n << (declared ? " declared" : "");
    }
}

// Where a reverse may stand, by its rule digit: even right after its trick, odd one trick later
// (tricks 5 and 12 anywhere after the first row); first in the pass never.
TEST(TrickCredit, ReverseRuleDigitsRowByRow) {
  struct Case {
    int trickNumber;
    int digit;
    const char* first;
    const char* rightAfter;
    const char* oneBetween;
  } cases[] = {
      {3, 0, "OS", "Y", "OS"}, {3, 1, "OS", "OS", "Y"},  {3, 2, "OS", "Y", "OS"}, {3, 3, "OS", "OS", "Y"},
      {3, 4, "OS", "Y", "OS"}, {3, 5, "OS", "OS", "Y"},  {5, 1, "OS", "Y", "Y"},  {12, 3, "OS", "Y", "Y"},
      {5, 0, "OS", "Y", "OS"}, {12, 2, "OS", "Y", "OS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("trick " + std::to_string(c.trickNumber) + " digit " + std::to_string(c.digit));
    const TrickRow base{"2", "B", "Y", 30, c.trickNumber, 0, 1}, other{"2", "S", "Y", 20, 99, 0, 1};
    const TrickRow reverse{"2", "RB", "Y", 30, c.trickNumber, c.digit, 1};
    const std::vector<std::pair<std::vector<TrickRow>, const char*>> passes = {
        {{reverse}, c.first}, {{base, reverse}, c.rightAfter}, {{base, other, reverse}, c.oneBetween}};
    for (const auto& [rows, expected] : passes) {
      Pass p;
      for (std::size_t i = 0; i < rows.size(); ++i) p.rows[static_cast<int>(i) + 1] = rows[i];
      const int r = static_cast<int>(rows.size());
      ApplyCreditRules(p.rows, r, p.Rules());
      EXPECT_EQ(p.Credit(r), expected) << "row " << r;
      EXPECT_EQ(p.Points(r), std::string(expected) == "Y" ? 30 : 0) << "row " << r;
    }
  }
}
