#pragma once
// "Seed Review": every skier of the current division with the three seeds and the ramp.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "ui/dialog_model.h"

// The memo's lines: a blank line, the heading, one line per skier of the division in list order.
std::vector<std::string> SeedReviewLines(const Tournament& t);

class TfrmSeedReview : public DialogModel {
 public:
  explicit TfrmSeedReview(const Tournament& t);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  Label lblTitle{"Skier Seeds Scores for Current Division"};
  Memo Memo1;
  Button btnClose{"Close"};

 private:
  const Tournament& t_;
};
