// b1.bmp: the Gripple board with its five black plates, and its pieces.
#include <QPainterPath>

#include "assets/paint_kit.h"
#include "assets/pictures.h"

namespace assets {

namespace {

constexpr int kPlateCentres[5][2] = {{105, 105}, {225, 105}, {165, 165}, {105, 225}, {225, 225}};

QImage Piece(int size, int colour) {
  QImage canvas = Canvas(size, size);
  QPainter p(&canvas);
  const qreal margin = size * 0.04;
  const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
  PaintTile(p, tile, PieceColour(colour), size * 0.18);
  PaintMarking(p, tile.center(), size * 0.36, colour, PieceColour(colour).darker(190));
  return canvas;
}

void PaintPlates(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  // Shadows and metal rims first, so that the black faces join into one.
  for (const auto& c : kPlateCentres) {
    const QRectF square(c[0] - 65, c[1] - 65, 130, 130);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(square.adjusted(-1, 1, 6, 7), 18, 18);
    QLinearGradient rim(square.topLeft(), square.bottomRight());
    rim.setColorAt(0, QColor(0xb8, 0xbc, 0xc4));
    rim.setColorAt(1, QColor(0x3a, 0x3e, 0x46));
    p.setBrush(rim);
    p.drawRoundedRect(square.adjusted(-3, -3, 3, 3), 18, 18);
  }
  for (const auto& c : kPlateCentres) {
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(c[0] - 65, c[1] - 65, 130, 130), 15, 15);
  }
  // Faint outlines tell the overlapping plates apart; the hub marks where to click.
  for (const auto& c : kPlateCentres) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x26, 0x28, 0x2c), 1));
    p.drawRoundedRect(QRectF(c[0] - 64.5, c[1] - 64.5, 129, 129), 15, 15);
    QRadialGradient hub(QPointF(c[0] - 1.5, c[1] - 1.5), 5);
    hub.setColorAt(0, QColor(0xd8, 0xdc, 0xe2));
    hub.setColorAt(1, QColor(0x50, 0x54, 0x5c));
    p.setPen(Qt::NoPen);
    p.setBrush(hub);
    p.drawEllipse(QPointF(c[0], c[1]), 4.2, 4.2);
  }
}

void PaintTargetPanel(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF panel(326, 17, 155, 155);
  PaintGoldFrame(p, panel, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x0c, 0x0c, 0x10));
  p.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 7, 7);
}

}  // namespace

QImage PaintGripplePicture() {
  QImage sheet = BoardSheet(500, 383, Marble(500, 333, QColor(0x0b, 0x3b, 0x3a), QColor(0x4f, 0x9a, 0x8c), 11));
  {
    QPainter p(&sheet);
    p.setClipRect(0, 0, 500, 333);
    PaintPlates(p);
    PaintTargetPanel(p);
    PaintTitle(p, QRectF(300, 245, 183, 74), "GRIPPLE", 34, kTitleGold);
  }
  for (int v = 1; v <= 4; ++v) {
    const Sprite big = SplitSprite(Piece(50, v - 1));
    Place(sheet, 50 * (v - 1), 333, big.picture);
    if (v == 1) Place(sheet, 200, 333, big.mask);
    const Sprite small = SplitSprite(Piece(30, v - 1));
    Place(sheet, 220 + 30 * v, 333, small.picture);
    if (v == 1) Place(sheet, 370, 333, small.mask);
  }
  return sheet;
}

}  // namespace assets
