// The pictures of the dialogs: button glyphs, the flags of the language
// choice, the splash screen's title picture and the maker's logo.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "assets/paint_kit.h"
#include "assets/pictures.h"

namespace assets {

namespace {

QPen Stroke(QColor colour, qreal width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QImage Door(int scale) {
  QImage c = Canvas(18, 18, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Stroke(QColor(0x3a, 0x2a, 0x1a), 1.0));
  p.setBrush(QColor(0xd8, 0xd0, 0xc0));
  p.drawRect(QRectF(3.5, 1.5, 11, 15));
  p.setBrush(QColor(0x9a, 0x5c, 0x2c));
  p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 3.5}, {10.5, 17.5}, {3.5, 16.5}}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xf2, 0xc1, 0x2e));
  p.drawEllipse(QPointF(9, 10), 1, 1);
  return c;
}

QImage Smile(int scale) {
  QImage c = Canvas(17, 17, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  PaintBall(p, QRectF(0.5, 0.5, 16, 16), QColor(0xf2, 0xc1, 0x2e));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3a, 0x2a, 0x1a));
  p.drawEllipse(QPointF(5.8, 6.5), 1.2, 1.6);
  p.drawEllipse(QPointF(11.2, 6.5), 1.2, 1.6);
  p.setPen(Stroke(QColor(0x3a, 0x2a, 0x1a), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 5, 9, 7.5), -20 * 16, -140 * 16);
  return c;
}

// A stroke drawn twice, dark and wide under light and narrow: an inked mark.
QImage InkedMark(const QPainterPath& path, QColor dark, QColor light, int scale) {
  QImage c = Canvas(18, 18, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  p.strokePath(path, Stroke(dark, 4.2));
  p.strokePath(path, Stroke(light, 2.4));
  return c;
}

QImage Cross(int scale) {
  QPainterPath cross;
  cross.moveTo(4, 4);
  cross.lineTo(14, 14);
  cross.moveTo(14, 4);
  cross.lineTo(4, 14);
  return InkedMark(cross, QColor(0x9a, 0x10, 0x18), QColor(0xe8, 0x30, 0x38), scale);
}

QImage Tick(int scale) {
  QPainterPath tick;
  tick.moveTo(3, 9.5);
  tick.lineTo(7.5, 14);
  tick.lineTo(15, 4);
  return InkedMark(tick, QColor(0x1a, 0x6a, 0x24), QColor(0x3c, 0xc0, 0x50), scale);
}

void Stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    const QRectF band = vertical ? QRectF(r.x() + r.width() * i / n, r.y(), r.width() / n, r.height())
                                 : QRectF(r.x(), r.y() + r.height() * i / n, r.width(), r.height() / n);
    p.fillRect(band, c);
    ++i;
  }
}

void UnitedStates(QPainter& p, const QRectF& r) {
  for (int i = 0; i < 13; ++i)
    p.fillRect(QRectF(r.x(), r.y() + r.height() * i / 13, r.width(), r.height() / 13 + 0.1),
               i % 2 ? Qt::white : QColor(0xb2, 0x22, 0x34));
  const QRectF canton(r.x(), r.y(), r.width() * 0.42, r.height() * 7 / 13);
  p.fillRect(canton, QColor(0x3c, 0x3b, 0x6e));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col)
      p.drawEllipse(QPointF(canton.x() + 1.6 + col * (canton.width() - 3) / 4.0, canton.y() + 1.5 + row * (canton.height() - 3) / 3.0), 0.5, 0.5);
}

void UnitedKingdom(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(0x01, 0x21, 0x69));
  p.save();
  p.setClipRect(r);
  p.setPen(QPen(Qt::white, 3.4));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 1.2));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.fillRect(QRectF(r.center().x() - 2.6, r.y(), 5.2, r.height()), Qt::white);
  p.fillRect(QRectF(r.x(), r.center().y() - 2.6, r.width(), 5.2), Qt::white);
  p.fillRect(QRectF(r.center().x() - 1.5, r.y(), 3, r.height()), QColor(0xc8, 0x10, 0x2e));
  p.fillRect(QRectF(r.x(), r.center().y() - 1.5, r.width(), 3), QColor(0xc8, 0x10, 0x2e));
  p.restore();
}

void Switzerland(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(0xd5, 0x2b, 0x1e));
  const QPointF c = r.center();
  p.fillRect(QRectF(c.x() - 1.5, c.y() - 5, 3, 10), Qt::white);
  p.fillRect(QRectF(c.x() - 5, c.y() - 1.5, 10, 3), Qt::white);
}

