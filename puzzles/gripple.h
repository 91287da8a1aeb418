// Gripple: a 4 x 4 grid of pieces in four colours under five turnable plates.
#pragma once

#include <array>
#include <cstdint>

#include "puzzles/board_geometry.h"

namespace blivo {

// Cells are (c, r), column and row 1..4; arrays are indexed [c - 1][r - 1].
using GrippleGrid = std::array<std::array<std::uint8_t, 4>, 4>;

extern GrippleGrid GrippleBoard;
extern GrippleGrid GrippleTarget;
extern int GripplePatternNo;

// A cell of the grid: column and row 1..4.
struct GrippleCell {
  int c, r;
};

// The four cells of plate p (1..5) at positions 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right.
std::array<GrippleCell, 4> GrippleRotorCells(int p);
// Centre of the piece on cell (c, r); neighbouring pieces are 10 pixels apart.
BoardPoint GripplePieceCentre(int c, int r);
// Centre of plate p, where its four pieces meet.
BoardPoint GrippleRotorCentre(int p);
// Colour class (1..4) of pattern n (1..50) at cell (c, r).
int GripplePatternClass(int n, int c, int r);
// Colour order o (0..23): the colour that class k (1..4) gets.
int GrippleColourOrder(int o, int k);
// Offset of position k's piece from the plate centre in frame f (0..5).
BoardPoint GrippleFrameOffset(int f, int k);
// The plate whose hit square holds (x, y), or 0.
int GrippleHitPlate(int x, int y);

void GrippleInit();
void GrippleMix();
bool GrippleIsSolved();
void GrippleDraw();
void GrippleDrawTarget();
void GrippleDrawPiece(int v, int x, int y);
void GrippleDrawRotor(int p, int f);
void GrippleMouseLeft(int x, int y);
void GrippleMouseRight(int x, int y);
void GrippleRotateLeft(int p);
void GrippleRotateRight(int p);

// The permutations alone, without sound or drawing.
void GrippleTurnLeft(int p);
void GrippleTurnRight(int p);

}  // namespace blivo
