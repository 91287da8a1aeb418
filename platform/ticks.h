// The millisecond tick counter and the blocking wait that paces animations.
#pragma once

#include <cstdint>
#include <functional>

namespace blivo {

// Milliseconds since an arbitrary start, wrapping around at 2^32 like the
// counter of the system the game was first written for.
std::uint32_t TickCount();

using TickSource = std::function<std::uint32_t()>;
using Sleeper = std::function<void(std::uint32_t ms)>;

// Blocks until the counter has passed start + ms. The difference is taken in
// unsigned 32-bit arithmetic, so a wrap-around of the counter during the wait
// changes nothing. Sleeps between readings instead of spinning.
void WaitTicks(std::uint32_t ms, const TickSource& ticks, const Sleeper& sleep);

// WaitTicks on the real counter; processes no window events.
void BlockingDelay(std::uint32_t ms);

}  // namespace blivo
