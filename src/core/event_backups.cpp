#include "core/event_backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/tie_order_file.h"

namespace {

// "2026-12-08_16-05-03": digits where the time's digits are, the separators in between.
bool IsSetName(const std::string& name) {
  static const std::string pattern = "dddd-dd-dd_dd-dd-dd";
  if (name.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (pattern[i] == 'd' ? name[i] < '0' || name[i] > '9' : name[i] != pattern[i]) return false;
  return true;
}

// The files that hold the scorer's work; the rest of the family is made from them at each save.
std::vector<NamedBytes> FamilyAsSaved(FileSystem& fs, const std::string& eventFile) {
  const std::string base = EventBaseOf(eventFile);
  std::vector<NamedBytes> files;
  for (const std::string& path :
       {eventFile, base + ".ttl", base + ".sch", base + ".trk", base + ".ofc", TieOrderPath(base)})
    if (auto bytes = fs.ReadAll(path))
      files.emplace_back(std::filesystem::path(path).filename().string(), *bytes);
  return files;
}

bool SetHolds(FileSystem& fs, const std::string& set, const std::vector<NamedBytes>& files) {
  if (fs.ListFolder(set).size() != files.size()) return false;
  for (const auto& [name, bytes] : files) {
    auto kept = fs.ReadAll(set + "/" + name);
    if (!kept || *kept != bytes) return false;
  }
  return true;
}

std::vector<std::string> SetsOldestFirst(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> sets;
  for (const std::string& name : fs.ListFolder(folder))
    if (IsSetName(name)) sets.push_back(name);
  std::sort(sets.begin(), sets.end());  // the names sort as their times do
  return sets;
}

}  // namespace

std::string BackupsFolderOf(const std::string& eventFile) { return EventBaseOf(eventFile) + ".backups"; }

std::string BackupSetName(const DateTime& d) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", d.year, d.month, d.day, d.hour, d.minute,
                d.second);
  return text;
}

void WriteBackupSet(FileSystem& fs, const std::string& eventFile, const DateTime& now) {
  const std::string folder = BackupsFolderOf(eventFile);
  const std::vector<NamedBytes> files = FamilyAsSaved(fs, eventFile);
  std::vector<std::string> sets = SetsOldestFirst(fs, folder);
  // A save that changed nothing would push an older version out for a copy of the newest.
  if (!sets.empty() && SetHolds(fs, folder + "/" + sets.back(), files)) return;
  fs.MakeFolder(folder);
  const std::string name = BackupSetName(now);
  WriteFolderSafely(fs, folder + "/" + name, files);
  if (std::find(sets.begin(), sets.end(), name) == sets.end()) sets.push_back(name);
  std::sort(sets.begin(), sets.end());
  for (std::size_t i = 0; i + kKeptBackupSets < sets.size(); ++i) {
    try {
      RemoveFolderAndFiles(fs, folder + "/" + sets[i]);
    } catch (const IoError&) {
      // An old set someone put more in stays: the new set is written, and that is what counts.
    }
  }
}
