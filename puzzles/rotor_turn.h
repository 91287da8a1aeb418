// The course of one turn of a rotor, the same in all four puzzles.
#pragma once

#include <cstdint>

namespace blivo {

// What a puzzle brings to the course.
struct RotorCourse {
  int moveSound;
  int frames;                // frames 1..frames lie between two rest positions
  std::uint32_t frameDelay;  // milliseconds after each of them
  void (*drawFrame)(int rotor, int frame);  // frame 0 is the rest position
  bool (*isSolved)();
};

// One direction of a puzzle draws frames 1, 2 .. N over the old arrangement
// and then permutes; the other permutes first and draws frames N .. 2, 1 over
// the new one. Either way the pieces travel from their old places to their
// new ones.
enum class FrameOrder { BeforePermuting, AfterPermuting };

// The move sound, the frames with a delay after each and the permutation in
// the given order, the rest frame, and the solved sequence if the turn has
// solved the board.
void TurnRotor(const RotorCourse& course, int rotor, void (*permute)(int rotor), FrameOrder order);

}  // namespace blivo
