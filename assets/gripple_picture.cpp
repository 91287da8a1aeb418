// b1.bmp: the Gripple board with its five black plates, and its pieces.
#include <QPainterPath>

#include "assets/paint_kit.h"
#include "assets/pictures.h"
#include "puzzles/gripple.h"
#include "puzzles/gripple_sheet.h"

namespace assets {

namespace {

using namespace blivo::gripple_sheet;

QImage PaintPiece(int size, int colour) {
  QImage canvas = Canvas(size, size);
  QPainter p(&canvas);
  const qreal margin = size * 0.04;
  const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
  PaintTile(p, tile, PieceColour(colour), size * 0.18);
  PaintMarking(p, tile.center(), size * 0.36, colour, PieceColour(colour).darker(190));
  return canvas;
}

QRectF PlateRect(int plate) { return ToRectF(blivo::gripple_sheet::PlateSquare(blivo::GrippleRotorCentre(plate))); }

void PaintPlates(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  // Shadows and metal rims first, so that the black faces join into one.
  for (int plate = 1; plate <= 5; ++plate) {
    const QRectF square = PlateRect(plate);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(square.adjusted(-1, 1, 6, 7), 18, 18);
    QLinearGradient rim(square.topLeft(), square.bottomRight());
    rim.setColorAt(0, QColor(0xb8, 0xbc, 0xc4));
    rim.setColorAt(1, QColor(0x3a, 0x3e, 0x46));
    p.setBrush(rim);
    p.drawRoundedRect(square.adjusted(-3, -3, 3, 3), 18, 18);
  }
  for (int plate = 1; plate <= 5; ++plate) {
    p.setBrush(Qt::black);
    p.drawRoundedRect(PlateRect(plate), 15, 15);
  }
  // Faint outlines tell the overlapping plates apart; the hub marks where to click.
  for (int plate = 1; plate <= 5; ++plate) {
    const QRectF square = PlateRect(plate);
    const QPointF c = square.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x26, 0x28, 0x2c), 1));
    p.drawRoundedRect(square.adjusted(0.5, 0.5, -0.5, -0.5), 15, 15);
    QRadialGradient hub(c - QPointF(1.5, 1.5), 5);
    hub.setColorAt(0, QColor(0xd8, 0xdc, 0xe2));
    hub.setColorAt(1, QColor(0x50, 0x54, 0x5c));
    p.setPen(Qt::NoPen);
    p.setBrush(hub);
    p.drawEllipse(c, 4.2, 4.2);
  }
}

// A golden frame 10 pixels around the small pieces of the target.
void PaintTargetPanel(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF pieces = ToRectF(TargetPiece(1, 1)).united(ToRectF(TargetPiece(4, 4)));
  const QRectF panel = pieces.adjusted(-10, -10, 10, 10);
  PaintGoldFrame(p, panel, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x0c, 0x0c, 0x10));
  p.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 7, 7);
}

}  // namespace

QImage PaintGripplePicture() {
  QImage sheet = BoardSheet(kWidth, kHeight, BoardGround(QColor(0x0b, 0x3b, 0x3a), QColor(0x4f, 0x9a, 0x8c), 11));
  {
    QPainter p(&sheet);
    p.setClipRect(0, 0, blivo::kBoardWidth, blivo::kBoardHeight);
    PaintPlates(p);
    PaintTargetPanel(p);
    PaintTitle(p, ToRectF(kTitle), "GRIPPLE", 34, kTitleGold);
  }
  for (int v = 1; v <= 4; ++v) {
    const Sprite big = SplitSprite(PaintPiece(kPieceSize, v - 1));
    Place(sheet, Piece(v), big.picture);
    if (v == 1) Place(sheet, kPieceMask, big.mask);
    const Sprite small = SplitSprite(PaintPiece(kSmallSize, v - 1));
    Place(sheet, SmallPiece(v), small.picture);
    if (v == 1) Place(sheet, kSmallMask, small.mask);
  }
  return sheet;
}

}  // namespace assets
