#pragma once
// Keeps the live results server of the desktop: it outlives the dialog that starts it, and after
// every completed change (the moment the recovery copy is written) it hands the server the event
// as it now stands, so phones at the lake see each stored score without a save.
#include <functional>
#include <memory>
#include <string>

#include "core/tournament.h"
#include "live/live_server.h"
#include "live/live_snapshot.h"
#include "ui/platform.h"

// What the keeper needs of a server; tests put a fake in its place and no socket is opened.
class LiveOutlet {
 public:
  virtual ~LiveOutlet() = default;
  virtual bool Start(const LiveServer::Options& options, std::string& error) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
  virtual int Port() const = 0;
  virtual void Publish(std::shared_ptr<const LiveSnapshot> snapshot) = 0;
};

// The real server on the lake's network.
std::unique_ptr<LiveOutlet> MakeLiveServerOutlet();

// Builds what phones see from the event; the time is that of the data.
using LiveSnapshotBuilder =
    std::function<std::shared_ptr<const LiveSnapshot>(Tournament&, Platform&, const DateTime&)>;

class LiveResultsKeeper {
 public:
  LiveResultsKeeper(Tournament& t, Platform& p, std::unique_ptr<LiveOutlet> outlet = MakeLiveServerOutlet());
  ~LiveResultsKeeper();  // the program ends: the server stops
  LiveResultsKeeper(const LiveResultsKeeper&) = delete;
  LiveResultsKeeper& operator=(const LiveResultsKeeper&) = delete;

  // Starts (or restarts) serving the event as it stands; false with the reason in `error`.
  bool Start(const LiveServer::Options& options, std::string& error);
  void Stop();
  bool Running() const { return outlet_->Running(); }
  int Port() const { return outlet_->Port(); }
  // The options of the last start, so the dialog opens again as the scorer left it.
  const LiveServer::Options& options() const { return options_; }
  bool everStarted() const { return everStarted_; }
  const DateTime& since() const { return since_; }

  // After every handler: while serving, a change that completed since the last publish is built
  // and published. Cheap when nothing changed; a failure is told once per start, never thrown.
  void Checkpoint();
  // Another event was opened, a new one begun or the event saved: the next checkpoint publishes
  // even when the change count did not move.
  void EventReplaced() { stale_ = true; }
  // Tests count or fail the builds, and serve to a fake, through these.
  void SetBuilder(LiveSnapshotBuilder builder) { build_ = std::move(builder); }
  void SetOutlet(std::unique_ptr<LiveOutlet> outlet) {
    Stop();
    outlet_ = std::move(outlet);
  }

 private:
  bool Publish();

  Tournament& t_;
  Platform& p_;
  std::unique_ptr<LiveOutlet> outlet_;
  LiveSnapshotBuilder build_;
  LiveServer::Options options_;
  DateTime since_;
  std::uint64_t published_ = 0;  // the change count last published
  bool stale_ = false;
  bool everStarted_ = false;
  bool failureShown_ = false;
};
