#include "core/pdf_check.h"

#include <cctype>
#include <charconv>
#include <cstddef>

namespace {

std::string_view WithoutTrailingSpace(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// "12 0 obj": a cross-reference stream is an object where a classic table starts "xref".
bool StartsAnObject(std::string_view s) {
  for (int number = 0; number < 2; ++number) {
    const std::size_t digits = s.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || s[digits] != ' ') return false;
    s.remove_prefix(digits + 1);
  }
  return s.starts_with("obj");
}

}  // namespace

bool PdfIsComplete(std::string_view bytes) {
  if (!bytes.starts_with("%PDF-")) return false;
  const std::string_view body = WithoutTrailingSpace(bytes);
  if (!body.ends_with("%%EOF")) return false;
  const std::size_t mark = body.rfind("startxref");
  if (mark == std::string_view::npos) return false;
  std::string_view number = body.substr(mark + 9);
  while (!number.empty() && std::isspace(static_cast<unsigned char>(number.front()))) number.remove_prefix(1);
  std::size_t offset = 0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), offset);
  if (error != std::errc() || end == number.data() || offset >= mark) return false;
  const std::string_view table = bytes.substr(offset);
  return table.starts_with("xref") || StartsAnObject(table);
}
