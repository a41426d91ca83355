#pragma once
// A toolkit-free description of a dialog's face: which controls it has, their captions, their order
// (which is also the tab order) and which handler each event runs. The desktop layer builds real
// widgets from it; tests can walk it to find a control by caption.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"

struct FormItem {
  enum class Kind { Label, Edit, ListBox, CheckBox, RadioGroup, CheckListBox, Grid, Memo, Button, Column };
  FormItem(Kind k, std::string c, void* ctl) : kind(k), caption(std::move(c)), control(ctl) {}
  Kind kind;
  std::string caption;  // the label in front of it, the check box text, the group or button caption
  void* control = nullptr;
  std::function<void()> onExit;         // leaving an edit
  std::function<void()> onClick;        // button press, list or radio choice, check box toggle
  std::function<void()> onDoubleClick;  // list boxes
  std::function<void()> onChange;       // every edit change
  std::function<void(int key)> onKey;   // grid: a typed character or a key of keys::
  std::function<void()> onSelect;       // grid: the current cell changed (grid.row/col already set)
  bool isDefault = false;               // a button that Enter presses
  bool isCancel = false;                // a button that Escape presses
  int minWidth = 0;                     // in characters
  int minHeight = 0;                    // in lines
};

class FormLayout {
 public:
  std::vector<FormItem> items;

  FormLayout& AddLabel(Label& l) { return Add(FormItem(FormItem::Kind::Label, l.caption, &l)); }
  FormLayout& AddLabel(const std::string& text) {
    FormItem i{FormItem::Kind::Label, text, nullptr};
    return Add(std::move(i));
  }
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
  FormLayout& AddButton(Button& b, std::function<void()> onClick, bool isDefault = false, bool isCancel = false) {
    FormItem i{FormItem::Kind::Button, b.caption, &b};
    i.onClick = std::move(onClick);
    i.isDefault = isDefault;
    i.isCancel = isCancel;
    return Add(std::move(i));
  }
  // Starts a new column of controls to the right of the previous ones.
  FormLayout& NewColumn() { return Add(FormItem(FormItem::Kind::Column, "", nullptr)); }

  const FormItem* Find(const std::string& caption) const {
    for (const auto& i : items)
      if (i.caption == caption) return &i;
    return nullptr;
  }

 private:
  FormLayout& Add(FormItem i) {
    items.push_back(std::move(i));
    return *this;
  }
};
