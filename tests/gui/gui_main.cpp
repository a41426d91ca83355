// The GUI tests share one application object, as the program does.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/resources.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  InitTallivarResources();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
