#include "scoring/trick_credit.h"

namespace {

bool InRepeatGroup(int trickNumber, bool declared) {
  if (declared && trickNumber == 5) return true;
  return trickNumber == 12 || trickNumber == 22 || trickNumber == 27 || trickNumber == 28;
}

bool ExemptsRepeat(const std::string& credit, bool declared) {
  if (credit == "OC" || credit == "S") return true;
  return !declared && credit == "NC";
}

// Credits the official gives that take a trick's points away; a row left with no credit after a
// fall counts nothing either.
bool DeniesPoints(const std::string& credit) {
  return credit.empty() || credit == "F" || credit == "H" || credit == "R" || credit == "S" ||
         credit == "NC" || credit == "OC" || credit == "ND";
}

void Deny(TrickRow& row, const char* credit) {
  row.credit = credit;
  row.points = 0;
}

void CheckRepeats(TrickRows& rows, int r, const TrickRules& rules) {
  TrickRow& row = rows[r];
  for (int i = 1; i < r && row.credit != "REP"; ++i) {
    const TrickRow& earlier = rows[i];
    // A group trick after an exempt identical one (skipped, out of course) is still a repeat of
    // its group, so the group test is the alternative to the whole first test.
    if (earlier.skis == row.skis && earlier.code == row.code &&
        !ExemptsRepeat(earlier.credit, rules.declared)) {
      Deny(row, "REP");
    } else if (InRepeatGroup(row.trickNumber, rules.declared)) {
      if (!IsReverse(row) && earlier.trickNumber == row.trickNumber && earlier.skis == row.skis)
        Deny(row, "REP");
      else if (IsReverse(row) && rows[r - 1].credit == "REP")
        Deny(row, "REP");
    }
  }
}

void CheckReverseSequence(TrickRows& rows, int r) {
  TrickRow& row = rows[r];
  if (!IsReverse(row) || row.credit != "Y") return;
  bool allowed;
  if (row.reverseDigit % 2 == 0)
    allowed = r > 1 && rows[r - 1].trickNumber == row.trickNumber;
  else
    allowed = row.trickNumber == 5 || row.trickNumber == 12 ||
              (r > 2 && rows[r - 2].trickNumber == row.trickNumber);
  if (!allowed) Deny(row, "OS");
}

void CheckOtherPass(TrickRows& rows, int r, const TrickRules& rules) {
  if (rules.pass != 2 || !rules.pass1) return;
  TrickRow& row = rows[r];
  for (int i = 1; i <= kTrickRowCount; ++i) {
    const TrickRow& first = (*rules.pass1)[i];
    if (!first.code.empty() && first.skis == row.skis && first.code == row.code &&
        first.trickNumber == row.trickNumber) {
      Deny(row, "REP");
      return;
    }
  }
}

// A declared reverse of these tricks has a fixed value whatever the table says.
void DeclaredReverseValue(TrickRow& row) {
  if (!IsReverse(row) || row.credit != "Y") return;
  if (row.trickNumber == 5) row.points = row.skis == "1" ? 90 : 40;
  if (row.trickNumber == 12) row.points = 350;
}

}  // namespace

void ApplyCreditRules(TrickRows& rows, int r, const TrickRules& rules) {
  if (r < 1 || r > kTrickRowCount || rows[r].code.empty()) return;
  if (r == 1 && IsReverse(rows[r])) Deny(rows[r], "OS");
  if (r > 1) CheckRepeats(rows, r, rules);
  CheckReverseSequence(rows, r);
  CheckOtherPass(rows, r, rules);
  if (rules.declared) DeclaredReverseValue(rows[r]);
}

void RescoreRow(TrickRows& rows, int r, const TrickRules& rules) {
  if (r < 1 || r > kTrickRowCount) return;
  TrickRow& row = rows[r];
  if (row.credit == "REP" || row.credit == "OS") row.credit = "Y";
  LookUpTrick(rules.table, row);
  if (DeniesPoints(row.credit)) row.points = 0;
  ApplyCreditRules(rows, r, rules);
}
