#include "cli/output_help.h"

#include <algorithm>
#include <sstream>

#include "cli/arguments.h"

namespace {

constexpr std::size_t kColumn = 24;

void Row(std::ostream& out, const std::string& left, const std::string& right, std::size_t width) {
  out << "  " << left << std::string(width > left.size() ? width - left.size() : 1, ' ') << right << '\n';
}

std::string OptionLeft(const OutputOption& o) {
  return "--" + o.name + (o.value.empty() ? "" : " " + o.value);
}

// The lines every command that writes a file shares.
void WriteTargetRows(std::ostream& out, OutputKind kind) {
  if (kind == OutputKind::Report) {
    Row(out, "-o, --output FILE", "write the report's lines to FILE (default -, standard output)", kColumn);
    Row(out, "--pdf FILE", "write the printed pages to the PDF file FILE instead", kColumn);
  } else if (kind == OutputKind::Form) {
    Row(out, "--pdf FILE", "the PDF file to write (needed)", kColumn);
  }
  Row(out, "--settings FILE", "read the settings from FILE (default ./TALLIVAR.INI)", kColumn);
}

}  // namespace

std::string OutputList(OutputKind kind) {
  const auto entries = CatalogueOf(kind);
  std::size_t width = 0;
  for (const auto* e : entries) width = std::max(width, e->name.size());
  std::ostringstream out;
  for (const auto* e : entries)
    out << e->name << std::string(width + 2 - e->name.size(), ' ') << e->description << '\n';
  return out.str();
}

std::string OutputHelp(const ReportEntry& entry) {
  std::ostringstream out;
  out << "tallivar " << CommandOf(entry.kind) << ' ' << entry.name << ": " << entry.description << ".\n\n"
      << "Usage: tallivar " << CommandOf(entry.kind) << ' ' << entry.name
      << OutputCommandOf(entry.kind).usageTail << "\n\n";
  if (entry.kind == OutputKind::Export) {
    out << "Writes the file as the Results menu does, to FILE (- for standard output).\n";
  } else {
    if (std::none_of(entry.options.begin(), entry.options.end(),
                     [](const std::string& o) { return IsSelectionOption(o); }))
      out << "It is the same whatever the current division, event and round.\n\n";
    out << "Options:\n";
    for (const auto& option : OutputOptions()) {
      if (!entry.Takes(option.name)) continue;
      // A form is for its own event unless the line sets another (which it then refuses).
      const bool formEvent = entry.kind == OutputKind::Form && option.name == "event";
      const std::string help =
          formEvent ? "the current event: S, T or J (default the form's own)" : option.help;
      Row(out, OptionLeft(option), entry.Needs(option.name) ? help + " (needed)" : help, kColumn);
    }
    WriteTargetRows(out, entry.kind);
  }
  return out.str();
}

std::string CommandHelp(OutputKind kind) {
  std::ostringstream out;
  const std::string command = CommandOf(kind);
  const OutputCommand& words = OutputCommandOf(kind);
  out << "Usage: tallivar " << command << ' ' << words.placeholder << words.usageTail << "\n";
  if (kind == OutputKind::Report) out << "       tallivar report --list\n";
  out << "       tallivar " << command << ' ' << words.placeholder << " --help\n\n";
  switch (kind) {
    case OutputKind::Report:
      out << "Writes a report of the event, as the desktop prints it, to standard output or a file.\n"
             "Each report reads the options its help names. The reports:\n\n";
      break;
    case OutputKind::Form:
      out << "Writes a judging form to a PDF file: blank, or filled in with the current division's\n"
             "skiers of the form's event in start order. The forms:\n\n";
      break;
    case OutputKind::Export:
      out << "Writes a results export file, the same bytes as the Results menu writes. The kinds:\n\n";
      break;
  }
  std::istringstream list(OutputList(kind));
  for (std::string line; std::getline(list, line);) out << "  " << line << '\n';
  return out.str();
}

std::string ProgramHelp() {
  std::ostringstream out;
  out << "Tallivar scores water-ski tournaments. Without arguments it opens its window; with a\n"
         "command it works on an event file (EVENT.dat) from the terminal.\n\n"
         "Usage: tallivar COMMAND ... [--settings FILE]\n\n"
         "Commands:\n";
  const std::size_t width = 30;
  Row(out, "report NAME EVENT.dat", "write a report (tallivar report --list names them)", width);
  Row(out, "judging-sheet FORM EVENT.dat", "write a judging form to a PDF file", width);
  std::string kinds;
  for (const auto* e : CatalogueOf(OutputKind::Export)) kinds += (kinds.empty() ? "" : ", ") + e->name;
  Row(out, "export KIND EVENT.dat FILE", "write a results export file: " + kinds, width);
  Row(out, "results-page EVENT.dat FILE", "write the provisional results page (HTML)", width);
  Row(out, "check EVENT.dat", "check every file of the event and say what is damaged", width);
  Row(out, "serve EVENT.dat", "serve the live results to phones (--port N, --listen ADDRESS)", width);
  out << "\nOptions:\n";
  Row(out, "--settings FILE", "read the settings from FILE (default ./TALLIVAR.INI)", width);
  Row(out, "-h, --help", "this help; COMMAND --help and report NAME --help tell more", width);
  Row(out, "--version", "the program's version", width);
  out << "\nA FILE of - is standard output. Messages go to standard error. Exit status: 0 done,\n"
         "1 failed (the message says why), 2 wrong arguments.\n";
  return out.str();
}

std::string UsageSynopsis() {
  std::string kinds;
  for (const auto* e : CatalogueOf(OutputKind::Export)) kinds += (kinds.empty() ? "" : "|") + e->name;
  return "Usage: tallivar report NAME EVENT.dat [options] [-o FILE | --pdf FILE]\n"
         "       tallivar report --list\n"
         "       tallivar judging-sheet FORM EVENT.dat [options] --pdf FILE\n"
         "       tallivar export " +
         kinds +
         " EVENT.dat FILE\n"
         "       tallivar results-page EVENT.dat FILE\n"
         "       tallivar check EVENT.dat\n"
         "       tallivar serve EVENT.dat [--port N] [--listen ADDRESS]\n"
         "       tallivar --help | --version\n";
}
