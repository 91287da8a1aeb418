#include "platform/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <string>

#include "platform/paths.h"

namespace blivo {

namespace {

constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;

}  // namespace

bool AudioDeviceReady() {
  static const bool ready = [] {
    // The game ends on SIGTERM and SIGINT like any program; SDL must not take them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "blivoturnix: no audio output (%s); playing without sound\n", SDL_GetError());
      return false;
    }
    const std::string soundFont = SoundFontPath();
    if (soundFont.empty())
      std::fprintf(stderr, "blivoturnix: no General MIDI sound font found; music stays silent\n");
    else
      Mix_SetSoundFonts(soundFont.c_str());
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
      std::fprintf(stderr, "blivoturnix: cannot open the audio output (%s); playing without sound\n",
                   Mix_GetError());
      return false;
    }
    Mix_AllocateChannels(1);
    return true;
  }();
  return ready;
}

std::chrono::milliseconds AudioOutputLatency() { return std::chrono::milliseconds(1000 * kBufferFrames / kRate); }

}  // namespace blivo
