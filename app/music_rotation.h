// Background music: the MIDI files of the program folder, played one at a time
// and in turn, each repeated until the music is switched off and on again.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/music_player.h"

namespace blivo {

class MusicRotation {
 public:
  // Looks for "*.mid" in folder, in the order the file system lists them, and
  // makes the first one current; it is opened when it first plays. False when
  // there is none.
  bool Find(const std::string& folder);
  bool available() const { return !files_.empty(); }

  // On every tick while the music is on: a tune that is not playing plays.
  void Upkeep();
  // The music switched on: the next file (after the last, the first) plays.
  void SwitchedOn();
  // The music switched off: the tune pauses.
  void SwitchedOff();

  const std::vector<std::string>& files() const { return files_; }
  std::size_t current() const { return current_; }
  bool playing() const { return player_.playing(); }
  // Whether a tune is open, its sound font read.
  bool opened() const { return player_.isOpen(); }

 private:
  bool Open();

  MusicPlayer player_;
  std::vector<std::string> files_;
  std::size_t current_ = 0;
  bool unreadable_ = false;  // the current file could not be opened
};

}  // namespace blivo
