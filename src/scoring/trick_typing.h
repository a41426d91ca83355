#pragma once
// What a key typed into the trick pass grid does to the rows of the pass.
#include <string>

#include "scoring/trick_credit.h"

// The characters trick codes are made of.
bool IsTrickCodeChar(char c);

// Ski count c ("1" or "2") for row r and every later row, each scored again.
void SetSkiCount(TrickRows& rows, int r, char c, const TrickRules& rules);
// Code of row r with credit "Y", scored; every later row with a code is checked again.
void SetTrickCode(TrickRows& rows, int r, const std::string& code, const TrickRules& rules);
// A key of the credit column (already upper-cased). `buffer` is the typing buffer of the cell.
// Answers false for a key that does nothing.
bool TypeCredit(TrickRows& rows, int r, char key, std::string& buffer, const TrickRules& rules);

// Rows r..29 move down one place (row 30 is lost); row r is emptied but keeps its ski count.
void InsertTrickRow(TrickRows& rows, int r);
// Rows after r move up one place; row 30 becomes an empty row with row 29's ski count.
void DeleteTrickRow(TrickRows& rows, int r);
