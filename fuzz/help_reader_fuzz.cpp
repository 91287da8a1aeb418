// The help file reader under fuzzing: whatever the bytes of a help file,
// opening it and reading what the viewer reads from it (the system record,
// the context map, the start topics, the contents, the default topic and a
// style sheet and a picture) neither crashes nor hangs.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "help/chm_file.h"
#include "help/help_contents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > static_cast<std::size_t>(blivo::ChmFile::kMostFileSize)) return 0;
  blivo::ChmFile file;
  if (!file.openBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))))
    return 0;
  for (const int id : {1, 2, 3})
    if (const auto page = file.topic(id)) file.read(*page);
  if (const auto hhc = file.read(file.contentsFile())) blivo::ParseContents(*hhc);
  for (const QString& path : {file.defaultTopic(), QString("/style.css"), QString("/images/icon.png")}) file.read(path);
  return 0;
}
