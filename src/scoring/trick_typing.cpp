#include "scoring/trick_typing.h"

#include <string_view>

namespace {

void RecheckLaterRows(TrickRows& rows, int r, const TrickRules& rules) {
  for (int i = r + 1; i <= kTrickRowCount; ++i)
    if (!rows[i].code.empty()) RescoreRow(rows, i, rules);
}

// A fall or a horn ends the pass: nothing from row r on counts, and the later credits are
// emptied (fall) or become "OC" (horn) up to the first row that had no credit.
void EndPass(TrickRows& rows, int r, const char* credit, const char* laterCredit) {
  rows[r].credit = credit;
  for (int i = r; i <= kTrickRowCount; ++i) rows[i].points = 0;
  for (int i = r + 1; i <= kTrickRowCount && !rows[i].credit.empty(); ++i) rows[i].credit = laterCredit;
}

void EmptyRow(TrickRow& row) {
  row.code.clear();
  row.points = 0;
  row.trickNumber = 0;
  row.reverseDigit = 0;
  row.firstDigit = 0;
}

}  // namespace

bool IsTrickCodeChar(char c) {
  return c != 0 && std::string_view("579BDFILORSTW").find(c) != std::string_view::npos;
}

void SetSkiCount(TrickRows& rows, int r, char c, const TrickRules& rules) {
  for (int i = r; i <= kTrickRowCount; ++i) {
    rows[i].skis = std::string(1, c);
    RescoreRow(rows, i, rules);
  }
}

void SetTrickCode(TrickRows& rows, int r, const std::string& code, const TrickRules& rules) {
  rows[r].code = code.substr(0, kTrickCodeLength);
  rows[r].credit = "Y";
  RescoreRow(rows, r, rules);
  RecheckLaterRows(rows, r, rules);
}

bool TypeCredit(TrickRows& rows, int r, char key, std::string& buffer, const TrickRules& rules) {
  TrickRow& row = rows[r];
  switch (key) {
    case 'F':
      EndPass(rows, r, "F", "");
      return true;
    case 'H':
      EndPass(rows, r, "H", "OC");
      return true;
    case 'R':
    case 'S':
      row.credit = std::string(1, key);
      row.points = 0;
      return true;
    case 'Y':
      row.credit = "Y";
      RescoreRow(rows, r, rules);
      RecheckLaterRows(rows, r, rules);
      return true;
    case 'N':
    case 'O':
      buffer = std::string(1, key);
      row.credit = buffer;
      return true;
    case 'C':
    case 'D': {
      const bool started = buffer == "N" || buffer == "O";
      row.credit = (buffer + key).substr(0, 3);
      if (started && (row.credit == "NC" || row.credit == "OC" || row.credit == "OS" || row.credit == "ND"))
        row.points = 0;
      return true;
    }
    default:
      return false;
  }
}

void InsertTrickRow(TrickRows& rows, int r) {
  if (r < 1 || r > kTrickRowCount) return;
  for (int i = kTrickRowCount; i > r; --i) rows[i] = rows[i - 1];
  EmptyRow(rows[r]);
  rows[r].credit.clear();
}

void DeleteTrickRow(TrickRows& rows, int r) {
  if (r < 1 || r > kTrickRowCount) return;
  for (int i = r; i < kTrickRowCount; ++i) rows[i] = rows[i + 1];
  const std::string skis = rows[kTrickRowCount - 1].skis;
  EmptyRow(rows[kTrickRowCount]);
  rows[kTrickRowCount].skis = skis;
  rows[kTrickRowCount].credit = "Y";
}
