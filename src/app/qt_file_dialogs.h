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
  std::optional<std::string> Open(const FileDialogSpec& spec) override;
  std::optional<std::string> Save(const FileDialogSpec& spec) override;
  QPointer<QWidget> parent;

 private:
  std::optional<std::string> Run(const FileDialogSpec& spec, bool save);
};
