#include "scoring/trick_pass_file.h"

#include <cstring>
#include <type_traits>

#include "core/file_io.h"
#include "core/text.h"

static_assert(std::is_trivially_copyable_v<TrickPassRecord>);

namespace {

constexpr std::size_t kRecordSize = sizeof(TrickPassRecord);

std::string Cut3(int v) { return std::to_string(v).substr(0, 3); }

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::string TrickRowText(const TrickRow& row) {
  if (row == TrickRow{}) return std::string(kBlankTrickRowText);
  // Points are written whole (a 4-digit trick value must come back as it was); the row still fits
  // its 30 characters.
  std::string s = row.skis.substr(0, 1) + "," + row.code.substr(0, kTrickCodeLength) + "," +
                  row.credit.substr(0, 3) + "," + std::to_string(row.points).substr(0, 5) + ",";
  if (!row.code.empty())
    s += Cut3(row.trickNumber) + "," + Cut3(row.reverseDigit) + ",";
  else
    s += ",,";
  return s;
}

TrickRow ParseTrickRowText(std::string_view text, bool* outOfRange) {
  auto f = SplitAt(text, ',');
  f.resize(std::max<std::size_t>(f.size(), 6));
  TrickRow row;
  bool bad = false;
  row.skis = f[0].empty() ? "2" : f[0].substr(0, 1);
  row.code = f[1].substr(0, kTrickCodeLength);
  row.credit = f[2].substr(0, 3);
  row.points = ReadTrickValue(f[3], kMaxTrickPoints, bad);
  row.trickNumber = ReadTrickValue(f[4], kMaxTrickNumber, bad);
  row.reverseDigit = ReadTrickValue(f[5], kMaxReverseDigit, bad);
  if (outOfRange) *outOfRange = bad;
  return row;
}

TrickPassRecord MakeTrickRecord(std::string_view key, const TrickRows& pass1, const TrickRows& pass2) {
  TrickPassRecord rec{};
  rec.key = key;
  for (int r = 1; r <= kTrickRowCount; ++r) {
    rec.pass1[static_cast<std::size_t>(r - 1)] = TrickRowText(pass1[r]);
    rec.pass2[static_cast<std::size_t>(r - 1)] = TrickRowText(pass2[r]);
  }
  rec.endMarker = kTrickEndMarker;
  return rec;
}

TrickPassRecord FirstTrickRecord() { return MakeTrickRecord(kTrickFileStartKey, TrickRows{}, TrickRows{}); }

TrickRows RecordPass(const TrickPassRecord& record, int pass) {
  const auto& texts = pass == 2 ? record.pass2 : record.pass1;
  TrickRows rows;
  for (int r = 1; r <= kTrickRowCount; ++r)
    rows[r] = ParseTrickRowText(texts[static_cast<std::size_t>(r - 1)].view());
  return rows;
}

std::string TrickPassPath(const Tournament& t) { return t.EventBase.str() + ".trk"; }

bool EventHasName(const Tournament& t) {
  const std::string name = Trim(FileNameOf(t.EventBase.view()));
  return !name.empty() && UpperCase(name) != "TALLIVAR";
}

TrickPassFile ParseTrickPassFile(std::string_view bytes, const std::string& path) {
  TrickPassFile file;
  const std::size_t whole = bytes.size() / kRecordSize;
  file.records.resize(whole);
  for (std::size_t i = 0; i < whole; ++i)
    std::memcpy(&file.records[i], bytes.data() + i * kRecordSize, kRecordSize);
  if (const std::size_t rest = bytes.size() % kRecordSize; rest != 0)
    file.damage = "The trick pass file \"" + path + "\" is damaged: it ends inside record " +
                  std::to_string(whole + 1) + " (" + std::to_string(rest) + " of " +
                  std::to_string(kRecordSize) + " bytes). The " + std::to_string(whole) +
                  " whole records before it were read.";
  // Values out of range read as 0; the first one is reported, and the file counts as damaged so that
  // it is kept aside before it is written again.
  for (std::size_t i = 0; i < whole; ++i)
    for (int pass = 1; pass <= 2; ++pass)
      for (std::size_t r = 0; r < static_cast<std::size_t>(kTrickRowCount); ++r) {
        const auto& texts = pass == 2 ? file.records[i].pass2 : file.records[i].pass1;
        bool bad = false;
        ParseTrickRowText(texts[r].view(), &bad);
        if (!bad) continue;
        if (!file.damage.empty()) file.damage += "\n";
        file.damage += "The trick pass file \"" + path + "\" is damaged: record " + std::to_string(i + 1) +
                       ", pass " + std::to_string(pass) + ", row " + std::to_string(r + 1) + " (\"" +
                       texts[r].str() + "\") holds a value out of range; it reads as 0.";
        return file;
      }
  return file;
}

std::optional<TrickPassFile> ReadTrickPassFile(FileSystem& fs, const std::string& path) {
  auto bytes = fs.ReadAll(path);
  if (!bytes) return std::nullopt;
  return ParseTrickPassFile(*bytes, path);
}

std::optional<std::size_t> FindTrickRecord(const TrickPassFile& file, std::string_view key) {
  for (std::size_t i = 0; i < file.records.size(); ++i)
    if (file.records[i].key.view() == key) return i;
  return std::nullopt;
}

void WriteTrickRecord(FileSystem& fs, Prompter& prompt, const std::string& path,
                      const TrickPassRecord& record) {
  auto file = ReadTrickPassFile(fs, path);
  if (!file) file = TrickPassFile{};
  if (!file->damage.empty()) {
    const std::string backup = path + ".damaged";
    CopyFileSafely(fs, path, backup);
    prompt.Show("The damaged trick pass file was kept as \"" + backup +
                "\"; its whole records are written back.");
  }
  if (file->records.empty()) file->records.push_back(FirstTrickRecord());
  if (auto at = FindTrickRecord(*file, record.key.view()))
    file->records[*at] = record;
  else
    file->records.push_back(record);
  std::string bytes(file->records.size() * kRecordSize, '\0');
  for (std::size_t i = 0; i < file->records.size(); ++i)
    std::memcpy(bytes.data() + i * kRecordSize, &file->records[i], kRecordSize);
  WriteFileSafely(fs, path, bytes);
}
