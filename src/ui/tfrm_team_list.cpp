#include "ui/tfrm_team_list.h"

#include "entries/team_table.h"

TfrmTeamName::TfrmTeamName(Tournament& t, Platform& p, int slot)
    : DialogModel("Team Name Entry"), t_(t), p_(p), slot_(slot) {
  // The code comes from the skiers' entries; it is shown so the user sees whose name is typed.
  edCode.readOnly = true;
}

void TfrmTeamName::Describe(FormLayout& form) {
  form.AddEdit("ID", edCode);
  form.AddEdit("Enter a Team Name:", edName);
  form.AddButton(
      btnSave, [this] { btnSaveClick(); }, true);
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmTeamName::FormShow() {
  const TeamSlot& team = t_.teams.slots[static_cast<std::size_t>(slot_)];
  edCode.SetText(team.code.str());
  edName.SetText(team.name.str());
  edCode.focus = false;
  edName.focus = true;
}

void TfrmTeamName::btnSaveClick() {
  t_.RenameTeam(slot_, edName.text);
  Close();
}

void TfrmTeamName::btnHelpClick() { p_.help.ShowTopic(kHelpTeamNames); }

TfrmTeamList::TfrmTeamList(Tournament& t, Platform& p) : DialogModel("Team Names"), t_(t), p_(p) {
  lbxTeamCode.fixedPitch = true;
}

void TfrmTeamList::Describe(FormLayout& form) {
  form.AddList(
      "TEAM", lbxTeamCode, [this] { lbxTeamCodeClick(); }, [this] { btnEditClick(); }, 15);
  form.NewColumn();
  form.AddList(
      "TEAM NAME TEXT", lbxTeamName, [this] { lbxTeamNameClick(); }, [this] { btnEditClick(); }, 15);
  form.AddButton(
      btnEdit, [this] { btnEditClick(); }, true);
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmTeamList::FormShow() { Rebuild(); }

void TfrmTeamList::Rebuild() {
  lbxTeamCode.Clear();
  lbxTeamName.Clear();
  p_.prompt.ShowEach(CollectTeams(t_.teams, t_.skiers).messages);
  for (int k = 1; k <= UsedTeamSlots(t_.teams); ++k) {
    const TeamSlot& team = t_.teams.slots[static_cast<std::size_t>(k)];
    lbxTeamCode.items.push_back(team.code.str());
    lbxTeamName.items.push_back(team.name.str());
  }
  if (lbxTeamCode.items.empty()) p_.prompt.Show(kNoTeamIds);
}

void TfrmTeamList::lbxTeamCodeClick() { lbxTeamName.itemIndex = lbxTeamCode.itemIndex; }

void TfrmTeamList::lbxTeamNameClick() { lbxTeamCode.itemIndex = lbxTeamName.itemIndex; }

void TfrmTeamList::btnEditClick() {
  // Either list may hold the selection the user made last; they are kept on the same line.
  int line = lbxTeamCode.selected()   ? lbxTeamCode.itemIndex
             : lbxTeamName.selected() ? lbxTeamName.itemIndex
                                      : -1;
  if (line < 0) {
    p_.prompt.Show("Nothing Selected!");
    return;
  }
  TfrmTeamName edit(t_, p_, line + 1);
  p_.dialogs.ShowModal(edit);
  Rebuild();
  // Keep the edited team selected so the next edit is one key away.
  if (line < static_cast<int>(lbxTeamCode.items.size())) lbxTeamCode.itemIndex = lbxTeamName.itemIndex = line;
}

void TfrmTeamList::btnHelpClick() { p_.help.ShowTopic(kHelpTeamNames); }
