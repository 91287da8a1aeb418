// Any bytes as a tune: a length no longer than a day, or none; never a crash or a hang.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/midi_length.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto length = blivo::MidiLength(std::string_view(reinterpret_cast<const char*>(data), size));
  if (length && (length->count() < 0 || *length > std::chrono::hours(24))) std::abort();
  return 0;
}
