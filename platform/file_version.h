// The version a program file carries, read from the file itself the way a
// version resource is read: each of our programs holds a small record of its
// four numbers in a section of its own (".blivo_version"), found through the
// program's section table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace blivo {

struct ProgramVersion {
  std::uint16_t major = 0, minor = 0, release = 0, build = 0;
  bool operator==(const ProgramVersion&) const = default;
};

inline constexpr char kVersionSection[] = ".blivo_version";
inline constexpr char kVersionMagic[8] = {'B', 'l', 'i', 'v', 'o', 'V', 'e', 'r'};
inline constexpr std::size_t kVersionRecordSize = 16;  // the magic, then four little-endian 16-bit numbers

// Reads `size` bytes at `offset` into `out`; false when the file has not that many there.
using ByteReader = std::function<bool(std::uint64_t offset, std::size_t size, void* out)>;

// The record of an ELF program whose bytes `read` gives and which is
// `fileSize` bytes long; nothing when there is no (sound) record.
std::optional<ProgramVersion> ParseProgramVersion(std::uint64_t fileSize, const ByteReader& read);
// The same for a file on disk; only the headers and the record are read.
std::optional<ProgramVersion> ReadProgramVersion(const std::string& path);

}  // namespace blivo
