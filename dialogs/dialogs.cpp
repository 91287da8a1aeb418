#include "dialogs/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace blivo {

Dialogs PlaceholderDialogs() {
  Dialogs d;
  d.newGame = [] { return kModalOk; };
  d.endGame = [] { return kModalOk; };
  d.done = [] {};
  d.pause = [] {};
  d.highscore = [](std::int32_t) {};
  d.tongue = [] {};
  d.info = [] {};
  d.splash = [] {};
  d.errorBox = [](const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
  };
  return d;
}

}  // namespace blivo
