#include "help/chm_file.h"

#include <chm_lib.h>

#include <QFile>
#include <QStringList>
#include <cstring>

namespace blivo {

ChmFile::~ChmFile() { close(); }

bool ChmFile::open(const QString& path) {
  close();
  file_ = chm_open(QFile::encodeName(path).constData());
  return file_ != nullptr;
}

void ChmFile::close() {
  if (file_) chm_close(file_);
  file_ = nullptr;
}

std::optional<QByteArray> ChmFile::read(const QString& path) const {
  if (!file_) return std::nullopt;
  chmUnitInfo info;
  const QByteArray name = path.toUtf8();
  if (chm_resolve_object(file_, name.constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
  // A help page is small; anything huge is not something we show.
  if (info.length > 64u * 1024 * 1024) return std::nullopt;
  QByteArray data(static_cast<qsizetype>(info.length), '\0');
  const LONGINT64 got =
      chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0, static_cast<LONGINT64>(info.length));
  if (got != static_cast<LONGINT64>(info.length)) return std::nullopt;
  return data;
}

namespace {

std::uint32_t Little32(const QByteArray& b, qsizetype at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

}  // namespace

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
    const QString named = QString::fromUtf8(strings->constData() + offset);
    // Some compilers store the page with the folder it was compiled in: take
    // the longest tail of the name that is a page of the file.
    const QStringList parts = QString(named).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    for (qsizetype first = 0; first < parts.size(); ++first) {
      const QString candidate = "/" + parts.mid(first).join('/');
      if (read(candidate)) return candidate;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace blivo
