// The sound effects: each is a short mix of tones and noise bursts shaped by
// envelopes, timed to the animation it goes with.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "assets/sounds.h"

namespace assets {

namespace {

constexpr double kTau = 2 * std::numbers::pi;

Wave Silence(int rate, double seconds) {
  return {rate, std::vector<float>(static_cast<std::size_t>(rate * seconds), 0.0f)};
}

// A struck tone: a few partials that fade, like a bell or a wooden bar.
void AddStrike(Wave& w, double at, double frequency, double length, double loudness, double brightness = 0.5) {
  const int start = static_cast<int>(at * w.sampleRate);
  const int count = static_cast<int>(length * w.sampleRate);
  for (int i = 0; i < count && start + i < static_cast<int>(w.samples.size()); ++i) {
    const double t = static_cast<double>(i) / w.sampleRate;
    const double attack = std::min(1.0, t / 0.004);
    const double decay = std::exp(-t * 5.0 / length);
    double v = std::sin(kTau * frequency * t);
    v += brightness * 0.5 * std::sin(kTau * frequency * 2.01 * t) * std::exp(-t * 9.0 / length);
    v += brightness * 0.25 * std::sin(kTau * frequency * 3.98 * t) * std::exp(-t * 14.0 / length);
    w.samples[start + i] += static_cast<float>(loudness * attack * decay * v);
  }
}

// A click: a burst of filtered noise.
void AddClick(Wave& w, double at, double length, double loudness, double tone, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> noise(-1.0, 1.0);
  const int start = static_cast<int>(at * w.sampleRate);
  const int count = static_cast<int>(length * w.sampleRate);
  double low = 0;
  for (int i = 0; i < count && start + i < static_cast<int>(w.samples.size()); ++i) {
    const double t = static_cast<double>(i) / w.sampleRate;
    low += tone * (noise(random) - low);
    w.samples[start + i] += static_cast<float>(loudness * std::exp(-t * 6.0 / length) * low);
  }
}

// A tone sliding from one pitch to another, with a wobble.
void AddSlide(Wave& w, double at, double length, double from, double to, double loudness, double wobble) {
  const int start = static_cast<int>(at * w.sampleRate);
  const int count = static_cast<int>(length * w.sampleRate);
  double phase = 0;
  for (int i = 0; i < count && start + i < static_cast<int>(w.samples.size()); ++i) {
    const double t = static_cast<double>(i) / w.sampleRate;
    const double k = t / length;
    const double frequency = from * std::pow(to / from, k) * (1.0 + wobble * std::sin(kTau * 18 * t));
    phase += kTau * frequency / w.sampleRate;
    const double envelope = std::sin(std::numbers::pi * k) * std::exp(-k * 1.5);
    w.samples[start + i] += static_cast<float>(loudness * envelope * std::sin(phase));
  }
}

}  // namespace

Wave SolvedSound() {
  // A rising fanfare on C major, then the full chord ringing out.
  Wave w = Silence(22050, 2.3);
  const double notes[] = {523.25, 659.25, 783.99, 1046.5};
  for (int i = 0; i < 4; ++i) AddStrike(w, 0.12 * i, notes[i], 0.5, 0.28, 0.6);
  for (double f : {523.25, 659.25, 783.99, 1046.5, 261.63}) AddStrike(w, 0.55, f, 1.7, 0.16, 0.4);
  AddStrike(w, 0.55, 2093.0, 0.9, 0.06, 0.2);
  return w;
}

Wave HexagonMoveSound() {
  // Three glassy ticks, one for each step of the ring, over a soft swirl.
  Wave w = Silence(22050, 0.6);
  for (int i = 0; i < 3; ++i) AddStrike(w, 0.04 * i, 1480.0 + 180.0 * i, 0.25, 0.22, 0.8);
  AddSlide(w, 0.0, 0.35, 620, 880, 0.16, 0.01);
  AddStrike(w, 0.13, 1975.5, 0.45, 0.16, 0.3);
  return w;
}

Wave OktopusMoveSound() {
  // A bubbly blub as the disc turns in the water.
  Wave w = Silence(11025, 0.5);
  AddSlide(w, 0.0, 0.22, 520, 220, 0.45, 0.06);
  AddSlide(w, 0.12, 0.25, 700, 300, 0.3, 0.08);
  AddClick(w, 0.0, 0.03, 0.25, 0.3, 3);
  return w;
}

Wave GrippleMoveSound() {
  // A ratchet: a click for each frame of the quarter turn, and a knock at rest.
  Wave w = Silence(11025, 0.4);
  for (int i = 0; i < 5; ++i) AddClick(w, 0.03 * i, 0.018, 0.5, 0.55, 7 + i);
  AddStrike(w, 0.15, 330.0, 0.22, 0.4, 0.3);
  AddClick(w, 0.15, 0.03, 0.35, 0.2, 19);
  return w;
}

Wave WeddingMoveSound() {
  // Marbles rolling in their groove and clicking together.
  Wave w = Silence(11025, 0.3);
  AddClick(w, 0.0, 0.25, 1.2, 0.12, 23);
  for (int i = 0; i < 4; ++i) AddStrike(w, 0.015 + 0.05 * i, 2200.0 - 150.0 * i, 0.08, 0.4, 0.9);
  return w;
}

void WriteWave(const Wave& wave, QByteArray& out) {
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
  };
  auto u16 = [&](std::uint16_t v) {
    out += static_cast<char>(v);
    out += static_cast<char>(v >> 8);
  };
  const auto size = static_cast<std::uint32_t>(wave.samples.size());
  out += "RIFF";
  u32(36 + size);
  out += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(wave.sampleRate));
  u32(static_cast<std::uint32_t>(wave.sampleRate));  // bytes per second at one byte a sample
  u16(1);
  u16(8);
  out += "data";
  u32(size);
  for (float s : wave.samples) {
    // Eight-bit samples are unsigned, silence at 128; a soft limit keeps peaks round.
    const double limited = std::tanh(1.2 * s);
    const int v = static_cast<int>(std::lround(128.0 + 127.0 * limited));
    out += static_cast<char>(std::clamp(v, 0, 255));
  }
}

}  // namespace assets
