#include "app/qt_file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

#include "app/text_codec.h"

QString QtFilter(const std::string& filter) {
  QStringList parts = ToQt(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(';', ' ');
    // Qt reads the patterns from the description's last parentheses; add them when missing.
    if (!desc.endsWith(')')) desc += " (" + patterns + ")";
    out << desc;
  }
  if (out.isEmpty()) out << ToQt(filter);
  return out.join(";;");
}

std::optional<std::string> QtFileDialogs::Open(const FileDialogSpec& request) { return Run(request, false); }
std::optional<std::string> QtFileDialogs::Save(const FileDialogSpec& request) { return Run(request, true); }

std::optional<std::string> QtFileDialogs::Run(const FileDialogSpec& request, bool save) {
  QFileDialog dialog(parent, ToQt(request.title));
  dialog.setNameFilter(QtFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(ToQt(request.defaultExt));
  if (!request.presetName.empty()) dialog.selectFile(QFile::decodeName(request.presetName.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  // Paths go to the file system as the system spells them, not as report text.
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}
