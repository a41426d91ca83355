#include "ui/tfrm_setup_info.h"

#include "core/divisions.h"
#include "core/text.h"

namespace {

std::string RulesText(int rulesMode) {
  switch (rulesMode) {
    case kZetlRules: return "ZTL Rules";
    case kAwsaRules: return "AWSA Rules";
    case kIwwfRules: return "IWWF Rules";
    case kAdaptedRules: return "Adapted Rules";
    default: return "unknown";
  }
}

std::string PlacementText(char placeMode) {
  switch (placeMode) {
    case 'L': return "final round score";
    case 'T': return "total rounds score";
    case 'B': return "best round score";
    case 'F': return "first round score";
    default: return "unknown";
  }
}

std::string TeamText(int rulesMode) {
  if (rulesMode == kZetlRules) return "ZETL rules";
  if (rulesMode == kIwwfRules) return "IWWF rules";
  return "sum or best3";
}

const char* ClassText(char classDigit) {
  switch (classDigit) {
    case '1': return "Regular Sanction";
    case '2': return "Canadian Record Capable";
    case '3': return "World Ranking List";
    case '4': return "World Record Capable";
    default: return nullptr;
  }
}

// Each value is right-aligned under the last letter of its heading word.
void AddRecordLines(const Tournament& t, std::vector<std::string>& out) {
  out.emplace_back();
  out.push_back("Current Canadian Records - " + t.tables.RecordsTitle.str());
  out.emplace_back("Div  Slalom    Trick   Jump");
  for (int d = 6; d <= 55; ++d) {
    const auto& r = t.tables.Records[static_cast<std::size_t>(d)];
    out.push_back(PadRight(DivisionCode(d), 5) + RightAlign(Shortest(r[0]), 6) + RightAlign(Shortest(r[1]), 9) +
                  RightAlign(Shortest(r[2]), 7));
  }
}

}  // namespace

std::vector<std::string> SetupInfoLines(const Tournament& t) {
  const int rules = t.RulesMode();
  std::vector<std::string> out;
  out.push_back("Overall scoring is based on..." + RulesText(rules));
  out.push_back("Event Placement is based on.." + PlacementText(t.PlaceMode()));
  out.push_back("Team scoring is based on.." + TeamText(rules));
  out.push_back("   Default country is..." + t.settings.Country.str());
  out.push_back("   Number of rounds..." + std::to_string(t.RoundCount));
  out.push_back("   Current file is.." + t.EventFile.str());
  out.push_back("   Event Registration Code is.." + t.info.SanctionNo.str());
  if (const char* c = ClassText(t.info.ClassDigit)) out.push_back(std::string("   Event Type is..") + c);
  out.push_back("   Number of entries is..." + std::to_string(t.SkierCount()));
  if (rules == kZetlRules) AddRecordLines(t, out);
  return out;
}

TfrmSetupInfo::TfrmSetupInfo(const Tournament& t) : DialogModel("Tallivar Options and Settings"), t_(t) {
  Memo1.readOnly = true;
  Memo1.fixedPitch = true;
}

void TfrmSetupInfo::Describe(FormLayout& form) { form.AddLabel(lblInfo).AddMemo("", Memo1, 60, 24); }

void TfrmSetupInfo::FormShow() { Memo1.lines = SetupInfoLines(t_); }
