#include "platform/music_player.h"

#include <chrono>
#include <cstring>
#include <optional>

#include "platform/audio_device.h"
#include "platform/midi_length.h"
#include "platform/report.h"
#include "platform/sound_library.h"
#include "platform/whole_file.h"

namespace blivo {

namespace {

using Clock = std::chrono::steady_clock;

// A tune file larger than this is no tune the game plays.
constexpr std::int64_t kLargestTune = 16 << 20;

// A standard MIDI file starts with its header chunk and a track chunk after
// it; a RIFF-wrapped one says RMID. The synthesizer would take anything and
// play silence, so other files are turned away here.
bool LooksLikeMidi(const std::string& head) {
  if (head.size() >= 12 && std::memcmp(head.data(), "RIFF", 4) == 0 && std::memcmp(head.data() + 8, "RMID", 4) == 0)
    return true;
  if (head.size() < 22 || std::memcmp(head.data(), "MThd", 4) != 0) return false;
  const auto* h = reinterpret_cast<const unsigned char*>(head.data());
  const unsigned length = h[4] << 24 | h[5] << 16 | h[6] << 8 | h[7];
  return length == 6 && std::memcmp(head.data() + 14, "MTrk", 4) == 0;
}

}  // namespace

struct MusicPlayer::Impl {
  Mix_Music* music = nullptr;
  bool paused = false;
  // How long the tune plays, and how much of it has played: the synthesizer
  // goes on sounding a while after the tune's end, so its own "playing" is
  // believed only until then.
  std::optional<Clock::duration> length;
  Clock::duration playedBefore{};
  Clock::time_point resumed{};

  Clock::duration played() const { return playedBefore + (paused ? Clock::duration{} : Clock::now() - resumed); }
};

MusicPlayer::MusicPlayer() : impl_(std::make_unique<Impl>()) {}

MusicPlayer::~MusicPlayer() { close(); }

bool MusicPlayer::open(const std::string& file) {
  close();
  std::string bytes, error;
  if (ReadWholeFile(file, kLargestTune, bytes, error) != FileRead::Read) {
    ReportProblem(file + ": " + (error.empty() ? "no such file" : error) + "; it stays silent");
    return false;
  }
  if (!LooksLikeMidi(bytes)) {
    ReportProblem(file + " is not a MIDI file; it stays silent");
    return false;
  }
  if (!AudioDeviceReady()) return false;
  impl_->music = Sound()->LoadMUS(file.c_str());
  if (!impl_->music) {
    ReportProblem("cannot open music " + file + " (" + Sound()->GetError() + ")");
    return false;
  }
  const auto length = MidiLength(bytes);
  impl_->length.reset();
  // The output lags behind by its buffer; the tune ends for the player that much later.
  if (length) impl_->length = *length + AudioOutputLatency();
  return true;
}

void MusicPlayer::play() {
  if (!impl_->music) return;
  if (impl_->paused) {
    Sound()->ResumeMusic();
    impl_->paused = false;
    impl_->resumed = Clock::now();
    return;
  }
  if (Sound()->PlayMusic(impl_->music, 1) != 0) ReportProblem(std::string("cannot play music (") + Sound()->GetError() + ")");
  impl_->playedBefore = {};
  impl_->resumed = Clock::now();
}

void MusicPlayer::pause() {
  if (!impl_->music || !Sound()->PlayingMusic() || impl_->paused) return;
  Sound()->PauseMusic();
  impl_->playedBefore = impl_->played();
  impl_->paused = true;
}

void MusicPlayer::stop() {
  if (!impl_->music) return;
  Sound()->HaltMusic();
  impl_->paused = false;
  impl_->playedBefore = {};
}

void MusicPlayer::close() {
  if (!impl_->music) return;
  Sound()->HaltMusic();
  Sound()->FreeMusic(impl_->music);
  impl_->music = nullptr;
  impl_->paused = false;
  impl_->length.reset();
}

bool MusicPlayer::isOpen() const { return impl_->music != nullptr; }

bool MusicPlayer::playing() const {
  if (!impl_->music || impl_->paused || !Sound()->PlayingMusic() || Sound()->PausedMusic()) return false;
  return !impl_->length || impl_->played() < *impl_->length;
}

}  // namespace blivo
