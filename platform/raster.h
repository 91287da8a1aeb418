// The raster layer every board picture goes through: a bitmap of 0xRRGGBB
// pixels and a block copy under the three raster operations the puzzles use.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace blivo {

using Pixel = std::uint32_t;  // 0xRRGGBB

enum class RasterOp { Copy, And, Or };

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const Rect&) const = default;
  bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }

  Pixel pixel(int x, int y) const { return pixels_[index(x, y)] & 0xFFFFFF; }
  void setPixel(int x, int y, Pixel p) { pixels_[index(x, y)] = p | kOpaque; }
  void fill(Pixel p);

  // Rows are stored as 0xFFRRGGBB so a toolkit can show them without conversion.
  const std::uint32_t* scanLine(int y) const { return &pixels_[index(0, y)]; }
  std::uint32_t* scanLine(int y) { return &pixels_[index(0, y)]; }

 private:
  static constexpr std::uint32_t kOpaque = 0xFF000000u;
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// Copies the w x h block at (sx, sy) of src onto (dx, dy) of dst, combining
// each pixel with the destination by op. The block is clipped to both bitmaps,
// as a window system clips a copy; the rectangle actually changed is returned.
Rect BlockCopy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
               RasterOp op);

// A bitmap that is on show: every copy onto it is handed to `shown` at once,
// so the window can put exactly that rectangle on the screen without waiting
// for the event loop.
class Screen {
 public:
  Bitmap bitmap;
  std::function<void(const Rect&)> shown;
};

Rect BlockCopy(Screen& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
               RasterOp op);

}  // namespace blivo
