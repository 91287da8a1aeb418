// Every test program runs inside one Qt application, on the offscreen platform
// unless a test asks for a real one, so pictures can be read and windows
// driven without a display.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
