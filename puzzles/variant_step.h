// The option button of the puzzles that come in variants.
#pragma once

namespace blivo {

// Moves variant one step up or down within 1..last, without wrapping round.
// Only a variant that changed gets a fresh mix and a full draw; at either end
// nothing at all happens.
void StepVariant(int& variant, int last, bool up, void (*mix)(), void (*draw)());

}  // namespace blivo
