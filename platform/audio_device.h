// The one audio output that sound effects and music share.
#pragma once

namespace blivo {

// Opens the output on first use; false when the machine has none. Tried once.
bool AudioDeviceReady();

}  // namespace blivo
