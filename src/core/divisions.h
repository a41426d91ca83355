#pragma once
// Division numbers and codes, the divisions each rule set offers, default boat speeds, event names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kNoDivision = 86;
inline constexpr int kDivisionCount = 87;  // 0..86

// Rule sets (RulesMode).
enum RulesModeValue : int { kZetlRules = 0, kAwsaRules = 1, kIwwfRules = 2, kAdaptedRules = 3 };

std::string DivisionCode(int number);
// Sets number to the division whose code is `code` (its first four characters, case-sensitive);
// "XX" gives 86; an unknown code leaves number unchanged.
void DivisionNumber(std::string_view code, int& number);
// The same lookup answering with an optional.
std::optional<int> FindDivision(std::string_view code);

struct OfferedDivision {
  std::string text;  // what the list shows
  int number;        // the division it stands for
};
std::vector<OfferedDivision> DivisionsOffered(int rulesMode);

// The default speed in km/h, or nullopt where the record keeps its own.
std::optional<double> DefaultSlalomSpeed(int number);
std::optional<double> DefaultJumpSpeed(int number);

// Men's divisions are even numbers up to 57; 60..72 are men, 73..85 women.
bool IsWomensDivision(int number);

std::string EventName(char event);
std::string EventName(std::string_view event);
