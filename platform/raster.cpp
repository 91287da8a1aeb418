#include "platform/raster.h"

#include <algorithm>

namespace blivo {

Bitmap::Bitmap(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill | kOpaque) {
  if (pixels_.empty()) width_ = height_ = 0;
}

void Bitmap::fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p | kOpaque); }

namespace {

// Shrinks the block so that source and destination both lie inside their
// bitmaps, moving both corners together.
bool Clip(int& dx, int& dy, int& w, int& h, int& sx, int& sy, const Bitmap& dst,
          const Bitmap& src) {
  auto clipAxis = [](int& d, int& s, int& len, int dLimit, int sLimit) {
    int shift = std::max({0, -d, -s});
    d += shift;
    s += shift;
    len -= shift;
    len = std::min({len, dLimit - d, sLimit - s});
  };
  clipAxis(dx, sx, w, dst.width(), src.width());
  clipAxis(dy, sy, h, dst.height(), src.height());
  return w > 0 && h > 0;
}

}  // namespace

Rect BlockCopy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
               RasterOp op) {
  if (!Clip(dx, dy, w, h, sx, sy, dst, src)) return {};
  const bool overlap = dx < sx + w && sx < dx + w && dy < sy + h && sy < dy + h;
  if (&dst == &src && overlap) {
    // Reading and writing the same pixels: read the block out first.
    Bitmap block(w, h);
    BlockCopy(block, 0, 0, w, h, src, sx, sy, RasterOp::Copy);
    return BlockCopy(dst, dx, dy, w, h, block, 0, 0, op);
  }
  for (int row = 0; row < h; ++row) {
    const std::uint32_t* from = src.scanLine(sy + row) + sx;
    std::uint32_t* to = dst.scanLine(dy + row) + dx;
    switch (op) {
      case RasterOp::Copy:
        std::copy_n(from, w, to);
        break;
      case RasterOp::And:
        for (int x = 0; x < w; ++x) to[x] &= from[x];
        break;
      case RasterOp::Or:
        for (int x = 0; x < w; ++x) to[x] |= from[x];
        break;
    }
  }
  return {dx, dy, w, h};
}

Rect BlockCopy(Screen& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
               RasterOp op) {
  const Rect changed = BlockCopy(dst.bitmap, dx, dy, w, h, src, sx, sy, op);
  if (changed.w > 0 && dst.shown) dst.shown(changed);
  return changed;
}

}  // namespace blivo
