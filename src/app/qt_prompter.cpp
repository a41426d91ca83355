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

bool StartsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }

// "error" as a word of its own, in any case ("INI Read error", "ERROR - ..."), not "errors".
bool SaysError(std::string_view s) {
  QString text = ToQt(s).toLower();
  for (qsizetype at = text.indexOf("error"); at >= 0; at = text.indexOf("error", at + 1)) {
    bool startsWord = at == 0 || !text.at(at - 1).isLetter();
    bool endsWord = at + 5 >= text.size() || !text.at(at + 5).isLetter();
    if (startsWord && endsWord) return true;
  }
  return false;
}

QMessageBox* current = nullptr;

}  // namespace

QMessageBox::Icon MessageIcon(std::string_view text, std::string_view title, Buttons buttons) {
  if (SaysError(title) || SaysError(text)) return QMessageBox::Critical;
  if (StartsWith(title, "Warning") || StartsWith(text, "Warning")) return QMessageBox::Warning;
  if (buttons != Buttons::Ok || (!text.empty() && text.back() == '?')) return QMessageBox::Question;
  return QMessageBox::Information;
}

QMessageBox* QtPrompter::Current() { return current; }

Answer QtPrompter::Ask(std::string_view text, std::string_view title, Buttons buttons) {
  return Run(text, title, buttons, false);
}

Answer QtPrompter::AskDestructive(std::string_view text, std::string_view title, Buttons buttons) {
  return Run(text, title, buttons, true);
}

Answer QtPrompter::Run(std::string_view text, std::string_view title, Buttons buttons, bool safeDefault) {
  QMessageBox box(MessageIcon(text, title, buttons), ToQt(title), ToQt(text), ButtonsOf(buttons), parent);
  if (safeDefault) {
    QMessageBox::StandardButton safe = buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
    box.setDefaultButton(safe);
    box.setEscapeButton(safe);
  }
  QMessageBox* outer = current;
  current = &box;
  int chosen = box.exec();
  current = outer;
  switch (chosen) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return SafeAnswer(buttons);  // closed without choosing (Escape, the title bar)
  }
}
