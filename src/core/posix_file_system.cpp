#include "core/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/errors.h"

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw IoError(what + " \"" + path + "\": " + std::strerror(errno));
}


}  // namespace

int PosixFileSystem::OpenForWrite(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail("Cannot create", path);
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
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::string> PosixFileSystem::ReadAll(const std::string& path) {
  if (!Exists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return ss.str();
}
