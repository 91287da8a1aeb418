// The painted pictures obey what the board's two-pass drawing needs of them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "platform/embedded_assets.h"
#include "puzzle_fixture.h"
#include "puzzles/current_puzzle.h"
#include "puzzles/gripple.h"
#include "puzzles/gripple_sheet.h"
#include "puzzles/hexagon.h"
#include "puzzles/hexagon_sheet.h"
#include "puzzles/oktopus.h"
#include "puzzles/oktopus_sheet.h"
#include "puzzles/wedding.h"
#include "puzzles/wedding_sheet.h"

namespace blivo {
namespace {

using testing::GameFile;
using testing::LoadGamePicture;

// A mask and the sprites drawn through it.
struct SpriteRow {
  const char* file;
  Rect mask;
  std::vector<Rect> sprites;
};

std::vector<SpriteRow> Rows() {
  std::vector<SpriteRow> rows = {
      {"b1.bmp", gripple_sheet::kPieceMask, {}},
      {"b1.bmp", gripple_sheet::kSmallMask, {}},
  };
  for (int v = 1; v <= 4; ++v) {
    rows[0].sprites.push_back(gripple_sheet::Piece(v));
    rows[1].sprites.push_back(gripple_sheet::SmallPiece(v));
  }
  for (int f = 0; f < 3; ++f) rows.push_back({"b3.bmp", oktopus_sheet::PlateMask(f), {oktopus_sheet::Plate(f)}});
  for (int v = 1; v <= kWeddingVariantCount; ++v) {
    const wedding_sheet::BallRow balls = wedding_sheet::Balls(v);
    rows.push_back({"b4.bmp", balls.Mask(), {balls.Ball(1), balls.Ball(2), balls.Ball(3), balls.Ball(4)}});
  }
  return rows;
}

// Every part of a puzzle's sprite sheet, each of which must have a place of its own.
std::vector<Rect> SheetParts(int mode) {
  std::vector<Rect> parts;
  switch (mode) {
    case Gripple:
      for (int v = 1; v <= 4; ++v) parts.push_back(gripple_sheet::Piece(v));
      for (int v = 1; v <= 4; ++v) parts.push_back(gripple_sheet::SmallPiece(v));
      parts.push_back(gripple_sheet::kPieceMask);
      parts.push_back(gripple_sheet::kSmallMask);
      break;
    case Hexagon:
      for (int c = 1; c <= 6; ++c) parts.push_back(hexagon_sheet::Pill(c));
      for (int v = 2; v <= kHexagonVariantCount; ++v) parts.push_back(hexagon_sheet::Field(v));
      parts.push_back(hexagon_sheet::kDisc);
      parts.push_back(hexagon_sheet::kDiscMask);
      break;
    case Oktopus:
      for (int f = 0; f < 3; ++f) parts.push_back(oktopus_sheet::Plate(f));
      for (int f = 0; f < 3; ++f) parts.push_back(oktopus_sheet::PlateMask(f));
      for (int c = 0; c < 8; ++c) parts.push_back(oktopus_sheet::Button(c));
      break;
    case Wedding:
      for (int v = 1; v <= kWeddingVariantCount; ++v) {
        parts.push_back(wedding_sheet::Target(v));
        for (int c = 1; c <= 5; ++c) parts.push_back(wedding_sheet::Balls(v).Ball(c));
      }
      break;
  }
  return parts;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(SheetLayout, EveryPartLiesBesideTheBoardWithinThePictureAndApartFromTheOthers) {
  const Rect board{0, 0, kBoardWidth, kBoardHeight};
  for (int mode = 0; mode < 4; ++mode) {
    const std::vector<Rect> parts = SheetParts(mode);
    const PictureSize size = PuzzlePictureMinimum(mode);
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const Rect& a = parts[i];
      EXPECT_FALSE(Overlap(a, board)) << "mode " << mode << " part " << i;
      EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= size.width && a.y + a.h <= size.height)
          << "mode " << mode << " part " << i;
      for (std::size_t j = i + 1; j < parts.size(); ++j)
        EXPECT_FALSE(Overlap(a, parts[j])) << "mode " << mode << " parts " << i << " and " << j;
    }
  }
}

// The board's name stands under the tip with the rules: no piece at rest may cover it.
TEST(SheetLayout, NoPieceAtRestCoversTheNameOnTheBoard) {
  const auto clear = [](int mode, const Rect& piece) { return !Overlap(piece, PuzzleTitle(mode)); };
  const Rect board{0, 0, kBoardWidth, kBoardHeight};
  for (int mode = 0; mode < 4; ++mode) {
    const Rect title = PuzzleTitle(mode);
    EXPECT_TRUE(title.x >= 0 && title.y >= 0 && title.x + title.w <= board.w && title.y + title.h <= board.h);
  }
  for (int p = 1; p <= 5; ++p) EXPECT_TRUE(clear(Gripple, gripple_sheet::PlateSquare(GrippleRotorCentre(p))));
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(clear(Gripple, gripple_sheet::TargetPiece(c, r)));
  const Rect field = hexagon_sheet::Field(kHexagonVariantCount);
  EXPECT_TRUE(clear(Hexagon, {hexagon_sheet::kFieldCentre.x - field.w / 2, hexagon_sheet::kFieldCentre.y - field.h / 2,
                              field.w, field.h}));
  for (int i = 0; i < 9; ++i) {
    const BoardPoint corner = OktopusPlateCorner(i);
    EXPECT_TRUE(clear(Oktopus, {corner.x, corner.y, oktopus_sheet::kPlateSize, oktopus_sheet::kPlateSize}));
  }
  EXPECT_TRUE(clear(Wedding, wedding_sheet::kTargetSpot));
  for (int v = 1; v <= kWeddingVariantCount; ++v) {
    const WeddingVariantInfo& info = WeddingVariants(v);
    const int size = info.balls.size, half = info.balls.half();
    for (int r = 1; r <= 2; ++r)
      for (int j = 0; j < info.ballsPerRing; ++j) {
        const BoardPoint c = WeddingBallCentre(r, kWeddingFirstAngle + j * info.stepAngle);
        EXPECT_TRUE(clear(Wedding, {c.x - half, c.y - half, size, size})) << "variant " << v << " ring " << r;
      }
  }
}

TEST(Pictures, EachPuzzlePictureHoldsItsSpriteSheet) {
  for (int mode = 0; mode < 4; ++mode) {
    const Bitmap picture = LoadGamePicture(PuzzlePictureFile(mode));
    EXPECT_GE(picture.width(), PuzzlePictureMinimum(mode).width) << PuzzlePictureFile(mode);
    EXPECT_GE(picture.height(), PuzzlePictureMinimum(mode).height) << PuzzlePictureFile(mode);
  }
}

TEST(Pictures, MasksAreBlackAndWhiteAndSpritesBlackAroundTheirShape) {
  for (const SpriteRow& row : Rows()) {
    const Bitmap sheet = LoadGamePicture(row.file);
    int opaque = 0;
    for (int y = 0; y < row.mask.h; ++y)
      for (int x = 0; x < row.mask.w; ++x) {
        const Pixel m = sheet.pixel(row.mask.x + x, row.mask.y + y);
        ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << row.file << " mask at " << row.mask.x + x << "," << row.mask.y + y;
        opaque += m == 0;
        if (m != 0xFFFFFF) continue;
        for (const Rect& sprite : row.sprites)
          ASSERT_EQ(sheet.pixel(sprite.x + x, sprite.y + y), 0u) << row.file << " sprite at " << sprite.x << "," << sprite.y;
      }
    EXPECT_GT(opaque, row.mask.w * row.mask.h / 2) << row.file << ": the shape fills its square";
  }
}

TEST(Pictures, GripplePlatesAreBlackUnderThePieces) {
  const Bitmap b1 = LoadGamePicture("b1.bmp");
  for (int p = 1; p <= 5; ++p) {
    const BoardPoint c = GrippleRotorCentre(p);
    int black = 0;
    for (int y = c.y - 55; y < c.y + 55; ++y)
      for (int x = c.x - 55; x < c.x + 55; ++x) black += b1.pixel(x, y) == 0;
    EXPECT_GT(black, 110 * 110 * 9 / 10) << "plate " << p;
  }
}

TEST(Pictures, HexagonDiscMaskShowsTheDiscAndHidesItsCorners) {
  const Bitmap b2 = LoadGamePicture("b2.bmp");
  const Rect mask = hexagon_sheet::kDiscMask;
  for (int y = 0; y < mask.h; ++y)
    for (int x = 0; x < mask.w; ++x) {
      const Pixel m = b2.pixel(mask.x + x, mask.y + y);
      ASSERT_TRUE(m == 0 || m == 0xFFFFFF);
    }
  EXPECT_EQ(b2.pixel(mask.x + mask.w / 2, mask.y + mask.h / 2), 0xFFFFFFu);
  EXPECT_EQ(b2.pixel(mask.x, mask.y), 0u);
  EXPECT_EQ(b2.pixel(mask.x + mask.w - 1, mask.y + mask.h - 1), 0u);
}

TEST(Pictures, WeddingHasADifferentTargetForEachVariant) {
  const Bitmap b4 = LoadGamePicture("b4.bmp");
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) {
      int differing = 0;
      const Rect first = wedding_sheet::Target(a + 1), second = wedding_sheet::Target(b + 1);
      for (int y = 0; y < first.h; ++y)
        for (int x = 0; x < first.w; ++x)
          differing += b4.pixel(first.x + x, first.y + y) != b4.pixel(second.x + x, second.y + y);
      EXPECT_GT(differing, 50) << a + 1 << " and " << b + 1;
    }
}

