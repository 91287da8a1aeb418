// Any stored window position: it is taken or turned away, and one taken
// reads the same once written again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/common_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto placement = blivo::ParseWindowPlacement(text);
  if (!placement) return 0;
  const auto again = blivo::ParseWindowPlacement(blivo::FormatWindowPlacement(*placement));
  if (!again || again->left != placement->left || again->top != placement->top ||
      again->right != placement->right || again->bottom != placement->bottom)
    std::abort();
  return 0;
}
