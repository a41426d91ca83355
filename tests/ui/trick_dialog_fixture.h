#pragma once
// An event with a name, a settings file holding the small test trick table, and a skier in the
// edit record, for the trick dialogs' tests.
#include <gtest/gtest.h>

#include <string>

#include "core/divisions.h"
#include "core/file_io.h"
#include "scoring/trick_test_table.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/controls.h"

struct TrickDialogTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  const std::string key = "AnnLAKE OW";

  TrickDialogTest() {
    t.SettingsDir = dir.path();
    t.EventBase = dir.file("Nats");
    t.CurDivision = FindDivision("OW").value();
    t.CurRound = 2;
    t.Working = MakeSkier(t, "LAKE", "Ann", t.CurDivision, "T");
    std::string ini;
    for (const auto& l : TrickTestLines()) ini += l + "\r\n";
    WriteFileSafely(tp.fs, dir.file("TALLIVAR.INI"), ini);
  }
  std::string TrickFile() const { return dir.file("Nats.trk"); }
};

// Clicks a cell of the grid and types the keys into it.
template <typename Dialog>
void TypeInto(Dialog& m, int row, int col, const std::string& keysTyped) {
  m.TGrid1.row = row;
  m.TGrid1.col = col;
  m.TGrid1Click();
  for (char c : keysTyped) m.TGrid1KeyPress(c);
}

// Types one code per row, starting at row 1.
template <typename Dialog>
void TypeCodes(Dialog& m, std::initializer_list<const char*> codes) {
  int r = 1;
  for (const char* c : codes) TypeInto(m, r++, 2, c);
}
