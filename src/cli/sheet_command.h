#pragma once
// `tallivar judging-sheet FORM EVENT.dat [--blank] [--division CODE] [--event S|T|J] --pdf FILE`:
// the drawn judging forms, blank or seeded with a division's skiers, written to a PDF file.
#include <CLI/CLI.hpp>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/platform.h"

// Draws a document on the printer it is given (one that writes `path`) and answers whether
// anything was printed; the writer answers an error message, empty when the file was written.
using DrawnPdfWriter =
    std::function<std::string(const std::string& path, const std::function<bool(Printer&)>& print)>;

struct SheetCommandArguments {
  std::string form, eventFile, division, event, pdf;
  int round = 0;
  bool blank = false;
  CLI::App* command = nullptr;
};

void AddSheetCommand(CLI::App& app, SheetCommandArguments& a);

// Runs the command when the line chose it; nullopt otherwise.
std::optional<int> RunSheetCommand(const SheetCommandArguments& a, std::ostream& err, Platform& p,
                                   const DrawnPdfWriter& pdf);