TEST(Pictures, TheWindowsOwnPicturesAreBuiltIn) {
  const QImage dialog = EmbeddedPicture("dialog");
  EXPECT_EQ(dialog.size(), QSize(320, 200));
  EXPECT_EQ(EmbeddedPicture("digits").size(), QSize(121, 20));
  EXPECT_EQ(EmbeddedPicture("splash").size(), QSize(200, 150));
  EXPECT_EQ(EmbeddedPicture("toolbar").size(), QSize(500, 33));
  EXPECT_FALSE(GameIconPixmap(32, 1).isNull());
}

// A glyph painted at twice the scale is the same drawing, only finer: shrunk
// back to its own size it matches the plain painting closely.
TEST(Pictures, EveryGlyphIsPaintedForEachScale) {
  for (const char* glyph : {"mix", "option", "pause", "sound", "music", "highscore", "exit", "gripple", "hexagon",
                            "oktopus", "wedding", "tongue", "help", "info", "blivo", "door", "smile", "cross", "tick",
                            "lips", "flags-english", "flags-german", "logo"}) {
    const QSize base = GlyphSize(glyph);
    ASSERT_FALSE(base.isEmpty()) << glyph;
    const QImage plain = GlyphPixmap(glyph, 1).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int scale : {2, 3, 4}) {
      const QImage fine = GlyphPixmap(glyph, scale).toImage();
      EXPECT_EQ(fine.size(), base * scale) << glyph << " at " << scale;
      const QImage back = fine.scaled(base, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
      long difference = 0;
      for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x) {
          const QRgb a = plain.pixel(x, y), b = back.pixel(x, y);
          difference += std::abs(qAlpha(a) - qAlpha(b)) + std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b));
        }
      EXPECT_LT(difference / (base.width() * base.height()), 40) << glyph << " at " << scale << " is another drawing";
    }
  }
}

