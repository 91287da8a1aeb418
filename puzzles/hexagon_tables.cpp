// Hexagon's fixed data: the variants, the rings with their cells, the frames and the solved colours.
#include "puzzles/hexagon.h"
#include "puzzles/hexagon_sheet.h"

namespace blivo {

namespace {

constexpr HexagonVariantInfo kVariants[kHexagonVariantCount] = {
    {.cells = 24, .rings = 7, .field = hexagon_sheet::Field(1)},
    {.cells = 54, .rings = 19, .field = hexagon_sheet::Field(2)},
    {.cells = 96, .rings = 37, .field = hexagon_sheet::Field(3)},
};

// Neighbours in a row are 38 pixels apart; rows are 33 apart and shifted
// against each other by half of that.
constexpr int kColumnStep = 19;
constexpr int kRowStep = 33;

struct RingRow {
  HexagonPlace place;
  int cells[6];  // positions 0 upper left, 1 top, 2 upper right, 3 lower right, 4 bottom, 5 lower left
};

// Each variant uses the rings of the smaller ones and adds a ring of rings round them.
constexpr RingRow kRings[37] = {
    // rings 1 to 7, variant 1 and on
    {.place = {.column = -1, .row = -1}, .cells = {1, 2, 3, 9, 8, 7}},
    {.place = {.column = 1, .row = -1}, .cells = {3, 4, 5, 11, 10, 9}},
    {.place = {.column = -2, .row = 0}, .cells = {6, 7, 8, 15, 14, 13}},
    {.place = {.column = 0, .row = 0}, .cells = {8, 9, 10, 17, 16, 15}},
    {.place = {.column = 2, .row = 0}, .cells = {10, 11, 12, 19, 18, 17}},
    {.place = {.column = -1, .row = 1}, .cells = {14, 15, 16, 22, 21, 20}},
    {.place = {.column = 1, .row = 1}, .cells = {16, 17, 18, 24, 23, 22}},
    // rings 8 to 19, variant 2 and on
    {.place = {.column = -2, .row = -2}, .cells = {25, 26, 27, 2, 1, 33}},
    {.place = {.column = 0, .row = -2}, .cells = {27, 28, 29, 4, 3, 2}},
    {.place = {.column = 2, .row = -2}, .cells = {29, 30, 31, 34, 5, 4}},
    {.place = {.column = -3, .row = -1}, .cells = {32, 33, 1, 7, 6, 37}},
    {.place = {.column = 3, .row = -1}, .cells = {5, 34, 35, 38, 12, 11}},
    {.place = {.column = -4, .row = 0}, .cells = {36, 37, 6, 13, 41, 40}},
    {.place = {.column = 4, .row = 0}, .cells = {12, 38, 39, 43, 42, 19}},
    {.place = {.column = -3, .row = 1}, .cells = {41, 13, 14, 20, 45, 44}},
    {.place = {.column = 3, .row = 1}, .cells = {18, 19, 42, 47, 46, 24}},
    {.place = {.column = -2, .row = 2}, .cells = {45, 20, 21, 50, 49, 48}},
    {.place = {.column = 0, .row = 2}, .cells = {21, 22, 23, 52, 51, 50}},
    {.place = {.column = 2, .row = 2}, .cells = {23, 24, 46, 54, 53, 52}},
    // rings 20 to 37, variant 3
    {.place = {.column = -3, .row = -3}, .cells = {55, 56, 57, 26, 25, 65}},
    {.place = {.column = -1, .row = -3}, .cells = {57, 58, 59, 28, 27, 26}},
    {.place = {.column = 1, .row = -3}, .cells = {59, 60, 61, 30, 29, 28}},
    {.place = {.column = 3, .row = -3}, .cells = {61, 62, 63, 66, 31, 30}},
    {.place = {.column = -4, .row = -2}, .cells = {64, 65, 25, 33, 32, 69}},
    {.place = {.column = 4, .row = -2}, .cells = {31, 66, 67, 70, 35, 34}},
    {.place = {.column = -5, .row = -1}, .cells = {68, 69, 32, 37, 36, 73}},
    {.place = {.column = 5, .row = -1}, .cells = {35, 70, 71, 74, 39, 38}},
    {.place = {.column = -6, .row = 0}, .cells = {72, 73, 36, 40, 77, 76}},
    {.place = {.column = 6, .row = 0}, .cells = {39, 74, 75, 79, 78, 43}},
    {.place = {.column = -5, .row = 1}, .cells = {77, 40, 41, 44, 81, 80}},
    {.place = {.column = 5, .row = 1}, .cells = {42, 43, 78, 83, 82, 47}},
    {.place = {.column = -4, .row = 2}, .cells = {81, 44, 45, 48, 85, 84}},
    {.place = {.column = 4, .row = 2}, .cells = {46, 47, 82, 87, 86, 54}},
    {.place = {.column = -3, .row = 3}, .cells = {85, 48, 49, 90, 89, 88}},
    {.place = {.column = -1, .row = 3}, .cells = {49, 50, 51, 92, 91, 90}},
    {.place = {.column = 1, .row = 3}, .cells = {51, 52, 53, 94, 93, 92}},
    {.place = {.column = 3, .row = 3}, .cells = {53, 54, 86, 96, 95, 94}},
};

// Frame 0 is the rest position, 22 pixels from the ring's centre; frames 1 to
// 3 carry every pill 15, 30 and 45 degrees on, counter-clockwise.
constexpr BoardPoint kFrameOffsets[4][6] = {
    {{-19, -11}, {0, -22}, {19, -11}, {19, 11}, {0, 22}, {-19, 11}},
    {{-21, -7}, {-7, -21}, {16, -16}, {21, 7}, {7, 21}, {-16, 16}},
    {{-22, 0}, {-11, -19}, {11, -19}, {22, 0}, {11, 19}, {-11, 19}},
    {{-21, 7}, {-16, -16}, {7, -21}, {21, -7}, {16, 16}, {-7, 21}},
};

// The solved colour of cells 1 to 96, following the field's sectors.
constexpr std::uint8_t kTarget[96] = {
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

HexagonPlace HexagonRingPlace(int r) { return kRings[r - 1].place; }

BoardPoint HexagonRingCentre(int r) {
  const HexagonPlace place = HexagonRingPlace(r);
  return hexagon_sheet::kFieldCentre + BoardPoint{kColumnStep * place.column, kRowStep * place.row};
}

int HexagonRingCell(int r, int p) { return kRings[r - 1].cells[p]; }

BoardPoint HexagonFrameOffset(int f, int p) { return kFrameOffsets[f][p]; }

int HexagonTarget(int cell) { return kTarget[cell - 1]; }

}  // namespace blivo
