// Wedding: two rings of balls that cross at two points.
#pragma once

#include <array>
#include <cstdint>

#include "puzzles/board_geometry.h"
#include "puzzles/wedding_sheet.h"

namespace blivo {

constexpr int kWeddingVariantCount = 4;

struct WeddingVariantInfo {
  std::uint8_t ballsPerRing;
  int secondCrossing;          // the lower crossing's cell; the upper one is cell 1
  wedding_sheet::BallRow balls;
  float stepAngle, frameAngle;  // degrees between two positions, and of one frame
};

// Both rings have the radius 100; position j of a ring lies at the angle
// 45 + j x step angle, counter-clockwise from the right.
constexpr BoardPoint kWeddingRingCentres[2] = {{178, 166}, {320, 166}};
constexpr int kWeddingRadius = 100;
constexpr int kWeddingFirstAngle = 45;

extern int WeddingVariant;                                     // 1..4
extern std::array<std::uint8_t, 47> WeddingBoard;              // cells 1..46
extern std::array<std::array<std::uint8_t, 24>, 2> WeddingRings;  // ring 1 and ring 2

const WeddingVariantInfo& WeddingVariants(int variant);
// Ring list of ring r (1, 2) in variant v: the cell at each position.
const std::array<std::uint8_t, 24>& WeddingRingList(int v, int r);
// Solved colour of cell c (1..46) in variant v; 0 for unused cells.
int WeddingTarget(int v, int c);
// Centre of a ball of ring r at the given angle in degrees.
BoardPoint WeddingBallCentre(int r, double degrees);
// Ring a click at board x turns.
int WeddingRingAt(int x);

void WeddingInit();
void WeddingMix();
bool WeddingIsSolved();
void WeddingDraw();
void WeddingDrawRings(int t, int f);
void WeddingDrawBall(int colour, int x, int y);
void WeddingStepForward(int r);
void WeddingStepBack(int r);
void WeddingMouseLeft(int x);
void WeddingMouseRight(int x);
void WeddingRotateLeft(int r);
void WeddingRotateRight(int r);
void WeddingOption(bool up);
// Puts the current variant's target picture into the background at its spot.
void WeddingShowTarget();

}  // namespace blivo
