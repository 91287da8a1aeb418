// The version record of the program this file is linked into (see
// platform/file_version.h); the numbers come from the build.
#include <cstdint>

#include "platform/file_version.h"

namespace {

struct VersionRecord {
  char magic[8];
  std::uint16_t numbers[4];
};
static_assert(sizeof(VersionRecord) == blivo::kVersionRecordSize);

[[gnu::used, gnu::section(".blivo_version")]] const VersionRecord kRecord = {
    {'B', 'l', 'i', 'v', 'o', 'V', 'e', 'r'},
    {BLIVO_VERSION_MAJOR, BLIVO_VERSION_MINOR, BLIVO_VERSION_RELEASE, BLIVO_VERSION_BUILD}};

}  // namespace
