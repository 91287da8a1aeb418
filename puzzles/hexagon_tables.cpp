// The fixed data of Hexagon, written as it reads in the design tables.
#include "puzzles/hexagon.h"

namespace blivo {

namespace {

constexpr HexagonVariantInfo kVariants[3] = {
    {24, 7, 76, 66, 116, 98, 192, 164},
    {54, 19, 114, 99, 304, 333, 418, 432},
    {96, 37, 152, 132, 0, 333, 152, 465},
};

struct RingRow {
  int column, row;
  int cells[6];  // positions 0 upper left, 1 top, 2 upper right, 3 lower right, 4 bottom, 5 lower left
};

constexpr RingRow kRings[37] = {
    {-1, -1, {1, 2, 3, 9, 8, 7}},       {1, -1, {3, 4, 5, 11, 10, 9}},
    {-2, 0, {6, 7, 8, 15, 14, 13}},     {0, 0, {8, 9, 10, 17, 16, 15}},
    {2, 0, {10, 11, 12, 19, 18, 17}},   {-1, 1, {14, 15, 16, 22, 21, 20}},
    {1, 1, {16, 17, 18, 24, 23, 22}},   {-2, -2, {25, 26, 27, 2, 1, 33}},
    {0, -2, {27, 28, 29, 4, 3, 2}},     {2, -2, {29, 30, 31, 34, 5, 4}},
    {-3, -1, {32, 33, 1, 7, 6, 37}},    {3, -1, {5, 34, 35, 38, 12, 11}},
    {-4, 0, {36, 37, 6, 13, 41, 40}},   {4, 0, {12, 38, 39, 43, 42, 19}},
    {-3, 1, {41, 13, 14, 20, 45, 44}},  {3, 1, {18, 19, 42, 47, 46, 24}},
    {-2, 2, {45, 20, 21, 50, 49, 48}},  {0, 2, {21, 22, 23, 52, 51, 50}},
    {2, 2, {23, 24, 46, 54, 53, 52}},   {-3, -3, {55, 56, 57, 26, 25, 65}},
    {-1, -3, {57, 58, 59, 28, 27, 26}}, {1, -3, {59, 60, 61, 30, 29, 28}},
    {3, -3, {61, 62, 63, 66, 31, 30}},  {-4, -2, {64, 65, 25, 33, 32, 69}},
    {4, -2, {31, 66, 67, 70, 35, 34}},  {-5, -1, {68, 69, 32, 37, 36, 73}},
    {5, -1, {35, 70, 71, 74, 39, 38}},  {-6, 0, {72, 73, 36, 40, 77, 76}},
    {6, 0, {39, 74, 75, 79, 78, 43}},   {-5, 1, {77, 40, 41, 44, 81, 80}},
    {5, 1, {42, 43, 78, 83, 82, 47}},   {-4, 2, {81, 44, 45, 48, 85, 84}},
    {4, 2, {46, 47, 82, 87, 86, 54}},   {-3, 3, {85, 48, 49, 90, 89, 88}},
    {-1, 3, {49, 50, 51, 92, 91, 90}},  {1, 3, {51, 52, 53, 94, 93, 92}},
    {3, 3, {53, 54, 86, 96, 95, 94}},
};

constexpr HexagonPoint kFrameOffsets[4][6] = {
    {{-19, -11}, {0, -22}, {19, -11}, {19, 11}, {0, 22}, {-19, 11}},
    {{-21, -7}, {-7, -21}, {16, -16}, {21, 7}, {7, 21}, {-16, 16}},
    {{-22, 0}, {-11, -19}, {11, -19}, {22, 0}, {11, 19}, {-11, 19}},
    {{-21, 7}, {-16, -16}, {7, -21}, {21, -7}, {16, 16}, {-7, 21}},
};

constexpr std::uint8_t kTarget[97] = {
    0,
    // cells 1 to 24
    1, 2, 2, 2, 3, 1, 1, 1, 2, 3, 3, 3, 4, 4, 4, 5, 6, 6, 6, 4, 5, 5, 5, 6,
    // cells 25 to 54
    1, 2, 2, 2, 2, 2, 3, 1, 1, 3, 3, 1, 1, 3, 3, 4, 4, 6, 6, 4, 4, 6, 6, 4, 5, 5, 5, 5, 5, 6,
    // cells 55 to 96
    1, 2, 2, 2, 2, 2, 2, 2, 3, 1, 1, 3, 3, 1, 1, 3, 3, 1, 1, 3, 3, 4, 4, 6, 6, 4, 4, 6, 6, 4, 4,
    6, 6, 4, 5, 5, 5, 5, 5, 5, 5, 6,
};

}  // namespace

const HexagonVariantInfo& HexagonVariants(int variant) { return kVariants[variant - 1]; }

HexagonPoint HexagonRingPlace(int r) { return {kRings[r - 1].column, kRings[r - 1].row}; }

HexagonPoint HexagonRingCentre(int r) {
  const HexagonPoint place = HexagonRingPlace(r);
  return {192 + 19 * place.x, 164 + 33 * place.y};
}

int HexagonRingCell(int r, int p) { return kRings[r - 1].cells[p]; }

HexagonPoint HexagonFrameOffset(int f, int p) { return kFrameOffsets[f][p]; }

int HexagonTarget(int cell) { return kTarget[cell]; }

}  // namespace blivo
