#pragma once
// A per-round array indexed 1..4 like the records, so code reads s.SlalomScore[r].
#include <array>
#include <cassert>
#include <cstddef>

template <typename T, std::size_t N = 4>
struct PerRound {
  std::array<T, N> v{};
  T& operator[](std::size_t r) {
    assert(r >= 1 && r <= N);
    return v[r - 1];
  }
  const T& operator[](std::size_t r) const {
    assert(r >= 1 && r <= N);
    return v[r - 1];
  }
  void fill(const T& x) { v.fill(x); }
  static constexpr std::size_t size() { return N; }
};
