#pragma once
// File dialogs answered from a script; every dialog shown is recorded.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogSpec> opened, saved;

  ScriptedFileDialogs& Then(std::optional<std::string> a) {
    answers.push_back(std::move(a));
    return *this;
  }
  std::optional<std::string> Open(const FileDialogSpec& spec) override {
    opened.push_back(spec);
    return Next(spec);
  }
  std::optional<std::string> Save(const FileDialogSpec& spec) override {
    saved.push_back(spec);
    return Next(spec);
  }

 private:
  std::optional<std::string> Next(const FileDialogSpec& spec) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << spec.filter;
      return std::nullopt;
    }
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};
