#include "cli/serve_command.h"

#include <signal.h>

#include <ctime>
#include <sstream>

#include "cli/console_platform.h"
#include "cli/event_watch.h"
#include "live/live_addresses.h"
#include "live/live_server.h"
#include "printing/results_rows.h"

namespace {

// The event as it is on disk now; the messages its opening gave (a damaged schedule ...) in `said`.
std::shared_ptr<const LiveSnapshot> ReadSnapshot(const std::string& eventFile, Session& s, std::string& said,
                                                 DateTime& savedAt) {
  std::ostringstream messages;
  ConsolePrompter prompter(messages);
  Platform quiet{prompter, s.p.files, s.p.printer, s.p.clock, s.p.random, s.p.dialogs, s.p.help, s.p.fs};
  Session session{messages, messages, quiet, s.pdf, s.drawn, s.settingsFile};
  Tournament t;
  const bool opened = OpenSelected(session, t, eventFile, {});
  said = messages.str();
  if (!opened) return nullptr;
  savedAt = SavedAt(eventFile, s.p);
  return BuildLiveSnapshot(t, quiet, savedAt, true);
}

// Follows the event's saves until a stop signal; answers the exit status.
int Follow(const ServeCommand& a, Session& s, LiveServer& server, EventWatch& watch, const sigset_t& stops,
           std::string said, DateTime served) {
  bool unreadable = false;
  const timespec second{1, 0};
  for (;;) {
    if (::sigtimedwait(&stops, nullptr, &second) > 0) return kExitOk;
    if (!watch.Changed()) continue;
    std::string now;
    DateTime savedAt{};
    auto snapshot = ReadSnapshot(a.eventFile, s, now, savedAt);
    // Each problem is told once, not at every look, and only until the file reads again.
    if (!snapshot) {
      if (!unreadable)
        s.err << now << kMessagePrefix << a.eventFile << " cannot be read now; the results saved "
              << ResultsStamp(served) << " stay served until it can\n";
      unreadable = true;
      continue;
    }
    if (now != said) s.err << now;
    said = now;
    unreadable = false;
    served = savedAt;
    server.Publish(std::move(snapshot));
    s.out << "Serving the results saved " << ResultsStamp(served) << std::endl;
  }
}

int Serve(const ServeCommand& a, Session& s) {
  // Watched from before the first reading, so a save made meanwhile is not missed.
  EventWatch watch(a.eventFile);
  std::string said;
  DateTime savedAt{};
  auto snapshot = ReadSnapshot(a.eventFile, s, said, savedAt);
  s.err << said;
  if (!snapshot) return kExitFailed;

  // The server's threads start with these signals blocked, so Ctrl+C and SIGTERM come to this
  // thread only, which stops the server before the program ends.
  sigset_t stops, before;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  ::pthread_sigmask(SIG_BLOCK, &stops, &before);
  LiveServer server;
  server.Publish(std::move(snapshot));
  std::string error;
  if (!server.Start({a.listen, a.port}, error)) {
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return Fail(s, error);
  }
  s.out << "Serving the live results of " << a.eventFile << " (saved " << ResultsStamp(savedAt) << ") at:\n";
  for (const std::string& address : LiveAddresses(a.listen, server.Port())) s.out << "  " << address << '\n';
  s.out << "Press Ctrl+C to stop." << std::endl;
  const int status = Follow(a, s, server, watch, stops, said, savedAt);
  server.Stop();
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  s.out << "Stopped." << std::endl;
  return status;
}

}  // namespace

void AddServeCommand(CLI::App& app, ServeCommand& a) {
  a.command = app.add_subcommand("serve", "Serve the live results of an event to phones and browsers");
  a.command->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
  a.command->add_option("--port", a.port, "The port to listen on (default 8080; 0 any free port)")
      ->check(CLI::Range(0, 65535).description(""))
      ->type_name("N");
  a.command
      ->add_option("--listen", a.listen,
                   "The address to listen on (default 127.0.0.1; 0.0.0.0 for the lake's network)")
      ->type_name("ADDRESS");
}

std::optional<int> RunServeCommand(const ServeCommand& a, Session& s) {
  if (!a.command->parsed()) return std::nullopt;
  return Serve(a, s);
}
