// Paints every picture the game reads and writes it into the game's folder.
// Usage: make_assets FOLDER
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "assets/pictures.h"
#include "assets/sounds.h"

namespace {

bool Save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "make_assets: cannot write %s\n", path.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a GUI application, but nothing is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_assets FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath("glyphs") || !folder.mkpath("sounds")) {
    std::fprintf(stderr, "make_assets: cannot create %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  ok &= Save(assets::PaintGripplePicture(), folder.filePath("b1.bmp"));
  ok &= Save(assets::PaintHexagonPicture(), folder.filePath("b2.bmp"));
  ok &= Save(assets::PaintOktopusPicture(), folder.filePath("b3.bmp"));
  ok &= Save(assets::PaintWeddingPicture(), folder.filePath("b4.bmp"));
  ok &= Save(assets::PaintDigitStrip(), folder.filePath("digits.bmp"));
  ok &= Save(assets::PaintDialogPicture(), folder.filePath("dialog.bmp"));
  ok &= Save(assets::PaintToolBar(), folder.filePath("glyphs/toolbar.png"));
  ok &= Save(assets::PaintIcon(64), folder.filePath("glyphs/icon.png"));
  for (const auto& [name, glyph] : assets::PaintGlyphs()) ok &= Save(glyph, folder.filePath("glyphs/" + name + ".png"));
  for (const auto& [name, glyph] : assets::PaintDialogGlyphs())
    ok &= Save(glyph, folder.filePath("glyphs/" + name + ".png"));
  ok &= Save(assets::PaintSplash(), folder.filePath("splash.png"));
  ok &= Save(assets::PaintMakerLogo(), folder.filePath("glyphs/logo.png"));
  const std::pair<const char*, assets::Wave> sounds[] = {
      {"solved", assets::SolvedSound()},   {"hexagon", assets::HexagonMoveSound()},
      {"oktopus", assets::OktopusMoveSound()}, {"gripple", assets::GrippleMoveSound()},
      {"wedding", assets::WeddingMoveSound()}};
  for (const auto& [name, wave] : sounds) {
    const QString path = folder.filePath(QString("sounds/") + name + ".wav");
    if (!assets::WriteWaveFile(path.toStdString(), wave)) {
      std::fprintf(stderr, "make_assets: cannot write %s\n", path.toLocal8Bit().constData());
      ok = false;
    }
  }
  for (const assets::Tune& tune : assets::Tunes()) {
    QFile file(folder.filePath(QString::fromStdString(tune.name) + ".mid"));
    ok &= file.open(QIODevice::WriteOnly) &&
          file.write(reinterpret_cast<const char*>(tune.midi.data()), static_cast<qint64>(tune.midi.size())) ==
              static_cast<qint64>(tune.midi.size());
  }
  return ok ? 0 : 1;
}
