// The structure of a compiled help file, checked whole before the help
// library sees it. The library trusts what the file says: a page number in
// its directory, the size of a decompression window, the lengths in the
// table of compressed blocks. A file from anywhere may say anything, so every
// one of those is checked here first, with bounds, against what the library
// will do with it; a file that fails is never handed to the library.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace blivo {

struct ChmLayout {
  std::uint64_t fileSize = 0;
  std::uint64_t dataOffset = 0;        // where the sections' data begin
  bool compressed = false;             // the compressed section can be read
  std::uint64_t compressedLength = 0;  // bytes the compressed section holds when decompressed
};

// Where an object lies, as the file's directory names it.
struct ChmObject {
  int section = 0;  // 0 stored as it is, 1 compressed
  std::uint64_t start = 0, length = 0;
};

// The layout, or nothing with the reason in `why`.
std::optional<ChmLayout> CheckChmLayout(std::span<const unsigned char> file, std::string& why);

// Whether the library may be asked for the object: every byte of it lies
// where the checked layout says there are bytes.
bool ObjectReadable(const ChmLayout& layout, const ChmObject& object);

}  // namespace blivo
