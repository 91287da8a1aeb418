#include "platform/music_player.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>

#include "platform/audio_device.h"

namespace blivo {

struct MusicPlayer::Impl {
  Mix_Music* music = nullptr;
  bool paused = false;
};

namespace {

// A standard MIDI file starts with its header chunk and a track chunk after
// it; a RIFF-wrapped one says RMID. The synthesizer would take anything and
// play silence, so other files are turned away here.
bool LooksLikeMidi(const std::string& file) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return false;
  unsigned char head[22] = {};
  const std::size_t got = std::fread(head, 1, sizeof head, in);
  std::fclose(in);
  if (got >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "RMID", 4) == 0) return true;
  if (got < 22 || std::memcmp(head, "MThd", 4) != 0) return false;
  const unsigned length = head[4] << 24 | head[5] << 16 | head[6] << 8 | head[7];
  return length == 6 && std::memcmp(head + 14, "MTrk", 4) == 0;
}

}  // namespace

MusicPlayer::MusicPlayer() : impl_(new Impl) {}

MusicPlayer::~MusicPlayer() {
  close();
  delete impl_;
}

bool MusicPlayer::open(const std::string& file) {
  close();
  if (!LooksLikeMidi(file)) {
    std::fprintf(stderr, "blivoturnix: %s is not a MIDI file; it stays silent\n", file.c_str());
    return false;
  }
  if (!AudioDeviceReady()) return false;
  impl_->music = Mix_LoadMUS(file.c_str());
  if (!impl_->music) {
    std::fprintf(stderr, "blivoturnix: cannot open music %s (%s)\n", file.c_str(), Mix_GetError());
    return false;
  }
  return true;
}

void MusicPlayer::play() {
  if (!impl_->music) return;
  if (impl_->paused) {
    Mix_ResumeMusic();
    impl_->paused = false;
    return;
  }
  if (Mix_PlayMusic(impl_->music, 1) != 0)
    std::fprintf(stderr, "blivoturnix: cannot play music (%s)\n", Mix_GetError());
}

void MusicPlayer::pause() {
  if (!impl_->music || !Mix_PlayingMusic()) return;
  Mix_PauseMusic();
  impl_->paused = true;
}

void MusicPlayer::stop() {
  if (!impl_->music) return;
  Mix_HaltMusic();
  impl_->paused = false;
}

void MusicPlayer::close() {
  if (!impl_->music) return;
  Mix_HaltMusic();
  Mix_FreeMusic(impl_->music);
  impl_->music = nullptr;
  impl_->paused = false;
}

bool MusicPlayer::playing() const {
  return impl_->music && Mix_PlayingMusic() && !Mix_PausedMusic();
}

}  // namespace blivo
