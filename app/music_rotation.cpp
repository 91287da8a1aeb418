#include "app/music_rotation.h"

#include <QDir>

namespace blivo {

bool MusicRotation::Find(const std::string& folder) {
  const QDir dir(QString::fromStdString(folder));
  const QStringList names = dir.entryList({"*.mid"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
  files_.clear();
  for (const QString& name : names) files_.push_back(dir.filePath(name).toStdString());
  current_ = 0;
  unreadable_ = false;
  return !files_.empty();
}

bool MusicRotation::Open() {
  // A file is opened when it is to play, not before: the synthesizer's sound
  // font is large, and with the music off it is never read.
  if (player_.isOpen()) return true;
  if (unreadable_) return false;
  unreadable_ = !player_.open(files_[current_]);
  return !unreadable_;
}

void MusicRotation::Upkeep() {
  if (files_.empty() || !Open()) return;
  if (!player_.playing()) player_.play();
}

void MusicRotation::SwitchedOn() {
  if (files_.empty()) return;
  player_.stop();
  player_.close();
  current_ = (current_ + 1) % files_.size();
  unreadable_ = false;
  if (Open()) player_.play();
}

void MusicRotation::SwitchedOff() { player_.pause(); }

}  // namespace blivo
