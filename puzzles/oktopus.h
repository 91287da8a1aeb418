// Oktopus: nine discs in a 3 x 3 grid, each with eight coloured buttons.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "puzzles/board_geometry.h"

namespace blivo {

struct OktopusSlot {
  int plate, slot;
};

// Plates 0..8 row by row; slots 0..7 clockwise from the top.
extern std::array<std::array<std::uint8_t, 8>, 9> OktopusPlates;

// Top-left corner of plate i's 100 x 100 square.
BoardPoint OktopusPlateCorner(int i);
// Centre of slot k's button in frame f (0..2), relative to the plate's corner.
BoardPoint OktopusButtonCentre(int f, int k);
// The twelve touching pairs, in order.
const std::array<std::pair<OktopusSlot, OktopusSlot>, 12>& OktopusPairs();
// The plate whose square holds (x, y), or -1.
int OktopusHitPlate(int x, int y);

void OktopusInit();
void OktopusMix();
bool OktopusIsSolved();
void OktopusDraw();
void OktopusDrawPlate(int i, int f);
void OktopusMouseLeft(int x, int y);
void OktopusMouseRight(int x, int y);
void OktopusRotateLeft(int i);
void OktopusRotateRight(int i);

// The shifts alone, without sound or drawing.
void OktopusShiftLeft(int i);
void OktopusShiftRight(int i);

}  // namespace blivo
