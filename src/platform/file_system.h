#pragma once
// The file system, as a few small steps. Every write of the program goes through these steps, so a
// test can make any one of them fail. Each step throws IoError with the path and the system's reason.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a path names once its symbolic links are followed.
enum class FileKind { Missing, Plain, Folder, Stream, Other };  // Stream: a FIFO or character device

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual int OpenForWrite(const std::string& path) = 0;  // create or truncate
  // Creates (or truncates) `temp`, the file that will replace `target`, with the permissions
  // `target` has now, so that replacing a file never changes who may read or write it.
  virtual int OpenReplacement(const std::string& temp, const std::string& target) = 0;
  virtual int OpenForAppend(const std::string& path) = 0;  // create if missing
  virtual void Write(int handle, std::string_view bytes) = 0;
  virtual void Sync(int handle) = 0;  // data on disk
  virtual void Close(int handle) = 0;
  virtual void Rename(const std::string& from, const std::string& to) = 0;
  virtual void SyncFolder(const std::string& folder) = 0;
  virtual void Remove(const std::string& path) = 0;  // no error when missing
  // Whether something is at the path; a path that cannot be looked at counts as there, so that
  // reading it reports why.
  virtual bool Exists(const std::string& path) = 0;
  // The whole file, or nothing when there is no file at the path. A file that is there but cannot
  // be read (permissions, a folder, an I/O error) throws IoError naming it and the reason: it must
  // never be taken for a missing one.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // When the file was last written, in nanoseconds of the system clock; nothing when there is no
  // file at the path or it cannot be looked at.
  virtual std::optional<std::int64_t> ModifiedTime(const std::string& path) = 0;
  // What is at the path, links followed; a path that cannot be looked at counts as missing, so that
  // writing it reports why.
  virtual FileKind KindOf(const std::string& path) = 0;
  // The path with every symbolic link at its end followed: the file that writing the path changes.
  // The file itself need not exist (a link may point to a file not yet written).
  virtual std::string FollowLinks(const std::string& path) = 0;
  // Opens an existing FIFO or character device for writing, without creating or truncating it. A
  // FIFO that no program reads fails at once instead of waiting for a reader.
  virtual int OpenStream(const std::string& path) = 0;
};
