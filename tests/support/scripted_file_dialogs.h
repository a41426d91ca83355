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
  std::optional<std::string> Open(const FileDialogSpec& request) override {
    opened.push_back(request);
    return Next(request);
  }
  std::optional<std::string> Save(const FileDialogSpec& request) override {
    saved.push_back(request);
    return Next(request);
  }

 private:
  std::optional<std::string> Next(const FileDialogSpec& request) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << request.filter;
      return std::nullopt;
    }
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};
