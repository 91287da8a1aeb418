// The millisecond tick counter and the blocking wait that paces animations.
#pragma once

#include <cstdint>
#include <functional>

namespace blivo {

// Milliseconds since an arbitrary start, as a 32-bit counter that wraps
// around after some 49 days; waits are worked out so that the wrap changes
// nothing.
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
