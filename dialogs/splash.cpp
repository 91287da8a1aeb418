#include "dialogs/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/program_state.h"
#include "dialogs/dialog_look.h"

namespace blivo {

TSplash::TSplash(QWidget* parent, int milliseconds)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Splash");
  setModal(true);
  setFixedSize(200, 150);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(0, 0, 201, 151);
  const QString path = QString::fromStdString(ProgramFolder) + "splash.png";
  QPixmap picture(path);
  if (picture.isNull()) std::fprintf(stderr, "blivoturnix: %s: cannot read the picture\n", path.toLocal8Bit().constData());
  image->setPixmap(picture);
  image->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(100, 75));
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

void TSplash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Time already up before the splash could be shown: it goes at once.
  if (timedOut_) QTimer::singleShot(0, this, [this] { accept(); });
}

}  // namespace blivo
