#pragma once
// The three quick score entry grids.
#include "ui/quick_grid.h"

class TBasicSlalomForm : public QuickGrid {
 public:
  enum Column { LastName, FirstName, LastPass, Speed, Rope, Total };
  TBasicSlalomForm(Tournament& t, Platform& p);

 protected:
  bool Accepts(int col, int key) const override;
  void SetFromBuffer(int col) override;
  std::string CellText(const TSkier& s, int col) const override;
};

class TfrmBasicTrick : public QuickGrid {
 public:
  enum Column { LastName, FirstName, Pass1, Pass2, Total };
  TfrmBasicTrick(Tournament& t, Platform& p);

 protected:
  bool Accepts(int col, int key) const override;
  void SetFromBuffer(int col) override;
  std::string CellText(const TSkier& s, int col) const override;
};

class TfrmBasicJump : public QuickGrid {
 public:
  enum Column { LastName, FirstName, Jump1, Jump2, Jump3, Ramp, Speed };
  TfrmBasicJump(Tournament& t, Platform& p);

 protected:
  bool Accepts(int col, int key) const override;
  void SetFromBuffer(int col) override;
  std::string CellText(const TSkier& s, int col) const override;
  bool SpecialKey(int col, int key) override;
};
