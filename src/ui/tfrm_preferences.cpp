#include "ui/tfrm_preferences.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/settings_file.h"
#include "ui/setup_lists.h"

namespace {

int IndexOf(const std::vector<std::string>& items, std::string_view value) {
  auto it = std::find(items.begin(), items.end(), value);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

// Puts the rule set of the open event back however the write ends.
class RulesModeKeeper {
 public:
  explicit RulesModeKeeper(int& rulesMode) : rulesMode_(rulesMode), saved_(rulesMode) {}
  ~RulesModeKeeper() { rulesMode_ = saved_; }
  RulesModeKeeper(const RulesModeKeeper&) = delete;
  RulesModeKeeper& operator=(const RulesModeKeeper&) = delete;

 private:
  int& rulesMode_;
  int saved_;
};

}  // namespace

TfrmPreferences::TfrmPreferences(Tournament& t, Platform& p)
    : DialogModel("Tallivar Preferences"), t_(t), p_(p) {
  lbFed.items = FederationCodes();
  lbProv.items = ProvinceCodes();
  rgOverall.items = {"ZETL Rules", "IWWF Rules", "AWSA Rules", "Adapted Rules"};
  lbedSiteCodePref.text = "CANxxxx";
}

void TfrmPreferences::Describe(FormLayout& form) {
  form.AddLabel(lblTitle)
      .Name("lblTitle")
      .BeginGroup("Set Default Country /  Federation")
      .AddList("", lbFed, {}, {}, 10)
      .Name("lbFed")
      .EndGroup()
      .NewColumn()
      .BeginGroup("Set Default Province :")
      .AddList("", lbProv, {}, {}, 10)
      .Name("lbProv")
      .AddLabel(lblProvNote)
      .Name("lblProvNote")
      .EndGroup()
      .NewColumn()
      .AddRadio("Overall Scoring Rules", rgOverall)
      .Name("rgOverall")
      .AddEdit("Set Site Code:", lbedSiteCodePref)
      .Name("lbedSiteCodePref")
      .Width(9)
      .AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
}

void TfrmPreferences::FormShow() {
  lbProv.itemIndex = IndexOf(lbProv.items, t_.settings.Prov.view());
  lbFed.itemIndex = IndexOf(lbFed.items, t_.settings.Country.view());
  static const int kItemOfRules[] = {0, 2, 1, 3};
  int rules = t_.RulesMode();
  rgOverall.itemIndex = rules >= 0 && rules <= 3 ? kItemOfRules[rules] : -1;
  lbedSiteCodePref.text = t_.settings.SiteCode.str();
}

void TfrmPreferences::StoreRuleDefaults() {
  SettingsValues& s = t_.settings;
  switch (rgOverall.itemIndex) {
    case 0:
      s.RulesMode = kZetlRules;
      s.TeamMode = "VOND";
      s.PlaceMode = 'F';
      break;
    case 1:
      s.RulesMode = kIwwfRules;
      s.TeamMode = "IWSF";
      s.PlaceMode = 'L';
      break;
    case 2:
      s.RulesMode = kAwsaRules;
      s.TeamMode = "BEST3";
      s.PlaceMode = 'L';
      break;
    case 3:
      s.RulesMode = kAdaptedRules;
      break;
    default:
      break;
  }
}

void TfrmPreferences::btnSaveClick() {
  SettingsValues& s = t_.settings;
  if (lbFed.selected()) {
    s.Country = lbFed.current();
  } else {
    s.Country = "CAN";
    p_.prompt.Show("No Federation selected!");
  }
  if (lbProv.selected()) {
    s.Prov = lbProv.current();
  } else {
    s.Prov = "AB";
    p_.prompt.Show("No Prov selected!");
  }
  {
    // The chosen rule set is only the start-up default; the team and placement modes apply now.
    RulesModeKeeper keep(s.RulesMode);
    StoreRuleDefaults();
    if (!lbedSiteCodePref.text.empty()) s.SiteCode = lbedSiteCodePref.text.substr(0, 8);
    WriteSettings(t_, p_.fs);
  }
  Close();
}
