#pragma once
// One line of the trick table of the settings file, such as "2S,1,0,1,20": the key (ski count and
// trick code), the first digit, the reverse rule digit, the trick number and the points.
#include <string>

struct TrickTableEntry {
  std::string line;  // the line as read, at most 20 characters
  std::string key;   // at most 10 characters
  int firstDigit = 0;
  int reverseDigit = 0;  // 0..5: where the reverse of this trick may stand
  int trickNumber = 0;   // equal numbers are the same trick for repeats and reverse pairs
  int points = 0;
  std::string fault;  // which value was out of range (it reads as 0); empty for a sound line
};
