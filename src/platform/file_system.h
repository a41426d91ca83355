#pragma once
// The file system, as a few small steps. Every write of the program goes through these steps, so a
// test can make any one of them fail. Each step throws IoError with the path and the system's reason.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What is at a path once its symbolic links are followed, told without opening it: a FIFO or a
// device must never be opened for reading, as the read would wait for a writer that never comes,
// and never replaced by a plain file when written. Stream: a FIFO or a character device.
enum class FileKind { Missing, Regular, Folder, Stream, Other };

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
  // What is at the path (a symbolic link counts as what it points to); a path that cannot be looked
  // at throws IoError.
  virtual FileKind Kind(const std::string& path) = 0;
  // The whole file, or nothing when there is no file at the path. A file that is there but cannot
  // be read (permissions, a folder, a FIFO or device, an I/O error) throws IoError naming it and
  // the reason: it must never be taken for a missing one, and what is not a regular file is never
  // read at all.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // When the file was last written, in nanoseconds of the system clock; nothing when there is no
  // file at the path or it cannot be looked at.
  virtual std::optional<std::int64_t> ModifiedTime(const std::string& path) = 0;
  // The size in bytes, or nothing when there is no file at the path or it cannot be looked at.
  virtual std::optional<std::int64_t> Size(const std::string& path) = 0;
  // Creates a file that must not exist yet, in one step no other program can come between (a lock
  // file); answers -1 when something is at the path already.
  virtual int OpenNew(const std::string& path) = 0;
  // Creates a folder; no error when it is there already.
  virtual void MakeFolder(const std::string& path) = 0;
  // The names in a folder, "." and ".." left out; none when there is no folder at the path.
  virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
  // Removes an empty folder; no error when it is missing.
  virtual void RemoveFolder(const std::string& path) = 0;
  // The path with every symbolic link at its end followed: the file that writing the path changes.
  // The file itself need not exist (a link may point to a file not yet written).
  virtual std::string FollowLinks(const std::string& path) = 0;
  // Opens an existing FIFO or character device for writing, without creating or truncating it. A
  // FIFO that no program reads fails at once instead of waiting for a reader.
  virtual int OpenStream(const std::string& path) = 0;
};
