#include "results/export_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/event_files.h"
#include "core/text.h"

std::string ExportFixed(double value, int width, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  const double scale = std::pow(10.0, decimals);
  double r = std::round(value * scale) / scale;
  if (!std::isfinite(r)) r = value;  // too large to scale: nothing left to round
  if (r == 0.0) r = 0.0;             // no "-0.00"
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return RightAlign("0", width);  // beyond any score; keeps the column
  return RightAlign(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)), width);
}

std::string PlaceField(int place, int width) {
  if (place < 1) return std::string(static_cast<std::size_t>(std::max(width, 0)), ' ');
  return IntField(place, width);
}

std::string PlaceOrEmpty(int place) { return place < 1 ? std::string() : std::to_string(place); }

std::string ExportSurname(std::string_view surname) {
  std::string s;
  for (char c : surname)
    if (c != '*') s.push_back(c);
  return s;
}

std::string ExportFirstName(std::string_view firstName) {
  std::string s(firstName);
  for (std::size_t i = 1; i < s.size(); ++i)
    if (s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
  return s;
}

std::string FitLeft(std::string_view text, int width) {
  return PadRight(text.substr(0, static_cast<std::size_t>(std::max(width, 0))), width);
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string JoinFields(const std::vector<std::string>& fields, char separator) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) out.push_back(separator);
    for (char c : fields[i]) out.push_back(c == separator || c == '\r' || c == '\n' ? ' ' : c);
  }
  return out;
}

std::vector<const TSkier*> DivisionByOverall(const Tournament& t, int division) {
  std::vector<const TSkier*> list;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division == division) list.push_back(&s);
  });
  std::stable_sort(list.begin(), list.end(),
                   [](const TSkier* a, const TSkier* b) { return a->OverallScore > b->OverallScore; });
  return list;
}

std::string ExportBaseName(const Tournament& t) {
  if (!t.EventBase.empty()) return t.EventBase.str();
  return EventBaseOf(t.EventFile.view());
}
