#include "core/recovery_list.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/errors.h"
#include "core/file_io.h"

namespace {

constexpr std::string_view kHeading = "Tallivar recovery copies";
// Far more events than a scorer leaves unsaved at once; the list never grows without end.
constexpr std::size_t kMostListed = 32;

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path whole = std::filesystem::absolute(path, ec);
  return ec ? path : whole.lexically_normal().string();
}

void Write(FileSystem& fs, const std::string& listPath, const std::vector<std::string>& copies) {
  if (copies.empty()) {
    fs.Remove(listPath);
    return;
  }
  std::string text(kHeading);
  text += "\n";
  for (const std::string& c : copies) text += c + "\n";
  WriteFileSafely(fs, listPath, text);
}

}  // namespace

std::string RecoveryListPath(const Tournament& t) {
  return (t.SettingsDir.empty() ? std::string(".") : t.SettingsDir) + "/recovery.list";
}

std::vector<std::string> ReadRecoveryList(FileSystem& fs, const std::string& listPath) {
  std::optional<std::string> bytes;
  try {
    if (fs.Kind(listPath) != FileKind::Regular) return {};
    bytes = fs.ReadAll(listPath);
  } catch (const IoError&) {
    return {};
  }
  if (!bytes) return {};
  std::vector<std::string> lines = SplitLines(*bytes);
  if (lines.empty() || lines[0] != kHeading) return {};
  lines.erase(lines.begin());
  std::erase_if(lines, [](const std::string& l) { return l.empty(); });
  return lines;
}

void ListRecoveryCopy(FileSystem& fs, const std::string& listPath, const std::string& copy) {
  std::vector<std::string> copies = ReadRecoveryList(fs, listPath);
  const std::string path = Absolute(copy);
  if (std::find(copies.begin(), copies.end(), path) != copies.end()) return;
  copies.push_back(path);
  if (copies.size() > kMostListed) copies.erase(copies.begin(), copies.end() - kMostListed);
  Write(fs, listPath, copies);
}

void UnlistRecoveryCopy(FileSystem& fs, const std::string& listPath, const std::string& copy) {
  std::vector<std::string> copies = ReadRecoveryList(fs, listPath);
  if (std::erase(copies, Absolute(copy)) == 0) return;
  Write(fs, listPath, copies);
}
