// What the four puzzles share with the main window: state, random numbers and services.
#include "puzzles/board.h"

#include <random>

namespace blivo {

std::uint8_t PuzzleMode = Gripple;
std::uint8_t GameState[kPuzzleCount] = {Untouched, Untouched, Untouched, Untouched};
std::int32_t PlayTime[kPuzzleCount] = {};

Bitmap BackgroundBitmap;
Bitmap BoardBitmap;
Screen BoardScreen;

void StartClockOnFirstMove() {
  if (GameState[PuzzleMode] == Ready) GameState[PuzzleMode] = Running;
}

namespace {

std::mt19937& Generator() {
  static std::mt19937 generator{std::random_device{}()};
  return generator;
}

PuzzleHost* currentHost = nullptr;

}  // namespace

int Random(int k) {
  if (k <= 1) return 0;
  return std::uniform_int_distribution<int>(0, k - 1)(Generator());
}

void Randomize(std::uint32_t seed) { Generator().seed(seed); }

void SetPuzzleHost(PuzzleHost* host) { currentHost = host; }

void PlayWave(int n) {
  if (currentHost) currentHost->playWave(n);
}

void Delay(std::uint32_t ms) {
  if (currentHost) currentHost->delay(ms);
}

void PuzzleSolved() {
  if (currentHost) currentHost->puzzleSolved();
}

}  // namespace blivo
