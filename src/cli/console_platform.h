#pragma once
// The desktop services of the program run from a terminal: messages go to standard error, every
// question takes its safe answer, no dialog or printer is shown.
#include <cstdint>
#include <ostream>
#include <random>

#include "core/posix_file_system.h"
#include "ui/dialog_host.h"
#include "ui/platform.h"

// Writes each message to the stream as "tallivar: Title: text", the title left out when it is
// the program's name. A question is answered with its safe
// answer: OK alone, otherwise Cancel or No, so nothing is overwritten or deleted unasked.
class ConsolePrompter : public Prompter {
 public:
  explicit ConsolePrompter(std::ostream& err) : err_(err) {}
  Answer Ask(std::string_view text, std::string_view title, Buttons buttons) override;
  int messages = 0;

 private:
  std::ostream& err_;
};

class NoFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> Open(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> Save(const FileDialogSpec&) override { return std::nullopt; }
};

// A dialog cannot be shown without a window: it closes at once, as if cancelled.
class NoDialogHost : public DialogHost {
 public:
  void ShowModal(DialogModel&) override {}
};

class NoHelpViewer : public HelpViewer {
 public:
  void ShowTopic(int) override {}
};

// Every print job is refused, as a cancelled print dialog is.
class NoPrinter : public Printer {
 public:
  bool BeginDoc(std::string_view) override { return false; }
  void EndDoc() override {}
  void SetOrientation(Orientation) override {}
  void SetFont(std::string_view, int, bool) override {}
  void WriteLine(std::string_view) override {}
  void FormFeed() override {}
  int PageWidth() override { return 4800; }
  int PageHeight() override { return 6600; }
  int TextHeight(std::string_view) override { return 100; }
  int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 60; }
  void TextOut(int, int, std::string_view) override {}
  void Line(int, int, int, int) override {}
  void StretchBitmap(int, int, int, int, std::string_view) override {}
  void NewPage() override {}
  void ShowPrintDialog() override {}
  void ShowPrinterSetup() override {}
};

class SystemClock : public Clock {
 public:
  DateTime Now() override;
  std::uint64_t Ticks() override;
};

class SystemRandom : public Random {
 public:
  explicit SystemRandom(std::uint64_t seed) : engine_(seed) {}
  void Seed(std::uint64_t seed) override { engine_.seed(seed); }
  int Draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937_64 engine_;
};

struct ConsolePlatform {
  explicit ConsolePlatform(std::ostream& err) : prompter(err) {}
  ConsolePrompter prompter;
  NoFileDialogs files;
  NoPrinter printer;
  SystemClock clock;
  SystemRandom random{clock.Ticks()};
  NoDialogHost dialogs;
  NoHelpViewer help;
  PosixFileSystem fs;
  Platform platform{prompter, files, printer, clock, random, dialogs, help, fs};
};
