// Acting inside a modal dialog's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace blivo::testing {

// Runs `act` on the first modal dialog named `name` once it shows. A dialog
// that does not show within ten seconds fails the test, which then ends
// whatever modal dialog holds it, so that it cannot hang.
inline void WhenDialogShows(const QString& name, std::function<void(QDialog&)> act) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, name, act] {
    const auto finish = [timer, clock] {
      timer->stop();
      timer->deleteLater();
      delete clock;
    };
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (dialog && dialog->isVisible()) shown << dialog->objectName();
      if (!dialog || dialog->objectName() != name || !dialog->isVisible()) continue;
      finish();
      act(*dialog);
      return;
    }
    if (clock->elapsed() < 10000) return;
    finish();
    QDialog* named = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->objectName() == name) named = dialog;
    ADD_FAILURE() << name.toStdString() << (named ? " stays hidden" : " does not exist")
                  << "; dialogs shown: " << shown.join(", ").toStdString();
    if (named) {
      named->show();  // a loop waiting on a hidden dialog ends only with a hiding
      named->done(0);
    } else if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(0);
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
