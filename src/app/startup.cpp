#include "app/startup.h"

#include "core/settings_file.h"

void ReadStartupSettings(Tournament& t, Platform& p, MainWindow& window) {
  p.prompt.ShowEach(ReadSettings(t, p.fs).messages);
  // The last event becomes the event file, while the status bar still says "untitled.dat" until
  // an event is opened or saved.
  t.EventFile = t.settings.LastFile;
  window.form().SettingsRead();
  window.Refresh();
}

void OfferRecoveredWork(MainWindow& window) {
  window.form().OfferRecoveryAtStartup();
  window.Refresh();
}
