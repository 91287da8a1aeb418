// Sound effects and music on SDL's dummy output: what plays, and what a
// missing file does.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/embedded_assets.h"
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

}  // namespace
}  // namespace blivo
