#pragma once
// Local date and time.
#include <cstdint>

struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() = 0;
  // Milliseconds since some fixed moment; used to seed the random generator.
  virtual std::uint64_t Ticks() = 0;
};
