// The layout of b3.bmp, Oktopus's background and sprite sheet, and the board places painted on it.
#pragma once

#include "platform/raster.h"

namespace blivo::oktopus_sheet {

// The picture holds at least this much: the board and the sprites right of it.
constexpr int kWidth = 700, kHeight = 333;

// The plate in its frames 0..2, each with its own mask.
constexpr int kPlateSize = 100;
constexpr Rect Plate(int frame) { return {500, kPlateSize * frame, kPlateSize, kPlateSize}; }
constexpr Rect PlateMask(int frame) { return {600, kPlateSize * frame, kPlateSize, kPlateSize}; }

// The buttons of colours 0..7, put onto the plate's black sockets with OR alone.
constexpr int kButtonSize = 13;
constexpr Rect Button(int colour) { return {500 + kButtonSize * colour, 300, kButtonSize, kButtonSize}; }

// The puzzle's name on the board, under the tip with the rules.
constexpr Rect kTitle{390, 10, 96, 204};

}  // namespace blivo::oktopus_sheet
