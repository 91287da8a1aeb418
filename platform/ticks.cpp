#include "platform/ticks.h"

#include <chrono>
#include <thread>

namespace blivo {

std::uint32_t TickCount() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);
}

void WaitTicks(std::uint32_t ms, const TickSource& ticks, const Sleeper& sleep) {
  const std::uint32_t start = ticks();
  for (;;) {
    const std::uint32_t elapsed = ticks() - start;
    // "Passed" means strictly beyond: a wait that starts late in a tick still
    // lasts the full time.
    if (elapsed > ms) return;
    sleep(ms - elapsed + 1);
  }
}

void BlockingDelay(std::uint32_t ms) {
  WaitTicks(ms, TickCount, [](std::uint32_t left) {
    std::this_thread::sleep_for(std::chrono::milliseconds(left));
  });
}

}  // namespace blivo
