#include "ui/tfrm_tour_info.h"

#include "core/audit_log.h"
#include "core/divisions.h"
#include "core/settings_file.h"
#include "core/skier_ops.h"
#include "core/work_list.h"
#include "ui/setup_lists.h"

namespace {

// The scoring rules choice lists IWWF before AWSA; RulesMode has them the other way round. The
// mapping is its own inverse.
int RulesItemSwap(int v) {
  if (v == kAwsaRules) return kIwwfRules;
  if (v == kIwwfRules) return kAwsaRules;
  return v;
}

const char kPlaceCodes[] = {'L', 'B', 'T', 'F'};
const char* const kTeamCodes[] = {"VOND", "IWSF", "BEST3", "SUM"};

int PlaceItem(char placeMode) {
  switch (placeMode) {
    case 'L':
      return 0;
    case 'T':
      return 2;
    case 'F':
      return 3;
    default:
      return 1;  // "B" and anything unknown: best round
  }
}

int TeamItem(std::string_view teamMode) {
  char c = teamMode.empty() ? ' ' : teamMode[0];
  if (c == 'B') return 2;
  if (c == 'I') return 1;
  if (c == 'S') return 3;
  return 0;
}

bool InRange(int index, std::size_t size) { return index >= 0 && index < static_cast<int>(size); }

}  // namespace

TfrmTourInfo::TfrmTourInfo(Tournament& t, Platform& p) : DialogModel("Tournament Setup"), t_(t), p_(p) {
  RadioGroup1.items = {"1", "2", "3", "4"};
  RadioGroup2.items = {"ZETL Scoring", "IWWF Scoring", "AWSA Scoring", "Adapted Rules Scoring"};
  RadioGroup3.items = {"Final with Elim (2-Round)", "Best Round Performance", "Multi-Round Total Scores",
                       "First Round Scores"};
  RadioGroup4.items = {"ZETL Province Teams", "IWWF Team Scoring", "Best 3 Scores",
                       "Sum of All Team Members"};
  SiteCodeList.items = SiteCodeLines();
}

