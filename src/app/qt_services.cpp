#include "app/qt_services.h"

#include <QDateTime>

#include "app/model_dialog.h"
#include "ui/run_handler.h"
#include "ui/tfrm_help.h"

void QtDialogHost::ShowModal(DialogModel& model) {
  model.ResetClose();
  if (!RunHandler(prompt_, [&model] { model.FormShow(); })) return;
  if (model.closeRequested()) return;
  ModelDialog view(model, prompt_, parent);
  view.afterHandler = afterHandler;
  view.exec();
}

void QtHelpViewer::ShowTopic(int topic) {
  TfrmHelp help(topic);
  dialogs_.ShowModal(help);
}

DateTime QtClock::Now() {
  QDateTime now = QDateTime::currentDateTime();
  QDate d = now.date();
  QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::uint64_t QtClock::Ticks() { return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()); }
