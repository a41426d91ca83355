#include "core/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

#include "core/errors.h"

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw IoError(what + " \"" + path + "\": " + std::strerror(errno));
}

// Errors that say nothing is at the path.
bool IsAbsence(int err) { return err == ENOENT || err == ENOTDIR; }

}  // namespace

int PosixFileSystem::OpenForWrite(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail("Cannot create", path);
  return fd;
}

int PosixFileSystem::OpenReplacement(const std::string& temp, const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) {
    if (!IsAbsence(errno)) Fail("Cannot look at", target);
    return OpenForWrite(temp);
  }
  if (!S_ISREG(st.st_mode)) return OpenForWrite(temp);  // the rename will say why it cannot replace
  // A leftover temporary file may carry other permissions (or none that let us write); start anew.
  if (::unlink(temp.c_str()) != 0 && errno != ENOENT) Fail("Cannot delete", temp);
  const mode_t mode = st.st_mode & 07777;
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode | S_IWUSR);
  if (fd < 0) Fail("Cannot create", temp);
  // Exactly the old bits, whatever the process's umask: a file made read-only stays read-only.
  if (::fchmod(fd, mode) != 0) {
    int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    errno = err;
    Fail("Cannot set the permissions of", temp);
  }
  return fd;
}

int PosixFileSystem::OpenForAppend(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) Fail("Cannot open", path);
  return fd;
}

void PosixFileSystem::Write(int handle, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(handle, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(std::string("Cannot write: ") + std::strerror(errno));
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

void PosixFileSystem::Sync(int handle) {
  if (::fdatasync(handle) != 0) throw IoError(std::string("Cannot flush to disk: ") + std::strerror(errno));
}

void PosixFileSystem::Close(int handle) {
  if (::close(handle) != 0) throw IoError(std::string("Cannot close: ") + std::strerror(errno));
}

void PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) Fail("Cannot rename to", to);
}

void PosixFileSystem::SyncFolder(const std::string& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Fail("Cannot open folder", folder);
  int rc = ::fsync(fd);
  int err = errno;
  ::close(fd);
  // Some file systems cannot flush a folder; the data itself is on disk already.
  if (rc != 0 && err != EINVAL && err != ENOTSUP) {
    errno = err;
    Fail("Cannot flush folder", folder);
  }
}

void PosixFileSystem::Remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) Fail("Cannot delete", path);
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return true;
  return !IsAbsence(errno);
}

FileKind PosixFileSystem::Kind(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (IsAbsence(errno)) return FileKind::Missing;
    Fail("Cannot look at", path);
  }
  if (S_ISREG(st.st_mode)) return FileKind::Regular;
  if (S_ISDIR(st.st_mode)) return FileKind::Folder;
  if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) return FileKind::Stream;
  return FileKind::Other;  // a block device or a socket: never read, never written
}

std::optional<std::string> PosixFileSystem::ReadAll(const std::string& path) {
  // Not blocking: opening a FIFO for reading would otherwise wait for a writer. What was opened is
  // looked at before a single byte is read.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (IsAbsence(errno)) return std::nullopt;
    Fail("Cannot read", path);
  }
  std::string bytes;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    ::close(fd);
    throw IoError("Cannot read \"" + path + "\": " +
                  (folder ? "it is a folder, not a file" : "it is not a regular file (a FIFO or a device)"));
  }
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      errno = err;
      Fail("Cannot read", path);
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::optional<std::int64_t> PosixFileSystem::ModifiedTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::optional<std::int64_t> PosixFileSystem::Size(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_size);
}

int PosixFileSystem::OpenNew(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (errno == EEXIST) return -1;
    Fail("Cannot create", path);
  }
  return fd;
}

void PosixFileSystem::MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return;
  struct stat st {};
  if (errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return;
  if (errno == EEXIST) errno = ENOTDIR;
  Fail("Cannot create the folder", path);
}

std::vector<std::string> PosixFileSystem::ListFolder(const std::string& path) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) {
    if (IsAbsence(errno)) return names;
    Fail("Cannot list the folder", path);
  }
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

void PosixFileSystem::RemoveFolder(const std::string& path) {
  if (::rmdir(path.c_str()) != 0 && errno != ENOENT) Fail("Cannot delete the folder", path);
}

std::string PosixFileSystem::FollowLinks(const std::string& path) {
  std::string current = path;
  // As many links as the system itself follows before it gives up on a loop.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) Fail("Cannot follow the link", current);
    target.resize(static_cast<std::size_t>(n));
    const std::filesystem::path link(target);
    current = link.is_absolute() ? target : (std::filesystem::path(current).parent_path() / link).string();
  }
  errno = ELOOP;
  Fail("Cannot follow the link", path);
}

int PosixFileSystem::OpenStream(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENXIO) throw IoError("Cannot write to \"" + path + "\": no program is reading from it");
    Fail("Cannot open", path);
  }
  // Open without waiting for a reader, then write as any stream is written: waiting while it is full.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    int err = errno;
    ::close(fd);
    errno = err;
    Fail("Cannot open", path);
  }
  return fd;
}
