#include <gtest/gtest.h>

#include "app/clock_display.h"
#include "platform/embedded_assets.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

constexpr int B = kClockBlankCell;

TEST(ClockCells, LeadingZerosBlankAndTheLastDigitAlwaysShown) {
  struct Case {
    std::int32_t v;
    std::array<int, 6> cells;
  } cases[] = {
      {0, {B, B, B, B, B, 0}},      {7, {B, B, B, B, B, 7}},    {1205, {B, B, 1, 2, 0, 5}},
      {1000000, {B, B, B, B, B, 0}}, {1234567, {2, 3, 4, 5, 6, 7}}, {1000042, {B, B, B, B, 4, 2}},
      {999999, {9, 9, 9, 9, 9, 9}},  {100000, {1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClockCells(c.v), c.cells) << c.v;
}

TEST(ClockDisplay, CopiesStripCellsAtAThirteenPixelPitch) {
  const Bitmap strip = EmbeddedBitmap("digits");
  ASSERT_EQ(strip.width(), 121);
  ASSERT_EQ(strip.height(), 20);
  Bitmap timbox(kTimboxWidth, kTimboxHeight, 0x123456);
  ComposeClock(timbox, strip, 1205);
  const int cells[6] = {B, B, 1, 2, 0, 5};
  for (int i = 0; i < 6; ++i)
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 11; ++x)
        ASSERT_EQ(timbox.pixel(13 * i + x, y), strip.pixel(11 * cells[i] + x, y)) << "place " << i;
      if (i < 5) {
        EXPECT_EQ(timbox.pixel(13 * i + 11, y), 0x123456u) << "gap stays untouched";
      }
    }
}

TEST(ClockDisplay, DigitStripUsesOnlyTheThreeColours) {
  const Bitmap strip = EmbeddedBitmap("digits");
  int lit[11] = {};
  for (int cell = 0; cell < 11; ++cell)
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 11; ++x) {
        const Pixel p = strip.pixel(11 * cell + x, y);
        ASSERT_TRUE(p == 0x000000 || p == 0x00FF00 || p == 0x004000) << std::hex << p;
        lit[cell] += p == 0x00FF00;
      }
  EXPECT_EQ(lit[10], 0) << "the blank cell has every segment unlit";
  EXPECT_GT(lit[8], lit[0]);
  EXPECT_GT(lit[0], lit[1]);
}

}  // namespace
}  // namespace blivo
