#include "ui/tfrm_seed_input.h"

#include <optional>
#include <string>

#include "core/errors.h"
#include "core/text.h"
#include "help/help_topics.h"

namespace {

// The shortest form, with one leading space below 10 so the number fills two integer places.
std::string TwoPlaces(double value) {
  std::string text = Shortest(value);
  return (value >= 0 && value < 10) ? " " + text : text;
}

// A blank field is 0; anything else must read as a number.
std::optional<double> FieldValue(const Edit& field) {
  std::string text = Trim(field.text);
  if (text.empty()) return 0.0;
  try {
    return ToNumber(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

TfrmSeedInput::TfrmSeedInput(Tournament& t, Platform& p) : DialogModel("Seed Score Input"), t_(t), p_(p) {
  edName.readOnly = true;
}

void TfrmSeedInput::Describe(FormLayout& form) {
  form.AddEdit("Skier Name:", edName);
  form.AddEdit("Slalom:", edSlalom, {}, [this] { edSeedChange(); });
  form.AddEdit("Tricks:", edTrick, {}, [this] { edSeedChange(); });
  form.AddEdit("Jump:", edJump, {}, [this] { edSeedChange(); });
  form.AddEdit("Ramp:", edRamp);
  form.AddButton(
      btnSave, [this] { btnSaveClick(); }, true);
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmSeedInput::FormShow() {
  const TSkier& w = t_.Working;
  edName.text = w.FirstName.str() + " " + w.Surname.str();
  edSlalom.text = TwoPlaces(w.SlalomSeed);
  edTrick.text = Shortest(w.TrickSeed);
  edJump.text = TwoPlaces(w.JumpSeed);
  edRamp.text = Shortest(w.JumpRamp[t_.Selected().ScoredRound()]);
  edSlalom.focus = true;
  changed = false;
}

bool TfrmSeedInput::Store() {
  struct Field {
    const Edit& edit;
    const char* name;
    double& target;
  };
  TSkier& w = t_.Working;
  Field fields[] = {{edSlalom, "Slalom", w.SlalomSeed},
                    {edTrick, "Tricks", w.TrickSeed},
                    {edJump, "Jump", w.JumpSeed},
                    {edRamp, "Ramp", w.JumpRamp[t_.Selected().ScoredRound()]}};
  double values[4];
  for (int i = 0; i < 4; ++i) {
    auto v = FieldValue(fields[i].edit);
    if (!v) {
      p_.prompt.Show(std::string("The ") + fields[i].name + " field \"" + fields[i].edit.text +
                     "\" is not a number. Nothing was stored.");
      return false;
    }
    values[i] = *v;
  }
  for (int i = 0; i < 4; ++i) fields[i].target = values[i];
  changed = false;
  t_.ResultTyped();
  return true;
}

void TfrmSeedInput::btnSaveClick() {
  if (Store()) Close();
}

bool TfrmSeedInput::FormCloseQuery() {
  if (!changed) return true;
  if (p_.prompt.Ask("You have unsaved data! Save Now?", "Warning!", Buttons::YesNoCancel) == Answer::Yes)
    return Store();
  return true;
}

void TfrmSeedInput::btnHelpClick() { p_.help.ShowTopic(kHelpSeeding); }
