// Runs every window test class in one program under the offscreen platform.
#include <QApplication>
#include <QTest>

#include "tests/app/suites.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  int echecs = 0;
  for (const auto& suite : corrinom::app::test::Suites()) echecs += suite(argc, argv);
  return echecs == 0 ? 0 : 1;
}
