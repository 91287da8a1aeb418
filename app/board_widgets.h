// The widgets that show raster bitmaps: the board, the clock digits, and the
// option button that acts on the press itself. On a scaled screen every
// pixel of a bitmap becomes a block of screen pixels, never blurred, and a
// press anywhere on a block means that pixel.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/raster.h"

class QPainter;

namespace blivo {

// Wraps a bitmap's pixels for painting, without copying them.
QImage ImageOf(const Bitmap& bitmap);
// Paints the whole bitmap at (0, 0), one bitmap pixel per pixel of the game.
void PaintBitmap(QPainter& painter, const Bitmap& bitmap);
// The pixel of the game under a pointer position.
QPoint PixelAt(QPointF position);

// The board: shows BoardScreen. A paint that the window system asks for first
// lets the puzzle draw the whole board; a change the puzzle makes outside a
// paint is put on the screen at once through show().
class BoardBox : public QWidget {
 public:
  BoardBox(QWidget* parent, const Bitmap& screen);

  std::function<void()> onPaint;
  std::function<void(Qt::MouseButton, int x, int y)> onMouseDown;
  std::function<QString(QPoint)> tipAt;

  void show(const Rect& rect);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const Bitmap& screen_;
  bool showingOnly_ = false;
  bool inPaint_ = false;
};

// The clock's digit surface; paints whatever the clock bitmap holds.
class TimBox : public QWidget {
 public:
  TimBox(QWidget* parent, const Bitmap& digits);
  // Puts the digits on the screen now, or with the paint in progress.
  void show(bool insidePaint);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Bitmap& digits_;
};

// A flat tool button that reports where it was pressed, on the press.
class PressButton : public QToolButton {
 public:
  using QToolButton::QToolButton;
  std::function<void(int x, int y)> onPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace blivo
