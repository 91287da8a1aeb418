// The main window's way to the puzzle of the moment.
//
// Each call picks the current puzzle's own routine by PuzzleMode.
#pragma once

#include "platform/raster.h"

namespace blivo {

struct PictureSize {
  int width, height;
};

// The picture file of puzzle mode (background and sprite sheet), and the size
// it must at least have to hold every sprite the puzzle draws.
const char* PuzzlePictureFile(int mode);
PictureSize PuzzlePictureMinimum(int mode);
// Where the puzzle's name stands on its board, under the tip with the rules.
Rect PuzzleTitle(int mode);
// Whether the option button has variants to step through for puzzle mode.
bool PuzzleHasOption(int mode);

void PuzzleInit();
void PuzzleMix();
// What the mix button shows after a mix: Gripple only its new target, the
// others their whole board.
void PuzzleDrawAfterMix();
void PuzzleDraw();
void PuzzleMouseLeft(int x, int y);
void PuzzleMouseRight(int x, int y);
// The option button: the next variant (up) or the previous one, mixed and
// drawn if it changed. False when the current puzzle has no variants.
bool PuzzleOption(bool up);
// Called after the current puzzle's picture has been loaded anew.
void PuzzlePictureReloaded();

}  // namespace blivo
