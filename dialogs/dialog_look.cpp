#include "dialogs/dialog_look.h"

#include <QPainter>

namespace blivo {

void PaintDialogBackground(QWidget& widget, const QImage& background) {
  QPainter p(&widget);
  const int w = widget.width(), h = widget.height();
  p.fillRect(widget.rect(), widget.palette().button());
  // Pixel for pixel: on a scaled screen each pixel becomes a block, never a blur.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (!background.isNull()) p.drawImage(QRect(0, 0, w, h), background, QRect(0, 200 - h, w, h));
}

void PaintOutline(QWidget& widget, int x, int y, int w, int h) {
  QPainter p(&widget);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(x, y, w - 1, h - 1);
}

}  // namespace blivo
