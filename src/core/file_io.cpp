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

namespace {

void WriteFilesInto(FileSystem& fs, const std::string& folder, const std::vector<NamedBytes>& files) {
  for (const auto& [name, bytes] : files) {
    int h = fs.OpenForWrite(folder + "/" + name);
    try {
      fs.Write(h, bytes);
      fs.Sync(h);
    } catch (const IoError&) {
      try {
        fs.Close(h);
      } catch (const IoError&) {
      }
      throw;
    }
    fs.Close(h);
  }
}

}  // namespace

void RemoveFolderAndFiles(FileSystem& fs, const std::string& folder) {
  for (const std::string& name : fs.ListFolder(folder)) fs.Remove(folder + "/" + name);
  fs.RemoveFolder(folder);
}

void WriteFolderSafely(FileSystem& fs, const std::string& folder, const std::vector<NamedBytes>& files) {
  const std::string temp = TempNameFor(folder);
  try {
    RemoveFolderAndFiles(fs, temp);  // left by a write that was cut off
    fs.MakeFolder(temp);
    WriteFilesInto(fs, temp, files);
    fs.SyncFolder(temp);
    // A folder is renamed only over an empty one: the older folder of that name goes first.
    RemoveFolderAndFiles(fs, folder);
    fs.Rename(temp, folder);
    fs.SyncFolder(FolderOf(folder));
  } catch (const IoError& e) {
    try {
      RemoveFolderAndFiles(fs, temp);
    } catch (const IoError&) {
    }
    throw IoError("Could not write \"" + folder + "\": " + e.what());
  }
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
