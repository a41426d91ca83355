#include "ui/tfrm_seed_opt.h"

#include "core/skier_ops.h"
#include "help/help_topics.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_seed_finals.h"
#include "ui/tfrm_seed_review.h"

TfrmSeedOpt::TfrmSeedOpt(Tournament& t, Platform& p, SeedOptionMemory& memory)
    : DialogModel("Seeding Options"), t_(t), p_(p), memory_(memory) {
  rgSeeds.items = SeedOptionTexts();
}

void TfrmSeedOpt::Describe(FormLayout& form) {
  form.AddRadio("Event Seeding Options", rgSeeds, [this] { rgSeedsClick(); });
  form.AddButton(
      btnApply, [this] { btnApplyClick(); }, true);
  form.AddButton(btnReview, [this] { btnReviewClick(); });
  form.AddButton(btnCurrOpt, [this] { btnCurrOptClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmSeedOpt::FormShow() { rgSeeds.itemIndex = -1; }

void TfrmSeedOpt::rgSeedsClick() {
  if (rgSeeds.itemIndex >= 0 && rgSeeds.itemIndex < static_cast<int>(rgSeeds.items.size()))
    memory_.option = rgSeeds.itemIndex;
}

SeedOption TfrmSeedOpt::ChosenOption() const {
  int option = rgSeeds.itemIndex >= 0 ? rgSeeds.itemIndex : memory_.option;
  if (option < 0 || option > static_cast<int>(SeedOption::Finals)) option = 0;
  return static_cast<SeedOption>(option);
}

void TfrmSeedOpt::btnApplyClick() {
  const SeedOption option = ChosenOption();
  if (!p_.Shown(SeedingAllowed(t_, option))) return;
  if (p_.prompt.Ask("This will permanently replace previous seed scores, proceed ?", "Warning",
                    Buttons::OkCancel) != Answer::Ok)
    return;
  // A seeding that sets seeds writes them back and counts as a change itself.
  if (option == SeedOption::Finals) {
    RunFinalsSelection();
    // Seeding sees the finalists of the event in start order.
    Outcome seeded;
    WorkList finalists = DrawnStartOrder(t_, p_.random, t_.Selected(), seeded);
    seeded.Append(PreviousRoundSeedDivision(t_, finalists));
    p_.Shown(seeded);
  } else {
    p_.Shown(RunSeedOption(t_, p_.random, option));
  }
}

void TfrmSeedOpt::RunFinalsSelection() {
  TfrmSeedFinals finals(t_, p_);
  p_.dialogs.ShowModal(finals);
}

void TfrmSeedOpt::btnReviewClick() {
  TfrmSeedReview review(t_);
  p_.dialogs.ShowModal(review);
}

void TfrmSeedOpt::btnCurrOptClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
}

void TfrmSeedOpt::btnHelpClick() { p_.help.ShowTopic(kHelpSeeding); }
