#pragma once
// A toolkit-free description of a dialog's face: which controls it has, their captions, their order
// (which is also the tab order), which handler each event runs, and how they are arranged: columns,
// titled groups, tables of controls (row captions x column captions) and buttons with a role. The
// desktop layer builds real widgets from it; tests can walk it to find a control by caption.
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ui/controls.h"

// The control an item shows; the alternative says which kind, so a mismatch does not compile.
using ControlRef = std::variant<std::monostate, Label*, Edit*, ListBox*, CheckBox*, RadioGroup*,
                                CheckListBox*, StringGrid*, Memo*, Button*, ModuleMatrix*>;

// What a button does for the dialog as a whole; it decides where the button stands (the button box
// at the foot of the dialog, in the platform's order) and which key presses it.
enum class ButtonRole {
  Other,   // an action of its own; kept in its group, or beside the box's buttons
  Accept,  // Enter presses it (OK, Complete, Save)
  Reject,  // Escape presses it (Close)
  Help,    // F1 presses it
};

struct FormItem {
  enum class Kind {
    Label,
    Edit,
    ListBox,
    CheckBox,
    RadioGroup,
    CheckListBox,
    Grid,
    Memo,
    Button,
    Matrix,
    Column,  // the next items start a new column to the right
    Group,   // a titled group; the items up to the matching EndGroup are inside it
    EndGroup,
    Table,  // a table of controls; the items up to EndTable fill it row by row
    EndTable,
  };
  FormItem(Kind k, std::string c, ControlRef ctl = {}) : kind(k), caption(std::move(c)), control(ctl) {}
  Kind kind;
  std::string caption;  // the label in front of it, the check box text, the group or button caption
  ControlRef control;
  std::string name;               // the control's name (edPass): the widget's object and accessible name
  std::function<void()> onExit;   // leaving an edit
  std::function<void()> onClick;  // button press, list or radio choice, check box toggle
  std::function<void()> onDoubleClick;  // list boxes
  std::function<void()> onChange;       // every edit change
  std::function<void(int key)> onKey;   // grid: a typed character or a key of keys::
  std::function<void()> onSelect;       // grid: the current cell changed (grid.row/col already set)
  bool isDefault = false;               // a button that Enter presses
  bool isCancel = false;                // a button that Escape presses
  ButtonRole role = ButtonRole::Other;
  int minWidth = 0;                      // in characters; 0 = from the mask, the length or the items
  int minHeight = 0;                     // in lines; for lists the most lines shown before scrolling
  bool fixedPitch = false;               // labels: a heading in the fixed-pitch font of the list below
  std::vector<int> headingColumns{0};    // such a heading's words stand above these characters of the lines
  int beside = 0;                        // this many following items stand in this item's row
  std::vector<std::string> rowCaptions;  // tables
  std::vector<std::string> columnCaptions;  // tables
  // Items that only arrange others: they carry no control and run no handler.
  bool structural() const {
    return kind == Kind::Column || kind == Kind::Group || kind == Kind::EndGroup || kind == Kind::Table ||
           kind == Kind::EndTable;
  }
};

class FormLayout {
 public:
  std::vector<FormItem> items;

