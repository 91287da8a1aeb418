#include "platform/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <climits>
#include <cstdint>

#include "platform/whole_file.h"

namespace blivo {

namespace {

// More than any picture within the bounds above can take, colour table and all.
constexpr long long kLargestFile = 128LL * 1024 * 1024;

enum Compression : std::uint32_t { kPlain = 0, kRunLength8 = 1, kRunLength4 = 2, kBitFields = 3 };

class LittleEndian {
 public:
  explicit LittleEndian(std::string_view bytes) : bytes_(bytes) {}
  std::uint32_t u8(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  std::uint32_t u16(std::size_t at) const { return u8(at) | u8(at + 1) << 8; }
  std::uint32_t u32(std::size_t at) const { return u16(at) | u16(at + 2) << 16; }
  std::int32_t i16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }

 private:
  std::string_view bytes_;
};

std::string Bytes(unsigned long long n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

// Follows run-length data from `at` to its end: the end-of-bitmap mark, or the
// end of the last row. False if the file ends first.
bool RunLengthComplete(std::string_view bytes, std::size_t at, bool fourBits, long long rows, std::string& why) {
  const LittleEndian in(bytes);
  long long row = 0;
  const auto cut = [&] {
    why = "its run-length pixel data is cut short: the file ends at byte " + std::to_string(bytes.size()) +
          " before the end mark";
    return false;
  };
  for (;;) {
    if (at + 2 > bytes.size()) return cut();
    const std::uint32_t count = in.u8(at), code = in.u8(at + 1);
    at += 2;
    if (count != 0) continue;  // a run of one value
    if (code == 1) return true;  // end of bitmap
    if (code == 0) {             // end of a row
      if (++row >= rows) return true;
    } else if (code == 2) {  // a jump right and down
      if (at + 2 > bytes.size()) return cut();
      row += in.u8(at + 1);
      at += 2;
      if (row >= rows) return true;
    } else {  // `code` pixels as they are, padded to a whole 16-bit word
      std::size_t length = fourBits ? (code + 1) / 2 : code;
      length += length & 1;
      if (at + length > bytes.size()) return cut();
      at += length;
    }
  }
}

// The game's own pictures are plain 24-bit bitmaps: read straight into the
// bitmap's rows, without the toolkit's general reader. False for any other
// kind, which the toolkit reads. The file has passed CheckBitmapFile.
bool DecodePlain24(std::string_view bytes, Bitmap& out) {
  const LittleEndian in(bytes);
  const std::uint32_t header = in.u32(14);
  if (header < 40 || in.u16(28) != 24 || in.u32(30) != kPlain) return false;
  const int width = in.i32(18), height = in.i32(22);
  const int rows = height < 0 ? -height : height;
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
  const auto* pixels = reinterpret_cast<const unsigned char*>(bytes.data()) + in.u32(10);
  Bitmap decoded(width, rows);
  for (int y = 0; y < rows; ++y) {
    // Rows are stored bottom up unless the height is negative; each pixel blue, green, red.
    const unsigned char* from = pixels + rowBytes * static_cast<std::size_t>(height < 0 ? y : rows - 1 - y);
    std::uint32_t* to = decoded.scanLine(y);
    for (int x = 0; x < width; ++x, from += 3) to[x] = 0xFF000000u | from[2] << 16 | from[1] << 8 | from[0];
  }
  out = std::move(decoded);
  return true;
}

}  // namespace

bool CheckBitmapFile(std::string_view bytes, std::string& why) {
  const LittleEndian in(bytes);
  const std::size_t size = bytes.size();
  if (size < 2 || bytes.substr(0, 2) != "BM") {
    why = "it is not a BMP bitmap";
    return false;
  }
  if (size < 18) {
    why = "it ends inside its file header (" + Bytes(size) + ")";
    return false;
  }
  const std::uint32_t pixelsAt = in.u32(10);
  const std::uint32_t header = in.u32(14);
  if (header != 12 && header != 40 && header != 108 && header != 124) {
    why = "its bitmap header of " + Bytes(header) + " is of no kind the game reads";
    return false;
  }
  if (size < 14 + header) {
    why = "it ends inside its bitmap header (" + Bytes(size) + ")";
    return false;
  }
  long long width, height;
  std::uint32_t planes, bits, compression = kPlain, coloursUsed = 0;
  if (header == 12) {
    width = in.i16(18), height = in.i16(20), planes = in.u16(22), bits = in.u16(24);
  } else {
    width = in.i32(18), height = in.i32(22), planes = in.u16(26), bits = in.u16(28);
    compression = in.u32(30), coloursUsed = in.u32(46);
  }
  if (planes != 1 || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
    why = "it has " + std::to_string(planes) + " plane(s) of " + std::to_string(bits) +
          " bits a pixel, which is no bitmap the game reads";
    return false;
  }
  const bool runLength = compression == kRunLength8 || compression == kRunLength4;
  if (!(compression == kPlain || (compression == kRunLength8 && bits == 8) ||
        (compression == kRunLength4 && bits == 4) || (compression == kBitFields && (bits == 16 || bits == 32)))) {
    why = "its compression " + std::to_string(compression) + " with " + std::to_string(bits) +
          " bits a pixel is none the game reads";
    return false;
  }
  const long long rows = height < 0 ? -height : height;
  if (width <= 0 || rows == 0 || width > kLargestPictureSide || rows > kLargestPictureSide ||
      width * rows > kLargestPicturePixels) {
    why = "it is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, no size the game takes";
    return false;
  }
  if (runLength && height < 0) {
    why = "its run-length rows are stored top down, which a bitmap cannot be";
    return false;
  }
  unsigned long long tableEnd = 14ULL + header;
  if (header == 40 && compression == kBitFields) tableEnd += 12;  // the three colour masks
  if (bits <= 8) {
    const unsigned long long colours = coloursUsed != 0 ? coloursUsed : 1ULL << bits;
    if (colours > 256) {
      why = "it claims " + std::to_string(colours) + " colours for " + std::to_string(bits) + " bits a pixel";
      return false;
    }
    tableEnd += colours * (header == 12 ? 3 : 4);
  }
  if (tableEnd > size) {
    why = "it ends inside its colour table (" + Bytes(size) + ", the table reaches byte " + std::to_string(tableEnd) + ")";
    return false;
  }
  if (pixelsAt < tableEnd || pixelsAt >= size) {
    why = "its pixel data is said to start at byte " + std::to_string(pixelsAt) + ", but its headers end at byte " +
          std::to_string(tableEnd) + " and the file at byte " + std::to_string(size);
    return false;
  }
  if (runLength) return RunLengthComplete(bytes, pixelsAt, compression == kRunLength4, rows, why);
  const unsigned long long rowBytes = (static_cast<unsigned long long>(width) * bits + 31) / 32 * 4;
  const unsigned long long need = rowBytes * static_cast<unsigned long long>(rows);
  if (pixelsAt + need > size) {
    why = "it is cut short: its " + std::to_string(rows) + " rows need " + Bytes(need) + " from byte " +
          std::to_string(pixelsAt) + ", the file has " + Bytes(size - pixelsAt);
    return false;
  }
  return true;
}

bool DecodePicture(std::string_view bytes, const std::string& name, Bitmap& out, std::string& error) {
  std::string why;
  if (!CheckBitmapFile(bytes, why)) {
    error = name + ": " + why;
    return false;
  }
  if (DecodePlain24(bytes, out)) return true;
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  QImage image = reader.read();
  if (image.isNull()) {
    error = name + ": " + reader.errorString().toStdString();
    return false;
  }
  // RGB32 rows are 0xFFRRGGBB, the way a bitmap keeps its pixels: row by row as they are.
  image = image.convertToFormat(QImage::Format_RGB32);
  Bitmap loaded(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(loaded.scanLine(y), image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4);
  out = std::move(loaded);
  return true;
}

bool LoadPicture(const std::string& path, Bitmap& out, std::string& error) {
  std::string bytes, why;
  switch (ReadWholeFile(path, kLargestFile, bytes, why)) {
    case FileRead::Missing:
      error = path + ": no such file";
      return false;
    case FileRead::Failed:
      error = path + ": " + why;
      return false;
    case FileRead::Read:
      break;
  }
  return DecodePicture(bytes, path, out, error);
}

}  // namespace blivo
