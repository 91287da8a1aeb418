#include "help/chm_layout.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace blivo {

namespace {

// Limits of the library this check stands in front of (chmlib 0.40).
constexpr std::uint64_t kMostPathLength = 512;  // CHM_MAX_PATHLEN
constexpr std::uint64_t kFileHeaderLength = 0x60;
constexpr std::uint64_t kDirectoryHeaderLength = 0x54;
constexpr std::uint64_t kListingHeaderLength = 0x14;  // PMGL
constexpr std::uint64_t kIndexHeaderLength = 0x08;    // PMGI
constexpr std::uint64_t kResetTableLength = 0x28;
constexpr std::uint64_t kControlDataLeast = 0x18;
constexpr std::uint64_t kControlDataMost = 256;  // the library gives up on more
constexpr std::uint64_t kBlockSlack = 6144;      // its buffer for one compressed block is a block and this

// What we accept beyond that: directory chunks as help compilers write them
// (4 KB), LZX windows of 32 KB to 2 MB, blocks of 32 KB.
constexpr std::uint64_t kLeastChunk = 0x100;
constexpr std::uint64_t kMostChunk = 0x10000;
constexpr std::uint32_t kLeastWindow = 1u << 15;
constexpr std::uint32_t kMostWindow = 1u << 21;
constexpr std::uint64_t kBlockLength = 0x8000;

constexpr char kResetTable[] =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr char kContent[] = "::DataSpace/Storage/MSCompressed/Content";
constexpr char kControlData[] = "::DataSpace/Storage/MSCompressed/ControlData";

class Bytes {
 public:
  explicit Bytes(std::span<const unsigned char> data) : data_(data) {}
  std::uint64_t size() const { return data_.size(); }
  bool Inside(std::uint64_t at, std::uint64_t length) const { return at <= size() && length <= size() - at; }
  std::uint64_t Little(std::uint64_t at, int width) const {
    std::uint64_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | data_[at + static_cast<std::uint64_t>(i)];
    return v;
  }
  std::uint32_t U32(std::uint64_t at) const { return static_cast<std::uint32_t>(Little(at, 4)); }
  std::int32_t I32(std::uint64_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint64_t U64(std::uint64_t at) const { return Little(at, 8); }
  bool Is(std::uint64_t at, const char* tag) const { return std::memcmp(data_.data() + at, tag, 4) == 0; }
  const unsigned char* at(std::uint64_t offset) const { return data_.data() + offset; }

 private:
  std::span<const unsigned char> data_;
};

// A reader of the variable-length numbers of the directory that never
// leaves [at, end).
class Cursor {
 public:
  Cursor(const Bytes& bytes, std::uint64_t at, std::uint64_t end) : bytes_(bytes), at_(at), end_(end) {}
  bool more() const { return at_ < end_; }
  bool Number(std::uint64_t& value) {
    // Same arithmetic as the library, which keeps shifting however long the number is.
    value = 0;
    while (at_ < end_) {
      const unsigned char b = *bytes_.at(at_++);
      value = (value << 7) + (b & 0x7f);
      if (b < 0x80) return true;
    }
    return false;
  }
  bool Name(std::uint64_t length, std::string& name) {
    if (length > end_ - at_) return false;
    const char* start = reinterpret_cast<const char*>(bytes_.at(at_));
    // The library compares names as C strings: they end at the first zero.
    name.assign(start, strnlen(start, static_cast<std::size_t>(length)));
    at_ += length;
    return true;
  }

