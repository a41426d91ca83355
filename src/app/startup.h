#pragma once
// The start-up steps after the main window exists: the settings file, then the window showing
// what it says.
#include "app/main_window.h"

void ReadStartupSettings(Tournament& t, Platform& p, MainWindow& window);

// Once the main window is shown: unsaved work a crash left behind is offered back.
void OfferRecoveredWork(MainWindow& window);
