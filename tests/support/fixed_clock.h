#pragma once
#include "platform/clock.h"

class FixedClock : public Clock {
 public:
  DateTime now{2026, 7, 4, 9, 5, 3};
  std::uint64_t ticks = 123456;
  DateTime Now() override { return now; }
  std::uint64_t Ticks() override { return ticks; }
};
