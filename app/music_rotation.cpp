#include "app/music_rotation.h"

#include <QDir>

namespace blivo {

bool MusicRotation::Find(const std::string& folder) {
  const QDir dir(QString::fromStdString(folder));
  const QStringList names = dir.entryList({"*.mid"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
  files_.clear();
  for (const QString& name : names) files_.push_back(dir.filePath(name).toStdString());
  current_ = 0;
  if (files_.empty()) return false;
  player_.open(files_[0]);
  return true;
}

void MusicRotation::Upkeep() {
  if (!files_.empty() && !player_.playing()) player_.play();
}

void MusicRotation::SwitchedOn() {
  if (files_.empty()) return;
  player_.stop();
  player_.close();
  current_ = (current_ + 1) % files_.size();
  if (player_.open(files_[current_])) player_.play();
}

void MusicRotation::SwitchedOff() { player_.pause(); }

}  // namespace blivo
