#include "live/connection_queue.h"

ConnectionQueue::ConnectionQueue(std::size_t workers, std::size_t waiting) : waiting_(waiting) {
  for (std::size_t i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
}

ConnectionQueue::~ConnectionQueue() { shutdown(); }

void ConnectionQueue::enqueue(std::function<void()> fn) {
  std::unique_lock lock(mutex_);
  space_.wait(lock, [this] { return jobs_.size() < waiting_ || stopping_; });
  jobs_.push_back(std::move(fn));
  ready_.notify_one();
}

void ConnectionQueue::shutdown() {
  {
    std::lock_guard lock(mutex_);
    if (stopping_ && threads_.empty()) return;
    stopping_ = true;
  }
  ready_.notify_all();
  space_.notify_all();
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
  threads_.clear();
}

void ConnectionQueue::Work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      space_.notify_one();
    }
    job();
  }
}
