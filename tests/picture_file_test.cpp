// Picture files: the game's own, and cut, broken or odd ones that must be
// turned away whole, with the cause named.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/picture_ahead.h"
#include "platform/picture_file.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

using testing::GameFile;

void Put16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// A BMP file put together field by field.
struct BmpFile {
  std::uint32_t header = 40;
  std::int32_t width = 2, height = 2;
  std::uint32_t planes = 1, bits = 24, compression = 0, coloursUsed = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  std::string masks;                   // after a 40-byte header
  std::string pixels;
  long long pixelsAt = -1;  // -1: right after the colour table

  std::string Bytes() const {
    std::string info;
    Put32(info, header);
    if (header == 12) {
      Put16(info, static_cast<std::uint32_t>(width)), Put16(info, static_cast<std::uint32_t>(height));
      Put16(info, planes), Put16(info, bits);
    } else {
      Put32(info, static_cast<std::uint32_t>(width)), Put32(info, static_cast<std::uint32_t>(height));
      Put16(info, planes), Put16(info, bits);
      Put32(info, compression), Put32(info, static_cast<std::uint32_t>(pixels.size()));
      Put32(info, 2835), Put32(info, 2835), Put32(info, coloursUsed), Put32(info, 0);
      info.resize(header, '\0');
    }
    info += masks;
    for (const std::uint32_t c : palette) {
      info += static_cast<char>(c & 0xFF), info += static_cast<char>((c >> 8) & 0xFF);
      info += static_cast<char>((c >> 16) & 0xFF);
      if (header != 12) info += '\0';
    }
    const std::uint32_t at = pixelsAt >= 0 ? static_cast<std::uint32_t>(pixelsAt) : 14 + info.size();
    std::string out = "BM";
    Put32(out, 14 + info.size() + pixels.size());
    Put32(out, 0);
    Put32(out, at);
    out += info;
    if (out.size() < at) out.resize(at, '\0');
    return out + pixels;
  }
};

// 2 x 2, 24 bits: rows bottom up, each padded to four bytes.
BmpFile Plain24() {
  BmpFile b;
  b.pixels = std::string("\x00\x00\xFF" "\x00\xFF\x00" "\0\0", 8) + std::string("\xFF\x00\x00" "\xFF\xFF\xFF" "\0\0", 8);
  return b;
}

std::string ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
  return f.readAll().toStdString();
}

