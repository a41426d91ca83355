// The sheets printed for one skier: the results sheet used for ratings and the record performance
// data of the current event.
#include "core/divisions.h"
#include "core/text.h"
#include "printing/award_reports.h"

namespace {

const std::string kHyphens = " " + std::string(75, '-');
const std::string kStars = " " + std::string(75, '*');

std::string SlalomRound(const TSkier& s, int r) {
  return "  " + std::to_string(r) + "  " + Fixed(s.SlalomBuoys[r], 10, 2) + " @" +
         Fixed(s.SlalomSpeed[r], 4, 0) + "/" + Fixed(s.SlalomRope[r], 5, 2) + Fixed(s.SlalomScore[r], 7, 2);
}

std::string OfficialBlank(const std::string& who) {
  return "   " + PadRight(who + ":", 24) + std::string(30, '_');
}

// A pass time that was taken: unrecorded times read "0.00" or nothing.
bool Recorded(const std::string& time) { return time.find_first_of("123456789") != std::string::npos; }

void SkierBlock(std::vector<std::string>& lines, const Tournament& t, const TSkier& s) {
  lines.insert(lines.end(),
               {"", " NAME:          " + FullName(s), " TOURNAMENT:    " + t.info.EventName.str(),
                " EVENT SANCTION: " + t.info.SanctionNo.str(), " DIVISION:      " + DivisionCode(s.Division),
                " YEAR OF BIRTH: " + s.BirthYear.str(), ""});
}

void Officials(std::vector<std::string>& lines, const char* heading, std::initializer_list<std::string> who) {
  lines.push_back("");
  lines.push_back(heading);
  for (const auto& w : who) lines.push_back(OfficialBlank(w));
  lines.push_back("");
  lines.push_back("NOTES:");
}

void SlalomRecord(std::vector<std::string>& lines, const Tournament& t, const TSkier& s, int r) {
  lines.push_back(" ******************** SLALOM RECORD PERFORMANCE DATA **********************");
  SkierBlock(lines, t, s);
  lines.insert(lines.end(),
               {"SLALOM SCORE - RECORD ROUND", " Round    Buoys   Spd/Rope  Total        ", SlalomRound(s, r),
                "", "TIMING DATA:", "      ------ TIMES ------", "Pass  Segment 1  Segment 2"});
  for (int p = 1; p <= 10; ++p) {
    const std::string t1 = Trim(s.SlalomTime1[p][r].view()), t2 = Trim(s.SlalomTime2[p][r].view());
    if (!Recorded(t1) && !Recorded(t2)) continue;
    lines.push_back(RightAlign(std::to_string(p), 4) + RightAlign(t1, 11) + RightAlign(t2, 11));
  }
  lines.insert(
      lines.end(),
      {"", "TIMING SYSTEM - Make/Version: ______________________________", "", "TOWROPE LENGTH DATA:",
       "18.25m   16.00m   14.25m   13.00m   12.00m   11.25m   10.75m   10.25m   9.75m",
       "______   ______   ______   ______   ______   ______   ______   ______   _____"});
  Officials(lines, "SLALOM EVENT OFFICIALS:",
            {"Chief Judge", "Chief Calculator", "Boat Driver", "Boat Judge", "Judge 1", "Judge 2", "Judge 3",
             "Judge 4", "Technical Controller"});
  lines.push_back("1.End course video is required for all passes 12m and shorter");
}

void JumpRecord(std::vector<std::string>& lines, const Tournament& t, const TSkier& s, int r) {
  lines.push_back(" ******************** JUMP RECORD PERFORMANCE DATA ************************");
  SkierBlock(lines, t, s);
  lines.insert(
      lines.end(),
      {"JUMP DATA - Record Round", "JUMP 1             JUMP 2             JUMP 3",
       PadRight(JumpField(s.JumpDistance[1][r], 6, 1), 19) +
           PadRight(JumpField(s.JumpDistance[2][r], 6, 1), 19) + JumpField(s.JumpDistance[3][r], 6, 1),
       "", "TIMING/SPEED CONTROL SYSTEM: ______________________________", "TOWROPE LENGTH: ____________", "",
       "JUMP RAMP SETTINGS:", "Ramp Length R ________   Ramp Height R __________  Ratio R: ___________",
       "Ramp Length L ________   Ramp Height L __________  Ratio L: ___________"});
  Officials(lines, "JUMP EVENT OFFICIALS:",
            {"Chief Judge", "Chief Calculator", "Boat Driver", "Boat Judge", "Judge 1", "Judge 2",
             "MB/Video 1", "MB/Video 2", "Technical Controller"});
  lines.push_back("1.Video jump configuration and captured grid and landing images are");
  lines.push_back("  required for every record jump.");
}

}  // namespace

ReportDocument RatingSheet(ReportContext& c) {
  const Tournament& t = c.t;
  const TSkier& s = OptionSkier(c);
  ReportDocument doc{"Skier Rating Sheet", Orientation::Portrait, 10, {}, {}, {TopLeftLogo()}};
  auto& lines = doc.lines;
  lines = {"",
           "",
           "",
           "",
           "",
           "",
           " ******************** SKIER TOURNAMENT RESULTS (RATING) ********************",
           "",
           " NAME:       " + FullName(s),
           " TOURNAMENT: " + t.info.EventName.str() + "   Event Sanction: " + t.info.SanctionNo.str(),
           " DIVISION:   " + DivisionCode(s.Division),
           " DATE:       " + t.info.StartDate.str(),
           "",
           kHyphens,
           "                 SLALOM                 TRICKS                  JUMP ",
           " Round    Buoys   Spd/Rope  Total       Points            Distance Ramp/Spd",
           ""};
  for (int r = 1; r <= t.RoundCount; ++r)
    lines.push_back(SlalomRound(s, r) + Fixed(s.TrickScore[r], 13, 0) + Fixed(LongestJump(s, r), 18, 1) +
                    Fixed(s.JumpRamp[r], 7, 3) + "/" + Fixed(s.JumpSpeed[r], 2, 0));
  lines.insert(lines.end(), {kHyphens, "", " Chief Judge: " + t.info.ChiefOfComp.str(),
                             " Chief Calculator: " + t.info.Scorer.str(), "",
                             " Signed: ______________________________", kStars});
  return doc;
}

ReportDocument RecordData(ReportContext& c) {
  const Tournament& t = c.t;
  ReportDocument doc{"Record Performance Data", Orientation::Portrait, 10, {}, {}, {}};
  if (c.selection.event == 'T') {
    c.p.prompt.Show("No printout available for Tricks");
    return doc;
  }
  const TSkier& s = OptionSkier(c);
  doc.bitmaps.push_back(TopLeftLogo());
  doc.lines = {"", "", "", "", "", ""};
  if (c.selection.event == 'J')
    JumpRecord(doc.lines, t, s, c.selection.round);
  else
    SlalomRecord(doc.lines, t, s, c.selection.round);
  return doc;
}
