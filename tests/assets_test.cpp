// The painted pictures obey what the board's two-pass drawing needs of them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "platform/embedded_assets.h"
#include "puzzle_fixture.h"
#include "puzzles/current_puzzle.h"

namespace blivo {
namespace {

using testing::GameFile;
using testing::LoadGamePicture;

struct SpriteRow {
  const char* file;
  int maskX, maskY, size;
  std::vector<std::pair<int, int>> sprites;
};

const std::vector<SpriteRow>& Rows() {
  static const std::vector<SpriteRow> rows = {
      {"b1.bmp", 200, 333, 50, {{0, 333}, {50, 333}, {100, 333}, {150, 333}}},
      {"b1.bmp", 370, 333, 30, {{250, 333}, {280, 333}, {310, 333}, {340, 333}}},
      {"b3.bmp", 600, 0, 100, {{500, 0}}},
      {"b3.bmp", 600, 100, 100, {{500, 100}}},
      {"b3.bmp", 600, 200, 100, {{500, 200}}},
      {"b4.bmp", 200, 333, 50, {{0, 333}, {50, 333}, {100, 333}, {150, 333}}},
      {"b4.bmp", 402, 333, 38, {{250, 333}, {288, 333}, {326, 333}, {364, 333}}},
      {"b4.bmp", 370, 371, 30, {{250, 371}, {280, 371}, {310, 371}, {340, 371}}},
      {"b4.bmp", 104, 383, 26, {{0, 383}, {26, 383}, {52, 383}, {78, 383}}},
  };
  return rows;
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
    for (int y = 0; y < row.size; ++y)
      for (int x = 0; x < row.size; ++x) {
        const Pixel m = sheet.pixel(row.maskX + x, row.maskY + y);
        ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << row.file << " mask at " << row.maskX + x << "," << row.maskY + y;
        opaque += m == 0;
        if (m != 0xFFFFFF) continue;
        for (const auto& [sx, sy] : row.sprites)
          ASSERT_EQ(sheet.pixel(sx + x, sy + y), 0u) << row.file << " sprite at " << sx << "," << sy;
      }
    EXPECT_GT(opaque, row.size * row.size / 2) << row.file << ": the shape fills its square";
  }
}

TEST(Pictures, GripplePlatesAreBlackUnderThePieces) {
  const Bitmap b1 = LoadGamePicture("b1.bmp");
  const int centres[5][2] = {{105, 105}, {225, 105}, {165, 165}, {105, 225}, {225, 225}};
  for (const auto& c : centres) {
    int black = 0;
    for (int y = c[1] - 55; y < c[1] + 55; ++y)
      for (int x = c[0] - 55; x < c[0] + 55; ++x) black += b1.pixel(x, y) == 0;
    EXPECT_GT(black, 110 * 110 * 9 / 10) << "plate at " << c[0] << "," << c[1];
  }
}

TEST(Pictures, HexagonDiscMaskShowsTheDiscAndHidesItsCorners) {
  const Bitmap b2 = LoadGamePicture("b2.bmp");
  for (int y = 0; y < 62; ++y)
    for (int x = 0; x < 62; ++x) {
      const Pixel m = b2.pixel(304 + x, 531 + y);
      ASSERT_TRUE(m == 0 || m == 0xFFFFFF);
    }
  EXPECT_EQ(b2.pixel(304 + 31, 531 + 31), 0xFFFFFFu);
  EXPECT_EQ(b2.pixel(304, 531), 0u);
  EXPECT_EQ(b2.pixel(304 + 61, 531 + 61), 0u);
}

TEST(Pictures, WeddingHasADifferentTargetForEachVariant) {
  const Bitmap b4 = LoadGamePicture("b4.bmp");
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) {
      int differing = 0;
      for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 72; ++x) differing += b4.pixel(500 + x, 45 * a + y) != b4.pixel(500 + x, 45 * b + y);
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
