#pragma once
// Text and number helpers shared by every report, file and dialog.
#include <string>
#include <string_view>
#include <vector>

// The text followed by spaces up to width; longer text is returned unchanged.
std::string PadRight(std::string_view text, int width);
// Spaces then the text, up to width; longer text is returned unchanged.
std::string RightAlign(std::string_view text, int width);
// A report field w.d: the value with `decimals` decimals, right-aligned in width, never cut.
// Always uses "." as the decimal separator.
std::string Fixed(double value, int width, int decimals);
// The shortest decimal text of a value (15 significant digits, no trailing zeros, no exponent).
std::string Shortest(double value);
// An integer right-aligned in width, never cut.
std::string IntField(long long value, int width);
// The number a text stands for; leading and trailing spaces are allowed. Throws ConversionError
// ("'abc' is not a valid number") for anything else.
double ToNumber(std::string_view text);
int ToInteger(std::string_view text);
// Like ToNumber, but gives `fallback` instead of throwing.
double ToNumberOr(std::string_view text, double fallback);
int ToIntegerOr(std::string_view text, int fallback);
// Numbers read from files must be finite and below this in size: no real score, distance, seed,
// ramp, time or point value comes near it, and it keeps every report field and sum in bounds.
inline constexpr double kFileNumberLimit = 1e6;
bool IsPlausibleNumber(double value);
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// Characters from..to (1-based, inclusive) of a line, cut at its end, like a positional read.
std::string Columns(std::string_view line, int from, int to);
// The fields of a text between separators; a text without one is a single field.
std::vector<std::string> SplitAt(std::string_view text, char separator);
// Single-byte Windows-1252 text (the program's own) as UTF-8, for a terminal or another program.
std::string Utf8FromWindows1252(std::string_view bytes);
