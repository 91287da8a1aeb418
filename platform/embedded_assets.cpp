#include "platform/embedded_assets.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "platform/picture_file.h"
#include "platform/report.h"

namespace blivo {

namespace {

constexpr int kLargestGlyphScale = 4;
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage Resource(const QString& path) {
  QImage image(path, "png");
  if (image.isNull()) ReportProblem(path.toStdString() + ": the program lacks this picture");
  return image;
}

constexpr qsizetype kGlyphHeaderSize = 16;
constexpr quint32 kLargestGlyphSide = 1024;

QString GlyphPath(const QString& name, int scale) {
  return scale == 1 ? QString(":/glyphs/%1.glyph").arg(name) : QString(":/glyphs/%1@%2x.glyph").arg(name).arg(scale);
}

quint32 LittleWord(const char* at) {
  const auto* b = reinterpret_cast<const unsigned char*>(at);
  return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

// The bytes of a built-in glyph; empty, with a line on standard error, if the program lacks it.
QByteArrayView GlyphBytes(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    ReportProblem(path.toStdString() + ": the program lacks this glyph");
    return {};
  }
  return QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size());
}

// The painting of a glyph at an integer scale, read once.
const QImage& GlyphAt(const QString& name, int scale) {
  static std::map<std::pair<QString, int>, QImage> cache;
  auto [at, fresh] = cache.try_emplace({name, scale});
  if (fresh) {
    const QString path = GlyphPath(name, scale);
    const QByteArrayView bytes = GlyphBytes(path);
    at->second = DecodeGlyph(bytes);
    if (at->second.isNull() && !bytes.isEmpty()) ReportProblem(path.toStdString() + ": this glyph cannot be read");
  }
  return at->second;
}

// The glyph exactly `device` pixels large: an integer painting where one fits,
// else the next larger painting shrunk smoothly.
QImage GlyphForDevice(const QString& name, QSize base, QSize device) {
  if (base.isEmpty() || device.isEmpty()) return {};
  const double wanted = std::max(double(device.width()) / base.width(), double(device.height()) / base.height());
  const int scale = std::clamp(static_cast<int>(std::ceil(wanted - 1e-9)), 1, kLargestGlyphScale);
  QImage image = GlyphAt(name, scale);
  image.setDevicePixelRatio(1);
  if (image.size() == device || image.isNull()) return image;
  return image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Greyed(QImage image) {
  // Disabled: the glyph's shape in a quiet grey, half transparent.
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 128 + qGray(line[x]) / 3;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
    }
  }
  return image;
}

class GlyphIconEngine : public QIconEngine {
 public:
  explicit GlyphIconEngine(QString name) : name_(std::move(name)), base_(GlyphSize(name_.toUtf8().constData())) {}

  QIconEngine* clone() const override { return new GlyphIconEngine(name_); }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return base_.width() <= size.width() && base_.height() <= size.height() ? base_ : base_.scaled(size, Qt::KeepAspectRatio);
  }

  // Here size counts device pixels: QIcon asks for the glyph as the screen shows it.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QImage image = GlyphForDevice(name_, base_, base_.scaled(size, Qt::KeepAspectRatio));
    if (mode == QIcon::Disabled) image = Greyed(image);
    return QPixmap::fromImage(image);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap picture = pixmap((QSizeF(actualSize(size, mode, state)) * scale).toSize(), mode, state);
    picture.setDevicePixelRatio(scale);
    return picture;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPixmap picture = scaledPixmap(rect.size(), mode, state, ratio);
    const QSizeF logical = QSizeF(picture.size()) / ratio;
    painter->drawPixmap(QRectF(QPointF(rect.x() + (rect.width() - logical.width()) / 2,
                                       rect.y() + (rect.height() - logical.height()) / 2),
                               logical),
                        picture, QRectF(picture.rect()));
  }

 private:
  QString name_;
  QSize base_;
};

}  // namespace

Bitmap EmbeddedBitmap(const char* name) {
  // Stored as they are: read in place.
  const QResource resource(QString(":/pictures/%1.bmp").arg(name));
  const std::string path = resource.fileName().toStdString();
  Bitmap bitmap;
  std::string error;
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    ReportProblem(path + ": the program lacks this picture");
  } else if (!DecodePicture(std::string_view(reinterpret_cast<const char*>(resource.data()),
                                             static_cast<std::size_t>(resource.size())),
                            path, bitmap, error)) {
    ReportProblem(error.empty() ? path + ": the program lacks this picture" : error);
  }
  return bitmap;
}

QImage EmbeddedPicture(const char* name) {
  const Bitmap bitmap = EmbeddedBitmap(name);
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.scanLine(0)), bitmap.width(), bitmap.height(), bitmap.width() * 4,
                QImage::Format_RGB32)
      .copy();
}

QByteArray EmbeddedSound(const char* name) {
  QFile file(QString(":/sounds/%1.wav").arg(name));
  if (!file.open(QIODevice::ReadOnly)) {
    ReportProblem(file.fileName().toStdString() + ": the program lacks this sound");
    return {};
  }
  return file.readAll();
}

QIcon GlyphIcon(const char* name) { return QIcon(new GlyphIconEngine(QString::fromUtf8(name))); }

QImage DecodeGlyph(QByteArrayView bytes) {
  if (bytes.size() < kGlyphHeaderSize || !bytes.startsWith("BGLY")) return {};
  const quint32 width = LittleWord(bytes.data() + 4), height = LittleWord(bytes.data() + 8);
  if (width == 0 || height == 0 || width > kLargestGlyphSide || height > kLargestGlyphSide ||
      LittleWord(bytes.data() + 12) != 0)
    return {};
  if (bytes.size() - kGlyphHeaderSize != qsizetype(width) * height * 4) return {};
  QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  const char* pixel = bytes.data() + kGlyphHeaderSize;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x, pixel += 4) line[x] = LittleWord(pixel);
  }
  return image;
}

QSize GlyphSize(const char* name) {
  // Width and height stand in the glyph's header.
  static std::map<std::string, QSize> sizes;
  auto [at, fresh] = sizes.try_emplace(name);
  if (fresh) {
    const QByteArrayView head = GlyphBytes(GlyphPath(QString::fromUtf8(name), 1));
    if (head.size() >= kGlyphHeaderSize && head.startsWith("BGLY"))
      at->second = QSize(int(std::min(LittleWord(head.data() + 4), kLargestGlyphSide)),
                         int(std::min(LittleWord(head.data() + 8), kLargestGlyphSide)));
  }
  return at->second;
}

QPixmap GlyphPixmap(const char* name, qreal ratio) {
  const QSize base = GlyphSize(name);
  QPixmap picture = QPixmap::fromImage(GlyphForDevice(QString::fromUtf8(name), base, (QSizeF(base) * ratio).toSize()));
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QIcon GameIcon() {
  // The sizes a window manager shows a window's icon in; each is read when the
  // window is shown, so the larger ones are left to the desktop's own files.
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addFile(QString(":/icons/icon-%1.png").arg(size), QSize(size, size));
  return icon;
}

QPixmap GameIconPixmap(int size, qreal ratio) {
  const int device = static_cast<int>(std::lround(size * ratio));
  const int* painted = std::find_if(std::begin(kIconSizes), std::end(kIconSizes), [device](int s) { return s >= device; });
  const int from = painted == std::end(kIconSizes) ? kIconSizes[std::size(kIconSizes) - 1] : *painted;
  QImage image = Resource(QString(":/icons/icon-%1.png").arg(from));
  if (image.width() != device) image = image.scaled(device, device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

}  // namespace blivo
