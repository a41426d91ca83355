#include "app/mnemonics.h"

#include <QSet>

namespace {

// The letter after a single "&", upper-cased; a null character when there is none.
QChar MnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1].toUpper();
  }
  return QChar();
}

QString Stripped(const QString& caption) {
  QString out;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      out += caption[++i];
      continue;
    }
    out += caption[i];
  }
  return out;
}

// A free letter of the caption: the first letters of its words first, then any other.
QString WithFreeLetter(const QString& caption, QSet<QChar>& used) {
  QString plain = Stripped(caption);
  auto take = [&](qsizetype at) {
    used.insert(plain[at].toUpper());
    QString out = plain;
    out.insert(at, '&');
    return out;
  };
  for (qsizetype i = 0; i < plain.size(); ++i)
    if (plain[i].isLetterOrNumber() && (i == 0 || !plain[i - 1].isLetterOrNumber()) &&
        !used.contains(plain[i].toUpper()))
      return take(i);
  for (qsizetype i = 0; i < plain.size(); ++i)
    if (plain[i].isLetterOrNumber() && !used.contains(plain[i].toUpper())) return take(i);
  return plain;
}

}  // namespace

QStringList UniqueMnemonics(const QStringList& captions) {
  QSet<QChar> used;
  QList<bool> keeps;
  for (const QString& c : captions) {
    QChar m = MnemonicOf(c);
    bool keep = !m.isNull() && !used.contains(m);
    if (keep) used.insert(m);
    keeps << keep;
  }
  QStringList out;
  for (qsizetype i = 0; i < captions.size(); ++i)
    out << (keeps[i] || captions[i].isEmpty() ? captions[i] : WithFreeLetter(captions[i], used));
  return out;
}

QString ExpandTabs(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (c != '\t') {
      out += c;
      continue;
    }
    do out += ' ';
    while (out.size() % 8 != 0);
  }
  return out;
}
