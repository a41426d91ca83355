#include "ui/tfrm_seed_review.h"

#include "core/text.h"

std::vector<std::string> SeedReviewLines(const Tournament& t) {
  std::vector<std::string> lines{"", "   SKIER NAME                 SLALOM  TRICK  JUMP / RAMP"};
  const int round = t.Selected().ScoredRound();
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != t.CurDivision) return;
    lines.push_back(PadRight(s.Surname.str() + ", " + s.FirstName.str(), 30) +
                    PadRight(Shortest(s.SlalomSeed), 8) + PadRight(Shortest(s.TrickSeed), 7) +
                    PadRight(Shortest(s.JumpSeed), 4) + " / " + Shortest(s.JumpRamp[round]));
  });
  return lines;
}

TfrmSeedReview::TfrmSeedReview(const Tournament& t) : DialogModel("Seed Review"), t_(t) {
  Memo1.fixedPitch = true;
}

void TfrmSeedReview::Describe(FormLayout& form) {
  form.AddLabel(lblTitle);
  form.AddMemo("", Memo1, 64, 20);
  form.AddButton(
      btnClose, [this] { Close(); }, true, true);
}

void TfrmSeedReview::FormShow() { Memo1.lines = SeedReviewLines(t_); }
