#pragma once
// A pseudo-random generator with a uniform integer draw. The desktop seeds it once from the clock.
#include <cstdint>

class Random {
 public:
  virtual ~Random() = default;
  virtual void Seed(std::uint64_t seed) = 0;
  // A whole number in 0..n-1, each equally likely; n >= 1.
  virtual int Draw(int n) = 0;
};
