#pragma once
// The file system of the machine, through POSIX calls.
#include "platform/file_system.h"

class PosixFileSystem : public FileSystem {
 public:
  int OpenForWrite(const std::string& path) override;
  int OpenReplacement(const std::string& temp, const std::string& target) override;
  int OpenForAppend(const std::string& path) override;
  void Write(int handle, std::string_view bytes) override;
  void Sync(int handle) override;
  void Close(int handle) override;
  void Rename(const std::string& from, const std::string& to) override;
  void SyncFolder(const std::string& folder) override;
  void Remove(const std::string& path) override;
  bool Exists(const std::string& path) override;
  FileKind Kind(const std::string& path) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  std::optional<std::int64_t> ModifiedTime(const std::string& path) override;
  std::optional<std::int64_t> Size(const std::string& path) override;
  int OpenNew(const std::string& path) override;
  void MakeFolder(const std::string& path) override;
  std::vector<std::string> ListFolder(const std::string& path) override;
  void RemoveFolder(const std::string& path) override;
  std::string FollowLinks(const std::string& path) override;
  int OpenStream(const std::string& path) override;
};
