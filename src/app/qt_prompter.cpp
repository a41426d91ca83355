#include "app/qt_prompter.h"

#include <QMessageBox>

#include "app/text_codec.h"

namespace {

QMessageBox::StandardButtons ButtonsOf(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// What closing the box without choosing (Escape, the title bar) answers.
Answer Dismissed(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace

Answer QtPrompter::Ask(std::string_view text, std::string_view title, Buttons buttons) {
  QMessageBox box(buttons == Buttons::Ok ? QMessageBox::Information : QMessageBox::Warning, ToQt(title),
                  ToQt(text), ButtonsOf(buttons), parent);
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Dismissed(buttons);
  }
}
