#include <QApplication>
#include <gtest/gtest.h>

#include "base/modalui.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // A message box or question a test did not expect fails it, naming the text.
  ModalUi::setUnexpectedMessageHandler(
      [](const QString& what) { ADD_FAILURE() << "scripted modal UI: " << what.toStdString(); });
  return RUN_ALL_TESTS();
}
