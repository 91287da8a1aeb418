// The layout of b4.bmp, Wedding's background and sprite sheet, and the board places painted on it.
#pragma once

#include "platform/raster.h"

namespace blivo::wedding_sheet {

// The picture holds at least this much: the board, the targets right of it
// and the balls below it.
constexpr int kWidth = 572, kHeight = 409;

// The target picture of variants 1..4, and the spot at the board's top right
// where the current one is shown.
constexpr Rect Target(int variant) { return {500, 45 * (variant - 1), 72, 45}; }
constexpr Rect kTargetSpot{420, 8, 72, 45};

// The balls of one variant: a row of five squares from its corner, colours
// 1..4 and then the mask they share.
struct BallRow {
  int left, top, size;
  constexpr Rect Ball(int colour) const { return {left + size * (colour - 1), top, size, size}; }
  constexpr Rect Mask() const { return Ball(5); }
  // A ball's corner lies this far above and left of its centre.
  constexpr int half() const { return size / 2; }
};

constexpr BallRow kBallRows[4] = {{0, 333, 50}, {250, 333, 38}, {250, 371, 30}, {0, 383, 26}};
constexpr BallRow Balls(int variant) { return kBallRows[variant - 1]; }

// The puzzle's name on the board, under the tip with the rules.
constexpr Rect kTitle{335, 288, 152, 36};

}  // namespace blivo::wedding_sheet
