#pragma once
// The real file system, except that the n-th step (counting from 1) throws IoError. Steps are every
// open, write, flush, close, rename, folder flush and delete.
#include <string>

#include "core/errors.h"
#include "core/posix_file_system.h"

class FaultyFileSystem : public PosixFileSystem {
 public:
  int failAt = 0;  // 0 = never
  int steps = 0;

  int OpenForWrite(const std::string& p) override { return Step("open"), PosixFileSystem::OpenForWrite(p); }
  int OpenForAppend(const std::string& p) override { return Step("open"), PosixFileSystem::OpenForAppend(p); }
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

 private:
  void Step(const char* what) {
    ++steps;
    if (failAt > 0 && steps == failAt) throw IoError(std::string("injected failure at ") + what);
  }
};
