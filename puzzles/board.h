// What the four puzzles share with the main window.
//
// The board's bitmaps, the game state of each puzzle, the random generator and
// the three services the main window offers them. Nothing here knows about widgets.
#pragma once

#include <cstdint>

#include "platform/raster.h"
#include "puzzles/board_geometry.h"

namespace blivo {

enum : std::uint8_t { Gripple = 0, Hexagon = 1, Oktopus = 2, Wedding = 3 };
constexpr int kPuzzleCount = 4;

// Values of GameState.
enum : std::uint8_t { Ready = 0, Running = 1, Untouched = 2, Solved = 3 };

extern std::uint8_t PuzzleMode;
extern std::uint8_t GameState[kPuzzleCount];
extern std::int32_t PlayTime[kPuzzleCount];

// The current puzzle's picture file: board background and sprite sheet.
extern Bitmap BackgroundBitmap;
// The 500 x 333 back buffer in which a puzzle composes before showing.
extern Bitmap BoardBitmap;
// The board as the player sees it.
extern Screen BoardScreen;

// Copies the rectangle `part` of the sprite sheet onto dst at (x, y) by op.
inline Rect CopyFromSheet(Bitmap& dst, int x, int y, const Rect& part, RasterOp op) {
  return BlockCopy(dst, x, y, part.w, part.h, BackgroundBitmap, part.x, part.y, op);
}
inline Rect CopyFromSheet(Screen& dst, int x, int y, const Rect& part, RasterOp op) {
  return BlockCopy(dst, x, y, part.w, part.h, BackgroundBitmap, part.x, part.y, op);
}

// A sprite of the sheet with a transparent surround, in its two passes at
// (x, y): the mask with AND, then the sprite with OR.
template <typename Target>
void DrawSprite(Target& dst, int x, int y, const Rect& mask, const Rect& sprite) {
  CopyFromSheet(dst, x, y, mask, RasterOp::And);
  CopyFromSheet(dst, x, y, sprite, RasterOp::Or);
}

// A click that turns part of the board starts the clock of a fresh game.
void StartClockOnFirstMove();

// Random(k): uniform integer 0..k-1 from the one generator of the program.
int Random(int k);
void Randomize(std::uint32_t seed);

// The main window's services, reached through whatever host is installed.
class PuzzleHost {
 public:
  virtual ~PuzzleHost() = default;
  virtual void playWave(int n) = 0;
  virtual void delay(std::uint32_t ms) = 0;
  virtual void puzzleSolved() = 0;
};

void SetPuzzleHost(PuzzleHost* host);
void PlayWave(int n);
void Delay(std::uint32_t ms);
void PuzzleSolved();

}  // namespace blivo
