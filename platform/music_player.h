// Background music: one MIDI file at a time, rendered by SDL_mixer through
// FluidSynth with the General MIDI sound font of the system.
#pragma once

#include <memory>
#include <string>

namespace blivo {

class MusicPlayer {
 public:
  MusicPlayer();
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Makes file current; false (with a line on standard error) if it cannot be
  // read or there is no audio output. The game goes on without music then.
  bool open(const std::string& file);
  // Starts the current file, from its beginning unless it is paused.
  void play();
  void pause();
  void stop();
  void close();
  bool isOpen() const;
  // Playing, and not yet at the tune's real end.
  bool playing() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace blivo
