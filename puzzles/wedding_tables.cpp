// Wedding's fixed data: the variants, the ring lists and the solved colours.
#include "puzzles/wedding.h"

namespace blivo {

namespace {

constexpr WeddingVariantInfo kVariants[kWeddingVariantCount] = {
    {.ballsPerRing = 12, .secondCrossing = 10, .balls = wedding_sheet::Balls(1), .stepAngle = 30.0f, .frameAngle = 10.0f},
    {.ballsPerRing = 16, .secondCrossing = 13, .balls = wedding_sheet::Balls(2), .stepAngle = 22.5f, .frameAngle = 7.5f},
    {.ballsPerRing = 20, .secondCrossing = 16, .balls = wedding_sheet::Balls(3), .stepAngle = 18.0f, .frameAngle = 6.0f},
    {.ballsPerRing = 24, .secondCrossing = 19, .balls = wedding_sheet::Balls(4), .stepAngle = 15.0f, .frameAngle = 5.0f},
};

using RingList = std::array<std::uint8_t, 24>;

// Ring 1 holds cells 1..n in order in every variant.
constexpr RingList FirstRing(int n) {
  RingList cells{};
  for (int j = 0; j < n; ++j) cells[j] = static_cast<std::uint8_t>(j + 1);
  return cells;
}

struct RingLists {
  RingList ring1, ring2;
};

constexpr RingLists kRings[kWeddingVariantCount] = {
    {.ring1 = FirstRing(12), .ring2 = {20, 21, 22, 1, 13, 14, 10, 15, 16, 17, 18, 19}},
    {.ring1 = FirstRing(16), .ring2 = {27, 28, 29, 30, 1, 17, 18, 19, 13, 20, 21, 22, 23, 24, 25, 26}},
    {.ring1 = FirstRing(20),
     .ring2 = {34, 35, 36, 37, 38, 1, 21, 22, 23, 24, 16, 25, 26, 27, 28, 29, 30, 31, 32, 33}},
    {.ring1 = FirstRing(24),
     .ring2 = {41, 42, 43, 44, 45, 46, 1, 25, 26, 27, 28, 29, 19, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}},
};

// The solved colour of cells 1 to 2n - 2; the cells beyond stay 0.
constexpr std::uint8_t kTargets[kWeddingVariantCount][46] = {
    {3, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4, 3, 3, 3},
    {3, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3},
    {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
     3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3},
    {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
     3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3},
};

}  // namespace

const WeddingVariantInfo& WeddingVariants(int variant) { return kVariants[variant - 1]; }

const std::array<std::uint8_t, 24>& WeddingRingList(int v, int r) {
  return r == 1 ? kRings[v - 1].ring1 : kRings[v - 1].ring2;
}

int WeddingTarget(int v, int c) { return kTargets[v - 1][c - 1]; }

}  // namespace blivo
