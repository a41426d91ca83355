#pragma once
// `tallivar judging-sheet FORM EVENT.dat [--blank] [--division CODE] [--event S|T|J] --pdf FILE`:
// the drawn judging forms, blank or seeded with a division's skiers, written to a PDF file.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/session.h"

struct SheetCommand {
  OutputArguments args;
  std::string pdf;
};

void AddSheetCommand(CLI::App& app, SheetCommand& a);

// Runs the command when the line chose it; nullopt otherwise.
std::optional<int> RunSheetCommand(const SheetCommand& a, Session& s);
