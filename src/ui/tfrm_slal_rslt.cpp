#include "ui/tfrm_slal_rslt.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/text.h"
#include "scoring/slalom.h"

TfrmSlalRslt::TfrmSlalRslt(Tournament& t, Platform& p) : ResultDialog("Slalom Scores Input", t, p) {
  for (double v : kSlalomSpeeds) SpeedListBox.items.push_back(Shortest(v));
  // The ladder only: a length off it would be stored as 18.25 without a word.
  for (double v : kSlalomRopes) RopeListBox.items.push_back(Fixed(v, 0, 2));
  for (int i = 0; i < kPasses; ++i) {
    edPSp[static_cast<std::size_t>(i)].text = "49";
    edPT1[static_cast<std::size_t>(i)].text = "0.00";
    edPSc[static_cast<std::size_t>(i)].text = "0.0";
  }
}

namespace {

const std::array<const char*, TfrmSlalRslt::kPasses> kPassCaptions = {
    "1st Pass", "2nd Pass", "3rd Pass", "4th Pass", "5th Pass", "6th Pass", "7th Pass", "8th Pass"};

}  // namespace

void TfrmSlalRslt::Describe(FormLayout& form) {
  // Tab order follows a score sheet: the last pass, its speed and rope (each computes the total on
  // the way), the total, the runoff place, class and boat; Enter saves from anywhere. The pass times
  // for the boat check come after, beside them, as the table of the score sheet.
  DescribeSkier(form, "Name");
  form.BeginGroup("Result");
  form.AddEdit("Last Pass", edPass, [this] { edPassExit(); }).Name("edPass");
  form.BeginTable("", {}, {"Final Speed", "Final Rope"});
  form.AddList("Final Speed", SpeedListBox, [this] { edSpeedExit(); }).Name("SpeedListBox");
  form.AddList("Final Rope", RopeListBox, [this] { edRopeExit(); }).Name("RopeListBox");
  form.EndTable();
  form.AddEdit("Slalom Total", edSlTotal).Name("edSlTotal");
  DescribeRest(form, "If skier was tied, and the tie was broken, enter place in runoff:", "Boat:");
  form.NewColumn();
  form.BeginGroup("EVENT DETAILS");
  std::vector<std::string> rows(kPassCaptions.begin(), kPassCaptions.end());
  form.BeginTable("", rows, {"Speed", "Time", "Score"});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string n = std::to_string(i + 1);
    form.AddEdit("Speed", edPSp[i]).Name("edP" + n + "Sp").Width(4);
    form.AddEdit("Time", edPT1[i]).Name("edP" + n + "T1").Width(6);
    form.AddEdit("Score", edPSc[i]).Name("edP" + n + "Sc").Width(4);
  }
  form.EndTable();
  form.AddButton(
          CheckButton, [this] { CheckButtonClick(); }, ButtonRole::Other)
      .Name("CheckButton");
  form.EndGroup();
}

void TfrmSlalRslt::FormShow() {
  Prepare();
  edPass.focus = true;
}

void TfrmSlalRslt::Prepare() {
  const TSkier& s = Record();
  const int r = Round();
  ShowSkier(s.SlalomClass[r], s.SlalomBoat[r]);
  edPass.SetText(Shortest(s.SlalomBuoys[r]));
  // Speeds off the list fall to the slowest, ropes off the ladder to the longest.
  auto speed = std::find(kSlalomSpeeds.begin(), kSlalomSpeeds.end(), s.SlalomSpeed[r]);
  SpeedListBox.itemIndex = speed == kSlalomSpeeds.end() ? static_cast<int>(kSlalomSpeeds.size()) - 1
                                                        : static_cast<int>(speed - kSlalomSpeeds.begin());
  RopeListBox.itemIndex = SlalomRopeStep(s.SlalomRope[r]).value_or(0);
  ShowTotal();
  int place = RunoffPlaceOf(s.SlalomScore[r]);
  edTie.SetText(place ? std::to_string(place) : "");
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    edPT1[i].SetText(s.SlalomTime1[i + 1][static_cast<std::size_t>(r)].str());
    edPT1[i].red = false;
    edPSc[i].SetText("0");
    edPSp[i].SetText("49");
  }
}

