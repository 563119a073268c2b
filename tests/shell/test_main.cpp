// Shell tests draw with Qt, so they run inside an application object; the
// offscreen platform lets them run without a display. The commands they run
// in-process draw PDF and the symbol chart as melibron-window does.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "shell/qt_commands.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  provideQtDrawnConversions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
