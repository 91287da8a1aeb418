// Short sound effects played from memory, one at a time: a new sound cuts off
// the one still playing.
#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

namespace blivo {

class WavePlayer {
 public:
  WavePlayer();
  ~WavePlayer();
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  // Loads the sounds in order from the bytes of their wave files; sound n is
  // waves[n - 1]. One that cannot be read stays silent, with a line on
  // standard error.
  void load(const std::vector<QByteArray>& waves);
  // Starts sound n and returns at once; nothing without an audio device.
  void play(int n);
  int loaded() const;
  // The sound that is playing now, 0 for none.
  int playing() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace blivo
