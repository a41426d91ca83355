#pragma once
// "Results Input": the skiers of the current division and event with their current-round scores,
// from which the scorer opens a skier's result dialog.
#include <optional>
#include <string>
#include <vector>

#include "core/skier_identity.h"
#include "core/tournament.h"
#include "core/work_list.h"
#include "help/help_topics.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

// One line of each list for a skier.
std::string ResultNameLine(const TSkier& s);
std::string ResultScoresLine(const TSkier& s, char event, int round);

class TfrmResultList : public DialogModel {
 public:
  TfrmResultList(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  // Fills the list by event for the current division and rebuilds both lists. The skier who
  // was chosen stays chosen when the new lines still show that skier; otherwise nothing is.
  void RefreshLists();

  void lbResultClick();
  void lbScoresClick();
  void btnEditClick();
  // The officials dialog of the current event.
  void btnOffcClick();
  void btnSettingsClick();
  void btnHelpClick();
  void btnCloseClick();

  ListBox lbResult;
  ListBox lbScores;
  Button btnEdit{"Edit Scores"};
  Button btnOffc{"Officials"};
  Button btnSettings{"Chose Ev/Div/Rnd"};
  Button btnHelp{"Help"};
  Button btnClose{"Close"};

 private:
  // The skier of the selected line, if a line is selected.
  std::optional<SkierIdentity> ChosenSkier() const;

  // The skiers of the current division and event in running order, and the skier each line
  // shows, line for line.
  WorkList work_;
  std::vector<SkierIdentity> lineSkiers_;
  Tournament& t_;
  Platform& p_;
};
