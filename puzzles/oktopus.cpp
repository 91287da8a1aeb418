#include "puzzles/oktopus.h"

#include "puzzles/board.h"

namespace blivo {

std::array<std::array<std::uint8_t, 8>, 9> OktopusPlates{};

namespace {

// Slots 0 top, 1 top-right, 2 right, 3 bottom-right, 4 bottom, 5 bottom-left,
// 6 left, 7 top-left; frames 1 and 2 are a third and two thirds of a slot on.
constexpr OktopusPoint kButtonCentres[3][8] = {
    {{49, 16}, {73, 26}, {83, 50}, {73, 74}, {49, 84}, {25, 74}, {15, 50}, {25, 26}},
    {{59, 17}, {80, 33}, {83, 59}, {67, 80}, {40, 83}, {19, 67}, {16, 41}, {32, 20}},
    {{66, 21}, {82, 41}, {78, 67}, {58, 82}, {33, 79}, {17, 59}, {21, 33}, {41, 18}},
};

constexpr std::array<std::pair<OktopusSlot, OktopusSlot>, 12> kPairs = {{
    {{0, 2}, {1, 6}}, {{1, 2}, {2, 6}}, {{0, 4}, {3, 0}}, {{1, 4}, {4, 0}},
    {{2, 4}, {5, 0}}, {{3, 2}, {4, 6}}, {{4, 2}, {5, 6}}, {{3, 4}, {6, 0}},
    {{4, 4}, {7, 0}}, {{5, 4}, {8, 0}}, {{6, 2}, {7, 6}}, {{7, 2}, {8, 6}},
}};

constexpr int kPlateSize = 100;
constexpr int kPlateSheetX = 500, kMaskSheetX = 600;
constexpr int kButtonSize = 13, kButtonSheetX = 500, kButtonSheetY = 300;
constexpr int kFrameDelay = 50;
constexpr int kMoveSound = 3;
constexpr int kScrambleShifts = 1001;

std::uint8_t& Button(OktopusSlot s) { return OktopusPlates[s.plate][s.slot]; }

}  // namespace

OktopusPoint OktopusPlateCorner(int i) { return {80 + 100 * (i % 3), 16 + 100 * (i / 3)}; }

OktopusPoint OktopusButtonCentre(int f, int k) { return kButtonCentres[f][k]; }

const std::array<std::pair<OktopusSlot, OktopusSlot>, 12>& OktopusPairs() { return kPairs; }

int OktopusHitPlate(int x, int y) {
  int hit = -1;
  for (int i = 0; i < 9; ++i) {
    const OktopusPoint c = OktopusPlateCorner(i);
    if (c.x < x && x < c.x + kPlateSize && c.y < y && y < c.y + kPlateSize) hit = i;
  }
  return hit;
}

void OktopusShiftLeft(int i) {
  auto& b = OktopusPlates[i];
  const std::uint8_t saved = b[0];
  for (int k = 0; k < 7; ++k) b[k] = b[k + 1];
  b[7] = saved;
}

void OktopusShiftRight(int i) {
  auto& b = OktopusPlates[i];
  const std::uint8_t saved = b[7];
  for (int k = 7; k > 0; --k) b[k] = b[k - 1];
  b[0] = saved;
}

void OktopusMix() {
  for (auto& plate : OktopusPlates)
    for (auto& button : plate) button = static_cast<std::uint8_t>(Random(8));
  for (const auto& [first, second] : kPairs) Button(first) = Button(second);
  for (int n = 0; n < kScrambleShifts; ++n) OktopusShiftLeft(Random(9));
}

void OktopusInit() { OktopusMix(); }

bool OktopusIsSolved() {
  for (const auto& [first, second] : kPairs)
    if (Button(first) != Button(second)) return false;
  return true;
}

void OktopusDrawPlate(int i, int f) {
  const OktopusPoint c = OktopusPlateCorner(i);
  BlockCopy(BoardBitmap, c.x, c.y, kPlateSize, kPlateSize, BackgroundBitmap, c.x, c.y, RasterOp::Copy);
  BlockCopy(BoardBitmap, c.x, c.y, kPlateSize, kPlateSize, BackgroundBitmap, kMaskSheetX,
            kPlateSize * f, RasterOp::And);
  BlockCopy(BoardBitmap, c.x, c.y, kPlateSize, kPlateSize, BackgroundBitmap, kPlateSheetX,
            kPlateSize * f, RasterOp::Or);
  for (int k = 0; k < 8; ++k) {
    const OktopusPoint b = OktopusButtonCentre(f, k);
    BlockCopy(BoardBitmap, c.x + b.x - 6, c.y + b.y - 6, kButtonSize, kButtonSize, BackgroundBitmap,
              kButtonSheetX + kButtonSize * OktopusPlates[i][k], kButtonSheetY, RasterOp::Or);
  }
  BlockCopy(BoardScreen, c.x, c.y, kPlateSize, kPlateSize, BoardBitmap, c.x, c.y, RasterOp::Copy);
}

void OktopusDraw() {
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  for (int i = 0; i < 9; ++i) OktopusDrawPlate(i, 0);
}

void OktopusRotateLeft(int i) {
  PlayWave(kMoveSound);
  OktopusShiftLeft(i);
  OktopusDrawPlate(i, 2);
  Delay(kFrameDelay);
  OktopusDrawPlate(i, 1);
  Delay(kFrameDelay);
  OktopusDrawPlate(i, 0);
  if (OktopusIsSolved()) PuzzleSolved();
}

void OktopusRotateRight(int i) {
  PlayWave(kMoveSound);
  OktopusDrawPlate(i, 1);
  Delay(kFrameDelay);
  OktopusDrawPlate(i, 2);
  Delay(kFrameDelay);
  OktopusShiftRight(i);
  OktopusDrawPlate(i, 0);
  if (OktopusIsSolved()) PuzzleSolved();
}

void OktopusMouseLeft(int x, int y) {
  const int i = OktopusHitPlate(x, y);
  if (i < 0) return;
  StartClockOnFirstMove();
  OktopusRotateLeft(i);
}

void OktopusMouseRight(int x, int y) {
  const int i = OktopusHitPlate(x, y);
  if (i < 0) return;
  StartClockOnFirstMove();
  OktopusRotateRight(i);
}

}  // namespace blivo
