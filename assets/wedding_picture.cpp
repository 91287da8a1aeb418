// b4.bmp: the two ring tracks, the target picture of each variant, and the
// balls in the four sizes.
#include <cmath>
#include <numbers>

#include "assets/paint_kit.h"
#include "assets/pictures.h"

namespace assets {

namespace {

constexpr int kRingCentreX[2] = {178, 320};
constexpr int kCentreY = 166;

struct Variant {
  int n;  // balls per ring
  int ballSize, spriteLeft, spriteTop;
  int ring2[24];
  int targets[46];
};

constexpr Variant kVariants[4] = {
    {12, 50, 0, 333, {20, 21, 22, 1, 13, 14, 10, 15, 16, 17, 18, 19},
     {3, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4, 3, 3, 3}},
    {16, 38, 250, 333, {27, 28, 29, 30, 1, 17, 18, 19, 13, 20, 21, 22, 23, 24, 25, 26},
     {3, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3}},
    {20, 30, 250, 371, {34, 35, 36, 37, 38, 1, 21, 22, 23, 24, 16, 25, 26, 27, 28, 29, 30, 31, 32, 33},
     {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3}},
    {24, 26, 0, 383, {41, 42, 43, 44, 45, 46, 1, 25, 26, 27, 28, 29, 19, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40},
     {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
      3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3}},
};

void PaintTracks(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (int pass = 0; pass < 3; ++pass) {
    for (int r = 0; r < 2; ++r) {
      const QPointF c(kRingCentreX[r], kCentreY);
      if (pass == 0) {  // soft shadow
        p.setPen(QPen(QColor(0, 0, 0, 80), 36));
        p.drawEllipse(c + QPointF(2, 3), 100, 100);
      } else if (pass == 1) {  // golden band
        QLinearGradient gold(c - QPointF(100, 100), c + QPointF(100, 100));
        gold.setColorAt(0, QColor(0xfb, 0xe6, 0xa0));
        gold.setColorAt(0.5, QColor(0xc8, 0x98, 0x3c));
        gold.setColorAt(1, QColor(0x6c, 0x48, 0x10));
        p.setPen(QPen(QBrush(gold), 32));
        p.drawEllipse(c, 100, 100);
      } else {  // the groove the balls run in
        p.setPen(QPen(QColor(0x1a, 0x0c, 0x08), 24));
        p.drawEllipse(c, 100, 100);
      }
    }
  }
}

QImage TargetPicture(const Variant& v) {
  QImage picture(72, 45, QImage::Format_RGB32);
  picture.fill(QColor(0x14, 0x08, 0x0a));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = 0.2;
  const QPointF centres[2] = {{22, 22.5}, {22 + 142 * scale, 22.5}};
  p.setPen(QPen(QColor(0x8c, 0x6a, 0x30), 1.0));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& c : centres) p.drawEllipse(c, 100 * scale, 100 * scale);
  const double dot = std::min(2.6, 100 * scale * std::numbers::pi / v.n * 0.85);
  p.setPen(Qt::NoPen);
  for (int r = 0; r < 2; ++r) {
    for (int j = 0; j < v.n; ++j) {
      const int cell = r == 0 ? j + 1 : v.ring2[j];
      const double a = (45 + j * 360.0 / v.n) * std::numbers::pi / 180.0;
      const QPointF at = centres[r] + QPointF(100 * scale * std::cos(a), -100 * scale * std::sin(a));
      const QColor colour = PieceColour(v.targets[cell - 1] - 1);
      QRadialGradient shade(at, dot, at - QPointF(dot / 3, dot / 3));
      shade.setColorAt(0, colour.lighter(160));
      shade.setColorAt(1, colour.darker(140));
      p.setBrush(shade);
      p.drawEllipse(at, dot, dot);
    }
  }
  return picture;
}

QImage Ball(int size, int colour) {
  QImage canvas = Canvas(size, size);
  QPainter p(&canvas);
  PaintBall(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0), PieceColour(colour - 1));
  PaintMarking(p, QPointF(size / 2.0, size / 2.0 + size * 0.04), size * 0.36, colour - 1,
               PieceColour(colour - 1).darker(200));
  return canvas;
}

}  // namespace

QImage PaintWeddingPicture() {
  QImage sheet = BoardSheet(572, 409, Marble(500, 333, QColor(0x3a, 0x08, 0x18), QColor(0xa0, 0x3c, 0x58), 53, 70.0));
  {
    QPainter p(&sheet);
    p.setClipRect(0, 0, 500, 333);
    PaintTracks(p);
    PaintGoldFrame(p, QRectF(416, 4, 80, 53), 6);
    PaintTitle(p, QRectF(335, 288, 152, 36), "WEDDING", 28, kTitleGold);
  }
  // The frame's inside shows the first target until the game puts its own there.
  Place(sheet, 420, 8, TargetPicture(kVariants[0]));
  for (int v = 0; v < 4; ++v) {
    const Variant& variant = kVariants[v];
    Place(sheet, 500, 45 * v, TargetPicture(variant));
    for (int c = 1; c <= 4; ++c) {
      const Sprite ball = SplitSprite(Ball(variant.ballSize, c));
      Place(sheet, variant.spriteLeft + variant.ballSize * (c - 1), variant.spriteTop, ball.picture);
      if (c == 4) Place(sheet, variant.spriteLeft + variant.ballSize * 4, variant.spriteTop, ball.mask);
    }
  }
  return sheet;
}

}  // namespace assets
