#include "help/chm_file.h"

#include <chm_lib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <cstring>
#include <span>

namespace blivo {

namespace {

std::uint32_t Little32(const QByteArray& b, qsizetype at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::uint16_t Little16(const QByteArray& b, qsizetype at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at + 1]) << 8 | static_cast<unsigned char>(b[at]));
}

// A zero-terminated text inside `b` from `at`, never beyond `end`.
QString TextAt(const QByteArray& b, qsizetype at, qsizetype end) {
  const qsizetype length = qstrnlen(b.constData() + at, static_cast<std::size_t>(end - at));
  return QString::fromUtf8(b.constData() + at, length);
}

}  // namespace

// Where the library reads the checked copy from: a file in memory, or where
// the system has none, a private temporary file.
struct ChmFile::Backing {
  QTemporaryFile temporary;
};

ChmFile::ChmFile() = default;
ChmFile::~ChmFile() { close(); }

bool ChmFile::Fail(const QString& why) {
  close();
  failure_ = why;
  return false;
}

bool ChmFile::open(const QString& path) {
  close();
  // Only a plain file: opening a pipe or a device could wait for ever.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) return Fail("not a file");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Fail(file.errorString());
  if (file.size() > kMostFileSize) return Fail("far too large for a help file");
  const QByteArray bytes = file.read(kMostFileSize + 1);
  if (bytes.size() > kMostFileSize) return Fail("far too large for a help file");
  return openBytes(bytes);
}

bool ChmFile::openBytes(const QByteArray& bytes) {
  close();
  std::string why;
  const auto layout = CheckChmLayout(
      std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())), why);
  if (!layout) return Fail(QString::fromStdString(why));
  layout_ = *layout;

  QByteArray name;
  const int memory = memfd_create("help", MFD_CLOEXEC);
  if (memory >= 0) {
    qsizetype written = 0;
    while (written < bytes.size()) {
      const ssize_t n = ::write(memory, bytes.constData() + written, static_cast<std::size_t>(bytes.size() - written));
      if (n <= 0) break;
      written += n;
    }
    if (written == bytes.size()) {
      name = "/proc/self/fd/" + QByteArray::number(memory);
      file_ = chm_open(name.constData());
    }
    ::close(memory);  // the library holds a descriptor of its own
  } else {
    backing_ = std::make_unique<Backing>();
    if (backing_->temporary.open() && backing_->temporary.write(bytes) == bytes.size() && backing_->temporary.flush())
      file_ = chm_open(QFile::encodeName(backing_->temporary.fileName()).constData());
  }
  if (!file_) return Fail("the help library cannot open it");
  ReadSystemRecord();
  return true;
}

void ChmFile::close() {
  if (file_) chm_close(file_);
  file_ = nullptr;
  backing_.reset();
  layout_ = {};
  contentsFile_.clear();
  defaultTopic_.clear();
  title_.clear();
}

namespace {

bool Resolve(chmFile* file, const ChmLayout& layout, const QString& path, chmUnitInfo& info) {
  const QByteArray name = path.toUtf8();
  if (name.isEmpty() || name.size() > CHM_MAX_PATHLEN || name.contains('\0')) return false;
  if (chm_resolve_object(file, name.constData(), &info) != CHM_RESOLVE_SUCCESS) return false;
  return ObjectReadable(layout, ChmObject{info.space, info.start, info.length});
}

}  // namespace

bool ChmFile::exists(const QString& path) const {
  chmUnitInfo info;
  return file_ && Resolve(file_, layout_, path, info);
}

std::optional<QByteArray> ChmFile::read(const QString& path) const {
  chmUnitInfo info;
  if (!file_ || !Resolve(file_, layout_, path, info)) return std::nullopt;
  if (info.length > static_cast<LONGUINT64>(kMostObjectSize)) return std::nullopt;
  QByteArray data(static_cast<qsizetype>(info.length), '\0');
  if (info.length == 0) return data;
  const LONGINT64 got = chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                                            static_cast<LONGINT64>(info.length));
  if (got != static_cast<LONGINT64>(info.length)) return std::nullopt;
  return data;
}

void ChmFile::ReadSystemRecord() {
  // #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and
  // that many bytes.
  const auto system = read("/#SYSTEM");
  if (!system) return;
  for (qsizetype at = 4; at + 4 <= system->size();) {
    const int code = Little16(*system, at);
    const qsizetype length = Little16(*system, at + 2);
    at += 4;
    if (length > system->size() - at) break;
    const QString text = TextAt(*system, at, at + length);
    if (code == 0) contentsFile_ = ChmPath(text);
    if (code == 2) defaultTopic_ = ChmPath(text);
    if (code == 3) title_ = text;
    at += length;
  }
}

std::optional<QString> ChmFile::topic(int contextId) const {
  // #IVB: its length, then pairs of context id and offset into #STRINGS.
  const auto map = read("/#IVB");
  const auto strings = read("/#STRINGS");
  if (!map || !strings || map->size() < 4) return std::nullopt;
  const qsizetype end = std::min<qsizetype>(map->size(), 4 + static_cast<qsizetype>(Little32(*map, 0)));
  for (qsizetype at = 4; at + 8 <= end; at += 8) {
    if (Little32(*map, at) != static_cast<std::uint32_t>(contextId)) continue;
    const std::uint32_t offset = Little32(*map, at + 4);
    if (offset >= static_cast<std::uint32_t>(strings->size())) return std::nullopt;
    const QString named = TextAt(*strings, offset, strings->size());
    // Older help files name the page with the folder it was compiled in
    // before it: take the longest tail of the name that is a page of the file.
    // No path of the file is longer than the library's limit, so only the
    // tails within it are tried.
    const QStringList parts = QString(named).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    QStringList tails;
    QString tail;
    for (qsizetype i = parts.size() - 1; i >= 0; --i) {
      tail = tail.isEmpty() ? parts[i] : parts[i] + "/" + tail;
      if (tail.size() >= CHM_MAX_PATHLEN) break;
      tails.prepend(tail);
    }
    for (const QString& candidate : tails) {
      const QString page = ChmPath(candidate);
      if (!page.isEmpty() && exists(page)) return page;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

QString ChmPath(const QString& name) {
  QStringList kept;
  for (const QString& part : QString(name).replace('\\', '/').split('/', Qt::SkipEmptyParts)) {
    if (part == ".") continue;
    if (part == "..") {
      if (!kept.isEmpty()) kept.removeLast();
      continue;
    }
    kept.append(part);
  }
  return kept.isEmpty() ? QString() : "/" + kept.join('/');
}

}  // namespace blivo
