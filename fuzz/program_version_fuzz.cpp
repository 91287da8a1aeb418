// The version record reader under fuzzing: whatever a program file holds,
// reading its version reads only inside it, and neither crashes nor hangs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/file_version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  blivo::ParseProgramVersion(size, [&](std::uint64_t offset, std::size_t count, void* out) {
    // The reader must never ask for bytes the file does not have.
    if (offset > size || count > size - offset) std::abort();
    std::memcpy(out, data + offset, count);
    return true;
  });
  return 0;
}
