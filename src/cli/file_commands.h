#pragma once
// The commands that work on an event's files: `export`, `results-page` and `check`.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/session.h"

struct FileCommands {
  OutputArguments exportArgs;  // the kind of export file and the event
  std::string eventFile, target;
  CLI::App* pageCommand = nullptr;
  CLI::App* checkCommand = nullptr;
};

void AddFileCommands(CLI::App& app, FileCommands& a);

// Runs the command the line chose; nullopt when it chose none of these.
std::optional<int> RunFileCommand(const FileCommands& a, Session& s);
