// Oktopus: the moves, the mix and the drawing of the nine plates with their buttons.
#include "puzzles/oktopus.h"

#include "puzzles/board.h"
#include "puzzles/oktopus_sheet.h"
#include "puzzles/rotor_turn.h"

namespace blivo {

std::array<std::array<std::uint8_t, 8>, 9> OktopusPlates{};

namespace {

using namespace oktopus_sheet;

// Slots 0 top, 1 top-right, 2 right, 3 bottom-right, 4 bottom, 5 bottom-left,
// 6 left, 7 top-left; frames 1 and 2 are a third and two thirds of a slot on.
constexpr BoardPoint kButtonCentres[3][8] = {
    {{49, 16}, {73, 26}, {83, 50}, {73, 74}, {49, 84}, {25, 74}, {15, 50}, {25, 26}},
    {{59, 17}, {80, 33}, {83, 59}, {67, 80}, {40, 83}, {19, 67}, {16, 41}, {32, 20}},
    {{66, 21}, {82, 41}, {78, 67}, {58, 82}, {33, 79}, {17, 59}, {21, 33}, {41, 18}},
};

constexpr std::array<std::pair<OktopusSlot, OktopusSlot>, 12> kPairs = {{
    {{0, 2}, {1, 6}}, {{1, 2}, {2, 6}}, {{0, 4}, {3, 0}}, {{1, 4}, {4, 0}},
    {{2, 4}, {5, 0}}, {{3, 2}, {4, 6}}, {{4, 2}, {5, 6}}, {{3, 4}, {6, 0}},
    {{4, 4}, {7, 0}}, {{5, 4}, {8, 0}}, {{6, 2}, {7, 6}}, {{7, 2}, {8, 6}},
}};

// The frames turn the buttons clockwise: the right button draws them before
// it shifts, the left one after.
constexpr RotorCourse kTurn{.moveSound = 3,
                            .frames = 2,
                            .frameDelay = 50,
                            .drawFrame = OktopusDrawPlate,
                            .isSolved = OktopusIsSolved};

constexpr int kScrambleShifts = 1001;

std::uint8_t& ButtonAt(OktopusSlot s) { return OktopusPlates[s.plate][s.slot]; }

}  // namespace

BoardPoint OktopusPlateCorner(int i) { return {80 + kPlateSize * (i % 3), 16 + kPlateSize * (i / 3)}; }

BoardPoint OktopusButtonCentre(int f, int k) { return kButtonCentres[f][k]; }

const std::array<std::pair<OktopusSlot, OktopusSlot>, 12>& OktopusPairs() { return kPairs; }

int OktopusHitPlate(int x, int y) {
  int hit = -1;
  for (int i = 0; i < 9; ++i) {
    const BoardPoint c = OktopusPlateCorner(i);
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
  for (const auto& [first, second] : kPairs) ButtonAt(first) = ButtonAt(second);
  for (int n = 0; n < kScrambleShifts; ++n) OktopusShiftLeft(Random(9));
}

void OktopusInit() { OktopusMix(); }

bool OktopusIsSolved() {
  for (const auto& [first, second] : kPairs)
    if (ButtonAt(first) != ButtonAt(second)) return false;
  return true;
}

void OktopusDrawPlate(int i, int f) {
  const BoardPoint c = OktopusPlateCorner(i);
  BlockCopy(BoardBitmap, c.x, c.y, kPlateSize, kPlateSize, BackgroundBitmap, c.x, c.y, RasterOp::Copy);
  DrawSprite(BoardBitmap, c.x, c.y, PlateMask(f), Plate(f));
  for (int k = 0; k < 8; ++k) {
    const BoardPoint b = c + OktopusButtonCentre(f, k);
    CopyFromSheet(BoardBitmap, b.x - kButtonSize / 2, b.y - kButtonSize / 2, Button(OktopusPlates[i][k]),
                  RasterOp::Or);
  }
  BlockCopy(BoardScreen, c.x, c.y, kPlateSize, kPlateSize, BoardBitmap, c.x, c.y, RasterOp::Copy);
}

void OktopusDraw() {
  BlockCopy(BoardScreen, 0, 0, kBoardWidth, kBoardHeight, BackgroundBitmap, 0, 0, RasterOp::Copy);
  for (int i = 0; i < 9; ++i) OktopusDrawPlate(i, 0);
}

void OktopusRotateLeft(int i) { TurnRotor(kTurn, i, OktopusShiftLeft, FrameOrder::AfterPermuting); }

void OktopusRotateRight(int i) { TurnRotor(kTurn, i, OktopusShiftRight, FrameOrder::BeforePermuting); }

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
