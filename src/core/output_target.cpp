#include "core/output_target.h"

#include <filesystem>
#include <system_error>

#include "core/audit_log.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/recovery_file.h"
#include "core/settings_file.h"

namespace {

namespace fsys = std::filesystem;

// One name for a file however it is reached: its links followed, made absolute, "." and ".." and
// linked folders resolved. A file not yet written still gets the name it will have.
fsys::path Identity(FileSystem& fs, const std::string& path) {
  std::string followed = path;
  try {
    followed = fs.FollowLinks(path);
  } catch (const IoError&) {
    // A link that cannot be followed is compared by its own name.
  }
  std::error_code ec;
  fsys::path name = fsys::weakly_canonical(fsys::absolute(followed, ec), ec);
  return ec ? fsys::path(followed).lexically_normal() : name;
}

// Whether `path`, whose Identity is `name`, is the file `other` or a hard link to it.
bool SameFile(FileSystem& fs, const fsys::path& name, const std::string& path, const std::string& other) {
  if (Identity(fs, other) == name) return true;
  std::error_code ec;
  return fsys::equivalent(path, other, ec) && !ec;
}

}  // namespace

std::vector<ProtectedFile> ProtectedFiles(const Tournament& t) {
  std::vector<ProtectedFile> files;
  for (const std::string& settings : {SettingsPath(t), SettingsBackupPath(t)})
    files.push_back({settings, "the settings file \"" + settings + "\""});
  if (t.EventFile.empty()) return files;
  const std::string event = t.EventFile.str();
  std::vector<std::string> paths = EventDataFiles(event, EventBaseOf(event));
  paths.push_back(AuditLogPath(t));
  paths.push_back(RecoveryPathOfEvent(event));
  for (const std::string& path : paths) files.push_back({path, "the event's file \"" + path + "\""});
  return files;
}

std::optional<std::string> RefusedOutputTarget(FileSystem& fs, const std::vector<ProtectedFile>& files,
                                               const std::string& target) {
  const fsys::path name = Identity(fs, target);
  for (const ProtectedFile& file : files)
    if (SameFile(fs, name, target, file.path))
      return "\"" + target + "\" is " + file.what + ": an output never replaces it. Choose another name.";
  return std::nullopt;
}

void WriteOutputFile(FileSystem& fs, const std::vector<ProtectedFile>& files, const std::string& target,
                     std::string_view bytes) {
  if (auto refusal = RefusedOutputTarget(fs, files, target)) throw IoError(*refusal);
  if (fs.Kind(target) == FileKind::Stream)
    WriteToStream(fs, target, bytes);
  else
    WriteFileSafely(fs, target, bytes);
}

void WriteOutputFile(FileSystem& fs, const Tournament& t, const std::string& target, std::string_view bytes) {
  WriteOutputFile(fs, ProtectedFiles(t), target, bytes);
}

void WriteOutputFileIfChanged(FileSystem& fs, const Tournament& t, const std::string& target,
                              const std::string& bytes) {
  if (fs.Kind(target) != FileKind::Regular) return WriteOutputFile(fs, t, target, bytes);
  if (auto refusal = RefusedOutputTarget(fs, ProtectedFiles(t), target)) throw IoError(*refusal);
  WriteFileIfChanged(fs, target, bytes);
}
