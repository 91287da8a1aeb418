// Sound effects and music on SDL's dummy output: what plays, and what a
// missing file does.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <thread>

#include "platform/embedded_assets.h"
#include "app/music_rotation.h"
#include "platform/midi_length.h"
#include "platform/music_player.h"
#include "platform/wave_player.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

std::vector<QByteArray> Sounds() {
  std::vector<QByteArray> waves;
  for (const char* n : {"solved", "hexagon", "oktopus", "gripple", "wedding"}) waves.push_back(EmbeddedSound(n));
  return waves;
}

TEST(WavePlayer, ANewSoundCutsOffTheOneStillPlaying) {
  WavePlayer waves;
  waves.load(Sounds());
  ASSERT_EQ(waves.loaded(), 5);
  EXPECT_EQ(waves.playing(), 0);
  waves.play(1);
  EXPECT_EQ(waves.playing(), 1);
  waves.play(4);
  EXPECT_EQ(waves.playing(), 4) << "the solved sound lasts 2.3 s, yet the turn's sound replaces it";
  waves.play(0);
  waves.play(6);
  EXPECT_EQ(waves.playing(), 4) << "numbers outside 1..5 play nothing";
}

TEST(WavePlayer, ASoundThatCannotBeReadStaysSilent) {
  WavePlayer waves;
  waves.load({QByteArray("RIFF\x10\0\0\0WAVEjunk", 16), EmbeddedSound("gripple")});
  EXPECT_EQ(waves.loaded(), 1);
  waves.play(1);
  EXPECT_EQ(waves.playing(), 0);
  waves.play(2);
  EXPECT_EQ(waves.playing(), 2);
}

TEST(MusicPlayer, PlaysPausesResumesAndStartsAgain) {
  MusicPlayer midi;
  ASSERT_TRUE(midi.open(testing::GameFile("turnix2.mid")));
  EXPECT_FALSE(midi.playing());
  midi.play();
  EXPECT_TRUE(midi.playing());
  midi.pause();
  EXPECT_FALSE(midi.playing());
  midi.play();
  EXPECT_TRUE(midi.playing()) << "a paused file resumes";
  midi.stop();
  EXPECT_FALSE(midi.playing());
  midi.close();
  midi.play();
  EXPECT_FALSE(midi.playing()) << "nothing open, nothing plays";
}

