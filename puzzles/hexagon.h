// Hexagon: a honeycomb of rings of six pills over a field of six coloured sectors.
#pragma once

#include <array>
#include <cstdint>

#include "platform/raster.h"
#include "puzzles/board_geometry.h"

namespace blivo {

constexpr int kHexagonVariantCount = 3;

struct HexagonVariantInfo {
  int cells;
  int rings;
  Rect field;  // the field picture in the sprite sheet
};

// A ring's place in the honeycomb: neighbours in a row are two columns apart.
struct HexagonPlace {
  int column, row;
};

extern int HexagonVariant;  // 1..3
extern std::array<std::uint8_t, 97> HexagonBoard;  // cells 1..96

const HexagonVariantInfo& HexagonVariants(int variant);
HexagonPlace HexagonRingPlace(int r);  // r = 1..37
BoardPoint HexagonRingCentre(int r);
// Cell number at position p (0..5) of ring r.
int HexagonRingCell(int r, int p);
// Offset of the pill at position p from its ring's centre in frame f (0..3).
BoardPoint HexagonFrameOffset(int f, int p);
int HexagonTarget(int cell);
// The ring of the current variant whose hit square holds (x, y), or 0.
int HexagonHitRing(int x, int y);

void HexagonInit();
void HexagonMix();
bool HexagonIsSolved();
void HexagonDraw();
void HexagonDrawRotor(int r, int f);
void HexagonMouseLeft(int x, int y);
void HexagonMouseRight(int x, int y);
void HexagonRotateLeft(int r);
void HexagonRotateRight(int r);
void HexagonOption(bool up);

// The permutations alone, without sound or drawing.
void HexagonTurnLeft(int r);
void HexagonTurnRight(int r);

}  // namespace blivo
