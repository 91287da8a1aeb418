// A headless board: the real picture of a puzzle, the two bitmaps and a
// screen, and a host that records what the puzzle asks of the main window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/picture_file.h"
#include "puzzles/board.h"

namespace blivo::testing {

inline std::string GameFile(const std::string& name) { return std::string(BLIVO_GAME_DIR) + name; }

inline Bitmap LoadGamePicture(const std::string& name) {
  Bitmap picture;
  std::string error;
  EXPECT_TRUE(LoadPicture(GameFile(name), picture, error)) << error;
  return picture;
}

class RecordingHost : public PuzzleHost {
 public:
  void playWave(int n) override {
    waves.push_back(n);
    calls.push_back("wave " + std::to_string(n));
  }
  void delay(std::uint32_t ms) override {
    delays.push_back(ms);
    frames.push_back(BoardScreen.bitmap);  // what the player sees during the wait
    calls.push_back("delay " + std::to_string(ms));
  }
  void puzzleSolved() override {
    ++solvedCalls;
    solvedFrame = BoardScreen.bitmap;
    calls.push_back("solved");
  }

  std::vector<int> waves;
  std::vector<std::uint32_t> delays;
  std::vector<Bitmap> frames;
  int solvedCalls = 0;
  Bitmap solvedFrame;               // the screen when the solved sequence began
  std::vector<std::string> calls;  // every service asked for, in order
};

class PuzzleBoard : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kSeed = 20261210;

  void Use(int mode, const std::string& picture) {
    PuzzleMode = static_cast<std::uint8_t>(mode);
    for (auto& s : GameState) s = Untouched;
    for (auto& t : PlayTime) t = 0;
    BackgroundBitmap = LoadGamePicture(picture);
    BoardBitmap = Bitmap(kBoardWidth, kBoardHeight);
    // A colour no picture uses, so every pixel a puzzle shows is seen.
    BoardScreen.bitmap = Bitmap(kBoardWidth, kBoardHeight, 0x123456);
    BoardScreen.shown = [this](const Rect& r) { shown.push_back(r); };
    SetPuzzleHost(&host);
    Randomize(kSeed);
  }

  void TearDown() override {
    SetPuzzleHost(nullptr);
    BoardScreen.shown = nullptr;
  }

  RecordingHost host;
  std::vector<Rect> shown;
};

// What a two-pass sprite leaves on a picture, composed pixel by pixel without
// the raster layer: where the mask is black the sprite shows, elsewhere the ground.
inline void ComposeSprite(Bitmap& ground, int x, int y, const Rect& mask, const Rect& sprite, const Bitmap& sheet) {
  for (int dy = 0; dy < mask.h; ++dy)
    for (int dx = 0; dx < mask.w; ++dx)
      if (sheet.pixel(mask.x + dx, mask.y + dy) == 0)
        ground.setPixel(x + dx, y + dy, sheet.pixel(sprite.x + dx, sprite.y + dy));
}

// The index of the place in `places` nearest to `at`.
inline int Nearest(const std::vector<BoardPoint>& places, BoardPoint at) {
  int nearest = 0;
  auto distance = [&](int i) {
    const BoardPoint d = places[i] - at;
    return d.x * d.x + d.y * d.y;
  };
  for (int i = 1; i < static_cast<int>(places.size()); ++i)
    if (distance(i) < distance(nearest)) nearest = i;
  return nearest;
}

// Rectangles in which two bitmaps differ, as one bounding rectangle.
inline Rect Difference(const Bitmap& a, const Bitmap& b) {
  int left = a.width(), top = a.height(), right = -1, bottom = -1;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

// True when every frame differs from `before` only inside `area`.
inline ::testing::AssertionResult FramesChangeOnlyInside(const std::vector<Bitmap>& frames, const Bitmap& before,
                                                        const Rect& area) {
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const Rect d = Difference(before, frames[i]);
    if (d.w == 0) continue;
    if (d.x < area.x || d.y < area.y || d.x + d.w > area.x + area.w || d.y + d.h > area.y + area.h)
      return ::testing::AssertionFailure() << "frame " << i << " changes " << d.x << "," << d.y << " " << d.w
                                           << "x" << d.h;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace blivo::testing
