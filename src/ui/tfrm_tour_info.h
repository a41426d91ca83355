#pragma once
// The tournament setup dialog: event name, dates, officials, sanction number, event type, site,
// number of rounds and the rule, placement and team modes.
#include "core/tournament.h"
#include "help/help_topics.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmTourInfo : public DialogModel {
 public:
  TfrmTourInfo(Tournament& t, Platform& p);

  Edit edtName{80};
  Edit edtSDate{8};
  Edit edtEDate{8};
  Edit edtChief{80};
  Edit edtScorer{80};
  Edit edtCBD{80};
  Edit edtSD{80};
  Edit edtTC{80};
  Edit edtReg{8};
  RadioGroup RadioGroup1;  // number of rounds
  RadioGroup RadioGroup2;  // scoring rules
  RadioGroup RadioGroup3;  // event placement rules
  RadioGroup RadioGroup4;  // team scoring rules
  ListBox EvTypeList;
  ListBox SiteCodeList;
  // What the last "Complete" did, so the scorer sees that it took; cleared by the next edit.
  Label lblDone;
  Button btnSave{"Complete"};
  Button btnClear{"Clear Form"};
  Button btnHelp{"Help"};

  // The dialog holds edits that are not yet stored.
  bool Changed = false;

  void Describe(FormLayout& form) override;
  void FormShow() override;
  bool FormCloseQuery() override;

  void EditChange();
  void RadioGroup1Click();
  void RadioGroup2Click();
  void RadioGroup3Click();
  void RadioGroup4Click();
  void EvTypeListClick();
  void SiteCodeListClick();
  void btnSaveClick();
  void btnClearClick();
  void btnHelpClick();

  // Stores the dialog in the tournament, checks it and reselects the current division. Answers
  // false when it stopped on a missing event type. Throws IoError from the audit log.
  bool ApplyTournamentSetup();

  // The rule set the scoring rules choice stands for (its items are not in RulesMode order).
  int ChosenRulesMode() const;

 private:
  Tournament& t_;
  Platform& p_;
  int listedRules_ = 0;  // the rule set whose event types EvTypeList shows

  void ShowValues();
  void ShowModes();
  void FillEventTypes(int rulesMode, const std::string& selectCode);
  void StoreEdits(TournamentInfo& i) const;
  void StoreRules(SettingsValues& settings);
  bool StoreEventType(Tournament::Setup& setup);
  void StoreModes(Tournament::Setup& setup) const;
  void StoreSiteCode(SettingsValues& settings) const;
  void WarnAboutSanction();
};
