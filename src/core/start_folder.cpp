#include "core/start_folder.h"

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSettingsName = "TALLIVAR.INI";

bool SameFolder(const fs::path& a, const fs::path& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  return !ec && same;
}

bool IsRoot(const fs::path& p) {
  std::error_code ec;
  const fs::path real = fs::weakly_canonical(p, ec);
  return (ec ? p : real) == fs::path("/");
}

}  // namespace

bool IsEventsWorkingDir(const StartFolders& f) {
  std::error_code ec;
  if (fs::is_regular_file(f.workingDir / kSettingsName, ec)) return true;
  if (IsRoot(f.workingDir) || SameFolder(f.workingDir, f.home)) return false;
  return ::access(f.workingDir.c_str(), W_OK) == 0;
}

fs::path EventsFolder(const StartFolders& f) {
  std::error_code ec;
  if (!f.documents.empty() && fs::is_directory(f.documents, ec)) return f.documents / "Tallivar";
  return f.dataHome / "tallivar";
}

StartFolderChoice ChooseStartFolder(const StartFolders& f) {
  StartFolderChoice choice{f.workingDir, false, {}};
  if (IsEventsWorkingDir(f)) return choice;
  const fs::path folder = EventsFolder(f);
  if (folder.is_relative()) {
    choice.problem = "finds no home folder to keep the events in";
    return choice;
  }
  std::error_code ec;
  const bool existed = fs::is_directory(folder, ec);
  if (!existed && (!fs::create_directories(folder, ec) || ec)) {
    choice.problem = "cannot make the folder " + folder.string() + ": " + ec.message();
    return choice;
  }
  // The sample is copied only when the folder has no settings file: the scorer's own is never
  // overwritten, and without the sample the program starts on its defaults as before.
  const fs::path settings = folder / kSettingsName;
  if (!fs::exists(settings, ec) && fs::is_regular_file(f.sampleSettings, ec)) {
    fs::copy_file(f.sampleSettings, settings, ec);
    if (!ec)
      fs::permissions(settings, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    if (ec) {
      choice.problem = "cannot copy the sample settings to " + settings.string() + ": " + ec.message();
      return choice;
    }
  }
  choice.dir = folder;
  choice.created = !existed;
  return choice;
}
