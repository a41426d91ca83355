#include "cli/arguments.h"

const OutputCommand& OutputCommandOf(OutputKind kind) {
  static const OutputCommand commands[] = {
      {"report", "NAME", " EVENT.dat [options] [-o FILE | --pdf FILE]"},  // OutputKind::Report
      {"judging-sheet", "FORM", " EVENT.dat [options] --pdf FILE"},       // OutputKind::Form
      {"export", "KIND", " EVENT.dat FILE"},                              // OutputKind::Export
  };
  return commands[static_cast<int>(kind)];
}

namespace {

// "a report", "a judging form", "an export file".
std::string WithArticle(OutputKind kind) {
  return (kind == OutputKind::Export ? "an " : "a ") + std::string(OutputKindName(kind));
}

}  // namespace

void AddOutputArguments(CLI::App* command, OutputArguments& a, bool optionalName) {
  a.command = command;
  const char* nameHelp = a.kind == OutputKind::Report ? "The report; --list shows the names"
                         : a.kind == OutputKind::Form ? "The form; --help shows the names"
                                                      : "The kind of file; --help shows the kinds";
  auto* name = command->add_option("NAME", a.name, nameHelp);
  auto* event = command->add_option("EVENT", a.eventFile, "The event file (.dat)");
  if (!optionalName) {
    name->required();
    event->required();
  }
  if (a.kind == OutputKind::Export) return;
  command->add_option("--division", a.selection.division, "The current division, by its code");
  command->add_option("--event", a.selection.event, "The current event: S, T or J")
      ->check(CLI::IsMember({"S", "T", "J", "s", "t", "j"}));
  command->add_option("--round", a.selection.round, "The current round, 1 to 4")->check(CLI::Range(1, 4));
  for (const auto& option : OutputOptions()) {
    if (IsSelectionOption(option.name)) continue;
    const auto entries = CatalogueOf(a.kind);
    if (std::none_of(entries.begin(), entries.end(),
                     [&](const ReportEntry* e) { return e->Takes(option.name); }))
      continue;
    if (option.value.empty())
      command->add_flag("--" + option.name, a.flags[option.name], option.help);
    else
      command->add_option("--" + option.name, a.values[option.name], option.help);
  }
}

const ReportEntry* ChosenOutput(const OutputArguments& a, std::string& problem) {
  const ReportEntry* entry = FindOutput(a.name);
  if (entry && entry->kind == a.kind) return entry;
  const std::string kind = OutputKindName(a.kind);
  if (entry)
    problem = "\"" + a.name + "\" is " + WithArticle(entry->kind) + ", not " + WithArticle(a.kind) +
              ": tallivar " + CommandOf(entry->kind) + " " + a.name + " --help";
  else if (a.kind == OutputKind::Report)
    problem = "there is no report \"" + a.name + "\" (tallivar report --list names them)";
  else
    problem =
        "there is no " + kind + " \"" + a.name + "\" (tallivar " + CommandOf(a.kind) + " --help names them)";
  return nullptr;
}

std::optional<std::string> OptionProblem(const OutputArguments& a, const ReportEntry& entry) {
  auto wrong = [&](const std::string& option) {
    return "the " + std::string(OutputKindName(entry.kind)) + " \"" + entry.name + "\" takes no option --" +
           option + " (tallivar " + CommandOf(entry.kind) + " " + entry.name + " --help)";
  };
  for (const auto& [key, value] : a.values)
    if (a.command->count("--" + key) > 0 && !entry.Takes(key)) return wrong(key);
  for (const auto& [key, on] : a.flags)
    if (on && !entry.Takes(key)) return wrong(key);
  for (const auto& key : entry.needs)
    if (a.command->count("--" + key) == 0)
      return "the " + std::string(OutputKindName(entry.kind)) + " \"" + entry.name + "\" needs --" + key;
  return std::nullopt;
}

ReportOptions OptionsOf(const OutputArguments& a) {
  ReportOptions options;
  for (const auto& [key, value] : a.values)
    if (a.command->count("--" + key) > 0) options.values[key] = value;
  for (const auto& [key, on] : a.flags)
    if (on) options.values[key] = "";
  return options;
}

std::optional<std::string> EmptyValueProblem(const CLI::App* command) {
  for (const CLI::App* app = command; app; app = app->get_parent()) {
    for (const CLI::Option* option : app->get_options()) {
      if (option->count() == 0 || option->get_expected_min() == 0) continue;
      for (const auto& value : option->results())
        if (value.empty()) return option->get_name() + " must not be empty";
    }
  }
  return std::nullopt;
}
