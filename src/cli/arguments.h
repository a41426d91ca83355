#pragma once
// The arguments every output command shares, registered from the catalogue: the output's name,
// the event file, the current selection and the options the outputs of its kind take.
#include <CLI/CLI.hpp>
#include <map>
#include <optional>
#include <string>

#include "cli/session.h"
#include "printing/report_catalogue.h"

struct OutputArguments {
  CLI::App* command = nullptr;
  OutputKind kind = OutputKind::Report;
  std::string name, eventFile;
  SelectionArgs selection;
  std::map<std::string, std::string> values;  // catalogue options that take a value
  std::map<std::string, bool> flags;          // catalogue options that are flags
};

// How the command line names the outputs of a kind: its command ("report", "judging-sheet",
// "export"), the word for the output's name in a synopsis, and what follows it there.
struct OutputCommand {
  const char* name;
  const char* placeholder;
  const char* usageTail;
};
const OutputCommand& OutputCommandOf(OutputKind kind);
inline const char* CommandOf(OutputKind kind) { return OutputCommandOf(kind).name; }

// Adds NAME and EVENT (both needed unless `optionalName`), the selection and the catalogue's
// options of the kind to the command.
void AddOutputArguments(CLI::App* command, OutputArguments& a, bool optionalName = false);

// The output the line names, when it is of the command's kind; a usage message otherwise, with
// a hint when the name is an output of another command.
const ReportEntry* ChosenOutput(const OutputArguments& a, std::string& problem);

// An option given that the output does not read (the selection is always accepted).
std::optional<std::string> OptionProblem(const OutputArguments& a, const ReportEntry& entry);

// The catalogue options given, for the output's builder.
ReportOptions OptionsOf(const OutputArguments& a);

// An option or argument given an empty value ("--division ''", an empty file name), in the
// command or its parents.
std::optional<std::string> EmptyValueProblem(const CLI::App* command);
