#pragma once
// File-open and file-save dialogs with a filter, a default extension and a preset name.
#include <optional>
#include <string>

struct FileDialogSpec {
  std::string title;
  // Pairs of description and pattern separated by "|": "Tallivar Event Data (*.dat)|*.dat".
  std::string filter;
  std::string defaultExt;  // without the dot, added when the chosen name has none
  std::string presetName;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> Open(const FileDialogSpec& request) = 0;
  virtual std::optional<std::string> Save(const FileDialogSpec& request) = 0;
};
