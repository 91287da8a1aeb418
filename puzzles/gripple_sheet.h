// The layout of b1.bmp, Gripple's background and sprite sheet, and the board places painted on it.
#pragma once

#include "platform/raster.h"
#include "puzzles/board_geometry.h"

namespace blivo::gripple_sheet {

// The picture holds at least this much: the board, and the sprites below it.
constexpr int kWidth = 500, kHeight = 383;

// The pieces of colours 1..4 share one mask; so do the small ones.
constexpr int kPieceSize = 50;
constexpr Rect Piece(int colour) { return {kPieceSize * (colour - 1), 333, kPieceSize, kPieceSize}; }
constexpr Rect kPieceMask{200, 333, kPieceSize, kPieceSize};

constexpr int kSmallSize = 30;
constexpr Rect SmallPiece(int colour) { return {220 + kSmallSize * colour, 333, kSmallSize, kSmallSize}; }
constexpr Rect kSmallMask{370, 333, kSmallSize, kSmallSize};

// A plate's square on the board, black in the background: it holds the
// plate's four pieces in every frame and no piece of any other cell.
constexpr int kPlateSquare = 130;
constexpr Rect PlateSquare(BoardPoint centre) {
  return {centre.x - kPlateSquare / 2, centre.y - kPlateSquare / 2, kPlateSquare, kPlateSquare};
}

// Where the small piece of target cell (c, r) shows on the board.
constexpr Rect TargetPiece(int c, int r) { return {35 * c + 301, 35 * r - 8, kSmallSize, kSmallSize}; }

// The puzzle's name on the board, under the tip with the rules.
constexpr Rect kTitle{300, 245, 183, 74};

}  // namespace blivo::gripple_sheet
