#include "core/tie_order.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/event_files.h"
#include "core/tie_order_file.h"
#include "core/work_list.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"

namespace {

// Answers every draw with one value and keeps the ranges asked for.
struct FixedRandom : Random {
  int answer = 0;
  std::vector<int> asked;
  void Seed(std::uint64_t) override {}
  int Draw(int n) override {
    asked.push_back(n);
    return answer;
  }
};

std::vector<std::string> Names(const WorkList& list) {
  std::vector<std::string> out;
  for (const TSkier& s : list.skiers) out.push_back(s.Surname.str());
  return out;
}

// The names a window shows for the division in the current event and round.
std::vector<std::string> WorkNames(Tournament& t, Platform p, int division) {
  Selection selection = t.Selected();
  selection.division = division;
  Outcome told;
  WorkList list = DrawnStartOrder(t, p.random, selection, told);
  p.Shown(told);
  return Names(list);
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A jump final of division W in round 2: four finalists jumped 40.0 in round 1, one 30.0.
struct JumpFinal : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  TempDir dir;
  JumpFinal() {
    t.settings.PlaceMode = 'L';
    t.CurDivision = 17;
    t.CurEvent = 'J';
    t.CurRound = 2;
    for (const char* name : {"DAHL", "BERG", "AHO", "CRANE", "EKLUND"}) {
      TSkier& s = AddSkier(t, tp, name, "Ann", 17, "J");
      s.JumpFinalist = 1;
      s.JumpDistance[1][1] = name == std::string("EKLUND") ? 30 : 40;
    }
    AddSkier(t, tp, "FISK", "Ann", 17, "J").JumpDistance[1][1] = 45;  // not in the final
    t.EventFile = dir.file("Cup.dat");
  }
};

}  // namespace

TEST_F(JumpFinal, TheLotIsDrawnOnceAndEveryListShowsIt) {
  t.MarkSaved();
  const std::vector<std::string> first = WorkNames(t, tp, 17);
  ASSERT_EQ(first.size(), 5u);
  EXPECT_EQ(first[0], "EKLUND");
  EXPECT_TRUE(t.Unsaved);  // the draw is event data
  t.MarkSaved();
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(WorkNames(t, tp, 17), first);
  }
  EXPECT_FALSE(t.Unsaved);
  // Round 3 is a lot of its own.
  t.CurRound = 3;
  WorkNames(t, tp, 17);
  EXPECT_EQ(t.ties.orders.size(), 2u);
}

TEST_F(JumpFinal, TheLotSurvivesSaveAndOpenAndADamagedFileMeansANewDraw) {
  t.ties.orders[{17, 'J', 2}] = {{"CRANE", "Ann"}, {"AHO", "Ann"}, {"DAHL", "Ann"}, {"BERG", "Ann"}};
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(ReadText(dir.file("Cup.ties")),
            "Tallivar tie order 1\r\n[W J 2]\r\nCRANE\tAnn\r\nAHO\tAnn\r\nDAHL\tAnn\r\nBERG\tAnn\r\n");
  Tournament u;
  ASSERT_TRUE(OpenShown(u, tp, t.EventFile.str()));
  u.settings.PlaceMode = 'L';
  u.CurDivision = 17;
  u.CurEvent = 'J';
  u.CurRound = 2;
  EXPECT_EQ(WorkNames(u, tp, 17), (std::vector<std::string>{"EKLUND", "CRANE", "AHO", "DAHL", "BERG"}));

  std::ofstream(dir.file("Cup.ties"), std::ios::binary) << "Tallivar tie order 1\n[W J 2]\nno tab here\n";
  Tournament v;
  ASSERT_TRUE(OpenShown(v, tp, t.EventFile.str()));
  EXPECT_TRUE(v.ties.orders.empty());
  ASSERT_FALSE(tp.prompter.shown.empty());
  EXPECT_NE(tp.prompter.shown.back().text.find("Cup.ties\" is damaged: line 3 does not read"),
            std::string::npos);
  v.EventFile = t.EventFile;
  ASSERT_TRUE(SaveShown(v, tp));
  EXPECT_EQ(ReadText(dir.file("Cup.ties.damaged")), "Tallivar tie order 1\n[W J 2]\nno tab here\n");
}

