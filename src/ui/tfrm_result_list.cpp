#include "ui/tfrm_result_list.h"

#include "core/skier_ops.h"
#include "core/text.h"
#include "results/recompute.h"
#include "scoring/jump.h"
#include "ui/result_dialogs.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_options.h"

std::string ResultNameLine(const TSkier& s) {
  std::string line = (s.FirstName.str() + " ").substr(0, 16) + s.Surname.str();
  return line.substr(0, 31);
}

std::string ResultScoresLine(const TSkier& s, char event, int round) {
  const auto r = static_cast<std::size_t>(round);
  switch (event) {
    case 'S':
      return Shortest(s.SlalomBuoys[r]) + "@" + Shortest(s.SlalomSpeed[r]) + "/" + Shortest(s.SlalomRope[r]) +
             "   " + Fixed(s.SlalomScore[r], 3, 2);
    case 'T':
      return Fixed(s.TrickScore[r], 6, 0);
    case 'J':
      return FormatJumpDistance(s.JumpDistance[1][r]) + "  " + FormatJumpDistance(s.JumpDistance[2][r]) +
             "  " + FormatJumpDistance(s.JumpDistance[3][r]);
    default:
      return "";
  }
}

TfrmResultList::TfrmResultList(Tournament& t, Platform& p) : DialogModel("Results Input"), t_(t), p_(p) {
  lbScores.fixedPitch = true;
}

void TfrmResultList::Describe(FormLayout& form) {
  // The skiers and their scores side by side, line for line.
  form.BeginTable("", {}, {"Skier", "Scores"});
  form.AddList(
          "Skier", lbResult, [this] { lbResultClick(); }, [this] { btnEditClick(); }, 20)
      .Name("lbResult")
      .Width(32);
  form.AddList(
          "Scores", lbScores, [this] { lbScoresClick(); }, {}, 20)
      .Name("lbScores")
      .Width(24);
  form.EndTable();
  form.BeginGroup();
  form.AddButton(
          btnEdit, [this] { btnEditClick(); }, ButtonRole::Accept)
      .Name("btnEdit");
  form.AddButton(
          btnOffc, [this] { btnOffcClick(); }, ButtonRole::Other)
      .Name("btnOffc");
  form.AddButton(
          btnSettings, [this] { btnSettingsClick(); }, ButtonRole::Other)
      .Name("btnSettings");
  form.EndGroup();
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
  form.AddButton(
          btnClose, [this] { btnCloseClick(); }, ButtonRole::Reject)
      .Name("btnClose");
}

void TfrmResultList::FormShow() { RefreshLists(); }

void TfrmResultList::RefreshLists() {
  // A line number means another skier once the list is filled again (another division, a new
  // running order), so the choice is carried over by who was chosen.
  const std::optional<SkierIdentity> chosen = ChosenSkier();
  lbResult.Clear();
  lbScores.Clear();
  lineSkiers_.clear();
  btnEdit.enabled = HasResultDialog(t_.CurEvent);
  Outcome told;
  work_ = DrawnStartOrder(t_, p_.random, t_.Selected(), told);
  p_.Shown(told);
  if (work_.skiers.empty()) {
    p_.prompt.Show("No competitors are entered in this division/event");
    return;
  }
  const int round = t_.Selected().ScoredRound();
  for (const TSkier& s : work_.skiers) {
    if (chosen && IsSkier(s, *chosen))
      lbResult.itemIndex = lbScores.itemIndex = static_cast<int>(lineSkiers_.size());
    lbResult.items.push_back(ResultNameLine(s));
    lbScores.items.push_back(ResultScoresLine(s, t_.CurEvent, round));
    lineSkiers_.push_back(IdentityOf(s));
  }
}

std::optional<SkierIdentity> TfrmResultList::ChosenSkier() const {
  if (!lbResult.selected() || lbResult.itemIndex >= static_cast<int>(lineSkiers_.size())) return std::nullopt;
  return lineSkiers_[static_cast<std::size_t>(lbResult.itemIndex)];
}

void TfrmResultList::lbResultClick() { lbScores.itemIndex = lbResult.itemIndex; }

void TfrmResultList::lbScoresClick() { lbResult.itemIndex = lbScores.itemIndex; }

void TfrmResultList::btnEditClick() {
  const std::optional<SkierIdentity> chosen = ChosenSkier();
  // The skier is looked up by who the line shows: the list may have been filled again since.
  const int k = chosen ? IndexOf(work_, *chosen) : 0;
  if (k == 0) {
    p_.prompt.Show("No Skier Selected!");
    return;
  }
  // A double click reaches here too, so the missing dialog is checked as well as the button.
  if (!HasResultDialog(t_.CurEvent)) return;
  TSkier& listed = work_.skiers[static_cast<std::size_t>(k - 1)];
  t_.Working = listed;
  const bool logged = ShowResultDialog(t_, p_, t_.CurEvent);
  listed = t_.Working;
  // The slalom and jump dialogs write their own audit line when they save; any other change that
  // comes back (a trick result, a pass scored trick by trick) is logged with the store.
  RecomputeAfterScore(t_, p_, work_, logged ? ScoreLog::AlreadyWritten : ScoreLog::Changes);
  RefreshLists();
}

void TfrmResultList::btnSettingsClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
  RefreshLists();
}

void TfrmResultList::btnHelpClick() { p_.help.ShowTopic(kHelpResultsInput); }

void TfrmResultList::btnCloseClick() { Close(); }

void TfrmResultList::btnOffcClick() { ShowOfficialsDialog(t_, p_, t_.CurEvent); }
