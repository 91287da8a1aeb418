#include "dialogs/splash.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "dialogs/dialog_placement.h"
#include "platform/embedded_assets.h"
#include "platform/window_frames.h"

namespace blivo {

TSplash::TSplash(QWidget* parent, int milliseconds)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Splash");
  setModal(true);
  setFixedSize(200, 150);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(0, 0, 201, 151);
  image->setPixmap(QPixmap::fromImage(EmbeddedPicture("splash")));
  image->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (WindowPositionsApply()) move(ScreenCentre(size()));
  // The time runs from the splash's creation, not from its showing.
  timer1_.setSingleShot(true);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    timedOut_ = true;
    Click();
  });
  timer1_.start(milliseconds);
}

void TSplash::Click() {
  timer1_.stop();
  if (!isVisible()) return;
  // While it is being shown the toolkit hands out pending events before the
  // dialog's own loop runs; ending it then would leave that loop waiting on a
  // hidden dialog. It ends as soon as the showing is over.
  if (showing_) {
    endWhenShown_ = true;
    return;
  }
  accept();
}

void TSplash::setVisible(bool visible) {
  showing_ = visible;
  QDialog::setVisible(visible);
  showing_ = false;
  if (visible && endWhenShown_) {
    endWhenShown_ = false;
    QTimer::singleShot(0, this, [this] { Click(); });
  }
}

void TSplash::mousePressEvent(QMouseEvent*) { Click(); }

void TSplash::keyPressEvent(QKeyEvent*) {
  // No key ends the greeting; a click or its time does.
}

void TSplash::closeEvent(QCloseEvent* event) { event->ignore(); }

void TSplash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Time already up before the splash could be shown: it goes at once.
  if (timedOut_) endWhenShown_ = true;
}

}  // namespace blivo
