#include "puzzles/gripple.h"

#include "puzzles/board.h"

namespace blivo {

GrippleGrid GrippleBoard{};
GrippleGrid GrippleTarget{};
int GripplePatternNo = 0;

namespace {

constexpr int kPieceSize = 50;
constexpr int kPieceMaskX = 200;
constexpr int kSmallSize = 30;
constexpr int kSmallMaskX = 370;
constexpr int kSheetY = 333;
constexpr int kPlateHalf = 65;  // a plate's square runs from centre - 65 to centre + 64
constexpr int kPlateSquare = 130;
constexpr int kFrames = 5;
constexpr int kFrameDelay = 30;
constexpr int kMoveSound = 4;

std::uint8_t& At(GrippleGrid& g, GrippleCell cell) { return g[cell.c - 1][cell.r - 1]; }

}  // namespace

int GrippleHitPlate(int x, int y) {
  int hit = 0;
  for (int p = 1; p <= 5; ++p) {
    const GrippleCell centre = GrippleRotorCentre(p);
    if (centre.c - 20 < x && x < centre.c + 20 && centre.r - 20 < y && y < centre.r + 20) hit = p;
  }
  return hit;
}

void GrippleMix() {
  int n;
  do {
    n = Random(50) + 1;
  } while (n == GripplePatternNo);
  GripplePatternNo = n;
  const int order = Random(24);
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      GrippleTarget[c - 1][r - 1] =
          static_cast<std::uint8_t>(GrippleColourOrder(order, GripplePatternClass(n, c, r)));
}

void GrippleInit() {
  GrippleMix();
  GrippleBoard = GrippleTarget;
  GrippleMix();
}

bool GrippleIsSolved() { return GrippleBoard == GrippleTarget; }

void GrippleDrawPiece(int v, int x, int y) {
  const int left = x - kPieceSize / 2, top = y - kPieceSize / 2;
  BlockCopy(BoardBitmap, left, top, kPieceSize, kPieceSize, BackgroundBitmap, kPieceMaskX, kSheetY,
            RasterOp::And);
  BlockCopy(BoardBitmap, left, top, kPieceSize, kPieceSize, BackgroundBitmap,
            kPieceSize * (v - 1), kSheetY, RasterOp::Or);
}

void GrippleDraw() {
  BlockCopy(BoardBitmap, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) GrippleDrawPiece(GrippleBoard[c - 1][r - 1], 60 * c + 15, 60 * r + 15);
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BoardBitmap, 0, 0, RasterOp::Copy);
  GrippleDrawTarget();
}

void GrippleDrawTarget() {
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      const int x = 35 * c + 301, y = 35 * r - 8;
      const int v = GrippleTarget[c - 1][r - 1];
      BlockCopy(BoardScreen, x, y, kSmallSize, kSmallSize, BackgroundBitmap, kSmallMaskX, kSheetY,
                RasterOp::And);
      BlockCopy(BoardScreen, x, y, kSmallSize, kSmallSize, BackgroundBitmap, 220 + 30 * v, kSheetY,
                RasterOp::Or);
    }
  }
}

void GrippleDrawRotor(int p, int f) {
  const GrippleCell centre = GrippleRotorCentre(p);
  const int left = centre.c - kPlateHalf, top = centre.r - kPlateHalf;
  BlockCopy(BoardBitmap, left, top, kPlateSquare, kPlateSquare, BackgroundBitmap, left, top,
            RasterOp::Copy);
  const auto cells = GrippleRotorCells(p);
  for (int k = 0; k < 4; ++k) {
    const GrippleCell offset = GrippleFrameOffset(f, k);
    GrippleDrawPiece(At(GrippleBoard, cells[k]), centre.c + offset.c, centre.r + offset.r);
  }
  BlockCopy(BoardScreen, left, top, kPlateSquare, kPlateSquare, BoardBitmap, left, top,
            RasterOp::Copy);
}

void GrippleTurnLeft(int p) {
  // Counter-clockwise: 0 gets old 1, 1 gets old 3, 3 gets old 2, 2 gets old 0.
  const auto cells = GrippleRotorCells(p);
  const std::uint8_t saved = At(GrippleBoard, cells[0]);
  At(GrippleBoard, cells[0]) = At(GrippleBoard, cells[1]);
  At(GrippleBoard, cells[1]) = At(GrippleBoard, cells[3]);
  At(GrippleBoard, cells[3]) = At(GrippleBoard, cells[2]);
  At(GrippleBoard, cells[2]) = saved;
}

void GrippleTurnRight(int p) {
  // Clockwise: 0 gets old 2, 2 gets old 3, 3 gets old 1, 1 gets old 0.
  const auto cells = GrippleRotorCells(p);
  const std::uint8_t saved = At(GrippleBoard, cells[0]);
  At(GrippleBoard, cells[0]) = At(GrippleBoard, cells[2]);
  At(GrippleBoard, cells[2]) = At(GrippleBoard, cells[3]);
  At(GrippleBoard, cells[3]) = At(GrippleBoard, cells[1]);
  At(GrippleBoard, cells[1]) = saved;
}

void GrippleRotateLeft(int p) {
  PlayWave(kMoveSound);
  for (int f = 1; f <= kFrames; ++f) {
    GrippleDrawRotor(p, f);
    Delay(kFrameDelay);
  }
  GrippleTurnLeft(p);
  GrippleDrawRotor(p, 0);
  if (GrippleIsSolved()) PuzzleSolved();
}

void GrippleRotateRight(int p) {
  PlayWave(kMoveSound);
  GrippleTurnRight(p);
  for (int f = kFrames; f >= 1; --f) {
    GrippleDrawRotor(p, f);
    Delay(kFrameDelay);
  }
  GrippleDrawRotor(p, 0);
  if (GrippleIsSolved()) PuzzleSolved();
}

void GrippleMouseLeft(int x, int y) {
  const int p = GrippleHitPlate(x, y);
  if (p == 0) return;
  StartClockOnFirstMove();
  GrippleRotateLeft(p);
}

void GrippleMouseRight(int x, int y) {
  const int p = GrippleHitPlate(x, y);
  if (p == 0) return;
  StartClockOnFirstMove();
  GrippleRotateRight(p);
}

}  // namespace blivo
