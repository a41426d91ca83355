#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <string_view>

#include "cli/console_platform.h"
#include "cli/file_commands.h"
#include "cli/output_help.h"
#include "cli/report_command.h"
#include "cli/serve_command.h"
#include "cli/sheet_command.h"
#include "core/settings_file.h"
#include "core/version.h"

namespace {

// The toolkit's own options, which the window takes ("-platform offscreen", "-style fusion").
constexpr std::array<std::string_view, 13> kToolkitOptions = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",  "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-reverse",       "-session", "-style",
    "-stylesheet",  "-widgetcount",        "-geometry"};

struct Commands {
  ReportCommand report;
  SheetCommand sheet;
  FileCommands files;
  ServeCommand serve;
  std::string settings;
};

void AddCommands(CLI::App& app, Commands& c) {
  app.set_help_flag("-h,--help", "Show the help");
  app.set_version_flag("--version", std::string("Tallivar ") + kProgramVersion);
  app.add_option("--settings", c.settings, "Read the settings from this file");
  app.require_subcommand(1);
  app.fallthrough();
  AddReportCommand(app, c.report);
  AddSheetCommand(app, c.sheet);
  AddFileCommands(app, c.files);
  AddServeCommand(app, c.serve);
}

// The help of a command without outputs of its own: what it does and its arguments.
std::string PlainCommandHelp(const CLI::App& command) {
  std::string usage = "Usage: tallivar " + command.get_name(), arguments, options;
  for (const CLI::Option* option : command.get_options()) {
    if (option == command.get_help_ptr()) continue;
    if (option->nonpositional()) {
      const std::string name = option->get_name() + " " + option->get_type_name();
      usage += " [" + name + "]";
      options += "  " + name + std::string(name.size() < 20 ? 20 - name.size() : 1, ' ') +
                 option->get_description() + "\n";
      continue;
    }
    const std::string name = option->get_name() == "EVENT" ? "EVENT.dat" : option->get_name();
    usage += " " + name;
    arguments += "  " + name + std::string(name.size() < 12 ? 12 - name.size() : 1, ' ') +
                 option->get_description() + "\n";
  }
  return usage + "\n\n" + command.get_description() + ".\n\n" + arguments +
         (options.empty() ? "" : "\nOptions:\n" + options);
}

// The help the line asks for: of one output, of a command, or of the program.
std::string HelpFor(const CLI::App& app, const Commands& c) {
  for (const OutputArguments* args : {&c.report.args, &c.sheet.args, &c.files.exportArgs}) {
    if (!args->command->parsed()) continue;
    std::string problem;
    const ReportEntry* entry = args->name.empty() ? nullptr : ChosenOutput(*args, problem);
    return entry ? OutputHelp(*entry) : CommandHelp(args->kind);
  }
  for (const CLI::App* command : app.get_subcommands())
    if (command->parsed()) return PlainCommandHelp(*command);
  return ProgramHelp();
}

// "repor" is "report" mistyped; a close command name is offered.
std::string Suggestion(const CLI::App& app, const std::string& word) {
  for (const CLI::App* command : app.get_subcommands({})) {
    const std::string& name = command->get_name();
    if (word.size() >= 3 && (name.rfind(word, 0) == 0 || word.rfind(name, 0) == 0))
      return " (did you mean \"" + name + "\"?)";
  }
  return {};
}

// What the line lacks when it names no command: a command, or the word it took for one.
std::string MissingCommand(const CLI::App& app) {
  const auto rest = app.remaining();
  if (rest.empty()) return "a command is needed (tallivar --help lists them)";
  const std::string& word = rest.front();
  if (word.rfind('-', 0) == 0) return "there is no option \"" + word + "\"";
  return "there is no command \"" + word + "\"" + Suggestion(app, word);
}

int Dispatch(const Commands& c, Session& s) {
  if (auto status = RunReportCommand(c.report, s)) return *status;
  if (auto status = RunSheetCommand(c.sheet, s)) return *status;
  if (auto status = RunFileCommand(c.files, s)) return *status;
  if (auto status = RunServeCommand(c.serve, s)) return *status;
  return UsageError(s, "a command is needed");
}

}  // namespace

bool WantsCommandLine(int argc, const char* const* argv) {
  if (argc < 2) return false;
  const std::string_view first = argv[1];
  if (first == "--startup-time") return false;
  return std::find(kToolkitOptions.begin(), kToolkitOptions.end(), first) == kToolkitOptions.end();
}

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err, Platform& p,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn) {
  CLI::App app("Tallivar: scoring for water-ski tournaments", "tallivar");
  Commands commands;
  AddCommands(app, commands);
  Session session{out, err, p, pdf, drawn, {}};
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << HelpFor(app, commands);
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);
    const bool noCommand =
        dynamic_cast<const CLI::RequiredError*>(&e) || dynamic_cast<const CLI::ExtrasError*>(&e);
    if (noCommand && app.get_subcommands().empty()) return UsageError(session, MissingCommand(app));
    return UsageError(session, e.what());
  }
  for (const CLI::App* command : app.get_subcommands())
    if (auto problem = EmptyValueProblem(command)) return UsageError(session, *problem);
  if (commands.settings.empty()) return Dispatch(commands, session);

  // The settings are read from the file the line names; one that cannot be read is a failure,
  // not the defaults.
  try {
    if (!p.fs.ReadAll(commands.settings))
      return Fail(session, "there is no settings file \"" + commands.settings + "\"");
  } catch (const std::exception& e) {
    return Fail(session, e.what());
  }
  Session withSettings{out, err, p, pdf, drawn, commands.settings};
  return Dispatch(commands, withSettings);
}

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn) {
  ConsolePlatform console(err);
  return RunCommandLine(argc, argv, out, err, console.platform, pdf, drawn);
}
