// The fixed data of Wedding, written as it reads in the design tables.
#include "puzzles/wedding.h"

namespace blivo {

namespace {

constexpr WeddingVariantInfo kVariants[4] = {
    {12, 10, 0, 333, 50, 25, 30.0f, 10.0f},
    {16, 13, 250, 333, 38, 19, 22.5f, 7.5f},
    {20, 16, 250, 371, 30, 15, 18.0f, 6.0f},
    {24, 19, 0, 383, 26, 13, 15.0f, 5.0f},
};

// Ring 1 holds cells 1..n in order in every variant.
constexpr std::array<std::uint8_t, 24> FirstRing(int n) {
  std::array<std::uint8_t, 24> cells{};
  for (int j = 0; j < n; ++j) cells[j] = static_cast<std::uint8_t>(j + 1);
  return cells;
}

constexpr std::array<std::uint8_t, 24> kRings[4][2] = {
    {FirstRing(12), {20, 21, 22, 1, 13, 14, 10, 15, 16, 17, 18, 19}},
    {FirstRing(16), {27, 28, 29, 30, 1, 17, 18, 19, 13, 20, 21, 22, 23, 24, 25, 26}},
    {FirstRing(20),
     {34, 35, 36, 37, 38, 1, 21, 22, 23, 24, 16, 25, 26, 27, 28, 29, 30, 31, 32, 33}},
    {FirstRing(24), {41, 42, 43, 44, 45, 46, 1,  25, 26, 27, 28, 29,
                     19, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}},
};

// Cells 1..46; cells beyond 2n - 2 stay 0.
constexpr std::uint8_t kTargets[4][47] = {
    {0, 3, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4, 3, 3, 3},
    {0, 3, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2,
     3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3},
    {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
     3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3},
    {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
     3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3},
};

}  // namespace

const WeddingVariantInfo& WeddingVariants(int variant) { return kVariants[variant - 1]; }

const std::array<std::uint8_t, 24>& WeddingRingList(int v, int r) { return kRings[v - 1][r - 1]; }

int WeddingTarget(int v, int c) { return kTargets[v - 1][c]; }

}  // namespace blivo
