#include "core/text.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "core/errors.h"

std::string PadRight(std::string_view text, int width) {
  std::string s(text);
  if (static_cast<int>(s.size()) < width) s.append(width - s.size(), ' ');
  return s;
}

std::string RightAlign(std::string_view text, int width) {
  std::string s(text);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string Fixed(double value, int width, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  if (decimals < 0) decimals = 0;
  // Round half away from zero at the requested decimals, like the report fields do, and keep
  // "-0.00" from appearing. std::to_chars never follows the machine's locale.
  double scale = std::pow(10.0, decimals);
  double r = std::round(value * scale) / scale;
  if (!std::isfinite(r)) r = value;
  if (r == 0.0) r = 0.0;
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, decimals);
  return RightAlign(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)), width);
}

std::string Shortest(double value) {
  if (!std::isfinite(value) || value == 0.0) return "0";
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string s(buf, static_cast<std::size_t>(res.ptr - buf));
  if (s.find_first_of("eE") != std::string::npos) {
    // Outside the ranges scores live in; write it out plainly.
    res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 15);
    s.assign(buf, static_cast<std::size_t>(res.ptr - buf));
    if (s.find('.') != std::string::npos) {
      while (!s.empty() && s.back() == '0') s.pop_back();
      if (!s.empty() && s.back() == '.') s.pop_back();
    }
  }
  return s;
}

std::string IntField(long long value, int width) { return RightAlign(std::to_string(value), width); }

bool IsPlausibleNumber(double value) { return std::isfinite(value) && std::fabs(value) < kFileNumberLimit; }

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimRight(std::string_view text) {
  std::size_t e = text.size();
  while (e > 0 && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  return std::string(text.substr(0, e));
}

static bool ParseNumber(std::string_view text, double& out) {
  std::string t = Trim(text);
  if (t.empty()) return false;
  const char* b = t.data();
  const char* e = t.data() + t.size();
  // One sign at most: "+-40" is no number, whatever from_chars would make of the rest.
  if (*b == '+' && e - b > 1 && b[1] != '-' && b[1] != '+') ++b;
  // Only plain decimal numbers: digits, one point, an optional sign and exponent.
  for (const char* p = b; p < e; ++p) {
    char c = *p;
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == 'e' || c == 'E' ||
          c == '+'))
      return false;
  }
  auto [ptr, ec] = std::from_chars(b, e, out, std::chars_format::general);
  if (ec != std::errc() || ptr != e) return false;
  return std::isfinite(out);
}

double ToNumber(std::string_view text) {
  double v = 0;
  if (!ParseNumber(text, v)) throw ConversionError("'" + std::string(text) + "' is not a valid number");
  return v;
}

int ToInteger(std::string_view text) {
  std::string t = Trim(text);
  const char* b = t.data();
  const char* e = t.data() + t.size();
  if (b != e && *b == '+' && e - b > 1 && b[1] != '-' && b[1] != '+') ++b;
  int v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (t.empty() || ec != std::errc() || ptr != e)
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  return v;
}

double ToNumberOr(std::string_view text, double fallback) {
  double v = 0;
  return ParseNumber(text, v) ? v : fallback;
}

int ToIntegerOr(std::string_view text, int fallback) {
  try {
    return ToInteger(text);
  } catch (const ConversionError&) {
    return fallback;
  }
}

std::string UpperCase(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) { return UpperCase(a) == UpperCase(b); }

std::string Columns(std::string_view line, int from, int to) {
  if (from < 1) from = 1;
  if (to < from || static_cast<std::size_t>(from) > line.size()) return {};
  std::size_t start = static_cast<std::size_t>(from - 1);
  std::size_t count = static_cast<std::size_t>(to - from + 1);
  return std::string(line.substr(start, count));
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == separator)
      out.emplace_back();
    else
      out.back().push_back(c);
  }
  return out;
}

std::string Utf8FromWindows1252(std::string_view bytes) {
  // Bytes 0x80..0x9F; 0 where the code page leaves the byte undefined (kept as its own code point).
  static constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                         0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    char32_t u = b;
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) u = kHigh[b - 0x80];
    if (u < 0x80) {
      out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (u >> 6)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (u >> 12)));
      out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return out;
}
