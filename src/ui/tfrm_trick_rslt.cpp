#include "ui/tfrm_trick_rslt.h"

#include "core/divisions.h"
#include "core/text.h"
#include "scoring/slalom.h"
#include "ui/tfrm_trick_pass.h"

std::string TrickSkierKey(const TSkier& s) {
  return (s.FirstName.str() + s.Surname.str() + " " + DivisionCode(s.Division)).substr(0, 30);
}

TfrmTrickRslt::TfrmTrickRslt(Tournament& t, Platform& p) : ResultDialog("Trick Results Input", t, p) {
  btnSave.caption = "Save";
}

void TfrmTrickRslt::Prepare() {
  const TSkier& s = Record();
  ShowSkier(s.TrickClass[Round()], s.TrickBoat[Round()]);
  const int place = RunoffPlaceOf(s.TrickScore[Round()]);
  edTie.text = place ? std::to_string(place) : "";
  ShowPasses();
  // The total field shows the total before the runoff adjustment, which Save applies again.
  if (place) edTrickTotal.text = Shortest(WithoutRunoff(s.TrickScore[Round()]));
}

void TfrmTrickRslt::ShowPasses() {
  const TSkier& s = Record();
  edPass1Total.text = Shortest(s.TrickPass1[Round()]);
  edPass2Total.text = Shortest(s.TrickPass2[Round()]);
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::Describe(FormLayout& form) {
  DescribeSkier(form, "SKIER NAME");
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
  DescribeRest(form, "If skier was tied, and tie was broken, enter place in runoff:", "Boat:");
}

void TfrmTrickRslt::FormShow() { edPass1Total.focus = true; }

void TfrmTrickRslt::edPass1TotalExit() {
  TSkier& s = Record();
  s.TrickPass1[Round()] = ToNumber(edPass1Total.text);
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::edPass2TotalExit() {
  TSkier& s = Record();
  s.TrickPass2[Round()] = ToNumber(edPass2Total.text);
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  edTrickTotal.text = Shortest(s.TrickScore[Round()]);
}

void TfrmTrickRslt::EditPass(int pass) {
  TfrmTrickPass dlg(t_, p_);
  dlg.SetPass(pass);
  dlg.SetSkierKey(TrickSkierKey(Record()));
  p_.dialogs.ShowModal(dlg);
  TSkier& s = Record();
  s.TrickScore[Round()] = s.TrickPass1[Round()] + s.TrickPass2[Round()];
  ShowPasses();
}

void TfrmTrickRslt::btnPass1Click() { EditPass(1); }
void TfrmTrickRslt::btnPass2Click() { EditPass(2); }

void TfrmTrickRslt::btnSaveClick() {
  TSkier& s = Record();
  const int r = Round();
  s.TrickPass1[r] = ToNumber(edPass1Total.text);
  s.TrickPass2[r] = ToNumber(edPass2Total.text);
  s.TrickScore[r] = ToNumber(edTrickTotal.text);
  TellPossibleRecord(2, s.TrickScore[r]);
  s.TrickScore[r] = WithRunoff(s.TrickScore[r], TypedRunoffPlace());
  StoreAndClose(s.TrickClass[r], s.TrickBoat[r]);
}
