// The contents parser under fuzzing: any contents file gives a tree within
// its bounds of depth and size, and no crash or hang.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "help/help_contents.h"

namespace {

int Depth(const std::vector<blivo::ContentsEntry>& entries, int& count) {
  int deepest = 0;
  for (const blivo::ContentsEntry& e : entries) {
    ++count;
    deepest = std::max(deepest, Depth(e.children, count));
  }
  return entries.empty() ? 0 : deepest + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto tree =
      blivo::ParseContents(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  int count = 0;
  if (Depth(tree, count) > blivo::kMostContentsDepth || count > blivo::kMostContentsEntries) std::abort();
  return 0;
}