// A glyph in the program's own layout: header, then little-endian pixels.
QByteArray GlyphBytes(quint32 width, quint32 height, quint32 reserved, const std::vector<quint32>& pixels) {
  QByteArray bytes("BGLY", 4);
  for (quint32 v : {width, height, reserved})
    for (int i = 0; i < 4; ++i) bytes.append(char(v >> 8 * i & 0xFF));
  for (quint32 v : pixels)
    for (int i = 0; i < 4; ++i) bytes.append(char(v >> 8 * i & 0xFF));
  return bytes;
}

TEST(Pictures, AGlyphIsReadPixelForPixelAndAnythingElseIsTurnedAway) {
  const std::vector<quint32> pixels = {0xFF102030, 0x80402010, 0x00000000, 0xFFFFFFFF, 0x7F7F0000, 0x01010101};
  const QImage glyph = DecodeGlyph(GlyphBytes(3, 2, 0, pixels));
  ASSERT_EQ(glyph.size(), QSize(3, 2));
  EXPECT_EQ(glyph.format(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(reinterpret_cast<const QRgb*>(glyph.constScanLine(y))[x], pixels[y * 3 + x]) << x << "," << y;

  const QByteArray good = GlyphBytes(3, 2, 0, pixels);
  const struct {
    const char* what;
    QByteArray bytes;
  } bad[] = {
      {"nothing", QByteArray()},
      {"only the header", good.left(16)},
      {"one byte short", good.chopped(1)},
      {"one byte more", good + '\0'},
      {"another kind", "PNGX" + good.mid(4)},
      {"no width", GlyphBytes(0, 2, 0, {})},
      {"no height", GlyphBytes(3, 0, 0, {})},
      {"a side larger than any glyph", GlyphBytes(70000, 1, 0, std::vector<quint32>(70000))},
      {"a size whose pixels overflow", GlyphBytes(0xFFFFFFFF, 0xFFFFFFFF, 0, pixels)},
      {"a reserved word set", GlyphBytes(3, 2, 1, pixels)},
  };
  for (const auto& c : bad) EXPECT_TRUE(DecodeGlyph(c.bytes).isNull()) << c.what;
}

std::vector<unsigned char> ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

unsigned Little(const std::vector<unsigned char>& b, std::size_t at, int size) {
  unsigned v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

TEST(Sounds, FiveEightBitMonoWavesOfTheirRatesAndLengths) {
  struct Case {
    const char* name;
    unsigned rate;
    double seconds;
  } cases[] = {{"solved", 22050, 2.3}, {"hexagon", 22050, 0.6}, {"oktopus", 11025, 0.5},
               {"gripple", 11025, 0.4}, {"wedding", 11025, 0.3}};
  for (const Case& c : cases) {
    const QByteArray bytes = EmbeddedSound(c.name);
    const std::vector<unsigned char> wave(bytes.begin(), bytes.end());
    ASSERT_GT(wave.size(), 44u) << c.name;
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(Little(wave, 20, 2), 1u) << "PCM";
    EXPECT_EQ(Little(wave, 22, 2), 1u) << "mono";
    EXPECT_EQ(Little(wave, 24, 4), c.rate);
    EXPECT_EQ(Little(wave, 34, 2), 8u);
    const unsigned samples = Little(wave, 40, 4);
    EXPECT_EQ(samples + 44, wave.size());
    EXPECT_NEAR(samples / static_cast<double>(c.rate), c.seconds, 0.01) << c.name;
    int loud = 0;
    for (std::size_t i = 44; i < wave.size(); ++i) loud += std::abs(wave[i] - 128) > 20;
    EXPECT_GT(loud, 100) << c.name << " is heard";
  }
}

TEST(Music, TunesAreMidiFilesWithNotes) {
  for (const char* name : {"turnix1.mid", "turnix2.mid", "turnix3.mid"}) {
    const auto midi = ReadAll(GameFile(name));
    ASSERT_GT(midi.size(), 22u) << name;
    EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
    EXPECT_EQ(std::string(midi.begin() + 14, midi.begin() + 18), "MTrk");
    const unsigned length = midi[18] << 24 | midi[19] << 16 | midi[20] << 8 | midi[21];
    EXPECT_EQ(length + 22, midi.size());
    int noteOns = 0;
    for (std::size_t i = 22; i + 2 < midi.size(); ++i) noteOns += (midi[i] & 0xF0) == 0x90 && midi[i + 2] > 0;
    EXPECT_GT(noteOns, 200) << name;
    EXPECT_EQ(midi[midi.size() - 3], 0xFF);
    EXPECT_EQ(midi[midi.size() - 2], 0x2F);
  }
}

}  // namespace
}  // namespace blivo
