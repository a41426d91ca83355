#pragma once
// "Skier Entry Form": types in one skier, or changes one, on the working entry and stores it in the
// skier list.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr int kHelpEntryForm = 21;

class TfrmEntry : public DialogModel {
 public:
  enum class Mode { Add, Edit };

  TfrmEntry(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  bool FormCloseQuery() override;

  // Blank working entry, empty fields, lists refilled for the rules mode.
  void ClearStep();
  // Puts a record into the controls (edit mode, before the form is shown).
  void FillFromRecord(const TSkier& s);
  // Copies the controls into the working entry and stores it unless a blocking check failed.
  // Answers whether the entry was stored.
  bool SaveStep();
  // Adds the working entry to the list; nothing for an empty surname. Answers whether it stored.
  bool StoreStep();

  void btnSaveClick();
  void btnClearClick();
  void lbedSnameExit();
  void lbedFnameExit();
  void btnSeedsClick();
  void btnDeclaredClick();
  void btnHelpClick();
  // The declared pass dialog's caption: first name, surname, a space and the division, cut to 30.
  std::string DeclaredCaption() const;

  // Opening the seed score and declared pass dialogs on the working entry; the buttons are enabled
  // only while a hook is set.
  std::function<void()> openSeedScores;
  std::function<void()> openDeclaredRun;

  Mode mode = Mode::Add;
  bool errorFlag = false;
  TSkier backup{};

  Edit lbedFname{15}, lbedSname{15}, lbedMember{9};
  ListBox lbDivList;
  CheckBox chkSlalom, chkTrick, chkJump, chkPaid;
  Edit edBib{3};
  Button btnSave{"Complete"}, btnClear{"Clear Form"}, btnDeclared{"Declared Run", false},
      btnSeeds{"Seed Scores", false}, btnHelp{"Help"};
  ListBox lbProvList, lbFed;
  Edit edBD;
  // The division number each item of lbDivList stands for.
  std::vector<int> divisionNumbers;

 private:
  void FillLists();
  void NameCheck(Edit& field, ShortString<15>& target, const char* invalidMessage);
  void StoreBackup();
  void RemoveStored(const TSkier& stored);

  Tournament& t_;
  Platform& p_;
  std::optional<TSkier> lastStored_;  // what an edit stored since the form was shown
};
