#pragma once
#include <random>

#include "platform/random.h"

class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed = 42) : engine_(seed) {}
  void Seed(std::uint64_t seed) override { engine_.seed(seed); }
  int Draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937_64 engine_;
};
