#include "ui/tfrm_entry.h"

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "entries/entry_import.h"
#include "entries/team_lists.h"
#include "ui/setup_lists.h"

namespace {

std::string Cut(const std::string& text, std::size_t n) { return text.substr(0, n); }

// Puts a record back in surname order, ahead of its namesakes (edit always takes the first of
// them), without replacing anyone: an equal skier in the list is a different entry.
void PutBack(Tournament& t, const TSkier& record) {
  if (!t.skiers.initialised()) InitSkierList(t);
  auto at = t.skiers.first();
  while (at != t.skiers.tailNode() && at->Surname.compare(record.Surname) < 0) ++at;
  t.InsertSkier(at, record);
}

bool IsMarked(const ShortString<1>& mark, const char* letter) { return mark == letter || mark == "Y"; }

}  // namespace

TfrmEntry::TfrmEntry(Tournament& t, Platform& p) : DialogModel("Skier Entry Form"), t_(t), p_(p) {
  edBD.text = "YYYY";
  lbFed.items = FederationCodes();
}

void TfrmEntry::Describe(FormLayout& form) {
  form.BeginGroup("Skier");
  form.AddEdit("Skier First Name :", lbedFname, [this] { lbedFnameExit(); }).Name("lbedFname");
  form.AddEdit("Skier Surname :", lbedSname, [this] { lbedSnameExit(); }).Name("lbedSname");
  form.AddEdit("Skier IWWF ID#", lbedMember).Name("lbedMember");
  form.AddList("Division :", lbDivList).Name("lbDivList");
  form.AddLabel("Events :").Beside(3);
  form.AddCheck("Slalom", chkSlalom).Name("chkSlalom");
  form.AddCheck("Tricks", chkTrick).Name("chkTrick");
  form.AddCheck("Jump", chkJump).Name("chkJump");
  form.AddCheck("Paid", chkPaid).Name("chkPaid");
  form.AddEdit("Bib Number :", edBib).Name("edBib");
  form.EndGroup();
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnClear, [this] { btnClearClick(); }, ButtonRole::Other)
      .Name("btnClear");
  form.AddButton(
          btnDeclared, [this] { btnDeclaredClick(); }, ButtonRole::Other)
      .Name("btnDeclared");
  form.AddButton(
          btnSeeds, [this] { btnSeedsClick(); }, ButtonRole::Other)
      .Name("btnSeeds");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
  form.NewColumn();
  form.BeginGroup("Team and federation");
  form.AddList("Team/Prov :", lbProvList).Name("lbProvList");
  form.AddList("Country / Fed :", lbFed).Name("lbFed");
  form.AddEdit("Year of Birth:", edBD).Name("edBD").Width(6);
  form.EndGroup();
}

void TfrmEntry::FormShow() {
  backup = t_.Working;
  lastStored_.reset();
  lbedSname.focus = false;
  edBD.focus = false;
  lbedFname.focus = true;
  btnSeeds.enabled = static_cast<bool>(openSeedScores);
  btnDeclared.enabled = static_cast<bool>(openDeclaredRun);
}

void TfrmEntry::FillLists() {
  lbDivList.Clear();
  divisionNumbers.clear();
  for (const auto& d : DivisionsOffered(t_.RulesMode())) {
    lbDivList.items.push_back(d.text);
    divisionNumbers.push_back(d.number);
  }
  lbProvList.Clear();
  lbProvList.items = TeamCodesOffered(t_.RulesMode(), FederationCodes());
}

void TfrmEntry::ClearStep() {
  BlankWorkingRecord(t_);
  for (Edit* e : {&lbedSname, &lbedFname, &lbedMember, &edBib, &edBD}) e->text.clear();
  for (CheckBox* c : {&chkSlalom, &chkTrick, &chkJump, &chkPaid}) c->checked = false;
  lbFed.items = FederationCodes();
  lbFed.itemIndex = IndexOfItem(lbFed.items, t_.settings.Country.str());
  FillLists();
  if (PreselectsDefaultProvince(t_.RulesMode()))
    lbProvList.itemIndex = IndexOfItem(lbProvList.items, t_.settings.Prov.str());
}

void TfrmEntry::FillFromRecord(const TSkier& s) {
  lbedSname.text = s.Surname.str();
  lbedFname.text = s.FirstName.str();
  lbedMember.text = s.MemberId.str();
  FillLists();
  lbDivList.itemIndex = -1;
  for (std::size_t i = 0; i < divisionNumbers.size(); ++i)
    if (divisionNumbers[i] == s.Division) {
      lbDivList.itemIndex = static_cast<int>(i);
      break;
    }
  chkSlalom.checked = IsMarked(s.SlalomEntry, "S");
  chkTrick.checked = IsMarked(s.TrickEntry, "T");
  chkJump.checked = IsMarked(s.JumpEntry, "J");
  chkPaid.checked = s.Paid == "Y";
  lbProvList.itemIndex = IndexOfItem(lbProvList.items, s.Team.str());
  lbFed.items = FederationCodes();
  lbFed.itemIndex = IndexOfItem(lbFed.items, s.Fed.str());
  edBib.text = s.Bib.str();
  edBD.text = s.BirthYear.str();
}

