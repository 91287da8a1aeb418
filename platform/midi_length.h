// How long a standard MIDI file plays: the time of its last track's end, with
// every tempo change on the way. The synthesizer keeps sounding for a while
// after that and says it is still playing; the game goes by this instead.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace blivo {

// Nothing when the bytes are no standard MIDI file (a RIFF "RMID" wrapper is
// looked into) or their time cannot be worked out.
std::optional<std::chrono::milliseconds> MidiLength(std::string_view file);

}  // namespace blivo