TEST(MusicPlayer, ABrokenFileIsRefused) {
  QTemporaryDir dir;
  QFile broken(dir.filePath("broken.mid"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("MThd this is not music");
  broken.close();
  MusicPlayer midi;
  EXPECT_FALSE(midi.open(broken.fileName().toStdString()));
  midi.play();
  EXPECT_FALSE(midi.playing());
}

// A standard MIDI file of one track at 480 ticks a quarter: events is the
// track's body without its end, end the ticks from the last event to the end.
std::string Midi(const std::string& events, std::uint32_t end, std::uint16_t division = 480) {
  std::string track = events;
  auto variable = [&](std::uint32_t v) {
    std::string bytes(1, static_cast<char>(v & 0x7F));
    while (v >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (v & 0x7F)));
    track += bytes;
  };
  variable(end);
  track += std::string("\xFF\x2F\x00", 3);
  auto big = [](std::uint32_t v, int n) {
    std::string b;
    for (int i = n - 1; i >= 0; --i) b += static_cast<char>(v >> (8 * i));
    return b;
  };
  return "MThd" + big(6, 4) + big(0, 2) + big(1, 2) + big(division, 2) + "MTrk" + big(track.size(), 4) + track;
}

// Half a second of a note and half a second of rest at 120 quarters a minute: one second.
const std::string kOneSecond = Midi(std::string("\x00\x90\x3C\x64\x83\x60\x80\x3C\x00", 9), 480);

TEST(MidiLength, TheTimeOfTheLastTracksEndWithEveryTempoChange) {
  using std::chrono::milliseconds;
  struct Case {
    const char* what;
    std::string file;
    std::optional<milliseconds> length;
  } cases[] = {
      {"a note and a rest", kOneSecond, milliseconds(1000)},
      {"running status", Midi(std::string("\x00\x90\x3C\x64\x83\x60\x3C\x00", 8), 960), milliseconds(1500)},
      // A quarter at 120, then the tempo halves (a quarter a second) for two quarters.
      {"a tempo change", Midi(std::string("\x83\x60\xFF\x51\x03\x0F\x42\x40", 8), 960), milliseconds(2500)},
      {"time code: 25 frames of 40 ticks", Midi("", 2000, 0xE728), milliseconds(2000)},
      {"a system message on the way", Midi(std::string("\x00\xF0\x03\x7E\x7F\xF7\x00\xC0\x05", 9), 480),
       milliseconds(500)},
      {"wrapped in RIFF", "RIFF" + std::string("\x00\x00\x00\x00", 4) + "RMIDdata" +
                              std::string(1, static_cast<char>(kOneSecond.size())) + std::string(3, '\0') + kOneSecond,
       milliseconds(1000)},
      {"no MIDI at all", "RIFF....WAVEfmt ", std::nullopt},
      {"cut inside an event", kOneSecond.substr(0, 26), std::nullopt},
      {"running status before any status", Midi(std::string("\x00\x3C\x64", 3), 10), std::nullopt},
      {"a header too short", "MThd" + std::string("\x00\x00\x00\x02\x00\x01", 6), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(MidiLength(c.file), c.length) << c.what;
}

std::string TuneFile(const QTemporaryDir& dir, const std::string& bytes) {
  QFile file(dir.filePath("tune.mid"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return file.fileName().toStdString();
}

// The synthesizer keeps saying "playing" while its last sounds fade, seconds
// after the tune's end; the tune is over for the game when its time is up.
// Each answer is bracketed by clock readings, so a busy machine that wakes
// the test late cannot move the bounds.
TEST(MusicPlayer, ATuneIsOverWhenItsTimeIsUp) {
  using Clock = std::chrono::steady_clock;
  QTemporaryDir dir;
  MusicPlayer midi;
  ASSERT_TRUE(midi.open(TuneFile(dir, kOneSecond)));
  const auto beforePlay = Clock::now();
  midi.play();
  const auto afterPlay = Clock::now();
  Clock::time_point lastPlaying = afterPlay, over{};
  while (Clock::now() - beforePlay < std::chrono::seconds(6)) {
    const auto asked = Clock::now();
    if (!midi.playing()) {
      over = Clock::now();
      break;
    }
    lastPlaying = asked;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_NE(over, Clock::time_point{}) << "the tune never ended";
  using std::chrono::milliseconds;
  EXPECT_GE(std::chrono::duration_cast<milliseconds>(over - beforePlay).count(), 1000);
  EXPECT_LE(std::chrono::duration_cast<milliseconds>(lastPlaying - afterPlay).count(), 1100)
      << "still playing after its end";
}

// On the game's 200 ms ticks, a tune that ends starts again on the first tick
// that finds it over, so the music is silent for less than a tick.
TEST(MusicRotation, ATuneThatEndsStartsAgainWithinATick) {
  using Clock = std::chrono::steady_clock;
  QTemporaryDir dir;
  TuneFile(dir, kOneSecond);
  MusicRotation music;
  ASSERT_TRUE(music.Find(dir.path().toStdString()));
  const auto beforeStart = Clock::now();
  music.Upkeep();
  const auto afterStart = Clock::now();
  ASSERT_TRUE(music.playing());
  Clock::time_point lastPlaying = afterStart, over{};
  bool again = false;
  while (Clock::now() - beforeStart < std::chrono::seconds(6)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto asked = Clock::now();
    if (music.playing()) {
      lastPlaying = asked;
      music.Upkeep();
      continue;
    }
    over = Clock::now();
    music.Upkeep();
    again = music.playing();
    break;
  }
  ASSERT_NE(over, Clock::time_point{}) << "the tune never ended";
  EXPECT_TRUE(again) << "the tick that found the tune over started it again";
  using std::chrono::milliseconds;
  EXPECT_GE(std::chrono::duration_cast<milliseconds>(over - beforeStart).count(), 1000);
  EXPECT_LE(std::chrono::duration_cast<milliseconds>(lastPlaying - afterStart).count(), 1100)
      << "the tune is one second long";
}

}  // namespace
}  // namespace blivo
