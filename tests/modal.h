// Acting inside a modal dialog's own event loop.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace blivo::testing {

// Runs `act` on the first modal dialog named `name` once it shows.
inline void WhenDialogShows(const QString& name, std::function<void(QDialog&)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (!dialog || dialog->objectName() != name || !dialog->isVisible()) continue;
      timer->stop();
      timer->deleteLater();
      act(*dialog);
      return;
    }
  });
  timer->start(5);
}

// Runs `act` once `dialog` is up, from inside its own event loop.
inline void WhenShown(QDialog& dialog, std::function<void()> act) {
  auto* timer = new QTimer(&dialog);
  QObject::connect(timer, &QTimer::timeout, &dialog, [&dialog, timer, act] {
    if (!dialog.isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act();
  });
  timer->start(5);
}

}  // namespace blivo::testing
