#pragma once
// TSplashScreen: "Welcome to Tallivar" with the program's picture, shown while the program starts
// and released by its own timer after 2000 ms.
#include <QWidget>

class QTimer;

class TSplashScreen : public QWidget {
 public:
  explicit TSplashScreen(QWidget* parent = nullptr);
  static constexpr int kShowMs = 2000;
  QTimer* Timer1() const { return timer_; }

 private:
  QTimer* timer_;
};
