#pragma once
// The two kinds of failure a handler can stop on: a text that is no number, and a file operation
// that failed. The one place that runs dialog handlers shows their message.
#include <stdexcept>
#include <string>

struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
