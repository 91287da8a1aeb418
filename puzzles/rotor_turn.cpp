// The course of one turn of a rotor, the same in all four puzzles.
#include "puzzles/rotor_turn.h"

#include "puzzles/board.h"

namespace blivo {

void TurnRotor(const RotorCourse& course, int rotor, void (*permute)(int rotor), FrameOrder order) {
  PlayWave(course.moveSound);
  if (order == FrameOrder::BeforePermuting) {
    for (int f = 1; f <= course.frames; ++f) {
      course.drawFrame(rotor, f);
      Delay(course.frameDelay);
    }
    permute(rotor);
  } else {
    permute(rotor);
    for (int f = course.frames; f >= 1; --f) {
      course.drawFrame(rotor, f);
      Delay(course.frameDelay);
    }
  }
  course.drawFrame(rotor, 0);
  if (course.isSolved()) PuzzleSolved();
}

}  // namespace blivo
