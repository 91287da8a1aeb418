// The background tunes: each is a little piece in AABA form, a melody over a
// chord progression with bass and accompaniment, written as a MIDI file.
//
// The melody is composed by rule, not at random: chord tones on the strong
// beats, steps in between, a phrase that rises and then settles, and the last
// phrase coming home to the key note.
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

#include "assets/sounds.h"

namespace assets {

namespace {

constexpr int kTicksPerBeat = 480;

struct Note {
  int tick, length, channel, key, velocity;
};

struct Chord {
  int root;                // semitones above the key note
  std::array<int, 3> tones;  // semitones above the root
};

constexpr Chord Major(int root) { return {root, {0, 4, 7}}; }
constexpr Chord Minor(int root) { return {root, {0, 3, 7}}; }

struct Style {
  const char* name;
  int key;               // MIDI key of the tonic
  int beatsPerBar;
  int tempo;             // beats per minute
  int melodyProgram, chordProgram, bassProgram;
  std::array<Chord, 8> phraseA, phraseB;
  std::array<std::array<int, 4>, 4> rhythms;  // beats per melody note; 0 ends the pattern
  bool drums;
};

const Style kStyles[] = {
    {"turnix1", 65, 3, 138, 11, 0, 32,
     {Major(0), Minor(9), Minor(2), Major(7), Major(0), Minor(9), Major(5), Major(7)},
     {Major(5), Major(0), Minor(2), Major(7), Minor(9), Minor(4), Major(2), Major(7)},
     {{{2, 1, 0, 0}, {1, 1, 1, 0}, {3, 0, 0, 0}, {1, 2, 0, 0}}},
     false},
    {"turnix2", 60, 4, 112, 12, 4, 33,
     {Major(0), Minor(9), Major(5), Major(7), Major(0), Minor(9), Minor(2), Major(7)},
     {Minor(4), Minor(9), Major(5), Major(0), Minor(2), Major(5), Major(2), Major(7)},
     {{{1, 1, 2, 0}, {2, 1, 1, 0}, {1, 1, 1, 1}, {3, 1, 0, 0}}},
     true},
    {"turnix3", 67, 3, 96, 10, 46, 32,
     {Major(0), Major(5), Minor(9), Major(7), Major(0), Major(5), Major(7), Major(0)},
     {Minor(9), Minor(4), Major(5), Major(0), Minor(2), Major(7), Minor(4), Major(7)},
     {{{1, 1, 1, 0}, {2, 1, 0, 0}, {1, 2, 0, 0}, {3, 0, 0, 0}}},
     false},
};

constexpr int kScale[7] = {0, 2, 4, 5, 7, 9, 11};

// Scale degrees counted upwards from the tonic, as MIDI keys.
int DegreeKey(int key, int degree) {
  const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  return key + 12 * octave + kScale[degree - 7 * octave];
}

// The chord tone of `chord` nearest to `near`, as a scale degree.
int NearestChordDegree(int key, const Chord& chord, int near, int lean) {
  int best = near, bestDistance = 1000;
  for (int d = near - 4; d <= near + 4; ++d) {
    const int pitch = (DegreeKey(key, d) - key - chord.root + 120) % 12;
    if (std::find(chord.tones.begin(), chord.tones.end(), pitch) == chord.tones.end()) continue;
    const int distance = std::abs(d - near) * 2 + (lean * (d - near) < 0 ? 1 : 0);
    if (distance < bestDistance) bestDistance = distance, best = d;
  }
  return best;
}

void Melody(const Style& s, const std::array<Chord, 8>& chords, int bar0, int contourSeed, bool cadence,
            int& degree, std::vector<Note>& out) {
  for (int b = 0; b < 8; ++b) {
    // The phrase rises over its first half and falls back over the second.
    const int lean = b < 4 ? 1 : -1;
    const auto& rhythm = s.rhythms[(b + contourSeed) % 4];
    int beat = 0;
    for (int i = 0; i < 4 && rhythm[i] > 0; ++i) {
      if (i == 0) {
        degree = NearestChordDegree(s.key, chords[b], degree + lean, lean);
      } else {
        const int step = ((b * 3 + i + contourSeed) % 5 == 0) ? 2 : 1;
        degree += lean * step * (((b + i) % 3 == 2) ? -1 : 1);
      }
      degree = std::clamp(degree, 2, 11);
      int length = rhythm[i];
      if (cadence && b == 7) {
        degree = 7;  // home: the tonic an octave up
        length = s.beatsPerBar - beat;
      }
      out.push_back({(bar0 + b) * s.beatsPerBar * kTicksPerBeat + beat * kTicksPerBeat,
                     length * kTicksPerBeat - 30, 0, DegreeKey(s.key, degree), i == 0 ? 96 : 80});
      beat += length;
      if (beat >= s.beatsPerBar) break;
    }
  }
}

void Accompaniment(const Style& s, const std::array<Chord, 8>& chords, int bar0, std::vector<Note>& out) {
  for (int b = 0; b < 8; ++b) {
    const Chord& c = chords[b];
    const int barTick = (bar0 + b) * s.beatsPerBar * kTicksPerBeat;
    const int root = s.key - 12 + c.root;
    // Bass: the root on the first beat, the fifth later in the bar.
    out.push_back({barTick, 2 * kTicksPerBeat - 40, 1, root - 12, 92});
    if (s.beatsPerBar == 4) out.push_back({barTick + 2 * kTicksPerBeat, 2 * kTicksPerBeat - 40, 1, root - 5, 84});
    // Chords on the beats after the first.
    for (int beat = 1; beat < s.beatsPerBar; ++beat)
      for (int t : c.tones) out.push_back({barTick + beat * kTicksPerBeat, kTicksPerBeat - 60, 2, root + t, 54});
    if (s.drums)
      for (int beat = 0; beat < s.beatsPerBar; ++beat) {
        out.push_back({barTick + beat * kTicksPerBeat, 60, 9, 42, beat % 2 ? 44 : 60});  // closed hi-hat
        out.push_back({barTick + beat * kTicksPerBeat + kTicksPerBeat * 2 / 3, 60, 9, 42, 30});
        if (beat % 2 == 1) out.push_back({barTick + beat * kTicksPerBeat, 80, 9, 37, 40});  // side stick
      }
  }
}

void Put(std::vector<std::uint8_t>& v, std::uint32_t value) {
  // Variable-length quantity.
  std::uint8_t bytes[5];
  int n = 0;
  bytes[n++] = value & 0x7F;
  while (value >>= 7) bytes[n++] = 0x80 | (value & 0x7F);
  while (n) v.push_back(bytes[--n]);
}

std::vector<std::uint8_t> MidiFile(const Style& s, const std::vector<Note>& notes) {
  std::multimap<int, std::vector<std::uint8_t>> events;
  const std::uint32_t microseconds = 60000000u / s.tempo;
  events.insert({0, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microseconds >> 16),
                     static_cast<std::uint8_t>(microseconds >> 8), static_cast<std::uint8_t>(microseconds)}});
  events.insert({0, {0xC0, static_cast<std::uint8_t>(s.melodyProgram)}});
  events.insert({0, {0xC1, static_cast<std::uint8_t>(s.bassProgram)}});
  events.insert({0, {0xC2, static_cast<std::uint8_t>(s.chordProgram)}});
  events.insert({0, {0xB0, 7, 100}});
  events.insert({0, {0xB2, 7, 80}});
  int end = 0;
  for (const Note& n : notes) {
    // Note-offs sort before note-ons at the same tick.
    events.insert({2 * n.tick + 1, {static_cast<std::uint8_t>(0x90 | n.channel), static_cast<std::uint8_t>(n.key),
                                    static_cast<std::uint8_t>(n.velocity)}});
    events.insert({2 * (n.tick + n.length), {static_cast<std::uint8_t>(0x80 | n.channel),
                                             static_cast<std::uint8_t>(n.key), 0}});
    end = std::max(end, n.tick + n.length);
  }
  std::vector<std::uint8_t> track;
  int last = 0;
  for (const auto& [key, bytes] : events) {
    const int tick = key == 0 ? 0 : key / 2;
    Put(track, static_cast<std::uint32_t>(tick - last));
    last = tick;
    track.insert(track.end(), bytes.begin(), bytes.end());
  }
  Put(track, static_cast<std::uint32_t>(end + kTicksPerBeat - last));
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1,
                                    kTicksPerBeat >> 8, kTicksPerBeat & 0xFF, 'M', 'T', 'r', 'k'};
  const auto size = static_cast<std::uint32_t>(track.size());
  for (int shift : {24, 16, 8, 0}) file.push_back(static_cast<std::uint8_t>(size >> shift));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace

std::vector<Tune> Tunes() {
  std::vector<Tune> tunes;
  for (const Style& s : kStyles) {
    std::vector<Note> notes;
    int degree = 4;
    // A A B A, the last A coming home.
    const std::array<const std::array<Chord, 8>*, 4> form = {&s.phraseA, &s.phraseA, &s.phraseB, &s.phraseA};
    for (int part = 0; part < 4; ++part) {
      Melody(s, *form[part], part * 8, part == 2 ? 1 : 0, part == 3, degree, notes);
      Accompaniment(s, *form[part], part * 8, notes);
    }
    tunes.push_back({s.name, MidiFile(s, notes)});
  }
  return tunes;
}

}  // namespace assets
