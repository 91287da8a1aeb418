// The game's sound effects and its background tunes, made from code.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct Wave {
  int sampleRate;
  std::vector<float> samples;  // -1..1, mono
};

// The five effects in the order the game plays them: solved, Hexagon move,
// Oktopus move, Gripple move, Wedding move.
Wave SolvedSound();
Wave HexagonMoveSound();
Wave OktopusMoveSound();
Wave GrippleMoveSound();
Wave WeddingMoveSound();

// An 8-bit mono PCM wave file, appended to out.
void WriteWave(const Wave& wave, QByteArray& out);

struct Tune {
  std::string name;                  // file name without the ending
  std::vector<std::uint8_t> midi;    // a standard MIDI file
};

std::vector<Tune> Tunes();

}  // namespace assets
