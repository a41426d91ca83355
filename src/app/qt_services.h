#pragma once
// The remaining desktop services: modal dialogs, the help window, the clock and the random draw.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <random>

#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/prompter.h"
#include "platform/random.h"
#include "ui/dialog_host.h"

// Shows any dialog model through the one generic view.
class QtDialogHost : public DialogHost {
 public:
  explicit QtDialogHost(Prompter& prompt) : prompt_(prompt) {}
  void ShowModal(DialogModel& model) override;
  QPointer<QWidget> parent;
  // Given to every dialog view, to run after each of its handlers.
  std::function<void()> afterHandler;

 private:
  Prompter& prompt_;
};

class QtHelpViewer : public HelpViewer {
 public:
  explicit QtHelpViewer(DialogHost& dialogs) : dialogs_(dialogs) {}
  void ShowTopic(int topic) override;

 private:
  DialogHost& dialogs_;
};

class QtClock : public Clock {
 public:
  DateTime Now() override;
  std::uint64_t Ticks() override;
};

// Seeded once from the clock when the program starts, so draws differ from run to run.
class ClockSeededRandom : public Random {
 public:
  explicit ClockSeededRandom(Clock& clock) : engine_(clock.Ticks()) {}
  void Seed(std::uint64_t seed) override { engine_.seed(seed); }
  int Draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937_64 engine_;
};