 private:
  const Bytes& bytes_;
  std::uint64_t at_, end_;
};

std::string Folded(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

class Checker {
 public:
  Checker(std::span<const unsigned char> file, std::string& why) : b_(file), why_(why) {}

  std::optional<ChmLayout> Run() {
    if (!Headers() || !Directory() || !CompressedSection()) return std::nullopt;
    return layout_;
  }

 private:
  bool Fail(const char* reason) {
    why_ = reason;
    return false;
  }

  bool Headers() {
    layout_.fileSize = b_.size();
    if (!b_.Inside(0, kFileHeaderLength) || !b_.Is(0, "ITSF")) return Fail("no help file header");
    const std::int32_t version = b_.I32(4);
    const std::int32_t headerLength = b_.I32(8);
    if (version != 2 && version != 3) return Fail("unknown help file version");
    if (headerLength < (version == 2 ? 0x58 : 0x60)) return Fail("help file header too short");
    const std::uint64_t directory = b_.U64(0x48);
    const std::uint64_t directoryLength = b_.U64(0x50);
    layout_.dataOffset = version == 3 ? b_.U64(0x58) : directory + directoryLength;
    if (!b_.Inside(directory, kDirectoryHeaderLength) || !b_.Is(directory, "ITSP") || b_.I32(directory + 4) != 1 ||
        b_.I32(directory + 8) != static_cast<std::int32_t>(kDirectoryHeaderLength))
      return Fail("no directory header");
    chunkLength_ = b_.U32(directory + 0x10);
    if (chunkLength_ < kLeastChunk || chunkLength_ > kMostChunk) return Fail("directory chunks of an odd size");
    chunks_ = directory + kDirectoryHeaderLength;
    chunkCount_ = b_.U32(directory + 0x2c);  // the number of directory chunks (the library reads none)
    if (chunkCount_ == 0 || !b_.Inside(chunks_, chunkCount_ * chunkLength_)) return Fail("directory beyond the file");
    head_ = b_.I32(directory + 0x20);
    root_ = b_.I32(directory + 0x1c);
    if (root_ <= -1) root_ = head_;  // as the library does: no index, the listing is the root
    if (!Page(head_) || !Page(root_)) return Fail("directory starts outside itself");
    return true;
  }

  bool Page(std::int64_t page) const { return page >= 0 && static_cast<std::uint64_t>(page) < chunkCount_; }
  std::uint64_t ChunkAt(std::int64_t page) const { return chunks_ + static_cast<std::uint64_t>(page) * chunkLength_; }

  // Every page the library can reach is checked: the index tree from its
  // root (which the library walks to find a name) and the chain of listing
  // pages from its head (which it walks to list them). A page reached twice
  // would let either walk go round for ever.
  bool Directory() {
    std::vector<bool> inTree(chunkCount_, false), inChain(chunkCount_, false);
    std::vector<std::int64_t> pending{root_};
    while (!pending.empty()) {
      const std::int64_t page = pending.back();
      pending.pop_back();
      if (inTree[static_cast<std::size_t>(page)]) return Fail("directory index goes round");
      inTree[static_cast<std::size_t>(page)] = true;
      const std::uint64_t at = ChunkAt(page);
      if (b_.Is(at, "PMGL")) {
        if (!Listing(page)) return false;
      } else if (b_.Is(at, "PMGI")) {
        if (!Index(at, pending)) return false;
      } else {
        return Fail("directory page of no known kind");
      }
    }
    for (std::int64_t page = head_; page != -1;) {
      if (!Page(page)) return Fail("directory listing points outside itself");
      if (inChain[static_cast<std::size_t>(page)]) return Fail("directory listing goes round");
      inChain[static_cast<std::size_t>(page)] = true;
      if (!b_.Is(ChunkAt(page), "PMGL")) return Fail("directory listing page of another kind");
      if (!inTree[static_cast<std::size_t>(page)] && !Listing(page)) return false;
      page = b_.I32(ChunkAt(page) + 0x10);
    }
    if (objects_.empty()) return Fail("empty directory");
    return true;
  }

  // The entries of a directory page: from its header to where its free
  // space at the end begins.
  std::optional<Cursor> Entries(std::uint64_t at, std::uint64_t header) const {
    const std::uint64_t freeSpace = b_.U32(at + 4);
    if (freeSpace > chunkLength_ - header) return std::nullopt;
    return Cursor(b_, at + header, at + chunkLength_ - freeSpace);
  }

  bool Listing(std::int64_t page) {
    auto entries = Entries(ChunkAt(page), kListingHeaderLength);
    if (!entries) return Fail("directory page overfull");
    for (Cursor& c = *entries; c.more();) {
      std::uint64_t length = 0, section = 0;
      std::string name;
      ChmObject object;
      // An empty name makes the library look at the byte before it.
      if (!c.Number(length) || length == 0 || length > kMostPathLength || !c.Name(length, name) || name.empty() ||
          !c.Number(section) || !c.Number(object.start) || !c.Number(object.length))
        return Fail("directory entry cut short");
      // Anything but the two sections sends the library to the compressed
      // section before it has read how that is laid out.
      if (section > 1) return Fail("object in an unknown section");
      object.section = static_cast<int>(section);
      if (!objects_.emplace(Folded(name), object).second) return Fail("two objects of one name");
    }
    return true;
  }

  bool Index(std::uint64_t at, std::vector<std::int64_t>& pending) {
    auto entries = Entries(at, kIndexHeaderLength);
    if (!entries) return Fail("directory index page overfull");
    for (Cursor& c = *entries; c.more();) {
      std::uint64_t length = 0, child = 0;
      std::string name;
      if (!c.Number(length) || length > kMostPathLength || !c.Name(length, name) || !c.Number(child))
        return Fail("directory index entry cut short");
      // The library keeps the page as an int.
      const std::int64_t page = static_cast<std::int32_t>(static_cast<std::uint32_t>(child));
      if (child > 0x7fffffff || !Page(page)) return Fail("directory index points outside itself");
      pending.push_back(page);
    }
    return true;
  }

  const ChmObject* Find(const char* name) const {
    const auto found = objects_.find(Folded(name));
    return found == objects_.end() ? nullptr : &found->second;
  }

  // Where an object of the uncompressed section begins in the file, when all
  // of it lies inside the file.
  std::optional<std::uint64_t> Stored(const ChmObject& o, std::uint64_t length) const {
    if (o.section != 0 || o.start > UINT64_MAX - layout_.dataOffset) return std::nullopt;
    const std::uint64_t at = layout_.dataOffset + o.start;
    if (!b_.Inside(at, length)) return std::nullopt;
    return at;
  }

  // The library reads the compressed section's layout only when it finds
  // all three of its objects outside that section, and then trusts it: a
  // window size it cannot make makes it decompress with no decompressor, a
  // reset interval of zero makes it divide by zero, a block longer than its
  // buffer makes it write past it. So once the library would read them, they
  // must be sound in every respect it relies on, or the file is refused.
  bool CompressedSection() {
    const ChmObject* reset = Find(kResetTable);
    const ChmObject* content = Find(kContent);
    const ChmObject* control = Find(kControlData);
    if (!reset || !content || !control || reset->section != 0 || content->section != 0 || control->section != 0)
      return true;  // the library leaves the compressed section shut
    // A reset table the library cannot read also leaves it shut.
    const auto table = Stored(*reset, kResetTableLength);
    if (reset->length < kResetTableLength || !table || b_.U32(*table) != 2) return true;

    if (control->length < kControlDataLeast || control->length > kControlDataMost)
      return Fail("compression control data of an odd size");
    const auto controlAt = Stored(*control, control->length);
    if (!controlAt) return Fail("compression control data beyond the file");
    if (!b_.Is(*controlAt + 4, "LZXC")) return Fail("compression control data of another kind");
    std::uint32_t resetInterval = b_.U32(*controlAt + 0x0c);
    std::uint32_t window = b_.U32(*controlAt + 0x10);
    const std::uint32_t windowsPerReset = b_.U32(*controlAt + 0x14);
    if (b_.U32(*controlAt + 8) == 2) {  // counted in 32 KB units, multiplied as the library does
      resetInterval *= 0x8000u;
      window *= 0x8000u;
    }
    if (window < kLeastWindow || window > kMostWindow || (window & (window - 1)) != 0)
      return Fail("compression window of an odd size");
    if (resetInterval == 0 || resetInterval % (window / 2) != 0 || resetInterval / (window / 2) * windowsPerReset == 0)
      return Fail("compression reset interval of an odd size");

    const std::uint32_t blocks = b_.U32(*table + 4);
    const std::uint64_t tableOffset = b_.U32(*table + 0x0c);
    const std::uint64_t uncompressed = b_.U64(*table + 0x10);
    const std::uint64_t compressed = b_.U64(*table + 0x18);
    if (b_.U64(*table + 0x20) != kBlockLength) return Fail("compressed blocks of an odd size");
    // Some compilers close the table with the end of the last block as one more entry.
    const std::uint64_t needed = uncompressed / kBlockLength + (uncompressed % kBlockLength != 0);
    if (blocks < needed || blocks > needed + 1) return Fail("compressed block count does not fit the length");
    if (tableOffset > reset->length || reset->length - tableOffset < static_cast<std::uint64_t>(blocks) * 8)
      return Fail("compressed block table beyond its object");
    const auto entries = Stored(*reset, tableOffset + static_cast<std::uint64_t>(blocks) * 8);
    if (!entries) return Fail("compressed block table beyond the file");
    if (compressed > content->length || !Stored(*content, compressed))
      return Fail("compressed data beyond the file");
    std::uint64_t previous = 0;
    for (std::uint32_t i = 0; i < blocks; ++i) {
      const std::uint64_t start = b_.U64(*table + tableOffset + static_cast<std::uint64_t>(i) * 8);
      const std::uint64_t end =
          i + 1 < blocks ? b_.U64(*table + tableOffset + static_cast<std::uint64_t>(i + 1) * 8) : compressed;
      if ((i == 0 && start != 0) || start < previous || end < start || end > compressed ||
          end - start > kBlockLength + kBlockSlack)
        return Fail("compressed block of an odd length");
      previous = start;
    }
    layout_.compressed = true;
    layout_.compressedLength = uncompressed;
    return true;
  }

  Bytes b_;
  std::string& why_;
  ChmLayout layout_;
  std::uint64_t chunks_ = 0, chunkLength_ = 0, chunkCount_ = 0;
  std::int64_t head_ = -1, root_ = -1;
  std::map<std::string, ChmObject> objects_;
};

}  // namespace

std::optional<ChmLayout> CheckChmLayout(std::span<const unsigned char> file, std::string& why) {
  return Checker(file, why).Run();
}

bool ObjectReadable(const ChmLayout& layout, const ChmObject& object) {
  if (object.section == 0) {
    return object.start <= UINT64_MAX - layout.dataOffset && layout.dataOffset + object.start <= layout.fileSize &&
           object.length <= layout.fileSize - (layout.dataOffset + object.start);
  }
  return object.section == 1 && layout.compressed && object.start <= layout.compressedLength &&
         object.length <= layout.compressedLength - object.start;
}

}  // namespace blivo
