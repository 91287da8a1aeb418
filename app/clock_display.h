// The six LED digits of the tool bar's clock.
#pragma once

#include <array>
#include <cstdint>

#include "platform/raster.h"

namespace blivo {

constexpr int kClockCellWidth = 11;
constexpr int kClockCellHeight = 20;
constexpr int kClockPitch = 13;
constexpr int kClockBlankCell = 10;
constexpr int kTimboxWidth = 77;
constexpr int kTimboxHeight = 20;

// The strip cell shown at each of the six places for a time v: its last six
// decimal digits, with leading zeros blank and the last place always a digit.
std::array<int, 6> ClockCells(std::int32_t v);

// Copies the six cells from the 121 x 20 digit strip onto timbox.
void ComposeClock(Bitmap& timbox, const Bitmap& strip, std::int32_t v);

}  // namespace blivo
