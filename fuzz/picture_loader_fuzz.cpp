// Any bytes as a picture file: turned away with a reason, or a picture of the
// size its header gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  blivo::Bitmap picture(1, 1);
  std::string error;
  if (!blivo::DecodePicture(bytes, "fuzz.bmp", picture, error)) {
    if (error.empty() || picture.width() != 1 || picture.height() != 1) std::abort();
    return 0;
  }
  // Width at byte 18, height at 22 (or 16-bit fields after a 12-byte header).
  const bool core = data[14] == 12;
  const auto field = [&](std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | data[at + i];
    return bytes == 2 ? static_cast<std::int32_t>(static_cast<std::int16_t>(v)) : static_cast<std::int32_t>(v);
  };
  const long long width = core ? field(18, 2) : field(18, 4);
  const long long height = core ? field(20, 2) : field(22, 4);
  if (picture.width() != width || picture.height() != (height < 0 ? -height : height)) std::abort();
  if (static_cast<long long>(picture.width()) * picture.height() > blivo::kLargestPicturePixels) std::abort();
  return 0;
}
