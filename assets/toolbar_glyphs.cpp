// The glyphs of the tool-bar buttons, 20 x 20 (the maker's button 24 x 20).
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "assets/paint_kit.h"
#include "assets/pictures.h"

namespace assets {

namespace {

const QColor kInk(0x2c, 0x30, 0x3c);

QPen Stroke(QColor colour, qreal width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour) {
  p.setPen(Stroke(colour, 2.0));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
  const QPointF n(-d.y(), d.x());
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({to + d * 2.5, to - d * 2.5 + n * 3.2, to - d * 2.5 - n * 3.2}));
}

using Painter = void (*)(QPainter&);

void Mix(QPainter& p) {
  // Two arrows chasing each other round.
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(QColor(0x2f, 0x6c, 0xda), 2.2));
  p.drawArc(QRectF(3, 3, 14, 14), 30 * 16, 150 * 16);
  p.setPen(Stroke(QColor(0xd6, 0x2f, 0x3a), 2.2));
  p.drawArc(QRectF(3, 3, 14, 14), 210 * 16, 150 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2f, 0x6c, 0xda));
  p.drawPolygon(QPolygonF({{1.0, 8.0}, {7.0, 8.0}, {4.0, 12.5}}));
  p.setBrush(QColor(0xd6, 0x2f, 0x3a));
  p.drawPolygon(QPolygonF({{19.0, 12.0}, {13.0, 12.0}, {16.0, 7.5}}));
}

void Option(QPainter& p) {
  // Upper right: the next pattern; lower left: the previous one.
  p.setPen(Stroke(QColor(0x88, 0x88, 0x88), 1.0));
  p.drawLine(QPointF(2, 2), QPointF(18, 18));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x37, 0xac, 0x4b));
  p.drawPolygon(QPolygonF({{13.0, 2.5}, {18.0, 8.0}, {8.0, 8.0}}));
  p.setBrush(QColor(0xd6, 0x2f, 0x3a));
  p.drawPolygon(QPolygonF({{7.0, 17.5}, {2.0, 12.0}, {12.0, 12.0}}));
}

void Pause(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRoundedRect(QRectF(5, 4, 4, 12), 1, 1);
  p.drawRoundedRect(QRectF(11, 4, 4, 12), 1, 1);
}

void Speaker(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{3.0, 7.5}, {6.5, 7.5}, {11.0, 3.5}, {11.0, 16.5}, {6.5, 12.5}, {3.0, 12.5}}));
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(kInk, 1.5));
  p.drawArc(QRectF(9, 6, 6, 8), -50 * 16, 100 * 16);
  p.drawArc(QRectF(9, 3, 9, 14), -50 * 16, 100 * 16);
}

void Music(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5a, 0x2c, 0x8c));
  p.drawEllipse(QPointF(6, 15), 3.2, 2.5);
  p.drawEllipse(QPointF(15, 13), 3.2, 2.5);
  p.setPen(Stroke(QColor(0x5a, 0x2c, 0x8c), 1.6));
  p.drawLine(QPointF(9, 15), QPointF(9, 4));
  p.drawLine(QPointF(18, 13), QPointF(18, 2));
  p.setPen(Stroke(QColor(0x5a, 0x2c, 0x8c), 2.6));
  p.drawLine(QPointF(9, 4.5), QPointF(18, 2.5));
}

