#include "ui/result_dialogs.h"

#include <algorithm>
#include <memory>

#include "core/audit_log.h"
#include "core/divisions.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "ui/tfrm_jump_rslt.h"
#include "ui/tfrm_slal_rslt.h"
#include "ui/tfrm_trick_rslt.h"

ResultDialog::ResultDialog(std::string caption, Tournament& t, Platform& p)
    : DialogModel(std::move(caption)), t_(t), p_(p) {
  edName.readOnly = true;
  ClassListBox.items = {"1", "CRC", "WRL", "WRC"};
  BoatListBox.items = {"CC", "MC", "ML", "XX"};
}

int ResultDialog::Round() const { return t_.Selected().ScoredRound(); }

void ResultDialog::DescribeSkier(FormLayout& form, const std::string& nameCaption) {
  form.BeginGroup("Skier");
  form.AddEdit(nameCaption, edName).Name("edName").Width(32).Beside(1);
  form.AddLabel(lblDivision).Name("lblDivision");
  form.EndGroup();
}

void ResultDialog::DescribeRest(FormLayout& form, const std::string& tieCaption,
                                const std::string& boatCaption) {
  form.AddEdit(tieCaption, edTie).Name("edTie").Width(3);
  form.BeginTable("", {}, {"Class:", boatCaption});
  form.AddList("Class:", ClassListBox).Name("ClassListBox");
  form.AddList(boatCaption, BoatListBox).Name("BoatListBox");
  form.EndTable();
  form.EndGroup();
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void ResultDialog::ShowSkier(std::string_view eventClass, std::string_view boat) {
  const TSkier& s = Record();
  edName.SetText(s.FirstName.str() + " " + s.Surname.str());
  lblDivision.caption = "Division " + DivisionCode(s.Division);
  // Unknown classes show as "1", unknown boats as "XX".
  ClassListBox.itemIndex = eventClass == "2" ? 1 : eventClass == "3" ? 2 : eventClass == "4" ? 3 : 0;
  const auto& boats = BoatListBox.items;
  BoatListBox.itemIndex = static_cast<int>(std::find(boats.begin(), boats.end() - 1, boat) - boats.begin());
}

int ResultDialog::TypedRunoffPlace() const {
  std::string text = Trim(edTie.text);
  return text.empty() ? 0 : ToInteger(text);
}

void ResultDialog::TellPossibleRecord(int event, double score) {
  const char cls = t_.info.ClassDigit;
  if (t_.RulesMode() == kZetlRules && Record().Division < 56 && cls >= '2' && cls <= '4')
    p_.prompt.ShowEach(CheckRecord(t_, p_.fs, event, score).messages);
}

void ResultDialog::StoreAndClose(ShortString<1>& eventClass, ShortString<2>& boat,
                                 const std::string& auditLine) {
  const int item = ClassListBox.itemIndex;
  eventClass = item >= 1 && item <= 3 ? std::to_string(item + 1) : "1";
  boat = BoatListBox.selected() ? BoatListBox.current() : "XX";
  t_.ResultTyped();
  if (!auditLine.empty()) {
    LogEntry(t_, p_.fs, p_.clock, auditLine);
    auditWritten_ = true;
  }
  Close();
}

void ResultDialog::btnHelpClick() { p_.help.ShowTopic(41); }

bool HasResultDialog(char event) { return event == 'S' || event == 'J' || event == 'T'; }

bool ShowResultDialog(Tournament& t, Platform& p, char event) {
  std::unique_ptr<ResultDialog> model;
  if (event == 'S') model = std::make_unique<TfrmSlalRslt>(t, p);
  if (event == 'J') model = std::make_unique<TfrmJumpRslt>(t, p);
  if (event == 'T') model = std::make_unique<TfrmTrickRslt>(t, p);
  if (!model) return false;
  model->Prepare();
  p.dialogs.ShowModal(*model);
  return model->auditWritten();
}
