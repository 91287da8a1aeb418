// Blivo Turnix: four rotation puzzles in one window.
#include <QApplication>

#include "app/main_form.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Blivo Turnix");

  blivo::TMainForm mainForm({});
  if (!mainForm.created()) return 1;
  mainForm.show();
  return QApplication::exec();
}
