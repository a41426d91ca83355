#include "core/file_io.h"

#include <filesystem>

#include "core/errors.h"

std::string TempNameFor(const std::string& path) { return path + ".tmp~"; }

std::string FolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

void WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string temp = TempNameFor(path);
  int h = -1;
  try {
    h = fs.OpenReplacement(temp, path);
    fs.Write(h, bytes);
    fs.Sync(h);
    int closing = h;
    h = -1;
    fs.Close(closing);
    fs.Rename(temp, path);
  } catch (const IoError& e) {
    if (h >= 0) {
      try {
        fs.Close(h);
      } catch (const IoError&) {
      }
    }
    try {
      fs.Remove(temp);
    } catch (const IoError&) {
    }
    throw IoError("Could not write \"" + path + "\": " + e.what());
  }
  try {
    fs.SyncFolder(FolderOf(path));
  } catch (const IoError& e) {
    throw IoError("Could not write \"" + path + "\": " + e.what());
  }
}

bool CopyFileSafely(FileSystem& fs, const std::string& from, const std::string& to) {
  auto bytes = fs.ReadAll(from);
  if (!bytes) return false;
  WriteFileSafely(fs, to, *bytes);
  return true;
}

void AppendToFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  int h = -1;
  try {
    h = fs.OpenForAppend(path);
    fs.Write(h, bytes);
    fs.Sync(h);
    int closing = h;
    h = -1;
    fs.Close(closing);
  } catch (const IoError& e) {
    if (h >= 0) {
      try {
        fs.Close(h);
      } catch (const IoError&) {
      }
    }
    throw IoError("Could not write \"" + path + "\": " + e.what());
  }
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string cur;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}
