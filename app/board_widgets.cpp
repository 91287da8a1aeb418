#include "app/board_widgets.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace blivo {

QImage ImageOf(const Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.scanLine(0)), bitmap.width(), bitmap.height(),
                bitmap.width() * 4, QImage::Format_RGB32);
}

void PaintBitmap(QPainter& painter, const Bitmap& bitmap) {
  // Always the whole bitmap, clipped to what needs painting: every paint then
  // maps pixels to screen pixels the same way, whatever the scale.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QImage image = ImageOf(bitmap);
  if (!image.isNull()) painter.drawImage(QRect(0, 0, bitmap.width(), bitmap.height()), image);
}

QPoint PixelAt(QPointF position) {
  return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

BoardBox::BoardBox(QWidget* parent, const Bitmap& screen) : QWidget(parent), screen_(screen) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardBox::show(const Rect& rect) {
  // While the puzzle draws inside a paint, the paint shows the result itself.
  if (inPaint_ || !isVisible()) return;
  showingOnly_ = true;
  repaint(rect.x, rect.y, rect.w, rect.h);
  showingOnly_ = false;
}

void BoardBox::paintEvent(QPaintEvent* event) {
  if (!showingOnly_ && onPaint) {
    inPaint_ = true;
    onPaint();
    inPaint_ = false;
  }
  QPainter painter(this);
  if (screen_.empty()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  PaintBitmap(painter, screen_);
}

void BoardBox::mousePressEvent(QMouseEvent* event) {
  if (!onMouseDown) return;
  const QPoint p = PixelAt(event->position());
  onMouseDown(event->button(), p.x(), p.y());
}

bool BoardBox::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt ? tipAt(help->pos()) : QString();
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), tip, this);
    return true;
  }
  return QWidget::event(event);
}

TimBox::TimBox(QWidget* parent, const Bitmap& digits) : QWidget(parent), digits_(digits) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimBox::show(bool insidePaint) {
  if (insidePaint)
    update();
  else if (isVisible())
    repaint();
}

void TimBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  PaintBitmap(painter, digits_);
}

void PressButton::mousePressEvent(QMouseEvent* event) {
  // The press is the whole action; the button never waits for a release, which
  // a modal question opened here would swallow.
  event->accept();
  if (onPress) {
    const QPoint p = PixelAt(event->position());
    onPress(p.x(), p.y());
  }
}

}  // namespace blivo
