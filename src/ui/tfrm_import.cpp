#include "ui/tfrm_import.h"

#include <array>

#include "core/settings_file.h"
#include "core/skier_ops.h"
#include "entries/entry_import.h"

namespace {

constexpr int kColumns = kImportFields + 1;
constexpr std::array<const char*, kColumns> kHeadings = {
    "##", "Surname", "Firstname", "YOB", "Number", "Team", "Fed", "Div", "S", "T", "J", "Ramp"};

}  // namespace

TfrmImport::TfrmImport(Tournament& t, Platform& p) : DialogModel("Skier Import"), t_(t), p_(p) {
  strGridImport.Resize(kColumns, kImportMaxRows + 1);
  strGridImport.fixedRows = 1;
  strGridImport.fixedCols = 1;
  strGridImport.colWidths = {4, 16, 16, 9, 11, 5, 5, 5, 7, 7, 7, 7};
}

void TfrmImport::Describe(FormLayout& form) {
  form.AddLabel(lblWarning).Name("lblWarning");
  form.AddGrid("", strGridImport).Name("strGridImport");
  form.BeginGroup();
  form.AddButton(
          btnGetFile, [this] { btnGetFileClick(); }, ButtonRole::Other)
      .Name("btnGetFile");
  form.EndGroup();
  form.AddButton(
          btnImport, [this] { btnImportClick(); }, ButtonRole::Accept)
      .Name("btnImport");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmImport::FormShow() {
  for (int c = 0; c < kColumns; ++c) strGridImport.Cell(c, 0) = kHeadings[static_cast<std::size_t>(c)];
  for (int r = 1; r <= kImportMaxRows; ++r) strGridImport.Cell(0, r) = std::to_string(r);
}

void TfrmImport::btnGetFileClick() {
  auto path = p_.files.Open({"Get Import File", "Skier Import Data|*.csv;*.txt", "csv", ""});
  if (!path) return;
  Outcome found;
  const bool exists = FileExists(p_.fs, *path, found);
  p_.prompt.ShowEach(found.messages);
  if (!exists) return;
  LoadFile(*path);
}

void TfrmImport::LoadFile(const std::string& path) {
  auto text = p_.fs.ReadAll(path);
  if (!text) {
    p_.prompt.Show("ERROR - \"" + path + "\" not found");
    return;
  }
  ImportFile file = ReadImportText(*text);
  for (std::size_t i = 0; i < file.rows.size(); ++i) {
    int row = static_cast<int>(i) + 1;
    for (int c = 1; c < kColumns; ++c)
      strGridImport.Cell(c, row) = file.rows[i][static_cast<std::size_t>(c - 1)];
  }
  if (file.overLimit) p_.prompt.Show("Import File Size Exceeds Maximum 300 Skiers!");
}

bool TfrmImport::RowIsBlank(int row) const {
  for (int c = 1; c < kColumns; ++c)
    if (!strGridImport.Cell(c, row).empty()) return false;
  return true;
}

void TfrmImport::btnImportClick() {
  int errors = 0;
  int imported = 0;
  // An empty grid imports nothing rather than one placeholder skier.
  bool anyRow = !RowIsBlank(1);
  for (int row = 1; anyRow && row <= kImportMaxRows; ++row) {
    if (row > 1 && strGridImport.Cell(1, row).empty()) break;
    ImportCells cells;
    for (int c = 1; c < kColumns; ++c) cells[static_cast<std::size_t>(c - 1)] = strGridImport.Cell(c, row);
    BlankWorkingRecord(t_);
    errors += FillImportedRecord(t_.Working, cells, row);
    // Stored exactly as the entry form stores a skier, so an imported skier has the division's
    // speeds and per-round divisions: without them a typed round totals 0 and exports as "XX".
    if (p_.Shown(AddWorkingRecord(t_, p_.random))) ++imported;
  }
  if (errors > 0) p_.prompt.Show(std::to_string(errors) + " errors encountered !");
  p_.prompt.Show(std::to_string(imported) + " skiers imported");
}

void TfrmImport::btnHelpClick() { p_.help.ShowTopic(kHelpImport); }
