#include "platform/picture_file.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace blivo {

bool LoadPicture(const std::string& path, Bitmap& out, std::string& error) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo::exists(file)) {
    error = path + ": no such file";
    return false;
  }
  QImageReader reader(file);
  QImage image = reader.read();
  if (image.isNull()) {
    error = path + ": " + reader.errorString().toStdString();
    return false;
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  Bitmap loaded(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) loaded.setPixel(x, y, line[x] & 0xFFFFFF);
  }
  out = std::move(loaded);
  return true;
}

}  // namespace blivo
