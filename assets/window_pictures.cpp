// The pictures of the window itself: the clock's digits, the tool bar's ground,
// the dialogs' marble and the icon.
#include <QBuffer>
#include <QPainterPath>
#include <QSvgGenerator>

#include "assets/paint_kit.h"
#include "assets/pictures.h"

namespace assets {

namespace {

// Seven segments a..g, each a bevelled bar in an 11 x 20 cell.
QPolygon Segment(int s) {
  auto horizontal = [](int y) {
    return QPolygon({QPoint(2, y), QPoint(3, y - 1), QPoint(7, y - 1), QPoint(8, y), QPoint(7, y + 1), QPoint(3, y + 1)});
  };
  auto vertical = [](int x, int y0, int y1) {
    return QPolygon({QPoint(x, y0), QPoint(x + 1, y0 + 1), QPoint(x + 1, y1 - 1), QPoint(x, y1), QPoint(x - 1, y1 - 1), QPoint(x - 1, y0 + 1)});
  };
  switch (s) {
    case 0: return horizontal(2);           // a, top
    case 1: return vertical(9, 3, 9);       // b, upper right
    case 2: return vertical(9, 11, 17);     // c, lower right
    case 3: return horizontal(18);          // d, bottom
    case 4: return vertical(1, 11, 17);     // e, lower left
    case 5: return vertical(1, 3, 9);       // f, upper left
    default: return horizontal(10);         // g, middle
  }
}

}  // namespace

QImage PaintDigitStrip() {
  // Segments a..g lit for the digits 0..9; cell 10 is the blank cell.
  static const char* const kLit[11] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg",
                                       "acdefg", "abc", "abcdefg", "abcdfg", ""};
  QImage strip(121, 20, QImage::Format_RGB32);
  strip.fill(Qt::black);
  QPainter p(&strip);
  p.setPen(Qt::NoPen);
  for (int cell = 0; cell < 11; ++cell) {
    const QString lit = kLit[cell];
    for (int s = 0; s < 7; ++s) {
      // Exact colours, no smoothing: lit (0, 255, 0), unlit (0, 64, 0).
      p.setBrush(lit.contains(QChar('a' + s)) ? QColor(0, 255, 0) : QColor(0, 64, 0));
      p.drawPolygon(Segment(s).translated(11 * cell, 0));
    }
  }
  return strip;
}

QImage PaintToolBar() {
  QImage bar(500, 33, QImage::Format_RGB32);
  QPainter p(&bar);
  QLinearGradient shade(0, 0, 0, 33);
  shade.setColorAt(0.0, QColor(0xee, 0xea, 0xe0));
  shade.setColorAt(0.5, QColor(0xd4, 0xce, 0xbe));
  shade.setColorAt(1.0, QColor(0xa8, 0xa0, 0x8c));
  p.fillRect(bar.rect(), shade);
  p.setPen(QColor(0xff, 0xff, 0xff, 180));
  p.drawLine(0, 0, 499, 0);
  p.setPen(QColor(0x5c, 0x54, 0x44));
  p.drawLine(0, 32, 499, 32);
  return bar;
}

QImage PaintDialogPicture() {
  QImage picture = Marble(320, 200, QColor(0x2a, 0x6e, 0x78), QColor(0xb4, 0xe0, 0xd0), 71, 50.0);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // The small logo near the lower left corner.
  const QImage logo = PaintIcon(28);
  p.setOpacity(0.85);
  p.drawImage(8, 200 - 8 - 28, logo);
  return picture;
}

void DrawIcon(QPainter& p, const QRectF& into) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(into.topLeft());
  p.scale(into.width() / 64.0, into.height() / 64.0);
  QLinearGradient ground(0, 0, 64, 64);
  ground.setColorAt(0, QColor(0x3c, 0x4c, 0x8c));
  ground.setColorAt(1, QColor(0x12, 0x18, 0x3a));
  p.setPen(QPen(kTitleGold, 2.5));
  p.setBrush(ground);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  // Four balls turning about the centre: the game in one picture.
  const QPointF at[4] = {{21, 21}, {43, 21}, {21, 43}, {43, 43}};
  for (int k = 0; k < 4; ++k) PaintBall(p, QRectF(at[k] - QPointF(9.5, 9.5), QSizeF(19, 19)), PieceColour(k));
  p.setPen(QPen(QColor(0xff, 0xff, 0xff, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(14, 14, 36, 36), 100 * 16, 250 * 16);
  p.restore();
}

QImage PaintIcon(int size) {
  QImage icon = Canvas(size, size);
  QPainter p(&icon);
  DrawIcon(p, QRectF(0, 0, size, size));
  return icon;
}

QByteArray IconSvg() {
  // The icon's own 64 units make the picture's frame; the painter calls are those of the bitmaps.
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(64, 64));
  generator.setViewBox(QRectF(0, 0, 64, 64));
  generator.setResolution(96);
  generator.setTitle("Blivo Turnix");
  generator.setDescription("The icon of Blivo Turnix");
  QPainter p;
  if (!p.begin(&generator)) return {};
  DrawIcon(p, QRectF(0, 0, 64, 64));
  p.end();
  return svg.data();
}

}  // namespace assets
