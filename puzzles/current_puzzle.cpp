#include "puzzles/current_puzzle.h"

#include "puzzles/board.h"
#include "puzzles/gripple.h"
#include "puzzles/hexagon.h"
#include "puzzles/oktopus.h"
#include "puzzles/wedding.h"

namespace blivo {

const char* PuzzlePictureFile(int mode) {
  static const char* const kFiles[kPuzzleCount] = {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"};
  return kFiles[mode];
}

PictureSize PuzzlePictureMinimum(int mode) {
  static const PictureSize kSizes[kPuzzleCount] = {{500, 383}, {532, 597}, {700, 333}, {572, 409}};
  return kSizes[mode];
}

void PuzzleInit() {
  switch (PuzzleMode) {
    case Gripple: GrippleInit(); break;
    case Hexagon: HexagonInit(); break;
    case Oktopus: OktopusInit(); break;
    case Wedding: WeddingInit(); break;
  }
}

void PuzzleMix() {
  switch (PuzzleMode) {
    case Gripple: GrippleMix(); break;
    case Hexagon: HexagonMix(); break;
    case Oktopus: OktopusMix(); break;
    case Wedding: WeddingMix(); break;
  }
}

void PuzzleDrawAfterMix() {
  if (PuzzleMode == Gripple)
    GrippleDrawTarget();
  else
    PuzzleDraw();
}

void PuzzleDraw() {
  switch (PuzzleMode) {
    case Gripple: GrippleDraw(); break;
    case Hexagon: HexagonDraw(); break;
    case Oktopus: OktopusDraw(); break;
    case Wedding: WeddingDraw(); break;
  }
}

void PuzzleMouseLeft(int x, int y) {
  switch (PuzzleMode) {
    case Gripple: GrippleMouseLeft(x, y); break;
    case Hexagon: HexagonMouseLeft(x, y); break;
    case Oktopus: OktopusMouseLeft(x, y); break;
    case Wedding: WeddingMouseLeft(x); break;
  }
}

void PuzzleMouseRight(int x, int y) {
  switch (PuzzleMode) {
    case Gripple: GrippleMouseRight(x, y); break;
    case Hexagon: HexagonMouseRight(x, y); break;
    case Oktopus: OktopusMouseRight(x, y); break;
    case Wedding: WeddingMouseRight(x); break;
  }
}

bool PuzzleOption(bool up) {
  switch (PuzzleMode) {
    case Hexagon: HexagonOption(up); return true;
    case Wedding: WeddingOption(up); return true;
    default: return false;
  }
}

void PuzzlePictureReloaded() {
  // A fresh copy of the Wedding picture has no target in it; put the one of
  // the current variant back so the picture always matches the rings.
  if (PuzzleMode == Wedding && GameState[Wedding] != Untouched) WeddingShowTarget();
}

}  // namespace blivo
