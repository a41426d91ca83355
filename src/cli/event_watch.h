#pragma once
// Notices a save of an event from outside: the files of its family are looked at (size, time,
// file identity) once in a while; a change is reported once the files have stood still for one
// look, so a save in progress is never read half-way.
#include <string>
#include <vector>

class EventWatch {
 public:
  explicit EventWatch(std::string eventFile);
  // Looks at the files again; true when they changed since the last change reported and have not
  // changed since the previous look.
  bool Changed();

 private:
  std::vector<std::string> Signature() const;

  std::vector<std::string> files_;
  std::vector<std::string> reported_, previous_;
};
