#include "core/tie_order_file.h"

#include <algorithm>
#include <cstdio>

#include "core/divisions.h"
#include "core/event_files.h"
#include "core/file_io.h"

namespace {

constexpr std::string_view kFirstLine = "Tallivar tie order 1";

bool NeedsEscape(unsigned char c) { return c < 32 || c == 127 || c == '\\' || c == '['; }

std::string Escaped(std::string_view name) {
  std::string out;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (!NeedsEscape(u)) {
      out += c;
      continue;
    }
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\x%02X", u);
    out += buf;
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescaped(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 3 >= text.size()) return false;
    if (text[i + 1] != 'x' || HexDigit(text[i + 2]) < 0 || HexDigit(text[i + 3]) < 0) return false;
    out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
    i += 3;
  }
  return true;
}

// "[W J 2]": a division code, an event letter and a round.
bool ReadSectionLine(std::string_view line, TieKey& key) {
  if (line.size() < 7 || line.front() != '[' || line.back() != ']') return false;
  line = line.substr(1, line.size() - 2);
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos || line.size() != space + 4 || line[space + 2] != ' ') return false;
  const auto division = FindDivision(line.substr(0, space));
  const char event = line[space + 1];
  const char round = line[space + 3];
  if (!division || (event != 'S' && event != 'T' && event != 'J') || round < '1' || round > '4') return false;
  key = TieKey{*division, event, round - '0'};
  return true;
}

bool ReadNameLine(std::string_view line, TieName& name) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) return false;
  return Unescaped(line.substr(0, tab), name.surname) && Unescaped(line.substr(tab + 1), name.firstName) &&
         !name.surname.empty();
}

}  // namespace

std::string TieOrderPath(const std::string& eventBase) { return eventBase + ".ties"; }

std::string TieOrderText(const TieOrders& ties) {
  std::string out = std::string(kFirstLine) + "\r\n";
  for (const auto& [key, names] : ties.orders) {
    if (names.empty()) continue;
    out += "[" + DivisionCode(key.division) + " " + key.event + " " + std::to_string(key.round) + "]\r\n";
    for (const TieName& n : names) out += Escaped(n.surname) + "\t" + Escaped(n.firstName) + "\r\n";
  }
  return out;
}

bool ParseTieOrderText(std::string_view text, TieOrders& out, std::string& why) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty() || lines[0] != kFirstLine) {
    why = "it does not begin with \"" + std::string(kFirstLine) + "\"";
    return false;
  }
  TieOrders read;
  std::vector<TieName>* section = nullptr;
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (line.empty()) continue;
    TieKey key;
    TieName name;
    if (ReadSectionLine(line, key)) {
      section = &read.orders[key];
    } else if (section && ReadNameLine(line, name)) {
      // A name twice keeps its first place, the one every list showed.
      if (std::find(section->begin(), section->end(), name) == section->end()) section->push_back(name);
    } else {
      why = "line " + std::to_string(n + 1) + " does not read";
      return false;
    }
  }
  std::erase_if(read.orders, [](const auto& entry) { return entry.second.empty(); });
  out = std::move(read);
  return true;
}

TieOrders ReadTieOrderFile(FileSystem& fs, const std::string& path, std::string& notice) {
  TieOrders ties;
  auto bytes = fs.ReadAll(path);
  if (!bytes) return ties;
  std::string why;
  if (!ParseTieOrderText(*bytes, ties, why))
    notice = "The tie order file \"" + path + "\" is damaged: " + why +
             ". Finalists tied in round 1 are drawn again; the damaged file is kept as \"" +
             DamagedCopyPath(path) + "\" when the event is next saved.";
  return ties;
}

void WriteTieOrderFile(FileSystem& fs, const std::string& path, const TieOrders& ties) {
  auto old = fs.ReadAll(path);
  TieOrders readable;
  std::string why;
  if (old && !ParseTieOrderText(*old, readable, why)) WriteFileIfChanged(fs, DamagedCopyPath(path), *old);
  if (ties.orders.empty()) {
    if (old) fs.Remove(path);
    return;
  }
  WriteFileIfChanged(fs, path, TieOrderText(ties));
}
