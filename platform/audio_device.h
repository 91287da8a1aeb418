// The one audio output that sound effects and music share.
#pragma once

#include <chrono>

namespace blivo {

// Opens the output on first use; false when the machine has none. Tried once.
bool AudioDeviceReady();

// How far the sound a player hears lags behind what is handed to the output.
std::chrono::milliseconds AudioOutputLatency();

}  // namespace blivo
