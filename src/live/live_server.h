#pragma once
// The live results server: fixed read-only routes ("/" the page, "/results.json" the JSON) over HTTP
// on the lake's own network. It runs on its own threads and only ever reads the snapshot it was
// last given, so no client can hold up a save or a dialog.
#include <cstdint>
#include <memory>
#include <string>

#include "live/live_snapshot.h"

class LiveServer {
 public:
  struct Options {
    std::string address = "127.0.0.1";  // "0.0.0.0" for every network of the computer
    int port = 8080;                    // 0: any free port (see Port())
  };

  LiveServer();
  ~LiveServer();  // stops
  LiveServer(const LiveServer&) = delete;
  LiveServer& operator=(const LiveServer&) = delete;

  // Starts listening and answers true, or false with the reason in `error` (port taken, address
  // not on this computer ...). Starting a running server restarts it with the new options.
  bool Start(const Options& options, std::string& error);
  // Stops listening and waits for the server's threads; answered requests are finished.
  void Stop();
  bool Running() const;
  // The port listened on (the one chosen when Options::port was 0).
  int Port() const;
  // The results (page or JSON) answered since the program started, 304s included.
  std::uint64_t Answered() const;
  // Replaces what is served; safe to call from any thread while clients are being answered.
  void Publish(std::shared_ptr<const LiveSnapshot> snapshot);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
