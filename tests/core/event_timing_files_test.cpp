#include <gtest/gtest.h>

#include "core/event_files.h"
#include "core/timing_files.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

const std::string kNoTimes = "0.00;0.00;0.00;0.00;0.00;0.00;0.00;0.00";

void TimedEvent(Tournament& t, Platform& p) {
  t.info.SanctionNo = "26CAN9";
  t.RoundCount = 2;
  TSkier& smith = AddSkier(t, p, "SMITH", "John", 16, "SJ");
  smith.SlalomSpeed[1] = 58;
  smith.SlalomSpeed[2] = 55;
  smith.SlalomTime1[1][1] = "17.05";
  smith.SlalomTime1[8][1] = "16.90";
  smith.SlalomTime1[9][1] = "99.99";  // only eight passes are exported
  smith.SlalomClass[1] = "E";
  smith.SlalomBoat[1] = "MC";
  smith.JumpSpeed[1] = 57;
  smith.JumpSpeed[2] = 54;
  smith.JumpTime1[1][1] = "2.51";
  smith.JumpTime2[1][1] = "3.02";
  smith.TrickTime1[1][1] = "4.10";
  smith.JumpClass[1] = "L";
  smith.JumpBoat[1] = "NT";
  TSkier& lee = AddSkier(t, p, "LEE", "Ann", 37, "J");
  lee.JumpSpeed[1] = lee.JumpSpeed[2] = 51;
  AddSkier(t, p, "KIM", "Bo", 36, "T");
  AddSkier(t, p, "PARA", "Pat", 60, "SJ");  // no timing for the adapted divisions
  TSkier& oz = AddSkier(t, p, "OZ", "Al", 2, "S");
  oz.SlalomSpeed[1] = oz.SlalomSpeed[2] = 5;
}

}  // namespace

TEST(TimingFiles, SlalomLinesPerRoundDivisionAndSkier) {
  TestPlatform tp;
  Tournament t;
  TimedEvent(t, tp);
  EXPECT_EQ(SlalomTimingText(t),
            Lines({"Slalom Timing Data", "26CAN9;B2;OZ; 5;" + kNoTimes + ";;",
                   "26CAN9;M;SMITH;58;17.05;0.00;0.00;0.00;0.00;0.00;0.00;16.90;E;MC",
                   "26CAN9;B2;OZ; 5;" + kNoTimes + ";;", "26CAN9;M;SMITH;55;" + kNoTimes + ";;", "End"}));
}

TEST(TimingFiles, JumpLinesPerPassWithTheSexOfTheDivision) {
  TestPlatform tp;
  Tournament t;
  TimedEvent(t, tp);
  auto pass = [](const std::string& head, const std::string& times, const std::string& tail) {
    return head + times + ";Timer;;" + tail;
  };
  const std::string none = "0.00;0.00;0.00";
  EXPECT_EQ(JumpTimingText(t),
            Lines({"Jump Timing Data",
                   pass("26CAN9;M;M;57;", "2.51;3.02;4.10", "SMITH;John;1;1;L;NT"),
                   pass("26CAN9;M;M;57;", none, "SMITH;John;1;2;L;NT"),
                   pass("26CAN9;M;M;57;", none, "SMITH;John;1;3;L;NT"),
                   pass("26CAN9;M;M;57;", none, "SMITH;John;1;4;L;NT"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;1;1;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;1;2;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;1;3;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;1;4;;"),
                   pass("26CAN9;M;M;54;", none, "SMITH;John;2;1;;"),
                   pass("26CAN9;M;M;54;", none, "SMITH;John;2;2;;"),
                   pass("26CAN9;M;M;54;", none, "SMITH;John;2;3;;"),
                   pass("26CAN9;M;M;54;", none, "SMITH;John;2;4;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;2;1;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;2;2;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;2;3;;"),
                   pass("26CAN9;W35;F;51;", none, "LEE;Ann;2;4;;"), "End"}));
}

TEST(TimingFiles, SexLetterOfDivisionsOutsideTheListedOnes) {
  TestPlatform tp;
  Tournament t;
  t.info.SanctionNo = "S";
  AddSkier(t, tp, "AAA", "Men", 48, "J");    // M80
  AddSkier(t, tp, "BBB", "Women", 53, "J");  // AW
  std::string text = JumpTimingText(t);
  EXPECT_NE(text.find("S;M80;M;45;"), std::string::npos);
  EXPECT_NE(text.find("S;AW;F;45;"), std::string::npos);
}

TEST(TimingFiles, SaveWritesBothAndChangesNothingElse) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  TimedEvent(t, tp);
  t.CurDivision = 16;
  t.CurEvent = 'J';
  t.EventFile = dir.file("Time.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(Slurp(dir.file("Time-slalomtimes.txt")), SlalomTimingText(t));
  EXPECT_EQ(Slurp(dir.file("Time-jumptimes.txt")), JumpTimingText(t));
  WriteTimingFiles(t, tp.fs);
  EXPECT_FALSE(t.Unsaved);
}
