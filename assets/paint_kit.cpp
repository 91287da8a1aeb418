#include "assets/paint_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "puzzles/board_geometry.h"

namespace assets {

QColor PieceColour(int index) {
  static const QColor kColours[8] = {
      QColor(0xd6, 0x2f, 0x3a),  // red
      QColor(0xf2, 0xc1, 0x2e),  // yellow
      QColor(0x37, 0xac, 0x4b),  // green
      QColor(0x2f, 0x6c, 0xda),  // blue
      QColor(0x93, 0x47, 0xc9),  // purple
      QColor(0xf0, 0x7b, 0x1c),  // orange
      QColor(0x2c, 0xc6, 0xcc),  // cyan
      QColor(0xe6, 0xe4, 0xdc),  // ivory
  };
  return kColours[index & 7];
}

void PaintMarking(QPainter& p, QPointF c, qreal s, int index, QColor ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal r = s / 2;
  QPen pen(ink, std::max<qreal>(1.0, s / 6.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (index & 7) {
    case 0:  // ring
      p.drawEllipse(c, r * 0.8, r * 0.8);
      break;
    case 1: {  // triangle
      QPolygonF t;
      for (int k = 0; k < 3; ++k) {
        const double a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 3;
        t << c + QPointF(r * std::cos(a), r * std::sin(a) + r * 0.12);
      }
      p.drawPolygon(t);
      break;
    }
    case 2:  // square
      p.drawRect(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4));
      break;
    case 3:  // cross
      p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
      p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
      break;
    case 4: {  // star of three strokes
      for (int k = 0; k < 3; ++k) {
        const double a = std::numbers::pi / 2 + k * std::numbers::pi / 3;
        p.drawLine(c + QPointF(r * std::cos(a), r * std::sin(a)), c - QPointF(r * std::cos(a), r * std::sin(a)));
      }
      break;
    }
    case 5:  // two bars
      p.drawLine(c + QPointF(-r * 0.8, -r * 0.35), c + QPointF(r * 0.8, -r * 0.35));
      p.drawLine(c + QPointF(-r * 0.8, r * 0.35), c + QPointF(r * 0.8, r * 0.35));
      break;
    case 6:  // dot
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(c, r * 0.45, r * 0.45);
      break;
    case 7: {  // diamond
      QPolygonF d;
      d << c + QPointF(0, -r) << c + QPointF(r * 0.75, 0) << c + QPointF(0, r) << c + QPointF(-r * 0.75, 0);
      p.drawPolygon(d);
      break;
    }
  }
  p.restore();
}

void PaintBall(QPainter& p, const QRectF& rect, QColor base) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = rect.center();
  const qreal r = rect.width() / 2;
  QRadialGradient body(centre, r, centre - QPointF(r * 0.38, r * 0.42));
  body.setColorAt(0.0, base.lighter(175));
  body.setColorAt(0.45, base);
  body.setColorAt(0.9, base.darker(190));
  body.setColorAt(1.0, base.darker(260));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(rect);
  // The specular spot.
  QRadialGradient shine(centre - QPointF(r * 0.36, r * 0.42), r * 0.34);
  shine.setColorAt(0.0, QColor(255, 255, 255, 220));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(centre - QPointF(r * 0.36, r * 0.42), r * 0.34, r * 0.3);
  p.restore();
}

void PaintTile(QPainter& p, const QRectF& rect, QColor base, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient rim(rect.topLeft(), rect.bottomRight());
  rim.setColorAt(0.0, base.lighter(160));
  rim.setColorAt(0.5, base);
  rim.setColorAt(1.0, base.darker(230));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawRoundedRect(rect, radius, radius);
  const qreal inset = rect.width() * 0.12;
  const QRectF face = rect.adjusted(inset, inset, -inset, -inset);
  QLinearGradient top(face.topLeft(), face.bottomLeft());
  top.setColorAt(0.0, base.lighter(125));
  top.setColorAt(1.0, base.darker(115));
  p.setBrush(top);
  p.drawRoundedRect(face, radius * 0.6, radius * 0.6);
  p.restore();
}

namespace {

// Smooth value noise on a lattice, summed over octaves.
double Hash(int x, int y, unsigned seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xffff) / 65535.0;
}

double Noise(double x, double y, unsigned seed) {
  const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
  const double fx = x - xi, fy = y - yi;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed);
  const double c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double Fractal(double x, double y, unsigned seed) {
  double sum = 0, amplitude = 0.5;
  for (int octave = 0; octave < 5; ++octave) {
    sum += amplitude * Noise(x, y, seed + octave * 101);
    x *= 2.03;
    y *= 2.03;
    amplitude *= 0.5;
  }
  return sum;
}

}  // namespace

QImage Marble(int width, int height, QColor dark, QColor light, unsigned seed, double scale) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double turbulence = Fractal(x / scale, y / scale, seed);
      // Veins: a sine across the picture bent by the turbulence.
      const double vein = 0.5 + 0.5 * std::sin((x * 0.6 + y * 0.8) / scale * 3.0 + turbulence * 9.0);
      const double t = std::clamp(0.25 + 0.55 * turbulence + 0.35 * std::pow(vein, 6.0), 0.0, 1.0);
      line[x] = qRgb(static_cast<int>(dark.red() + (light.red() - dark.red()) * t),
                     static_cast<int>(dark.green() + (light.green() - dark.green()) * t),
                     static_cast<int>(dark.blue() + (light.blue() - dark.blue()) * t));
    }
  }
  return image;
}

QImage BoardGround(QColor dark, QColor light, unsigned seed, double scale) {
  return Marble(blivo::kBoardWidth, blivo::kBoardHeight, dark, light, seed, scale);
}

QImage Canvas(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  return image;
}

Sprite SplitSprite(const QImage& painted) {
  const QImage source = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Sprite sprite{QImage(source.size(), QImage::Format_RGB32), QImage(source.size(), QImage::Format_RGB32)};
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* picture = reinterpret_cast<QRgb*>(sprite.picture.scanLine(y));
    auto* mask = reinterpret_cast<QRgb*>(sprite.mask.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const bool opaque = qAlpha(in[x]) >= 110;
      // Premultiplied colour is the colour as it would show on black.
      picture[x] = opaque ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : qRgb(0, 0, 0);
      mask[x] = opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
  }
  return sprite;
}

void Place(QImage& sheet, int x, int y, const QImage& image) {
  QPainter p(&sheet);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(x, y, image);
}

QImage BoardSheet(int width, int height, const QImage& ground) {
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  Place(sheet, 0, 0, ground);
  return sheet;
}

void PaintGoldFrame(QPainter& p, const QRectF& rect, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawRoundedRect(rect.adjusted(1, 2, 5, 6), radius, radius);
  QLinearGradient gold(rect.topLeft(), rect.bottomRight());
  gold.setColorAt(0, QColor(0xfb, 0xe6, 0xa0));
  gold.setColorAt(0.5, QColor(0xc8, 0x98, 0x3c));
  gold.setColorAt(1, QColor(0x6c, 0x48, 0x10));
  p.setBrush(gold);
  p.drawRoundedRect(rect, radius, radius);
  p.restore();
}

void PaintTitle(QPainter& p, const QRectF& rect, const QString& text, int pixelSize, QColor colour,
                Qt::Alignment align) {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Liberation Serif");
  font.setBold(true);
  font.setPixelSize(pixelSize);
  font.setLetterSpacing(QFont::PercentageSpacing, 112);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(rect.translated(1.5, 1.5), align, text);
  p.setPen(colour);
  p.drawText(rect, align, text);
  p.restore();
}

}  // namespace assets
