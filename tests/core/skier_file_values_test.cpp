#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "core/skier_file.h"
#include "support/skier_builders.h"

namespace {

// A skier file of the list ends and three skiers in surname order.
std::string ThreeSkierFile() {
  TestPlatform tp;
  Tournament t;
  AddSkier(t, tp, "ADAMS", "Lee", 2);
  AddSkier(t, tp, "BROWN", "Mia", 17);
  AddSkier(t, tp, "SMITH", "John", 16);
  return SkierFileBytes(t.skiers);
}

std::string Parse(const std::string& bytes) {
  std::list<TSkier> out;
  std::string why;
  const bool read = ParseSkierFile(bytes, out, why);
  EXPECT_EQ(read, why.empty());
  return why;
}

struct NumberField {
  const char* name;
  std::size_t offset;  // in the record
  const char* reported;
};

void PrintTo(const NumberField& f, std::ostream* os) { *os << f.name; }

class SkierFileNumber : public ::testing::TestWithParam<NumberField> {};

TEST_P(SkierFileNumber, NotFiniteOrAbsurdIsRefusedWithRecordAndField) {
  const NumberField& f = GetParam();
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 1e308, -1e6};
  for (double v : bad) {
    std::string bytes = ThreeSkierFile();
    std::memcpy(bytes.data() + 2 * 2208 + f.offset, &v, sizeof v);  // record 3
    const std::string why = Parse(bytes);
    EXPECT_EQ(why.rfind(std::string("record 3: ") + f.reported + " is ", 0), 0u) << why;
  }
  // The largest values a real tournament holds pass.
  for (double v : {12450.5, -0.999, 999999.0}) {
    std::string bytes = ThreeSkierFile();
    std::memcpy(bytes.data() + 2 * 2208 + f.offset, &v, sizeof v);
    EXPECT_EQ(Parse(bytes), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SkierFileNumber,
    ::testing::Values(
        NumberField{"SlalomScore", offsetof(TSkier, SlalomScore) + 8, "the slalom score of round 2"},
        NumberField{"SlalomSpeed", offsetof(TSkier, SlalomSpeed), "the slalom speed of round 1"},
        NumberField{"SlalomSeed", offsetof(TSkier, SlalomSeed), "the slalom seed"},
        NumberField{"TrickPass2", offsetof(TSkier, TrickPass2) + 24, "the trick pass 2 points of round 4"},
        NumberField{"TrickScore", offsetof(TSkier, TrickScore), "the trick score of round 1"},
        NumberField{"TrickPoints", offsetof(TSkier, TrickPoints), "the trick points"},
        NumberField{"JumpDistance3", offsetof(TSkier, JumpDistance) + 64, "jump distance 3 of round 1"},
        NumberField{"JumpRamp", offsetof(TSkier, JumpRamp) + 16, "the jump ramp of round 3"},
        NumberField{"JumpRankScore", offsetof(TSkier, JumpRankScore), "the jump rank score"},
        NumberField{"OverallScore", offsetof(TSkier, OverallScore), "the overall score"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkierFileOrder, TheFirstRecordOutOfSurnameOrderIsReported) {
  std::string bytes = ThreeSkierFile();
  // Swap BROWN (record 3) and SMITH (record 4).
  std::string brown = bytes.substr(2 * 2208, 2208);
  bytes.replace(2 * 2208, 2208, bytes.substr(3 * 2208, 2208));
  bytes.replace(3 * 2208, 2208, brown);
  EXPECT_EQ(
      Parse(bytes),
      "record 4: the surname \"BROWN\" sorts before \"SMITH\" of the record before it; the skiers are not "
      "in surname order");
}

TEST(SkierFileOrder, AListEndInsideTheListIsReported) {
  std::string bytes = ThreeSkierFile();
  const std::string tail = bytes.substr(bytes.size() - 2208);
  bytes.replace(2 * 2208, 2208, tail);
  EXPECT_EQ(Parse(bytes), "record 3: the end of the list stands inside the list");
  bytes = ThreeSkierFile();
  bytes.replace(3 * 2208, 2208, bytes.substr(0, 2208));
  EXPECT_EQ(Parse(bytes), "record 4: the head of the list stands inside the list");
}

TEST(SkierFileOrder, EqualSurnamesAndNamesBeforeTheHeadAreInOrder) {
  TestPlatform tp;
  Tournament t;
  AddSkier(t, tp, "'T HOOFT", "Ans", 2);  // sorts before "AAAAA" and still stands first
  AddSkier(t, tp, "SMITH", "John", 16);
  AddSkier(t, tp, "SMITH", "Anna", 17);
  EXPECT_EQ(Parse(SkierFileBytes(t.skiers)), "");
}

}  // namespace
