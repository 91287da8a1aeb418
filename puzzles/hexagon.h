// Hexagon: a honeycomb of rings of six pills over a field of six coloured sectors.
#pragma once

#include <array>
#include <cstdint>

namespace blivo {

struct HexagonVariantInfo {
  int cells;
  int rings;
  int halfWidth, halfHeight;  // of the field picture
  int sourceLeft, sourceTop;  // field picture in the sprite sheet
  int sourceCentreX, sourceCentreY;
};

struct HexagonPoint {
  int x, y;
};

extern int HexagonVariant;  // 1..3
extern std::array<std::uint8_t, 97> HexagonBoard;  // cells 1..96

const HexagonVariantInfo& HexagonVariants(int variant);
// Column and row of ring r (1..37) in the honeycomb.
HexagonPoint HexagonRingPlace(int r);
HexagonPoint HexagonRingCentre(int r);
// Cell number at position p (0..5) of ring r.
int HexagonRingCell(int r, int p);
HexagonPoint HexagonFrameOffset(int f, int p);
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
