// b2.bmp: the Hexagon field in its three sizes, the pills and the ring disc.
//
// How the board composes a ring decides the look: a ring's pills are put on
// the field with OR, so the field is black wherever any pill can pass, a band
// around every ring centre. The sector colours show in the hub of each ring,
// in the gaps and around the rings.
#include <cmath>
#include <numbers>
#include <vector>

#include "assets/paint_kit.h"
#include "assets/pictures.h"
#include "puzzles/hexagon.h"
#include "puzzles/hexagon_sheet.h"

namespace assets {

namespace {

using namespace blivo::hexagon_sheet;

constexpr int kCentreX = kFieldCentre.x, kCentreY = kFieldCentre.y;
constexpr double kHubRadius = 7.0;    // no pill of a neighbour ring ever reaches closer
constexpr double kBandRadius = 31.5;  // a pill at 22 from the centre reaches 31

struct Variant {
  int halfWidth, halfHeight, rings;
};

Variant FieldOf(int variant) {
  const blivo::HexagonVariantInfo& v = blivo::HexagonVariants(variant);
  return {v.field.w / 2, v.field.h / 2, v.rings};
}

// Sector colours counter-clockwise from the right: 0-60 colour 3, 60-120
// colour 2, 120-180 colour 1, 180-240 colour 4, 240-300 colour 5, 300-360 colour 6.
int SectorColour(double dx, double dy) {
  double degrees = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  static constexpr int kBySector[6] = {3, 2, 1, 4, 5, 6};
  return kBySector[static_cast<int>(degrees / 60.0) % 6];
}

bool InsideHexagon(double dx, double dy, const Variant& v) {
  // Vertices left and right; flat top and bottom.
  const double ax = std::abs(dx), ay = std::abs(dy);
  return ay <= v.halfHeight && ax <= v.halfWidth - ay * (v.halfWidth / 2.0) / v.halfHeight;
}

QColor Ground(int colour, double distance, double reach) {
  const QColor base = PieceColour(colour - 1);
  const double light = 0.95 - 0.3 * std::min(distance / reach, 1.0);
  return QColor::fromRgbF(base.redF() * light, base.greenF() * light, base.blueF() * light);
}

// The whole board as it shows with the field of variant v.
QImage Scene(const QImage& ground, const Variant& v) {
  QImage scene = ground.copy();
  std::vector<QPointF> centres;
  for (int r = 1; r <= v.rings; ++r) {
    const blivo::BoardPoint c = blivo::HexagonRingCentre(r);
    centres.emplace_back(c.x, c.y);
  }
  const double reach = std::hypot(v.halfWidth, v.halfHeight);
  for (int y = kCentreY - v.halfHeight; y < kCentreY + v.halfHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(scene.scanLine(y));
    for (int x = kCentreX - v.halfWidth; x < kCentreX + v.halfWidth; ++x) {
      const double dx = x + 0.5 - kCentreX, dy = y + 0.5 - kCentreY;
      if (!InsideHexagon(dx, dy, v)) continue;
      double nearest = 1e9;
      for (const QPointF& c : centres) nearest = std::min(nearest, std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y()));
      if (nearest > kHubRadius && nearest < kBandRadius) {
        line[x] = qRgb(0, 0, 0);
        continue;
      }
      QColor g = Ground(SectorColour(dx, dy), std::hypot(dx, dy), reach);
      // A bright lip around each hub and along the field's edge.
      if (nearest <= kHubRadius && nearest > kHubRadius - 1.3) g = g.darker(160);
      line[x] = g.rgb();
    }
  }
  QPainter p(&scene);
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(kCentreX - v.halfWidth, kCentreY - v.halfHeight, 2 * v.halfWidth, 2 * v.halfHeight);
  p.setBrush(Qt::NoBrush);
  QPolygonF hexagon;
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 3;
    hexagon << QPointF(kCentreX + v.halfWidth * std::cos(a), kCentreY - v.halfHeight / std::sin(std::numbers::pi / 3) * std::sin(a) * 1.0);
  }
  p.setPen(QPen(kTitleGold, 1.6));
  p.drawPolygon(hexagon);
  return scene;
}

QImage PaintPill(int colour) {
  QImage canvas = Canvas(kPillSize, kPillSize);
  QPainter p(&canvas);
  PaintBall(p, QRectF(0.6, 0.6, 16.8, 16.8), PieceColour(colour - 1));
  PaintMarking(p, QPointF(9, 9.3), 7.5, colour - 1, PieceColour(colour - 1).darker(210));
  return canvas;
}

}  // namespace

QImage PaintHexagonPicture() {
  QImage ground = BoardGround(QColor(0x24, 0x1a, 0x10), QColor(0x8c, 0x6a, 0x40), 23);
  {
    QPainter p(&ground);
    PaintTitle(p, ToRectF(kTitle), "H\nE\nX\nA\nG\nO\nN", 30, kTitleGold);
  }
  // The first field is part of the background; the larger ones are cut from
  // boards painted with them, at the place where they are shown.
  QImage sheet = BoardSheet(kWidth, kHeight, Scene(ground, FieldOf(1)));
  for (int v = 2; v <= blivo::kHexagonVariantCount; ++v) {
    const blivo::Rect field = Field(v);
    Place(sheet, field, Scene(ground, FieldOf(v)).copy(kCentreX - field.w / 2, kCentreY - field.h / 2, field.w, field.h));
  }
  for (int c = 1; c <= 6; ++c) Place(sheet, Pill(c), SplitSprite(PaintPill(c)).picture);

  // The disc is black all over: the field shows through it around the pills.
  QImage disc = Canvas(kDiscSize, kDiscSize);
  {
    QPainter p(&disc);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(0, 0, kDiscSize, kDiscSize));
  }
  const Sprite ring = SplitSprite(disc);
  QImage showing = ring.mask;
  showing.invertPixels();  // white where the disc shows
  Place(sheet, kDiscMask, showing);
  Place(sheet, kDisc, ring.picture);
  return sheet;
}

}  // namespace assets
