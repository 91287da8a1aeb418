// The sound library (SDL_mixer over SDL), opened through the dynamic loader
// when the sound output first opens. It and its codecs and synthesizer are
// some forty libraries: a game that starts opens them only once its board is
// on the screen, and a machine without them plays on in silence.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace blivo {

struct SoundLibrary {
  decltype(&SDL_SetHint) SetHint;
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_GetError) GetError;
  decltype(&SDL_RWFromConstMem) RWFromConstMem;
  decltype(&Mix_SetSoundFonts) SetSoundFonts;
  decltype(&Mix_Init) Init;
  decltype(&Mix_OpenAudio) OpenAudio;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&Mix_PlayChannelTimed) PlayChannelTimed;
  decltype(&Mix_Playing) Playing;
  decltype(&Mix_GetChunk) GetChunk;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_LoadMUS) LoadMUS;
  decltype(&Mix_FreeMusic) FreeMusic;
  decltype(&Mix_PlayMusic) PlayMusic;
  decltype(&Mix_PauseMusic) PauseMusic;
  decltype(&Mix_ResumeMusic) ResumeMusic;
  decltype(&Mix_HaltMusic) HaltMusic;
  decltype(&Mix_PlayingMusic) PlayingMusic;
  decltype(&Mix_PausedMusic) PausedMusic;
};

// The library, opened on the first call; null (with a line on standard error,
// once) when it cannot be loaded.
const SoundLibrary* Sound();

}  // namespace blivo
