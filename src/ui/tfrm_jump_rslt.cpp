#include "ui/tfrm_jump_rslt.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/text.h"
#include "scoring/jump.h"
#include "scoring/slalom.h"

namespace {

constexpr std::array<double, 3> kRamps{0.235, 0.255, 0.266};
// "<45" is kept as 42.
constexpr std::array<double, 6> kJumpSpeeds{57, 54, 51, 48, 45, 42};

}  // namespace

TfrmJumpRslt::TfrmJumpRslt(Tournament& t, Platform& p) : ResultDialog("Jump Results Input", t, p) {
  RampListBox.items = {"0.235", "0.255", "0.266"};
  SpeedListBox.items = {"57", "54", "51", "48", "45", "<45"};
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    edPSp[i].text = "57";
    edPT1[i].text = "0.00";
    edPT2[i].text = "0.00";
    edPT3[i].text = "0.00";
  }
}

void TfrmJumpRslt::Describe(FormLayout& form) {
  // Tab order follows a score sheet: the three jumps, ramp and speed, the runoff place, class and
  // boat; Enter saves from anywhere. The segment times come after, beside them, as a table.
  DescribeSkier(form, "SKIER NAME");
  form.BeginGroup("Result");
  form.AddEdit("Jump 1", edJ1).Name("edJ1").Width(6);
  form.AddEdit("Jump2", edJ2).Name("edJ2").Width(6);
  form.AddEdit("Jump 3", edJ3).Name("edJ3").Width(6);
  form.BeginTable("", {}, {"Ramp", "Speed"});
  form.AddList("Ramp", RampListBox).Name("RampListBox");
  form.AddList("Speed", SpeedListBox).Name("SpeedListBox");
  form.EndTable();
  DescribeRest(form, "If skier was tied and the tie was broken, enter place after runoff:", "Boat");
  form.NewColumn();
  form.BeginGroup("EVENT DETAILS");
  form.AddLabel("---------- Times: ----------");
  form.AddLabel("Note: Speeds below 45 not checked");
  form.AddLabel("Two-segment timing: enter segments 1 and 3");
  std::vector<std::string> rows;
  for (int i = 1; i <= kPasses; ++i) rows.push_back("Jump/Pass " + std::to_string(i));
  form.BeginTable("", rows, {"Speed", "Segment 1", "Segment 2", "Segment3"});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string n = std::to_string(i + 1);
    form.AddEdit("Speed", edPSp[i]).Name("edP" + n + "Sp").Width(4);
    form.AddEdit("Segment 1", edPT1[i]).Name("edP" + n + "T1").Width(6);
    form.AddEdit("Segment 2", edPT2[i]).Name("edP" + n + "T2").Width(6);
    form.AddEdit("Segment3", edPT3[i]).Name("edP" + n + "T3").Width(6);
  }
  form.EndTable();
  form.AddButton(
          CheckButton, [this] { CheckButtonClick(); }, ButtonRole::Other)
      .Name("CheckButton");
  form.EndGroup();
}

void TfrmJumpRslt::FormShow() {
  Prepare();
  edJ1.focus = true;
}

void TfrmJumpRslt::Prepare() {
  const TSkier& s = Record();
  const auto r = static_cast<std::size_t>(Round());
  ShowSkier(s.JumpClass[r], s.JumpBoat[r]);
  ShowJumps();
  const double ramp = s.JumpRamp[r];
  RampListBox.itemIndex = ramp <= 0.24 ? 0 : (ramp == 0.255 || ramp < 0.26) ? 1 : 2;
  const double speed = s.JumpSpeed[r];
  auto exact = std::find(kJumpSpeeds.begin(), kJumpSpeeds.end() - 1, speed);
  if (exact != kJumpSpeeds.end() - 1)
    SpeedListBox.itemIndex = static_cast<int>(exact - kJumpSpeeds.begin());
  else
    SpeedListBox.itemIndex = speed >= 45 ? 4 : 5;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    edPT1[i].SetText(s.JumpTime1[i + 1][r].str());
    edPT2[i].SetText(s.JumpTime2[i + 1][r].str());
    edPT3[i].SetText(s.TrickTime1[i + 1][r].str());
    edPT1[i].red = edPT2[i].red = edPT3[i].red = false;
  }
}

