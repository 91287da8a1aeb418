#include "platform/midi_length.h"

#include <algorithm>
#include <vector>

namespace blivo {

namespace {

// A file's bytes, read with every bound checked: a read past the end fails
// the whole reading.
class Bytes {
 public:
  Bytes(std::string_view data) : data_(data) {}

  bool ok() const { return ok_; }
  bool done() const { return !ok_ || at_ >= data_.size(); }
  std::size_t at() const { return at_; }
  void Skip(std::uint64_t n) {
    if (n > data_.size() - std::min(at_, data_.size())) ok_ = false;
    else at_ += static_cast<std::size_t>(n);
  }
  std::uint8_t Byte() {
    if (at_ >= data_.size()) return ok_ = false, 0;
    return static_cast<std::uint8_t>(data_[at_++]);
  }
  std::uint32_t Big(int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | Byte();
    return v;
  }
  std::uint32_t Little32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t{Byte()} << (8 * i);
    return v;
  }
  // A variable-length quantity: at most four bytes of seven bits each.
  std::uint32_t Variable() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Byte();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    ok_ = false;
    return 0;
  }
  bool Tag(std::string_view tag) {
    if (data_.size() - std::min(at_, data_.size()) < tag.size() || data_.substr(at_, tag.size()) != tag) return false;
    at_ += tag.size();
    return true;
  }

 private:
  std::string_view data_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

struct Tempo {
  std::uint64_t tick;
  std::uint32_t microsecondsPerQuarter;
};

constexpr std::uint32_t kDefaultTempo = 500000;  // 120 quarters a minute

// One track's events; returns the tick of its end (its last event when the
// end-of-track mark is missing), or nothing for a track that cannot be read.
std::optional<std::uint64_t> ReadTrack(std::string_view track, std::vector<Tempo>& tempos) {
  Bytes in(track);
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (!in.done()) {
    tick += in.Variable();
    std::uint8_t status = in.Byte();
    if (!in.ok()) return std::nullopt;
    if (status == 0xFF) {
      const std::uint8_t type = in.Byte();
      const std::uint32_t length = in.Variable();
      if (type == 0x2F) return tick;
      if (type == 0x51 && length == 3) {
        tempos.push_back({tick, in.Big(3)});
        continue;
      }
      in.Skip(length);
    } else if (status == 0xF0 || status == 0xF7) {
      in.Skip(in.Variable());
      running = 0;
    } else {
      int data = 0;
      if (status < 0x80) {
        // Running status: this byte is already the first data byte.
        if (!running) return std::nullopt;
        status = running;
        data = -1;
      }
      running = status;
      const std::uint8_t kind = status & 0xF0;
      data += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      in.Skip(static_cast<std::uint64_t>(data));
    }
    if (!in.ok()) return std::nullopt;
  }
  return tick;
}

std::string_view StandardFile(std::string_view file) {
  // RIFF, size, "RMID", then chunks; the "data" chunk holds the MIDI file.
  Bytes in(file);
  if (!in.Tag("RIFF")) return file;
  in.Skip(4);
  if (!in.Tag("RMID")) return {};
  while (!in.done()) {
    const bool data = in.Tag("data");
    if (!data) in.Skip(4);
    const std::uint32_t size = in.Little32();
    if (!in.ok()) return {};
    if (data) return file.substr(in.at(), std::min<std::size_t>(size, file.size() - in.at()));
    in.Skip(size + (size & 1));
  }
  return {};
}

}  // namespace

std::optional<std::chrono::milliseconds> MidiLength(std::string_view given) {
  const std::string_view file = StandardFile(given);
  Bytes in(file);
  if (!in.Tag("MThd")) return std::nullopt;
  const std::uint32_t headerLength = in.Big(4);
  if (headerLength < 6) return std::nullopt;
  in.Big(2);  // format
  const std::uint32_t tracks = in.Big(2);
  const std::uint32_t division = in.Big(2);
  in.Skip(headerLength - 6);
  if (!in.ok() || division == 0) return std::nullopt;

  std::vector<Tempo> tempos;
  std::uint64_t end = 0;
  std::uint32_t read = 0;
  while (read < tracks && !in.done()) {
    const bool track = in.Tag("MTrk");
    if (!track) in.Skip(4);
    const std::uint32_t length = in.Big(4);
    if (!in.ok()) return std::nullopt;
    const std::size_t start = in.at();
    in.Skip(length);
    // A file cut short has no known end.
    if (!in.ok()) return std::nullopt;
    if (!track) continue;
    const auto trackEnd = ReadTrack(file.substr(start, length), tempos);
    if (!trackEnd) return std::nullopt;
    end = std::max(end, *trackEnd);
    ++read;
  }
  if (read == 0) return std::nullopt;

  double microseconds = 0;
  if (division & 0x8000) {
    // Time code: frames a second and ticks a frame.
    const int frames = -static_cast<std::int8_t>(division >> 8);
    const int ticks = static_cast<int>(division & 0xFF);
    if (frames <= 0 || ticks == 0) return std::nullopt;
    microseconds = static_cast<double>(end) * 1e6 / (frames * ticks);
  } else {
    std::stable_sort(tempos.begin(), tempos.end(), [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    std::uint64_t tick = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const Tempo& change : tempos) {
      if (change.tick >= end) break;
      microseconds += static_cast<double>(change.tick - tick) * tempo / division;
      tick = change.tick;
      tempo = change.microsecondsPerQuarter;
    }
    microseconds += static_cast<double>(end - tick) * tempo / division;
  }
  // No time at all, or longer than a day, is no tune: its end is left to the synthesizer.
  if (microseconds < 1000 || microseconds > 86400e6) return std::nullopt;
  return std::chrono::milliseconds(static_cast<std::int64_t>(microseconds / 1000 + 0.5));
}

}  // namespace blivo
