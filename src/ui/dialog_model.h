#pragma once
// The base of every dialog model: a caption, a description of its controls, and a way to ask to be
// closed. It knows nothing of any toolkit.
#include <string>

#include "ui/dialog_host.h"
#include "ui/form_layout.h"

class DialogModel {
 public:
  explicit DialogModel(std::string caption) : caption_(std::move(caption)) {}
  virtual ~DialogModel() = default;
  DialogModel(const DialogModel&) = delete;
  DialogModel& operator=(const DialogModel&) = delete;

  const std::string& caption() const { return caption_; }
  // The controls, in tab order, with their handlers.
  virtual void Describe(FormLayout& form) = 0;
  // Runs once before the dialog is shown.
  virtual void FormShow() {}
  // The user closes the window (title bar or Escape); answers whether it may close.
  virtual bool FormCloseQuery() { return true; }

  void Close() { closeRequested_ = true; }
  bool closeRequested() const { return closeRequested_; }
  void ResetClose() { closeRequested_ = false; }

 protected:
  std::string caption_;

 private:
  bool closeRequested_ = false;
};
