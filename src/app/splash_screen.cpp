#include "app/splash_screen.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/jpeg_image.h"

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer_(new QTimer(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  setWindowTitle("Welcome to Tallivar");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* picture = new QLabel;
  QFile file(":/images/splash.jpg");
  if (file.open(QIODevice::ReadOnly)) picture->setPixmap(QPixmap::fromImage(DecodeJpeg(file.readAll())));
  layout->addWidget(picture);
  auto* caption = new QLabel("Welcome to Tallivar");
  caption->setAlignment(Qt::AlignCenter);
  QFont font = caption->font();
  font.setPointSize(14);
  font.setBold(true);
  caption->setFont(font);
  layout->addWidget(caption);
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  timer_->setSingleShot(true);
  timer_->setInterval(kShowMs);
  // The tick stops the timer and releases the splash screen.
  connect(timer_, &QTimer::timeout, this, [this] {
    timer_->stop();
    close();
  });
  timer_->start();
}
