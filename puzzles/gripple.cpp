// Gripple: the moves, the target and the drawing of the grid under its five plates.
#include "puzzles/gripple.h"

#include "puzzles/board.h"
#include "puzzles/gripple_sheet.h"
#include "puzzles/rotor_turn.h"

namespace blivo {

GrippleGrid GrippleBoard{};
GrippleGrid GrippleTarget{};
int GripplePatternNo = 0;

namespace {

constexpr RotorCourse kTurn{.moveSound = 4,
                            .frames = 5,
                            .frameDelay = 30,
                            .drawFrame = GrippleDrawRotor,
                            .isSolved = GrippleIsSolved};

std::uint8_t& At(GrippleGrid& g, GrippleCell cell) { return g[cell.c - 1][cell.r - 1]; }

}  // namespace

int GrippleHitPlate(int x, int y) {
  int hit = 0;
  for (int p = 1; p <= 5; ++p)
    if (InHitSquare(GrippleRotorCentre(p), x, y)) hit = p;
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
  using namespace gripple_sheet;
  DrawSprite(BoardBitmap, x - kPieceSize / 2, y - kPieceSize / 2, kPieceMask, Piece(v));
}

void GrippleDraw() {
  BlockCopy(BoardBitmap, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) {
      const BoardPoint centre = GripplePieceCentre(c, r);
      GrippleDrawPiece(GrippleBoard[c - 1][r - 1], centre.x, centre.y);
    }
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BoardBitmap, 0, 0, RasterOp::Copy);
  GrippleDrawTarget();
}

void GrippleDrawTarget() {
  using namespace gripple_sheet;
  // Straight onto the screen: all small pieces share one mask, so a new
  // target covers the old one completely.
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) {
      const Rect at = TargetPiece(c, r);
      DrawSprite(BoardScreen, at.x, at.y, kSmallMask, SmallPiece(GrippleTarget[c - 1][r - 1]));
    }
}

void GrippleDrawRotor(int p, int f) {
  const BoardPoint centre = GrippleRotorCentre(p);
  const Rect square = gripple_sheet::PlateSquare(centre);
  BlockCopy(BoardBitmap, square.x, square.y, square.w, square.h, BackgroundBitmap, square.x, square.y,
            RasterOp::Copy);
  const auto cells = GrippleRotorCells(p);
  for (int k = 0; k < 4; ++k) {
    const BoardPoint at = centre + GrippleFrameOffset(f, k);
    GrippleDrawPiece(At(GrippleBoard, cells[k]), at.x, at.y);
  }
  BlockCopy(BoardScreen, square.x, square.y, square.w, square.h, BoardBitmap, square.x, square.y,
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

void GrippleRotateLeft(int p) { TurnRotor(kTurn, p, GrippleTurnLeft, FrameOrder::BeforePermuting); }

void GrippleRotateRight(int p) { TurnRotor(kTurn, p, GrippleTurnRight, FrameOrder::AfterPermuting); }

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