void Cup(QPainter& p) {
  QLinearGradient gold(0, 0, 20, 20);
  gold.setColorAt(0, QColor(0xfb, 0xe6, 0xa0));
  gold.setColorAt(1, QColor(0x9c, 0x6c, 0x10));
  p.setPen(Stroke(QColor(0x7a, 0x52, 0x08), 1.0));
  p.setBrush(gold);
  QPainterPath cup;
  cup.moveTo(5, 2);
  cup.lineTo(15, 2);
  cup.cubicTo(15, 9, 12.5, 11, 10, 11);
  cup.cubicTo(7.5, 11, 5, 9, 5, 2);
  p.drawPath(cup);
  p.drawRect(QRectF(9, 11, 2, 4));
  p.drawRect(QRectF(6, 15, 8, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(1.5, 3, 5, 5), 90 * 16, 180 * 16);
  p.drawArc(QRectF(13.5, 3, 5, 5), -90 * 16, 180 * 16);
}

void Door(QPainter& p) {
  p.setPen(Stroke(kInk, 1.2));
  p.setBrush(QColor(0xd8, 0xd0, 0xc0));
  p.drawRect(QRectF(4, 2, 10, 16));
  p.setBrush(QColor(0x9a, 0x5c, 0x2c));
  p.drawPolygon(QPolygonF({{4.0, 2.0}, {10.0, 4.0}, {10.0, 19.0}, {4.0, 18.0}}));
  Arrow(p, QPointF(12, 10), QPointF(18.5, 10), QColor(0x37, 0xac, 0x4b));
}

void GrippleGlyph(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRoundedRect(QRectF(1, 1, 18, 18), 3, 3);
  for (int k = 0; k < 4; ++k) PaintTile(p, QRectF(2.5 + 8 * (k % 2), 2.5 + 8 * (k / 2), 7, 7), PieceColour(k), 1.5);
}

void HexagonGlyph(QPainter& p) {
  const QPointF c(10, 10);
  for (int k = 0; k < 6; ++k) {
    QPainterPath sector;
    sector.moveTo(c);
    const double a0 = k * std::numbers::pi / 3, a1 = (k + 1) * std::numbers::pi / 3;
    sector.lineTo(c + QPointF(9 * std::cos(a0), -9 * std::sin(a0)));
    sector.lineTo(c + QPointF(9 * std::cos(a1), -9 * std::sin(a1)));
    sector.closeSubpath();
    static constexpr int kBySector[6] = {3, 2, 1, 4, 5, 6};
    p.setPen(Qt::NoPen);
    p.setBrush(PieceColour(kBySector[k] - 1).darker(110));
    p.drawPath(sector);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(Qt::black, 2.0));
  p.drawEllipse(c, 5, 5);
}

void OktopusGlyph(QPainter& p) {
  const QPointF c(10, 10);
  PaintBall(p, QRectF(1, 1, 18, 18), QColor(0x8c, 0x96, 0xa8));
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4;
    p.setPen(Qt::NoPen);
    p.setBrush(PieceColour(k));
    p.drawEllipse(c + QPointF(6.3 * std::cos(a), 6.3 * std::sin(a)), 1.9, 1.9);
  }
}

void WeddingGlyph(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(QColor(0xc8, 0x98, 0x3c), 2.4));
  p.drawEllipse(QPointF(7, 10), 5.5, 5.5);
  p.drawEllipse(QPointF(13, 10), 5.5, 5.5);
  p.setPen(Qt::NoPen);
  p.setBrush(PieceColour(0));
  p.drawEllipse(QPointF(10, 5.5), 1.9, 1.9);
  p.setBrush(PieceColour(3));
  p.drawEllipse(QPointF(10, 14.5), 1.9, 1.9);
}

void Letter(QPainter& p, const QString& text, QColor ground) {
  PaintBall(p, QRectF(1, 1, 18, 18), ground);
  QFont font("Liberation Serif");
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0.5, 20, 20), Qt::AlignCenter, text);
}

void Help(QPainter& p) { Letter(p, "?", QColor(0x2f, 0x6c, 0xda)); }
void Info(QPainter& p) { Letter(p, "i", QColor(0x37, 0xac, 0x4b)); }

QImage Glyph(int width, Painter paint, int scale) {
  QImage canvas = Canvas(width, 20, scale);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paint(p);
  return canvas;
}

// The clock's caption in lime, as its label would set it in the game's sans
// font: painted here so that the first picture of the window needs no fonts.
QImage Caption(const QString& text, int scale) {
  QImage canvas = Canvas(33, 16, scale);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Liberation Sans");
  font.setPixelSize(12);
  p.setFont(font);
  p.setPen(QColor(0x00, 0xff, 0x00));
  p.drawText(QRectF(0, 0, 33, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
  return canvas;
}

QImage Blivo(int scale) {
  QImage canvas = Canvas(24, 20, scale);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  DrawIcon(p, QRectF(2, 0, 20, 20));
  return canvas;
}

}  // namespace

std::map<QString, QImage> PaintGlyphs(int scale) {
  return {
      {"mix", Glyph(20, Mix, scale)},          {"option", Glyph(20, Option, scale)},
      {"pause", Glyph(20, Pause, scale)},      {"sound", Glyph(20, Speaker, scale)},
      {"music", Glyph(20, Music, scale)},      {"highscore", Glyph(20, Cup, scale)},
      {"exit", Glyph(20, Door, scale)},        {"gripple", Glyph(20, GrippleGlyph, scale)},
      {"hexagon", Glyph(20, HexagonGlyph, scale)}, {"oktopus", Glyph(20, OktopusGlyph, scale)},
      {"wedding", Glyph(20, WeddingGlyph, scale)}, {"tongue", PaintLips(20, scale)},
      {"help", Glyph(20, Help, scale)},        {"info", Glyph(20, Info, scale)},
      {"blivo", Blivo(scale)},
      {"time-en", Caption("Time:", scale)},    {"time-de", Caption("Zeit:", scale)},
  };
}

}  // namespace assets
