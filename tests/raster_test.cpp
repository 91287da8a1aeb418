#include <gtest/gtest.h>

#include "platform/raster.h"
#include "platform/ticks.h"

namespace blivo {
namespace {

Bitmap Pattern(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, static_cast<Pixel>((x * 37 + y * 101) * 0x010203) & 0xFFFFFF);
  return b;
}

TEST(BlockCopy, CombinesEachPixelByItsOperation) {
  struct Case {
    RasterOp op;
    Pixel expected;
  } cases[] = {{RasterOp::Copy, 0x0F0F0F}, {RasterOp::And, 0x000F00}, {RasterOp::Or, 0xFFFFFF}};
  for (const Case& c : cases) {
    Bitmap dst(4, 4, 0xF0FFF0);
    const Bitmap src(4, 4, 0x0F0F0F);
    BlockCopy(dst, 1, 1, 2, 2, src, 0, 0, c.op);
    EXPECT_EQ(dst.pixel(1, 1), c.expected);
    EXPECT_EQ(dst.pixel(2, 2), c.expected);
    EXPECT_EQ(dst.pixel(0, 0), 0xF0FFF0u) << "outside the block";
    EXPECT_EQ(dst.pixel(3, 3), 0xF0FFF0u) << "outside the block";
  }
}

TEST(BlockCopy, MovesTheRightBlockToTheRightPlace) {
  const Bitmap src = Pattern(20, 10);
  Bitmap dst(30, 30);
  BlockCopy(dst, 7, 11, 5, 4, src, 3, 2, RasterOp::Copy);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(dst.pixel(7 + x, 11 + y), src.pixel(3 + x, 2 + y));
  EXPECT_EQ(dst.pixel(6, 11), 0u);
  EXPECT_EQ(dst.pixel(12, 11), 0u);
}

TEST(BlockCopy, ClipsAtEveryEdgeWithoutTouchingMemoryOutside) {
  const Bitmap src = Pattern(10, 10);
  Bitmap dst(10, 10, 0xABCDEF);
  const Rect changed = BlockCopy(dst, -3, 8, 6, 6, src, 2, -1, RasterOp::Copy);
  // Destination x -3..2 clips to 0..2, source y -1 moves both down by one.
  EXPECT_EQ(changed, (Rect{0, 9, 3, 1}));
  EXPECT_EQ(dst.pixel(0, 9), src.pixel(5, 0));
  EXPECT_EQ(dst.pixel(0, 8), 0xABCDEFu);
  EXPECT_EQ(BlockCopy(dst, 20, 20, 5, 5, src, 0, 0, RasterOp::Copy), Rect{});
}

TEST(BlockCopy, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
  Bitmap b = Pattern(12, 12);
  const Bitmap before = b;
  BlockCopy(b, 2, 3, 8, 8, b, 0, 0, RasterOp::Copy);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(b.pixel(2 + x, 3 + y), before.pixel(x, y));
}

TEST(Screen, ReportsExactlyTheChangedRectangle) {
  Screen screen;
  screen.bitmap = Bitmap(50, 40);
  std::vector<Rect> shown;
  screen.shown = [&](const Rect& r) { shown.push_back(r); };
  const Bitmap src(100, 100, 0x00FF00);
  BlockCopy(screen, 45, 30, 20, 20, src, 0, 0, RasterOp::Copy);
  BlockCopy(screen, 60, 0, 5, 5, src, 0, 0, RasterOp::Copy);  // wholly outside: nothing to show
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], (Rect{45, 30, 5, 10}));
}

TEST(WaitTicks, WaitsPastTheEndAlsoAcrossTheCounterWrap) {
  for (std::uint32_t start : {1000u, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
    std::uint32_t now = start;
    int readings = 0;
    WaitTicks(40, [&] { ++readings; return now; }, [&](std::uint32_t ms) { now += ms > 3 ? 3 : ms; });
    const std::uint32_t waited = now - start;
    EXPECT_GT(waited, 40u) << "start " << start;
    EXPECT_LE(waited, 44u) << "start " << start;
    EXPECT_GT(readings, 2);
  }
}

TEST(WaitTicks, RealDelayLastsAtLeastItsTime) {
  const auto begin = std::chrono::steady_clock::now();
  BlockingDelay(40);
  EXPECT_GE(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(40));
}

}  // namespace
}  // namespace blivo