void TfrmEntry::NameCheck(Edit& field, ShortString<15>& target, const char* invalidMessage) {
  if (field.text.size() > 15) {
    p_.prompt.Show("Name length exceeds 15 characters!");
    field.focus = true;
    return;
  }
  if (!IsNameText(field.text)) {
    p_.prompt.Show(invalidMessage);
    field.focus = true;
    return;
  }
  field.focus = false;
  target = field.text;
}

void TfrmEntry::lbedSnameExit() {
  NameCheck(lbedSname, t_.Working.Surname, "Name must alphabetic characters only!");
}

void TfrmEntry::lbedFnameExit() {
  NameCheck(lbedFname, t_.Working.FirstName, "Name must be alphabet characters only!");
}

bool TfrmEntry::SaveStep() {
  TSkier& w = t_.Working;
  errorFlag = false;
  w.Surname = UpperCase(Cut(lbedSname.text, 15));
  w.FirstName = Cut(lbedFname.text, 15);
  w.MemberId = Cut(lbedMember.text, 10);
  w.BirthYear = Cut(edBD.text, 8);
  if (lbDivList.selected() && static_cast<std::size_t>(lbDivList.itemIndex) < divisionNumbers.size()) {
    w.Division = static_cast<std::uint8_t>(divisionNumbers[static_cast<std::size_t>(lbDivList.itemIndex)]);
  } else {
    p_.prompt.Show("Please select a skier division!");
    lbDivList.focus = true;
    w.Division = kNoDivision;
    errorFlag = true;
  }
  w.SlalomEntry = chkSlalom.checked ? "S" : "";
  w.TrickEntry = chkTrick.checked ? "T" : "";
  w.JumpEntry = chkJump.checked ? "J" : "";
  w.Paid = chkPaid.checked ? "Y" : "";
  w.Bib = Cut(edBib.text, 3);
  if (lbFed.selected()) {
    w.Fed = lbFed.current();
  } else {
    p_.prompt.Show("Please select a Federation!");
    w.Fed = t_.settings.Country.view();
  }
  if (edBD.text.empty()) {
    p_.prompt.Show("Please enter skier year of birth, YYYY!");
    errorFlag = true;
    edBD.focus = true;
    lbDivList.focus = false;  // the last message names the field that takes the focus
  }
  if (lbProvList.selected()) w.Team = lbProvList.current();
  return !errorFlag && StoreStep();
}

bool TfrmEntry::StoreStep() {
  if (t_.Working.Surname.empty()) return false;
  // An edited skier stays one entry however often it is completed, even when the name or the
  // division changed in between.
  if (mode == Mode::Edit && lastStored_) RemoveStored(*lastStored_);
  p_.Shown(AddWorkingRecord(t_, p_.random));
  if (mode == Mode::Edit) lastStored_ = t_.Working;
  return true;
}

void TfrmEntry::RemoveStored(const TSkier& stored) {
  if (!t_.skiers.initialised()) return;
  for (auto it = t_.skiers.first(); it != t_.skiers.tailNode(); ++it)
    if (it->Surname == stored.Surname && SameTextIgnoringCase(it->FirstName, stored.FirstName) &&
        it->Division == stored.Division) {
      t_.RemoveSkier(it);
      return;
    }
}

void TfrmEntry::btnSaveClick() {
  if (SaveStep() && mode == Mode::Add) ClearStep();
}

void TfrmEntry::btnClearClick() { ClearStep(); }

void TfrmEntry::StoreBackup() {
  // "No" puts the skier back as the form found it, undoing any "Complete" made meanwhile.
  if (lastStored_) RemoveStored(*lastStored_);
  lastStored_.reset();
  t_.Working = backup;
  if (!t_.Working.Surname.empty()) PutBack(t_, t_.Working);
}

bool TfrmEntry::FormCloseQuery() {
  if (mode != Mode::Edit) return true;
  if (p_.prompt.Ask("Keep the current changes?", "Warning!", Buttons::YesNo) == Answer::Yes) {
    // Nothing stored keeps the form open: closing now would lose the skier, who is out of the list
    // while being edited.
    return SaveStep();
  }
  StoreBackup();
  return true;
}

void TfrmEntry::btnSeedsClick() {
  if (openSeedScores) openSeedScores();
}

std::string TfrmEntry::DeclaredCaption() const {
  const TSkier& w = t_.Working;
  return Cut(w.FirstName.str() + w.Surname.str() + " " + DivisionCode(w.Division), 30);
}

void TfrmEntry::btnDeclaredClick() {
  if (openDeclaredRun) openDeclaredRun();
}

void TfrmEntry::btnHelpClick() { p_.help.ShowTopic(kHelpEntryForm); }
