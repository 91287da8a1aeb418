// The layout of b2.bmp, Hexagon's background and sprite sheet, and the board places painted on it.
#pragma once

#include "platform/raster.h"
#include "puzzles/board_geometry.h"

namespace blivo::hexagon_sheet {

// The picture holds at least this much: the board, the pills right of it and
// the larger fields and the ring disc below it.
constexpr int kWidth = 532, kHeight = 597;

// Every variant's field is drawn centred here on the board.
constexpr BoardPoint kFieldCentre{192, 164};

// The field picture of variants 1..3. The first is part of the background
// itself; the larger ones cover it when their variant is played.
constexpr Rect kFields[3] = {{116, 98, 152, 132}, {304, 333, 228, 198}, {0, 333, 304, 264}};
constexpr Rect Field(int variant) { return kFields[variant - 1]; }

constexpr int kPillSize = 18;
constexpr Rect Pill(int colour) { return {500, kPillSize * (colour - 1), kPillSize, kPillSize}; }

// The disc a ring is composed on, and the mask that cuts it out: white where
// the disc shows.
constexpr int kDiscSize = 62;
constexpr Rect kDiscMask{304, 531, kDiscSize, kDiscSize};
constexpr Rect kDisc{366, 531, kDiscSize, kDiscSize};

// The puzzle's name on the board, under the tip with the rules.
constexpr Rect kTitle{415, 10, 70, 310};

}  // namespace blivo::hexagon_sheet
