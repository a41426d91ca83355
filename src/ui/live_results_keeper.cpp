#include "ui/live_results_keeper.h"

#include <exception>

namespace {

class ServerOutlet : public LiveOutlet {
 public:
  bool Start(const LiveServer::Options& options, std::string& error) override {
    return server_.Start(options, error);
  }
  void Stop() override { server_.Stop(); }
  bool Running() const override { return server_.Running(); }
  int Port() const override { return server_.Port(); }
  void Publish(std::shared_ptr<const LiveSnapshot> snapshot) override {
    server_.Publish(std::move(snapshot));
  }

 private:
  LiveServer server_;
};

}  // namespace

std::unique_ptr<LiveOutlet> MakeLiveServerOutlet() { return std::make_unique<ServerOutlet>(); }

LiveResultsKeeper::LiveResultsKeeper(Tournament& t, Platform& p, std::unique_ptr<LiveOutlet> outlet)
    : t_(t), p_(p), outlet_(std::move(outlet)) {
  // Between saves the results are never final: the page says so.
  build_ = [](Tournament& tour, Platform& plat, const DateTime& at) {
    return BuildLiveSnapshot(tour, plat, at, true);
  };
}

LiveResultsKeeper::~LiveResultsKeeper() { Stop(); }

bool LiveResultsKeeper::Start(const LiveServer::Options& options, std::string& error) {
  options_ = options;
  everStarted_ = true;
  if (!outlet_->Start(options, error)) return false;
  since_ = p_.clock.Now();
  failureShown_ = false;
  Publish();
  return true;
}

void LiveResultsKeeper::Stop() {
  try {
    outlet_->Stop();
  } catch (const std::exception&) {
    // Stopping is what was asked for; a server that cannot say goodbye is gone all the same.
  }
}

void LiveResultsKeeper::Checkpoint() {
  if (!stale_ && t_.Unsaved.changes() == published_) return;
  if (!Running()) return;
  Publish();
}

bool LiveResultsKeeper::Publish() {
  // Marked as published even when the build fails: the next completed change tries again, and
  // the scorer is not held up after every handler by the same failure.
  published_ = t_.Unsaved.changes();
  stale_ = false;
  std::string why;
  try {
    outlet_->Publish(build_(t_, p_, p_.clock.Now()));
    return true;
  } catch (const std::exception& e) {
    why = e.what();
  } catch (...) {
    why = "An unexpected error occurred.";
  }
  if (failureShown_) return false;
  failureShown_ = true;
  p_.prompt.Ask(
      "The live results could not be brought up to date, so phones still show the results "
      "from before this change.\n" +
          why +
          "\nThe next change tries again. This message is not shown again while the "
          "live results are being served.",
      "Live Results", Buttons::Ok);
  return false;
}
