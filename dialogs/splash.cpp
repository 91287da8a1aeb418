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
  if (isVisible()) accept();
}

void TSplash::mousePressEvent(QMouseEvent*) { Click(); }

void TSplash::keyPressEvent(QKeyEvent*) {
  // No key ends the greeting; a click or its time does.
}

void TSplash::closeEvent(QCloseEvent* event) { event->ignore(); }

void TSplash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Time already up before the splash could be shown: it goes at once.
  if (timedOut_) QTimer::singleShot(0, this, [this] { accept(); });
}

}  // namespace blivo
