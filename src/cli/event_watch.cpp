#include "cli/event_watch.h"

#include <sys/stat.h>

#include "core/event_files.h"

EventWatch::EventWatch(std::string eventFile)
    : files_(EventDataFiles(eventFile, EventBaseOf(eventFile))),
      reported_(Signature()),
      previous_(reported_) {}

std::vector<std::string> EventWatch::Signature() const {
  std::vector<std::string> signature;
  for (const std::string& file : files_) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
      signature.emplace_back();
      continue;
    }
    // A save replaces each file, so its identity changes even when size and second do not.
    signature.push_back(std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
                        std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
                        std::to_string(info.st_mtim.tv_nsec));
  }
  return signature;
}

bool EventWatch::Changed() {
  std::vector<std::string> now = Signature();
  const bool settled = now == previous_ && now != reported_;
  previous_ = std::move(now);
  if (settled) reported_ = previous_;
  return settled;
}
