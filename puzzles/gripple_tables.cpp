// Gripple's fixed data: the fifty patterns, the plates, the frames and the colour orders.
#include <array>

#include "puzzles/gripple.h"

namespace blivo {

namespace {

// Each pattern's rows from top to bottom; within a row, columns 1..4.
constexpr const char* kPatterns[50][4] = {
    {"1133", "1133", "2244", "2244"}, {"1111", "3333", "2222", "4444"},
    {"1234", "1234", "1234", "1234"}, {"3332", "3222", "4111", "4441"},
    {"1133", "1243", "1243", "2244"}, {"1133", "3311", "4422", "2244"},
    {"3241", "2244", "1133", "4132"}, {"1134", "2234", "3411", "3422"},
    {"2222", "4433", "4433", "1111"}, {"4321", "3214", "2143", "1432"},
    {"4122", "1132", "3244", "3341"}, {"1234", "1234", "4123", "4123"},
    {"4443", "1323", "1413", "1222"}, {"2244", "2134", "3421", "3311"},
    {"1432", "2143", "3214", "4321"}, {"3322", "1332", "1442", "1144"},
    {"2221", "2441", "3441", "3331"}, {"1144", "3344", "3322", "1122"},
    {"2222", "4411", "4411", "3333"}, {"1113", "2213", "2433", "2444"},
    {"1331", "3322", "4422", "1441"}, {"2444", "2224", "1113", "1333"},
    {"1114", "4133", "4233", "2224"}, {"1444", "1143", "1233", "2223"},
    {"4123", "1234", "1234", "4123"}, {"1321", "2443", "3442", "1231"},
    {"1243", "1144", "3421", "3322"}, {"2241", "2214", "4133", "1433"},
    {"3223", "1144", "1144", "3223"}, {"4121", "1423", "2243", "1334"},
    {"1212", "1122", "4433", "4343"}, {"1313", "2424", "1313", "2424"},
    {"3134", "1213", "2124", "4243"}, {"1442", "1222", "1333", "1443"},
    {"1234", "2143", "1234", "2143"}, {"1134", "1143", "3422", "4322"},
    {"1111", "4343", "3434", "2222"}, {"1144", "2222", "3333", "4411"},
    {"1333", "1143", "2144", "2224"}, {"1414", "3232", "1414", "3232"},
    {"1243", "1324", "1432", "1243"}, {"1144", "2211", "3322", "4433"},
    {"1432", "4123", "3214", "2341"}, {"1332", "4124", "4214", "2331"},
    {"1332", "3124", "3214", "2441"}, {"1324", "3322", "1144", "3142"},
    {"1333", "3122", "4211", "2444"}, {"1111", "4343", "4343", "2222"},
    {"1333", "2143", "2414", "2241"}, {"1333", "1443", "1244", "1222"},
};

// Top-left cell of each plate's 2 x 2 block.
constexpr GrippleCell kPlateCorners[5] = {{1, 1}, {3, 1}, {2, 2}, {1, 3}, {3, 3}};

// Frames 0..5; positions 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
constexpr BoardPoint kFrameOffsets[6][4] = {
    {{-30, -30}, {30, -30}, {-30, 30}, {30, 30}},
    {{-36, -21}, {21, -36}, {-21, 36}, {36, 21}},
    {{-39, -11}, {11, -39}, {-11, 39}, {39, 11}},
    {{-40, 0}, {0, -40}, {0, 40}, {40, 0}},
    {{-39, 11}, {-11, -39}, {11, 39}, {39, -11}},
    {{-36, 21}, {-21, -36}, {21, 36}, {36, -21}},
};

// The 24 orders of four colours, in lexicographic order.
constexpr std::array<std::array<int, 4>, 24> MakeColourOrders() {
  std::array<std::array<int, 4>, 24> orders{};
  int n = 0;
  for (int a = 1; a <= 4; ++a)
    for (int b = 1; b <= 4; ++b)
      for (int c = 1; c <= 4; ++c)
        for (int d = 1; d <= 4; ++d)
          if (a != b && a != c && a != d && b != c && b != d && c != d) orders[n++] = {a, b, c, d};
  return orders;
}

constexpr auto kColourOrders = MakeColourOrders();

}  // namespace

std::array<GrippleCell, 4> GrippleRotorCells(int p) {
  const GrippleCell tl = kPlateCorners[p - 1];
  return {{{tl.c, tl.r}, {tl.c + 1, tl.r}, {tl.c, tl.r + 1}, {tl.c + 1, tl.r + 1}}};
}

BoardPoint GripplePieceCentre(int c, int r) { return {60 * c + 15, 60 * r + 15}; }

BoardPoint GrippleRotorCentre(int p) {
  const GrippleCell tl = kPlateCorners[p - 1];
  const BoardPoint first = GripplePieceCentre(tl.c, tl.r), last = GripplePieceCentre(tl.c + 1, tl.r + 1);
  return {(first.x + last.x) / 2, (first.y + last.y) / 2};
}

int GripplePatternClass(int n, int c, int r) { return kPatterns[n - 1][r - 1][c - 1] - '0'; }

int GrippleColourOrder(int o, int k) { return kColourOrders[o][k - 1]; }

BoardPoint GrippleFrameOffset(int f, int k) { return kFrameOffsets[f][k]; }

}  // namespace blivo
