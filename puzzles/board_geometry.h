// The board's size, a pixel on it, and the square around a rotor's centre that a click must hit.
#pragma once

namespace blivo {

constexpr int kBoardWidth = 500;
constexpr int kBoardHeight = 333;

// Board pixels: origin at the board's top-left corner, x to the right, y
// downward. Also the offset from one such pixel to another.
struct BoardPoint {
  int x = 0, y = 0;
  bool operator==(const BoardPoint&) const = default;
};

constexpr BoardPoint operator+(BoardPoint a, BoardPoint b) { return {a.x + b.x, a.y + b.y}; }
constexpr BoardPoint operator-(BoardPoint a, BoardPoint b) { return {a.x - b.x, a.y - b.y}; }

// Gripple's plates and Hexagon's rings take a click less than 20 pixels from
// their centre along both axes, both bounds strict: a square of 39 x 39.
constexpr int kHitReach = 20;

constexpr bool InHitSquare(BoardPoint centre, int x, int y) {
  return centre.x - kHitReach < x && x < centre.x + kHitReach && centre.y - kHitReach < y &&
         y < centre.y + kHitReach;
}

}  // namespace blivo
