#include "puzzles/wedding.h"

#include <cmath>
#include <numbers>

#include "puzzles/board.h"

namespace blivo {

int WeddingVariant = 1;
std::array<std::uint8_t, 47> WeddingBoard{};
std::array<std::array<std::uint8_t, 24>, 2> WeddingRings{};

namespace {

constexpr int kCentreY = 166;
constexpr int kRadius = 100;
constexpr int kFirstAngle = 45;
constexpr int kAreaX = 50, kAreaY = 30, kAreaWidth = 400, kAreaHeight = 270;
constexpr int kTargetX = 420, kTargetY = 8, kTargetWidth = 72, kTargetHeight = 45;
constexpr int kTargetSheetX = 500;
constexpr int kFrameDelay = 30;
constexpr int kMoveSound = 5;

const WeddingVariantInfo& Current() { return WeddingVariants(WeddingVariant); }
int BallsPerRing() { return Current().ballsPerRing; }

bool IsCrossing(int cell) { return cell == 1 || cell == Current().secondCrossing; }

}  // namespace

WeddingPoint WeddingBallCentre(int r, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {kWeddingRingCentreX[r - 1] + static_cast<int>(std::lround(kRadius * std::cos(radians))),
          kCentreY - static_cast<int>(std::lround(kRadius * std::sin(radians)))};
}

int WeddingRingAt(int x) { return x < 250 ? 1 : 2; }

void WeddingStepForward(int r) {
  const auto& L = WeddingRings[r - 1];
  const int n = BallsPerRing();
  const std::uint8_t saved = WeddingBoard[L[n - 1]];
  for (int j = n - 1; j >= 1; --j) WeddingBoard[L[j]] = WeddingBoard[L[j - 1]];
  WeddingBoard[L[0]] = saved;
}

void WeddingStepBack(int r) {
  const auto& L = WeddingRings[r - 1];
  const int n = BallsPerRing();
  const std::uint8_t saved = WeddingBoard[L[0]];
  for (int j = 0; j <= n - 2; ++j) WeddingBoard[L[j]] = WeddingBoard[L[j + 1]];
  WeddingBoard[L[n - 1]] = saved;
}

void WeddingShowTarget() {
  BlockCopy(BackgroundBitmap, kTargetX, kTargetY, kTargetWidth, kTargetHeight, BackgroundBitmap,
            kTargetSheetX, kTargetHeight * (WeddingVariant - 1), RasterOp::Copy);
}

void WeddingMix() {
  WeddingShowTarget();
  WeddingRings[0] = WeddingRingList(WeddingVariant, 1);
  WeddingRings[1] = WeddingRingList(WeddingVariant, 2);
  for (int c = 1; c <= 46; ++c) WeddingBoard[c] = static_cast<std::uint8_t>(WeddingTarget(WeddingVariant, c));
  const int n = BallsPerRing();
  const int moves = (Random(100) + 10) * WeddingVariant;
  for (int m = 0; m < moves; ++m) {
    // The order of the three draws is part of the game's character; keep it.
    const int ring = Random(2) + 1;
    const int direction = Random(2);
    const int length = Random(n) + 1;
    for (int s = 0; s < length; ++s) {
      if (direction == 0)
        WeddingStepForward(ring);
      else
        WeddingStepBack(ring);
    }
  }
  GameState[PuzzleMode] = Ready;
}

void WeddingInit() { WeddingMix(); }

bool WeddingIsSolved() {
  const int n = BallsPerRing();
  for (const auto& ring : WeddingRings)
    for (int j = 0; j < n; ++j)
      if (WeddingBoard[ring[j]] != WeddingTarget(WeddingVariant, ring[j])) return false;
  return true;
}

void WeddingDrawBall(int colour, int x, int y) {
  const WeddingVariantInfo& v = Current();
  const int left = x - v.halfSize, top = y - v.halfSize;
  BlockCopy(BoardBitmap, left, top, v.ballSize, v.ballSize, BackgroundBitmap,
            v.spriteLeft + 4 * v.ballSize, v.spriteTop, RasterOp::And);
  BlockCopy(BoardBitmap, left, top, v.ballSize, v.ballSize, BackgroundBitmap,
            v.spriteLeft + (colour - 1) * v.ballSize, v.spriteTop, RasterOp::Or);
}

void WeddingDrawRings(int t, int f) {
  const WeddingVariantInfo& v = Current();
  BlockCopy(BoardBitmap, kAreaX, kAreaY, kAreaWidth, kAreaHeight, BackgroundBitmap, kAreaX, kAreaY,
            RasterOp::Copy);
  for (int r = 1; r <= 2; ++r) {
    for (int j = 0; j < v.ballsPerRing; ++j) {
      const int cell = WeddingRings[r - 1][j];
      // A crossing ball travels with the turned ring, so only that ring draws it.
      if (r != t && IsCrossing(cell)) continue;
      double angle = kFirstAngle + j * static_cast<double>(v.stepAngle);
      if (r == t) angle += f * static_cast<double>(v.frameAngle);
      const WeddingPoint centre = WeddingBallCentre(r, angle);
      WeddingDrawBall(WeddingBoard[cell], centre.x, centre.y);
    }
  }
  BlockCopy(BoardScreen, kAreaX, kAreaY, kAreaWidth, kAreaHeight, BoardBitmap, kAreaX, kAreaY,
            RasterOp::Copy);
}

void WeddingDraw() {
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  WeddingDrawRings(1, 0);
}

void WeddingRotateLeft(int r) {
  PlayWave(kMoveSound);
  WeddingDrawRings(r, 1);
  Delay(kFrameDelay);
  WeddingDrawRings(r, 2);
  Delay(kFrameDelay);
  WeddingStepForward(r);
  WeddingDrawRings(r, 0);
  if (WeddingIsSolved()) PuzzleSolved();
}

void WeddingRotateRight(int r) {
  PlayWave(kMoveSound);
  WeddingStepBack(r);
  WeddingDrawRings(r, 2);
  Delay(kFrameDelay);
  WeddingDrawRings(r, 1);
  Delay(kFrameDelay);
  WeddingDrawRings(r, 0);
  if (WeddingIsSolved()) PuzzleSolved();
}

void WeddingMouseLeft(int x) {
  StartClockOnFirstMove();
  WeddingRotateLeft(WeddingRingAt(x));
}

void WeddingMouseRight(int x) {
  StartClockOnFirstMove();
  WeddingRotateRight(WeddingRingAt(x));
}

void WeddingOption(bool up) {
  if (up) {
    if (WeddingVariant >= 4) return;
    ++WeddingVariant;
  } else {
    if (WeddingVariant <= 1) return;
    --WeddingVariant;
  }
  WeddingMix();
  WeddingDraw();
}

}  // namespace blivo
