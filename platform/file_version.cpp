#include "platform/file_version.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace blivo {

namespace {

// Where the fields of the file header and of a section header lie, by class.
struct ElfShape {
  std::size_t headerSize;
  std::size_t shoff, shoffSize, shentsize, shnum, shstrndx;
  std::size_t sectionSize;  // the least a section header can be
  std::size_t name, type, offset, size, link, wordSize;
};
constexpr ElfShape kElf32 = {52, 0x20, 4, 0x2E, 0x30, 0x32, 40, 0, 4, 16, 20, 24, 4};
constexpr ElfShape kElf64 = {64, 0x28, 8, 0x3A, 0x3C, 0x3E, 64, 0, 4, 24, 32, 40, 8};

constexpr std::uint32_t kNoBits = 8;            // SHT_NOBITS: a section without bytes in the file
constexpr std::uint32_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX
// A program of ours has a few dozen sections; a table far longer than this is not one.
constexpr std::uint64_t kMostSections = 1u << 16;

class Fields {
 public:
  Fields(std::uint64_t fileSize, const ByteReader& read, bool bigEndian)
      : fileSize_(fileSize), read_(read), big_(bigEndian) {}

  bool Inside(std::uint64_t offset, std::uint64_t size) const {
    return offset <= fileSize_ && size <= fileSize_ - offset;
  }

  // An unsigned number of `width` bytes at `offset`, in the file's byte order.
  bool Number(std::uint64_t offset, std::size_t width, std::uint64_t& value) const {
    unsigned char bytes[8];
    if (width > sizeof bytes || !Inside(offset, width) || !read_(offset, width, bytes)) return false;
    value = 0;
    for (std::size_t i = 0; i < width; ++i) value = value << 8 | bytes[big_ ? i : width - 1 - i];
    return true;
  }

  bool Bytes(std::uint64_t offset, std::size_t size, void* out) const {
    return Inside(offset, size) && read_(offset, size, out);
  }

  std::uint16_t Word16(const unsigned char* at) const {
    return static_cast<std::uint16_t>(big_ ? at[0] << 8 | at[1] : at[1] << 8 | at[0]);
  }

 private:
  std::uint64_t fileSize_;
  const ByteReader& read_;
  bool big_;
};

struct Section {
  std::uint64_t name = 0, type = 0, offset = 0, size = 0, link = 0;
};

bool ReadSection(const Fields& f, const ElfShape& shape, std::uint64_t at, Section& s) {
  return f.Number(at + shape.name, 4, s.name) && f.Number(at + shape.type, 4, s.type) &&
         f.Number(at + shape.offset, shape.wordSize, s.offset) && f.Number(at + shape.size, shape.wordSize, s.size) &&
         f.Number(at + shape.link, 4, s.link);
}

}  // namespace

std::optional<ProgramVersion> ParseProgramVersion(std::uint64_t fileSize, const ByteReader& read) {
  unsigned char ident[16];
  if (fileSize < sizeof ident || !read(0, sizeof ident, ident)) return std::nullopt;
  if (std::memcmp(ident, "\x7f" "ELF", 4) != 0) return std::nullopt;
  if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2)) return std::nullopt;
  const ElfShape& shape = ident[4] == 1 ? kElf32 : kElf64;
  const Fields f(fileSize, read, ident[5] == 2);
  if (!f.Inside(0, shape.headerSize)) return std::nullopt;

  std::uint64_t shoff = 0, entsize = 0, count = 0, names = 0;
  if (!f.Number(shape.shoff, shape.shoffSize, shoff) || !f.Number(shape.shentsize, 2, entsize) ||
      !f.Number(shape.shnum, 2, count) || !f.Number(shape.shstrndx, 2, names))
    return std::nullopt;
  if (shoff == 0 || entsize < shape.sectionSize) return std::nullopt;
  // Long tables keep their length and the index of the names in section 0.
  if (count == 0 || names == kExtendedIndex) {
    Section first;
    if (!ReadSection(f, shape, shoff, first)) return std::nullopt;
    if (count == 0) count = first.size;
    if (names == kExtendedIndex) names = first.link;
  }
  if (count == 0 || count > kMostSections || names >= count) return std::nullopt;
  if (!f.Inside(shoff, count * entsize)) return std::nullopt;

  Section table;
  if (!ReadSection(f, shape, shoff + names * entsize, table) || !f.Inside(table.offset, table.size))
    return std::nullopt;

  constexpr std::size_t kNameSize = sizeof kVersionSection;  // with its terminating zero
  for (std::uint64_t i = 0; i < count; ++i) {
    Section s;
    if (!ReadSection(f, shape, shoff + i * entsize, s)) return std::nullopt;
    if (s.name >= table.size || table.size - s.name < kNameSize) continue;
    char name[kNameSize];
    if (!f.Bytes(table.offset + s.name, kNameSize, name) || std::memcmp(name, kVersionSection, kNameSize) != 0)
      continue;
    if (s.type == kNoBits || s.size < kVersionRecordSize) return std::nullopt;
    unsigned char record[kVersionRecordSize];
    if (!f.Bytes(s.offset, sizeof record, record)) return std::nullopt;
    if (std::memcmp(record, kVersionMagic, sizeof kVersionMagic) != 0) return std::nullopt;
    return ProgramVersion{f.Word16(record + 8), f.Word16(record + 10), f.Word16(record + 12), f.Word16(record + 14)};
  }
  return std::nullopt;
}

std::optional<ProgramVersion> ReadProgramVersion(const std::string& path) {
  // Only a plain file: opening a pipe or a device could wait for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    ::close(fd);
    return std::nullopt;
  }
  // The headers a program's version is found through lie close together (the
  // section table and its names at the end): read a block at a time.
  constexpr std::uint64_t kBlock = 16 * 1024;
  std::vector<unsigned char> block;
  std::uint64_t blockAt = 0;
  const ByteReader read = [&](std::uint64_t offset, std::size_t count, void* out) {
    auto* to = static_cast<unsigned char*>(out);
    while (count > 0) {
      if (block.empty() || offset < blockAt || offset >= blockAt + block.size()) {
        blockAt = offset / kBlock * kBlock;
        block.resize(kBlock);
        ssize_t got;
        do got = ::pread(fd, block.data(), kBlock, static_cast<off_t>(blockAt));
        while (got < 0 && errno == EINTR);
        if (got <= 0 || static_cast<std::uint64_t>(got) <= offset - blockAt) {
          block.clear();
          return false;
        }
        block.resize(static_cast<std::size_t>(got));
      }
      const std::size_t from = static_cast<std::size_t>(offset - blockAt);
      const std::size_t n = std::min(count, block.size() - from);
      std::memcpy(to, block.data() + from, n);
      to += n, offset += n, count -= n;
    }
    return true;
  };
  const auto version = ParseProgramVersion(static_cast<std::uint64_t>(status.st_size), read);
  ::close(fd);
  return version;
}

}  // namespace blivo
