#pragma once
// The real file system, except that the n-th step (counting from 1) throws IoError. Steps are every
// open, write, flush, close, rename, folder flush, delete and making or deleting a folder. Reads are
// not steps; a path listed in `unreadable` is there but cannot be read, as a file without read
// permission would be.
#include <set>
#include <string>

#include "core/errors.h"
#include "core/posix_file_system.h"

class FaultyFileSystem : public PosixFileSystem {
 public:
  int failAt = 0;  // 0 = never
  int steps = 0;
  std::set<std::string> unreadable;

  int OpenForWrite(const std::string& p) override { return Step("open"), PosixFileSystem::OpenForWrite(p); }
  int OpenReplacement(const std::string& temp, const std::string& target) override {
    return Step("open"), PosixFileSystem::OpenReplacement(temp, target);
  }
  int OpenForAppend(const std::string& p) override { return Step("open"), PosixFileSystem::OpenForAppend(p); }
  int OpenStream(const std::string& p) override { return Step("open"), PosixFileSystem::OpenStream(p); }
  void Write(int h, std::string_view b) override {
    Step("write");
    PosixFileSystem::Write(h, b);
  }
  void Sync(int h) override {
    Step("flush");
    PosixFileSystem::Sync(h);
  }
  void Close(int h) override {
    Step("close");
    PosixFileSystem::Close(h);
  }
  void Rename(const std::string& a, const std::string& b) override {
    Step("rename");
    PosixFileSystem::Rename(a, b);
  }
  void SyncFolder(const std::string& f) override {
    Step("folder flush");
    PosixFileSystem::SyncFolder(f);
  }
  void Remove(const std::string& p) override {
    Step("delete");
    PosixFileSystem::Remove(p);
  }
  int OpenNew(const std::string& p) override { return Step("open"), PosixFileSystem::OpenNew(p); }
  void MakeFolder(const std::string& p) override {
    Step("make folder");
    PosixFileSystem::MakeFolder(p);
  }
  void RemoveFolder(const std::string& p) override {
    Step("delete folder");
    PosixFileSystem::RemoveFolder(p);
  }
  bool Exists(const std::string& p) override { return unreadable.count(p) > 0 || PosixFileSystem::Exists(p); }
  FileKind Kind(const std::string& p) override {
    const FileKind kind = PosixFileSystem::Kind(p);
    return kind == FileKind::Missing && unreadable.count(p) ? FileKind::Regular : kind;
  }
  std::optional<std::string> ReadAll(const std::string& p) override {
    if (unreadable.count(p)) throw IoError("Cannot read \"" + p + "\": Permission denied (injected)");
    return PosixFileSystem::ReadAll(p);
  }

 private:
  void Step(const char* what) {
    ++steps;
    if (failAt > 0 && steps == failAt) throw IoError(std::string("injected failure at ") + what);
  }
};