void Framed(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(0, 0, 0, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(-0.5, -0.5, 0.5, 0.5));
}

QImage EnglishFlags(int scale) {
  QImage c = Canvas(53, 20, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF us(1, 2, 24, 16), uk(28, 2, 24, 16);
  UnitedStates(p, us);
  UnitedKingdom(p, uk);
  Framed(p, us);
  Framed(p, uk);
  return c;
}

QImage GermanFlags(int scale) {
  QImage c = Canvas(80, 20, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF at(1, 2, 24, 16), de(28, 2, 24, 16), ch(57, 1, 18, 18);
  Stripes(p, at, {QColor(0xc8, 0x10, 0x2e), Qt::white, QColor(0xc8, 0x10, 0x2e)}, false);
  Stripes(p, de, {Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)}, false);
  Switzerland(p, ch);
  Framed(p, at);
  Framed(p, de);
  Framed(p, ch);
  return c;
}

}  // namespace

QImage PaintLips(int size, int scale) {
  QImage c = Canvas(size, size, scale);
  QPainter p(&c);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 20.0, size / 20.0);
  QPainterPath upper;
  upper.moveTo(1, 10);
  upper.cubicTo(5, 3, 8, 4, 10, 6.5);
  upper.cubicTo(12, 4, 15, 3, 19, 10);
  upper.cubicTo(14, 9, 6, 9, 1, 10);
  QPainterPath lower;
  lower.moveTo(1, 10.5);
  lower.cubicTo(6, 11, 14, 11, 19, 10.5);
  lower.cubicTo(15, 17.5, 5, 17.5, 1, 10.5);
  p.setPen(Stroke(QColor(0x7a, 0x0c, 0x18), 0.8));
  p.setBrush(QColor(0xd8, 0x20, 0x38));
  p.drawPath(upper);
  p.setBrush(QColor(0xe8, 0x3a, 0x50));
  p.drawPath(lower);
  return c;
}

QImage PaintSplash() {
  QImage splash = Marble(200, 150, QColor(0x12, 0x18, 0x3a), QColor(0x4c, 0x5c, 0xa8), 91, 40.0);
  QPainter p(&splash);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(QRectF(68, 14, 64, 64), PaintIcon(64));
  PaintTitle(p, QRectF(0, 80, 200, 34), "Blivo Turnix", 26, kTitleGold);
  QFont small("Liberation Sans");
  small.setPixelSize(10);
  p.setFont(small);
  p.setPen(QColor(0xe0, 0xe4, 0xf4));
  p.drawText(QRectF(0, 114, 200, 18), Qt::AlignCenter, "Gripple \u00b7 Hexagon \u00b7 Oktopus \u00b7 Wedding");
  p.setPen(kTitleGold);
  p.drawText(QRectF(0, 130, 200, 16), Qt::AlignCenter, "V1.6");
  p.setPen(QPen(kTitleGold, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 198, 148));
  return splash;
}

QImage PaintMakerLogo(int scale) {
  QImage logo(100 * scale, 75 * scale, QImage::Format_RGB32);
  logo.setDevicePixelRatio(scale);
  logo.fill(QColor(0xf0, 0xec, 0xe0));
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  // Three balls on a curve, and the maker's name under them.
  const QPointF at[3] = {{28, 26}, {50, 18}, {72, 26}};
  for (int k = 0; k < 3; ++k) PaintBall(p, QRectF(at[k] - QPointF(10, 10), QSizeF(20, 20)), PieceColour(k == 1 ? 3 : k));
  QFont font("Liberation Serif");
  font.setBold(true);
  font.setPixelSize(17);
  p.setFont(font);
  p.setPen(QColor(0x24, 0x2c, 0x58));
  p.drawText(QRectF(0, 40, 100, 22), Qt::AlignCenter, "BLIVO");
  font.setPixelSize(10);
  font.setLetterSpacing(QFont::PercentageSpacing, 140);
  p.setFont(font);
  p.drawText(QRectF(0, 58, 100, 14), Qt::AlignCenter, "GAMES");
  return logo;
}

std::map<QString, QImage> PaintDialogGlyphs(int scale) {
  return {{"door", Door(scale)},         {"smile", Smile(scale)},
          {"cross", Cross(scale)},       {"tick", Tick(scale)},
          {"lips", PaintLips(15, scale)}, {"flags-english", EnglishFlags(scale)},
          {"flags-german", GermanFlags(scale)}, {"logo", PaintMakerLogo(scale)}};
}

}  // namespace assets
