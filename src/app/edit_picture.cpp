#include "app/edit_picture.h"

#include <QString>
#include <algorithm>

namespace {

// A run of "#" is up to that many digits, widened to `digits` when that is more; anything else
// stands for itself.
QString Part(std::string_view part, int widenTo) {
  QString out;
  int runs = static_cast<int>(std::count(part.begin(), part.end(), '#'));
  int extra = std::max(0, widenTo - runs);
  int digits = 0;
  auto flush = [&] {
    if (digits > 0) out += QStringLiteral("\\d{0,%1}").arg(digits + extra);
    extra = 0;
    digits = 0;
  };
  for (char c : part) {
    if (c == '#') {
      ++digits;
      continue;
    }
    flush();
    out += QRegularExpression::escape(QString(QChar(c)));
  }
  flush();
  return out;
}

int Digits(std::string_view s) {
  return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

}  // namespace

QRegularExpression PictureExpression(std::string_view picture, std::string_view shown) {
  auto dot = picture.find('.');
  auto shownDot = shown.find('.');
  std::string_view shownWhole = shown.substr(0, shownDot);
  std::string_view shownFraction =
      shownDot == std::string_view::npos ? std::string_view() : shown.substr(shownDot + 1);
  // Blanks may stand in front: a number is shown right-aligned in its picture.
  QString pattern = " *" + Part(picture.substr(0, dot), Digits(shownWhole));
  if (dot != std::string_view::npos)
    pattern += "(\\." + Part(picture.substr(dot + 1), Digits(shownFraction)) + ")?";
  else if (!shownFraction.empty() || shownDot != std::string_view::npos)
    pattern += "(\\.\\d{0," + QString::number(std::max(1, Digits(shownFraction))) + "})?";
  return QRegularExpression("^" + pattern + "$");
}