void TfrmJumpRslt::ShowJumps() {
  // A runoff place is kept in the round's longest jump; that jump is shown as measured and the
  // place goes to edTie.
  const TSkier& s = Record();
  const auto r = static_cast<std::size_t>(Round());
  const double best = BestJump(s, static_cast<int>(r));
  const int place = best > 0 ? RunoffPlaceOf(best) : 0;
  auto jumps = Jumps();
  for (std::size_t j = 1; j <= 3; ++j) {
    double d = s.JumpDistance[j][r];
    if (place && d == best) d = WithoutRunoff(d);
    jumps[j - 1]->SetText(FormatJumpDistance(d));
  }
  edTie.SetText(place ? std::to_string(place) : "");
}

void TfrmJumpRslt::CheckButtonClick() {
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    for (const Edit* e : {&edPSp[i], &edPT1[i], &edPT2[i], &edPT3[i]}) {
      if (!IsNumericText(e->text)) {
        p_.prompt.Show("Speed/Time input must be numeric only!");
        return;
      }
    }
  }
  ColourSegmentTimes();
}

void TfrmJumpRslt::ColourSegmentTimes() {
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    const int speed = ToInteger(edPSp[i].text);
    std::array<Edit*, 3> segments{&edPT1[i], &edPT2[i], &edPT3[i]};
    for (int seg = 1; seg <= 3; ++seg) {
      Edit& e = *segments[static_cast<std::size_t>(seg - 1)];
      double time = ToNumber(e.text);
      if (time > 0) e.red = !JumpTimeAccepted(speed, seg, time);
    }
  }
}

void TfrmJumpRslt::btnSaveClick() {
  TSkier& s = Record();
  const int round = Round();
  const auto r = static_cast<std::size_t>(round);
  auto jumps = Jumps();
  for (std::size_t j = 1; j <= 3; ++j) s.JumpDistance[j][r] = ParseJumpEntry(jumps[j - 1]->text);
  TellPossibleRecord(3, BestJump(s, round));
  StoreRampAndSpeed();
  ApplyRunoff();
  for (std::size_t pass = 1; pass <= static_cast<std::size_t>(kPasses); ++pass) {
    s.JumpTime1[pass][r] = edPT1[pass - 1].text;
    s.JumpTime2[pass][r] = edPT2[pass - 1].text;
    s.TrickTime1[pass][r] = edPT3[pass - 1].text;
  }
  StoreAndClose(s.JumpClass[r], s.JumpBoat[r], AuditLine());
}

void TfrmJumpRslt::StoreRampAndSpeed() {
  TSkier& s = Record();
  const int r = Round();
  const double ramp =
      RampListBox.selected() ? kRamps[static_cast<std::size_t>(RampListBox.itemIndex)] : kRamps[0];
  const double speed = SpeedListBox.selected() ? kJumpSpeeds[static_cast<std::size_t>(SpeedListBox.itemIndex)]
                                               : kJumpSpeeds.back();
  // The boat crew keeps ramp and speed for the rounds that follow until someone changes them.
  for (int later = r; later <= std::min(r + 2, 4); ++later) {
    if (later > r && later > t_.RoundCount) break;
    s.JumpRamp[static_cast<std::size_t>(later)] = ramp;
    s.JumpSpeed[static_cast<std::size_t>(later)] = speed;
  }
}

void TfrmJumpRslt::ApplyRunoff() {
  // The place goes on the jump that ranks; lowering any other would leave the tie standing. Equal
  // longest jumps are all lowered, for the same reason.
  TSkier& s = Record();
  const int round = Round();
  const auto r = static_cast<std::size_t>(round);
  const int place = TypedRunoffPlace();
  const double best = BestJump(s, round);
  if (best <= 0) return;
  for (std::size_t j = 1; j <= 3; ++j)
    if (s.JumpDistance[j][r] == best) s.JumpDistance[j][r] = WithRunoff(best, place);
}

std::string TfrmJumpRslt::AuditLine() const {
  const TSkier& s = t_.Working;
  const auto r = static_cast<std::size_t>(Round());
  std::string line = s.Surname.str() + "," + s.FirstName.str() + " " + DivisionCode(s.Division) + " Rnd" +
                     std::to_string(r) + " ";
  for (std::size_t j = 1; j <= 3; ++j) {
    line += s.JumpTime1[j][r].str() + "," + s.JumpTime2[j][r].str() + "," + s.TrickTime1[j][r].str() + "," +
            Shortest(s.JumpDistance[j][r]) + (j < 3 ? "m " : "m");
  }
  line += ", " + Shortest(s.JumpRamp[r]) + "/" + Shortest(s.JumpSpeed[r]);
  return line;
}
