#pragma once
// The rows of both passes of one skier as the trick pass and declared pass dialogs edit them: the
// current pass as typed, the other pass as it was read, the typing buffer, the file record.
#include <string>
#include <vector>

#include "core/short_string.h"
#include "core/tournament.h"
#include "scoring/trick_credit.h"
#include "ui/platform.h"

class TrickPassEditor {
 public:
  TrickPassEditor(Tournament& t, Platform& p, bool declared) : t_(t), p_(p), declared_(declared) {}

  int pass = 1;  // the current pass, 1 or 2
  ShortString<30> skierKey;
  TrickRows rows;            // the current pass as typed
  TrickRows stored[2];       // both passes as they were read (or last written)
  bool found = false;        // the skier's record is in the file
  bool unsavedRows = false;  // typed rows not yet written to the file
  std::string buffer;        // what has been typed into the current cell

  // Empties the rows, reads the trick table and loads the skier's record.
  void Start();
  // Rows of pass 1 or 2: the typed rows for the current pass, the stored ones for the other.
  const TrickRows& PassRows(int n) const { return n == pass ? rows : stored[n - 1]; }
  std::vector<std::string> CodeList() const;
  // The skier the passes belong to, as the dialog shows it: "Anna SMITH   Division W".
  std::string SkierTitle() const;

  // Keys typed into a cell of row r; false when the key does nothing.
  bool SkisKey(int r, char key);
  bool CodeKey(int r, int key, bool backspaceEdits);
  bool CreditKey(int r, int key);
  void Insert(int r);
  void Delete(int r);
  // Switches to the other pass and loads it again.
  void SwitchPass();
  // Writes the skier's record; false (after saying why) when the event has no file name yet.
  bool Write();

 private:
  void Load();
  TrickRules Rules() const { return TrickRules{t_.TrickTable, pass, &stored[0], declared_}; }
  void Changed();

  Tournament& t_;
  Platform& p_;
  bool declared_;
};
