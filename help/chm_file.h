// Reading a compiled HTML help file: its pages by path, its context map and
// what its system record names (contents file, default topic, title). The
// file is read whole and checked (help/chm_layout.h) before the help library
// sees a byte of it, and the library reads that checked copy, never the
// file on disk again.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "help/chm_layout.h"

struct chmFile;

namespace blivo {

class ChmFile {
 public:
  // A help file is small; one far larger is not ours.
  static constexpr qint64 kMostFileSize = 32 * 1024 * 1024;
  // No page, picture or table of ours comes near this.
  static constexpr qint64 kMostObjectSize = 8 * 1024 * 1024;

  ChmFile();
  ~ChmFile();
  ChmFile(const ChmFile&) = delete;
  ChmFile& operator=(const ChmFile&) = delete;

  bool open(const QString& path);
  bool openBytes(const QByteArray& bytes);
  void close();
  bool isOpen() const { return file_ != nullptr; }
  // Why the last open failed, for standard error.
  const QString& failure() const { return failure_; }

  // The object at path ("/en/index.html"); nothing if the file has none, or
  // none that can be read.
  std::optional<QByteArray> read(const QString& path) const;
  bool exists(const QString& path) const;
  // The page a context id stands for, from the file's context map, as a
  // path inside the file ("/en/index.html").
  std::optional<QString> topic(int contextId) const;

  // From the system record; empty when the file names none.
  const QString& contentsFile() const { return contentsFile_; }  // "/tnix.hhc"
  const QString& defaultTopic() const { return defaultTopic_; }  // "/en/index.html"
  const QString& title() const { return title_; }

 private:
  struct Backing;
  bool Fail(const QString& why);
  void ReadSystemRecord();

  chmFile* file_ = nullptr;
  std::unique_ptr<Backing> backing_;
  ChmLayout layout_;
  QString failure_;
  QString contentsFile_, defaultTopic_, title_;
};

// A path inside the file from a name the file gives (the context map, the
// contents): backslashes become slashes, one slash leads, "." and ".." are
// resolved and nothing climbs above the root. Empty when nothing is left.
QString ChmPath(const QString& name);

}  // namespace blivo