  FormLayout& AddLabel(Label& l) { return Add(FormItem(FormItem::Kind::Label, l.caption, &l)); }
  FormLayout& AddLabel(const std::string& text) { return Add(FormItem(FormItem::Kind::Label, text)); }
  FormLayout& AddEdit(const std::string& caption, Edit& e, std::function<void()> onExit = {},
                      std::function<void()> onChange = {}) {
    FormItem i{FormItem::Kind::Edit, caption, &e};
    i.onExit = std::move(onExit);
    i.onChange = std::move(onChange);
    return Add(std::move(i));
  }
  FormLayout& AddList(const std::string& caption, ListBox& l, std::function<void()> onClick = {},
                      std::function<void()> onDoubleClick = {}, int minHeight = 0) {
    FormItem i{FormItem::Kind::ListBox, caption, &l};
    i.onClick = std::move(onClick);
    i.onDoubleClick = std::move(onDoubleClick);
    i.minHeight = minHeight;
    return Add(std::move(i));
  }
  FormLayout& AddCheck(const std::string& caption, CheckBox& c, std::function<void()> onClick = {}) {
    FormItem i{FormItem::Kind::CheckBox, caption, &c};
    i.onClick = std::move(onClick);
    return Add(std::move(i));
  }
  FormLayout& AddRadio(const std::string& caption, RadioGroup& g, std::function<void()> onClick = {}) {
    FormItem i{FormItem::Kind::RadioGroup, caption, &g};
    i.onClick = std::move(onClick);
    return Add(std::move(i));
  }
  FormLayout& AddCheckList(const std::string& caption, CheckListBox& c, std::function<void()> onClick = {}) {
    FormItem i{FormItem::Kind::CheckListBox, caption, &c};
    i.onClick = std::move(onClick);
    return Add(std::move(i));
  }
  FormLayout& AddGrid(const std::string& caption, StringGrid& g, std::function<void(int)> onKey = {},
                      std::function<void()> onSelect = {}) {
    FormItem i{FormItem::Kind::Grid, caption, &g};
    i.onKey = std::move(onKey);
    i.onSelect = std::move(onSelect);
    return Add(std::move(i));
  }
  FormLayout& AddMemo(const std::string& caption, Memo& m, int minWidth = 60, int minHeight = 20) {
    FormItem i{FormItem::Kind::Memo, caption, &m};
    i.minWidth = minWidth;
    i.minHeight = minHeight;
    return Add(std::move(i));
  }
  // A picture of modules, `modulePixels` wide each on the screen, keeping room for a square of
  // `reservedModules` so the dialog does not jump when the picture comes and goes.
  FormLayout& AddMatrix(const std::string& caption, ModuleMatrix& m, int modulePixels, int reservedModules) {
    FormItem i{FormItem::Kind::Matrix, caption, &m};
    i.minWidth = modulePixels;
    i.minHeight = reservedModules;
    return Add(std::move(i));
  }
  // A button by its role: where it stands and which key presses it.
  FormLayout& AddButton(Button& b, std::function<void()> onClick, ButtonRole role) {
    FormItem i{FormItem::Kind::Button, b.caption, &b};
    i.onClick = std::move(onClick);
    i.role = role;
    i.isDefault = role == ButtonRole::Accept;
    i.isCancel = role == ButtonRole::Reject;
    return Add(std::move(i));
  }
  // The older form: Enter and Escape buttons by flag; a "Help" button takes the help role.
  FormLayout& AddButton(Button& b, std::function<void()> onClick, bool isDefault = false,
                        bool isCancel = false) {
    ButtonRole role = isDefault             ? ButtonRole::Accept
                      : isCancel            ? ButtonRole::Reject
                      : b.caption == "Help" ? ButtonRole::Help
                                            : ButtonRole::Other;
    AddButton(b, std::move(onClick), role);
    items.back().isDefault = isDefault;
    items.back().isCancel = isCancel;
    return *this;
  }
  // Starts a new column of controls to the right of the previous ones (inside the open group, if any).
  FormLayout& NewColumn() { return Add(FormItem(FormItem::Kind::Column, "")); }
  // A titled group box; captioned controls inside stand beside their captions, buttons stay in it.
  FormLayout& BeginGroup(const std::string& caption = "") {
    return Add(FormItem(FormItem::Kind::Group, caption));
  }
  FormLayout& EndGroup() { return Add(FormItem(FormItem::Kind::EndGroup, "")); }
  // A table of controls under a title: the next rows x columns items fill it row by row, each row
  // under its caption at the left and each column under its caption at the top.
  FormLayout& BeginTable(const std::string& caption, std::vector<std::string> rows,
                         std::vector<std::string> columns) {
    FormItem i{FormItem::Kind::Table, caption};
    i.rowCaptions = std::move(rows);
    i.columnCaptions = std::move(columns);
    return Add(std::move(i));
  }
  FormLayout& EndTable() { return Add(FormItem(FormItem::Kind::EndTable, "")); }

  // Modifiers of the item added last.
  FormLayout& Name(std::string controlName) {
    items.back().name = std::move(controlName);
    return *this;
  }
  FormLayout& Width(int chars) {
    items.back().minWidth = chars;
    return *this;
  }
  FormLayout& Lines(int lines) {
    items.back().minHeight = lines;
    return *this;
  }
  // The next `count` items stand to the right of this one, in its row and under its caption (a
  // label followed by check boxes, an edit followed by its button).
  FormLayout& Beside(int count) {
    items.back().beside = count;
    return *this;
  }
  // A label that heads the fixed-pitch list below it, in the list's font: with one column its text
  // starts above that character of the list's lines; with more, its words (parted by " - " or by
  // blanks) stand above them one by one, so each heads its column. Headings that follow each other
  // share one row.
  FormLayout& Heading(std::vector<int> columns = {0}) {
    items.back().fixedPitch = true;
    items.back().headingColumns = std::move(columns);
    return *this;
  }

  const FormItem* Find(const std::string& caption) const {
    for (const auto& i : items)
      if (!i.structural() && i.caption == caption) return &i;
    return nullptr;
  }
  const FormItem* FindName(const std::string& controlName) const {
    for (const auto& i : items)
      if (i.name == controlName) return &i;
    return nullptr;
  }

 private:
  FormLayout& Add(FormItem i) {
    items.push_back(std::move(i));
    return *this;
  }
};
