#pragma once
// `--settings FILE`: the logic knows the settings file only as TALLIVAR.INI of its folder, so the
// command line reads that name through to the file the user named; everything else goes to the
// file system as it is.
#include <string>

#include "platform/file_system.h"

class SettingsRedirect : public FileSystem {
 public:
  SettingsRedirect(FileSystem& fs, std::string settingsPath, std::string file)
      : fs_(fs), settingsPath_(std::move(settingsPath)), file_(std::move(file)) {}

  int OpenForWrite(const std::string& path) override { return fs_.OpenForWrite(path); }
  int OpenReplacement(const std::string& temp, const std::string& target) override {
    return fs_.OpenReplacement(temp, target);
  }
  int OpenForAppend(const std::string& path) override { return fs_.OpenForAppend(path); }
  void Write(int handle, std::string_view bytes) override { fs_.Write(handle, bytes); }
  void Sync(int handle) override { fs_.Sync(handle); }
  void Close(int handle) override { fs_.Close(handle); }
  void Rename(const std::string& from, const std::string& to) override { fs_.Rename(from, to); }
  void SyncFolder(const std::string& folder) override { fs_.SyncFolder(folder); }
  void Remove(const std::string& path) override { fs_.Remove(path); }
  bool Exists(const std::string& path) override { return fs_.Exists(Read(path)); }
  std::optional<std::string> ReadAll(const std::string& path) override { return fs_.ReadAll(Read(path)); }
  std::optional<std::int64_t> ModifiedTime(const std::string& path) override {
    return fs_.ModifiedTime(Read(path));
  }

 private:
  const std::string& Read(const std::string& path) const { return path == settingsPath_ ? file_ : path; }

  FileSystem& fs_;
  std::string settingsPath_, file_;
};