double TfrmSlalRslt::SelectedSpeed() const {
  if (!SpeedListBox.selected()) return 25;
  return kSlalomSpeeds[static_cast<std::size_t>(SpeedListBox.itemIndex)];
}

double TfrmSlalRslt::SelectedRope() const {
  if (!RopeListBox.selected()) return 18.25;
  return kSlalomRopes[static_cast<std::size_t>(RopeListBox.itemIndex)];
}

void TfrmSlalRslt::ShowTotal() {
  // The announced two-decimal total; a runoff place lives in edTie, not in this field.
  double total = WithoutRunoff(Record().SlalomScore[Round()]);
  std::string text = Shortest(total);
  if (total < 10) text = " " + text;
  edSlTotal.SetText(text);
}

void TfrmSlalRslt::RecomputeTotal() {
  TSkier& s = Record();
  const int r = Round();
  auto total =
      ComputeSlalomTotal(t_.RulesMode(), s.Division, s.SlalomBuoys[r], s.SlalomSpeed[r], s.SlalomRope[r]);
  if (total) s.SlalomScore[r] = *total;
  ShowTotal();
}

void TfrmSlalRslt::edPassExit() {
  Record().SlalomBuoys[Round()] = ToNumber(edPass.text);
  RecomputeTotal();
}

void TfrmSlalRslt::edSpeedExit() {
  Record().SlalomSpeed[Round()] = SelectedSpeed();
  RecomputeTotal();
}

void TfrmSlalRslt::edRopeExit() {
  Record().SlalomRope[Round()] = SelectedRope();
  RecomputeTotal();
}

void TfrmSlalRslt::CheckButtonClick() {
  for (int i = 0; i < kPasses; ++i) {
    auto at = static_cast<std::size_t>(i);
    if (!IsNumericText(edPSp[at].text) || !IsNumericText(edPT1[at].text) || !IsNumericText(edPSc[at].text)) {
      p_.prompt.Show("Speed/Time input must be numeric only!");
      return;
    }
  }
  ColourPassTimes();
}

void TfrmSlalRslt::ColourPassTimes() {
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPasses); ++i) {
    int speed = ToInteger(edPSp[i].text);
    double time = ToNumber(edPT1[i].text);
    // A score such as "5.5" counts its full buoys only.
    int buoys = ToInteger(edPSc[i].text.substr(0, 1));
    if (time > 0) edPT1[i].red = !SlalomTimeAccepted(speed, buoys, time);
  }
}

void TfrmSlalRslt::btnSaveClick() {
  TSkier& s = Record();
  const int r = Round();
  s.SlalomBuoys[r] = ToNumber(edPass.text);
  s.SlalomScore[r] = ToNumber(edSlTotal.text);
  s.SlalomSpeed[r] = SelectedSpeed();
  s.SlalomRope[r] = SelectedRope();
  if ((s.SlalomScore[r] > 6 || s.SlalomRope[r] < 18) && s.SlalomSpeed[r] < 31)
    p_.prompt.Show("Please re-check score/rope/speed values for this skier!");
  TellPossibleRecord(1, s.SlalomScore[r]);
  // The field shows the announced total, so the runoff place is applied to it exactly once.
  s.SlalomScore[r] = WithRunoff(s.SlalomScore[r], TypedRunoffPlace());
  for (std::size_t pass = 1; pass <= static_cast<std::size_t>(kPasses); ++pass)
    s.SlalomTime1[pass][static_cast<std::size_t>(r)] = edPT1[pass - 1].text;
  StoreAndClose(s.SlalomClass[r], s.SlalomBoat[r], AuditLine());
}

std::string TfrmSlalRslt::AuditLine() const {
  const TSkier& s = t_.Working;
  const int r = Round();
  std::string line = s.Surname.str() + "," + s.FirstName.str() + " " + DivisionCode(s.Division) + " Rnd" +
                     std::to_string(r) + " ";
  for (std::size_t pass = 1; pass <= 6; ++pass)
    line += s.SlalomTime1[pass][static_cast<std::size_t>(r)].str() + ",";
  line += Shortest(s.SlalomScore[r]) + " " + Shortest(s.SlalomBuoys[r]) + "@" + Shortest(s.SlalomRope[r]) +
          "/" + Shortest(s.SlalomSpeed[r]);
  return line;
}
