#include "platform/sound_library.h"

#include <dlfcn.h>

#include <string>

#include "platform/report.h"

namespace blivo {

namespace {

constexpr const char* kLibrary = "libSDL2_mixer-2.0.so.0";

template <class Function>
bool Resolve(void* library, const char* name, Function& function, std::string& missing) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (!function) missing = name;
  return function != nullptr;
}

const SoundLibrary* Open() {
  void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* why = dlerror();
    ReportProblem(std::string("cannot load the sound library (") + (why ? why : kLibrary) + "); playing without sound");
    return nullptr;
  }
  static SoundLibrary sound;
  std::string missing;
  // The SDL functions are found through the mixer's own dependency on SDL.
  const bool complete =
      Resolve(library, "SDL_SetHint", sound.SetHint, missing) &&
      Resolve(library, "SDL_InitSubSystem", sound.InitSubSystem, missing) &&
      Resolve(library, "SDL_GetError", sound.GetError, missing) &&
      Resolve(library, "SDL_RWFromConstMem", sound.RWFromConstMem, missing) &&
      Resolve(library, "Mix_SetSoundFonts", sound.SetSoundFonts, missing) &&
      Resolve(library, "Mix_Init", sound.Init, missing) && Resolve(library, "Mix_OpenAudio", sound.OpenAudio, missing) &&
      Resolve(library, "Mix_AllocateChannels", sound.AllocateChannels, missing) &&
      Resolve(library, "Mix_LoadWAV_RW", sound.LoadWAV_RW, missing) &&
      Resolve(library, "Mix_PlayChannelTimed", sound.PlayChannelTimed, missing) &&
      Resolve(library, "Mix_Playing", sound.Playing, missing) && Resolve(library, "Mix_GetChunk", sound.GetChunk, missing) &&
      Resolve(library, "Mix_FreeChunk", sound.FreeChunk, missing) && Resolve(library, "Mix_LoadMUS", sound.LoadMUS, missing) &&
      Resolve(library, "Mix_FreeMusic", sound.FreeMusic, missing) && Resolve(library, "Mix_PlayMusic", sound.PlayMusic, missing) &&
      Resolve(library, "Mix_PauseMusic", sound.PauseMusic, missing) &&
      Resolve(library, "Mix_ResumeMusic", sound.ResumeMusic, missing) &&
      Resolve(library, "Mix_HaltMusic", sound.HaltMusic, missing) &&
      Resolve(library, "Mix_PlayingMusic", sound.PlayingMusic, missing) &&
      Resolve(library, "Mix_PausedMusic", sound.PausedMusic, missing);
  if (!complete) {
    ReportProblem("the sound library " + std::string(kLibrary) + " lacks " + missing + "; playing without sound");
    return nullptr;
  }
  return &sound;
}

}  // namespace

const SoundLibrary* Sound() {
  static const SoundLibrary* const sound = Open();
  return sound;
}

}  // namespace blivo
