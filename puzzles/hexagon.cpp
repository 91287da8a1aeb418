// Hexagon: the moves, the mix and the drawing of the rings over their field.
#include "puzzles/hexagon.h"

#include "puzzles/board.h"
#include "puzzles/hexagon_sheet.h"
#include "puzzles/rotor_turn.h"
#include "puzzles/variant_step.h"

namespace blivo {

int HexagonVariant = 1;
std::array<std::uint8_t, 97> HexagonBoard{};

namespace {

using namespace hexagon_sheet;

constexpr RotorCourse kTurn{.moveSound = 2,
                            .frames = 3,
                            .frameDelay = 40,
                            .drawFrame = HexagonDrawRotor,
                            .isSolved = HexagonIsSolved};

// Random left turns of a mix: this many per ring, and one more.
constexpr int kMixTurnsPerRing = 20;

// What a ring shows of the board, centred on it, and the taller strip of its
// field that it restores before composing.
constexpr int kRingWidth = 56, kRingHeight = 62;
constexpr int kRestoreHeight = 66;

// A ring is composed on its disc in a scratch square of BoardBitmap, at the
// board's top right. The square never reaches the screen: a full draw shows
// BoardBitmap before any ring is composed, and a ring shows only its own
// rectangle, which always ends left of the square.
constexpr BoardPoint kComposeCorner{400, 0};
constexpr BoardPoint kComposeCentre = kComposeCorner + BoardPoint{kDiscSize / 2, kDiscSize / 2};

const HexagonVariantInfo& Current() { return HexagonVariants(HexagonVariant); }

}  // namespace

int HexagonHitRing(int x, int y) {
  int hit = 0;
  for (int r = 1; r <= Current().rings; ++r)
    if (InHitSquare(HexagonRingCentre(r), x, y)) hit = r;
  return hit;
}

void HexagonTurnLeft(int r) {
  const std::uint8_t saved = HexagonBoard[HexagonRingCell(r, 0)];
  for (int p = 0; p < 5; ++p) HexagonBoard[HexagonRingCell(r, p)] = HexagonBoard[HexagonRingCell(r, p + 1)];
  HexagonBoard[HexagonRingCell(r, 5)] = saved;
}

void HexagonTurnRight(int r) {
  const std::uint8_t saved = HexagonBoard[HexagonRingCell(r, 5)];
  for (int p = 5; p > 0; --p) HexagonBoard[HexagonRingCell(r, p)] = HexagonBoard[HexagonRingCell(r, p - 1)];
  HexagonBoard[HexagonRingCell(r, 0)] = saved;
}

void HexagonMix() {
  const HexagonVariantInfo& v = Current();
  for (int c = 1; c <= v.cells; ++c) HexagonBoard[c] = static_cast<std::uint8_t>(HexagonTarget(c));
  for (int i = 0; i < kMixTurnsPerRing * v.rings + 1; ++i) HexagonTurnLeft(Random(v.rings) + 1);
  GameState[PuzzleMode] = Ready;
}

void HexagonInit() { HexagonMix(); }

bool HexagonIsSolved() {
  for (int c = 1; c <= Current().cells; ++c)
    if (HexagonBoard[c] != HexagonTarget(c)) return false;
  return true;
}

void HexagonDrawRotor(int r, int f) {
  const Rect field = Current().field;
  const BoardPoint centre = HexagonRingCentre(r);
  // The same place in the current variant's field picture.
  const BoardPoint inField = centre - kFieldCentre + BoardPoint{field.x + field.w / 2, field.y + field.h / 2};
  const int left = centre.x - kRingWidth / 2, top = centre.y - kRingHeight / 2;

  BlockCopy(BoardBitmap, left, centre.y - kRestoreHeight / 2, kRingWidth, kRestoreHeight, BackgroundBitmap,
            inField.x - kRingWidth / 2, inField.y - kRestoreHeight / 2, RasterOp::Copy);
  CopyFromSheet(BoardBitmap, kComposeCorner.x, kComposeCorner.y, kDisc, RasterOp::Copy);
  for (int p = 0; p < 6; ++p) {
    const BoardPoint pill = kComposeCentre + HexagonFrameOffset(f, p);
    CopyFromSheet(BoardBitmap, pill.x - kPillSize / 2, pill.y - kPillSize / 2,
                  Pill(HexagonBoard[HexagonRingCell(r, p)]), RasterOp::Or);
  }
  CopyFromSheet(BoardBitmap, kComposeCorner.x, kComposeCorner.y, kDiscMask, RasterOp::And);
  BlockCopy(BoardBitmap, left, top, kRingWidth, kRingHeight, BoardBitmap,
            kComposeCentre.x - kRingWidth / 2, kComposeCentre.y - kRingHeight / 2, RasterOp::Or);
  BlockCopy(BoardScreen, left, top, kRingWidth, kRingHeight, BoardBitmap, left, top, RasterOp::Copy);
}

void HexagonDraw() {
  const Rect field = Current().field;
  BlockCopy(BoardBitmap, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  CopyFromSheet(BoardBitmap, kFieldCentre.x - field.w / 2, kFieldCentre.y - field.h / 2, field, RasterOp::Copy);
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BoardBitmap, 0, 0, RasterOp::Copy);
  for (int r = 1; r <= Current().rings; ++r) HexagonDrawRotor(r, 0);
}

void HexagonRotateLeft(int r) { TurnRotor(kTurn, r, HexagonTurnLeft, FrameOrder::BeforePermuting); }

void HexagonRotateRight(int r) { TurnRotor(kTurn, r, HexagonTurnRight, FrameOrder::AfterPermuting); }

void HexagonMouseLeft(int x, int y) {
  const int r = HexagonHitRing(x, y);
  if (r == 0) return;
  StartClockOnFirstMove();
  HexagonRotateLeft(r);
}

void HexagonMouseRight(int x, int y) {
  const int r = HexagonHitRing(x, y);
  if (r == 0) return;
  StartClockOnFirstMove();
  HexagonRotateRight(r);
}

void HexagonOption(bool up) { StepVariant(HexagonVariant, kHexagonVariantCount, up, HexagonMix, HexagonDraw); }

}  // namespace blivo
