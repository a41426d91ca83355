#include "cli/sheet_command.h"

#include "printing/judging_sheets.h"

void AddSheetCommand(CLI::App& app, SheetCommand& a) {
  CLI::App* command = app.add_subcommand(
      "judging-sheet", "Write a judging form to a PDF file, seeded with a division's skiers or blank");
  a.args.kind = OutputKind::Form;
  AddOutputArguments(command, a.args);
  command->add_option("--pdf", a.pdf, "The PDF file to write")->required();
}

std::optional<int> RunSheetCommand(const SheetCommand& a, Session& s) {
  if (!a.args.command->parsed()) return std::nullopt;
  std::string problem;
  const ReportEntry* entry = ChosenOutput(a.args, problem);
  if (entry)
    problem = OptionProblem(a.args, *entry).value_or(SelectionProblem(a.args.selection).value_or(""));
  if (problem.empty() && a.pdf == kStandardOutput)
    problem = "a PDF file cannot go to standard output: name a file for --pdf";
  if (!problem.empty()) return UsageError(s, problem);
  if (!s.drawn) return UsageError(s, "this program cannot write PDF files");

  const auto form = static_cast<JudgingForm>(entry->form);
  const bool blank = OptionsOf(a.args).Has("blank");
  Tournament t;
  if (!OpenSelected(s, t, a.args.eventFile, a.args.selection, JudgingFormEvent(form))) return kExitFailed;
  bool printed = false;
  const int status = WritePdfOutput(s, t, a.pdf, [&] {
    return s.drawn(a.pdf, [&](Printer& printer) {
      printed = blank ? PrintBlankForm(printer, t, form) : PrintSeededForm(printer, t, s.p, form);
      return printed;
    });
  });
  if (!printed) return kExitFailed;  // the reason was said
  return status;
}
