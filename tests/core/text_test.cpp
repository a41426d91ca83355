#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/short_string.h"
#include "core/text.h"

TEST(ShortString, AssignmentCutsAndZeroFills) {
  ShortString<5> s;
  s = "ABCDEFGH";
  EXPECT_EQ(s.str(), "ABCDE");
  EXPECT_EQ(s.len, 5);
  s = "XY";
  EXPECT_EQ(s.str(), "XY");
  EXPECT_EQ(s.chars[2], 0);
  EXPECT_EQ(s.chars[4], 0);
}

TEST(ShortString, LengthByteAboveCapacityIsClamped) {
  ShortString<3> s{"ABC"};
  s.len = 200;
  EXPECT_EQ(s.size(), 3u);
  EXPECT_FALSE(s.lengthValid());
}

TEST(ShortString, ComparesBytewiseWithPrefixFirst) {
  EXPECT_LT(ShortString<15>("SMITH").compare(ShortString<15>("SMITHS")), 0);
  EXPECT_GT(ShortString<15>("zzzzz").compare(ShortString<15>("ZZZZZZZ")), 0);
  EXPECT_EQ(ShortString<15>("AB").compare(ShortString<15>("AB")), 0);
  EXPECT_GT(ShortString<15>("\xE9").compare(ShortString<15>("z")), 0);  // bytes above 127 sort last
}

TEST(Text, PaddingAndAlignmentNeverCut) {
  EXPECT_EQ(PadRight("AB", 5), "AB   ");
  EXPECT_EQ(PadRight("ABCDEF", 3), "ABCDEF");
  EXPECT_EQ(RightAlign("7", 3), "  7");
  EXPECT_EQ(IntField(12345, 3), "12345");
}

TEST(Text, FixedFieldsRoundAndUseAPoint) {
  EXPECT_EQ(Fixed(44.5, 6, 2), " 44.50");
  EXPECT_EQ(Fixed(1000, 4, 1), "1000.0");
  EXPECT_EQ(Fixed(-0.001, 5, 2), " 0.00");
  EXPECT_EQ(Fixed(0.125, 0, 2), "0.13");
  EXPECT_EQ(Fixed(666.666666, 7, 2), " 666.67");
}

TEST(Text, ShortestDropsTrailingZeros) {
  EXPECT_EQ(Shortest(44.5), "44.5");
  EXPECT_EQ(Shortest(18.25), "18.25");
  EXPECT_EQ(Shortest(40), "40");
  EXPECT_EQ(Shortest(0.235), "0.235");
  EXPECT_EQ(Shortest(5599.999), "5599.999");
  EXPECT_EQ(Shortest(0), "0");
}

TEST(Text, NumbersConvertOrThrowWithTheText) {
  EXPECT_DOUBLE_EQ(ToNumber(" 2.5 "), 2.5);
  EXPECT_DOUBLE_EQ(ToNumber("-3"), -3);
  EXPECT_EQ(ToInteger("12"), 12);
  try {
    ToNumber("abc");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid number");
  }
  EXPECT_THROW(ToNumber(""), ConversionError);
  EXPECT_THROW(ToNumber("1,5"), ConversionError);
  EXPECT_THROW(ToNumber("nan"), ConversionError);
  EXPECT_THROW(ToInteger("1.5"), ConversionError);
  EXPECT_EQ(ToNumberOr("x", 7), 7);
}

TEST(Text, OneSignAtMost) {
  EXPECT_DOUBLE_EQ(ToNumber("+40"), 40);
  EXPECT_EQ(ToInteger("+40"), 40);
  for (const char* bad : {"+-40", "++40", "-+40", "--40", "+"}) {
    EXPECT_THROW(ToNumber(bad), ConversionError) << bad;
    EXPECT_THROW(ToInteger(bad), ConversionError) << bad;
    EXPECT_EQ(ToNumberOr(bad, 7), 7) << bad;
  }
}

TEST(Text, ColumnsAreOneBasedAndCutAtTheEnd) {
  EXPECT_EQ(Columns("Country = CAN", 11, 13), "CAN");
  EXPECT_EQ(Columns("Team = SUM", 8, 12), "SUM");
  EXPECT_EQ(Columns("LastFile = ", 12, 100), "");
  EXPECT_EQ(Columns("abc", 5, 9), "");
}

TEST(Text, SplitKeepsEmptyFields) {
  EXPECT_EQ(SplitAt("2S,1,,20", ','), (std::vector<std::string>{"2S", "1", "", "20"}));
  EXPECT_EQ(SplitAt("", ','), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitAt("a,", ','), (std::vector<std::string>{"a", ""}));
}

TEST(Text, Windows1252BecomesUtf8) {
  EXPECT_EQ(Utf8FromWindows1252("Caf\xE9 \x80 \x93ok\x94 plain"), "Café € “ok” plain");
  EXPECT_EQ(Utf8FromWindows1252("\x81"), "\xC2\x81") << "an undefined byte keeps its own code point";
}
