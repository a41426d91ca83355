#pragma once
// Reads an event's audit log back as its entries, each without the time stamp in front of it.
#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> AuditEntries(const std::string& logPath) {
  constexpr std::size_t kStampLength = 21;  // "dd/mm/yyyy, hh:nn:ss "
  std::vector<std::string> entries;
  std::ifstream in(logPath, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    entries.push_back(line.size() >= kStampLength ? line.substr(kStampLength) : line);
  }
  return entries;
}
