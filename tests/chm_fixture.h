// Damaging a compiled help file on purpose: finding the fields of its
// headers, directory and compressed section, and changing them.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <string>

namespace blivo::testing {

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class ChmBytes {
 public:
  explicit ChmBytes(QByteArray bytes) : b(std::move(bytes)) {}

  std::uint64_t Get(qsizetype at, int width) const {
    std::uint64_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
  }
  void Put(qsizetype at, int width, std::uint64_t v) {
    for (int i = 0; i < width; ++i) b[at + i] = static_cast<char>(v >> (8 * i) & 0xff);
  }

  qsizetype Directory() const { return static_cast<qsizetype>(Get(0x48, 8)); }
  qsizetype ChunkLength() const { return static_cast<qsizetype>(Get(Directory() + 0x10, 4)); }
  qsizetype Chunk(int page) const { return Directory() + 0x54 + page * ChunkLength(); }
  qsizetype DataOffset() const { return static_cast<qsizetype>(Get(0x58, 8)); }

  struct Entry {
    qsizetype name = -1;     // where the name starts
    qsizetype section = -1;  // where its section number lies
    std::uint64_t start = 0, length = 0;
    qsizetype lengthAt = -1;  // where its length lies
  };
  // A directory entry by its exact name (the names of our files are short,
  // their lengths one byte).
  Entry Find(const QByteArray& name) const {
    Entry e;
    for (qsizetype at = b.indexOf(name); at >= 0; at = b.indexOf(name, at + 1)) {
      if (static_cast<unsigned char>(b[at - 1]) != name.size()) continue;
      e.name = at;
      qsizetype p = at + name.size();
      e.section = p;
      Number(p);
      e.start = Number(p);
      e.lengthAt = p;
      e.length = Number(p);
      return e;
    }
    ADD_FAILURE() << "no entry " << name.toStdString();
    return e;
  }
  // Where an object of the uncompressed section lies in the file.
  qsizetype Stored(const QByteArray& name) const { return DataOffset() + static_cast<qsizetype>(Find(name).start); }

  static constexpr char kResetTable[] =
      "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
  static constexpr char kControlData[] = "::DataSpace/Storage/MSCompressed/ControlData";

  QByteArray b;

 private:
  std::uint64_t Number(qsizetype& p) const {
    std::uint64_t v = 0;
    unsigned char c;
    do {
      c = static_cast<unsigned char>(b[p++]);
      v = v << 7 | (c & 0x7f);
    } while (c >= 0x80);
    return v;
  }
};

}  // namespace blivo::testing
