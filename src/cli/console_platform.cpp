#include "cli/console_platform.h"

#include <chrono>
#include <ctime>

#include "cli/session.h"
#include "core/text.h"

Answer ConsolePrompter::Ask(std::string_view text, std::string_view title, Buttons buttons) {
  // Every line of the command line starts the same way; a title other than the program's name
  // ("Warning") still says what kind of message it is.
  const auto start = text.find_first_not_of(' ');
  text.remove_prefix(start == std::string_view::npos ? text.size() : start);
  err_ << kMessagePrefix;
  if (!title.empty() && title != "Tallivar") err_ << Utf8FromWindows1252(title) << ": ";
  err_ << Utf8FromWindows1252(text) << '\n';
  ++messages;
  return SafeAnswer(buttons);
}

DateTime SystemClock::Now() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::uint64_t SystemClock::Ticks() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count());
}
