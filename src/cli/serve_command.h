#pragma once
// `tallivar serve EVENT.dat [--port N] [--listen ADDRESS]`: the live results of an event for the
// phones on the shore, following every save of the event until Ctrl+C or SIGTERM.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/session.h"

struct ServeCommand {
  CLI::App* command = nullptr;
  std::string eventFile;
  std::string listen = "127.0.0.1";
  int port = 8080;
};

void AddServeCommand(CLI::App& app, ServeCommand& a);

// Runs the command when the line chose it; nullopt otherwise.
std::optional<int> RunServeCommand(const ServeCommand& a, Session& s);
