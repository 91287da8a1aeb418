// The option button of the puzzles that come in variants.
#include "puzzles/variant_step.h"

namespace blivo {

void StepVariant(int& variant, int last, bool up, void (*mix)(), void (*draw)()) {
  if (up ? variant >= last : variant <= 1) return;
  variant += up ? 1 : -1;
  mix();
  draw();
}

}  // namespace blivo
