#include "ui/quick_grids.h"

#include "core/errors.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "scoring/jump.h"
#include "scoring/slalom.h"

namespace {

bool IsDigit(int key) { return key >= '0' && key <= '9'; }
double NumberOr(const std::string& buffer, double empty, double current) {
  if (buffer.empty()) return empty;
  auto v = BufferNumber(buffer);
  return v ? *v : current;
}

}  // namespace

// Slalom.

TBasicSlalomForm::TBasicSlalomForm(Tournament& t, Platform& p)
    : QuickGrid("Slalom Scoring Input", t, p, {"Last Name", "First Name", "LastPass", "Speed", "Rope", "Total"},
                "Complete") {}

bool TBasicSlalomForm::Accepts(int col, int key) const {
  switch (col) {
    case LastPass: return key == '.' || (key >= '0' && key <= '6');
    case Speed: return IsDigit(key);
    case Rope:
    case Total: return key == '.' || IsDigit(key);
    default: return false;
  }
}

void TBasicSlalomForm::SetFromBuffer(int col) {
  TSkier& s = t_.Working;
  const int r = round();
  switch (col) {
    case LastPass: s.SlalomBuoys[r] = NumberOr(buffer(), 0, s.SlalomBuoys[r]); break;
    case Speed: s.SlalomSpeed[r] = NumberOr(buffer(), 0, s.SlalomSpeed[r]); break;
    case Rope: s.SlalomRope[r] = NumberOr(buffer(), 18.25, s.SlalomRope[r]); break;
    case Total: s.SlalomScore[r] = NumberOr(buffer(), 0, s.SlalomScore[r]); return;
    default: return;
  }
  if (auto total = ComputeSlalomTotal(t_.RulesMode(), s.Division, s.SlalomBuoys[r], s.SlalomSpeed[r], s.SlalomRope[r]))
    s.SlalomScore[r] = *total;
}

std::string TBasicSlalomForm::CellText(const TSkier& s, int col) const {
  const int r = round();
  switch (col) {
    case LastPass: return Shortest(s.SlalomBuoys[r]);
    case Speed: return Shortest(s.SlalomSpeed[r]);
    case Rope: return Shortest(s.SlalomRope[r]);
    case Total: return Shortest(s.SlalomScore[r]);
    default: return "";
  }
}

// Trick.

TfrmBasicTrick::TfrmBasicTrick(Tournament& t, Platform& p)
    : QuickGrid("Trick Scoring Input", t, p, {"Last Name", "First Name", "Pass 1", "Pass 2", "Total"}, "OK") {}

bool TfrmBasicTrick::Accepts(int col, int key) const { return col >= Pass1 && col <= Total && IsDigit(key); }

void TfrmBasicTrick::SetFromBuffer(int col) {
  TSkier& s = t_.Working;
  const int r = round();
  switch (col) {
    case Pass1: s.TrickPass1[r] = NumberOr(buffer(), 0, s.TrickPass1[r]); break;
    case Pass2: s.TrickPass2[r] = NumberOr(buffer(), 0, s.TrickPass2[r]); break;
    case Total: s.TrickScore[r] = NumberOr(buffer(), 0, s.TrickScore[r]); return;
    default: return;
  }
  s.TrickScore[r] = s.TrickPass1[r] + s.TrickPass2[r];
}

std::string TfrmBasicTrick::CellText(const TSkier& s, int col) const {
  const int r = round();
  switch (col) {
    case Pass1: return Shortest(s.TrickPass1[r]);
    case Pass2: return Shortest(s.TrickPass2[r]);
    case Total: return Shortest(s.TrickScore[r]);
    default: return "";
  }
}

// Jump.

TfrmBasicJump::TfrmBasicJump(Tournament& t, Platform& p)
    : QuickGrid("Basic Jump Input", t, p, {"Last Name", "First Name", "Jump 1", "Jump 2", "Jump 3", "Ramp", "Speed"},
                "OK") {}

bool TfrmBasicJump::Accepts(int col, int key) const {
  switch (col) {
    case Jump1:
    case Jump2:
    case Jump3:
      return key == '.' || IsDigit(key) || key == 'D' || key == 'F' || key == 'P' || key == 'd' || key == 'f' ||
             key == 'p';
    case Ramp: return key == '.' || IsDigit(key);
    case Speed: return IsDigit(key);
    default: return false;
  }
}

bool TfrmBasicJump::SpecialKey(int col, int key) {
  if (col != Speed || IsDigit(key)) return false;
  if (grid.row < 1 || grid.row > listed()) return false;
  t_.Working.JumpSpeed[round()] = 45;
  SetBuffer("");
  return true;
}

void TfrmBasicJump::SetFromBuffer(int col) {
  TSkier& s = t_.Working;
  const int r = round();
  switch (col) {
    case Jump1:
    case Jump2:
    case Jump3: {
      const int j = col - Jump1 + 1;
      if (buffer().empty()) {
        s.JumpDistance[j][r] = 0;
        break;
      }
      try {
        s.JumpDistance[j][r] = ParseJumpEntry(buffer());
      } catch (const ConversionError&) {
        // A half-typed distance such as "4.4." keeps the value it had.
      }
      break;
    }
    case Ramp: s.JumpRamp[r] = NumberOr(buffer(), r == 1 ? 0.235 : s.JumpRamp[r - 1], s.JumpRamp[r]); break;
    case Speed: s.JumpSpeed[r] = NumberOr(buffer(), 45, s.JumpSpeed[r]); break;
    default: break;
  }
}

std::string TfrmBasicJump::CellText(const TSkier& s, int col) const {
  const int r = round();
  switch (col) {
    case Jump1:
    case Jump2:
    case Jump3: return FormatJumpDistance(s.JumpDistance[col - Jump1 + 1][r]);
    case Ramp: return Shortest(s.JumpRamp[r]);
    case Speed: return Shortest(s.JumpSpeed[r]);
    default: return "";
  }
}
