// The contents of a help file: the tree its contents file (.hhc) describes,
// each entry a name and the page it shows. The contents file comes from the
// help file, so it is read with limits: whatever it holds gives a tree of
// bounded depth and size, or an empty one.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace blivo {

struct ContentsEntry {
  QString name;
  QString local;  // as the file writes it: "de/puzzles.html#gripple"
  std::vector<ContentsEntry> children;
};

inline constexpr int kMostContentsDepth = 8;
inline constexpr int kMostContentsEntries = 2000;

std::vector<ContentsEntry> ParseContents(const QByteArray& hhc);

}  // namespace blivo
