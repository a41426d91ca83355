#include "app/edit_picture.h"

#include <QString>

namespace {

// A run of "#" is up to that many digits; anything else stands for itself.
QString Part(std::string_view part) {
  QString out;
  int digits = 0;
  auto flush = [&] {
    if (digits > 0) out += QStringLiteral("\\d{0,%1}").arg(digits);
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

}  // namespace

QRegularExpression PictureExpression(std::string_view picture) {
  auto dot = picture.find('.');
  QString pattern = Part(picture.substr(0, dot));
  if (dot != std::string_view::npos) pattern += "(\\." + Part(picture.substr(dot + 1)) + ")?";
  // A value shorter than the integer places may be shown with a leading blank in the first place.
  return QRegularExpression("^ ?" + pattern + "$");
}
