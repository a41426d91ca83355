#pragma once
// The server's workers: a fixed number of threads and a bounded line of accepted connections. When
// the line is full the server stops accepting until a worker is free, so a crowd of phones (or a
// client opening connections on purpose) waits in the system's backlog instead of growing memory.
#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class ConnectionQueue : public httplib::TaskQueue {
 public:
  ConnectionQueue(std::size_t workers, std::size_t waiting);
  ~ConnectionQueue() override;
  ConnectionQueue(const ConnectionQueue&) = delete;
  ConnectionQueue& operator=(const ConnectionQueue&) = delete;

  void enqueue(std::function<void()> fn) override;
  // Answers every connection already accepted, then ends the workers.
  void shutdown() override;

 private:
  void Work();

  std::size_t waiting_;
  std::mutex mutex_;
  std::condition_variable ready_, space_;
  std::deque<std::function<void()>> jobs_;
  std::vector<std::thread> threads_;
  bool stopping_ = false;
};
