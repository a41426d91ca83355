#pragma once
// A live results server without a socket: it records what it was asked to do.
#include <memory>
#include <string>
#include <vector>

#include "ui/live_results_keeper.h"

struct FakeLiveOutlet : LiveOutlet {
  struct Log {
    std::vector<LiveServer::Options> starts;
    std::vector<std::shared_ptr<const LiveSnapshot>> published;
    std::string refusal;  // a start fails with this reason when set
  };
  std::shared_ptr<Log> log = std::make_shared<Log>();
  bool running = false;
  int port = 0;

  bool Start(const LiveServer::Options& options, std::string& error) override {
    log->starts.push_back(options);
    error = log->refusal;
    running = error.empty();
    port = options.port;
    return running;
  }
  void Stop() override { running = false; }
  bool Running() const override { return running; }
  int Port() const override { return port; }
  void Publish(std::shared_ptr<const LiveSnapshot> snapshot) override { log->published.push_back(snapshot); }
};

// Puts a fake in the keeper's hands and answers its log, which outlives the fake.
inline std::shared_ptr<FakeLiveOutlet::Log> UseFakeOutlet(LiveResultsKeeper& keeper) {
  auto fake = std::make_unique<FakeLiveOutlet>();
  auto log = fake->log;
  keeper.SetOutlet(std::move(fake));
  return log;
}