TEST(PictureFiles, TheGamesOwnPicturesLoad) {
  for (const char* name : {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"}) {
    Bitmap picture;
    std::string error;
    EXPECT_TRUE(LoadPicture(GameFile(name), picture, error)) << error;
    EXPECT_FALSE(picture.empty()) << name;
  }
}

// The game's own pictures take the short way, straight into the bitmap's rows:
// pixel for pixel what the toolkit's general reader makes of them.
TEST(PictureFiles, PlainBitmapsReadStraightMatchTheToolkitsReading) {
  for (const char* name : {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"}) {
    Bitmap picture;
    std::string error;
    ASSERT_TRUE(LoadPicture(GameFile(name), picture, error)) << error;
    const QImage toolkit = QImage(QString::fromStdString(GameFile(name))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(QSize(picture.width(), picture.height()), toolkit.size()) << name;
    int differing = 0;
    for (int y = 0; y < toolkit.height(); ++y)
      for (int x = 0; x < toolkit.width(); ++x) differing += picture.pixel(x, y) != (toolkit.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differing, 0) << name;
  }
}

TEST(PictureFiles, APictureCutShortIsTurnedAwayWithTheCause) {
  const std::string whole = ReadAll(GameFile("b1.bmp"));
  Bitmap picture(3, 3, 0x123456);
  std::string error;
  for (const std::size_t keep : {whole.size() / 2, whole.size() - 1, std::size_t(60), std::size_t(20), std::size_t(1)}) {
    EXPECT_FALSE(DecodePicture(std::string_view(whole).substr(0, keep), "b1.bmp", picture, error)) << keep;
    EXPECT_EQ(error.rfind("b1.bmp: ", 0), 0u) << error;
  }
  EXPECT_NE(error.find("not a BMP"), std::string::npos) << error;
  ASSERT_FALSE(DecodePicture(std::string_view(whole).substr(0, whole.size() / 2), "b1.bmp", picture, error));
  EXPECT_NE(error.find("cut short"), std::string::npos) << error;
  EXPECT_EQ(picture.width(), 3) << "a picture that fails leaves the bitmap as it was";
  EXPECT_EQ(picture.pixel(1, 1), 0x123456u);
  EXPECT_TRUE(DecodePicture(whole + "trailing bytes", "b1.bmp", picture, error)) << error;
}

TEST(PictureFiles, PlainBitmapsOfEveryDepthDecodeToTheirColours) {
  BmpFile mono;
  mono.bits = 1, mono.palette = {0x000000, 0xFFFFFF};
  mono.pixels = std::string("\x40\0\0\0" "\x80\0\0\0", 8);  // bottom row: 0 1, top row: 1 0
  BmpFile four;
  four.bits = 4, four.palette = {0, 0xFF0000, 0x00FF00, 0x0000FF}, four.coloursUsed = 4;
  four.pixels = std::string("\x12\0\0\0" "\x30\0\0\0", 8);
  BmpFile eight;
  eight.bits = 8, eight.palette = {0, 0xFF0000, 0x00FF00, 0x0000FF}, eight.coloursUsed = 4;
  eight.pixels = std::string("\x01\x02\0\0" "\x03\x00\0\0", 8);
  BmpFile fields;
  fields.bits = 32, fields.compression = 3;
  Put32(fields.masks, 0x00FF0000), Put32(fields.masks, 0x0000FF00), Put32(fields.masks, 0x000000FF);
  fields.pixels = std::string("\x00\x00\xFF\x00" "\x00\xFF\x00\x00" "\xFF\x00\x00\x00" "\xFF\xFF\xFF\x00", 16);
  BmpFile core = Plain24();
  core.header = 12;
  BmpFile topDown = Plain24();
  topDown.height = -2;  // the same rows, stored top down
  const struct {
    const char* what;
    BmpFile file;
    Pixel topLeft, topRight, bottomLeft, bottomRight;
  } cases[] = {
      {"1 bit", mono, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF},
      {"4 bits", four, 0x0000FF, 0x000000, 0xFF0000, 0x00FF00},
      {"8 bits", eight, 0x0000FF, 0x000000, 0xFF0000, 0x00FF00},
      {"32 bits in bit fields", fields, 0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00},
      {"24 bits", Plain24(), 0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00},
      {"24 bits, the oldest header", core, 0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00},
      {"24 bits top down", topDown, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    Bitmap picture;
    std::string error;
    ASSERT_TRUE(DecodePicture(c.file.Bytes(), c.what, picture, error)) << error;
    EXPECT_EQ(picture.pixel(0, 0), c.topLeft) << c.what;
    EXPECT_EQ(picture.pixel(1, 0), c.topRight) << c.what;
    EXPECT_EQ(picture.pixel(0, 1), c.bottomLeft) << c.what;
    EXPECT_EQ(picture.pixel(1, 1), c.bottomRight) << c.what;
  }
}

TEST(PictureFiles, RunLengthDataMustReachItsEndInsideTheFile) {
  BmpFile rle;
  rle.width = 4, rle.height = 2, rle.bits = 8, rle.compression = 1, rle.coloursUsed = 4;
  rle.palette = {0, 0xFF0000, 0x00FF00, 0x0000FF};
  // Bottom row: four times colour 1; top row: 2 3 2 3 as they are; end of bitmap.
  const std::string bottom("\x04\x01\x00\x00", 4), top("\x00\x04\x02\x03\x02\x03", 6);
  const std::string end("\x00\x01", 2), endOfRow("\x00\x00", 2);
  const struct {
    const char* what;
    std::string stream;
    bool whole;
  } cases[] = {
      {"ended by its mark", bottom + top + end, true},
      {"ended with its last row", bottom + top + endOfRow, true},
      {"a jump past the last row", bottom + std::string("\x00\x02\x00\x05", 4), true},
      {"without its end", bottom + top, false},
      {"cut inside a run as it is", bottom + top.substr(0, 4), false},
      {"cut inside a jump", bottom + std::string("\x00\x02\x01", 3), false},
      {"only half a pair", std::string("\x04", 1), false},
  };
  for (const auto& c : cases) {
    rle.pixels = c.stream;
    Bitmap picture;
    std::string error;
    EXPECT_EQ(DecodePicture(rle.Bytes(), "rle", picture, error), c.whole) << c.what << ": " << error;
    if (!c.whole) {
      EXPECT_NE(error.find("run-length pixel data is cut short"), std::string::npos) << error;
    }
  }
  rle.pixels = bottom + top + end;
  Bitmap picture;
  std::string error;
  ASSERT_TRUE(DecodePicture(rle.Bytes(), "rle", picture, error)) << error;
  EXPECT_EQ(picture.pixel(0, 1), 0xFF0000u);
  EXPECT_EQ(picture.pixel(3, 1), 0xFF0000u);
  EXPECT_EQ(picture.pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(picture.pixel(1, 0), 0x0000FFu);

  BmpFile four = rle;
  four.bits = 4, four.compression = 2;
  four.pixels = std::string("\x04\x12\x00\x00" "\x00\x04\x31\x23" "\x00\x01", 10);
  ASSERT_TRUE(DecodePicture(four.Bytes(), "rle4", picture, error)) << error;
  EXPECT_EQ(picture.pixel(0, 1), 0xFF0000u);
  EXPECT_EQ(picture.pixel(1, 1), 0x00FF00u);
  EXPECT_EQ(picture.pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(picture.pixel(3, 0), 0x0000FFu);
  four.pixels.resize(7);
  EXPECT_FALSE(DecodePicture(four.Bytes(), "rle4", picture, error));
}

TEST(PictureFiles, BrokenHeadersAreTurnedAwayWithWhatIsWrong) {
  const auto with = [](auto change) {
    BmpFile b = Plain24();
    change(b);
    return b.Bytes();
  };
  const struct {
    const char* what;
    std::string bytes;
    const char* cause;
  } cases[] = {
      {"a PNG", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(100, '\0'), "not a BMP"},
      {"an empty file", "", "not a BMP"},
      {"a header of 52 bytes", with([](BmpFile& b) { b.header = 52; }), "no kind the game reads"},
      {"two planes", with([](BmpFile& b) { b.planes = 2; }), "plane(s)"},
      {"7 bits a pixel", with([](BmpFile& b) { b.bits = 7; }), "bits a pixel"},
      {"run-length with 24 bits", with([](BmpFile& b) { b.compression = 1; }), "compression"},
      {"JPEG inside", with([](BmpFile& b) { b.compression = 4; }), "compression"},
      {"no width", with([](BmpFile& b) { b.width = 0; }), "no size"},
      {"no height", with([](BmpFile& b) { b.height = 0; }), "no size"},
      {"a negative width", with([](BmpFile& b) { b.width = -2; }), "no size"},
      {"the smallest height there is", with([](BmpFile& b) { b.height = INT32_MIN; }), "no size"},
      {"huge", with([](BmpFile& b) { b.width = 100000, b.height = 100000; }), "no size"},
      {"run-length top down",
       with([](BmpFile& b) { b.bits = 8, b.compression = 1, b.height = -2, b.palette = {0}, b.coloursUsed = 1; }),
       "top down"},
      {"a thousand colours", with([](BmpFile& b) { b.bits = 8, b.coloursUsed = 1000; }), "colours"},
      {"the colour table cut", with([](BmpFile& b) { b.bits = 8, b.pixels.clear(); }).substr(0, 100), "colour table"},
      {"pixels said to start in the header", with([](BmpFile& b) { b.pixelsAt = 20; }), "said to start"},
      {"pixels said to start past the end", with([](BmpFile& b) { b.pixelsAt = 5000; }).substr(0, 70), "said to start"},
      {"a row short", with([](BmpFile& b) { b.pixels.resize(8); }), "cut short"},
  };
  for (const auto& c : cases) {
    Bitmap picture;
    std::string error;
    EXPECT_FALSE(DecodePicture(c.bytes, "p.bmp", picture, error)) << c.what;
    EXPECT_NE(error.find(c.cause), std::string::npos) << c.what << ": " << error;
  }
}

TEST(PictureFiles, WhatIsNoPlainFileIsTurnedAwayWithoutWaiting) {
  QTemporaryDir dir;
  const std::string fifo = dir.filePath("b1.bmp").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("b2.bmp"));
  Bitmap picture;
  std::string error;
  EXPECT_FALSE(LoadPicture(fifo, picture, error));
  EXPECT_EQ(error, fifo + ": it is not a plain file");
  EXPECT_FALSE(LoadPicture(dir.filePath("b2.bmp").toStdString(), picture, error));
  EXPECT_FALSE(LoadPicture(dir.filePath("b3.bmp").toStdString(), picture, error));
  EXPECT_EQ(error, dir.filePath("b3.bmp").toStdString() + ": no such file");
}

// The board's picture read ahead on a thread is the picture read at once; one
// asked for under another name is read then, and a failure keeps its cause.
TEST(PictureFiles, APictureReadAheadIsThePictureAskedFor) {
  Bitmap direct, other;
  std::string error;
  ASSERT_TRUE(LoadPicture(GameFile("b1.bmp"), direct, error)) << error;
  ASSERT_TRUE(LoadPicture(GameFile("b2.bmp"), other, error)) << error;
  const auto same = [](const Bitmap& a, const Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
      if (!std::equal(a.scanLine(y), a.scanLine(y) + a.width(), b.scanLine(y))) return false;
    return true;
  };

  PictureAhead ahead;
  ahead.Start(GameFile("b1.bmp"));
  Bitmap taken;
  EXPECT_TRUE(ahead.Take(GameFile("b1.bmp"), taken, error)) << error;
  EXPECT_TRUE(same(taken, direct));

  ahead.Start(GameFile("b1.bmp"));
  EXPECT_TRUE(ahead.Take(GameFile("b2.bmp"), taken, error)) << error;
  EXPECT_TRUE(same(taken, other));
  // Nothing started: read on the spot.
  EXPECT_TRUE(ahead.Take(GameFile("b1.bmp"), taken, error)) << error;
  EXPECT_TRUE(same(taken, direct));

  QTemporaryDir dir;
  const std::string missing = dir.filePath("b3.bmp").toStdString();
  ahead.Start(missing);
  EXPECT_FALSE(ahead.Take(missing, taken, error));
  EXPECT_EQ(error, missing + ": no such file");
  EXPECT_TRUE(same(taken, direct)) << "a failed reading leaves the picture as it was";

  // A reading never taken is waited for when the reader goes.
  PictureAhead().Start(GameFile("b4.bmp"));
}

}  // namespace
}  // namespace blivo
