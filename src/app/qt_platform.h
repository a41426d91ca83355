#pragma once
// Every desktop service of the running program, owned together and handed out as one Platform.
#include <QWidget>

#include "app/qt_file_dialogs.h"
#include "app/qt_printer.h"
#include "app/qt_prompter.h"
#include "app/qt_services.h"
#include "core/posix_file_system.h"
#include "ui/platform.h"

struct QtPlatform {
  QtPlatform() { printer.fs = &fs; }
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtPrompter prompter;
  QtFileDialogs files;
  QtPrinter printer;
  QtClock clock;
  ClockSeededRandom random{clock};
  QtDialogHost dialogs{prompter};
  QtHelpViewer help{dialogs};
  PosixFileSystem fs;
  Platform platform{prompter, files, printer, clock, random, dialogs, help, fs};

  // The window the message boxes and dialogs belong to.
  void SetParent(QWidget* window) {
    prompter.parent = window;
    files.parent = window;
    printer.parent = window;
    dialogs.parent = window;
  }
};
