#pragma once
// `tallivar report NAME EVENT.dat [options] [-o FILE | --pdf FILE]` and `tallivar report --list`.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/session.h"

struct ReportCommand {
  OutputArguments args;
  std::string output = kStandardOutput, pdf;
  bool list = false;
};

void AddReportCommand(CLI::App& app, ReportCommand& a);

// Runs the command when the line chose it; nullopt otherwise.
std::optional<int> RunReportCommand(const ReportCommand& a, Session& s);