void TfrmTourInfo::Describe(FormLayout& form) {
  // A word about the last Complete no longer holds once anything was changed after it.
  auto then = [this](auto handler) {
    return [this, handler] {
      handler();
      if (Changed) lblDone.caption.clear();
    };
  };
  auto change = then([this] { EditChange(); });
  form.BeginGroup("Event")
      .AddEdit("Event Name :", edtName, {}, change)
      .Name("edtName")
      .Width(40)
      .AddEdit("Event Date (start) :", edtSDate, {}, change)
      .Name("edtSDate")
      .AddEdit("End Date :", edtEDate, {}, change)
      .Name("edtEDate")
      .AddEdit("Event Sanction #", edtReg, {}, change)
      .Name("edtReg")
      .EndGroup()
      .BeginGroup("Officials")
      .AddEdit("Chief of Competition :", edtChief, {}, change)
      .Name("edtChief")
      .AddEdit("Calculator / Scorer :", edtScorer, {}, change)
      .Name("edtScorer")
      .AddEdit("Chief Boat Driver :", edtCBD, {}, change)
      .Name("edtCBD")
      .AddEdit("Safety Director :", edtSD, {}, change)
      .Name("edtSD")
      .AddEdit("Technical Controller :", edtTC, {}, change)
      .Name("edtTC")
      .EndGroup()
      .BeginGroup("Sanction")
      .AddList("Event Type :", EvTypeList, then([this] { EvTypeListClick(); }))
      .Name("EvTypeList")
      .Lines(5)
      .AddList("Site Code:", SiteCodeList, then([this] { SiteCodeListClick(); }))
      .Name("SiteCodeList")
      .Lines(5)
      .EndGroup()
      .NewColumn()
      .AddRadio("Number of Rounds", RadioGroup1, then([this] { RadioGroup1Click(); }))
      .Name("RadioGroup1")
      .AddRadio("Scoring Rules", RadioGroup2, then([this] { RadioGroup2Click(); }))
      .Name("RadioGroup2")
      .AddRadio("Event Placement Rules", RadioGroup3, then([this] { RadioGroup3Click(); }))
      .Name("RadioGroup3")
      .AddRadio("Team Scoring Rules", RadioGroup4, then([this] { RadioGroup4Click(); }))
      .Name("RadioGroup4")
      .AddLabel(lblDone)
      .Name("lblDone")
      .AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave")
      .AddButton(btnClear, then([this] { btnClearClick(); }), ButtonRole::Other)
      .Name("btnClear")
      .AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmTourInfo::FormShow() {
  ShowValues();
  ShowModes();
  SiteCodeList.itemIndex = SiteCodeIndex(t_.settings.SiteCode.str());
  FillEventTypes(t_.RulesMode(), t_.info.EventType.str());
  Changed = false;
}

void TfrmTourInfo::ShowValues() {
  const TournamentInfo& i = t_.info;
  edtName.text = i.EventName.str();
  edtSDate.text = i.StartDate.str();
  edtEDate.text = i.EndDate.str();
  edtChief.text = i.ChiefOfComp.str();
  edtScorer.text = i.Scorer.str();
  edtCBD.text = i.ChiefDriver.str();
  edtSD.text = i.SafetyDirector.str();
  edtTC.text = i.TechController.str();
  edtReg.text = i.SanctionNo.str();
}

void TfrmTourInfo::ShowModes() {
  RadioGroup1.itemIndex = InRange(t_.RoundCount - 1, RadioGroup1.items.size()) ? t_.RoundCount - 1 : 0;
  int rules = t_.RulesMode();
  RadioGroup2.itemIndex = rules >= 0 && rules <= 3 ? RulesItemSwap(rules) : 0;
  RadioGroup3.itemIndex = PlaceItem(t_.settings.PlaceMode);
  RadioGroup4.itemIndex = TeamItem(t_.settings.TeamMode.view());
  if (rules == kIwwfRules) {
    RadioGroup3.itemIndex = 0;
    RadioGroup4.itemIndex = 1;
    RadioGroup1.itemIndex = 1;
  }
}

void TfrmTourInfo::FillEventTypes(int rulesMode, const std::string& selectCode) {
  EvTypeList.Clear();
  listedRules_ = rulesMode;
  for (const auto& c : EventTypeChoices(rulesMode)) EvTypeList.items.push_back(c.line);
  EvTypeList.itemIndex = EventTypeIndex(rulesMode, selectCode);
}

int TfrmTourInfo::ChosenRulesMode() const {
  return InRange(RadioGroup2.itemIndex, RadioGroup2.items.size()) ? RulesItemSwap(RadioGroup2.itemIndex)
                                                                  : t_.RulesMode();
}

void TfrmTourInfo::EditChange() { Changed = true; }
void TfrmTourInfo::RadioGroup1Click() { Changed = true; }
void TfrmTourInfo::RadioGroup4Click() { Changed = true; }
void TfrmTourInfo::EvTypeListClick() { Changed = true; }
void TfrmTourInfo::SiteCodeListClick() { Changed = true; }

void TfrmTourInfo::RadioGroup2Click() {
  // The code chosen so far, so that a rule set with the same event types keeps it.
  std::string code;
  const auto& listed = EventTypeChoices(listedRules_);
  if (EvTypeList.selected() && InRange(EvTypeList.itemIndex, listed.size()))
    code = listed[static_cast<std::size_t>(EvTypeList.itemIndex)].code;
  const int rules = ChosenRulesMode();
  switch (rules) {
    case kZetlRules:
      RadioGroup4.itemIndex = 0;
      break;
    case kIwwfRules:
      RadioGroup3.itemIndex = 0;
      RadioGroup4.itemIndex = 1;
      break;
    case kAwsaRules:
      RadioGroup3.itemIndex = 0;
      RadioGroup4.itemIndex = 2;
      break;
    default:
      RadioGroup3.itemIndex = 0;
      RadioGroup4.itemIndex = 0;
      break;
  }
  // A placement chosen here needs two rounds just as one chosen by hand.
  if (rules != kZetlRules) RadioGroup3Click();
  FillEventTypes(rules, code);
  Changed = true;
}

void TfrmTourInfo::RadioGroup3Click() {
  if (RadioGroup3.itemIndex == 0 || RadioGroup3.itemIndex == 1) RadioGroup1.itemIndex = 1;
  Changed = true;
}

void TfrmTourInfo::btnSaveClick() {
  lblDone.caption.clear();
  if (!ApplyTournamentSetup()) {
    lblDone.caption = "Setup not complete: choose an event type.";
  } else {
    static const char* const kRules[] = {"ZETL", "AWSA", "IWWF", "Adapted"};
    int rules = t_.RulesMode();
    // Short, so that the dialog keeps its width whatever the event is called.
    lblDone.caption =
        "Setup stored: " + (InRange(rules, 4) ? std::string(kRules[rules]) + " rules, " : std::string()) +
        std::to_string(t_.RoundCount) + (t_.RoundCount == 1 ? " round." : " rounds.");
  }
  Changed = false;
}

void TfrmTourInfo::btnClearClick() {
  for (Edit* e : {&edtName, &edtChief, &edtScorer, &edtCBD, &edtSD, &edtTC}) e->text.clear();
  edtSDate.text = "YYYYMMDD";
  edtEDate.text = "YYYYMMDD";
  edtReg.text = "YYCAN000";
  Changed = true;
}

void TfrmTourInfo::btnHelpClick() { p_.help.ShowTopic(kHelpTournamentInfo); }

bool TfrmTourInfo::FormCloseQuery() {
  if (Changed) {
    Answer a = p_.prompt.Ask("You have unsaved data! Save Now?", "Warning!", Buttons::YesNoCancel);
    if (a == Answer::Yes) {
      ApplyTournamentSetup();
      Changed = false;
    }
  }
  return true;
}

void TfrmTourInfo::StoreEdits(TournamentInfo& i) const {
  i.EventName = edtName.text;
  i.StartDate = edtSDate.text;
  i.EndDate = edtEDate.text;
  i.ChiefOfComp = edtChief.text;
  i.Scorer = edtScorer.text;
  i.ChiefDriver = edtCBD.text;
  i.SafetyDirector = edtSD.text;
  i.TechController = edtTC.text;
  i.SanctionNo = edtReg.text;
}

void TfrmTourInfo::StoreRules(SettingsValues& settings) {
  switch (RadioGroup2.itemIndex) {
    case 0:
      settings.RulesMode = kZetlRules;
      settings.Country = "CAN";
      break;
    case 1:
      settings.RulesMode = kIwwfRules;
      break;
    case 2:
      settings.RulesMode = kAwsaRules;
      settings.Country = "USA";
      break;
    case 3:
      settings.RulesMode = kAdaptedRules;
      settings.Country = "CAN";
      t_.CurDivision = 60;
      break;
    default:
      break;
  }
}

bool TfrmTourInfo::StoreEventType(Tournament::Setup& setup) {
  const int rules = setup.settings.RulesMode;
  if (rules == kIwwfRules) t_.CurDivision = 56;
  const auto& choices = EventTypeChoices(rules);
  if (!EvTypeList.selected() || !InRange(EvTypeList.itemIndex, choices.size())) return false;
  const EventTypeChoice& c = choices[static_cast<std::size_t>(EvTypeList.itemIndex)];
  setup.info.EventType = c.code;
  if (c.classDigit != '\0') setup.info.ClassDigit = c.classDigit;
  return true;
}

void TfrmTourInfo::StoreModes(Tournament::Setup& setup) const {
  if (InRange(RadioGroup1.itemIndex, RadioGroup1.items.size())) setup.rounds = RadioGroup1.itemIndex + 1;
  if (InRange(RadioGroup3.itemIndex, 4)) setup.settings.PlaceMode = kPlaceCodes[RadioGroup3.itemIndex];
  if (InRange(RadioGroup4.itemIndex, 4)) setup.settings.TeamMode = kTeamCodes[RadioGroup4.itemIndex];
}

void TfrmTourInfo::StoreSiteCode(SettingsValues& settings) const {
  const std::string current = settings.SiteCode.str();
  // A code typed in the preferences that the list cannot show is kept rather than lost; choosing
  // "CAN0000" clears it.
  if (!SiteCodeList.selected() && SiteCodeIndex(current) < 0 && !current.empty()) return;
  settings.SiteCode = SiteCodeAt(SiteCodeList.itemIndex);
}

void TfrmTourInfo::WarnAboutSanction() {
  if (t_.info.SanctionNo.view().starts_with("YY"))
    p_.prompt.Show("Please enter the ZETL Event Sanction Number!");
  if (t_.settings.SiteCode == "CAN0000" && t_.info.ClassDigit != '1')
    p_.prompt.Show("Please check the ZETL Site Code");
}

bool TfrmTourInfo::ApplyTournamentSetup() {
  // What is typed is kept even when the event type is missing: the dialog goes on showing it.
  Tournament::Setup setup = t_.CurrentSetup();
  StoreEdits(setup.info);
  StoreRules(setup.settings);
  const bool typeChosen = StoreEventType(setup);
  StoreModes(setup);
  StoreSiteCode(setup.settings);
  t_.StoreSetup(setup);
  if (t_.RulesMode() == kZetlRules) p_.prompt.ShowEach(ReadRecords(t_, p_.fs).messages);
  if (!typeChosen) {
    p_.prompt.Show("Event Sanction Level Not Selected!");
    return false;
  }
  WarnAboutSanction();
  const TournamentInfo& i = t_.info;
  LogEntry(t_, p_.fs, p_.clock,
           i.EventName.str() + " " + i.StartDate.str() + " " + t_.settings.SiteCode.str() + " " +
               i.SanctionNo.str());
  if (!t_.tables.RecordsLoaded) p_.prompt.Show("INI file not found, scoring errors may occur!");
  p_.Shown(PrepareSelection(t_, p_.random, t_.Selected()));
  return true;
}
