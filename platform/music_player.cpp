#include "platform/music_player.h"

#include <SDL_mixer.h>

#include <cstdio>

#include "platform/audio_device.h"

namespace blivo {

struct MusicPlayer::Impl {
  Mix_Music* music = nullptr;
  bool paused = false;
};

MusicPlayer::MusicPlayer() : impl_(new Impl) {}

MusicPlayer::~MusicPlayer() {
  close();
  delete impl_;
}

bool MusicPlayer::open(const std::string& file) {
  close();
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
