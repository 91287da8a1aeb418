#include "dialogs/dialog_look.h"

#include <QPainter>
#include <cstdio>

#include "app/program_state.h"

namespace blivo {

QFont SansFont(int pixels, bool bold) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QPixmap GlyphPixmap(const char* name) {
  const QString path = QString::fromStdString(ProgramFolder) + "glyphs/" + name + ".png";
  QPixmap pixmap(path);
  if (pixmap.isNull()) std::fprintf(stderr, "blivoturnix: %s: cannot read the picture\n", path.toLocal8Bit().constData());
  return pixmap;
}

QIcon Glyph(const char* name) { return QIcon(GlyphPixmap(name)); }

void PaintDialogBackground(QWidget& widget, const QImage& background) {
  QPainter p(&widget);
  const int w = widget.width(), h = widget.height();
  p.fillRect(widget.rect(), widget.palette().button());
  if (!background.isNull()) p.drawImage(QRect(0, 0, w, h), background, QRect(0, 200 - h, w, h));
}

void PaintOutline(QWidget& widget, int x, int y, int w, int h) {
  QPainter p(&widget);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(x, y, w - 1, h - 1);
}

QPoint CentredOverWindow(const QWidget& main, const QWidget& dialog) {
  const QRect outer = main.frameGeometry();
  return {outer.left() + (outer.width() - dialog.width()) / 2, outer.top() + (outer.height() - dialog.height()) / 2};
}

QPoint CentredOnClientArea(const QWidget& main, const QWidget& dialog) {
  const QRect outer = main.frameGeometry();
  const QRect mine = dialog.frameGeometry();
  return {outer.left() + (outer.width() - mine.width()) / 2,
          outer.top() + outer.height() - (main.height() + mine.height()) / 2};
}

}  // namespace blivo
