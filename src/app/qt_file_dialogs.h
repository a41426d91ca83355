#pragma once
// File-open and file-save dialogs.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/file_dialogs.h"

// "Desc (*.x)|*.x|All files (*.*)|*.*" as Qt's "Desc (*.x);;All files (*.*)".
QString QtFilter(const std::string& filter);

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> Open(const FileDialogSpec& request) override;
  std::optional<std::string> Save(const FileDialogSpec& request) override;
  QPointer<QWidget> parent;

 private:
  std::optional<std::string> Run(const FileDialogSpec& request, bool save);
};
