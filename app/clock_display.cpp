#include "app/clock_display.h"

namespace blivo {

std::array<int, 6> ClockCells(std::int32_t v) {
  // A counter never goes below zero in play; treat one that did as its size.
  std::uint32_t rest = v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
  std::array<int, 6> digits{};
  for (int i = 5; i >= 0; --i) {
    digits[i] = static_cast<int>(rest % 10);
    rest /= 10;
  }
  std::array<int, 6> cells{};
  bool leading = true;
  for (int i = 0; i < 6; ++i) {
    leading = leading && digits[i] == 0 && i < 5;
    cells[i] = leading ? kClockBlankCell : digits[i];
  }
  return cells;
}

void ComposeClock(Bitmap& timbox, const Bitmap& strip, std::int32_t v) {
  const auto cells = ClockCells(v);
  for (int i = 0; i < 6; ++i)
    BlockCopy(timbox, kClockPitch * i, 0, kClockCellWidth, kClockCellHeight, strip,
              kClockCellWidth * cells[i], 0, RasterOp::Copy);
}

}  // namespace blivo
