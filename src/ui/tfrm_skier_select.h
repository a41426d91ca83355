#pragma once
// "Skier List - Select One": picks one skier of the list for a report about that skier.
#include <optional>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmSkierSelect : public DialogModel {
 public:
  TfrmSkierSelect(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // Copies the chosen skier into the working entry and closes.
  void btnConfirmClick();

  // The skier confirmed, if any; nothing when the dialog was closed without "Confirm".
  const std::optional<TSkier>& picked() const { return picked_; }

  ListBox lbxSkiers;
  Button btnConfirm{"Confirm"};

 private:
  Tournament& t_;
  Platform& p_;
  std::optional<TSkier> picked_;
};

// The line that stands for a skier: first name, surname and division code.
std::string SkierSelectLine(const TSkier& s);

// Shows the dialog and answers the skier the user confirmed, or nothing when the user closed it
// without choosing. A confirmed skier is also left in the working entry.
std::optional<TSkier> SelectSkier(Tournament& t, Platform& p);
