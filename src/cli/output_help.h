#pragma once
// The texts a newcomer reads first: the program's help, each command's, the lists of outputs and
// the help of one output, all written from the catalogue.
#include <string>

#include "printing/report_catalogue.h"

// One output per line: its name in a column, then its description.
std::string OutputList(OutputKind kind);
// What one output writes, how to ask for it and the options it reads.
std::string OutputHelp(const ReportEntry& entry);
// The help of a command: "report", "judging-sheet" or "export" list their outputs.
std::string CommandHelp(OutputKind kind);
// `tallivar --help`.
std::string ProgramHelp();
// The short synopsis shown after a usage error.
std::string UsageSynopsis();
