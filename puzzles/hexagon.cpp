#include "puzzles/hexagon.h"

#include "puzzles/board.h"

namespace blivo {

int HexagonVariant = 1;
std::array<std::uint8_t, 97> HexagonBoard{};

namespace {

constexpr int kPillSize = 18;
constexpr int kPillsX = 500;
constexpr int kDiscX = 366, kMaskX = 304, kDiscY = 531, kDiscSize = 62;
// Scratch square in BoardBitmap where a ring is composed; its centre is (431, 31).
constexpr int kComposeX = 400, kComposeY = 0;
constexpr int kShowWidth = 56, kShowHeight = 62;
constexpr int kRestoreHeight = 66;
constexpr int kFrames = 3;
constexpr int kFrameDelay = 40;
constexpr int kMoveSound = 2;

const HexagonVariantInfo& Current() { return HexagonVariants(HexagonVariant); }

}  // namespace

int HexagonHitRing(int x, int y) {
  int hit = 0;
  for (int r = 1; r <= Current().rings; ++r) {
    const HexagonPoint c = HexagonRingCentre(r);
    if (c.x - 20 < x && x < c.x + 20 && c.y - 20 < y && y < c.y + 20) hit = r;
  }
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
  for (int i = 0; i < 20 * v.rings + 1; ++i) HexagonTurnLeft(Random(v.rings) + 1);
  GameState[PuzzleMode] = Ready;
}

void HexagonInit() { HexagonMix(); }

bool HexagonIsSolved() {
  for (int c = 1; c <= Current().cells; ++c)
    if (HexagonBoard[c] != HexagonTarget(c)) return false;
  return true;
}

void HexagonDrawRotor(int r, int f) {
  const HexagonVariantInfo& v = Current();
  const HexagonPoint place = HexagonRingPlace(r);
  const HexagonPoint centre = HexagonRingCentre(r);
  const int fx = v.sourceCentreX, fy = v.sourceCentreY;

  BlockCopy(BoardBitmap, centre.x - 28, centre.y - 33, kShowWidth, kRestoreHeight, BackgroundBitmap,
            fx + 19 * place.x - 28, fy + 33 * place.y - 33, RasterOp::Copy);
  BlockCopy(BoardBitmap, kComposeX, kComposeY, kDiscSize, kDiscSize, BackgroundBitmap, kDiscX, kDiscY,
            RasterOp::Copy);
  for (int p = 0; p < 6; ++p) {
    const HexagonPoint d = HexagonFrameOffset(f, p);
    const int colour = HexagonBoard[HexagonRingCell(r, p)];
    BlockCopy(BoardBitmap, kComposeX + 22 + d.x, kComposeY + 22 + d.y, kPillSize, kPillSize,
              BackgroundBitmap, kPillsX, kPillSize * (colour - 1), RasterOp::Or);
  }
  BlockCopy(BoardBitmap, kComposeX, kComposeY, kDiscSize, kDiscSize, BackgroundBitmap, kMaskX, kDiscY,
            RasterOp::And);
  BlockCopy(BoardBitmap, centre.x - 28, centre.y - 31, kShowWidth, kShowHeight, BoardBitmap,
            kComposeX + 3, kComposeY, RasterOp::Or);
  BlockCopy(BoardScreen, centre.x - 28, centre.y - 31, kShowWidth, kShowHeight, BoardBitmap,
            centre.x - 28, centre.y - 31, RasterOp::Copy);
}

void HexagonDraw() {
  const HexagonVariantInfo& v = Current();
  BlockCopy(BoardBitmap, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  BlockCopy(BoardBitmap, 192 - v.halfWidth, 164 - v.halfHeight, 2 * v.halfWidth, 2 * v.halfHeight,
            BackgroundBitmap, v.sourceLeft, v.sourceTop, RasterOp::Copy);
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BoardBitmap, 0, 0, RasterOp::Copy);
  for (int r = 1; r <= v.rings; ++r) HexagonDrawRotor(r, 0);
}

void HexagonRotateLeft(int r) {
  PlayWave(kMoveSound);
  for (int f = 1; f <= kFrames; ++f) {
    HexagonDrawRotor(r, f);
    Delay(kFrameDelay);
  }
  HexagonTurnLeft(r);
  HexagonDrawRotor(r, 0);
  if (HexagonIsSolved()) PuzzleSolved();
}

void HexagonRotateRight(int r) {
  PlayWave(kMoveSound);
  HexagonTurnRight(r);
  for (int f = kFrames; f >= 1; --f) {
    HexagonDrawRotor(r, f);
    Delay(kFrameDelay);
  }
  HexagonDrawRotor(r, 0);
  if (HexagonIsSolved()) PuzzleSolved();
}

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

void HexagonOption(bool up) {
  if (up) {
    if (HexagonVariant >= 3) return;
    ++HexagonVariant;
  } else {
    if (HexagonVariant <= 1) return;
    --HexagonVariant;
  }
  HexagonMix();
  HexagonDraw();
}

}  // namespace blivo
