// Reading a compiled HTML help file: its pages by path and its context map.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct chmFile;

namespace blivo {

class ChmFile {
 public:
  ChmFile() = default;
  ~ChmFile();
  ChmFile(const ChmFile&) = delete;
  ChmFile& operator=(const ChmFile&) = delete;

  bool open(const QString& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  // The object at path ("/en/index.html"); nothing if the file has none.
  std::optional<QByteArray> read(const QString& path) const;
  // The page a context id stands for, from the file's context map.
  std::optional<QString> topic(int contextId) const;

 private:
  chmFile* file_ = nullptr;
};

}  // namespace blivo
