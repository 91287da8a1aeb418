// Paints every picture and makes every sound and tune of the game.
// Usage: make_assets GAME_FOLDER EMBED_FOLDER DESKTOP_FOLDER
// GAME_FOLDER gets what lies beside the program (the board pictures and the
// tunes); EMBED_FOLDER gets what is built into it, with embedded.qrc listing it;
// DESKTOP_FOLDER what only the desktop shows (the scalable icon).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "assets/pictures.h"
#include "assets/sounds.h"

namespace {

// The device scales the glyphs are painted for; others are made from the next larger.
constexpr int kGlyphScales[] = {1, 2, 3, 4};
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

class Output {
 public:
  explicit Output(const QDir& folder) : folder_(folder) {}

  bool Image(const QImage& image, const QString& name) {
    if (!Prepare(name) || !image.save(folder_.filePath(name))) return Fail(name);
    files_ << name;
    return true;
  }

  // A file beside the others that the program does not carry (the help's copies of the glyphs).
  bool UnlistedImage(const QImage& image, const QString& name) {
    return (Prepare(name) && image.save(folder_.filePath(name))) || Fail(name);
  }

  bool Bytes(const QByteArray& bytes, const QString& name) {
    QFile file(folder_.filePath(name));
    if (!Prepare(name) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return Fail(name);
    files_ << name;
    return true;
  }

  // A resource collection of everything written, for Qt's resource compiler.
  bool ResourceList() {
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& f : files_) qrc += "  <file>" + f.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    QFile file(folder_.filePath("embedded.qrc"));
    return (file.open(QIODevice::WriteOnly) && file.write(qrc) == qrc.size()) || Fail("embedded.qrc");
  }

 private:
  bool Prepare(const QString& name) { return folder_.mkpath(QFileInfo(name).path()); }
  bool Fail(const QString& name) {
    std::fprintf(stderr, "make_assets: cannot write %s\n", folder_.filePath(name).toLocal8Bit().constData());
    return false;
  }

  QDir folder_;
  QStringList files_;
};

QString ScaledName(const QString& name, int scale, const char* suffix) {
  return scale == 1 ? name + suffix : QString("%1@%2x%3").arg(name).arg(scale).arg(suffix);
}

// A glyph as the program shows it: its premultiplied pixels as they are, so
// that nothing is decoded at start (platform/embedded_assets.h has the layout).
QByteArray GlyphPixels(const QImage& glyph) {
  const QImage image = glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QByteArray bytes("BGLY", 4);
  auto word = [&bytes](quint32 v) {
    for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>(v >> (8 * i) & 0xFF));
  };
  word(static_cast<quint32>(image.width()));
  word(static_cast<quint32>(image.height()));
  word(0);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) word(line[x]);
  }
  return bytes;
}

QByteArray WaveBytes(const assets::Wave& wave) {
  QByteArray bytes;
  assets::WriteWave(wave, bytes);
  return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a GUI application, but nothing is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_assets GAME_FOLDER EMBED_FOLDER DESKTOP_FOLDER\n");
    return 2;
  }
  Output game(QDir(QString::fromLocal8Bit(argv[1])));
  Output embedded(QDir(QString::fromLocal8Bit(argv[2])));
  Output desktop(QDir(QString::fromLocal8Bit(argv[3])));
  bool ok = true;

  ok &= game.Image(assets::PaintGripplePicture(), "b1.bmp");
  ok &= game.Image(assets::PaintHexagonPicture(), "b2.bmp");
  ok &= game.Image(assets::PaintOktopusPicture(), "b3.bmp");
  ok &= game.Image(assets::PaintWeddingPicture(), "b4.bmp");
  for (const assets::Tune& tune : assets::Tunes())
    ok &= game.Bytes(QByteArray(reinterpret_cast<const char*>(tune.midi.data()), static_cast<qsizetype>(tune.midi.size())),
                     QString::fromStdString(tune.name) + ".mid");

  // Plain bitmaps: the program reads them without decompressing anything.
  ok &= embedded.Image(assets::PaintDigitStrip(), "pictures/digits.bmp");
  ok &= embedded.Image(assets::PaintDialogPicture(), "pictures/dialog.bmp");
  ok &= embedded.Image(assets::PaintToolBar(), "pictures/toolbar.bmp");
  ok &= embedded.Image(assets::PaintSplash(), "pictures/splash.bmp");
  for (int size : kIconSizes) ok &= embedded.Image(assets::PaintIcon(size), QString("icons/icon-%1.png").arg(size));
  for (int scale : kGlyphScales) {
    auto glyphs = assets::PaintGlyphs(scale);
    glyphs.merge(assets::PaintDialogGlyphs(scale));
    for (const auto& [name, glyph] : glyphs) {
      ok &= embedded.Bytes(GlyphPixels(glyph), "glyphs/" + ScaledName(name, scale, ".glyph"));
      ok &= embedded.UnlistedImage(glyph, "glyphs/" + ScaledName(name, scale, ".png"));
    }
  }
  const std::pair<const char*, assets::Wave> sounds[] = {
      {"solved", assets::SolvedSound()},   {"hexagon", assets::HexagonMoveSound()},
      {"oktopus", assets::OktopusMoveSound()}, {"gripple", assets::GrippleMoveSound()},
      {"wedding", assets::WeddingMoveSound()}};
  for (const auto& [name, wave] : sounds) ok &= embedded.Bytes(WaveBytes(wave), QString("sounds/") + name + ".wav");
  ok &= embedded.ResourceList();
  const QByteArray svg = assets::IconSvg();
  ok &= !svg.isEmpty() && desktop.Bytes(svg, "icon.svg");
  return ok ? 0 : 1;
}
