#pragma once
// The state of a dialog's controls in plain types. A view binds real widgets to these; a test sets
// them the way a person would type or click.
#include <array>
#include <string>
#include <utility>
#include <vector>

struct Edit {
  std::string text;
  int maxLength = 0;   // 0 = no limit
  std::string mask;    // a picture like "##.##"; empty = free text
  bool red = false;    // shown in red (a time out of tolerance)
  bool enabled = true;
  bool readOnly = false;
  bool visible = true;
  bool focus = false;  // the model asks for the focus here
  Edit() = default;
  explicit Edit(int maxLen) : maxLength(maxLen) {}
  Edit(int maxLen, std::string pictureMask) : maxLength(maxLen), mask(std::move(pictureMask)) {}
  void SetText(std::string s) {
    if (maxLength > 0 && static_cast<int>(s.size()) > maxLength) s.resize(static_cast<std::size_t>(maxLength));
    text = std::move(s);
  }
};

struct ListBox {
  std::vector<std::string> items;
  int itemIndex = -1;  // -1 = nothing selected
  bool enabled = true;
  bool fixedPitch = false;
  bool focus = false;  // the model asks for the focus here
  bool selected() const { return itemIndex >= 0 && itemIndex < static_cast<int>(items.size()); }
  std::string current() const { return selected() ? items[static_cast<std::size_t>(itemIndex)] : std::string(); }
  void Clear() {
    items.clear();
    itemIndex = -1;
  }
};

struct CheckBox {
  bool checked = false;
  bool enabled = true;
};

struct RadioGroup {
  std::vector<std::string> items;
  int itemIndex = -1;
  bool enabled = true;
  std::vector<bool> itemEnabled = {};  // per item; empty or short means the rest are enabled
  bool ItemEnabled(int i) const {
    return i < 0 || i >= static_cast<int>(itemEnabled.size()) || itemEnabled[static_cast<std::size_t>(i)];
  }
};

struct CheckListBox {
  std::vector<std::string> items;
  std::vector<bool> checked;
  int itemIndex = -1;
  void Add(std::string item, bool on = false) {
    items.push_back(std::move(item));
    checked.push_back(on);
  }
  bool IsChecked(int i) const { return i >= 0 && i < static_cast<int>(checked.size()) && checked[static_cast<std::size_t>(i)]; }
};

struct StringGrid {
  int colCount = 1;
  int rowCount = 1;
  int fixedRows = 1;
  int fixedCols = 0;
  int row = 1;  // current cell
  int col = 0;
  std::vector<int> colWidths;  // in characters; empty = automatic
  std::vector<std::vector<std::string>> cells;  // cells[col][row]
  bool fixedPitch = true;
  bool focus = false;  // the model asks for the focus here
  void Resize(int cols, int rows) {
    colCount = cols;
    rowCount = rows;
    cells.assign(static_cast<std::size_t>(cols), std::vector<std::string>(static_cast<std::size_t>(rows)));
  }
  std::string& Cell(int c, int r) { return cells.at(static_cast<std::size_t>(c)).at(static_cast<std::size_t>(r)); }
  const std::string& Cell(int c, int r) const {
    return cells.at(static_cast<std::size_t>(c)).at(static_cast<std::size_t>(r));
  }
};

struct Memo {
  std::vector<std::string> lines;
  bool readOnly = true;
  bool fixedPitch = false;
};

struct Label {
  std::string caption;
};

struct Button {
  std::string caption;
  bool enabled = true;
  bool visible = true;
};

// A square of dark and light modules (a QR code) the view draws as a picture.
struct ModuleMatrix {
  int size = 0;            // modules per side; 0 draws nothing
  std::vector<bool> dark;  // size x size, row by row
  std::string text;        // what the picture says, for a screen reader and a tooltip
};

struct StatusBar {
  std::array<std::string, 3> panels;
  std::array<int, 3> widths{375, 175, 50};
};

// Keys a grid forwards to its model.
namespace keys {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Delete = 127;
}  // namespace keys