TEST_F(JumpFinal, SaveKeepsTheDrawOfEveryFinalOfTheRoundSoLaterListsAgree) {
  AddSkier(t, tp, "GRAN", "Bo", 16, "S").SlalomFinalist = 1;
  AddSkier(t, tp, "HOLM", "Bo", 16, "S").SlalomFinalist = 1;
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(t.ties.orders.count({16, 'S', 2}), 1u);
  EXPECT_EQ(t.ties.orders.count({17, 'J', 2}), 1u);
  EXPECT_EQ(t.CurEvent, 'J');
}

TEST_F(JumpFinal, AStartOrderShowsTheDrawnLotAndNeverDrawsOne) {
  const Selection final{17, 'J', 2};
  // Before the draw the tie keeps list order: building a list draws nothing.
  EXPECT_EQ(Names(StartOrder(t, final)),
            (std::vector<std::string>{"EKLUND", "AHO", "BERG", "CRANE", "DAHL"}));
  EXPECT_TRUE(t.ties.orders.empty());
  ASSERT_TRUE(DrawTies(t, tp.random, final));
  EXPECT_FALSE(DrawTies(t, tp.random, final));
  const std::vector<std::string> drawn = Names(StartOrder(t, final));
  EXPECT_EQ(WorkNames(t, tp, 17), drawn);
  // Outside the final nothing is drawn and every skier entered starts, by seed.
  EXPECT_FALSE(DrawTies(t, tp.random, {17, 'J', 1}));
  EXPECT_EQ(StartOrder(t, {17, 'J', 1}).skiers.size(), 6u);
}

TEST(TieOrder, ASkierNewToATieIsDrawnAmongTheTiesPlacesOnly) {
  Tournament t;
  TestPlatform tp;
  std::vector<TSkier> tie = {MakeSkier(t, "C", "x", 16), MakeSkier(t, "A", "x", 16),
                             MakeSkier(t, "B", "x", 16)};
  // X was drawn in another tie of the final and stands between A and B.
  const std::vector<TieName> before = {{"A", "x"}, {"X", "x"}, {"B", "x"}};
  const std::vector<std::string> expected[] = {{"C", "A", "B"}, {"A", "C", "B"}, {"A", "B", "C"}};
  for (int slot = 0; slot < 3; ++slot) {
    std::vector<TieName> order = before;
    FixedRandom random;
    random.answer = slot;
    std::vector<TSkier> skiers = tie;
    EXPECT_TRUE(OrderTie(order, skiers, random));
    EXPECT_EQ(random.asked, std::vector<int>{3});
    std::vector<std::string> names;
    for (const TSkier& s : skiers) names.push_back(s.Surname.str());
    EXPECT_EQ(names, expected[slot]) << "slot " << slot;
    EXPECT_FALSE(OrderTie(order, skiers, random));  // nothing new: no draw
  }
}

TEST(TieOrderFile, OddNamesReadBackAndDamageIsRefused) {
  TieOrders ties;
  ties.orders[{60, 'T', 4}] = {{"O\\NEIL\t[X]", "Jo\r\nJo"}, {"\x7f", ""}};
  ties.orders[{16, 'S', 2}] = {{"SMITH", "John"}};
  TieOrders back;
  std::string why;
  ASSERT_TRUE(ParseTieOrderText(TieOrderText(ties), back, why)) << why;
  EXPECT_EQ(back, ties);

  const char* damaged[] = {"",
                           "Tallivar tie order 2\n",
                           "Tallivar tie order 1\nSMITH\tJohn\n",
                           "Tallivar tie order 1\n[Q S 2]\n",
                           "Tallivar tie order 1\n[M S 5]\n",
                           "Tallivar tie order 1\n[M X 2]\n",
                           "Tallivar tie order 1\n[M S 2]\nA\tB\tC\n",
                           "Tallivar tie order 1\n[M S 2]\nA\\x4\tB\n",
                           "Tallivar tie order 1\n[M S 2]\n\tB\n"};
  for (const char* text : damaged) {
    TieOrders out = ties;
    EXPECT_FALSE(ParseTieOrderText(text, out, why)) << text;
    EXPECT_EQ(out, ties) << text;
  }
}
