#include "ui/tfrm_trick_rslt.h"

#include "core/divisions.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "scoring/slalom.h"
#include "ui/tfrm_trick_pass.h"

namespace {

const char* const kClassCodes[] = {"1", "2", "3", "4"};
const char* const kBoatCodes[] = {"CC", "MC", "ML", "XX"};

}  // namespace

std::string TrickSkierKey(const TSkier& s) {
  return (s.FirstName.str() + s.Surname.str() + " " + DivisionCode(s.Division)).substr(0, 30);
}

TfrmTrickRslt::TfrmTrickRslt(Tournament& t, Platform& p) : DialogModel("Trick Results Input"), t_(t), p_(p) {
  edName.readOnly = true;
  ClassList.items = {"1", "CRC", "WRL", "WRC"};
  BoatList.items = {"CC", "MC", "ML", "XX"};
  btnPass1.caption = "Edit Pass 1";
  btnPass2.caption = "Edit Pass 2";
  btnSave.caption = "Save";
  btnHelp.caption = "Help";
}

void TfrmTrickRslt::Prepare() {
  const TSkier& s = t_.Working;
  const std::size_t r = Round();
  edName.text = s.FirstName.str() + " " + s.Surname.str();
  lblDivision.caption = "Division " + DivisionCode(s.Division);
  const int place = RunoffPlaceOf(s.TrickScore[r]);
  edTie.text = place ? std::to_string(place) : "";
  ShowPasses();
  // The total field shows the total before the runoff adjustment, which Save applies again.
  if (place) edTrickTotal.text = Shortest(WithoutRunoff(s.TrickScore[r]));
  BoatList.itemIndex = 3;
  for (int i = 0; i < 3; ++i)
    if (s.TrickBoat[r] == kBoatCodes[i]) BoatList.itemIndex = i;
  ClassList.itemIndex = 0;
  for (int i = 1; i < 4; ++i)
    if (s.TrickClass[r] == kClassCodes[i]) ClassList.itemIndex = i;
}

void TfrmTrickRslt::ShowPasses() {
  const TSkier& s = t_.Working;
  edPass1Total.text = Shortest(s.TrickPass1[Round()]);
  edPass2Total.text = Shortest(s.TrickPass2[Round()]);
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::Describe(FormLayout& form) {
  form.BeginGroup("Skier");
  form.AddEdit("SKIER NAME", edName).Name("edName").Width(32).Beside(1);
  form.AddLabel(lblDivision).Name("lblDivision");
  form.EndGroup();
  form.BeginGroup("Result");
  // Each pass's points, with the button that scores it trick by trick beside it.
  form.AddEdit("Pass 1", edPass1Total, [this] { edPass1TotalExit(); }).Name("edPass1Total").Beside(1);
  form.AddButton(
          btnPass1, [this] { btnPass1Click(); }, ButtonRole::Other)
      .Name("btnPass1");
  form.AddEdit("Pass 2", edPass2Total, [this] { edPass2TotalExit(); }).Name("edPass2Total").Beside(1);
  form.AddButton(
          btnPass2, [this] { btnPass2Click(); }, ButtonRole::Other)
      .Name("btnPass2");
  form.AddEdit("Trick Total", edTrickTotal).Name("edTrickTotal");
  form.AddEdit("If skier was tied, and tie was broken, enter place in runoff:", edTie).Name("edTie").Width(3);
  form.BeginTable("", {}, {"Class:", "Boat:"});
  form.AddList("Class:", ClassList).Name("ClassList");
  form.AddList("Boat:", BoatList).Name("BoatList");
  form.EndTable();
  form.EndGroup();
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmTrickRslt::FormShow() { edPass1Total.focus = true; }

void TfrmTrickRslt::edPass1TotalExit() {
  TSkier& s = t_.Working;
  s.TrickPass1[Round()] = ToNumber(edPass1Total.text);
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::edPass2TotalExit() {
  TSkier& s = t_.Working;
  s.TrickPass2[Round()] = ToNumber(edPass2Total.text);
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::EditPass(int pass) {
  TfrmTrickPass dlg(t_, p_);
  dlg.SetPass(pass);
  dlg.SetSkierKey(TrickSkierKey(t_.Working));
  p_.dialogs.ShowModal(dlg);
  TSkier& s = t_.Working;
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  ShowPasses();
}

void TfrmTrickRslt::btnPass1Click() { EditPass(1); }
void TfrmTrickRslt::btnPass2Click() { EditPass(2); }

void TfrmTrickRslt::btnSaveClick() {
  TSkier& s = t_.Working;
  const std::size_t r = Round();
  s.TrickPass1[r] = ToNumber(edPass1Total.text);
  s.TrickPass2[r] = ToNumber(edPass2Total.text);
  s.TrickScore[r] = ToNumber(edTrickTotal.text);
  const char cls = t_.info.ClassDigit;
  if (t_.RulesMode() == kZetlRules && t_.CurDivision < 56 && (cls == '2' || cls == '3' || cls == '4'))
    p_.prompt.ShowEach(CheckRecord(t_, p_.fs, 2, s.TrickScore[r]).messages);
  if (!Trim(edTie.text).empty()) s.TrickScore[r] = WithRunoff(s.TrickScore[r], ToInteger(edTie.text));
  s.TrickClass[r] = kClassCodes[ClassList.selected() ? ClassList.itemIndex : 0];
  s.TrickBoat[r] = kBoatCodes[BoatList.selected() ? BoatList.itemIndex : 3];
  t_.ResultTyped();
  Close();
}

void TfrmTrickRslt::btnHelpClick() { p_.help.ShowTopic(41); }
