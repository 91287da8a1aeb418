#include "platform/audio_device.h"

#include <string>

#include "platform/paths.h"
#include "platform/report.h"
#include "platform/sound_library.h"

namespace blivo {

namespace {

constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;

}  // namespace

bool AudioDeviceReady() {
  static const bool ready = [] {
    const SoundLibrary* sound = Sound();
    if (!sound) return false;
    // The game ends on SIGTERM and SIGINT like any program; SDL must not take them.
    sound->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sound->InitSubSystem(SDL_INIT_AUDIO) != 0) {
      ReportProblem(std::string("no audio output (") + sound->GetError() + "); playing without sound");
      return false;
    }
    const std::string soundFont = SoundFontPath();
    if (soundFont.empty())
      ReportProblem("no General MIDI sound font found; music stays silent");
    else
      sound->SetSoundFonts(soundFont.c_str());
    sound->Init(MIX_INIT_MID);
    if (sound->OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
      ReportProblem(std::string("cannot open the audio output (") + sound->GetError() + "); playing without sound");
      return false;
    }
    sound->AllocateChannels(1);
    return true;
  }();
  return ready;
}

std::chrono::milliseconds AudioOutputLatency() { return std::chrono::milliseconds(1000 * kBufferFrames / kRate); }

}  // namespace blivo
