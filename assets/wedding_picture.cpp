// b4.bmp: the two ring tracks, the target picture of each variant, and the
// balls in the four sizes.
#include <cmath>
#include <numbers>

#include "assets/paint_kit.h"
#include "assets/pictures.h"
#include "puzzles/wedding.h"
#include "puzzles/wedding_sheet.h"

namespace assets {

namespace {

using namespace blivo::wedding_sheet;
using blivo::kWeddingRadius;
using blivo::kWeddingRingCentres;

void PaintTracks(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (int pass = 0; pass < 3; ++pass) {
    for (const blivo::BoardPoint& centre : kWeddingRingCentres) {
      const QPointF c(centre.x, centre.y);
      if (pass == 0) {  // soft shadow
        p.setPen(QPen(QColor(0, 0, 0, 80), 36));
        p.drawEllipse(c + QPointF(2, 3), kWeddingRadius, kWeddingRadius);
      } else if (pass == 1) {  // golden band
        QLinearGradient gold(c - QPointF(kWeddingRadius, kWeddingRadius), c + QPointF(kWeddingRadius, kWeddingRadius));
        gold.setColorAt(0, QColor(0xfb, 0xe6, 0xa0));
        gold.setColorAt(0.5, QColor(0xc8, 0x98, 0x3c));
        gold.setColorAt(1, QColor(0x6c, 0x48, 0x10));
        p.setPen(QPen(QBrush(gold), 32));
        p.drawEllipse(c, kWeddingRadius, kWeddingRadius);
      } else {  // the groove the balls run in
        p.setPen(QPen(QColor(0x1a, 0x0c, 0x08), 24));
        p.drawEllipse(c, kWeddingRadius, kWeddingRadius);
      }
    }
  }
}

// The solved rings of a variant in small.
QImage TargetPicture(int variant) {
  const int n = blivo::WeddingVariants(variant).ballsPerRing;
  QImage picture(kTargetSpot.w, kTargetSpot.h, QImage::Format_RGB32);
  picture.fill(QColor(0x14, 0x08, 0x0a));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = 0.2;
  const double radius = kWeddingRadius * scale;
  const QPointF centres[2] = {{22, 22.5}, {22 + (kWeddingRingCentres[1].x - kWeddingRingCentres[0].x) * scale, 22.5}};
  p.setPen(QPen(QColor(0x8c, 0x6a, 0x30), 1.0));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& c : centres) p.drawEllipse(c, radius, radius);
  const double dot = std::min(2.6, radius * std::numbers::pi / n * 0.85);
  p.setPen(Qt::NoPen);
  for (int r = 0; r < 2; ++r) {
    for (int j = 0; j < n; ++j) {
      const int cell = blivo::WeddingRingList(variant, r + 1)[j];
      const double a = (blivo::kWeddingFirstAngle + j * 360.0 / n) * std::numbers::pi / 180.0;
      const QPointF at = centres[r] + QPointF(radius * std::cos(a), -radius * std::sin(a));
      const QColor colour = PieceColour(blivo::WeddingTarget(variant, cell) - 1);
      QRadialGradient shade(at, dot, at - QPointF(dot / 3, dot / 3));
      shade.setColorAt(0, colour.lighter(160));
      shade.setColorAt(1, colour.darker(140));
      p.setBrush(shade);
      p.drawEllipse(at, dot, dot);
    }
  }
  return picture;
}

QImage PaintRingBall(int size, int colour) {
  QImage canvas = Canvas(size, size);
  QPainter p(&canvas);
  PaintBall(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0), PieceColour(colour - 1));
  PaintMarking(p, QPointF(size / 2.0, size / 2.0 + size * 0.04), size * 0.36, colour - 1,
               PieceColour(colour - 1).darker(200));
  return canvas;
}

}  // namespace

QImage PaintWeddingPicture() {
  QImage sheet =
      BoardSheet(kWidth, kHeight, BoardGround(QColor(0x3a, 0x08, 0x18), QColor(0xa0, 0x3c, 0x58), 53, 70.0));
  {
    QPainter p(&sheet);
    p.setClipRect(0, 0, blivo::kBoardWidth, blivo::kBoardHeight);
    PaintTracks(p);
    PaintGoldFrame(p, ToRectF(kTargetSpot).adjusted(-4, -4, 4, 4), 6);
    PaintTitle(p, ToRectF(kTitle), "WEDDING", 28, kTitleGold);
  }
  // The frame's inside shows the first target until the game puts its own there.
  Place(sheet, kTargetSpot, TargetPicture(1));
  for (int v = 1; v <= blivo::kWeddingVariantCount; ++v) {
    Place(sheet, Target(v), TargetPicture(v));
    const BallRow balls = Balls(v);
    for (int c = 1; c <= 4; ++c) {
      const Sprite ball = SplitSprite(PaintRingBall(balls.size, c));
      Place(sheet, balls.Ball(c), ball.picture);
      if (c == 4) Place(sheet, balls.Mask(), ball.mask);
    }
  }
  return sheet;
}

}  // namespace assets
