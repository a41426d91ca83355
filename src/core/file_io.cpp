#include "core/file_io.h"

#include <filesystem>

#include "core/errors.h"

std::string TempNameFor(const std::string& path) { return path + ".tmp~"; }

std::string FolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

namespace {

// The plain file that writing `path` replaces: a symbolic link stays a link and the file it points to
// is replaced. Anything else but a plain file is left as it is: renaming a file over a FIFO or a
// device (as root, over /dev/null) would put an ordinary file in its place.
std::string PlainFileBehind(FileSystem& fs, const std::string& path) {
  switch (fs.Kind(path)) {
    case FileKind::Missing:
    case FileKind::Regular:
      return fs.FollowLinks(path);
    case FileKind::Folder:
      throw IoError("it is a folder");
    default:
      throw IoError("it is not a plain file (a FIFO or device is never replaced by a file)");
  }
}

void CloseQuietly(FileSystem& fs, int h) {
  try {
    fs.Close(h);
  } catch (const IoError&) {
  }
}

}  // namespace

void WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes) {
  std::string target, temp;
  int h = -1;
  try {
    target = PlainFileBehind(fs, path);
    temp = TempNameFor(target);
    h = fs.OpenReplacement(temp, target);
    fs.Write(h, bytes);
    fs.Sync(h);
    int closing = h;
    h = -1;
    fs.Close(closing);
    fs.Rename(temp, target);
  } catch (const IoError& e) {
    if (h >= 0) CloseQuietly(fs, h);
    try {
      if (!temp.empty()) fs.Remove(temp);
    } catch (const IoError&) {
    }
    throw IoError("Could not write \"" + path + "\": " + e.what());
  }
  try {
    fs.SyncFolder(FolderOf(target));
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
      CloseQuietly(fs, h);
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

namespace {

// Writes into a file opened by `open`, in place (a stream or the end of the log), and closes it.
template <typename Open>
void WriteInPlace(FileSystem& fs, const std::string& path, std::string_view bytes, bool sync, Open open) {
  int h = -1;
  try {
    h = open();
    fs.Write(h, bytes);
    if (sync) fs.Sync(h);
    int closing = h;
    h = -1;
    fs.Close(closing);
  } catch (const IoError& e) {
    if (h >= 0) CloseQuietly(fs, h);
    throw IoError("Could not write \"" + path + "\": " + e.what());
  }
}

}  // namespace

void WriteToStream(FileSystem& fs, const std::string& path, std::string_view bytes) {
  // A FIFO or a device has nothing to flush to disk.
  WriteInPlace(fs, path, bytes, false, [&] { return fs.OpenStream(path); });
}

void AppendToFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  WriteInPlace(fs, path, bytes, true, [&] { return fs.OpenForAppend(path); });
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
