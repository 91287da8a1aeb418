// The pictures and sounds built into the program.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include "platform/raster.h"

namespace blivo {

// A built-in picture ("digits", "dialog", "toolbar", "splash"); an empty one,
// with a line on standard error, if the program lacks it.
QImage EmbeddedPicture(const char* name);
Bitmap EmbeddedBitmap(const char* name);

// The bytes of a built-in wave sound ("solved", "hexagon", "oktopus",
// "gripple", "wedding"); empty if the program lacks it.
QByteArray EmbeddedSound(const char* name);

// A glyph that stays sharp on any screen: painted for device scales 1 to 4,
// shrunk smoothly from the next larger painting for the scales between.
QIcon GlyphIcon(const char* name);
// Its size in the game's own pixels.
QSize GlyphSize(const char* name);
// The glyph as a picture for a screen with the given device pixel ratio.
QPixmap GlyphPixmap(const char* name, qreal ratio);

// A glyph as the program carries it: "BGLY", its width and height and a zero
// word, then width x height premultiplied ARGB pixels, every word little-endian.
// A null picture when the bytes are not such a glyph.
QImage DecodeGlyph(QByteArrayView bytes);

// The game's icon, in every size it is painted in.
QIcon GameIcon();
// The icon at a size in the game's pixels, for a screen of the given ratio.
QPixmap GameIconPixmap(int size, qreal ratio);

}  // namespace blivo
