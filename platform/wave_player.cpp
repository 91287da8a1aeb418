#include "platform/wave_player.h"

#include <string>

#include "platform/audio_device.h"
#include "platform/report.h"
#include "platform/sound_library.h"

namespace blivo {

struct WavePlayer::Impl {
  std::vector<Mix_Chunk*> chunks;
};

WavePlayer::WavePlayer() : impl_(std::make_unique<Impl>()) {}

WavePlayer::~WavePlayer() {
  for (Mix_Chunk* chunk : impl_->chunks)
    if (chunk) Sound()->FreeChunk(chunk);
}

void WavePlayer::load(const std::vector<QByteArray>& waves) {
  if (!AudioDeviceReady()) return;
  for (const QByteArray& wave : waves) {
    Mix_Chunk* chunk =
        wave.isEmpty() ? nullptr
                       : Sound()->LoadWAV_RW(Sound()->RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), 1);
    if (!chunk && !wave.isEmpty())
      ReportProblem("cannot read sound " + std::to_string(impl_->chunks.size() + 1) + " (" + Sound()->GetError() + ")");
    impl_->chunks.push_back(chunk);
  }
}

void WavePlayer::play(int n) {
  if (n < 1 || n > static_cast<int>(impl_->chunks.size())) return;
  Mix_Chunk* chunk = impl_->chunks[n - 1];
  // Every effect uses channel 0, so a new one replaces the one still playing.
  if (chunk) Sound()->PlayChannelTimed(0, chunk, 0, -1);
}

int WavePlayer::playing() const {
  if (impl_->chunks.empty() || !Sound()->Playing(0)) return 0;
  Mix_Chunk* now = Sound()->GetChunk(0);
  for (std::size_t i = 0; i < impl_->chunks.size(); ++i)
    if (impl_->chunks[i] == now) return static_cast<int>(i) + 1;
  return 0;
}

int WavePlayer::loaded() const {
  int n = 0;
  for (Mix_Chunk* chunk : impl_->chunks) n += chunk != nullptr;
  return n;
}

}  // namespace blivo
