#include "cli/sheet_command.h"

#include <cctype>

#include "cli/command_line.h"
#include "core/divisions.h"
#include "core/event_files.h"
#include "core/output_target.h"
#include "core/settings_file.h"
#include "printing/judging_sheets.h"

void AddSheetCommand(CLI::App& app, SheetCommandArguments& a) {
  a.command = app.add_subcommand(
      "judging-sheet", "Write a judging form to a PDF file, seeded with a division's skiers or blank");
  a.command->add_option("FORM", a.form, "slalom-scoring, slalom-recap, jump-boat, jump-master or trick")
      ->required()
      ->check(CLI::IsMember(JudgingFormNames()));
  a.command->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
  a.command->add_flag("--blank", a.blank, "The blank form instead of the seeded one");
  a.command->add_option("--division", a.division,
                        "The division a seeded form is for, by its code (default M)");
  a.command->add_option("--event", a.event, "The current event: S, T or J (default: the form's)")
      ->check(CLI::IsMember({"S", "T", "J", "s", "t", "j"}));
  a.command->add_option("--round", a.round, "The current round, 1 to 4 (default 1)")->check(CLI::Range(1, 4));
  a.command->add_option("--pdf", a.pdf, "The PDF file to write")->required();
}

std::optional<int> RunSheetCommand(const SheetCommandArguments& a, std::ostream& err, Platform& p,
                                   const DrawnPdfWriter& pdf) {
  if (!a.command || !a.command->parsed()) return std::nullopt;
  const JudgingForm form = *FindJudgingForm(a.form);
  std::optional<int> division;
  if (!a.division.empty() && !(division = FindDivision(a.division))) {
    err << "tallivar: there is no division \"" << a.division << "\"\n";
    return kExitUsage;
  }
  if (!pdf) {
    err << "tallivar: this program cannot write PDF files\n";
    return kExitUsage;
  }
  Tournament t;
  ReadSettings(t, p);
  if (!OpenEvent(t, p, a.eventFile)) return kExitFailed;
  if (auto refusal = RefusedOutputTarget(p.fs, ProtectedFiles(t), a.pdf)) {
    err << "tallivar: " << *refusal << '\n';
    return kExitFailed;
  }
  if (division) t.CurDivision = *division;
  t.CurEvent = a.event.empty() ? JudgingFormEvent(form)
                               : static_cast<char>(std::toupper(static_cast<unsigned char>(a.event[0])));
  if (a.round > 0) t.CurRound = a.round;

  bool printed = false;
  const std::string error = pdf(a.pdf, [&](Printer& printer) {
    printed = a.blank ? PrintBlankForm(printer, t, form) : PrintSeededForm(printer, t, p, form);
    return printed;
  });
  if (!printed) return kExitFailed;  // the reason was said
  if (!error.empty()) {
    err << "tallivar: " << error << '\n';
    return kExitFailed;
  }
  return kExitOk;
}
