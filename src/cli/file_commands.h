#pragma once
// The commands that work on an event's files: `export`, `results-page` and `check`.
#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "platform/platform.h"

struct FileCommandArguments {
  std::string kind, eventFile, target;
  CLI::App* exportCommand = nullptr;
  CLI::App* pageCommand = nullptr;
  CLI::App* checkCommand = nullptr;
};

void AddFileCommands(CLI::App& app, FileCommandArguments& a);

// Runs the command the line chose; nullopt when it chose none of these.
std::optional<int> RunFileCommand(const FileCommandArguments& a, std::ostream& out, std::ostream& err,
                                  Platform& p);
