#include "ui/trick_pass_editor.h"

#include <cctype>

#include "core/divisions.h"
#include "core/event_files.h"
#include "scoring/trick_pass_file.h"
#include "scoring/trick_typing.h"
#include "ui/controls.h"

namespace {
constexpr std::size_t kCodeListSize = 230;

char Upper(int key) { return static_cast<char>(std::toupper(static_cast<unsigned char>(key))); }
}  // namespace

void TrickPassEditor::Start() {
  p_.prompt.ShowEach(ReadTrickTable(t_, p_.fs).messages);
  Load();
}

void TrickPassEditor::Load() {
  rows = TrickRows{};
  stored[0] = stored[1] = TrickRows{};
  found = false;
  unsavedRows = false;
  buffer.clear();
  auto file = ReadTrickPassFile(p_.fs, TrickPassPath(t_));
  if (!file) return;
  if (!file->damage.empty()) p_.prompt.Show(file->damage);
  auto at = FindTrickRecord(*file, skierKey.view());
  if (!at) {
    p_.prompt.Show("No previous trick pass found..press a key");
    return;
  }
  found = true;
  stored[0] = RecordPass(file->records[*at], 1);
  stored[1] = RecordPass(file->records[*at], 2);
  rows = stored[pass - 1];
}

std::vector<std::string> TrickPassEditor::CodeList() const {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < t_.TrickTable.size() && i < kCodeListSize; ++i)
    out.push_back(TrickCodeListText(t_.TrickTable[i]));
  return out;
}

void TrickPassEditor::Changed() {
  unsavedRows = true;
  t_.ResultTyped();
}

bool TrickPassEditor::SkisKey(int r, char key) {
  if (key != '1' && key != '2') return false;
  SetSkiCount(rows, r, key, Rules());
  Changed();
  return true;
}

bool TrickPassEditor::CodeKey(int r, int key, bool backspaceEdits) {
  if (key == keys::Backspace && backspaceEdits) {
    if (!buffer.empty()) buffer.pop_back();
  } else if (IsTrickCodeChar(Upper(key))) {
    if (static_cast<int>(buffer.size()) < kTrickCodeLength) buffer.push_back(Upper(key));
  } else {
    return false;
  }
  SetTrickCode(rows, r, buffer, Rules());
  Changed();
  return true;
}

bool TrickPassEditor::CreditKey(int r, int key) {
  if (key == keys::Backspace) {
    if (!buffer.empty()) buffer.pop_back();
    return false;
  }
  if (!TypeCredit(rows, r, Upper(key), buffer, Rules())) return false;
  Changed();
  return true;
}

void TrickPassEditor::Insert(int r) {
  InsertTrickRow(rows, r);
  Changed();
}

void TrickPassEditor::Delete(int r) {
  DeleteTrickRow(rows, r);
  Changed();
}

void TrickPassEditor::SwitchPass() {
  pass = pass == 1 ? 2 : 1;
  Load();
}

bool TrickPassEditor::Write() {
  if (!EventHasName(t_)) {
    p_.prompt.Show("Skier data must be previously saved!");
    return false;
  }
  RequireOwnEventFiles(t_);
  WriteTrickRecord(p_.fs, p_.prompt, TrickPassPath(t_),
                   MakeTrickRecord(skierKey.view(), PassRows(1), PassRows(2)));
  stored[pass - 1] = rows;
  found = true;
  unsavedRows = false;
  return true;
}

std::string TrickPassEditor::SkierTitle() const {
  const TSkier& s = t_.Working;
  return s.FirstName.str() + " " + s.Surname.str() + "   Division " + DivisionCode(s.Division);
}
