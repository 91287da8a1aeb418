// Wedding: the moves, the mix and the drawing of the two rings and their target.
#include "puzzles/wedding.h"

#include <cmath>
#include <numbers>

#include "puzzles/board.h"
#include "puzzles/rotor_turn.h"
#include "puzzles/variant_step.h"

namespace blivo {

int WeddingVariant = 1;
std::array<std::uint8_t, 47> WeddingBoard{};
std::array<std::array<std::uint8_t, 24>, 2> WeddingRings{};

namespace {

constexpr RotorCourse kTurn{.moveSound = 5,
                            .frames = 2,
                            .frameDelay = 30,
                            .drawFrame = WeddingDrawRings,
                            .isSolved = WeddingIsSolved};

// Both rings with every ball on them, recomposed for every frame.
constexpr Rect kRingArea{50, 30, 400, 270};

const WeddingVariantInfo& Current() { return WeddingVariants(WeddingVariant); }
int BallsPerRing() { return Current().ballsPerRing; }

bool IsCrossing(int cell) { return cell == 1 || cell == Current().secondCrossing; }

}  // namespace

BoardPoint WeddingBallCentre(int r, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  const BoardPoint centre = kWeddingRingCentres[r - 1];
  return {centre.x + static_cast<int>(std::lround(kWeddingRadius * std::cos(radians))),
          centre.y - static_cast<int>(std::lround(kWeddingRadius * std::sin(radians)))};
}

int WeddingRingAt(int x) { return x < kBoardWidth / 2 ? 1 : 2; }

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
  const Rect spot = wedding_sheet::kTargetSpot;
  CopyFromSheet(BackgroundBitmap, spot.x, spot.y, wedding_sheet::Target(WeddingVariant), RasterOp::Copy);
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
  const wedding_sheet::BallRow& balls = Current().balls;
  DrawSprite(BoardBitmap, x - balls.half(), y - balls.half(), balls.Mask(), balls.Ball(colour));
}

void WeddingDrawRings(int t, int f) {
  const WeddingVariantInfo& v = Current();
  const Rect area = kRingArea;
  BlockCopy(BoardBitmap, area.x, area.y, area.w, area.h, BackgroundBitmap, area.x, area.y, RasterOp::Copy);
  for (int r = 1; r <= 2; ++r) {
    for (int j = 0; j < v.ballsPerRing; ++j) {
      const int cell = WeddingRings[r - 1][j];
      // A crossing ball travels with the turned ring, so only that ring draws it.
      if (r != t && IsCrossing(cell)) continue;
      double angle = kWeddingFirstAngle + j * static_cast<double>(v.stepAngle);
      if (r == t) angle += f * static_cast<double>(v.frameAngle);
      const BoardPoint centre = WeddingBallCentre(r, angle);
      WeddingDrawBall(WeddingBoard[cell], centre.x, centre.y);
    }
  }
  BlockCopy(BoardScreen, area.x, area.y, area.w, area.h, BoardBitmap, area.x, area.y, RasterOp::Copy);
}

void WeddingDraw() {
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  WeddingDrawRings(1, 0);
}

void WeddingRotateLeft(int r) { TurnRotor(kTurn, r, WeddingStepForward, FrameOrder::BeforePermuting); }

void WeddingRotateRight(int r) { TurnRotor(kTurn, r, WeddingStepBack, FrameOrder::AfterPermuting); }

void WeddingMouseLeft(int x) {
  StartClockOnFirstMove();
  WeddingRotateLeft(WeddingRingAt(x));
}

void WeddingMouseRight(int x) {
  StartClockOnFirstMove();
  WeddingRotateRight(WeddingRingAt(x));
}

void WeddingOption(bool up) { StepVariant(WeddingVariant, kWeddingVariantCount, up, WeddingMix, WeddingDraw); }

}  // namespace blivo
