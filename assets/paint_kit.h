// Painting helpers shared by every picture the game draws from: the colours of
// the pieces and their markings, shaded balls and tiles, marble grounds, and the
// split of a painted sprite into the exact picture and mask pair the board needs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "platform/raster.h"

namespace assets {

// The colours of pieces, 0..7. Puzzles with fewer colours use the first ones
// (Gripple and Wedding colour v is PieceColour(v - 1)).
QColor PieceColour(int index);

// A small symbol drawn on every piece of colour index, so that the colours can
// be told apart without seeing them: ring, triangle, square, cross, star, bars,
// dot, diamond.
void PaintMarking(QPainter& p, QPointF centre, qreal size, int index, QColor ink);

// A glossy ball filling rect, lit from the upper left.
void PaintBall(QPainter& p, const QRectF& rect, QColor base);
// A bevelled tile with rounded corners.
void PaintTile(QPainter& p, const QRectF& rect, QColor base, qreal radius);

// A marbled ground of two colours, seeded so that it always comes out the same.
QImage Marble(int width, int height, QColor dark, QColor light, unsigned seed, double scale = 60.0);

// A transparent image to paint one sprite on.
// Painted in width x height logical pixels, stored at scale device pixels each.
QImage Canvas(int width, int height, int scale = 1);

struct Sprite {
  QImage picture;  // black wherever the mask is white
  QImage mask;     // exactly black where opaque, exactly white around
};

// Splits a painted sprite: half-covered edge pixels become opaque, darkened as
// if the sprite lay on black, so edges stay smooth on the dark plates.
Sprite SplitSprite(const QImage& painted);

// Copies image into sheet at (x, y), pixel for pixel.
void Place(QImage& sheet, int x, int y, const QImage& image);
// Copies image into its place in the sheet, pixel for pixel.
inline void Place(QImage& sheet, const blivo::Rect& at, const QImage& image) { Place(sheet, at.x, at.y, image); }

inline QRectF ToRectF(const blivo::Rect& r) { return QRectF(r.x, r.y, r.w, r.h); }

// A board's marbled ground, as large as the board.
QImage BoardGround(QColor dark, QColor light, unsigned seed, double scale = 60.0);

// A sprite sheet of the given size, black, with ground as its board.
QImage BoardSheet(int width, int height, const QImage& ground);

// A raised golden frame with a soft shadow, around a picture or a panel.
void PaintGoldFrame(QPainter& p, const QRectF& rect, qreal radius);

// The pale gold of the titles and frames on every board.
inline const QColor kTitleGold{0xf4, 0xdc, 0x9a};

// Engraved text, light on dark ground.
void PaintTitle(QPainter& p, const QRectF& rect, const QString& text, int pixelSize, QColor colour,
                Qt::Alignment align = Qt::AlignCenter);

}  // namespace assets
