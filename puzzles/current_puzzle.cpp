// The puzzle of the moment: each call picks the current puzzle's own routine.
#include "puzzles/current_puzzle.h"

#include "puzzles/board.h"
#include "puzzles/gripple.h"
#include "puzzles/gripple_sheet.h"
#include "puzzles/hexagon.h"
#include "puzzles/hexagon_sheet.h"
#include "puzzles/oktopus.h"
#include "puzzles/oktopus_sheet.h"
#include "puzzles/wedding.h"
#include "puzzles/wedding_sheet.h"

namespace blivo {

namespace {

// The option button steps through the variants of the puzzles that have them.
void (*const kOptions[kPuzzleCount])(bool up) = {nullptr, HexagonOption, nullptr, WeddingOption};

}  // namespace

const char* PuzzlePictureFile(int mode) {
  static const char* const kFiles[kPuzzleCount] = {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"};
  return kFiles[mode];
}

PictureSize PuzzlePictureMinimum(int mode) {
  static const PictureSize kSizes[kPuzzleCount] = {{gripple_sheet::kWidth, gripple_sheet::kHeight},
                                                   {hexagon_sheet::kWidth, hexagon_sheet::kHeight},
                                                   {oktopus_sheet::kWidth, oktopus_sheet::kHeight},
                                                   {wedding_sheet::kWidth, wedding_sheet::kHeight}};
  return kSizes[mode];
}

Rect PuzzleTitle(int mode) {
  static const Rect kTitles[kPuzzleCount] = {gripple_sheet::kTitle, hexagon_sheet::kTitle, oktopus_sheet::kTitle,
                                             wedding_sheet::kTitle};
  return kTitles[mode];
}

bool PuzzleHasOption(int mode) { return kOptions[mode] != nullptr; }

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
  if (!PuzzleHasOption(PuzzleMode)) return false;
  kOptions[PuzzleMode](up);
  return true;
}

void PuzzlePictureReloaded() {
  // A fresh copy of the Wedding picture has no target in it; put the one of
  // the current variant back so the picture always matches the rings.
  if (PuzzleMode == Wedding && GameState[Wedding] != Untouched) WeddingShowTarget();
}

}  // namespace blivo
