#pragma once
// Safe writing: a file is written to a temporary file in the same folder, flushed to disk, renamed
// over the old one and the folder flushed, so at every instant either the old or the new complete
// file exists. The new file keeps the permissions of the one it replaces, and the temporary file of
// a failed write is removed. Every failure throws IoError naming the file and the reason.
// A symbolic link stays a link: the file it points to is replaced. A folder, FIFO or device is never
// replaced by a file: writing one throws.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

std::string TempNameFor(const std::string& path);
std::string FolderOf(const std::string& path);
void WriteFileSafely(FileSystem& fs, const std::string& path, std::string_view bytes);
// Writes the bytes to an existing FIFO or character device as they come, without a temporary file.
void WriteToStream(FileSystem& fs, const std::string& path, std::string_view bytes);
// Copies `from` to `to` the same safe way; nothing when `from` does not exist (a file that cannot be
// read throws). Answers whether it copied.
bool CopyFileSafely(FileSystem& fs, const std::string& from, const std::string& to);
// A file's name and its bytes.
using NamedBytes = std::pair<std::string, std::string>;
// Writes a new folder of files the same safe way: the files go into a temporary folder beside it,
// each flushed, and the folder is renamed into place, so it is either there whole or not at all. A
// folder of that name that is there already is replaced. A failure throws IoError and leaves no
// temporary folder.
void WriteFolderSafely(FileSystem& fs, const std::string& folder, const std::vector<NamedBytes>& files);
// Removes a folder with the files in it; nothing when it is missing.
void RemoveFolderAndFiles(FileSystem& fs, const std::string& folder);
// Appends bytes and flushes them (the audit log).
void AppendToFile(FileSystem& fs, const std::string& path, std::string_view bytes);
// Splits a text into lines at LF, CR LF or CR; a final line without an end is kept.
std::vector<std::string> SplitLines(std::string_view text);
