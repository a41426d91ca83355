#pragma once
// A fixed-capacity string stored as a length byte followed by N bytes, exactly as the record files
// hold it. Assignment cuts to N and zero-fills the rest; a length byte above N read from disk is
// clamped when the text is used.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N>
struct ShortString {
  static_assert(N >= 1 && N <= 255);
  std::uint8_t len = 0;
  std::array<char, N> chars{};

  ShortString() = default;
  ShortString(std::string_view s) { assign(s); }  // NOLINT: converting on purpose, like the records do
  ShortString(const char* s) { assign(s); }       // NOLINT

  ShortString& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  ShortString& operator=(const char* s) {
    assign(s);
    return *this;
  }

  void assign(std::string_view s) {
    std::size_t n = std::min(s.size(), N);
    chars.fill(0);
    if (n) std::memcpy(chars.data(), s.data(), n);
    len = static_cast<std::uint8_t>(n);
  }

  static constexpr std::size_t capacity() { return N; }
  std::size_t size() const { return std::min<std::size_t>(len, N); }
  bool empty() const { return size() == 0; }
  std::string_view view() const { return std::string_view(chars.data(), size()); }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const { return view(); }  // NOLINT
  bool lengthValid() const { return len <= N; }

  template <std::size_t M>
  bool operator==(const ShortString<M>& o) const {
    return view() == o.view();
  }
  bool operator==(std::string_view o) const { return view() == o; }
  bool operator==(const char* o) const { return view() == std::string_view(o); }
  // Byte-wise, a prefix sorting first.
  template <std::size_t M>
  int compare(const ShortString<M>& o) const {
    return CompareBytes(view(), o.view());
  }
  static int CompareBytes(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      auto x = static_cast<unsigned char>(a[i]);
      auto y = static_cast<unsigned char>(b[i]);
      if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
  }
};
static_assert(sizeof(ShortString<15>) == 16);
static_assert(sizeof(ShortString<5>) == 6);
